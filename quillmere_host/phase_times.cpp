// The phases of a run timed, for --timings.
#include "phase_times.h"

#include <cstdio>

namespace quillmere_host {

namespace {

std::string Seconds(double seconds)
{
	char text[32];
	std::snprintf(text, sizeof(text), "%.4f", seconds);
	return text;
}

} // namespace

double PhaseTimes::Lap()
{
	auto now = std::chrono::steady_clock::now();
	double seconds = std::chrono::duration<double>(now - m_last).count();
	m_last = now;
	return seconds;
}

void PhaseTimes::End(const char* phase)
{
	m_phases.emplace_back(phase, Lap());
}

void PhaseTimes::EndInto(const char* phase)
{
	double seconds = Lap();
	for (auto& entry : m_phases) {
		if (entry.first == phase) {
			entry.second += seconds;
			return;
		}
	}
	m_phases.emplace_back(phase, seconds);
}

void PhaseTimes::Split(const char* from, const char* phase, double seconds)
{
	for (auto entry = m_phases.begin(); entry != m_phases.end(); ++entry) {
		if (entry->first == from) {
			entry->second -= seconds;
			m_phases.emplace(entry, phase, seconds);
			return;
		}
	}
}

std::string PhaseTimes::Json() const
{
	std::string out = "{";
	double total = 0;
	for (const auto& entry : m_phases) {
		out += "\"" + entry.first + "\": " + Seconds(entry.second) + ", ";
		total += entry.second;
	}
	return out + "\"total\": " + Seconds(total) + "}";
}

} // namespace quillmere_host
