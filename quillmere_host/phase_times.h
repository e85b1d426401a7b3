// How long each phase of a run took, for --timings.
#ifndef QUILLMERE_HOST_PHASE_TIMES_H
#define QUILLMERE_HOST_PHASE_TIMES_H

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace quillmere_host {

class PhaseTimes
{
public:
	// Ends the phase running since the last call (or since the start).
	void End(const char* phase);
	// Ends the phase running since the last call, counted into `phase`, an
	// earlier one.
	void EndInto(const char* phase);
	// Moves `seconds` of the phase `from` into a phase of its own, before it.
	void Split(const char* from, const char* phase, double seconds);
	// {"PHASE": SECONDS, ..., "total": SECONDS}, in the order the phases came.
	std::string Json() const;

private:
	double Lap();

	std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
	std::vector<std::pair<std::string, double>> m_phases;
};

} // namespace quillmere_host

#endif
