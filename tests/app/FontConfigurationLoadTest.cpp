// The font configuration read beside the application's start: its reader thread always ends joined.
#include "shell/FontConfigurationLoad.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace {

TEST(FontConfigurationLoadTest, ReaderEndsJoinedWhetherWaitedForOnceTwiceOrNever)
{
    // Left unjoined, a thread ends the program when it is destroyed: start-up may throw before wait().
    {
        const app::FontConfigurationLoad neverWaitedFor;
    }
    app::FontConfigurationLoad load;
    load.wait();
    load.wait();
    EXPECT_NE(FcConfigGetCurrent(), nullptr);
}

} // namespace
