// The journal of a plug-in's calls to the host.
#include "support/host_records.h"
#include "support/loaded_test_plugin.h"
#include "support/page_values.h"

#include <xsi_projectitem.h>

namespace {

using quillmere_tests::Inspect;
using quillmere_tests::LoadedTestPlugin;

TEST_F(LoadedTestPlugin, TheJournalHoldsThePluginsCallsOnly_AndOnlyWhileStarted)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CValueArray args;
	XSI::CValue result;
	XSI::Application().ExecuteCommand(L"SayHello", args, result); // before the journal starts
	host.Journal().Start();
	XSI::Application().LogMessage(L"from the host's side"); // not the plug-in's call
	XSI::Application().ExecuteCommand(L"SayHello", args, result);
	host.Journal().Stop();
	XSI::Application().ExecuteCommand(L"SayHello", args, result);
	ASSERT_EQ(host.Journal().Entries().size(), 1u);
	EXPECT_EQ(quillmere_tests::CallText(host.Journal().Entries()[0]),
	          "Application.LogMessage Application [\"hello\", 8]");
	host.Journal().Clear();
}

} // namespace
