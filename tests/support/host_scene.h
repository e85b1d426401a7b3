// A fresh, empty scene in the host core for each test.
#ifndef QUILLMERE_TESTS_HOST_SCENE_H
#define QUILLMERE_TESTS_HOST_SCENE_H

#include "core/scene_builder.h"

#include <gtest/gtest.h>

namespace quillmere_tests {

class HostScene : public ::testing::Test
{
protected:
	void SetUp() override { host.ResetScene(); }

	host_core::Host& host = host_core::Host::Current();
	host_core::SceneBuilder scene{host};
};

} // namespace quillmere_tests

#endif
