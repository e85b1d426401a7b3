// The whole Quillmere command over N selected objects, against the floor of
// its own deletions issued straight by the host.
//
// Where the command's time goes beyond the floor: per object the removal pass
// binds the object, fetches its kinematics and constraint list, binds each
// constraint and reads its name, and, for chain bones, walks the joint's
// nested objects. Each of those is an object-API call that checks its handle
// against the host's object table, and a name comes back as a string the pass
// compares with the kind table. That is a dozen calls per object against the
// floor's two or three deletions, so the ratio stays well above 1 however cheap each
// call is made; what scales with the scene (memory locality of slots, the
// selection arrays) is kept linear.
#include "core/plugin_host.h"
#include "core/property_page.h"
#include "core/scene_builder.h"

#include <xsi_application.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {

host_core::Host& TheHost()
{
	return host_core::Host::Current();
}

// Builds the benchmark scene: N selected objects, each with four constraints
// in mixed order (two kinds the page keeps on, one it switches off, one the
// user renamed); every tenth is a chain bone whose joint holds three operators.
void BuildScene(int64_t count, std::vector<XSI::CRef>* floorTargets)
{
	host_core::Host& host = TheHost();
	host.ResetScene();
	host_core::SceneBuilder scene(host);
	XSI::CRef root = scene.Root();
	for (int64_t i = 0; i < count; ++i) {
		bool bone = i % 10 == 0;
		XSI::CRef object =
		    scene.AddObject(root, L"obj" + std::to_wstring(i), bone ? XSI::siChainBoneID : XSI::siX3DObjectID);
		scene.AddConstraint(object, L"Direction Cns", L"Direction Cns"); // switched off on the page
		XSI::CRef position = scene.AddConstraint(object, L"Position Cns", L"Position Cns");
		scene.AddConstraint(object, L"aim_hold", L"Orientation Cns"); // renamed by the user
		XSI::CRef orientation = scene.AddConstraint(object, L"Orientation Cns", L"Orientation Cns");
		XSI::CRef upVector;
		if (bone) {
			scene.AddOperator(object, L"SkeletonPrefRotOp");
			upVector = scene.AddOperator(object, L"SkeletonUpVectorOp");
			scene.AddOperator(object, L"SkeletonJointOp");
		}
		scene.Select(object);
		if (floorTargets) {
			floorTargets->push_back(position);
			floorTargets->push_back(orientation);
			if (bone) {
				floorTargets->push_back(upVector);
			}
		}
	}
}

// Switches direction constraints off and confirms, as a user would.
class OneKindOffPage : public host_core::PageDriver
{
public:
	host_core::PageAnswer Run(host_core::PropertyPage& page) override
	{
		page.SetValue(L"Dir", false);
		return host_core::PageAnswer::OK;
	}
};

// Starts a new peak: the kernel resets VmHWM to the current resident size.
void ResetPeakResident()
{
	std::ofstream("/proc/self/clear_refs") << "5";
}

size_t PeakResidentKiB()
{
	std::ifstream status("/proc/self/status");
	std::string line;
	while (std::getline(status, line)) {
		if (line.compare(0, 6, "VmHWM:") == 0) {
			return std::stoul(line.substr(6));
		}
	}
	return 0;
}

void SetCounters(benchmark::State& state, bool memory)
{
	if (memory) {
		state.counters["peak_rss_MiB"] = static_cast<double>(PeakResidentKiB()) / 1024.0;
	}
	state.counters["objects"] = static_cast<double>(state.range(0));
	state.counters["per_object"] =
	    benchmark::Counter(static_cast<double>(state.range(0)),
	                       benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Command(benchmark::State& state)
{
	OneKindOffPage page;
	TheHost().SetPageDriver(&page);
	TheHost().ResetScene();
	ResetPeakResident();
	for (auto _ : state) {
		state.PauseTiming();
		BuildScene(state.range(0), nullptr);
		XSI::CValueArray args;
		XSI::CValue result;
		state.ResumeTiming();
		XSI::Application().ExecuteCommand(L"Quillmere", args, result);
	}
	TheHost().SetPageDriver(nullptr);
	SetCounters(state, true);
}

void BM_Floor(benchmark::State& state)
{
	for (auto _ : state) {
		state.PauseTiming();
		std::vector<XSI::CRef> targets;
		BuildScene(state.range(0), &targets);
		XSI::Application app;
		state.ResumeTiming();
		for (const XSI::CRef& target : targets) {
			XSI::CValueArray args(1);
			args[0] = target;
			XSI::CValue result;
			app.ExecuteCommand(L"DeleteObj", args, result);
		}
	}
	SetCounters(state, false);
}

// Prints, after the usual table, the figures the README tracks per N.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
	SummaryReporter() : benchmark::ConsoleReporter(OO_Tabular) {}

	void ReportRuns(const std::vector<Run>& runs) override
	{
		for (const Run& run : runs) {
			if (run.run_type != Run::RT_Iteration) {
				continue;
			}
			std::string name = run.benchmark_name();
			auto objects = run.counters.find("objects");
			auto rss = run.counters.find("peak_rss_MiB");
			long n = objects == run.counters.end() ? 0 : static_cast<long>(objects->second.value);
			double seconds = run.GetAdjustedRealTime() * 1e-3; // reported in milliseconds
			Row& row = m_rows[n];
			(name.find("Command") != std::string::npos ? row.command : row.floor) = seconds;
			if (rss != run.counters.end()) {
				row.peakMiB = std::max(row.peakMiB, rss->second.value);
			}
		}
		ConsoleReporter::ReportRuns(runs);
	}

	void Finalize() override
	{
		ConsoleReporter::Finalize();
		std::printf("\n%10s %14s %16s %12s %14s %10s\n", "N", "command (ms)", "per object (ns)", "floor (ms)",
		            "command/floor", "peak MiB");
		double previous = 0;
		long previousN = 0;
		for (const auto& entry : m_rows) {
			const Row& row = entry.second;
			std::printf("%10ld %14.2f %16.1f %12.2f %14.2f %10.0f", entry.first, row.command * 1e3,
			            row.command * 1e9 / static_cast<double>(entry.first), row.floor * 1e3,
			            row.floor > 0 ? row.command / row.floor : 0.0, row.peakMiB);
			if (previous > 0) {
				std::printf("   x%.1f time for x%ld objects", row.command / previous, entry.first / previousN);
			}
			std::printf("\n");
			previous = row.command;
			previousN = entry.first;
		}
	}

private:
	struct Row {
		double command = 0;
		double floor = 0;
		double peakMiB = 0;
	};
	std::map<long, Row> m_rows;
};

void Sizes(benchmark::internal::Benchmark* bench)
{
	bench->Unit(benchmark::kMillisecond)->UseRealTime();
	for (int64_t n : {1000, 10000, 100000, 1000000}) {
		bench->Arg(n);
	}
}

BENCHMARK(BM_Command)->Apply(Sizes);
BENCHMARK(BM_Floor)->Apply(Sizes);

} // namespace

int main(int argc, char** argv)
{
	benchmark::Initialize(&argc, argv);
	std::string error;
	if (host_core::Host::Current().Plugins().Load(QUILLMERE_MODULE_PATH, &error) == nullptr) {
		std::cerr << "quillmere-bench: " << error << "\n";
		return 1;
	}
	SummaryReporter reporter;
	benchmark::RunSpecifiedBenchmarks(&reporter);
	benchmark::Shutdown();
	host_core::Host::Current().Plugins().UnloadAll();
	return 0;
}
