// A script of page answers is taken whole or not at all (WholeScriptDriver),
// here through the engine's own scripted answers on the test plug-in's page.
#include "support/loaded_test_plugin.h"

#include "support/scripted_page_driver.h"

#include <string>
#include <vector>

namespace {

using host_engine::PageValues;
using quillmere_tests::ScriptedPageDriver;

class WholeScript : public quillmere_tests::LoadedTestPlugin
{
};

struct Script {
	const char* what;
	bool button;         // the last step clicks, else it sets a parameter off
	const wchar_t* last; // what the last step names
	std::string refusal; // the start of the driver's refusal line; empty: taken
};

TEST_F(WholeScript, AStepThePageLacks_NoStepRuns_ThePageClosesAsItOpened)
{
	const std::vector<Script> cases = {
	    {"a parameter in the wrong case", false, L"count",
	     "script step 3: the page has no parameter called \"count\" (it has \"Count\")"},
	    {"a parameter the page lacks", false, L"Orx", "script step 3: the page has no parameter called \"Orx\""},
	    {"a button the page lacks", true, L"Reset", "script step 3: the page has no button called \"Reset\""},
	    // The refusal stays one line, whatever the script named.
	    {"a name with a line break", false, L"Cou\nnt",
	     "script step 3: the page has no parameter called \"Cou\\x0ant\""},
	    {"taken", false, L"Count", ""},
	};
	const PageValues opened = {{L"Flag", false}, {L"Count", true}};
	const PageValues flagOnCountOff = {{L"Flag", true}, {L"Count", false}};
	ASSERT_NE(Load(), nullptr);
	for (const Script& script : cases) {
		// Flag opens off and Count at 3 (on, read as a switch).
		XSI::CRef property = scene.AddProperty(scene.Root(), L"Plain Options");
		int ran = 0;
		ScriptedPageDriver driver;
		driver.Set(L"Flag", true).Do([&ran](host_engine::PropertyPage&) { ++ran; });
		if (script.button) {
			driver.Click(script.last);
		} else {
			driver.Set(script.last, false);
		}
		host.SetPageDriver(&driver);
		bool taken = script.refusal.empty();
		// Refused, the page is cancelled: the modal inspection fails.
		EXPECT_EQ(quillmere_tests::Inspect(property) == XSI::CStatus::OK, taken) << script.what;
		host.SetPageDriver(nullptr);
		const host_engine::PageRecord& record = driver.Record();
		ASSERT_EQ(record.timesShown, 1) << script.what;
		std::string refusal = driver.RefusalLine();
		EXPECT_EQ(refusal.substr(0, script.refusal.size()), script.refusal) << script.what;
		EXPECT_EQ(refusal.empty(), taken) << script.what << ": " << refusal;
		EXPECT_EQ(refusal.find('\n'), std::string::npos) << script.what;
		EXPECT_EQ(driver.Refused() == nullptr, taken) << script.what;
		EXPECT_EQ(record.confirmed, taken) << script.what;
		EXPECT_EQ(record.closeValues, taken ? flagOnCountOff : record.openValues) << script.what;
		EXPECT_EQ(record.openValues, opened) << script.what;
		EXPECT_EQ(ran, taken ? 1 : 0) << script.what;
	}
}

} // namespace
