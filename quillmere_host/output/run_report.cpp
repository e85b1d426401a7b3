#include "output/run_report.h"

#include "base/text_encoding.h"

#include "engine/class_info.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmere_host {

namespace {

std::wstring_view Text(const host_engine::Host& host, uint32_t nameId)
{
	return host.Objects().Names().Text(nameId);
}

std::wstring_view ClassName(XSI::siClassID classId)
{
	return host_engine::ClassIdName(classId);
}

// A deletion's kind as the text report names it: Constraint "Position Cns".
void AppendKind(OutputBuffer& out, XSI::siClassID classId, std::wstring_view name)
{
	AppendUtf8(out, ClassName(classId));
	out.Append(" \"");
	AppendForTerminal(out, name);
	out.Append('"');
}

// The line past a list cut off on a terminal, and where to find the rest.
void AppendCutOff(OutputBuffer& out, size_t more, const char* what, size_t moreCalls)
{
	out.Append("  ... and ");
	out.AppendNumber(static_cast<long long>(more));
	out.Append(what);
	if (moreCalls != 0) {
		out.Append(", ");
		out.AppendNumber(static_cast<long long>(moreCalls));
		out.Append(" more calls");
	}
	out.Append(": --report json lists them all, and so does this report redirected to a file (> report.txt)\n");
}

// Kinds of deletion in the order of the page's options: each under the
// option whose label its name starts with ("Position Cns" under Position),
// the longest such label; the others (the bones' up-vector operators)
// after them, in the order they were first deleted.
struct KindCount {
	XSI::siClassID classId;
	uint32_t nameId;
	size_t count;
};

void SortInPageOrder(std::vector<KindCount>& kinds, const host_engine::Host& host, const RunRecord& run)
{
	std::vector<std::wstring_view> labels;
	for (const host_engine::LayoutItem& item : run.page.layout) {
		if (item.kind == host_engine::LayoutItem::Item && !item.label.empty()) {
			labels.push_back(item.label);
		}
	}
	auto rank = [&](const KindCount& kind) {
		std::wstring_view name = Text(host, kind.nameId);
		size_t best = labels.size();
		for (size_t i = 0; i < labels.size(); ++i) {
			if (name.substr(0, labels[i].size()) == labels[i] &&
			    (best == labels.size() || labels[i].size() > labels[best].size())) {
				best = i;
			}
		}
		return best;
	};
	std::stable_sort(kinds.begin(), kinds.end(),
	                 [&](const KindCount& a, const KindCount& b) { return rank(a) < rank(b); });
}

void TextDeletions(const RunRecord& run, const host_engine::Host& host, size_t objectLimit, OutputBuffer& out)
{
	const host_engine::DeleteHistory::RecordList& records = host.History().Records();
	// A command's own temporary object (the page's property) is no deletion
	// from the user's scene: it has a line of its own, below the count.
	size_t temporaries = 0;
	for (const host_engine::DeleteRecord& record : records) {
		temporaries += record.temporary ? 1 : 0;
	}
	out.Append("DeleteObj calls (");
	out.AppendNumber(static_cast<long long>(records.size() - temporaries));
	out.Append("), by the object they belonged to:\n");
	// Counted by (class, name), in the order first deleted: names are
	// interned, so ids compare as texts.
	std::map<std::pair<int, uint32_t>, size_t> kindIndex;
	std::vector<KindCount> perKind;
	uint32_t owner = 0;
	bool first = true;
	size_t objects = 0;       // listed, each failed call counting as one
	size_t unlistedCalls = 0; // past the limit
	for (const host_engine::DeleteRecord& record : records) {
		if (record.temporary) {
			continue;
		}
		bool newObject = !record.removed || first || record.ownerNameId != owner;
		objects += newObject ? 1 : 0;
		bool listed = objects <= objectLimit;
		unlistedCalls += listed ? 0 : 1;
		if (!record.removed) {
			if (listed) {
				out.Append("  (failed) ");
				if (record.nameId) {
					AppendForTerminal(out, Text(host, record.nameId));
				} else {
					out.Append("a deleted object");
				}
				out.Append('\n');
			}
			first = true;
			continue;
		}
		if (newObject && listed) {
			out.Append("  ");
			AppendForTerminal(out, Text(host, record.ownerNameId));
			out.Append('\n');
		}
		owner = record.ownerNameId;
		first = false;
		if (listed) {
			out.Append("    ");
			AppendKind(out, record.classId, Text(host, record.nameId));
			out.Append('\n');
		}
		auto added = kindIndex.emplace(std::make_pair(static_cast<int>(record.classId), record.nameId), perKind.size());
		if (added.second) {
			perKind.push_back(KindCount{record.classId, record.nameId, 0});
		}
		++perKind[added.first->second].count;
	}
	if (objects > objectLimit) {
		AppendCutOff(out, objects - objectLimit, " more objects", unlistedCalls);
	}
	if (records.size() == temporaries) {
		out.Append("  none\n");
	}
	size_t listed = 0;
	for (const host_engine::DeleteRecord& record : records) {
		if (record.temporary && ++listed <= objectLimit) {
			out.Append("The command's temporary object, made and deleted by this run: ");
			AppendKind(out, record.classId, Text(host, record.nameId));
			out.Append(" under ");
			AppendForTerminal(out, Text(host, record.ownerNameId));
			out.Append('\n');
		}
	}
	if (listed > objectLimit) {
		AppendCutOff(out, listed - objectLimit, " more temporary objects", 0);
	}
	SortInPageOrder(perKind, host, run);
	out.Append("\nDeleted, per kind:\n");
	for (const KindCount& kind : perKind) {
		out.Append("  ");
		AppendKind(out, kind.classId, Text(host, kind.nameId));
		out.Append(": ");
		out.AppendNumber(static_cast<long long>(kind.count));
		out.Append('\n');
	}
	if (perKind.empty()) {
		out.Append("  nothing\n");
	}
	out.Append("Failed deletes: ");
	out.AppendNumber(static_cast<long long>(host.History().FailedCount()));
	out.Append('\n');
}

// The host's names for its log severities; the JSON report keeps the number.
std::string SeverityName(int severity)
{
	switch (severity) {
	case 1: return "fatal";
	case 2: return "error";
	case 4: return "warning";
	case 8: return "info";
	case 16: return "verbose";
	case 32: return "comment";
	default: return "severity " + std::to_string(severity);
	}
}

void Bool(OutputBuffer& out, bool value)
{
	out.Append(value ? "true" : "false");
}

void JsonPage(const RunRecord& run, OutputBuffer& out)
{
	if (run.page.timesShown == 0) {
		out.Append("  \"page\": null,\n");
		return;
	}
	out.Append("  \"page\": {\n    \"shown\": true,\n    \"confirmed\": ");
	Bool(out, run.page.confirmed);
	out.Append(",\n    \"values\": {");
	const host_engine::PageValues& values = run.pageValues;
	for (size_t i = 0; i < values.size(); ++i) {
		out.Append(i == 0 ? "\n      " : ",\n      ");
		AppendJsonString(out, values[i].first);
		out.Append(": ");
		Bool(out, values[i].second);
	}
	out.Append(values.empty() ? "}\n  },\n" : "\n    }\n  },\n");
}

void JsonDeletions(const host_engine::Host& host, OutputBuffer& out)
{
	out.Append("  \"deleted\": [");
	bool empty = true;
	for (const host_engine::DeleteRecord& record : host.History().Records()) {
		if (!record.removed) {
			continue;
		}
		out.Append(empty ? "\n    {\n      \"name\": " : ",\n    {\n      \"name\": ");
		AppendJsonString(out, Text(host, record.nameId));
		out.Append(",\n      \"class\": ");
		AppendJsonString(out, ClassName(record.classId));
		out.Append(",\n      \"owner\": ");
		AppendJsonString(out, Text(host, record.ownerNameId));
		if (record.temporary) {
			out.Append(",\n      \"temporary\": true");
		}
		out.Append("\n    }");
		empty = false;
	}
	out.Append(empty ? "],\n" : "\n  ],\n");
}

void JsonLog(const host_engine::Host& host, OutputBuffer& out)
{
	out.Append("  \"log\": [");
	const std::vector<host_engine::LogLine>& lines = host.Log().Lines();
	for (size_t i = 0; i < lines.size(); ++i) {
		out.Append(i == 0 ? "\n    {\n      \"severity\": " : ",\n    {\n      \"severity\": ");
		out.AppendNumber(lines[i].severity);
		out.Append(",\n      \"message\": ");
		AppendJsonString(out, lines[i].message);
		out.Append("\n    }");
	}
	out.Append(lines.empty() ? "],\n" : "\n  ],\n");
}

// Each call as {"call", "target", "args"}; the journal's arguments are JSON already.
void JsonCalls(const host_engine::Host& host, OutputBuffer& out)
{
	const std::vector<host_engine::JournalEntry>& calls = host.Journal().Entries();
	out.Append(",\n  \"calls\": [");
	for (size_t i = 0; i < calls.size(); ++i) {
		out.Append(i == 0 ? "\n    {\n      \"call\": " : ",\n    {\n      \"call\": ");
		AppendJsonString(out, calls[i].call);
		out.Append(",\n      \"target\": ");
		AppendJsonString(out, calls[i].target);
		out.Append(",\n      \"args\": ");
		out.Append(calls[i].args.empty() ? "[]" : calls[i].args);
		out.Append("\n    }");
	}
	out.Append(calls.empty() ? "]" : "\n  ]");
}

} // namespace

