// bench_window.cpp -- the one window of the GL benchmarks.

#include "bench/bench_window.h"

#include "core/file.h"
#include "core/mem.h"
#include "game/settings.h"
#include "platform/zwin.h"
#include "render/batch.h"
#include "render/tex.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

namespace {
bool g_ready = false;
std::string g_label;
}  // namespace

bool bench_window_ready(void)
{
    static bool tried = false;
    if (tried) {
        return g_ready;
    }
    tried = true;
    // The game's working directory: the level markers' folder of the generated tree (or of
    // the tree GLIMMERFALL_BENCH_TREE names: another build's models drawn by this engine).
    const char *tree = getenv("GLIMMERFALL_BENCH_TREE");
    std::string run = std::string(tree && tree[0] ? tree : GLIMMERFALL_ASSETS) + "/run";
    if (chdir(run.c_str()) != 0) {
        return false;
    }
    setenv("SDL_VIDEODRIVER", "x11", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    g_render_fullscreen = 0.0f;
    g_video_width = BENCH_W;
    g_video_height = BENCH_H;
    if (!zwin_set_video_mode()) {
        return false;
    }
    mem_init();
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
    snprintf(g_menu_dir, FILE_DIR_SIZE, "%s", "../menu/");
    zgl_init_gl();
    zgl_setup_view(BENCH_W, BENCH_H);
    zgl_texture_init();
    zbatch_alloc();
    g_label = std::string((const char *)glGetString(GL_RENDERER)) + ", " +
              std::to_string(std::thread::hardware_concurrency()) + " cores";
    g_ready = true;
    return true;
}

const std::string &bench_window_label(void)
{
    return g_label;
}
