// The page answered a line at a time, as at a terminal that can't place its
// cursor: the Quillmere module loaded in this process, the terminal a pair of
// string streams.
#include "support/host_scene.h"
#include "support/page_values.h"

#include "page/terminal_page.h"

#include "engine/plugin_host.h"

#include <xsi_application.h>

#include <sstream>

namespace {

using quillmere_tests::ByName;

class LinePage : public quillmere_tests::HostScene
{
protected:
	void SetUp() override
	{
		HostScene::SetUp();
		std::string error;
		ASSERT_NE(host.Plugins().Load(QUILLMERE_MODULE_PATH, &error), nullptr) << error;
		XSI::CRef arm = scene.AddObject(scene.Root(), L"arm");
		scene.AddConstraint(arm, L"Position Cns");
		scene.AddConstraint(arm, L"Orientation Cns");
		scene.Select(arm);
	}
	void TearDown() override
	{
		host.SetPageDriver(nullptr);
		host.Plugins().UnloadAll();
	}

	// Runs the command with `typed` as what the user types; what the page wrote.
	std::string Answer(const std::string& typed)
	{
		std::istringstream in(typed);
		std::ostringstream out;
		quillmere_host::TerminalPageDriver driver({in, out, stdin, nullptr});
		host.SetPageDriver(&driver);
		XSI::CValueArray args;
		XSI::CValue result;
		XSI::Application().ExecuteCommand(L"Quillmere", args, result);
		host.SetPageDriver(nullptr);
		record = driver.Record();
		return out.str();
	}

	// How many DeleteObj calls removed something, the property's included.
	size_t Deleted() const
	{
		size_t count = 0;
		for (const host_engine::DeleteRecord& entry : host.History().Records()) {
			count += entry.removed ? 1 : 0;
		}
		return count;
	}

	host_engine::PageRecord record;
};

size_t Count(const std::string& text, const std::string& what)
{
	size_t count = 0;
	for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
		++count;
	}
	return count;
}

TEST_F(LinePage, TheWordsOfPageSteps_SeveralToALine_TheWholePageSaidAfterEach)
{
	std::string screen = Answer("allOFF pos=ON\nChain Up Vector\nPos=on\n\nOK\n");
	EXPECT_TRUE(record.confirmed);
	auto values = ByName(record.closeValues);
	EXPECT_TRUE(values[L"Pos"]);
	EXPECT_FALSE(values[L"Ori"]);
	EXPECT_TRUE(values[L"ChainUpVector"]); // a label typed with its blanks
	EXPECT_EQ(Deleted(), 2u);              // Position Cns and the property
	// Drawn at the start and again for the empty line, never after each answer.
	EXPECT_EQ(Count(screen, "Target Constraints"), 2u) << screen;
	// Every option after each answer, in the page's order: the ones a button
	// set and the ones it left alike.
	EXPECT_NE(screen.find("> Position on, Orientation off, Direction off, Pose off, Distance off, Scaling off, "
	                      "Symmetry off, Chain Up Vector off.\n"),
	          std::string::npos)
	    << screen;
	EXPECT_NE(screen.find("> Position on, Orientation off, Direction off, Pose off, Distance off, Scaling off, "
	                      "Symmetry off, Chain Up Vector on.\n"),
	          std::string::npos)
	    << screen;
	EXPECT_NE(screen.find("> No change: Position on, Orientation off, "), std::string::npos) << screen;
}

TEST_F(LinePage, AWordThePageLacks_ChangesNothingOnItsLine_KeysAreNotEchoedRaw)
{
	std::string screen = Answer("AllOff bogus\n\x1b[A\nPos=maybe\n9\n?\ncancel\n");
	EXPECT_FALSE(record.confirmed);
	EXPECT_TRUE(ByName(record.closeValues)[L"Pos"]) << "AllOff ran though the line had a typo";
	EXPECT_NE(screen.find("> the page has no option or button called \"bogus\"; help lists the words. Nothing "
	                      "changed.\n"),
	          std::string::npos)
	    << screen;
	EXPECT_NE(screen.find("called \"\\x1b[A\""), std::string::npos) << screen;
	EXPECT_EQ(screen.find('\x1b'), std::string::npos);
	EXPECT_NE(screen.find("\"Pos=maybe\": a parameter is set to on or off"), std::string::npos) << screen;
	EXPECT_NE(screen.find("called \"9\""), std::string::npos) << screen;
	// The help names every word the page takes, from its layout.
	EXPECT_NE(screen.find("Options: Pos (Position), Ori (Orientation), Dir (Direction), Pose, Distance, Scaling, "
	                      "Symmetry, ChainUpVector (Chain Up Vector)\n"),
	          std::string::npos)
	    << screen;
	EXPECT_NE(screen.find("Buttons: AllOn (All ON), AllOff (All OFF), AllToggle (All Toggle)\n"), std::string::npos);
	EXPECT_EQ(Deleted(), 1u); // the property alone
}

TEST_F(LinePage, QAndTheEndOfInputCancel)
{
	for (const char* typed : {"Pos\nq\n", "Pos\n", "Pos\nQUIT\n"}) {
		host.History().Clear();
		std::string screen = Answer(typed);
		EXPECT_FALSE(record.confirmed) << typed;
		EXPECT_EQ(Deleted(), 1u) << typed;
		EXPECT_NE(screen.find("> Position off, Orientation on, "), std::string::npos) << screen;
	}
}

} // namespace
