// Where the host's documentation leaves a behaviour open, the readings of it
// the engine can play. A plug-in proven under one reading only is proven
// against our guess; the suite runs it under each.
#ifndef HOST_ENGINE_HOST_READINGS_H
#define HOST_ENGINE_HOST_READINGS_H

#include <xsi_status.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace host_engine {

// Each open behaviour. Its first alternative is the default: the reading we
// take as likeliest from the host's documentation.
enum class Reading {
	HandleClass,          // what CBase::GetClassIDName names
	CancelledPage,        // the status of a cancelled modal InspectObj that throws
	DeleteWithoutTarget,  // DeleteObj given an empty value, "" or a reference that is gone
	InspectWithoutTarget, // InspectObj given a reference that is gone
	RootPropertyName,     // the full name of a property directly under the scene root
	TakenPropertyName,    // the name AddProperty gives when the preset's name is taken
	ChainElementFamily,   // whether chain roots, bones and effectors are "3D Objects"
	ModelFamily,          // whether models are "3D Objects"
};
const int kReadingCount = 8;
const int kMaxAlternatives = 2;

struct ReadingAlternative {
	const char* name;    // "api-class"
	const char* meaning; // one line for --help and the docs
};

struct ReadingInfo {
	Reading reading;
	const char* name;     // "handle-class"
	const char* question; // what the documentation leaves open
	ReadingAlternative alternatives[kMaxAlternatives];
};

// Every reading, in the order of the enum.
extern const ReadingInfo kReadings[kReadingCount];

class HostReadings
{
public:
	// The alternative taken: an index into the reading's alternatives.
	int Choice(Reading reading) const { return m_choices[static_cast<size_t>(reading)]; }
	void Choose(Reading reading, int alternative) { m_choices[static_cast<size_t>(reading)] = alternative; }
	bool IsDefault() const;

	// "NAME=ALTERNATIVE", several separated by commas, or "defaults" alone. False,
	// with a one-line reason in `error` and nothing changed, for anything
	// else; `quote` shows the user's text in it (a program bounds and
	// escapes it there).
	using Quote = std::string (*)(std::string_view text);
	bool Parse(std::string_view text, std::string* error, Quote quote = QuotedAsIs);
	static std::string QuotedAsIs(std::string_view text) { return "\"" + std::string(text) + "\""; }
	// The alternatives that differ from the defaults, as Parse takes them;
	// "defaults" when none does.
	std::string Text() const;

	// The defaults, then each other alternative alone: every alternative is
	// run at least once, without running every combination.
	static std::vector<HostReadings> EachAlternative();

	// Typed questions, for the engine's code that plays them.
	bool HandleNamesItsApiClass() const { return Choice(Reading::HandleClass) == 0; }
	XSI::CStatus::Code CancelledPageStatus() const
	{
		return Choice(Reading::CancelledPage) == 0 ? XSI::CStatus::Abort : XSI::CStatus::Fail;
	}
	bool DeleteWithoutTargetTakesSelection() const { return Choice(Reading::DeleteWithoutTarget) == 0; }
	bool InspectWithoutTargetTakesSelection() const { return Choice(Reading::InspectWithoutTarget) == 0; }
	bool RootPropertiesNamedFromRoot() const { return Choice(Reading::RootPropertyName) == 0; }
	bool TakenPropertyNameNumbered() const { return Choice(Reading::TakenPropertyName) == 0; }
	bool ChainElementsAre3DObjects() const { return Choice(Reading::ChainElementFamily) == 0; }
	bool ModelsAre3DObjects() const { return Choice(Reading::ModelFamily) == 0; }

private:
	std::array<int, kReadingCount> m_choices{};
};

} // namespace host_engine

#endif
