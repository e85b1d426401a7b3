// The host's log: every message with its severity, in order.
#ifndef HOST_ENGINE_HOST_LOG_H
#define HOST_ENGINE_HOST_LOG_H

#include <string>
#include <vector>

namespace host_engine {

struct LogLine {
	std::wstring message;
	int severity;
};

class HostLog
{
public:
	void Add(const std::wstring& message, int severity) { m_lines.push_back(LogLine{message, severity}); }
	const std::vector<LogLine>& Lines() const { return m_lines; }
	void Clear() { m_lines.clear(); }

private:
	std::vector<LogLine> m_lines;
};

} // namespace host_engine

#endif
