// texts.h -- the text files of the tree. Every text file ends with a newline.
#pragma once

#include "assetgen/bytes.h"

#include <string>
#include <vector>

// "menu/readme.htm": the help page the main menu opens in a web browser.
Bytes text_readme();
// "run/level%d.lua": a non-empty marker; the game tests only that it exists.
Bytes text_level_marker(int level);
// The hand-written files of data/menu/ the tree carries unchanged into "menu/": the
// language list, each language's menu texts and the English key names (ISO-8859-1).
const std::vector<std::string> &text_menu_files();
// One of them as the source tree holds it; empty when it cannot be read.
Bytes text_menu_file(const std::string &name);
