// gl_window.h -- a window with a GL context for the GL tests (under X), reading pixels
// back, and saving what was drawn as a PNG under build/screens/ for a person to look at.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// SDL's video (X only, retried: the test server may be resetting a connection) and a
// windowed mode of width x height through the window layer. false on failure.
bool gl_window_open(int width, int height);
// Quits SDL's video.
void gl_window_close();
// r, g, b of one pixel of the back buffer (y from the bottom).
std::array<int, 3> gl_pixel(int x, int y);
// The whole back buffer, rows from the bottom, 3 bytes a pixel.
std::vector<uint8_t> gl_read_screen(int width, int height);
// Saves the back buffer as build/screens/<name>.png; returns the file's path ("" on failure).
std::string gl_save_screen(const std::string &name, int width, int height);
// An RGB picture (rows from the top) as a PNG file; false on failure.
bool png_write_rgb(const std::string &path, int width, int height, const std::vector<uint8_t> &rgb);
