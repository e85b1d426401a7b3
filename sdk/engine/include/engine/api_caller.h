// Who is calling the object API right now, and how deep inside itself it is.
#ifndef HOST_ENGINE_API_CALLER_H
#define HOST_ENGINE_API_CALLER_H

namespace host_engine {

// A plug-in's callback, or the host itself (its own commands, its pages, its
// tests): only a plug-in's calls are journaled.
class ApiCaller
{
public:
	enum class Kind { Host, Plugin };

	bool IsPlugin() const { return m_kind == Kind::Plugin; }
	// Calls the object API makes inside itself are not the plug-in's: only
	// the outermost is recorded. Returns true for the outermost.
	bool EnterCall() { return m_depth++ == 0; }
	void LeaveCall() { --m_depth; }

private:
	friend class CallerScope;

	Kind m_kind = Kind::Host;
	int m_depth = 0;
};

// Sets the caller for a scope: plug-in callbacks run as the plug-in,
// built-in commands and page drivers as the host. A new caller starts at
// depth 0, so its first call counts as its own even inside another's.
class CallerScope
{
public:
	CallerScope(ApiCaller& caller, ApiCaller::Kind kind)
	    : m_caller(caller), m_kind(caller.m_kind), m_depth(caller.m_depth)
	{
		caller.m_kind = kind;
		caller.m_depth = 0;
	}
	~CallerScope()
	{
		m_caller.m_kind = m_kind;
		m_caller.m_depth = m_depth;
	}
	CallerScope(const CallerScope&) = delete;
	CallerScope& operator=(const CallerScope&) = delete;

private:
	ApiCaller& m_caller;
	ApiCaller::Kind m_kind;
	int m_depth;
};

} // namespace host_engine

#endif
