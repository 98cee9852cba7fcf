// art_hud.cpp -- the HUD atlas and the arena markers: z_playover, the crosshair, the
// hit flash, the four ring grids, the bullet shadow and the title background tile.

#include "assetgen/art.h"
#include "assetgen/art_draw.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float PI = 3.14159265358979f;

// Distance from v to the nearest multiple of period.
float to_multiple(float v, float period)
{
    float m = std::fmod(v, period);
    if (m < 0.0f) {
        m += period;
    }
    return std::min(m, period - m);
}

float gauss(float d, float width)
{
    return std::exp(-(d * d) / (width * width));
}

ArtPicture brightness(const Canvas &c)
{
    ArtPicture p;
    p.colour = canvas_on_black(c);
    return p;
}

// A plain grey picture from a brightness function of the pixel centre.
ArtPicture grey_picture(int w, int h, Rgb tint, const std::function<float(float x, float y)> &value)
{
    ArtPicture p;
    p.colour = ImageRgb(w, h);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            float v = std::clamp(value((float)x + 0.5f, (float)y + 0.5f), 0.0f, 1.0f);
            uint8_t *o = p.colour.at(x, y);
            o[0] = (uint8_t)std::lround(255.0f * v * tint.r);
            o[1] = (uint8_t)std::lround(255.0f * v * tint.g);
            o[2] = (uint8_t)std::lround(255.0f * v * tint.b);
        }
    }
    return p;
}

const Rgb WHITE = {1.0f, 1.0f, 1.0f};

}  // namespace

// v from the file's first (bottom) row, as the HUD drawing reads the atlas.
const ArtRegion ART_HUD_REGIONS[5] = {
    {"bar background", 0.0f, 0.0f, 1.0f, 0.125f},
    {"bar fill", 0.0f, 0.125f, 1.0f, 0.25f},
    {"life icon", 0.0f, 0.25f, 0.25f, 0.5f},
    {"bomb icon", 0.25f, 0.25f, 0.5f, 0.5f},
    {"difficulty box", 0.0f, 0.5f, 1.0f, 1.0f},
};

// ---------------------------------------------------------------------------------------
// z_playover, 256 x 256, grey: the HUD tints it (green for icons and bar, the level's
// colour for the box) and its brightness is its alpha, so light parts are solid, mid
// greys see-through, black clear. Every region keeps a dark margin so filtering never
// pulls one region's edge into its neighbour. Picture rows from the top: 0-127 the box,
// 128-191 the icons, 192-223 the bar fill, 224-255 the bar background.

