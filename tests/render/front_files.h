// front_files.h -- the generated art for the tests of the glyphs, the title and the HUD:
// the tree's menu/ and styles/bitmaps/ folders linked into the working directory as
// "menu/" and "bitmaps/" (short relative names, as the game's), and a menu folder that
// lacks some of its files; the state the front end's drawing reads, set up and torn down.
#pragma once

#include "core/file.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/menu.h"
#include "game/settings.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/font.h"
#include "render/hudgfx.h"
#include "render/title.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

inline std::string generated_menu_dir()
{
    return std::string(GLIMMERFALL_ASSETS) + "/menu";
}

// Links the generated folders into the working directory and points the asset folders
// at them.
inline void use_generated_art()
{
    std::error_code ignored;
    std::filesystem::remove_all("bitmaps", ignored);
    std::filesystem::create_directory_symlink(generated_menu_dir(), "menu");
    std::filesystem::create_directory_symlink(std::string(GLIMMERFALL_ASSETS) + "/styles/bitmaps", "bitmaps");
    snprintf(g_menu_dir, FILE_DIR_SIZE, "%s", "menu/");
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "bitmaps/");
}

// A menu folder "partial/" with every generated file but the ones named, made current.
inline void use_menu_without(const std::vector<std::string> &missing)
{
    std::filesystem::create_directory("partial");
    for (const auto &entry : std::filesystem::directory_iterator(generated_menu_dir())) {
        std::string name = entry.path().filename().string();
        bool skip = false;
        for (const std::string &m : missing) {
            skip = skip || m == name;
        }
        if (!skip) {
            std::filesystem::create_symlink(entry.path(), "partial/" + name);
        }
    }
    snprintf(g_menu_dir, FILE_DIR_SIZE, "%s", "partial/");
}

// The generated art in place, the drawing state at plain values (a frame of one logic
// step at full fade on the main page, one player, the camera's side 1, all layers, the
// small crosshair) and the fonts loaded.
inline void front_set_up()
{
    use_generated_art();
    g_title_tex.floor = nullptr;
    g_camera.side = 1;
    g_frame_steps = 1;
    g_frame_dt = 1.0f;
    g_fade = 1.0f;
    g_last_page = 0;
    g_two_player = 0;
    g_menu_text_depth = 0.0f;
    g_render_backgroundgfx = 2.0f;
    g_render_biggcrosshair = 0.0f;
    title_load_fonts();
}

// Every slot forgotten (the cache is emptied next), the footprint pool freed.
inline void front_tear_down()
{
    title_forget_slots();
    g_title_tex.floor = nullptr;
    hudgfx_forget_textures();
    footprint_free();
    g_camera = CameraState{};
    g_menu_dir[0] = 0;
}
