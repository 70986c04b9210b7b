// GTK is started with its OpenGL visuals switched off (the dialogs draw
// none, and choosing them loads the whole driver); the switch must not reach
// programs the game starts later, such as the browser for a link.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Display.h"
#include "platform/GtkStart.h"

TEST(GtkStart, LeavesTheEnvironmentAsItFoundIt)
{
    if (!DisplayAvailable()) GTEST_SKIP() << "no X display";
    unsetenv("GDK_GL");
    ASSERT_TRUE(StartGtk());
    EXPECT_EQ(std::getenv("GDK_GL"), nullptr);
}
