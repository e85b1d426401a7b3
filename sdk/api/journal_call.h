// How an object-API member enters itself in the host's journal: one line at
// the top of the member, costing one test while no journal is kept.
#ifndef XSI_STANDIN_JOURNAL_CALL_H
#define XSI_STANDIN_JOURNAL_CALL_H

#include "engine/current_host.h"

#include <xsi_base.h>
#include <xsi_ref.h>
#include <xsi_string.h>
#include <xsi_value.h>

#include <string>

namespace XSI {

namespace journal {

// Arguments as JSON values, for the journal's argument array.
std::string Json(const CString& text);
std::string Json(const wchar_t* text);
std::string Json(bool value);
std::string Json(int value);
std::string Json(long value);
std::string Json(double value);
std::string Json(const CValue& value);
std::string Json(const CValueArray& values);
std::string Json(const CRef& ref);
std::string Json(const CStringArray& texts);

// The object a call is made on: its full name, or its class.
std::string Target(const CRef& ref);

inline void Append(std::string&) {}
template <typename First, typename... Rest> void Append(std::string& out, const First& first, const Rest&... rest)
{
	out += out.size() > 1 ? ", " : "";
	out += Json(first);
	Append(out, rest...);
}

template <typename... Args> std::string ArgumentArray(const Args&... args)
{
	if (sizeof...(args) == 0) {
		return std::string();
	}
	std::string out = "[";
	Append(out, args...);
	return out + "]";
}

} // namespace journal

// Records the call it is made for, if a plug-in makes it while the host keeps
// a journal, and marks the calls made inside it as the API's own.
class JournalCall
{
public:
	// A call made on an object handle; its reference is asked for only when
	// the call is recorded.
	template <typename... Args> JournalCall(const char* call, const CBase& target, const Args&... args)
	{
		if (host_engine::CallJournal::AnyStarted()) {
			Start(call, target.GetRef(), args...);
		}
	}
	template <typename... Args> JournalCall(const char* call, const CRef& target, const Args&... args)
	{
		if (host_engine::CallJournal::AnyStarted()) {
			Start(call, target, args...);
		}
	}
	// A call made on something other than a host object, named by `target`.
	template <typename... Args> JournalCall(const char* call, const char* target, const Args&... args)
	{
		if (host_engine::CallJournal::AnyStarted() && Begin()) {
			Record(call, target, journal::ArgumentArray(args...));
		}
	}
	// A command run by name: the name stands for the target, its arguments
	// are the call's.
	JournalCall(const char* call, const CString& command, const CValueArray& args)
	{
		if (host_engine::CallJournal::AnyStarted() && Begin()) {
			Record(call, std::string(command.GetAsciiString()), journal::Json(args));
		}
	}
	~JournalCall()
	{
		if (m_host != nullptr) {
			m_host->Caller().LeaveCall();
		}
	}
	JournalCall(const JournalCall&) = delete;
	JournalCall& operator=(const JournalCall&) = delete;

private:
	template <typename... Args> void Start(const char* call, const CRef& target, const Args&... args)
	{
		if (Begin()) {
			Record(call, journal::Target(target), journal::ArgumentArray(args...));
		}
	}
	// True when this call is to be recorded.
	bool Begin()
	{
		host_engine::Host& host = host_engine::CurrentHost();
		if (!host.Journaling()) {
			return false;
		}
		m_host = &host;
		return host.Caller().EnterCall();
	}
	void Record(const char* call, std::string target, std::string args)
	{
		m_host->Journal().Add(host_engine::JournalEntry{call, std::move(target), std::move(args)});
	}

	host_engine::Host* m_host = nullptr;
};

} // namespace XSI

#endif
