// The host's record of the object-API calls plug-ins make: what a plug-in
// asked of the host, in order, for tests and for --trace.
#ifndef HOST_ENGINE_CALL_JOURNAL_H
#define HOST_ENGINE_CALL_JOURNAL_H

#include <string>
#include <vector>

namespace host_engine {

// One call: "X3DObject.GetKinematics", the object it was made on (its full
// name, or its class for an object without one) and its arguments as a JSON
// array ("" when it takes none), its strings escaped for a terminal
// (JsonEscapes::ForTerminal).
struct JournalEntry {
	std::string call;
	std::string target;
	std::string args;
};

class CallJournal
{
public:
	// Off until started: a host that keeps no journal pays one test per call,
	// of AnyStarted.
	void Start() { m_on = s_anyStarted = true; }
	void Stop() { m_on = s_anyStarted = false; }
	bool IsOn() const { return m_on; }
	static bool AnyStarted() { return s_anyStarted; }

	void Add(JournalEntry entry) { m_entries.push_back(std::move(entry)); }
	const std::vector<JournalEntry>& Entries() const { return m_entries; }
	void Clear() { m_entries.clear(); }

private:
	static bool s_anyStarted;
	bool m_on = false;
	std::vector<JournalEntry> m_entries;
};

} // namespace host_engine

#endif
