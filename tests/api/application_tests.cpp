// Application: the scene root, the log and running commands by name.
#include "support/host_scene.h"

#include <xsi_application.h>
#include <xsi_model.h>

#include <gtest/gtest.h>

namespace {

using XSI::CStatus;
using XSI::CValue;

using Application = quillmere_tests::HostScene;

TEST_F(Application, TheActiveSceneRootIsTheRootModel)
{
	XSI::Model root = XSI::Application().GetActiveSceneRoot();
	ASSERT_TRUE(root.IsValid());
	EXPECT_EQ(root.GetRef(), scene.Root());
	EXPECT_EQ(root.GetName(), L"Scene_Root");
}

TEST_F(Application, LogMessagesReachTheHostsLogWithTheirSeverity)
{
	size_t before = host.Log().Lines().size();
	EXPECT_EQ(XSI::Application().LogMessage(L"Please select object(s).", XSI::siInfoMsg), CStatus::OK);
	ASSERT_EQ(host.Log().Lines().size(), before + 1);
	EXPECT_EQ(host.Log().Lines().back().message, L"Please select object(s).");
	EXPECT_EQ(host.Log().Lines().back().severity, static_cast<int>(XSI::siInfoMsg));
}

// A command may write back into its arguments; the overload given a
// constant array runs on a copy, so the caller's array stays as it was.
TEST_F(Application, CommandsRunByName_TheConstantArgumentsStayAsGiven)
{
	host.Commands().Register(L"Stamp", [](XSI::CValueArray& args, CValue& io) {
		args[0] = L"stamped";
		io = static_cast<LONG>(args.GetCount());
		return XSI::CStatus(CStatus::OK);
	});
	XSI::Application app;
	XSI::CValueArray args(1);
	CValue result;
	EXPECT_EQ(app.ExecuteCommand(L"Stamp", args, result), CStatus::OK);
	EXPECT_EQ(args[0].GetAsText(), L"stamped");
	EXPECT_EQ(static_cast<LONG>(result), 1);

	const XSI::CValueArray constant(1);
	EXPECT_EQ(app.ExecuteCommand(L"Stamp", constant, result), CStatus::OK);
	EXPECT_TRUE(constant[0].IsEmpty());

	EXPECT_NE(app.ExecuteCommand(L"NoSuchCommand", args, result), CStatus::OK);
	host.Commands().Unregister(L"Stamp");
}

} // namespace
