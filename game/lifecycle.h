// lifecycle.h -- building and tearing down the program's state in fixed orders:
// init_game and free_game once, init_level and free_level around every level, and
// restart, which re-applies the settings and rebuilds the device layers.
#pragma once

// The language setting's value buffer (console "language", default "en").
extern char *g_language;
// Console "language_num".
extern float g_language_num;

// Registers every console variable and command in the save order of "config.cfg",
// after emptying the console tables.
void init_console_vars(void);

int init_game(void);
int free_game(void);
int init_level(void);
int free_level(void);
// The change handler of render_fullscreen; its arguments are ignored.
void restart(const char *name, float *value);