ArtPicture art_hud_atlas()
{
    const int S = 256;
    Canvas c(S, S);
    Lighting lit;
    lit.ambient = 0.55f;
    lit.diffuse = 0.6f;
    lit.specular = 0.25f;

    // Difficulty box: a rounded plate with a raised rim and a belt knot across it.
    Field plate = field_box(S, S, {128, 64}, 120, 56, 26);
    lit.bevel = 12.0f;
    canvas_fill_lit(c, plate, paint_flat(rgb8(236, 236, 236)), lit);
    Field inner = field_box(S, S, {128, 64}, 104, 40, 16);
    canvas_fill(c, field_outline(inner, 2.0f), paint_flat(rgb8(150, 150, 150)));
    Field band = field_box(S, S, {128, 64}, 104, 10, 2);
    canvas_fill(c, band, paint_flat(rgb8(170, 170, 170)));
    Field knot = field_box(S, S, {128, 64}, 22, 22, 6);
    Lighting kl = lit;
    kl.bevel = 6.0f;
    canvas_fill_lit(c, knot, paint_flat(rgb8(255, 255, 255)), kl);
    Field fold = field_box(S, S, {128, 64}, 28, 6, 2, -0.6f);
    field_intersect(fold, knot);
    canvas_fill(c, field_outline(fold, 1.5f), paint_flat(rgb8(150, 150, 150)));

    // Life: a ship from above, nose up.
    Field ship = field_polygon(S, S, poly_mirror_x({{32, 132}, {37, 146}, {39, 158}, {58, 178}, {58, 185}, {40, 182},
                                                     {36, 188}, {32, 188}},
                                                    32));
    lit.bevel = 4.0f;
    canvas_fill_lit(c, ship, paint_flat(rgb8(245, 245, 245)), lit);
    canvas_fill(c, field_ellipse(S, S, {32, 156}, 3.0f, 7.0f), paint_flat(rgb8(120, 120, 120)));
    Field wing_line = field_capsule(S, S, {40, 166}, {52, 178}, 1.0f);
    field_union(wing_line, field_capsule(S, S, {24, 166}, {12, 178}, 1.0f));
    canvas_fill(c, wing_line, paint_flat(rgb8(160, 160, 160)));

    // Smart bomb: a round bomb with a capped fuse and its spark.
    Field bomb = field_circle(S, S, {92, 166}, 18.0f);
    lit.bevel = 18.0f;
    lit.specular = 0.6f;
    canvas_fill_lit(c, bomb, paint_flat(rgb8(215, 215, 215)), lit);
    Field cap = field_box(S, S, {104, 151}, 6, 4.5f, 1.5f, -0.75f);
    lit.bevel = 3.0f;
    canvas_fill_lit(c, cap, paint_flat(rgb8(250, 250, 250)), lit);
    canvas_fill(c, field_capsule(S, S, {107, 147}, {113, 140}, 1.6f), paint_flat(rgb8(200, 200, 200)));
    canvas_glint(c, {115.0f, 138.0f}, 9.0f, WHITE, 1.0f);

    // Bar fill: light chevrons repeating every 16 pixels (the scroll wraps at
    // 1/16 of u), a glossy line along the upper third, soft top and bottom edges inside
    // the trough of the background.
    for (int y = 192; y < 224; y++) {
        float ry = (float)(y - 192) + 0.5f;
        float edge = smoothstep01(6.0f, 9.0f, ry) * (1.0f - smoothstep01(23.0f, 26.0f, ry));
        for (int x = 0; x < S; x++) {
            // Chevrons pointing along the bar: stripes bent at the bar's middle line.
            float phase = 2.0f * PI * ((float)x + 0.5f + 0.8f * std::fabs(ry - 16.0f)) / 16.0f;
            float stripe = smoothstep01(0.3f, 0.7f, 0.5f + 0.5f * std::cos(phase));
            float v = 0.42f + 0.58f * stripe + 0.2f * gauss(ry - 11.0f, 1.5f);
            v = std::min(1.0f, v) * edge;
            c.at(x, y) = {1.0f, 1.0f, 1.0f, v};
        }
    }
    // Bar background: a rounded trough with a bright rim and a dim see-through floor.
    Field trough = field_box(S, S, {128, 240}, 124, 13, 12);
    canvas_fill(c, trough, paint_flat(rgb8(255, 255, 255)), 0.22f);
    canvas_fill(c, field_outline(trough, 1.3f), paint_flat(rgb8(235, 235, 235)));
    for (int k = 1; k < 4; k++) {
        Field tick = field_box(S, S, {64.0f * (float)k, 240.0f}, 0.9f, 7.0f, 0.5f);
        canvas_fill(c, tick, paint_flat(rgb8(170, 170, 170)), 0.8f);
    }
    return brightness(c);
}

// ---------------------------------------------------------------------------------------
// The crosshair, 128 x 128 with a mask: a ring with four inward ticks and a centre dot,
// ice white over a navy rim so it reads on bright and dark floors; a clear border for
// the repeated, mip-mapped texture.

ArtPicture art_crosshair()
{
    const int S = 128;
    Canvas c(S, S);
    Vec2 mid{64, 64};
    Field mark = field_ring(S, S, mid, 38.0f, 3.2f);
    for (int k = 0; k < 4; k++) {
        float a = PI * 0.5f * (float)k;
        Vec2 dir{std::sin(a), -std::cos(a)};
        field_union(mark, field_capsule(S, S, {mid.x + 24.0f * dir.x, mid.y + 24.0f * dir.y},
                                        {mid.x + 48.0f * dir.x, mid.y + 48.0f * dir.y}, 3.2f));
    }
    field_union(mark, field_circle(S, S, mid, 4.5f));
    Field rim = mark;
    field_grow(rim, 2.5f);
    canvas_glow(c, rim, rgb8(40, 160, 255), 6.0f, 0.5f);
    canvas_fill(c, rim, paint_flat(rgb8(10, 24, 60)), 0.85f);
    Lighting lit;
    lit.bevel = 2.5f;
    lit.ambient = 0.7f;
    lit.diffuse = 0.4f;
    canvas_fill_lit(c, mark, paint_flat(rgb8(205, 245, 255)), lit);
    ArtPicture p;
    p.colour = canvas_colour_bled(c);
    p.mask = canvas_alpha(c);
    p.has_mask = true;
    return p;
}

