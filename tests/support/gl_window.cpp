// gl_window.cpp -- the GL tests' window, pixel read-back and PNG screenshots.

#include "tests/support/gl_window.h"

#include "game/settings.h"
#include "platform/zwin.h"

#include <GL/gl.h>
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>

bool gl_window_open(int width, int height)
{
    // Only X: SDL would otherwise fall back to a text-mode driver.
    setenv("SDL_VIDEODRIVER", "x11", 1);
    int result = -1;
    for (int attempt = 0; attempt < 5 && result != 0; attempt++) {
        result = SDL_Init(SDL_INIT_VIDEO);
    }
    if (result != 0) {
        return false;
    }
    g_render_fullscreen = 0.0f;
    g_video_width = width;
    g_video_height = height;
    return zwin_set_video_mode() == 1;
}

void gl_window_close()
{
    SDL_Quit();
}

std::array<int, 3> gl_pixel(int x, int y)
{
    GLubyte p[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

std::vector<uint8_t> gl_read_screen(int width, int height)
{
    std::vector<uint8_t> rgb((size_t)width * height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

std::string gl_save_screen(const std::string &name, int width, int height)
{
    std::vector<uint8_t> bottom_up = gl_read_screen(width, height);
    std::vector<uint8_t> top_down(bottom_up.size());
    size_t row = (size_t)width * 3;
    for (int y = 0; y < height; y++) {
        std::copy_n(&bottom_up[(size_t)(height - 1 - y) * row], row, &top_down[(size_t)y * row]);
    }
    std::string dir = std::string(GLIMMERFALL_BINARY_DIR) + "/screens";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    std::string path = dir + "/" + name + ".png";
    return png_write_rgb(path, width, height, top_down) ? path : "";
}

// ---- PNG: one IDAT of stored (uncompressed) deflate blocks

static uint32_t png_crc(const uint8_t *data, size_t n, uint32_t crc = 0xffffffffu)
{
    for (size_t i = 0; i < n; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return crc;
}

static void png_put32(std::vector<uint8_t> &out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back((uint8_t)(v >> shift));
    }
}

static void png_chunk(std::vector<uint8_t> &out, const char *type, const std::vector<uint8_t> &data)
{
    png_put32(out, (uint32_t)data.size());
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    png_put32(out, png_crc(&out[start], out.size() - start) ^ 0xffffffffu);
}

bool png_write_rgb(const std::string &path, int width, int height, const std::vector<uint8_t> &rgb)
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; y++) {
        raw.push_back(0);   // filter: none
        const uint8_t *row = &rgb[(size_t)y * width * 3];
        raw.insert(raw.end(), row, row + (size_t)width * 3);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    constexpr size_t BLOCK = 65535;
    for (size_t at = 0; at < raw.size(); at += BLOCK) {
        size_t n = std::min(BLOCK, raw.size() - at);
        z.push_back(at + n >= raw.size() ? 1 : 0);
        z.push_back((uint8_t)(n & 0xff));
        z.push_back((uint8_t)(n >> 8));
        z.push_back((uint8_t)(~n & 0xff));
        z.push_back((uint8_t)((~n >> 8) & 0xff));
        z.insert(z.end(), raw.begin() + (long)at, raw.begin() + (long)(at + n));
    }
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    png_put32(z, b << 16 | a);

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> header;
    png_put32(header, (uint32_t)width);
    png_put32(header, (uint32_t)height);
    header.insert(header.end(), {8, 2, 0, 0, 0});   // 8 bits, RGB, deflate, no filter, no interlace
    png_chunk(out, "IHDR", header);
    png_chunk(out, "IDAT", z);
    png_chunk(out, "IEND", {});
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    bool ok = fwrite(out.data(), 1, out.size(), f) == out.size();
    return fclose(f) == 0 && ok;
}
