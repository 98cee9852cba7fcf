// default_binds.h -- the shipped "bindwin32.cfg" executed line by line through the
// console's bind command (registered by init_console_vars), read by the test itself so
// the engine is handed no path of the source tree.
#pragma once

#include "core/con.h"

#include <fstream>
#include <string>
#include <vector>

inline void exec_default_binds()
{
    std::ifstream binds(std::string(GLIMMERFALL_SOURCE_DIR) + "/data/bindwin32.cfg");
    for (std::string line; std::getline(binds, line);) {
        std::vector<char> text(line.begin(), line.end());
        text.push_back('\0');
        con_exec(text.data());
    }
}
