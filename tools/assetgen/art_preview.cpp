// art_preview.cpp -- PNG previews of the drawn pictures for review by eye: each picture
// as the engine sees it (alpha over a checkerboard), the ships in their twelve hues, and
// mock frames that place the pictures where the title, menu and HUD drawing put them
// (the overlay's perspective: 45 degrees vertical, the plane z = 0 thirty units away).

#include "assetgen/art.h"
#include "assetgen/art_draw.h"
#include "assetgen/fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

constexpr float PI = 3.14159265358979f;

// ---- PNG (stored deflate blocks: no compression library needed) ----------------------

uint32_t crc_table[256];

void crc_init()
{
    for (uint32_t n = 0; n < 256; n++) {
        uint32_t c = n;
        for (int k = 0; k < 8; k++) {
            c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
        }
        crc_table[n] = c;
    }
}

uint32_t crc(const uint8_t *p, size_t n)
{
    uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < n; i++) {
        c = crc_table[(c ^ p[i]) & 0xff] ^ (c >> 8);
    }
    return c ^ 0xffffffffu;
}

void put_be32(Bytes &b, uint32_t v)
{
    for (int i = 3; i >= 0; i--) {
        b.push_back((uint8_t)(v >> (8 * i)));
    }
}

void chunk(Bytes &out, const char *type, const Bytes &data)
{
    put_be32(out, (uint32_t)data.size());
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    put_be32(out, crc(body.data(), body.size()));
}

bool png_write(const std::string &path, const ImageRgb &img)
{
    crc_init();
    Bytes raw;
    for (int y = 0; y < img.height; y++) {
        raw.push_back(0);
        raw.insert(raw.end(), img.rgb.begin() + (size_t)y * img.width * 3,
                   img.rgb.begin() + (size_t)(y + 1) * img.width * 3);
    }
    Bytes z = {0x78, 0x01};
    for (size_t at = 0; at < raw.size() || at == 0;) {
        size_t n = std::min<size_t>(65535, raw.size() - at);
        z.push_back(at + n >= raw.size() ? 1 : 0);
        z.push_back((uint8_t)(n & 0xff));
        z.push_back((uint8_t)(n >> 8));
        z.push_back((uint8_t)(~n & 0xff));
        z.push_back((uint8_t)((~n >> 8) & 0xff));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
        if (n == 0) {
            break;
        }
    }
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    put_be32(z, b << 16 | a);
    Bytes out = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    Bytes ihdr;
    put_be32(ihdr, (uint32_t)img.width);
    put_be32(ihdr, (uint32_t)img.height);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    chunk(out, "IHDR", ihdr);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", {});
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    size_t put = fwrite(out.data(), 1, out.size(), f);
    return fclose(f) == 0 && put == out.size();
}

// ---- textures as the engine uploads them ----------------------------------------------

struct Tex {
    int w = 0, h = 0;
    std::vector<Rgba> px;   // rows from the bottom (GL order)
    bool clamp = false;
    Rgba at(int x, int y) const
    {
        if (clamp) {
            x = std::clamp(x, 0, w - 1);
            y = std::clamp(y, 0, h - 1);
        } else {
            x = ((x % w) + w) % w;
            y = ((y % h) + h) % h;
        }
        return px[(size_t)y * w + x];
    }
    Rgba sample(float u, float v) const
    {
        float fx = u * (float)w - 0.5f;
        float fy = v * (float)h - 0.5f;
        int x0 = (int)std::floor(fx);
        int y0 = (int)std::floor(fy);
        float tx = fx - (float)x0;
        float ty = fy - (float)y0;
        Rgba a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
        auto mix = [](Rgba p, Rgba q, float t) {
            return Rgba{p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t, p.a + (q.a - p.a) * t};
        };
        return mix(mix(a, b, tx), mix(c, d, tx), ty);
    }
};

