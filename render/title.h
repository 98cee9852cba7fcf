// title.h -- the title scene behind the main menu, the logo pages and the floor.
#pragma once

// The title scene (main menu state while the fade value is 0 or more).
void title_load_draw(void);
// Logo page 0, 1 (title screens) or 2 (end-of-loop page): 0 when its picture is
// missing, which ends the page; otherwise 1 and the page runs its course.
int title_logo_draw(int page);
// Forgets the title textures when a logo page ends.
void title_forget_textures(void);
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
