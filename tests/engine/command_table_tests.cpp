// The command table: finding a command by name as names come and go, and
// what one top-level run opens and closes around the commands inside it.
#include "support/host_scene.h"

#include <xsi_application.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CommandTable : public quillmere_tests::HostScene
{
protected:
	void TearDown() override
	{
		for (const wchar_t* name : {L"First", L"Second", L"Outer"}) {
			host.Commands().Unregister(name);
		}
		host.Faults() = host_engine::HostFaults();
		HostScene::TearDown();
	}

	XSI::CStatus Run(const std::wstring& name)
	{
		XSI::CValueArray args;
		XSI::CValue result;
		return XSI::Application().ExecuteCommand(name.c_str(), args, result);
	}

	void RegisterAnswer(const std::wstring& name, const std::wstring& answer)
	{
		host.Commands().Register(name, [this, answer](XSI::CValueArray&, XSI::CValue&) {
			ran.push_back(answer);
			return XSI::CStatus(XSI::CStatus::OK);
		});
	}

	std::vector<std::wstring> ran;
};

TEST_F(CommandTable, TheCommandFoundLastNeverOutlivesItsName)
{
	RegisterAnswer(L"First", L"first");
	RegisterAnswer(L"Second", L"second");
	EXPECT_EQ(Run(L"First"), XSI::CStatus::OK);
	EXPECT_EQ(Run(L"First"), XSI::CStatus::OK); // found again, without a lookup
	EXPECT_EQ(Run(L"Second"), XSI::CStatus::OK);
	RegisterAnswer(L"Second", L"second, registered again");
	EXPECT_EQ(Run(L"Second"), XSI::CStatus::OK);
	host.Commands().Unregister(L"Second");
	EXPECT_EQ(Run(L"Second"), XSI::CStatus::Fail);
	EXPECT_FALSE(host.Commands().Has(L"Second"));
	EXPECT_EQ(Run(L"First"), XSI::CStatus::OK);
	EXPECT_EQ(ran, (std::vector<std::wstring>{L"first", L"first", L"second", L"second, registered again", L"first"}));
}

TEST_F(CommandTable, ATopLevelRunIsOneStep_UndoWaitsForItsEnd_AnUnknownNameRunsNothing)
{
	XSI::CRef arm = scene.AddObject(scene.Root(), L"arm");
	XSI::CRef leg = scene.AddObject(scene.Root(), L"leg");
	std::vector<std::wstring> hooked;
	host.Faults().beforeCommand = [&hooked](std::wstring_view name) { hooked.emplace_back(name); };
	bool undoneInside = true;
	host.Commands().Register(L"Outer", [&](XSI::CValueArray&, XSI::CValue&) {
		for (const XSI::CRef& target : {arm, leg}) {
			XSI::CValueArray args(1);
			args[0] = target;
			XSI::CValue ignored;
			XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored);
		}
		undoneInside = host.UndoSteps().Undo();
		return XSI::CStatus(XSI::CStatus::OK);
	});

	EXPECT_EQ(Run(L"NoSuchCommand"), XSI::CStatus::Fail);
	EXPECT_EQ(host.UndoSteps().Depth(), 0u);
	ASSERT_EQ(Run(L"Outer"), XSI::CStatus::OK);
	EXPECT_FALSE(undoneInside); // its own step is still open
	EXPECT_EQ(host.UndoSteps().Depth(), 1u);
	EXPECT_EQ(hooked, (std::vector<std::wstring>{L"Outer", L"DeleteObj", L"DeleteObj"}));

	ASSERT_TRUE(host.UndoSteps().Undo());
	EXPECT_TRUE(arm.IsValid());
	EXPECT_TRUE(leg.IsValid());
	EXPECT_FALSE(host.UndoSteps().Undo());
}

} // namespace