void hue_rotate(float &r, float &g, float &b, float degrees)
{
    float c = std::cos(degrees * PI / 180.0f);
    float s = std::sin(degrees * PI / 180.0f);
    float nr = r * (0.213f + 0.787f * c - 0.213f * s) + g * (0.715f - 0.715f * c - 0.715f * s) +
               b * (0.072f - 0.072f * c + 0.928f * s);
    float ng = r * (0.213f - 0.213f * c + 0.143f * s) + g * (0.715f + 0.285f * c + 0.140f * s) +
               b * (0.072f - 0.072f * c - 0.283f * s);
    float nb = r * (0.213f - 0.213f * c - 0.787f * s) + g * (0.715f - 0.715f * c + 0.715f * s) +
               b * (0.072f + 0.928f * c + 0.072f * s);
    r = std::clamp(nr, 0.0f, 1.0f);
    g = std::clamp(ng, 0.0f, 1.0f);
    b = std::clamp(nb, 0.0f, 1.0f);
}

Tex tex_of(const ArtPicture &p, ArtAlpha alpha, bool clamp, float hue = 0.0f)
{
    Tex t;
    t.w = p.colour.width;
    t.h = p.colour.height;
    t.clamp = clamp;
    t.px.resize((size_t)t.w * t.h);
    for (int y = 0; y < t.h; y++) {
        for (int x = 0; x < t.w; x++) {
            const uint8_t *c = p.colour.at(x, t.h - 1 - y);
            Rgba v{c[0] / 255.0f, c[1] / 255.0f, c[2] / 255.0f, 1.0f};
            if (alpha == ArtAlpha::Mask && p.has_mask) {
                v.a = p.mask.at(x, t.h - 1 - y) / 255.0f;
            } else if (alpha == ArtAlpha::Brightness) {
                v.a = (float)((c[0] + c[1] + c[2]) / 3) / 255.0f;
            }
            if (hue != 0.0f) {
                hue_rotate(v.r, v.g, v.b, hue);
            }
            t.px[(size_t)y * t.w + x] = v;
        }
    }
    return t;
}

Tex tex_named(const std::string &path, float hue = 0.0f)
{
    for (const ArtItem &item : art_items()) {
        if (item.colour == path) {
            const ArtPicture *p = art_picture(path);
            if (p) {
                return tex_of(*p, item.alpha, item.clamped, hue);
            }
        }
    }
    return {};
}

// ---- a frame and the overlay's projection ---------------------------------------------

struct Frame {
    int w = 1024, h = 768;
    std::vector<Rgb> px;
    Frame(int width, int height, Rgb clear) : w(width), h(height), px((size_t)width * height, clear) {}
    ImageRgb image() const
    {
        ImageRgb out(w, h);
        for (size_t i = 0; i < px.size(); i++) {
            out.rgb[i * 3] = (uint8_t)std::lround(255.0f * std::clamp(px[i].r, 0.0f, 1.0f));
            out.rgb[i * 3 + 1] = (uint8_t)std::lround(255.0f * std::clamp(px[i].g, 0.0f, 1.0f));
            out.rgb[i * 3 + 2] = (uint8_t)std::lround(255.0f * std::clamp(px[i].b, 0.0f, 1.0f));
        }
        return out;
    }
};

enum class Blend { Normal, Additive };

struct Vert {
    float x, y;    // screen pixels, y down
    float u, v;
    Rgba colour;
};

Vec2 overlay(const Frame &f, float x, float y, float z)
{
    float depth = 30.0f - z;
    float t = std::tan(22.5f * PI / 180.0f);
    float aspect = (float)f.w / (float)f.h;
    float nx = x / depth / (t * aspect);
    float ny = y / depth / t;
    return {(nx + 1.0f) * 0.5f * (float)f.w, (1.0f - ny) * 0.5f * (float)f.h};
}

