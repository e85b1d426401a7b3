// A script of page answers is taken whole or not at all, by both drivers
// that answer from one: the --page steps and the engine's scripted answers.
// (The rule itself: WholeScriptDriver, sdk/engine/whole_script_driver.cpp.)
#include "page/page_step_driver.h"
#include "page/page_steps.h"
#include "base/text_encoding.h"
#include "support/loaded_module.h"

#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

#include <clocale>
#include <functional>
#include <memory>
#include <string>

namespace {

using host_engine::PageValues;
using host_engine::RecordingPageDriver;
using host_engine::ScriptedPageDriver;
using quillmere_host::PageStepDriver;

class WholeScript : public quillmere_tests::LoadedModule
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
	// The driver; `ran` counts the steps of the caller's own it runs.
	std::function<std::unique_ptr<RecordingPageDriver>(int& ran)> make;
	std::string refusal; // the start of what the driver says; empty: taken
	bool allOffPosOn;    // taken: the page closes with all off but Pos, confirmed
};

std::unique_ptr<RecordingPageDriver> Steps(const std::string& text)
{
	return std::unique_ptr<RecordingPageDriver>(new PageStepDriver(quillmere_host::ParsePageSteps(text)));
}

std::unique_ptr<RecordingPageDriver> Scripted(const std::wstring& last, int& ran)
{
	std::unique_ptr<ScriptedPageDriver> script(new ScriptedPageDriver);
	script->Click(L"AllOff").Do([&ran](host_engine::PropertyPage&) { ++ran; }).Set(last, true);
	return std::unique_ptr<RecordingPageDriver>(script.release());
}

TEST_F(WholeScript, AStepThePageLacks_NoStepRuns_ThePageClosesAsItOpened)
{
	const std::vector<Script> cases = {
	    {"--page, the typo last", [](int&) { return Steps("AllOff Pos=on Orx OK"); },
	     "--page:15: the page has no option or button called \"Orx\"", false},
	    {"--page, a button given a value", [](int&) { return Steps("AllOff Pos=on AllOn=on OK"); },
	     "--page:15: AllOn (All ON) is a button", false},
	    {"--page, taken", [](int&) { return Steps("AllOff Pos=on OK"); }, "", true},
	    {"scripted, a parameter in the wrong case", [](int& ran) { return Scripted(L"pos", ran); },
	     "script step 3: the page has no parameter called \"pos\" (it has \"Pos\")", false},
	    {"scripted, a parameter the page lacks", [](int& ran) { return Scripted(L"Orx", ran); },
	     "script step 3: the page has no parameter called \"Orx\"", false},
	    {"scripted, taken", [](int& ran) { return Scripted(L"Pos", ran); }, "", true},
	};
	for (const Script& script : cases) {
		host.ResetScene();
		XSI::CRef arm = scene.AddObject(scene.Root(), L"arm");
		scene.AddConstraint(arm, L"Position Cns");
		scene.Select(arm);
		int ran = 0;
		std::unique_ptr<RecordingPageDriver> driver = script.make(ran);
		host.SetPageDriver(driver.get());
		EXPECT_EQ(RunCommand(), XSI::CStatus::OK) << script.what;
		host.SetPageDriver(&page);
		const host_engine::PageRecord& record = driver->Record();
		ASSERT_EQ(record.timesShown, 1) << script.what;
		std::string refusal = driver->RefusalLine();
		EXPECT_EQ(refusal.substr(0, script.refusal.size()), script.refusal) << script.what;
		EXPECT_EQ(refusal.empty(), script.refusal.empty()) << script.what << ": " << refusal;
		EXPECT_EQ(record.confirmed, script.allOffPosOn) << script.what;
		PageValues allOff = record.openValues;
		for (auto& entry : allOff) {
			entry.second = false;
		}
		EXPECT_EQ(record.closeValues, script.allOffPosOn ? With(allOff, L"Pos", true) : record.openValues)
		    << script.what;
		bool scripted = dynamic_cast<ScriptedPageDriver*>(driver.get()) != nullptr;
		EXPECT_EQ(ran, scripted && script.allOffPosOn ? 1 : 0) << script.what;
		// Refused, the page was cancelled: the constraint stays.
		EXPECT_EQ(XSI::X3DObject(arm).GetKinematics().GetConstraints().GetCount(), script.allOffPosOn ? 0 : 1)
		    << script.what;
	}
}

// The --page steps and the engine's scripted answers read a page item's
// name by one rule: the item --page takes a word as is the one a script
// that names it so is pointed to, and a word --page refuses points a script
// nowhere. Run in the user's locale, as while the full-screen page is up.
TEST_F(WholeScript, BothDriversTakeAWordAsTheSameItem)
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
	    {L"D\u0130R", false, L""},                       // İ is not I outside A to Z
	    {L"\u212Aeep", false, L""},                      // nor is the Kelvin sign K
	};
	std::string locale = std::setlocale(LC_CTYPE, nullptr);
	std::setlocale(LC_CTYPE, "C.UTF-8");
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
		EXPECT_EQ(steps.Refused() == nullptr, *word.item != L'\0') << written;
		PageValues closed = steps.Record().closeValues;
		for (const auto& entry : closed) {
			bool on = word.button ? std::wstring(word.item) == L"AllOn" : entry.first == word.item;
			EXPECT_EQ(entry.second, steps.Refused() == nullptr ? on : true) << written;
		}
	}
	std::setlocale(LC_CTYPE, locale.c_str());
}

} // namespace
