// How an object-API call enters the host's journal: the object it is made on
// and its arguments, as UTF-8 and JSON however the object is named.
#include "support/host_scene.h"

#include "engine/api_caller.h"

#include <xsi_application.h>
#include <xsi_x3dobject.h>

#include <string>

namespace {

using Journal = quillmere_tests::HostScene;

TEST_F(Journal, ANameNoTextCanHold_IsRecordedWithTheReplacementCharacter_InTargetAndArguments)
{
	// Wide text can hold values no character has: a lone surrogate, past U+10FFFF.
	std::wstring name = L"arm";
	name += static_cast<wchar_t>(0xD800);
	name += L"_L";
	if (sizeof(wchar_t) == 4) {
		name += static_cast<wchar_t>(0x110000);
	}
	XSI::CRef arm = scene.AddObject(scene.Root(), name);
	host.Journal().Start();
	{
		host_engine::CallerScope plugin(host.Caller(), host_engine::ApiCaller::Kind::Plugin);
		XSI::X3DObject(arm).GetName();
		XSI::CValueArray args(1);
		args[0] = arm;
		XSI::CValue result;
		XSI::Application().ExecuteCommand(L"NoSuchCommand", args, result); // runs nothing
	}
	host.Journal().Stop();
	const std::string replacement = "\xEF\xBF\xBD";
	std::string expected = "arm" + replacement + "_L" + (sizeof(wchar_t) == 4 ? replacement : "");
	ASSERT_EQ(host.Journal().Entries().size(), 2u);
	EXPECT_EQ(host.Journal().Entries()[0].target, expected);
	EXPECT_EQ(host.Journal().Entries()[1].target, "NoSuchCommand");
	EXPECT_EQ(host.Journal().Entries()[1].args, "[{\"ref\": \"" + expected + "\"}]");
	host.Journal().Clear();
}

} // namespace