void draw_tri(Frame &f, const Vert &a, const Vert &b, const Vert &c, const Tex *tex, Blend blend)
{
    float area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (std::fabs(area) < 1e-6f) {
        return;
    }
    int x0 = std::max(0, (int)std::floor(std::min({a.x, b.x, c.x})));
    int x1 = std::min(f.w - 1, (int)std::ceil(std::max({a.x, b.x, c.x})));
    int y0 = std::max(0, (int)std::floor(std::min({a.y, b.y, c.y})));
    int y1 = std::min(f.h - 1, (int)std::ceil(std::max({a.y, b.y, c.y})));
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            float px = (float)x + 0.5f;
            float py = (float)y + 0.5f;
            float w0 = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
            float w1 = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
            float w2 = 1.0f - w0 - w1;
            if (w0 < 0.0f || w1 < 0.0f || w2 < 0.0f) {
                continue;
            }
            Rgba col{a.colour.r * w0 + b.colour.r * w1 + c.colour.r * w2,
                     a.colour.g * w0 + b.colour.g * w1 + c.colour.g * w2,
                     a.colour.b * w0 + b.colour.b * w1 + c.colour.b * w2,
                     a.colour.a * w0 + b.colour.a * w1 + c.colour.a * w2};
            if (tex) {
                Rgba t = tex->sample(a.u * w0 + b.u * w1 + c.u * w2, a.v * w0 + b.v * w1 + c.v * w2);
                col = {col.r * t.r, col.g * t.g, col.b * t.b, col.a * t.a};
            }
            Rgb &d = f.px[(size_t)y * f.w + x];
            if (blend == Blend::Additive) {
                d = {d.r + col.r * col.a, d.g + col.g * col.a, d.b + col.b * col.a};
            } else {
                d = {d.r + (col.r - d.r) * col.a, d.g + (col.g - d.g) * col.a, d.b + (col.b - d.b) * col.a};
            }
        }
    }
}

// A quad of four overlay corners (x, y at one z) with their uvs, as GL_QUADS splits it.
void quad(Frame &f, const Vec2 corners[4], float z, const Vec2 uv[4], const Tex *tex, Rgba colour, Blend blend)
{
    Vert v[4];
    for (int i = 0; i < 4; i++) {
        Vec2 s = overlay(f, corners[i].x, corners[i].y, z);
        v[i] = {s.x, s.y, uv[i].x, uv[i].y, colour};
    }
    draw_tri(f, v[0], v[1], v[2], tex, blend);
    draw_tri(f, v[0], v[2], v[3], tex, blend);
}

void rect(Frame &f, float x1, float y1, float x2, float y2, float z, const Tex *tex, Rgba colour, Blend blend,
          float u0 = 0, float v0 = 0, float u1 = 1, float v1 = 1)
{
    Vec2 c[4] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    Vec2 uv[4] = {{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}};
    quad(f, c, z, uv, tex, colour, blend);
}

// Text with the generated font pages: size 1, advance 0.9, as the glyph drawing sets it.
struct Fonts {
    Tex page[FONT_PAGES];
    bool ok = false;
};

Fonts load_fonts()
{
    Fonts f;
    const FontPage *pages = font_pages(asset_font().c_str(), nullptr);
    if (!pages) {
        return f;
    }
    for (int p = 0; p < FONT_PAGES; p++) {
        ArtPicture pic;
        pic.colour = pages[p].colour;
        pic.mask = pages[p].mask;
        pic.has_mask = true;
        f.page[p] = tex_of(pic, ArtAlpha::Mask, false);
    }
    f.ok = true;
    return f;
}

void text(Frame &f, const Fonts &fonts, const std::string &s, float x, float y, float z, Rgba colour)
{
    if (!fonts.ok) {
        return;
    }
    if (x == 0.0f) {
        x = -0.45f * (float)s.size();
    }
    for (unsigned char ch : s) {
        if (ch > 32) {
            int page = (ch - 32) >> 6;
            float u0 = (float)(ch & 7) / 8.0f;
            float vlo = 0.875f - (float)(((ch - 32) & 63) >> 3) / 8.0f;
            rect(f, x, y, x + 1.0f, y + 1.0f, z, &fonts.page[page], colour, Blend::Normal, u0, vlo, u0 + 0.125f,
                 vlo + 0.125f);
        }
        x += 0.9f;
    }
}

// ---- the mocks ------------------------------------------------------------------------