// ---------------------------------------------------------------------------------------
// The hit flash, 128 x 128, seamless: warm white light in soft bands, brightest along
// u = 0 and 0.5 and along v = 0 and 0.5 (v from the bottom row), with a grain of noise.
// Its region u 0.25-0.75, v 0.5-0.75 is the long crosshair arm: across u a soft line
// peaking at 0.5, along v bright at the marker (0.5) and dimming outward.

ArtPicture art_enemy_hit()
{
    const int S = 128;
    return grey_picture(S, S, rgb8(255, 246, 228), [&](float x, float y) {
        float u = x / (float)S;
        float v = 1.0f - y / (float)S;
        float across = 0.5f + 0.5f * std::cos(4.0f * PI * (u - 0.5f));
        float along = 0.5f + 0.5f * std::cos(4.0f * PI * (v - 0.5f));
        float grain = noise_tiled(u, v, 16, 7) * 0.6f + noise_tiled(u, v, 32, 9) * 0.4f;
        float value = (0.36f + 0.64f * std::pow(across, 1.6f)) * (0.6f + 0.4f * along);
        return value * (0.85f + 0.3f * grain);
    });
}

// ---------------------------------------------------------------------------------------
// Ring grids, 128 x 128, seamless (the ring maps 10 world units onto the picture): thin
// glowing lines on a faint haze, each its own pattern and cool tint.

ArtPicture art_gridder(int pattern)
{
    const int S = 128;
    switch (pattern) {
    case 1:   // square grid of 5-unit cells, bright crossings
        return grey_picture(S, S, rgb8(110, 225, 255), [](float x, float y) {
            float dx = to_multiple(x, 64.0f);
            float dy = to_multiple(y, 64.0f);
            float line = std::max(gauss(dx, 1.6f), gauss(dy, 1.6f));
            float glow = 0.3f * std::max(gauss(dx, 6.0f), gauss(dy, 6.0f));
            float cross = gauss(std::sqrt(dx * dx + dy * dy), 4.0f);
            float fine = 0.25f * std::max(gauss(to_multiple(x, 16.0f), 0.8f), gauss(to_multiple(y, 16.0f), 0.8f));
            return 0.07f + line + glow + cross + fine;
        });
    case 2:   // honeycomb
        return grey_picture(S, S, rgb8(150, 150, 255), [](float x, float y) {
            const float a = 128.0f / 3.0f;
            const float b = 32.0f;
            float best = 1e9f;
            float second = 1e9f;
            Vec2 c1{}, c2{};
            for (int j = -1; j <= 5; j++) {
                for (int i = -1; i <= 4; i++) {
                    Vec2 c{(float)i * a + ((j & 1) ? 0.5f * a : 0.0f), (float)j * b};
                    float d = (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y);
                    if (d < best) {
                        second = best;
                        c2 = c1;
                        best = d;
                        c1 = c;
                    } else if (d < second) {
                        second = d;
                        c2 = c;
                    }
                }
            }
            float gap = std::sqrt((c2.x - c1.x) * (c2.x - c1.x) + (c2.y - c1.y) * (c2.y - c1.y));
            float edge = (second - best) / (2.0f * gap);
            float centre = gauss(std::sqrt(best), 3.0f);
            return 0.07f + gauss(edge, 1.5f) + 0.3f * gauss(edge, 6.0f) + 0.6f * centre;
        });
    case 3:   // diamond lattice with a dot in each diamond
        return grey_picture(S, S, rgb8(90, 255, 200), [](float x, float y) {
            float d1 = to_multiple(x + y, 64.0f) * 0.7071f;
            float d2 = to_multiple(x - y, 64.0f) * 0.7071f;
            float line = std::max(gauss(d1, 1.5f), gauss(d2, 1.5f));
            float glow = 0.3f * std::max(gauss(d1, 6.0f), gauss(d2, 6.0f));
            float cx = to_multiple(x - 32.0f, 64.0f);
            float cy = to_multiple(y, 64.0f);
            float ex = to_multiple(x, 64.0f);
            float ey = to_multiple(y - 32.0f, 64.0f);
            float dots = std::max(gauss(std::sqrt(cx * cx + cy * cy), 3.5f), gauss(std::sqrt(ex * ex + ey * ey), 3.5f));
            return 0.07f + line + glow + dots;
        });
    default:   // target rings on a faint square grid
        return grey_picture(S, S, rgb8(180, 205, 255), [](float x, float y) {
            float cx = to_multiple(x - 32.0f, 64.0f);
            float cy = to_multiple(y - 32.0f, 64.0f);
            float r = std::sqrt(cx * cx + cy * cy);
            float rings = std::max(gauss(r - 22.0f, 1.6f), 0.7f * gauss(r - 12.0f, 1.2f));
            float glow = 0.3f * gauss(r - 22.0f, 6.0f);
            float grid = 0.45f * std::max(gauss(to_multiple(x, 64.0f), 1.2f), gauss(to_multiple(y, 64.0f), 1.2f));
            return 0.07f + rings + glow + grid + gauss(r, 2.5f);
        });
    }
}

