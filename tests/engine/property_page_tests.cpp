// A property's page: its layout, built by the property's callback and kept by the property.
#include "support/loaded_test_plugin.h"
#include "support/page_values.h"

#include "support/scripted_page_driver.h"

#include <xsi_projectitem.h>

namespace {

using quillmere_tests::Inspect;
using quillmere_tests::LoadedTestPlugin;

TEST_F(LoadedTestPlugin, APropertysLayoutLivesBetweenInspections)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Growing Page");
	XSI::CRef other = scene.AddProperty(scene.Root(), L"Growing Page");
	quillmere_tests::ScriptedPageDriver page;
	host.SetPageDriver(&page);
	ASSERT_EQ(Inspect(property), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().layout.size(), 1u);
	// Its layout callback adds to what the property kept: the item twice.
	ASSERT_EQ(Inspect(property), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().layout.size(), 2u);
	// Another instance keeps a layout of its own.
	ASSERT_EQ(Inspect(other), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().layout.size(), 1u);
}

} // namespace