// The title background (all layers at the given fade) with the tile turned to hue.
void mock_floor(Frame &f, float hue, float fade, int layers, float p1, float p2)
{
    Tex tile = tex_named(std::string(ASSET_STYLES) + "/bitmaps/floor-1_3.bmp", hue);
    float c = std::clamp(3.0f * fade, 0.0f, 1.0f);
    float z = 36.0f;
    auto deg = [](float d) { return d * PI / 180.0f; };
    for (int k = 1; k <= layers; k++) {
        float fk = 0.1f * (float)k;
        z -= 15.0f * fk * std::sin(deg(700.0f * fk + p1)) + 40.0f;
        Vec2 centre{70.0f * fk * std::sin(deg(45.0f)), 70.0f * fk * std::cos(deg(45.0f))};
        float q = 21.0f * std::sin(deg(300.0f * fk + p2));
        Rgba colour{1, 1, 1, (1.0f - fk) * c};
        const Vec2 uv[4] = {{1, 0}, {0, 0}, {0, 1}, {1, 1}};
        for (int sign = 1; sign >= -1; sign -= 2) {
            for (float g : {45.0f, -45.0f}) {
                float e = q;
                float l1 = 50.0f * (float)sign;
                float l2 = 70.5f * (float)sign;
                Vec2 corners[4] = {centre,
                                   {centre.x + l1 * std::cos(deg(e)), centre.y + l1 * std::sin(deg(e))},
                                   {centre.x + l2 * std::cos(deg(e + g)), centre.y + l2 * std::sin(deg(e + g))},
                                   {centre.x + l1 * std::cos(deg(e + 2 * g)), centre.y + l1 * std::sin(deg(e + 2 * g))}};
                quad(f, corners, z, uv, &tile, colour, Blend::Additive);
            }
        }
    }
}

ImageRgb mock_title(const Fonts &fonts)
{
    Frame f(1024, 768, {0, 0, 0});
    mock_floor(f, 70.0f, 1.0f, 6, 120.0f, 24.0f);
    Tex top = tex_named(std::string(ASSET_MENU) + "/titletoppa.bmp");
    float wob = 180.0f;
    for (int i = 0; i < 4; i++) {
        float a = 9.0f + 0.12f * std::sin((wob - 45.0f * (float)i) * PI / 180.0f);
        float b = 4.5f + 0.12f * std::cos((1.5f * wob - 45.0f * (float)i) * PI / 180.0f);
        float fi = (float)i;
        rect(f, 2.25f - a + 0.1f * fi, 3.75f - b + 0.18f * fi, 2.25f + a + 0.1f * fi, 3.75f + b + 0.18f * fi, 10.0f - fi,
             &top, {1, 1, 1, 1.0f / (float)(1 << i)}, Blend::Additive);
    }
    Tex bott = tex_named(std::string(ASSET_MENU) + "/titlebott.bmp");
    Tex botu = tex_named(std::string(ASSET_MENU) + "/titlebotu.bmp");
    rect(f, 7.9f, -7.9f, 10.3f, -5.5f, 10.0f, &bott, {1, 1, 1, 1}, Blend::Normal);
    rect(f, -10.3f, 5.5f, -7.9f, 7.9f, 10.0f, &botu, {1, 1, 1, 1}, Blend::Normal);
    const char *rows[] = {"1 PLAYER", "2 PLAYERS", "HIGH SCORES", "ONLINE SCORES", "SETTINGS", "HELP v1.33"};
    for (int i = 0; i < 6; i++) {
        Rgba col = i == 0 ? Rgba{0.6f, 0.9f, 0.2f, 1} : Rgba{48 / 255.0f, 96 / 255.0f, 0, 1};
        text(f, fonts, rows[i], -11.0f, -(float)i, 6.0f, col);
    }
    text(f, fonts, "QUIT", -11.0f, -7.5f, 6.0f, {48 / 255.0f, 96 / 255.0f, 0, 1});
    Tex curs = tex_named(std::string(ASSET_MENU) + "/curs.bmp");
    rect(f, -6.0f, -1.4f, -5.0f, -0.4f, 6.0f, &curs, {1, 1, 1, 1}, Blend::Normal);
    return f.image();
}

