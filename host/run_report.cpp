#include "run_report.h"

#include "text_encoding.h"

#include "core/class_info.h"

#include <nlohmann/json.hpp>

#include <map>
#include <sstream>

namespace quillmere_host {

namespace {

using Json = nlohmann::ordered_json;

std::string Text(const host_core::Host& host, uint32_t nameId)
{
	return ToUtf8(host.Objects().Names().Text(nameId));
}

std::string ClassName(XSI::siClassID classId)
{
	return ToUtf8(host_core::ClassIdName(classId));
}

} // namespace

std::string TextReport(const RunRecord& run, const host_core::Host& host)
{
	std::ostringstream out;
	if (run.page.shown) {
		out << "Option page, as it closed (" << (run.page.confirmed ? "confirmed with OK" : "cancelled") << "):\n"
		    << DrawPage(run.page.snapshot) << "\n";
	} else {
		out << "No option page was shown.\n\n";
	}

	const std::vector<host_core::DeleteRecord>& records = host.History().Records();
	out << "DeleteObj calls (" << records.size() << "), by the object they belonged to:\n";
	std::map<std::string, size_t> perKind;
	std::string owner;
	bool first = true;
	for (const host_core::DeleteRecord& record : records) {
		if (!record.removed) {
			out << "  (failed) " << (record.nameId ? Text(host, record.nameId) : std::string("a deleted object"))
			    << "\n";
			first = true;
			continue;
		}
		std::string recordOwner = Text(host, record.ownerNameId);
		if (first || recordOwner != owner) {
			out << "  " << recordOwner << "\n";
			owner = recordOwner;
			first = false;
		}
		std::string kind = ClassName(record.classId) + " \"" + Text(host, record.nameId) + "\"";
		out << "    " << kind << "\n";
		++perKind[kind];
	}
	if (records.empty()) {
		out << "  none\n";
	}
	out << "\nDeleted, per kind:\n";
	for (const auto& kind : perKind) {
		out << "  " << kind.first << ": " << kind.second << "\n";
	}
	if (perKind.empty()) {
		out << "  nothing\n";
	}
	out << "Failed deletes: " << host.History().FailedCount() << "\n";

	out << "\nLog:\n";
	for (const host_core::LogLine& line : host.Log().Lines()) {
		out << "  [" << line.severity << "] " << ToUtf8(line.message) << "\n";
	}
	if (host.Log().Lines().empty()) {
		out << "  empty\n";
	}
	out << "\nCommand status: " << run.status << "\n";
	if (run.undone) {
		out << "Undo: the scene " << (run.restored ? "equals" : "DIFFERS FROM") << " the one loaded.\n";
	}
	return out.str();
}

std::string JsonReport(const RunRecord& run, const host_core::Host& host)
{
	Json report;
	if (run.page.shown) {
		Json values = Json::object();
		for (const auto& value : run.page.values) {
			values[ToUtf8(value.first)] = value.second;
		}
		report["page"] = Json{{"shown", true}, {"confirmed", run.page.confirmed}, {"values", values}};
	} else {
		report["page"] = nullptr;
	}
	Json deleted = Json::array();
	for (const host_core::DeleteRecord& record : host.History().Records()) {
		if (record.removed) {
			deleted.push_back(Json{{"name", Text(host, record.nameId)},
			                       {"class", ClassName(record.classId)},
			                       {"owner", Text(host, record.ownerNameId)}});
		}
	}
	report["deleted"] = deleted;
	report["failed_deletes"] = host.History().FailedCount();
	Json log = Json::array();
	for (const host_core::LogLine& line : host.Log().Lines()) {
		log.push_back(Json{{"severity", line.severity}, {"message", ToUtf8(line.message)}});
	}
	report["log"] = log;
	report["status"] = run.status;
	if (run.undone) {
		report["undo"] = Json{{"restored", run.restored}};
	}
	return report.dump(2) + "\n";
}

} // namespace quillmere_host
