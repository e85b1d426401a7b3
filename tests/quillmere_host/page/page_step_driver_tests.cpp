// The --page steps on the option page: taken whole or not at all, and each
// word read against the page's names as the engine's scripted answers read it.
#include "page/page_step_driver.h"
#include "page/page_steps.h"
#include "base/text_encoding.h"
#include "support/loaded_module.h"

#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

using host_engine::PageValues;
using quillmere_tests::ScriptedPageDriver;
using quillmere_host::PageStepDriver;

class PageStepScript : public quillmere_tests::LoadedModule
{
};

PageValues With(PageValues values, const std::wstring& name, bool value)
{
	for (auto& entry : values) {
		entry.second = entry.first == name ? value : entry.second;
	}
	return values;
}

struct Script {
	const char* what;
	const char* page;    // the --page text
	std::string refusal; // the start of what the driver says; empty: taken
	bool allOffPosOn;    // taken: the page closes with all off but Pos, confirmed
};

TEST_F(PageStepScript, AStepThePageLacks_NoStepRuns_ThePageClosesAsItOpened)
{
	const std::vector<Script> cases = {
	    {"the typo last", "AllOff Pos=on Orx OK", "--page:15: the page has no option or button called \"Orx\"", false},
	    {"a button given a value", "AllOff Pos=on AllOn=on OK", "--page:15: AllOn (All ON) is a button", false},
	    {"taken", "AllOff Pos=on OK", "", true},
	};
	for (const Script& script : cases) {
		host.ResetScene();
		XSI::CRef arm = scene.AddObject(scene.Root(), L"arm");
		scene.AddConstraint(arm, L"Position Cns");
		scene.Select(arm);
		PageStepDriver driver(quillmere_host::ParsePageSteps(script.page));
		host.SetPageDriver(&driver);
		EXPECT_EQ(RunCommand(), XSI::CStatus::OK) << script.what;
		host.SetPageDriver(&page);
		const host_engine::PageRecord& record = driver.Record();
		ASSERT_EQ(record.timesShown, 1) << script.what;
		std::string refusal = driver.RefusalLine();
		EXPECT_EQ(refusal.substr(0, script.refusal.size()), script.refusal) << script.what;
		EXPECT_EQ(refusal.empty(), script.refusal.empty()) << script.what << ": " << refusal;
		EXPECT_EQ(record.confirmed, script.allOffPosOn) << script.what;
		PageValues allOff = record.openValues;
		for (auto& entry : allOff) {
			entry.second = false;
		}
		EXPECT_EQ(record.closeValues, script.allOffPosOn ? With(allOff, L"Pos", true) : record.openValues)
		    << script.what;
		// Refused, the page was cancelled: the constraint stays.
		EXPECT_EQ(XSI::X3DObject(arm).GetKinematics().GetConstraints().GetCount(), script.allOffPosOn ? 0 : 1)
		    << script.what;
	}
}

// The character type of the user's locale for as long as it lives, as the
// full-screen page sets it while it is up.
class UsersLocale
{
public:
	UsersLocale() : m_before(std::setlocale(LC_CTYPE, nullptr)) { std::setlocale(LC_CTYPE, "C.UTF-8"); }
	~UsersLocale() { std::setlocale(LC_CTYPE, m_before.c_str()); }
	UsersLocale(const UsersLocale&) = delete;
	UsersLocale& operator=(const UsersLocale&) = delete;

private:
	std::string m_before;
};

// The --page steps and the engine's scripted answers read a page item's
// name by one rule: the item --page takes a word as is the one a script
// that names it so is pointed to, and a word --page refuses points a script
// nowhere.
TEST_F(PageStepScript, BothDriversTakeAWordAsTheSameItem)
{
	struct Word {
		const wchar_t* word;
		bool button;
		const wchar_t* item; // what both take it as; empty: neither
	};
	const Word words[] = {
	    {L"pos", false, L"Pos"},
	    {L"All ON", true, L"AllOn"},                     // a label's blanks
	    {L"Chain\tUp\tVector", false, L"ChainUpVector"}, // a tab
	    {L"D\u0130R", false, L""},                       // İ is not I: outside A to Z
	    {L"Scal\u0130ng", false, L""},
	};
	UsersLocale locale;
	for (const Word& word : words) {
		std::string written = quillmere_host::ToUtf8(word.word);
		host.ResetScene();
		scene.Select(scene.AddObject(scene.Root(), L"arm"));

		ScriptedPageDriver script;
		if (word.button) {
			script.Click(word.word);
		} else {
			script.Set(word.word, true);
		}
		host.SetPageDriver(&script);
		RunCommand();
		ASSERT_NE(script.Refused(), nullptr) << written;
		EXPECT_EQ(script.Refused()->nearest, word.item) << written;

		PageStepDriver steps(quillmere_host::ParsePageSteps("AllOff " + written + (word.button ? "" : "=on") + " OK"));
		host.SetPageDriver(&steps);
		RunCommand();
		host.SetPageDriver(&page);
		bool taken = steps.RefusalLine().empty();
		EXPECT_EQ(taken, *word.item != L'\0') << written << ": " << steps.RefusalLine();
		for (const auto& entry : steps.Record().closeValues) {
			bool on = word.button ? std::wstring(word.item) == L"AllOn" : entry.first == word.item;
			// Refused, the page closed as it opened: every kind on.
			EXPECT_EQ(entry.second, taken ? on : true) << written;
		}
	}
}

} // namespace
