// texts.h -- the text files of the tree. Every text file ends with a newline.
#pragma once

#include "assetgen/bytes.h"

// "menu/readme.htm": the help page the main menu opens in a web browser.
Bytes text_readme();
// "run/level%d.lua": a non-empty marker; the game tests only that it exists.
Bytes text_level_marker(int level);
// "run/bindwin32.cfg": the default key bindings, copied into a game folder only when
// the player has none.
Bytes text_default_binds();