ImageRgb mock_logo(int page)
{
    Frame f(1024, 768, page == 3 ? Rgb{1, 1, 1} : Rgb{0, 0, 0});
    Tex logo = tex_named(std::string(ASSET_MENU) + (page == 3 ? "/logo_3a.bmp" : "/logo_4a.bmp"));
    rect(f, -9.0f, -3.5f, 9.0f, 5.5f, 13.0f, &logo, {1, 1, 1, 1}, Blend::Normal);
    return f.image();
}

// Page 9 (game type belts) above, page 11 (ship and arrows) below, on the dimmed floor.
ImageRgb mock_menu_pages(const Fonts &fonts)
{
    Frame f(1024, 768 * 2, {0, 0, 0});
    Frame top(1024, 768, {0, 0, 0});
    Frame low(1024, 768, {0, 0, 0});
    for (Frame *fr : {&top, &low}) {
        mock_floor(*fr, -100.0f, 0.1f, 6, 40.0f, 8.0f);
    }
    std::vector<Tex> belts;
    for (int b = 1; b <= 8; b++) {
        belts.push_back(tex_named(std::string(ASSET_MENU) + "/belt000" + std::to_string(b) + ".bmp"));
    }
    rect(top, -2.5f, -0.6f, 2.5f, 1.9f, 10.0f, &belts[2], {1, 1, 1, 1}, Blend::Normal);
    for (int i = 0; i < 8; i++) {
        bool open = i <= 4;
        float s = open ? 1.13f + 0.12f * std::sin((75.0f * (float)i + 40.0f) * PI / 180.0f) : 1.0f;
        float c = 2.5f * (float)i - 8.75f;
        rect(top, c - s, -1.0f - s / 2.0f, c + s, s / 2.0f - 1.0f, 10.0f, &belts[i], {1, 1, 1, open ? 1.0f : 0.2f},
             Blend::Normal);
    }
    Tex arrow = tex_named(std::string(ASSET_MENU) + "/leftright.bmp");
    rect(top, -5.0f, -0.75f, -3.0f, 1.625f, 10.0f, &arrow, {1, 1, 1, 1}, Blend::Normal);
    rect(top, 3.0f, -0.75f, 5.0f, 1.625f, 10.0f, &arrow, {1, 1, 1, 1}, Blend::Normal, 1, 0, 0, 1);
    text(top, fonts, "GAME TYPE", 0.0f, 4.0f, 6.0f, {100 / 255.0f, 100 / 255.0f, 1, 1});
    text(top, fonts, "ORANGE", 0.0f, -2.875f, 12.0f, {96 / 255.0f, 192 / 255.0f, 192 / 255.0f, 1});

    Tex ship = tex_named(std::string(ASSET_MENU) + "/ship2.bmp", 0.0f);
    rect(low, -2.0f, -2.0f, 2.0f, 2.0f, 10.0f, &ship, {1, 1, 1, 1}, Blend::Normal);
    rect(low, -5.0f, -1.0f, -3.0f, 1.0f, 10.0f, &arrow, {1, 1, 1, 1}, Blend::Normal);
    rect(low, 3.0f, -1.0f, 5.0f, 1.0f, 10.0f, &arrow, {1, 1, 1, 1}, Blend::Normal, 1, 0, 0, 1);
    text(low, fonts, "SHIPS", 0.0f, 4.0f, 6.0f, {100 / 255.0f, 100 / 255.0f, 1, 1});
    Tex curs = tex_named(std::string(ASSET_MENU) + "/curs.bmp");
    rect(low, 4.2f, -0.6f, 5.2f, 0.4f, 6.0f, &curs, {1, 1, 1, 1}, Blend::Normal);
    for (int y = 0; y < 768; y++) {
        for (int x = 0; x < 1024; x++) {
            f.px[(size_t)y * 1024 + x] = top.px[(size_t)y * 1024 + x];
            f.px[(size_t)(y + 768) * 1024 + x] = low.px[(size_t)y * 1024 + x];
        }
    }
    return f.image();
}

