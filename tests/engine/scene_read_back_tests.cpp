// Reading a scene back for tests: what an object that is gone, or is no
// parameter, reads as.
#include "support/host_scene.h"

#include <gtest/gtest.h>

namespace {

using SceneReadBack = quillmere_tests::HostScene;

// A reference to a deleted object reads as nothing, even once its slot
// holds another object: a test must not read the newcomer's name.
TEST_F(SceneReadBack, WhatIsGoneOrNoParameter_ReadsAsNothing)
{
	XSI::CRef gone = scene.AddObject(scene.Root(), L"gone");
	uint32_t slot = host.Scene().SlotOf(gone);
	host.Scene().Objects().DestroySubtree(slot);
	XSI::CRef newcomer = scene.AddObject(scene.Root(), L"newcomer");
	EXPECT_EQ(readBack.NameOf(newcomer), L"newcomer");
	EXPECT_EQ(readBack.NameOf(gone), L"");
	EXPECT_FALSE(readBack.Find(L"gone").IsValid());
	host_engine::SceneReadBack::ParameterInfo notAParameter = readBack.DescribeParameter(newcomer);
	EXPECT_EQ(notAParameter.type, XSI::CValue::siEmpty);
	EXPECT_TRUE(notAParameter.value.IsEmpty());
}

} // namespace
