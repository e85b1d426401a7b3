// A fresh, empty scene in the host engine for each test.
#ifndef QUILLMERE_TESTS_HOST_SCENE_H
#define QUILLMERE_TESTS_HOST_SCENE_H

#include "engine/scene_builder.h"
#include "engine/scene_read_back.h"

#include <gtest/gtest.h>

namespace quillmere_tests {

class HostScene : public ::testing::Test
{
protected:
	void SetUp() override
	{
		host.ResetScene();
		host.Readings() = host_engine::HostReadings();
	}
	void TearDown() override { host.Readings() = host_engine::HostReadings(); }

	host_engine::Host& host = host_engine::CurrentHost();
	host_engine::SceneBuilder scene{host};
	host_engine::SceneReadBack readBack{host};
};

} // namespace quillmere_tests

#endif
