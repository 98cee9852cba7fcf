// The window layer against the X server: the mode list, and setting a mode with and
// without a mode table.

#include "platform/zwin.h"

#include "game/settings.h"
#include "tests/support/log_capture.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

class ZwinWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The test X server now and then resets a connection opened right after
        // another one closed; SDL then reports that it cannot open the display.
        // Only X: SDL would otherwise fall back to a text-mode driver.
        setenv("SDL_VIDEODRIVER", "x11", 1);
        int result = -1;
        for (int attempt = 0; attempt < 5 && result != 0; attempt++) {
            result = SDL_Init(SDL_INIT_VIDEO);
        }
        ASSERT_EQ(result, 0) << SDL_GetError();
        g_render_fullscreen = 0.0f;
        saved_count = zwin_mode_count;
    }
    void TearDown() override
    {
        zwin_mode_count = saved_count;
        SDL_Quit();
    }
    int saved_count = 0;
    LogCapture log;
};

TEST_F(ZwinWindow, ModeListIsFilledOnceAndLogged)
{
    zwin_mode_count = 0;
    zwin_list_modes();
    int count = zwin_mode_count;
    if (count > 0) {
        EXPECT_EQ(log.count("[zwin] Available screenmodes:"), 1);
        std::string first = "  " + std::to_string(zwin_modes[0].width) + "x" + std::to_string(zwin_modes[0].height);
        EXPECT_EQ(log.count(first), 1);
        EXPECT_EQ((int)log.lines().size(), 1 + count);
    } else {
        EXPECT_EQ(log.count_containing("[zwin] no list of screenmodes"), 1);
    }
    log.clear();
    zwin_list_modes();
    EXPECT_EQ(zwin_mode_count, count);
    EXPECT_EQ(log.lines().size(), count > 0 ? 0u : 1u) << "a filled table is not asked again";
}

TEST_F(ZwinWindow, EmptyTableOpens640x480Captioned)
{
    zwin_mode_count = 0;
    g_render_resolution = 2.0f;
    zwin_reset_video();
    EXPECT_EQ(log.count("[zwin] Setting video mode -1: 640x480"), 1);
    EXPECT_EQ(log.count_containing("depth "), 1);
    EXPECT_EQ(log.count_containing(", double 1, buffer "), 1);
    SDL_Surface *screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    char *title = nullptr;
    char *icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_STREQ(title, "Glimmerfall");
    EXPECT_STREQ(icon, "Glimmerfall");
}

TEST_F(ZwinWindow, ResetTakesTheClampedModesSize)
{
    zwin_modes[0] = VideoMode{0, 0, 512, 384};
    zwin_modes[1] = VideoMode{0, 0, 320, 240};
    zwin_mode_count = 2;
    g_render_resolution = 9.0f;
    zwin_reset_video();
    EXPECT_EQ(g_render_resolution, 1.0f);
    EXPECT_EQ(log.count("[zwin] Setting video mode 1: 320x240"), 1);
    EXPECT_EQ(g_video_width, 320);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 240);
}

} // namespace
