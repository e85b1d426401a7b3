// PluginRegistrar: what a plug-in registers reaches its own loaded plug-in
// only, under the names it gave; a registrar of no plug-in takes nothing.
#include "support/loaded_test_plugin.h"

#include <xsi_pluginitem.h>
#include <xsi_pluginregistrar.h>

#include <gtest/gtest.h>

namespace {

using XSI::CStatus;

class Registrar : public quillmere_tests::LoadedTestPlugin
{
protected:
	void SetUp() override
	{
		LoadedTestPlugin::SetUp();
		plugin = Load();
		ASSERT_NE(plugin, nullptr);
	}

	// A registrar for `owner`, as XSILoadPlugin is given one.
	XSI::PluginRegistrar RegistrarOf(const host_engine::LoadedPlugin& owner)
	{
		return XSI::PluginRegistrar(
		    host.Scene().RefOf(host_engine::PluginHost::CreateRegistrar(host.Scene().Objects(), owner.id)));
	}

	host_engine::LoadedPlugin* plugin = nullptr; // the test plug-in, loaded for each test
};

TEST_F(Registrar, CommandsAndPropertiesAreRecordedOnTheirPlugin_WithAnItemEach)
{
	size_t commands = plugin->commands.size();
	size_t properties = plugin->properties.size();
	XSI::PluginRegistrar registrar = RegistrarOf(*plugin);

	XSI::PluginItem both = registrar.RegisterCommand(L"Strip Rig", L"StripRig");
	ASSERT_TRUE(both.IsValid());
	EXPECT_EQ(both.GetName(), L"Strip Rig");
	XSI::PluginItem one = registrar.RegisterCommand(L"Tidy");
	XSI::PluginItem property = registrar.RegisterProperty(L"Strip Options");
	EXPECT_TRUE(one.IsValid());
	EXPECT_TRUE(property.IsValid());

	ASSERT_EQ(plugin->commands.size(), commands + 2);
	EXPECT_EQ(plugin->commands[commands].name, L"Strip Rig");
	EXPECT_EQ(plugin->commands[commands].scriptName, L"StripRig");
	EXPECT_EQ(plugin->commands[commands + 1].name, L"Tidy"); // one name serves as both
	EXPECT_EQ(plugin->commands[commands + 1].scriptName, L"Tidy");
	ASSERT_EQ(plugin->properties.size(), properties + 1);
	EXPECT_EQ(plugin->properties.back(), L"Strip Options");
	EXPECT_EQ(host.Plugins().PropertyOwner(L"Strip Options"), plugin);

	// The items live under the registrar and go with it.
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(registrar.GetRef()));
	EXPECT_FALSE(both.IsValid());
	EXPECT_FALSE(property.IsValid());
}

TEST_F(Registrar, AnEmptyNameRegistersNothing)
{
	size_t commands = plugin->commands.size();
	size_t properties = plugin->properties.size();
	XSI::PluginRegistrar registrar = RegistrarOf(*plugin);

	EXPECT_FALSE(registrar.RegisterCommand(L"").IsValid());
	EXPECT_FALSE(registrar.RegisterCommand(L"", L"Script").IsValid());
	EXPECT_FALSE(registrar.RegisterCommand(L"Name", L"").IsValid());
	EXPECT_FALSE(registrar.RegisterProperty(L"").IsValid());
	EXPECT_EQ(plugin->commands.size(), commands);
	EXPECT_EQ(plugin->properties.size(), properties);
	EXPECT_EQ(registrar.GetNestedObjects().GetCount(), 0);
}

TEST_F(Registrar, AuthorAndVersionReadBackAsPut)
{
	XSI::PluginRegistrar registrar = RegistrarOf(*plugin);
	EXPECT_EQ(registrar.PutAuthor(L"Rigging"), CStatus::OK);
	EXPECT_EQ(registrar.PutVersion(2, 7), CStatus::OK);
	EXPECT_EQ(registrar.GetAuthor(), L"Rigging");
	LONG major = 0;
	LONG minor = 0;
	EXPECT_EQ(registrar.GetVersion(major, minor), CStatus::OK);
	EXPECT_EQ(major, 2);
	EXPECT_EQ(minor, 7);
	EXPECT_EQ(plugin->author, L"Rigging");
}

// An empty handle, a registrar whose plug-in was unloaded, or another
// object entirely: nothing is recorded anywhere, and each call says so.
TEST_F(Registrar, ARegistrarOfNoPluginTakesNothing)
{
	XSI::PluginRegistrar orphan = RegistrarOf(*plugin);
	host.Plugins().Unload(plugin);
	XSI::PluginRegistrar notOne(scene.AddObject(scene.Root(), L"mesh"));
	EXPECT_FALSE(notOne.IsValid());

	for (XSI::PluginRegistrar registrar : {orphan, notOne, XSI::PluginRegistrar()}) {
		EXPECT_EQ(registrar.PutAuthor(L"x"), CStatus::Fail);
		EXPECT_EQ(registrar.PutVersion(1, 0), CStatus::Fail);
		LONG major = -1;
		LONG minor = -1;
		EXPECT_EQ(registrar.GetVersion(major, minor), CStatus::Fail);
		EXPECT_EQ(major, -1); // left as they were
		EXPECT_TRUE(registrar.GetAuthor().IsEmpty());
		EXPECT_FALSE(registrar.RegisterCommand(L"Strip").IsValid());
		EXPECT_FALSE(registrar.RegisterProperty(L"Strip Options").IsValid());
	}
	EXPECT_EQ(host.Plugins().PropertyOwner(L"Strip Options"), nullptr);
}

} // namespace
