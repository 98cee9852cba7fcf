// art.h -- the drawn pictures of the front end (menu/) and of the HUD and arena
// markers (styles/bitmaps/): the title lettering, corner emblems, logo pages, ship and
// belt pictures, arrows, pointer, the HUD atlas, crosshair, hit flash, ring grids,
// bullet shadow and the title background tile. Layout rules: tools/assetgen/README.md.
#pragma once

#include "assetgen/bytes.h"
#include "assetgen/catalogue.h"
#include "assetgen/formats.h"

#include <string>
#include <vector>

// One picture: its colour, and its mask when the engine loads it with one.
struct ArtPicture {
    ImageRgb colour;
    ImageGrey mask;
    bool has_mask = false;
};

// How the engine draws a picture, for the checks and the previews.
enum class ArtAlpha {
    Mask,         // the mask file is the alpha
    Brightness,   // no mask, TEX_RGBA: alpha is the colour's brightness (black is clear)
    Opaque,       // 3 channels, no alpha
};

struct ArtItem {
    std::string colour;   // path in the tree
    std::string mask;     // path of its mask, empty when none
    ArtAlpha alpha;
    bool clamped;         // drawn with clamping (or past uv 1): needs a clear border
};

// Every drawn picture of these folders, in catalogue order.
const std::vector<ArtItem> &art_items();
// The picture of one item (built once per process); null for an unknown path.
const ArtPicture *art_picture(const std::string &colour_path);
// Adds every item's colour and mask file to the catalogue.
void art_add_to_catalogue(std::vector<AssetEntry> &catalogue);

// The title font: DejaVu Sans Bold beside the page font, else the page font itself.
std::string art_title_font();

// The colours of the eight game types (the menu's player colour table).
extern const int ART_PLAYER_COLOURS[8][3];

// Builders, one per family (art_menu.cpp, art_hud.cpp).
ArtPicture art_title_top(int width);                 // the lettered name, 2:1
ArtPicture art_corner_emblem(bool upper);            // titlebotu (upper left) / titlebott
ArtPicture art_logo(int page, int width);            // page 3 on white, 4 on black; 2:1
ArtPicture art_ship(int ship);                       // ships 1..5 from above
ArtPicture art_belt(int index);                      // 0 the unfinished loop, 1..8 game types 0..7
ArtPicture art_arrow();                              // the left arrow
ArtPicture art_cursor();                             // the menu pointer
ArtPicture art_hud_atlas();                          // z_playover
ArtPicture art_crosshair();
ArtPicture art_enemy_hit();
ArtPicture art_gridder(int pattern);                 // 1..4
ArtPicture art_bullet_shadow();
ArtPicture art_title_floor();

// The atlas regions of z_playover, in u and v counted from the file's first (bottom)
// row, as the HUD drawing reads them.
struct ArtRegion {
    const char *name;
    float u0, v0, u1, v1;
};
extern const ArtRegion ART_HUD_REGIONS[5];
// The bar fill repeats every this much of u, the wrap of its scroll offset.
constexpr float ART_BAR_FILL_PERIOD = 0.0625f;

// PNG previews under dir: every picture (over a checkerboard where it has alpha) and
// composed mocks of the title scene, the menu pictures and the HUD. Returns the number
// of files written or -1.
int art_write_previews(const std::string &dir);
