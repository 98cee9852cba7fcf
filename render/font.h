// font.h -- glyphs and fonts: the four font pages, the HUD texture and the cursor.
#pragma once

// Loads the font pages, the HUD texture and the cursor (level set-up, restart, return
// to the front end).
void title_load_fonts(void);
// Binds font page 0 before a run of text.
void font_bind(void);
