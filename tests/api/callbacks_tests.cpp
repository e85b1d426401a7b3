// What callbacks receive: a context's source, attributes and page event, and
// a command's return-value switch, each kept on its own object only.
#include "support/host_scene.h"

#include "engine/callback_arguments.h"

#include <xsi_command.h>
#include <xsi_context.h>
#include <xsi_ppgeventcontext.h>

#include <gtest/gtest.h>

namespace {

using XSI::CStatus;
using XSI::CValue;

class Callbacks : public quillmere_tests::HostScene
{
protected:
	XSI::CRef MakeContext(const XSI::CRef& source, XSI::siClassID contextClass = XSI::siContextID, int eventId = 0)
	{
		host_engine::ObjectTable& objects = host.Scene().Objects();
		return host.Scene().RefOf(
		    host_engine::CreateContext(objects, contextClass, host_engine::Scene::HandleOf(source), eventId));
	}
	void Destroy(const XSI::CRef& ref) { host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(ref)); }
};

TEST_F(Callbacks, AContextNamesItsSourceWhileTheSourceLives)
{
	XSI::CRef property = scene.AddProperty(scene.Root(), L"CustomProperty");
	XSI::Context context(MakeContext(property));
	EXPECT_EQ(context.GetSource(), property);
	Destroy(property);
	EXPECT_FALSE(context.GetSource().IsValid());
}

TEST_F(Callbacks, AttributesAreKeptByNameOnTheirOwnContext)
{
	XSI::Context first(MakeContext(scene.Root()));
	XSI::Context second(MakeContext(scene.Root()));
	EXPECT_TRUE(first.GetAttribute(L"Button").IsEmpty());
	EXPECT_EQ(first.PutAttribute(L"Button", CValue(L"AllOn")), CStatus::OK);
	EXPECT_EQ(first.PutAttribute(L"Count", CValue(static_cast<LONG>(2))), CStatus::OK);
	EXPECT_EQ(first.PutAttribute(L"Button", CValue(L"AllOff")), CStatus::OK); // replaced, not added
	EXPECT_EQ(first.GetAttribute(L"Button").GetAsText(), L"AllOff");
	EXPECT_EQ(static_cast<LONG>(first.GetAttribute(L"Count")), 2);
	EXPECT_TRUE(first.GetAttribute(L"button").IsEmpty()); // names match exactly
	EXPECT_TRUE(second.GetAttribute(L"Button").IsEmpty());
}

TEST_F(Callbacks, APageEventContextCarriesItsEvent_OtherContextsNone)
{
	XSI::CRef property = scene.AddProperty(scene.Root(), L"CustomProperty");
	XSI::PPGEventContext clicked(
	    MakeContext(property, XSI::siPPGEventContextID, XSI::PPGEventContext::siButtonClicked));
	EXPECT_EQ(clicked.GetEventID(), XSI::PPGEventContext::siButtonClicked);
	EXPECT_EQ(clicked.GetSource(), property);
	XSI::PPGEventContext plain(MakeContext(property, XSI::siPPGEventContextID));
	EXPECT_EQ(plain.GetEventID(), XSI::PPGEventContext::siUndefined);
	EXPECT_EQ(XSI::PPGEventContext().GetEventID(), XSI::PPGEventContext::siUndefined);
}

TEST_F(Callbacks, AContextGoneAnswersEmptyAndTakesNothing)
{
	XSI::CRef ref = MakeContext(scene.Root(), XSI::siPPGEventContextID, XSI::PPGEventContext::siOnInit);
	XSI::PPGEventContext context(ref);
	Destroy(ref);
	EXPECT_FALSE(context.GetSource().IsValid());
	EXPECT_EQ(context.PutAttribute(L"Button", CValue(L"OK")), CStatus::Fail);
	EXPECT_TRUE(context.GetAttribute(L"Button").IsEmpty());
	EXPECT_EQ(context.GetEventID(), XSI::PPGEventContext::siUndefined);
}

TEST_F(Callbacks, ACommandsReturnValueIsOffUntilEnabled_AndOnlyOnACommand)
{
	XSI::Command command(host.Scene().RefOf(host_engine::CreateCommand(host.Scene().Objects(), L"Strip")));
	ASSERT_TRUE(command.IsValid());
	EXPECT_FALSE(command.IsReturnValueEnabled());
	EXPECT_EQ(command.EnableReturnValue(true), CStatus::OK);
	EXPECT_TRUE(command.IsReturnValueEnabled());
	EXPECT_EQ(command.EnableReturnValue(false), CStatus::OK);
	EXPECT_FALSE(command.IsReturnValueEnabled());

	XSI::Command none;
	EXPECT_EQ(none.EnableReturnValue(true), CStatus::Fail);
	EXPECT_FALSE(none.IsReturnValueEnabled());
}

} // namespace
