// images.h -- the bitmaps of the tree that are drawn, not lettered.
#pragma once

#include "assetgen/bytes.h"

// "styles/bitmaps/z_light.bmp": a soft round light, also the texture the game falls
// back to when a bitmap is missing.
Bytes image_light();