// The five ships (rows) in the twelve hues (columns), 96 pixels each, on a dark field.
ImageRgb mock_ship_hues()
{
    const int cell = 96;
    Frame f(cell * 12, cell * 5, {0.05f, 0.06f, 0.09f});
    for (int ship = 1; ship <= 5; ship++) {
        for (int h = 0; h < 12; h++) {
            Tex t = tex_named(std::string(ASSET_MENU) + "/ship" + std::to_string(ship) + ".bmp", 30.0f * (float)h);
            float x0 = (float)(h * cell), y0 = (float)((ship - 1) * cell);
            Vert a{x0, y0 + cell, 0, 0, {1, 1, 1, 1}}, b{x0 + cell, y0 + cell, 1, 0, {1, 1, 1, 1}},
                c{x0 + cell, y0, 1, 1, {1, 1, 1, 1}}, d{x0, y0, 0, 1, {1, 1, 1, 1}};
            draw_tri(f, a, b, c, &t, Blend::Normal);
            draw_tri(f, a, c, d, &t, Blend::Normal);
        }
    }
    return f.image();
}

// A play frame: an arena floor seen from the play camera (8 pixels a unit) with two
// start rings, the crosshair with its long arms, bullet shadows, and the HUD overlay.
ImageRgb mock_hud(const Fonts &fonts)
{
    Frame f(1024, 768, {0.02f, 0.03f, 0.06f});
    const float ppu = 8.0f;
    auto world = [&](float x, float z) { return Vec2{512.0f + x * ppu, 384.0f + z * ppu}; };
    // A dark floor with a faint grid.
    for (int y = 0; y < 768; y++) {
        for (int x = 0; x < 1024; x++) {
            float wx = ((float)x - 512.0f) / ppu;
            float wz = ((float)y - 384.0f) / ppu;
            float gx = std::fabs(std::fmod(std::fabs(wx), 10.0f) - 5.0f);
            float gz = std::fabs(std::fmod(std::fabs(wz), 10.0f) - 5.0f);
            float line = (gx > 4.85f || gz > 4.85f) ? 0.06f : 0.0f;
            f.px[(size_t)y * 1024 + x] = {0.05f + line, 0.06f + line, 0.10f + line * 1.5f};
        }
    }
    // Rings (radius 18) with two of the grids, texture from 0.1 x world.
    for (int r = 0; r < 2; r++) {
        Tex grid = tex_named(std::string(ASSET_STYLES) + "/bitmaps/z_gridder" + std::to_string(r == 0 ? 1 : 2) + ".bmp");
        Vec2 c{r == 0 ? -30.0f : 32.0f, r == 0 ? 10.0f : -6.0f};
        float radius = 18.0f * (r == 0 ? 1.0f : 0.7f);
        for (int k = 0; k < 8; k++) {
            float q0 = 45.0f * (float)k * PI / 180.0f;
            float q1 = q0 + 45.0f * PI / 180.0f;
            Vec2 p0 = c, p1{c.x + radius * std::sin(q0), c.y + radius * std::cos(q0)},
                 p2{c.x + radius * std::sin(q1), c.y + radius * std::cos(q1)};
            Vec2 s0 = world(p0.x, p0.y), s1 = world(p1.x, p1.y), s2 = world(p2.x, p2.y);
            Vert a{s0.x, s0.y, 0.1f * p0.x, 0.1f * p0.y, {1, 1, 1, 1}};
            Vert b{s1.x, s1.y, 0.1f * p1.x, 0.1f * p1.y, {0, 0, 0, 0}};
            Vert d{s2.x, s2.y, 0.1f * p2.x, 0.1f * p2.y, {0, 0, 0, 0}};
            // Three-channel texture: alpha is the vertex colour's.
            draw_tri(f, a, b, d, &grid, Blend::Additive);
        }
    }
    // Bullet shadows: the sprite's triangle to uv 2, clamped, opaque black.
    Tex shadow = tex_named(std::string(ASSET_STYLES) + "/bitmaps/z_bullet.bmp");
    for (int i = 0; i < 6; i++) {
        float bx = -8.0f + 5.0f * (float)i;
        float bz = 20.0f - 2.0f * (float)i;
        float k = 3.0f * 0.4f;
        Vec2 s0 = world(bx + k, bz + k), s1 = world(bx - 3 * k, bz + k), s2 = world(bx + k, bz - 3 * k);
        draw_tri(f, {s0.x, s0.y, 0, 0, {0, 0, 0, 1}}, {s1.x, s1.y, 2, 0, {0, 0, 0, 1}}, {s2.x, s2.y, 0, 2, {0, 0, 0, 1}},
                 &shadow, Blend::Normal);
        Vec2 s = world(bx, bz);
        for (int y = (int)s.y - 3; y <= (int)s.y + 3; y++) {
            for (int x = (int)s.x - 3; x <= (int)s.x + 3; x++) {
                float dd = std::hypot((float)x + 0.5f - s.x, (float)y + 0.5f - s.y);
                if (dd < 3.2f) {
                    f.px[(size_t)y * 1024 + x] = {1.0f, 0.55f, 0.15f};
                }
            }
        }
    }
    // Crosshair at (a, -b) = (20, 14): long arms (render_biggcrosshair 0.5) in the hit
    // texture's arm region, then the marker.
    Tex hit = tex_named(std::string(ASSET_STYLES) + "/bitmaps/z_enemyhit.bmp");
    Tex cross = tex_named(std::string(ASSET_STYLES) + "/bitmaps/z_crosshair.bmp");
    float a = 20.0f, b = -14.0f, s = 0.4f;
    float kk = 0.5f;
    float wdt = s * 0.1f + 0.3f;
    Vec2 r0{1, 0}, r1{0, 1};
    auto arm = [&](Vec2 across, Vec2 along, float len) {
        Vec2 c{a - wdt * across.x / 2, -b - wdt * across.y / 2};
        for (int sign = -1; sign <= 1; sign += 2) {
            Vec2 p[4] = {c,
                         {c.x + wdt * across.x, c.y + wdt * across.y},
                         {c.x + wdt * across.x + sign * len * along.x, c.y + wdt * across.y + sign * len * along.y},
                         {c.x + sign * len * along.x, c.y + sign * len * along.y}};
            Vec2 uv[4] = {{0.25f, 0.5f}, {0.75f, 0.5f}, {0.75f, 0.75f}, {0.25f, 0.75f}};
            Vert v[4];
            for (int i = 0; i < 4; i++) {
                Vec2 sc = world(p[i].x, p[i].y);
                v[i] = {sc.x, sc.y, uv[i].x, uv[i].y, {kk, kk, kk, kk}};
            }
            draw_tri(f, v[0], v[1], v[2], &hit, Blend::Additive);
            draw_tri(f, v[0], v[2], v[3], &hit, Blend::Additive);
        }
    };
    arm(r0, r1, 150.0f);
    arm(r1, r0, 200.0f);
    float h = 0.5f + 2.1f + s;
    Vec2 c0 = world(a - h, -b - h), c1 = world(a + h, -b - h), c2 = world(a + h, -b + h), c3 = world(a - h, -b + h);
    draw_tri(f, {c0.x, c0.y, 0, 0, {1, 1, 1, 1}}, {c1.x, c1.y, 1, 0, {1, 1, 1, 1}}, {c2.x, c2.y, 1, 1, {1, 1, 1, 1}},
             &cross, Blend::Normal);
    draw_tri(f, {c0.x, c0.y, 0, 0, {1, 1, 1, 1}}, {c2.x, c2.y, 1, 1, {1, 1, 1, 1}}, {c3.x, c3.y, 0, 1, {1, 1, 1, 1}},
             &cross, Blend::Normal);

    // HUD at offset 0, z 0, HUD green.
    Tex atlas = tex_named(std::string(ASSET_MENU) + "/z_playover.bmp");
    Rgba green{0.5f, 0.9f, 0.1f, 1.0f};
    float x = 15.4f;
    for (int i = 0; i < 3; i++, x -= 1.0f) {
        rect(f, x - 0.5f, 11.125f, x + 0.5f, 12.125f, 0.0f, &atlas, green, Blend::Normal, 0.0f, 0.25f, 0.25f, 0.5f);
    }
    x = 15.4f;
    for (int i = 0; i < 2; i++, x -= 1.0f) {
        rect(f, x - 0.5f, 10.125f, x + 0.5f, 11.125f, 0.0f, &atlas, green, Blend::Normal, 0.25f, 0.25f, 0.5f, 0.5f);
    }
    float fill = 0.6f, t = 0.03f;
    rect(f, -4.0f, 11.175f, 4.0f, 12.075f, 0.0f, &atlas, green, Blend::Normal, 0.0f, 0.0f, 1.0f, 0.125f);
    rect(f, -4.0f, 11.175f, -4.0f + 8.0f * fill, 12.075f, 0.0f, &atlas, green, Blend::Normal, t, 0.125f, t + fill,
         0.25f);
    rect(f, -16.0f, -11.26f, -14.2f, -10.36f, 0.0f, &atlas, {0, 0, 0, 1}, Blend::Normal, 0, 0.5f, 1, 1);
    rect(f, -16.0f, -11.2f, -14.2f, -10.3f, 0.0f, &atlas, {1.0f, 155 / 255.0f, 5 / 255.0f, 1}, Blend::Normal, 0, 0.5f,
         1, 1);
    text(f, fonts, "72%", -17.0f, -13.5f, -6.0f, {1.0f, 155 / 255.0f, 5 / 255.0f, 1});
    text(f, fonts, "*3", -1.125f, 7.6f, 9.0f, {0.9f, 0.25f, 0.0f, 1});
    text(f, fonts, "0012450", -19.0f, 13.25f, -6.0f, green);
    return f.image();
}

