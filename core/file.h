// file.h -- the file layer: stdio with logged failures, a quiet switch for probing
// loads, and whole-file loads into pool blocks.
#pragma once

#include <cstdio>

// While non-zero, file_size and file_open do not log their failures.
extern int g_file_quiet;

// Size in bytes by stat, or -1 (logged unless quiet).
int file_size(const char *path);
// Size by stat or -1, never logging: the program's test for whether a file exists.
int file_exists_size(const char *path);
// fopen, or null with "*** [file] failed to fopen" unless quiet.
FILE *file_open(const char *path, const char *mode);

// Releases every decoded bitmap of the preload cache: at shut-down, at a video restart
// and when the front end reloads its graphics.
void file_free_textures(void);
// The same, when a level is freed.
void file_free_textures_level(void);

constexpr int FILE_DIR_SIZE = 256;  // the asset folder prefixes are short relative paths

// Asset folder prefixes, relative to the working directory, built by init_game:
// "/", "../styles/", "../styles/bitmaps/", "../styles/sfx/", "../styles/particles/",
// "../styles/explosions/", "../menu/".
extern char g_dir_sep[FILE_DIR_SIZE];
extern char g_styles_dir[FILE_DIR_SIZE];
extern char g_bitmaps_dir[FILE_DIR_SIZE];
extern char g_sfx_dir[FILE_DIR_SIZE];
extern char g_particles_dir[FILE_DIR_SIZE];
extern char g_explosions_dir[FILE_DIR_SIZE];
extern char g_menu_dir[FILE_DIR_SIZE];