void WriteTextReport(const RunRecord& run, const host_engine::Host& host, OutputBuffer& out, size_t objectLimit)
{
	if (run.page.timesShown > 0) {
		out.Append("Option page, as it closed (");
		out.Append(run.page.confirmed ? "confirmed with OK" : "cancelled");
		out.Append("):\n");
		out.Append(run.pageDrawn);
		out.Append('\n');
	} else {
		out.Append("No option page was shown.\n\n");
	}
	TextDeletions(run, host, objectLimit, out);

	out.Append("\nLog:\n");
	for (const host_engine::LogLine& line : host.Log().Lines()) {
		out.Append("  ");
		out.Append(SeverityName(line.severity));
		out.Append(": ");
		AppendForTerminal(out, line.message);
		out.Append('\n');
	}
	if (host.Log().Lines().empty()) {
		out.Append("  empty\n");
	}
	out.Append("\nCommand status: ");
	out.AppendNumber(run.status);
	out.Append('\n');
	if (!run.readings.empty()) {
		out.Append("Host readings: ");
		out.Append(run.readings);
		out.Append('\n');
	}
	if (run.undone) {
		out.Append(run.restored ? "Undo: the scene equals the one loaded.\n"
		                        : "Undo: the scene DIFFERS FROM the one loaded.\n");
	}
	if (run.traced) {
		const std::vector<host_engine::JournalEntry>& calls = host.Journal().Entries();
		out.Append("\nCalls the plug-in made (");
		out.AppendNumber(static_cast<long long>(calls.size()));
		out.Append("):\n");
		// Cut off on a terminal as the deletions are: a screenful, not a
		// dozen lines for each object of a large scene.
		size_t shown = std::min(calls.size(), objectLimit);
		for (size_t i = 0; i < shown; ++i) {
			const host_engine::JournalEntry& call = calls[i];
			// Names as the rest of this report shows them: one call, one line.
			out.Append("  ");
			out.Append(call.call);
			out.Append(' ');
			AppendForTerminal(out, FromUtf8(call.target));
			if (!call.args.empty()) {
				out.Append(' ');
				out.Append(JsonForTerminal(call.args));
			}
			out.Append('\n');
		}
		if (shown < calls.size()) {
			AppendCutOff(out, calls.size() - shown, " more calls", 0);
		}
	}
	out.Flush();
}

void WriteJsonReport(const RunRecord& run, const host_engine::Host& host, OutputBuffer& out)
{
	out.Append("{\n");
	JsonPage(run, out);
	JsonDeletions(host, out);
	out.Append("  \"failed_deletes\": ");
	out.AppendNumber(static_cast<long long>(host.History().FailedCount()));
	out.Append(",\n");
	JsonLog(host, out);
	out.Append("  \"status\": ");
	out.AppendNumber(run.status);
	if (!run.readings.empty()) {
		out.Append(",\n  \"readings\": \"");
		out.Append(run.readings); // names from the engine's table: nothing to escape
		out.Append('"');
	}
	if (run.undone) {
		out.Append(",\n  \"undo\": {\n    \"restored\": ");
		Bool(out, run.restored);
		out.Append("\n  }");
	}
	if (run.traced) {
		JsonCalls(host, out);
	}
	out.Append("\n}\n");
	out.Flush();
}

} // namespace quillmere_host
