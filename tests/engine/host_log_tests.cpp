#include "engine/current_host.h"

#include <xsi_application.h>

#include <gtest/gtest.h>

TEST(HostLog, KeepsEveryMessageWithItsSeverityInOrder)
{
	host_engine::Host& host = host_engine::CurrentHost();
	host.ResetScene();
	XSI::Application app;
	app.LogMessage(L"first");
	app.LogMessage(L"second", XSI::siWarningMsg);
	ASSERT_EQ(host.Log().Lines().size(), 2u);
	EXPECT_EQ(host.Log().Lines()[0].message, L"first");
	EXPECT_EQ(host.Log().Lines()[0].severity, 8);
	EXPECT_EQ(host.Log().Lines()[1].severity, 4);
}