// A picture as the engine sees it: over a checkerboard where it has alpha, scaled up
// to at least 256 pixels on its longer side.
ImageRgb sheet(const ArtItem &item, const ArtPicture &p)
{
    int scale = std::max(1, 256 / std::max(p.colour.width, p.colour.height));
    Tex t = tex_of(p, item.alpha, true);
    ImageRgb out(p.colour.width * scale, p.colour.height * scale);
    for (int y = 0; y < out.height; y++) {
        for (int x = 0; x < out.width; x++) {
            int sx = x / scale;
            int sy = p.colour.height - 1 - y / scale;
            Rgba c = t.px[(size_t)sy * t.w + sx];
            float check = (((x / 8) + (y / 8)) & 1) ? 0.32f : 0.22f;
            uint8_t *o = out.at(x, y);
            float a = item.alpha == ArtAlpha::Opaque ? 1.0f : c.a;
            o[0] = (uint8_t)std::lround(255.0f * (c.r * a + check * (1.0f - a)));
            o[1] = (uint8_t)std::lround(255.0f * (c.g * a + check * (1.0f - a)));
            o[2] = (uint8_t)std::lround(255.0f * (c.b * a + check * (1.0f - a)));
        }
    }
    return out;
}

}  // namespace

int art_write_previews(const std::string &dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    int written = 0;
    auto save = [&](const std::string &name, const ImageRgb &img) {
        std::string path = dir + "/" + name + ".png";
        if (!png_write(path, img)) {
            fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
            return false;
        }
        written++;
        return true;
    };
    for (const ArtItem &item : art_items()) {
        const ArtPicture *p = art_picture(item.colour);
        if (!p || p->colour.width == 0) {
            fprintf(stderr, "assetgen: cannot build %s\n", item.colour.c_str());
            return -1;
        }
        std::string name = std::filesystem::path(item.colour).stem().string();
        if (!save("art_" + name, sheet(item, *p))) {
            return -1;
        }
    }
    Fonts fonts = load_fonts();
    if (!save("art_mock_title", mock_title(fonts)) || !save("art_mock_logo3", mock_logo(3)) ||
        !save("art_mock_logo4", mock_logo(4)) || !save("art_mock_menu_pages", mock_menu_pages(fonts)) ||
        !save("art_mock_ship_hues", mock_ship_hues()) || !save("art_mock_hud", mock_hud(fonts))) {
        return -1;
    }
    return written;
}
