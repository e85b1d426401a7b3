#include "engine/host_readings.h"

#include <bitset>

namespace host_engine {

const ReadingInfo kReadings[kReadingCount] = {
    {Reading::HandleClass,
     "handle-class",
     "what CBase::GetClassIDName names",
     {{"api-class", "the handle's API class (an X3DObject handle says \"X3DObject\")"},
      {"object-class", "the class of the object it holds, as its reference does"}}},
    {Reading::CancelledPage,
     "cancelled-page",
     "status of a cancelled modal InspectObj with throw-on-cancel",
     {{"abort", "the Abort status (0x80004004)"}, {"fail", "the Fail status (0x80004005)"}}},
    {Reading::DeleteWithoutTarget,
     "delete-without-target",
     "DeleteObj given an empty value, \"\" or a stale reference",
     {{"selection", "deletes the selection, as with no argument at all"}, {"nothing", "deletes nothing and fails"}}},
    {Reading::InspectWithoutTarget,
     "inspect-without-target",
     "InspectObj given a stale or empty reference",
     {{"selection", "inspects the selection, as with no objects given"}, {"fail", "shows nothing and fails"}}},
    {Reading::RootPropertyName,
     "root-property-name",
     "the full name of a property right under the scene root",
     {{"from-root", "named from the root: \"Scene_Root.Name\""}, {"bare", "its name alone: \"Name\""}}},
    {Reading::TakenPropertyName,
     "taken-property-name",
     "the name AddProperty gives when the preset's is taken",
     {{"numbered", "the lowest free number appended: \"Name1\""},
      {"same", "the preset's name again, shared; the name finds the older one"}}},
    {Reading::ChainElementFamily,
     "chain-elements",
     "whether chain roots, bones and effectors are \"3D Objects\"",
     {{"3d-objects", "they are"}, {"own-family", "they are only \"Chain Elements\""}}},
    {Reading::ModelFamily,
     "models",
     "whether models are \"3D Objects\"",
     {{"3d-objects", "they are"}, {"own-family", "they are not"}}},
};

namespace {

const char* const kDefaultsText = "defaults";

const ReadingInfo* FindReading(std::string_view name)
{
	for (const ReadingInfo& info : kReadings) {
		if (name == info.name) {
			return &info;
		}
	}
	return nullptr;
}

std::string ReadingNames()
{
	std::string names;
	for (const ReadingInfo& info : kReadings) {
		names += (names.empty() ? "" : ", ") + std::string(info.name);
	}
	return names;
}

std::string AlternativeNames(const ReadingInfo& info)
{
	return std::string(info.alternatives[0].name) + " or " + info.alternatives[1].name;
}

int FindAlternative(const ReadingInfo& info, std::string_view name)
{
	for (int i = 0; i < kMaxAlternatives; ++i) {
		if (name == info.alternatives[i].name) {
			return i;
		}
	}
	return -1;
}

} // namespace

bool HostReadings::IsDefault() const
{
	for (int choice : m_choices) {
		if (choice != 0) {
			return false;
		}
	}
	return true;
}

bool HostReadings::Parse(std::string_view text, std::string* error, Quote quote)
{
	if (text == kDefaultsText) {
		*this = HostReadings();
		return true;
	}
	HostReadings parsed = *this;
	std::bitset<kReadingCount> given;
	size_t start = 0;
	while (start <= text.size()) {
		size_t comma = text.find(',', start);
		std::string_view item =
		    text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
		start = comma == std::string_view::npos ? text.size() + 1 : comma + 1;
		size_t equals = item.find('=');
		if (item == kDefaultsText) {
			*error = quote(item) + " stands alone: it sets every reading to its default, so nothing goes with it";
			return false;
		}
		if (equals == std::string_view::npos) {
			*error = quote(item) + " is not NAME=ALTERNATIVE (readings: " + ReadingNames() + ")";
			return false;
		}
		std::string_view name = item.substr(0, equals);
		std::string_view alternative = item.substr(equals + 1);
		const ReadingInfo* info = FindReading(name);
		if (info == nullptr) {
			*error = "no reading called " + quote(name) + " (readings: " + ReadingNames() + ")";
			return false;
		}
		int choice = FindAlternative(*info, alternative);
		if (choice < 0) {
			*error = std::string(info->name) + ": no alternative " + quote(alternative) + " (" +
			         AlternativeNames(*info) + ")";
			return false;
		}
		size_t index = static_cast<size_t>(info->reading);
		if (given[index]) {
			*error = std::string(info->name) + ": given more than once";
			return false;
		}
		given[index] = true;
		parsed.Choose(info->reading, choice);
	}
	*this = parsed;
	return true;
}

std::string HostReadings::Text() const
{
	std::string text;
	for (const ReadingInfo& info : kReadings) {
		int choice = Choice(info.reading);
		if (choice != 0) {
			text += (text.empty() ? "" : ",") + std::string(info.name) + "=" + info.alternatives[choice].name;
		}
	}
	return text.empty() ? kDefaultsText : text;
}

std::vector<HostReadings> HostReadings::EachAlternative()
{
	std::vector<HostReadings> all(1);
	for (const ReadingInfo& info : kReadings) {
		for (int alternative = 1; alternative < kMaxAlternatives; ++alternative) {
			HostReadings one;
			one.Choose(info.reading, alternative);
			all.push_back(one);
		}
	}
	return all;
}

} // namespace host_engine
