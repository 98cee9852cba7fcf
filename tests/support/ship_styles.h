// ship_styles.h -- a styles folder that holds only the generated player models (a link
// into the tree's players folder): a level script launches the player's ship while every
// enemy model is missing, so the arena stays as empty as the test makes it.
#pragma once

#include "core/file.h"
#include "tests/support/temp_dir.h"

#include <cstdio>
#include <filesystem>
#include <string>

class ShipStyles {
public:
    explicit ShipStyles(const std::string &tree) : saved_(g_styles_dir)
    {
        std::error_code ec;
        std::filesystem::create_directory_symlink(std::filesystem::absolute(tree + "/styles/players"),
                                                  dir_.file("players"), ec);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/", dir_.path().c_str());
    }
    ~ShipStyles() { snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_.c_str()); }
    ShipStyles(const ShipStyles &) = delete;
    ShipStyles &operator=(const ShipStyles &) = delete;

private:
    TempDir dir_;
    std::string saved_;
};
