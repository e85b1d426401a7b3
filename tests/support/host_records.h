// What the host recorded, in forms tests compare easily.
#ifndef QUILLMERE_TESTS_HOST_RECORDS_H
#define QUILLMERE_TESTS_HOST_RECORDS_H

#include "engine/class_info.h"
#include "engine/current_host.h"

#include <ostream>
#include <string>
#include <vector>

namespace quillmere_tests {

struct Deletion {
	std::wstring name;
	std::wstring classId;
	std::wstring owner;
	bool operator==(const Deletion& other) const
	{
		return name == other.name && classId == other.classId && owner == other.owner;
	}
};

inline std::ostream& operator<<(std::ostream& out, const Deletion& d)
{
	return out << "{" << std::string(d.name.begin(), d.name.end()) << ", "
	           << std::string(d.classId.begin(), d.classId.end()) << ", " << std::string(d.owner.begin(), d.owner.end())
	           << "}";
}

// Every DeleteObj that removed something, in call order.
inline std::vector<Deletion> Deletions(host_engine::Host& host = host_engine::CurrentHost())
{
	std::vector<Deletion> out;
	const host_engine::NameTable& names = host.Scene().Objects().Names();
	for (const host_engine::DeleteRecord& record : host.History().Records()) {
		if (record.removed) {
			out.push_back(Deletion{std::wstring(names.Text(record.nameId)), host_engine::ClassIdName(record.classId),
			                       std::wstring(names.Text(record.ownerNameId))});
		}
	}
	return out;
}

// One call on one line: "ProjectItem.GetParameterValue
// Scene_Root.QuillmereOption1 [\"Pos\", 1.7976931348623157e+308]".
inline std::string CallText(const host_engine::JournalEntry& entry)
{
	return entry.call + " " + entry.target + (entry.args.empty() ? "" : " " + entry.args);
}

// The plug-in's calls as the journal recorded them ("Class.Method target
// [args]"), those of one call only when `call` is given.
inline std::vector<std::string> Calls(const std::string& call = "",
                                      host_engine::Host& host = host_engine::CurrentHost())
{
	std::vector<std::string> out;
	for (const host_engine::JournalEntry& entry : host.Journal().Entries()) {
		if (call.empty() || entry.call == call) {
			out.push_back(CallText(entry));
		}
	}
	return out;
}

inline std::vector<std::wstring> LogMessages(host_engine::Host& host = host_engine::CurrentHost())
{
	std::vector<std::wstring> out;
	for (const host_engine::LogLine& line : host.Log().Lines()) {
		out.push_back(line.message);
	}
	return out;
}

} // namespace quillmere_tests

#endif