// ---------------------------------------------------------------------------------------
// The bullet shadow, 64 x 64: drawn in opaque black with the picture's brightness as
// alpha, so a white soft disc is a soft shadow. Its border is black: the sprite runs its
// texture to uv 2 with clamping.

ArtPicture art_bullet_shadow()
{
    const int S = 64;
    return grey_picture(S, S, WHITE, [](float x, float y) {
        float dx = (x - 32.0f) / 24.0f;   // 8 clear texels on every edge, down to the 8 x 8 mip level
        float dy = (y - 32.0f) / 24.0f;
        float r2 = dx * dx + dy * dy;
        if (r2 >= 1.0f) {
            return 0.0f;
        }
        float k = 1.0f - r2;
        return 0.85f * k * k;
    });
}

// ---------------------------------------------------------------------------------------
// The title background tile, 256 x 256. The title draws it four times around a centre,
// mirrored, with the texture's u = 1, v = 0 corner (the picture's lower right) at the
// centre: a kaleidoscope of rings, spokes and faceted cells in saturated blue that the
// loader turns to a random hue. It fades out before the far edges, so the turned squares
// never show their outline.

ArtPicture art_title_floor()
{
    const int S = 256;
    Canvas c(S, S);
    for (int y = 0; y < S; y++) {
        for (int x = 0; x < S; x++) {
            float dx = ((float)S - ((float)x + 0.5f)) / (float)S;
            float dy = ((float)S - ((float)y + 0.5f)) / (float)S;
            float r = std::sqrt(dx * dx + dy * dy);
            float th = std::atan2(dy, dx);   // 0 .. pi/2
            float fade = 1.0f - smoothstep01(0.78f, 0.97f, r);
            if (fade <= 0.0f) {
                continue;
            }
            float line = 0.0f;
            const float rings[4] = {0.16f, 0.40f, 0.62f, 0.84f};
            for (float r0 : rings) {
                line = std::max(line, 0.42f * gauss(r - r0, 0.005f) + 0.12f * gauss(r - r0, 0.03f));
            }
            float spoke = 0.0f;
            if (r > 0.16f && r < 0.84f) {
                for (int k = 0; k <= 4; k++) {
                    float a = PI * 0.125f * (float)k;
                    spoke = std::max(spoke, 0.22f * gauss(r * std::fabs(std::sin(th - a)), 0.004f));
                }
            }
            // Cells between the rings: alternate tones by sector and band, under a
            // drifting nebula.
            int band = r < 0.16f ? 0 : r < 0.40f ? 1 : r < 0.62f ? 2 : 3;
            int sector = (int)std::floor(th / (PI * 0.125f));
            float cell = ((band + sector) & 1) ? 0.13f : 0.06f;
            if (band == 0) {
                cell = 0.30f * (1.0f - r / 0.16f) + 0.08f;
            }
            float u = (float)x / S;
            float w = (float)y / S;
            float cloud = 0.55f * noise_tiled(u, w, 4, 3) + 0.3f * noise_tiled(u, w, 8, 5) + 0.15f * noise_tiled(u, w, 16, 6);
            cloud = smoothstep01(0.35f, 0.85f, cloud);
            float v = std::min(1.0f, cell + 0.30f * cloud + line + spoke) * fade;
            float hot = std::min(1.0f, 2.0f * (line + spoke));
            Rgb col = rgb_mix(rgb_mix(rgb8(30, 60, 255), rgb8(90, 40, 255), cloud), rgb8(120, 200, 255), hot);
            c.at(x, y) = {col.r, col.g, col.b, v};
        }
    }
    // Glints where the spokes cross the rings.
    for (float r0 : {0.40f, 0.62f}) {
        for (int k = 0; k <= 4; k++) {
            float a = PI * 0.125f * (float)k;
            Vec2 p{(float)S - r0 * std::cos(a) * (float)S, (float)S - r0 * std::sin(a) * (float)S};
            canvas_glint(c, p, 9.0f, rgb8(170, 215, 255), 0.55f);
        }
    }
    return brightness(c);
}
