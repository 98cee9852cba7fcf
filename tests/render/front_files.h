// front_files.h -- the generated art for the tests of the glyphs, the title and the HUD:
// the tree's menu/ and styles/bitmaps/ folders linked into the working directory as
// "menu/" and "bitmaps/" (short relative names, as the game's), and a menu folder that
// lacks some of its files.
#pragma once

#include "core/file.h"

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
