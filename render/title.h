// title.h -- the title scene behind the main menu, the logo pages and the floor, and the
// pictures the menu pages put beside their rows.
#pragma once

struct TextureRecord;

constexpr int TITLE_HUES = 12;         // ship pictures in twelve hues, 30 degrees apart
constexpr int TITLE_SHIP_SLOTS = 8;    // per hue; ships 1 to 5 are filled
constexpr int TITLE_SHIPS = 5;
constexpr int TITLE_BELTS = 8;         // one per game type

// The front end's textures: a record each, null while forgotten.
struct TitleTextures {
    TextureRecord *title;    // the title's top picture, or the picture of the logo page up
    TextureRecord *bottom;   // the emblem at the lower right
    TextureRecord *corner;   // the emblem at the upper left
    TextureRecord *arrows;   // the left arrow; the right one is its mirror
    TextureRecord *cursor;   // the menu pointer (loaded with the fonts)
    TextureRecord *ships[TITLE_HUES * TITLE_SHIP_SLOTS];   // entry (ship - 1) + 8 x hue
    TextureRecord *belts[TITLE_BELTS];
    TextureRecord *floor;    // the title background; kept until zgl_flush_and_forget_floor
};
extern TitleTextures g_title_tex;

// The title scene's animation, advanced per drawn frame: wobble angle of the top picture,
// the background's two phases and the angle of the pulsing belts (degrees).
struct TitleMotion {
    float wobble;
    float phase1;
    float phase2;
    float belt_angle;
};
extern TitleMotion g_title_motion;
// The menu page as the title scene last saw it: the menus set it when a page opens.
extern int g_last_page;

// The title scene (main menu state while the fade value is 0 or more).
void title_load_draw(void);
// Logo page 0, 1 (title screens) or 2 (end-of-loop page): 0 when its picture is
// missing, which ends the page; otherwise 1 and the page runs its course.
int title_logo_draw(int page);
// Forgets the title textures when a logo page ends.
void title_forget_textures(void);
// Forgets every slot but the floor's (the cache was emptied; the fonts load again).
void title_forget_slots(void);
// The title background: the floor picture in mirrored layers, drawn additively.
void floor_draw(void);
// Flushes GL and forgets the floor texture, so it is loaded again with a new hue.
void zgl_flush_and_forget_floor(void);
// The menu pages' pictures. A ship picture: model and hue as the settings hold them,
// player 0 or 1 (left and right in a two-player game).
void menu_draw_ship_picture(float model, float hue, int player);
// The selection arrows: kind 1 the game-type and stage pages, 2 and 3 the ships of
// players 1 and 2, any other the one-player ship.
void menu_draw_arrows(int kind);
// A belt: mode 0 the chosen one, large; 1 faint in the row; 2 pulsing in the row at i.
void menu_draw_belt(int i, float belt, int mode);
// The menu pointer at pos (z lowered by the language's text depth).
void menu_draw_cursor(const float pos[3]);
