// The whole Quillmere command through the loaded module, over N selected
// objects, against its floor: the same deletions, issued by the host inside
// one command of its own, so that both pay the same bookkeeping (one undo
// step) on the same freshly built scene.
//
// Each size is warmed up once, then measured several times with the order
// of command and floor alternating (ABBA), so that neither side always runs
// on a warmer or a colder machine. Medians are reported with their spread,
// and user+sys CPU time beside the wall time.
#include "engine/plugin_host.h"
#include "engine/property_page.h"
#include "engine/scene_builder.h"

#include <xsi_application.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

host_engine::Host& TheHost()
{
	return host_engine::CurrentHost();
}

// N selected objects, each with four constraints in mixed order (two kinds
// the page keeps on, one it switches off, one the user renamed); every
// tenth is a chain bone whose joint holds three operators. `floorTargets`
// gets what the command will delete, in the order it deletes them.
void BuildScene(size_t count, std::vector<XSI::CRef>* floorTargets)
{
	host_engine::Host& host = TheHost();
	host.ResetScene();
	host_engine::SceneBuilder scene(host);
	scene.Reserve(count, count / 10 + 1, 4 * count, 3 * (count / 10 + 1));
	XSI::CRef root = scene.Root();
	for (size_t i = 0; i < count; ++i) {
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
class OneKindOffPage : public host_engine::PageDriver
{
public:
	host_engine::PageAnswer Run(host_engine::PropertyPage& page) override
	{
		page.SetValue(L"Dir", false);
		return host_engine::PageAnswer::OK;
	}
};

const wchar_t* const kFloorCommand = L"QuillmereBenchFloor";
std::vector<XSI::CRef> g_floorTargets;

// The floor: each target deleted through DeleteObj, one call each, inside
// one top-level command.
XSI::CStatus RunFloor(XSI::CValueArray&, XSI::CValue&)
{
	XSI::Application app;
	for (const XSI::CRef& target : g_floorTargets) {
		XSI::CValueArray args(1);
		args[0] = target;
		XSI::CValue ignored;
		app.ExecuteCommand(L"DeleteObj", args, ignored);
	}
	return XSI::CStatus::OK;
}

struct Sample {
	double wall = 0; // seconds
	double cpu = 0;  // user+sys seconds
};

double CpuSeconds()
{
	rusage usage;
	getrusage(RUSAGE_SELF, &usage);
	return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
	       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

Sample Time(const wchar_t* command)
{
	XSI::CValueArray args;
	XSI::CValue result;
	double cpu = CpuSeconds();
	auto start = std::chrono::steady_clock::now();
	XSI::Application().ExecuteCommand(command, args, result);
	Sample sample;
	sample.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
	sample.cpu = CpuSeconds() - cpu;
	return sample;
}

Sample RunCommandOnce(size_t count)
{
	BuildScene(count, nullptr);
	return Time(L"Quillmere");
}

Sample RunFloorOnce(size_t count)
{
	g_floorTargets.clear();
	BuildScene(count, &g_floorTargets);
	return Time(kFloorCommand);
}

// Starts a new peak: the kernel resets VmHWM to the current resident size.
void ResetPeakResident()
{
	std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakResidentMiB()
{
	std::ifstream status("/proc/self/status");
	std::string line;
	while (std::getline(status, line)) {
		if (line.compare(0, 6, "VmHWM:") == 0) {
			return std::stod(line.substr(6)) / 1024.0;
		}
	}
	return 0;
}

struct Summary {
	double median = 0;
	double low = 0;
	double high = 0;
};

Summary Summarize(std::vector<double> values)
{
	std::sort(values.begin(), values.end());
	Summary summary;
	size_t n = values.size();
	summary.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
	summary.low = values.front();
	summary.high = values.back();
	return summary;
}

struct Row {
	size_t count;
	Summary command, commandCpu, floor, floorCpu;
	double peakMiB;
};

std::vector<size_t> ParseSizes(const std::string& list)
{
	std::vector<size_t> sizes;
	size_t start = 0;
	while (start < list.size()) {
		size_t comma = list.find(',', start);
		sizes.push_back(std::stoul(list.substr(start, comma - start)));
		start = comma == std::string::npos ? list.size() : comma + 1;
	}
	return sizes;
}

std::string Ms(double seconds)
{
	char text[32];
	std::snprintf(text, sizeof(text), seconds < 0.01 ? "%.3f" : seconds < 1 ? "%.1f" : "%.0f", seconds * 1e3);
	return text;
}

std::string Spread(const Summary& summary)
{
	return Ms(summary.median) + " (" + Ms(summary.low) + "–" + Ms(summary.high) + ")";
}

void PrintTable(const std::vector<Row>& rows, int repetitions)
{
	std::printf("| N | command ms, median (min–max) | user+sys ms | per object | floor ms, median (min–max) | "
	            "user+sys ms | command/floor | peak RSS |\n");
	std::printf("| ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n");
	for (const Row& row : rows) {
		std::printf("| %zu | %s | %s | %.0f ns | %s | %s | %.2f | %.0f MiB |\n", row.count, Spread(row.command).c_str(),
		            Ms(row.commandCpu.median).c_str(), row.command.median * 1e9 / static_cast<double>(row.count),
		            Spread(row.floor).c_str(), Ms(row.floorCpu.median).c_str(), row.command.median / row.floor.median,
		            row.peakMiB);
	}
	std::printf("\n%d run%s of each per size.", repetitions, repetitions == 1 ? "" : "s");
	for (size_t i = 1; i < rows.size(); ++i) {
		std::printf(" time(%zu) / time(%zu) = %.1f.", rows[i].count, rows[i - 1].count,
		            rows[i].command.median / rows[i - 1].command.median);
	}
	std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
	std::vector<size_t> sizes = {1000, 10000, 100000, 1000000};
	int repetitions = 5;
	for (int i = 1; i < argc; ++i) {
		std::string arg = argv[i];
		if (arg.compare(0, 8, "--sizes=") == 0) {
			sizes = ParseSizes(arg.substr(8));
		} else if (arg.compare(0, 14, "--repetitions=") == 0) {
			repetitions = std::max(1, std::atoi(arg.c_str() + 14));
		} else {
			std::cerr << "usage: quillmere-bench [--sizes=1000,10000,...] [--repetitions=5]\n";
			return 2;
		}
	}
	host_engine::Host& host = TheHost();
	std::string error;
	if (host.Plugins().Load(QUILLMERE_MODULE_PATH, &error) == nullptr) {
		std::cerr << "quillmere-bench: " << error << "\n";
		return 1;
	}
	host.Commands().Register(kFloorCommand, RunFloor);
	OneKindOffPage page;
	host.SetPageDriver(&page);

	std::vector<Row> rows;
	for (size_t count : sizes) {
		ResetPeakResident();
		RunCommandOnce(count); // warm-up: first growth of every buffer
		RunFloorOnce(count);
		std::vector<double> command, commandCpu, floor, floorCpu;
		for (int r = 0; r < repetitions; ++r) {
			bool commandFirst = r % 2 == 0;
			for (int side = 0; side < 2; ++side) {
				bool isCommand = (side == 0) == commandFirst;
				Sample sample = isCommand ? RunCommandOnce(count) : RunFloorOnce(count);
				(isCommand ? command : floor).push_back(sample.wall);
				(isCommand ? commandCpu : floorCpu).push_back(sample.cpu);
			}
		}
		rows.push_back(Row{count, Summarize(command), Summarize(commandCpu), Summarize(floor), Summarize(floorCpu),
		                   PeakResidentMiB()});
		std::fprintf(stderr, "quillmere-bench: %zu objects done\n", count);
	}
	host.SetPageDriver(nullptr);
	host.ResetScene();
	PrintTable(rows, repetitions);
	host.Plugins().UnloadAll();
	return 0;
}
