// Full names and paths: the name the host gives an object, and the object a
// name or full name finds.
#include "support/host_scene.h"

#include <xsi_model.h>
#include <xsi_siobject.h>

#include <gtest/gtest.h>

namespace {

using Naming = quillmere_tests::HostScene;

TEST_F(Naming, FullNamesResolveBackToTheirObjects)
{
	XSI::CRef model = scene.AddObject(scene.Root(), L"hero", XSI::siModelID);
	XSI::CRef arm = scene.AddObject(model, L"arm");
	XSI::CRef hand = scene.AddObject(arm, L"hand");
	XSI::CRef cns = scene.AddConstraint(hand, L"Pose Cns");
	XSI::CRef prop = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	EXPECT_EQ(hand.GetAsText(), L"hero.hand");
	EXPECT_EQ(cns.GetAsText(), L"hero.hand.kine.Pose Cns");
	EXPECT_EQ(prop.GetAsText(), L"Scene_Root.notes");
	for (const XSI::CRef& ref : {model, arm, hand, cns, prop}) {
		EXPECT_EQ(readBack.Find(ref.GetAsText().GetWideString()), ref);
	}
	EXPECT_EQ(readBack.Find(L"notes"), prop);
	EXPECT_FALSE(readBack.Find(L"hand").IsValid()); // inside a model, only by its model's name
	EXPECT_FALSE(readBack.Find(L"hero.nobody").IsValid());
}

// Read the other way, a property under the root is named without it;
// either form finds it, and properties further down keep their model's name.
TEST_F(Naming, RootPropertiesNamedBare_StillFoundByEitherName)
{
	host.Readings().Choose(host_engine::Reading::RootPropertyName, 1);
	XSI::CRef prop = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	XSI::CRef model = scene.AddObject(scene.Root(), L"hero", XSI::siModelID);
	XSI::CRef deeper = scene.AddProperty(model, L"CustomProperty", L"notes");
	EXPECT_EQ(prop.GetAsText(), L"notes");
	EXPECT_EQ(XSI::SIObject(prop).GetFullName(), L"notes");
	EXPECT_EQ(deeper.GetAsText(), L"hero.notes");
	EXPECT_EQ(readBack.Find(L"notes"), prop);
	EXPECT_EQ(readBack.Find(L"Scene_Root.notes"), prop);
}

} // namespace
