// texts.h -- the text files of the tree. Every text file ends with a newline.
#pragma once

#include "assetgen/bytes.h"

// "menu/readme.htm": the help page the main menu opens in a web browser.
Bytes text_readme();
// "run/level%d.lua": a non-empty marker; the game tests only that it exists.
Bytes text_level_marker(int level);
