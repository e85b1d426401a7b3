#include "output/run_report.h"

#include "base/text_encoding.h"
#include "output/kept_items.h"
#include "output/page_options.h"

#include "engine/class_info.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillmere_host {

namespace {

std::wstring_view Text(const host_engine::Host& host, uint32_t nameId)
{
	return host.Scene().Objects().Names().Text(nameId);
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

// The line past a list cut off on a terminal, and where to find the rest:
// "... and 5 more objects, 9 more calls".
void AppendCutOff(OutputBuffer& out, size_t more, const char* what, size_t moreItems = 0,
                  const char* items = " more calls")
{
	out.Append("  ... and ");
	out.AppendNumber(static_cast<long long>(more));
	out.Append(what);
	if (moreItems != 0) {
		out.Append(", ");
		out.AppendNumber(static_cast<long long>(moreItems));
		out.Append(items);
	}
	out.Append(": --report json lists them all, and so does this report redirected to a file (> report.txt)\n");
}

// Kinds of deletion in the order of the page's options: each under the
// option its name is of (PageOptions::OptionOf: "Position Cns" under
// Position); those of none after them, in the order they were first deleted.
struct KindCount {
	XSI::siClassID classId;
	uint32_t nameId;
	size_t count;
};

void SortInPageOrder(std::vector<KindCount>& kinds, const host_engine::Host& host, PageOptions& options)
{
	auto rank = [&](const KindCount& kind) {
		size_t option = options.OptionOf(kind.nameId, host.Scene().Objects().Names());
		return option == PageOptions::kNone ? options.Options().size() : option;
	};
	std::stable_sort(kinds.begin(), kinds.end(),
	                 [&](const KindCount& a, const KindCount& b) { return rank(a) < rank(b); });
}

void TextDeletions(const host_engine::Host& host, PageOptions& options, size_t objectLimit, OutputBuffer& out)
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
		AppendCutOff(out, listed - objectLimit, " more temporary objects");
	}
	SortInPageOrder(perKind, host, options);
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

// The page's options as the page closed, which names are related to.
PageOptions OptionsOf(const RunRecord& run)
{
	return PageOptions(run.page.layout, run.pageValues);
}

void AppendLabel(OutputBuffer& out, const PageOptions& options, size_t option)
{
	AppendForTerminal(out, options[option].label);
}

// Why an item stayed, for its line in the text report: what the run shows,
// in the page's words.
void AppendKeptReason(OutputBuffer& out, const KeptItem& item, KeptItems& kept, const PageOptions& options,
                      const host_engine::Host& host)
{
	switch (item.reason) {
	case KeptReason::DeleteFailed: out.Append("its DeleteObj failed"); break;
	case KeptReason::NoPage: out.Append("the command showed no option page"); break;
	case KeptReason::PageCancelled: out.Append("the option page was cancelled"); break;
	case KeptReason::CommandFailed: out.Append("the command failed"); break;
	case KeptReason::KindOff:
		AppendLabel(out, options, item.option);
		out.Append(" was off on the page");
		break;
	case KeptReason::NotAChainBone:
		AppendLabel(out, options, item.option);
		out.Append(" was on, but the object is not a chain bone (its class is ");
		AppendUtf8(out, ClassName(host.Scene().Objects().At(item.owner).classId));
		out.Append(")");
		break;
	case KeptReason::OnePerBone:
		AppendLabel(out, options, item.option);
		out.Append(" was on, and the command took another of this bone's");
		break;
	case KeptReason::NearMiss: {
		const std::vector<uint32_t>& taken = kept.TakenUnder(item.option);
		if (taken.empty()) {
			out.Append("near miss: ");
			AppendLabel(out, options, item.option);
			out.Append(" was on, but the command took nothing of that kind");
			break;
		}
		// A few names say what the command took; a plug-in of many more makes no line of them.
		const size_t kNamesShown = 3;
		out.Append("near miss of ");
		for (size_t i = 0; i < taken.size() && i < kNamesShown; ++i) {
			out.Append(i == 0 ? "\"" : ", \"");
			AppendForTerminal(out, Text(host, taken[i]));
			out.Append('"');
		}
		out.Append(taken.size() > kNamesShown ? ", ... (" : " (");
		AppendLabel(out, options, item.option);
		out.Append(" was on)");
		break;
	}
	case KeptReason::NotTaken:
		AppendLabel(out, options, item.option);
		out.Append(" was on, and the command took others of this name, but not this one");
		break;
	case KeptReason::NoMatchingKind: out.Append("matches no option on the page"); break;
	}
}

// The same without what is particular to one item, for the count per reason.
void AppendKeptReasonInGeneral(OutputBuffer& out, KeptReason reason, size_t option, const PageOptions& options)
{
	switch (reason) {
	case KeptReason::DeleteFailed: out.Append("its DeleteObj failed"); break;
	case KeptReason::NoPage: out.Append("the command showed no option page"); break;
	case KeptReason::PageCancelled: out.Append("the option page was cancelled"); break;
	case KeptReason::CommandFailed: out.Append("the command failed"); break;
	case KeptReason::KindOff:
		AppendLabel(out, options, option);
		out.Append(" was off on the page");
		break;
	case KeptReason::NotAChainBone:
		AppendLabel(out, options, option);
		out.Append(" was on, but the object is not a chain bone");
		break;
	case KeptReason::OnePerBone:
		AppendLabel(out, options, option);
		out.Append(" was on, and the command took another of the bone's");
		break;
	case KeptReason::NearMiss:
		out.Append("near miss of ");
		AppendLabel(out, options, option);
		out.Append(" (it was on)");
		break;
	case KeptReason::NotTaken:
		AppendLabel(out, options, option);
		out.Append(" was on, and the command took others of the name");
		break;
	case KeptReason::NoMatchingKind: out.Append("matches no option on the page"); break;
	}
}

const char* KeptReasonCode(KeptReason reason)
{
	switch (reason) {
	case KeptReason::DeleteFailed: return "delete-failed";
	case KeptReason::NoPage: return "no-page";
	case KeptReason::PageCancelled: return "page-cancelled";
	case KeptReason::CommandFailed: return "command-failed";
	case KeptReason::KindOff: return "kind-off";
	case KeptReason::NotAChainBone: return "not-a-chain-bone";
	case KeptReason::OnePerBone: return "one-per-bone";
	case KeptReason::NearMiss: return "near-miss";
	case KeptReason::NotTaken: return "not-taken";
	case KeptReason::NoMatchingKind: return "no-matching-kind";
	}
	return "";
}

// Texts the kept list repeats item after item, each made once: a large
// scene keeps hundreds of thousands of items under a dozen names, for a
// handful of reasons.
class RepeatedTexts
{
public:
	// What `make` writes, the first time `key` is asked for.
	template <typename Make> const std::string& Get(uint64_t key, Make make)
	{
		auto found = m_texts.find(key);
		if (found == m_texts.end()) {
			std::string text;
			OutputBuffer out(OutputBuffer::Into(text));
			make(out);
			out.Flush();
			found = m_texts.emplace(key, std::move(text)).first;
		}
		return found->second;
	}

