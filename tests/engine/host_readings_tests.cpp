// The readings of what the host's documentation leaves open: named, parsed
// from the command line's form, and enumerated so that suites run each.
#include "engine/host_readings.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using host_engine::HostReadings;
using host_engine::Reading;

TEST(HostReadings, ParsedFromNameEqualsAlternative_TextGivesBackWhatDiffersFromTheDefaults)
{
	HostReadings readings;
	EXPECT_TRUE(readings.IsDefault());
	EXPECT_EQ(readings.Text(), "defaults");
	std::string error;
	ASSERT_TRUE(readings.Parse("cancelled-page=fail,chain-elements=own-family", &error)) << error;
	EXPECT_EQ(readings.CancelledPageStatus(), XSI::CStatus::Fail);
	EXPECT_FALSE(readings.ChainElementsAre3DObjects());
	EXPECT_TRUE(readings.ModelsAre3DObjects());
	EXPECT_EQ(readings.Text(), "cancelled-page=fail,chain-elements=own-family");

	// Naming the default is allowed, and takes a reading back to it.
	ASSERT_TRUE(readings.Parse("cancelled-page=abort", &error)) << error;
	EXPECT_EQ(readings.Text(), "chain-elements=own-family");
	ASSERT_TRUE(readings.Parse("defaults", &error)) << error;
	EXPECT_TRUE(readings.IsDefault());
}

TEST(HostReadings, AnythingElseIsRefusedWithOneLine_AndChangesNothing)
{
	const std::pair<const char*, const char*> refused[] = {
	    {"", "\"\" is not NAME=ALTERNATIVE"},
	    {"models", "\"models\" is not NAME=ALTERNATIVE"},
	    {"colour=red", "no reading called \"colour\""},
	    {"models=maybe", "models: no alternative \"maybe\" (3d-objects or own-family)"},
	    {"models=own-family,", "\"\" is not NAME=ALTERNATIVE"},
	    {"models=own-family,models=3d-objects", "models: given more than once"},
	    {"Models=own-family", "no reading called \"Models\""},
	};
	for (const auto& entry : refused) {
		HostReadings readings;
		readings.Choose(Reading::HandleClass, 1);
		std::string error;
		EXPECT_FALSE(readings.Parse(entry.first, &error)) << entry.first;
		EXPECT_NE(error.find(entry.second), std::string::npos) << error;
		EXPECT_EQ(error.find('\n'), std::string::npos);
		EXPECT_EQ(readings.Text(), "handle-class=object-class") << entry.first;
	}
}

TEST(HostReadings, EachAlternativeIsRunOnce_TheDefaultsFirst)
{
	std::vector<HostReadings> all = HostReadings::EachAlternative();
	ASSERT_FALSE(all.empty());
	EXPECT_TRUE(all.front().IsDefault());
	std::set<std::string> seen;
	for (size_t i = 1; i < all.size(); ++i) {
		EXPECT_FALSE(all[i].IsDefault());
		EXPECT_EQ(all[i].Text().find(','), std::string::npos) << "one reading changed at a time";
		seen.insert(all[i].Text());
	}
	EXPECT_EQ(seen.size(), all.size() - 1);
	EXPECT_EQ(seen.size(), static_cast<size_t>(host_engine::kReadingCount * (host_engine::kMaxAlternatives - 1)));
}

} // namespace
