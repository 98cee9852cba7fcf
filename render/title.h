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