	// Keys: what the text is, and the two numbers it is made from.
	enum Kind : uint64_t { PartKind, Reason, Renamed, JsonPart, JsonReason, JsonType };
	static uint64_t Key(Kind kind, uint32_t high, uint32_t low)
	{
		return static_cast<uint64_t>(kind) << 56 | static_cast<uint64_t>(high & 0xFFFFFF) << 32 | low;
	}
	// A reason under an option; its object's class too where the reason names it.
	static uint64_t ReasonKey(Kind kind, const KeptItem& item, const host_engine::Host& host)
	{
		uint32_t ownerClass = item.reason == KeptReason::NotAChainBone
		                          ? static_cast<uint32_t>(host.Scene().Objects().At(item.owner).classId)
		                          : 0;
		return Key(kind, static_cast<uint32_t>(item.reason) << 16 | (ownerClass & 0xFFFF),
		           static_cast<uint32_t>(item.option));
	}

private:
	std::unordered_map<uint64_t, std::string> m_texts;
};

// A constraint made with a type and given another name since: its type's
// name id; 0 when it has the name it was made with.
uint32_t RenamedFrom(const host_engine::Host& host, uint32_t slot)
{
	const host_engine::Node& node = host.Scene().Objects().At(slot);
	return node.typeNameId != node.nameId ? node.typeNameId : 0;
}

// What stayed on each selected 3D object, and why, object by object (cut
// off on a terminal as the deletions are), then a count per reason.
void TextKept(const RunRecord& run, const host_engine::Host& host, PageOptions& options, size_t objectLimit,
              OutputBuffer& out)
{
	out.Append("\nKept on the selected 3D objects, and why:\n");
	KeptItems kept(host, run, options);
	RepeatedTexts texts;
	const size_t column = options.Options().size() + 1; // an option, or none
	std::vector<size_t> perReason(kKeptReasons * column, 0);
	uint32_t owner = host_engine::kNoSlot;
	size_t objects = 0;
	size_t unlistedItems = 0;
	kept.ForEach([&](const KeptItem& item) {
		++perReason[static_cast<size_t>(item.reason) * column +
		            (item.option == PageOptions::kNone ? column - 1 : item.option)];
		bool newObject = item.owner != owner;
		owner = item.owner;
		objects += newObject ? 1 : 0;
		if (objects > objectLimit) {
			++unlistedItems;
			return;
		}
		if (newObject) {
			out.Append("  ");
			AppendForTerminal(out, host.Scene().Objects().Name(item.owner));
			out.Append('\n');
		}
		const host_engine::Node& node = host.Scene().Objects().At(item.slot);
		out.Append(
		    texts.Get(RepeatedTexts::Key(RepeatedTexts::PartKind, node.classId, node.nameId), [&](OutputBuffer& text) {
			    text.Append("    ");
			    AppendKind(text, node.classId, Text(host, node.nameId));
			    text.Append(": ");
		    }));
		out.Append(texts.Get(RepeatedTexts::ReasonKey(RepeatedTexts::Reason, item, host),
		                     [&](OutputBuffer& text) { AppendKeptReason(text, item, kept, options, host); }));
		uint32_t type = RenamedFrom(host, item.slot);
		if (type != 0) {
			out.Append(texts.Get(RepeatedTexts::Key(RepeatedTexts::Renamed, 0, type), [&](OutputBuffer& text) {
				text.Append(" (renamed; made as \"");
				AppendForTerminal(text, Text(host, type));
				text.Append("\")");
			}));
		}
		out.Append('\n');
	});
	if (objects > objectLimit) {
		AppendCutOff(out, objects - objectLimit, " more objects", unlistedItems, " more kept");
	}
	if (objects == 0) {
		out.Append("  none\n");
	}
	out.Append("\nKept, per reason:\n");
	bool any = false;
	for (size_t i = 0; i < perReason.size(); ++i) {
		if (perReason[i] == 0) {
			continue;
		}
		size_t option = i % column;
		out.Append("  ");
		AppendKeptReasonInGeneral(out, static_cast<KeptReason>(i / column),
		                          option == column - 1 ? PageOptions::kNone : option, options);
		out.Append(": ");
		out.AppendNumber(static_cast<long long>(perReason[i]));
		out.Append('\n');
		any = true;
	}
	if (!any) {
		out.Append("  nothing\n");
	}
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

// Each item that stayed as {"name", "class", "owner", "type" when renamed,
// "reason", "option"}: the reason a word, the option the parameter whose
// item the name is of, or null.
void JsonKept(const RunRecord& run, const host_engine::Host& host, OutputBuffer& out)
{
	PageOptions options = OptionsOf(run);
	KeptItems kept(host, run, options);
	RepeatedTexts texts;
	out.Append("  \"kept\": [");
	bool empty = true;
	kept.ForEach([&](const KeptItem& item) {
		const host_engine::Node& node = host.Scene().Objects().At(item.slot);
		out.Append(empty ? "\n" : ",\n");
		out.Append(
		    texts.Get(RepeatedTexts::Key(RepeatedTexts::JsonPart, node.classId, node.nameId), [&](OutputBuffer& text) {
			    text.Append("    {\n      \"name\": ");
			    AppendJsonString(text, Text(host, node.nameId));
			    text.Append(",\n      \"class\": ");
			    AppendJsonString(text, ClassName(node.classId));
			    text.Append(",\n      \"owner\": ");
		    }));
		AppendJsonString(out, host.Scene().Objects().Name(item.owner));
		uint32_t type = RenamedFrom(host, item.slot);
		if (type != 0) {
			out.Append(texts.Get(RepeatedTexts::Key(RepeatedTexts::JsonType, 0, type), [&](OutputBuffer& text) {
				text.Append(",\n      \"type\": ");
				AppendJsonString(text, Text(host, type));
			}));
		}
		out.Append(texts.Get(RepeatedTexts::ReasonKey(RepeatedTexts::JsonReason, item, host), [&](OutputBuffer& text) {
			text.Append(",\n      \"reason\": \"");
			text.Append(KeptReasonCode(item.reason));
			text.Append("\",\n      \"option\": ");
			if (item.option == PageOptions::kNone) {
				text.Append("null");
			} else {
				AppendJsonString(text, options[item.option].parameter);
			}
			text.Append("\n    }");
		}));
		empty = false;
	});
	out.Append(empty ? "],\n" : "\n  ],\n");
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
	PageOptions options = OptionsOf(run);
	TextDeletions(host, options, objectLimit, out);
	TextKept(run, host, options, objectLimit, out);

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
			// The journal wrote the arguments' strings safe for a terminal.
			out.Append("  ");
			out.Append(call.call);
			out.Append(' ');
			AppendForTerminal(out, FromUtf8(call.target));
			if (!call.args.empty()) {
				out.Append(' ');
				out.Append(call.args);
			}
			out.Append('\n');
		}
		if (shown < calls.size()) {
			AppendCutOff(out, calls.size() - shown, " more calls");
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
	JsonKept(run, host, out);
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
