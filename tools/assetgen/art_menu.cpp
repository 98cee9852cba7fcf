// art_menu.cpp -- the front end's pictures: the lettered name, the corner emblems, the
// two logo pages, the five ships from above, the belts, the arrow and the pointer.

#include "assetgen/art.h"
#include "assetgen/art_draw.h"

#include <algorithm>
#include <cmath>

namespace {

// The front end's palette: deep blue and violet plates, cyan light, gold trim.
const Rgb NAVY = rgb8(14, 20, 52);
const Rgb GOLD = rgb8(255, 196, 64);
const Rgb CYAN = rgb8(70, 200, 255);
const Rgb ICE = rgb8(225, 248, 255);

// The ships' hull colour at hue 0: the twelve hue steps of the ship menu rotate it,
// so every part that should take the player's tint is this hue; glass and engines are
// grey and stay as they are.
const Rgb HULL = rgb8(48, 142, 238);
const Rgb HULL_PLATE = rgb8(28, 88, 182);
const Rgb HULL_ACCENT = rgb8(140, 210, 255);
const Rgb HULL_LINE = rgb8(10, 28, 66);
const Rgb GLASS = rgb8(26, 30, 40);
const Rgb ENGINE = rgb8(255, 244, 214);

ArtPicture masked(const Canvas &c)
{
    ArtPicture p;
    p.colour = canvas_colour_bled(c);
    p.mask = canvas_alpha(c);
    p.has_mask = true;
    return p;
}

Poly mirrored(const Poly &p, float axis)
{
    Poly out;
    for (size_t i = p.size(); i-- > 0;) {
        out.push_back({2.0f * axis - p[i].x, p[i].y});
    }
    return out;
}

Field field_pair(int w, int h, const Poly &right, float axis)
{
    Field f = field_polygon(w, h, right);
    field_union(f, field_polygon(w, h, mirrored(right, axis)));
    return f;
}

// The ink rectangle of the text boxes.
TextBox ink_of(const std::vector<TextBox> &boxes)
{
    TextBox ink{1e9f, 1e9f, -1e9f, -1e9f};
    for (const TextBox &b : boxes) {
        if (b.x1 > b.x0) {
            ink.x0 = std::min(ink.x0, b.x0);
            ink.y0 = std::min(ink.y0, b.y0);
            ink.x1 = std::max(ink.x1, b.x1);
            ink.y1 = std::max(ink.y1, b.y1);
        }
    }
    return ink;
}

// Sets text so that its ink is width pixels wide, centred at centre.
bool text_fit(const std::string &font, const std::string &text, TextStyle style, float width, int w, int h,
              Vec2 centre, ImageGrey *cover, std::vector<TextBox> *boxes)
{
    if (!text_cover(font, text, style, w, h, centre, cover, boxes)) {
        return false;
    }
    TextBox ink = ink_of(*boxes);
    style.pixel_height *= width / std::max(1.0f, ink.x1 - ink.x0);
    style.tracking *= width / std::max(1.0f, ink.x1 - ink.x0);
    return text_cover(font, text, style, w, h, centre, cover, boxes);
}

// The centre of the ink in the top share of a box: the dot of an i.
Vec2 top_ink_centre(const ImageGrey &cover, const TextBox &b, float share)
{
    float sx = 0, sy = 0, sw = 0;
    int y1 = (int)(b.y0 + share * (b.y1 - b.y0));
    for (int y = std::max(0, (int)b.y0); y < std::min(cover.height, y1); y++) {
        for (int x = std::max(0, (int)b.x0); x < std::min(cover.width, (int)b.x1); x++) {
            float v = cover.at(x, y) / 255.0f;
            sx += v * ((float)x + 0.5f);
            sy += v * ((float)y + 0.5f);
            sw += v;
        }
    }
    return sw > 0.0f ? Vec2{sx / sw, sy / sw} : Vec2{(b.x0 + b.x1) * 0.5f, b.y0};
}

void soft_dot(Canvas &c, Vec2 p, float radius, Rgb colour, float strength)
{
    int r = (int)std::ceil(radius * 2.5f);
    for (int y = (int)p.y - r; y <= (int)p.y + r; y++) {
        for (int x = (int)p.x - r; x <= (int)p.x + r; x++) {
            float dx = ((float)x + 0.5f - p.x) / radius;
            float dy = ((float)y + 0.5f - p.y) / radius;
            canvas_add(c, x, y, colour, strength * std::exp(-(dx * dx + dy * dy)));
        }
    }
}

// Facets of a crystal: each triangle from the centre to an edge of the outline, in its
// own flat tone, with a fine light line along the seams.
void paint_crystal(Canvas &c, const Poly &outline, Vec2 centre, const std::vector<Rgb> &tones, float outline_px)
{
    int w = c.w;
    int h = c.h;
    Field whole = field_polygon(w, h, outline);
    canvas_glow(c, whole, CYAN, 10.0f * outline_px, 0.5f);
    for (size_t i = 0; i < outline.size(); i++) {
        Poly facet = {centre, outline[i], outline[(i + 1) % outline.size()]};
        Field f = field_polygon(w, h, facet);
        field_grow(f, 0.5f);   // facets overlap their seams by half a pixel
        Rgb tone = tones[i % tones.size()];
        canvas_fill(c, f, paint_flat(tone));
    }
    for (size_t i = 0; i < outline.size(); i++) {
        Field seam = field_capsule(w, h, centre, outline[i], 0.45f * outline_px);
        field_intersect(seam, whole);
        canvas_fill(c, seam, paint_flat(ICE), 0.55f);
    }
    canvas_fill(c, field_outline(whole, 0.9f * outline_px), paint_flat(NAVY));
}

}  // namespace

const int ART_PLAYER_COLOURS[8][3] = {{255, 255, 255}, {255, 255, 5},  {255, 155, 5}, {15, 200, 15},
                                      {180, 5, 255},   {55, 105, 255}, {125, 50, 5},  {9, 9, 18}};

// ---------------------------------------------------------------------------------------
// The name, lettered and lit: chrome-like cyan lettering with a violet foot, a blue halo,
// a glint on the i and a fall of glitter below. Drawn additively on black, so black is
// clear; the bottom eighth stays dark because the first menu row passes under it.

ArtPicture art_title_top(int width)
{
    const int W = width;
    const int H = width / 2;
    const float s = (float)W / 512.0f;
    Canvas c(W, H);
    ImageGrey cover;
    std::vector<TextBox> boxes;
    TextStyle style;
    style.pixel_height = 110.0f * s;
    style.widen = 0.78f;
    style.slant = 0.16f;
    style.tracking = 1.0f * s;
    if (!text_fit(art_title_font(), "Glimmerfall", style, 0.84f * (float)W, W, H, {0.5f * (float)W, 0.36f * (float)H},
                  &cover, &boxes)) {
        return {};
    }
    TextBox ink = ink_of(boxes);
    Field letters = field_from_cover(cover);
    field_grow(letters, 1.6f * s);   // heavier strokes than the face's bold
    float y0 = ink.y0 - 1.6f * s;
    float y1 = ink.y1 + 1.6f * s;
    float mid = 0.5f * (y0 + y1);

    // A horizontal streak of light behind the letters at their horizon line.
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            float dx = ((float)x + 0.5f - 0.5f * (float)W) / (0.5f * (float)W);
            float dy = ((float)y + 0.5f - (mid + 2.0f * s)) / s;
            float k = std::exp(-dy * dy / 6.0f) * std::max(0.0f, 1.0f - dx * dx);
            canvas_add(c, x, y, rgb8(90, 170, 255), 0.55f * k);
        }
    }
    // Halo: a wide violet haze and a tight blue rim.
    canvas_glow(c, letters, rgb8(130, 50, 255), 30.0f * s, 0.45f);
    canvas_glow(c, letters, rgb8(30, 140, 255), 9.0f * s, 0.95f);
    // Chrome: ice white above the horizon line, a sharp step into deep blue, violet at
    // the foot.
    Paint chrome = paint_vertical(y0, y1,
                                  {{0.0f, rgb8(245, 253, 255)},
                                   {0.30f, rgb8(150, 232, 255)},
                                   {0.50f, rgb8(60, 190, 255)},
                                   {0.53f, rgb8(16, 70, 220)},
                                   {0.78f, rgb8(70, 90, 255)},
                                   {1.0f, rgb8(210, 110, 255)}});
    Lighting lit;
    lit.bevel = 4.0f * s;
    lit.ambient = 0.70f;
    lit.diffuse = 0.50f;
    lit.specular = 0.9f;
    lit.shininess = 16.0f;
    canvas_fill_lit(c, letters, chrome, lit);
    // A bright inner rim along the upper edges.
    Field rim = field_outline(letters, 0.8f * s);
    field_intersect(rim, letters);
    field_intersect(rim, field_from(W, H, [&](Vec2 p) { return 0.5f * (p.y - mid); }));
    canvas_fill(c, rim, paint_flat(ICE), 0.7f);

    // Glints: the dot of the i, the top of the G, the top of the f.
    Vec2 i_dot = top_ink_centre(cover, boxes[2], 0.22f);
    canvas_glint(c, i_dot, 34.0f * s, ICE, 1.0f);
    canvas_glint(c, {boxes[0].x0 + 0.64f * (boxes[0].x1 - boxes[0].x0), boxes[0].y0 + 4.0f * s}, 18.0f * s, ICE, 0.9f);
    canvas_glint(c, top_ink_centre(cover, boxes[6], 0.10f), 14.0f * s, ICE, 0.8f);

    // Glitter falling from the letters: denser and brighter near the baseline, slanted
    // like the letters; it ends above the bottom eighth.
    ArtRandom rnd(18);
    float fall = 0.80f * (float)H - ink.y1;
    for (int i = 0; i < 220; i++) {
        float x = rnd.range(ink.x0 + 14.0f * s, ink.x1 - 6.0f * s);
        float t = rnd.unit();
        t = t * t;
        float y = ink.y1 + 3.0f * s + t * fall;
        float k = (1.0f - t) * (1.0f - t);
        Rgb col = rgb_mix(ICE, rgb8(110, 150, 255), t);
        Vec2 at{x - 0.16f * (y - ink.y1), y};
        soft_dot(c, at, (0.8f + 1.0f * rnd.unit()) * s, col, 0.8f * k + 0.25f);
        if (i % 9 == 0) {
            canvas_glint(c, at, (5.0f + 7.0f * k) * s, ICE, 0.7f * k + 0.3f);
        }
    }
    canvas_fade_edges(c, 10.0f * s);
    ArtPicture p;
    p.colour = canvas_on_black(c);
    return p;
}

// ---------------------------------------------------------------------------------------
// Corner emblems, 128 x 128 with masks: upper left a cut crystal in a gold ring, lower
// right a ship badge with speed lines.

ArtPicture art_corner_emblem(bool upper)
{
    const int S = 128;
    Canvas c(S, S);
    Lighting lit;
    lit.bevel = 6.0f;
    if (upper) {
        Vec2 mid{64.0f, 64.0f};
        Field plate = field_circle(S, S, mid, 50.0f);
        canvas_shadow(c, plate, 3.0f, 4.0f, 6.0f, 0.55f);
        canvas_fill_lit(c, plate,
                        paint_vertical(14.0f, 114.0f, {{0.0f, rgb8(40, 34, 120)}, {1.0f, rgb8(14, 12, 50)}}), lit);
        Field ring = field_ring(S, S, mid, 52.0f, 6.0f);
        canvas_fill_lit(c, ring, paint_vertical(6.0f, 122.0f, {{0.0f, rgb8(255, 228, 130)}, {1.0f, rgb8(200, 120, 30)}}),
                        lit);
        canvas_fill(c, field_outline(ring, 0.8f), paint_flat(rgb8(70, 40, 10)), 0.8f);
        // Ring studs at the four quarters.
        for (int k = 0; k < 4; k++) {
            float a = (float)M_PI * 0.5f * (float)k + (float)M_PI * 0.25f;
            Field stud = field_circle(S, S, {64.0f + 52.0f * std::cos(a), 64.0f + 52.0f * std::sin(a)}, 4.5f);
            Lighting small = lit;
            small.bevel = 3.0f;
            canvas_fill_lit(c, stud, paint_flat(rgb8(255, 240, 200)), small);
        }
        Poly gem = {{64, 16}, {86, 36}, {90, 58}, {64, 112}, {38, 58}, {42, 36}};
        paint_crystal(c, gem, {64.0f, 50.0f},
                      {rgb8(200, 245, 255), rgb8(90, 200, 255), rgb8(40, 120, 240), rgb8(60, 70, 220),
                       rgb8(140, 90, 250), rgb8(120, 220, 255)},
                      1.6f);
        canvas_glint(c, {52.0f, 34.0f}, 14.0f, ICE, 1.0f);
    } else {
        Vec2 mid{64.0f, 64.0f};
        Poly hex;
        for (int k = 0; k < 6; k++) {
            float a = (float)M_PI / 3.0f * (float)k;
            hex.push_back({mid.x + 56.0f * std::sin(a), mid.y - 56.0f * std::cos(a)});
        }
        Field plate = field_polygon(S, S, hex);
        field_grow(plate, -2.0f);
        canvas_shadow(c, plate, 3.0f, 4.0f, 6.0f, 0.55f);
        canvas_fill_lit(c, plate,
                        paint_vertical(8.0f, 120.0f, {{0.0f, rgb8(96, 40, 170)}, {1.0f, rgb8(28, 14, 70)}}), lit);
        Field rim = field_outline(plate, 3.0f);
        field_intersect(rim, plate);
        canvas_fill_lit(c, rim, paint_flat(GOLD), lit);
        canvas_fill(c, field_outline(plate, 0.8f), paint_flat(rgb8(60, 30, 8)));
        // Speed lines behind the ship.
        for (int k = 0; k < 3; k++) {
            float off = (float)(k - 1) * 14.0f;
            Field line = field_capsule(S, S, {40.0f + off, 92.0f - off * 0.2f}, {24.0f + off, 108.0f - off * 0.2f}, 2.6f);
            canvas_fill(c, line, paint_flat(CYAN), 0.85f);
        }
        // The ship, turned to fly to the upper right.
        float a = (float)M_PI * 0.25f;
        auto turn = [&](Poly p) {
            for (Vec2 &v : p) {
                float dx = v.x - 64.0f;
                float dy = v.y - 64.0f;
                v = {64.0f + 4.0f + dx * std::cos(a) - dy * std::sin(a), 64.0f - 2.0f + dx * std::sin(a) + dy * std::cos(a)};
            }
            return p;
        };
        Poly body = {{64, 22}, {70, 40}, {94, 84}, {92, 92}, {72, 84}, {64, 96}, {56, 84}, {36, 92}, {34, 84}, {58, 40}};
        Field ship = field_polygon(S, S, turn(body));
        canvas_glow(c, ship, CYAN, 8.0f, 0.7f);
        Lighting sl = lit;
        sl.bevel = 4.0f;
        canvas_fill_lit(c, ship, paint_vertical(20.0f, 100.0f, {{0.0f, ICE}, {1.0f, rgb8(110, 200, 255)}}), sl);
        Poly canopy = {{64, 40}, {67, 52}, {64, 60}, {61, 52}};
        canvas_fill(c, field_polygon(S, S, turn(canopy)), paint_flat(NAVY));
        canvas_fill(c, field_outline(ship, 0.8f), paint_flat(NAVY), 0.9f);
    }
    return masked(c);
}

// ---------------------------------------------------------------------------------------
// Logo pages, 2:1 and opaque. Page 3 is the studio's card, shown on white: a pale card
// with a navy frame, the prism mark splitting a beam into colours, and the wordmark.
// Page 4 is shown on black: a night-blue field with the falling crystal and the line
// under it. Both cover the whole picture, frame included, so the page reads as one
// rectangle whatever the clear colour.

ArtPicture art_logo(int page, int width)
{
    const int W = width;
    const int H = width / 2;
    const float s = (float)W / 512.0f;
    Canvas c(W, H);
    std::string font = art_title_font();
    ImageGrey cover;
    std::vector<TextBox> boxes;
    Lighting lit;
    lit.bevel = 5.0f * s;
    if (page == 3) {
        Field all = field_box(W, H, {0.5f * W, 0.5f * H}, 0.5f * W + 2.0f, 0.5f * H + 2.0f, 0.0f);
        canvas_fill(c, all, paint_vertical(0.0f, (float)H, {{0.0f, rgb8(250, 251, 254)}, {1.0f, rgb8(222, 230, 242)}}));
        // The mark: a cluster of three faceted sparkles, light facets toward the light.
        struct Sparkle {
            Vec2 at;
            float size;
        };
        const Sparkle sparkles[3] = {{{104.0f * s, 118.0f * s}, 62.0f * s},
                                     {{156.0f * s, 70.0f * s}, 26.0f * s},
                                     {{152.0f * s, 158.0f * s}, 17.0f * s}};
        for (const Sparkle &sp : sparkles) {
            Poly outline = poly_star(sp.at, 4, sp.size, 0.26f * sp.size, 0.0f);
            Field whole = field_polygon(W, H, outline);
            canvas_shadow(c, whole, 3.0f * s, 5.0f * s, 7.0f * s, 0.25f);
            for (size_t i = 0; i < outline.size(); i++) {
                Poly facet = {sp.at, outline[i], outline[(i + 1) % outline.size()]};
                Field f = field_polygon(W, H, facet);
                field_grow(f, 0.5f);
                Rgb tone = (i % 2) == 0 ? rgb8(110, 200, 255) : rgb8(26, 74, 196);
                if (i == 7 || i == 0) {
                    tone = rgb8(215, 244, 255);
                } else if (i == 3 || i == 4) {
                    tone = (i % 2) == 0 ? rgb8(120, 110, 250) : rgb8(60, 30, 170);
                }
                canvas_fill(c, f, paint_flat(tone));
            }
            canvas_fill(c, field_outline(whole, 1.1f * s), paint_flat(NAVY));
        }
        canvas_glint(c, {88.0f * s, 100.0f * s}, 16.0f * s, rgb8(255, 255, 255), 0.9f);
        // Wordmark.
        TextStyle big;
        big.pixel_height = 40.0f * s;
        big.tracking = 3.0f * s;
        if (!text_fit(font, "GLIMMERFALL", big, 250.0f * s, W, H, {340.0f * s, 104.0f * s}, &cover, &boxes)) {
            return {};
        }
        Field word = field_from_cover(cover);
        canvas_fill(c, word, paint_vertical(80.0f * s, 128.0f * s, {{0.0f, rgb8(30, 44, 96)}, {1.0f, rgb8(12, 18, 48)}}));
        TextStyle small;
        small.pixel_height = 20.0f * s;
        small.tracking = 10.0f * s;
        if (!text_fit(font, "DEV TEAM", small, 150.0f * s, W, H, {340.0f * s, 150.0f * s}, &cover, &boxes)) {
            return {};
        }
        canvas_fill(c, field_from_cover(cover), paint_flat(rgb8(40, 120, 220)));
        Field rule = field_box(W, H, {340.0f * s, 128.0f * s}, 125.0f * s, 1.3f * s, 0.0f);
        float r0 = 215.0f * s;
        float r1 = 465.0f * s;
        canvas_fill(c, rule, [r0, r1](float x, float) {
            return rgb_mix(rgb8(40, 190, 255), rgb8(150, 60, 230), std::clamp((x - r0) / (r1 - r0), 0.0f, 1.0f));
        });
        TextStyle line;
        line.pixel_height = 15.0f * s;
        line.slant = 0.2f;
        line.tracking = 2.0f * s;
        if (!text_cover(font, "presents", line, W, H, {0.5f * W, 218.0f * s}, &cover, &boxes)) {
            return {};
        }
        canvas_fill(c, field_from_cover(cover), paint_flat(rgb8(96, 104, 124)));
        // The frame, the same on all four edges so repeated filtering shows no seam.
        Field band = all;
        field_subtract(band, field_box(W, H, {0.5f * W, 0.5f * H}, 0.5f * W - 6.0f * s, 0.5f * H - 6.0f * s, 0.0f));
        canvas_fill(c, band, paint_flat(NAVY));
        ArtPicture p;
        p.colour = canvas_on(c, {1.0f, 1.0f, 1.0f});
        return p;
    }
    // Page 4: night-blue field, stars, the falling crystal with its trail.
    Field all = field_box(W, H, {0.5f * W, 0.5f * H}, 0.5f * W + 2.0f, 0.5f * H + 2.0f, 0.0f);
    canvas_fill(c, all, [W, H](float x, float y) {
        float dx = (x - 0.5f * W) / (0.5f * W);
        float dy = (y - 0.42f * H) / (0.5f * H);
        float k = std::exp(-(dx * dx + dy * dy) * 1.6f);
        return rgb_mix(rgb8(6, 10, 28), rgb8(30, 40, 110), k);
    });
    ArtRandom rnd(44);
    for (int i = 0; i < 90; i++) {
        Vec2 p{rnd.range(4.0f, (float)W - 4.0f), rnd.range(4.0f, (float)H - 4.0f)};
        float b = rnd.unit();
        soft_dot(c, p, (0.5f + 0.6f * b) * s, rgb_mix(rgb8(140, 170, 255), ICE, b), 0.25f + 0.6f * b * b);
    }
    // The trail: a long soft streak from the upper left into the crystal.
    Vec2 head{280.0f * s, 100.0f * s};
    Vec2 tail{70.0f * s, 10.0f * s};
    for (int i = 0; i <= 60; i++) {
        float t = (float)i / 60.0f;
        Vec2 p{tail.x + (head.x - tail.x) * t, tail.y + (head.y - tail.y) * t};
        soft_dot(c, p, (3.0f + 14.0f * t) * s, rgb_mix(rgb8(60, 80, 200), CYAN, t), 0.04f + 0.12f * t);
    }
    for (int i = 0; i < 40; i++) {
        float t = rnd.unit();
        Vec2 p{tail.x + (head.x - tail.x) * t + rnd.range(-10.0f, 10.0f) * s,
               tail.y + (head.y - tail.y) * t + rnd.range(-10.0f, 10.0f) * s};
        soft_dot(c, p, (0.6f + 0.8f * rnd.unit()) * s, ICE, 0.3f + 0.6f * t);
    }
    // The crystal, tipped along its fall.
    float a = std::atan2(head.y - tail.y, head.x - tail.x) - (float)M_PI * 0.5f;
    Poly gem = {{0, 44}, {20, 8}, {16, -22}, {0, -40}, {-16, -22}, {-20, 8}};
    for (Vec2 &v : gem) {
        float x = 1.5f * v.x * s;
        float y = 1.5f * v.y * s;
        v = {head.x + x * std::cos(a) - y * std::sin(a), head.y + x * std::sin(a) + y * std::cos(a)};
    }
    paint_crystal(c, gem, head,
                  {rgb8(200, 245, 255), rgb8(90, 200, 255), rgb8(40, 120, 240), rgb8(60, 70, 220), rgb8(140, 90, 250),
                   rgb8(120, 220, 255)},
                  1.4f * s);
    canvas_glint(c, {head.x + 14.0f * s, head.y + 34.0f * s}, 44.0f * s, ICE, 1.0f);
    TextStyle line;
    line.pixel_height = 22.0f * s;
    line.tracking = 9.0f * s;
    if (!text_fit(font, "ENTER THE ARENA", line, 300.0f * s, W, H, {0.5f * W, 206.0f * s}, &cover, &boxes)) {
        return {};
    }
    Field words = field_from_cover(cover);
    canvas_glow(c, words, rgb8(40, 110, 255), 8.0f * s, 0.6f);
    canvas_fill(c, words, paint_vertical(196.0f * s, 216.0f * s, {{0.0f, ICE}, {1.0f, CYAN}}));
    ArtPicture p;
    p.colour = canvas_on_black(c);
    return p;
}

// ---------------------------------------------------------------------------------------
// Ships from above, 128 x 128, nose up, about 112 pixels long: the hull in the hue-0
// azure with darker plates and lighter trim, grey glass and engines, a navy outline and
// a soft drop shadow. README.md gives each plan for the ship models to follow.

namespace {

struct ShipPlan {
    Field hull;                    // the whole silhouette
    Field plates;                  // darker panels (inside the hull)
    Field trim;                    // light stripes
    Field glass;                   // canopy
    std::vector<Vec2> engines;     // exhaust centres
    float engine_r = 4.0f;
    std::vector<std::pair<Vec2, Vec2>> guns;   // grey barrels under the hull
    std::vector<Vec2> turret;                  // base and muzzle of a turret on top, or none
};

ShipPlan ship_plan(int ship)
{
    const int S = 128;
    ShipPlan p;
    auto cap = [&](Vec2 a, Vec2 b, float r) { return field_capsule(S, S, a, b, r); };
    switch (ship) {
    case 1: {   // Arrow: a slim fuselage, swept delta wings, small tail fins.
        p.hull = field_polygon(S, S, poly_mirror_x({{64, 4}, {71, 24}, {75, 58}, {77, 100}, {72, 116}, {64, 118}}, 64));
        Poly wing = {{72, 48}, {118, 96}, {118, 106}, {100, 108}, {74, 98}};
        p.plates = field_pair(S, S, wing, 64);
        field_union(p.hull, p.plates);
        Poly fin = {{74, 96}, {90, 110}, {88, 120}, {72, 114}};
        field_union(p.hull, field_pair(S, S, fin, 64));
        p.trim = cap({80, 62}, {110, 95}, 2.2f);
        field_union(p.trim, cap({48, 62}, {18, 95}, 2.2f));
        field_union(p.trim, cap({64, 66}, {64, 96}, 1.6f));
        p.glass = field_ellipse(S, S, {64, 40}, 6.5f, 14.0f);
        p.engines = {{58, 117}, {70, 117}};
        p.engine_r = 4.0f;
        p.guns = {{{116, 98}, {116, 82}}, {{12, 98}, {12, 82}}};
        break;
    }
    case 2: {   // Manta: one broad curved wing with gun pods under its tips.
        p.hull = field_polygon(S, S, poly_mirror_x({{64, 12}, {76, 20}, {92, 40}, {110, 60}, {124, 82}, {118, 90},
                                                    {100, 90}, {86, 96}, {76, 108}, {64, 112}},
                                                   64));
        p.plates = field_pair(S, S, {{92, 48}, {124, 84}, {118, 90}, {100, 90}, {90, 93}}, 64);
        Field pods = field_circle(S, S, {94, 82}, 7.0f);
        field_union(pods, field_circle(S, S, {34, 82}, 7.0f));
        field_union(p.hull, pods);
        p.trim = cap({78, 36}, {104, 64}, 2.0f);
        field_union(p.trim, cap({50, 36}, {24, 64}, 2.0f));
        field_union(p.trim, cap({64, 82}, {82, 70}, 1.8f));
        field_union(p.trim, cap({64, 82}, {46, 70}, 1.8f));
        field_union(p.trim, cap({64, 94}, {76, 86}, 1.6f));
        field_union(p.trim, cap({64, 94}, {52, 86}, 1.6f));
        p.glass = field_polygon(S, S, {{64, 30}, {70, 44}, {69, 58}, {64, 62}, {59, 58}, {58, 44}});
        p.engines = {{56, 108}, {72, 108}};
        p.engine_r = 4.5f;
        p.guns = {{{94, 82}, {94, 64}}, {{34, 82}, {34, 64}}};
        break;
    }
    case 3: {   // Twin: two long pointed hulls joined by a swept wing and a centre pod.
        Poly right = poly_mirror_x({{90, 8}, {98, 24}, {101, 62}, {100, 104}, {94, 116}, {90, 117}}, 90);
        p.hull = field_polygon(S, S, right);
        field_union(p.hull, field_polygon(S, S, poly_scaled(right, 1.0f, 1.0f, {-52.0f, 0.0f})));
        Field wing = field_pair(S, S, {{64, 46}, {92, 60}, {92, 86}, {64, 76}}, 64);
        p.plates = wing;
        field_union(p.hull, wing);
        Field pod = field_polygon(S, S, poly_mirror_x({{64, 16}, {71, 34}, {75, 60}, {73, 88}, {64, 98}}, 64));
        field_union(p.hull, pod);
        p.trim = cap({90, 26}, {90, 56}, 2.0f);
        field_union(p.trim, cap({38, 26}, {38, 56}, 2.0f));
        field_union(p.trim, cap({76, 74}, {90, 80}, 1.5f));
        field_union(p.trim, cap({52, 74}, {38, 80}, 1.5f));
        field_union(p.trim, cap({64, 66}, {64, 90}, 1.5f));
        p.glass = field_ellipse(S, S, {64, 46}, 5.5f, 11.0f);
        p.engines = {{38, 116}, {90, 116}, {64, 98}};
        p.engine_r = 4.5f;
        p.guns = {{{38, 10}, {38, 2}}, {{90, 10}, {90, 2}}};
        break;
    }
    case 4: {   // Saucer: a disc with a forward prong, two fins and a central turret.
        p.hull = field_circle(S, S, {64, 68}, 44.0f);
        field_union(p.hull, field_polygon(S, S, {{64, 4}, {76, 30}, {52, 30}}));
        Field fins = field_pair(S, S, {{100, 86}, {120, 108}, {114, 114}, {94, 100}}, 64);
        field_union(p.hull, fins);
        p.plates = field_ring(S, S, {64, 68}, 38.0f, 6.0f);
        field_union(p.plates, fins);
        p.trim = field_ring(S, S, {64, 68}, 26.0f, 1.5f);
        for (int k = 0; k < 8; k++) {
            float a = (float)M_PI * 0.25f * (float)k + (float)M_PI * 0.125f;
            field_union(p.trim, field_circle(S, S, {64.0f + 38.0f * std::sin(a), 68.0f - 38.0f * std::cos(a)}, 2.6f));
        }
        p.glass = field_circle(S, S, {64, 68}, 12.0f);
        p.engines = {{50, 110}, {64, 113}, {78, 110}};
        p.engine_r = 4.5f;
        p.turret = {{64, 70}, {64, 30}};
        break;
    }
    default: {   // Hammer: a heavy body with four engine pods on swept arms.
        p.hull = field_box(S, S, {64, 68}, 15, 40, 9);
        field_union(p.hull, field_polygon(S, S, {{64, 6}, {78, 34}, {50, 34}}));
        Field arms = cap({64, 52}, {30, 36}, 8.5f);
        field_union(arms, cap({64, 52}, {98, 36}, 8.5f));
        field_union(arms, cap({64, 86}, {26, 98}, 8.5f));
        field_union(arms, cap({64, 86}, {102, 98}, 8.5f));
        Field pods = cap({28, 24}, {28, 46}, 10.0f);
        field_union(pods, cap({100, 24}, {100, 46}, 10.0f));
        field_union(pods, cap({24, 86}, {24, 108}, 12.0f));
        field_union(pods, cap({104, 86}, {104, 108}, 12.0f));
        p.plates = arms;
        field_union(p.hull, arms);
        field_union(p.hull, pods);
        p.trim = cap({28, 22}, {28, 40}, 2.0f);
        field_union(p.trim, cap({100, 22}, {100, 40}, 2.0f));
        field_union(p.trim, cap({24, 82}, {24, 100}, 2.4f));
        field_union(p.trim, cap({104, 82}, {104, 100}, 2.4f));
        field_union(p.trim, cap({64, 60}, {64, 100}, 2.0f));
        field_union(p.trim, cap({56, 36}, {72, 36}, 1.5f));
        p.glass = field_ellipse(S, S, {64, 46}, 7.0f, 11.0f);
        p.engines = {{24, 116}, {104, 116}, {64, 109}};
        p.engine_r = 5.0f;
        p.guns = {{{28, 20}, {28, 4}}, {{100, 20}, {100, 4}}};
        break;
    }
    }
    field_intersect(p.plates, p.hull);
    field_intersect(p.trim, p.hull);
    return p;
}

}  // namespace

ArtPicture art_ship(int ship)
{
    const int S = 128;
    Canvas c(S, S);
    // The plans are drawn on 128 design units and fitted into the picture with a margin
    // that keeps the shadow and the exhaust glow off its clamped border.
    const float fit = 0.86f;
    FieldView view(fit, {64.0f * (1.0f - fit), 64.0f * (1.0f - fit)});
    ShipPlan p = ship_plan(ship);
    Field body = p.hull;
    for (const auto &g : p.guns) {
        field_union(body, field_capsule(S, S, g.first, g.second, 2.2f));
    }
    canvas_shadow(c, body, 3.0f, 5.0f, 5.0f, 0.5f);
    Lighting grey;
    grey.bevel = 2.0f;
    for (const auto &g : p.guns) {
        Field gun = field_capsule(S, S, g.first, g.second, 2.2f);
        canvas_fill_lit(c, gun, paint_flat(rgb8(170, 176, 186)), grey);
        canvas_fill(c, field_outline(gun, 0.6f), paint_flat(HULL_LINE));
    }
    // Exhaust glow under the hull's rear edge.
    for (Vec2 e : p.engines) {
        Field flame = field_ellipse(S, S, {e.x, e.y + 3.0f}, p.engine_r * 0.9f, p.engine_r * 1.6f);
        canvas_glow(c, flame, rgb8(255, 230, 170), 6.0f, 0.8f);
        canvas_fill(c, flame, paint_flat(ENGINE));
    }
    Lighting lit;
    lit.bevel = 7.0f;
    lit.ambient = 0.42f;
    lit.diffuse = 0.78f;
    lit.specular = 0.45f;
    canvas_fill_lit(c, p.hull, paint_vertical(4.0f, 120.0f, {{0.0f, rgb_mix(HULL, HULL_ACCENT, 0.25f)}, {1.0f, HULL}}),
                    lit);
    Lighting plate = lit;
    plate.bevel = 3.0f;
    canvas_fill_lit(c, p.plates, paint_flat(HULL_PLATE), plate);
    canvas_fill(c, field_outline(p.plates, 0.5f), paint_flat(HULL_LINE), 0.7f);
    canvas_fill(c, p.trim, paint_flat(HULL_ACCENT), 0.95f);
    // Nozzles: grey rings at the engines.
    for (Vec2 e : p.engines) {
        Field nozzle = field_circle(S, S, e, p.engine_r);
        Lighting n = grey;
        canvas_fill_lit(c, nozzle, paint_flat(rgb8(120, 124, 132)), n);
        canvas_fill(c, field_circle(S, S, e, p.engine_r * 0.55f), paint_flat(ENGINE));
    }
    Lighting glass = lit;
    glass.bevel = 4.0f;
    glass.specular = 1.0f;
    glass.shininess = 30.0f;
    canvas_fill_lit(c, p.glass, paint_flat(GLASS), glass);
    // The glass catches the light along its upper left rim.
    const Field &g = p.glass;
    Field gleam = field_from(S, S, [&](Vec2 q) {
        float inside = g.clamped((int)q.x, (int)q.y) + 1.0f;
        float shifted = g.clamped((int)(q.x - 2.5f), (int)(q.y - 3.5f));
        return std::max(inside, -shifted);
    });
    canvas_fill(c, gleam, paint_flat(rgb8(190, 215, 240)), 0.75f);
    canvas_fill(c, field_outline(p.glass, 0.6f), paint_flat(HULL_LINE));
    if (p.turret.size() == 2) {
        Field barrel = field_capsule(S, S, p.turret[0], p.turret[1], 3.0f);
        Field base = field_circle(S, S, p.turret[0], 6.5f);
        canvas_shadow(c, barrel, 2.0f, 3.0f, 3.0f, 0.4f);
        canvas_fill_lit(c, barrel, paint_flat(rgb8(176, 182, 192)), grey);
        canvas_fill(c, field_outline(barrel, 0.6f), paint_flat(HULL_LINE));
        canvas_fill_lit(c, base, paint_flat(rgb8(150, 156, 166)), grey);
        canvas_fill(c, field_outline(base, 0.6f), paint_flat(HULL_LINE));
    }
    canvas_fill(c, field_outline(p.hull, 0.9f), paint_flat(HULL_LINE));
    return masked(c);
}

// ---------------------------------------------------------------------------------------
// Belts, 256 x 128 over one shared mask: a belt tied at the waist seen from the front -
// the band curving across, a square knot, two tails hanging apart - lit as cloth, with
// stitching along the band. Belt n (1..8) is game type n - 1 in its colour; the black
// belt wears gold bars on its tails. Belt 0 is the unfinished loop: slate grey, its
// stitching drawn as open dashes.

namespace {

struct BeltPlan {
    Field band, knot, wrap, tails, all;
    Field tail_left, tail_right;
};

float band_top(float x)
{
    float t = (x - 128.0f) / 124.0f;
    return 30.0f + 10.0f * (1.0f - t * t);
}

BeltPlan belt_plan()
{
    const int W = 256;
    const int H = 128;
    BeltPlan p;
    Poly band;
    for (int x = 6; x <= 250; x += 4) {
        band.push_back({(float)x, band_top((float)x)});
    }
    for (int x = 250; x >= 6; x -= 4) {
        band.push_back({(float)x, band_top((float)x) + 24.0f});
    }
    p.band = field_polygon(W, H, band);
    p.tail_left = field_box(W, H, {110, 84}, 11.5f, 32, 1.5f, 0.40f);
    p.tail_right = field_box(W, H, {146, 84}, 11.5f, 32, 1.5f, -0.40f);
    p.tails = p.tail_left;
    field_union(p.tails, p.tail_right);
    p.knot = field_box(W, H, {128, 52}, 21, 19, 6);
    p.wrap = field_box(W, H, {128, 52}, 28, 7.5f, 3, -0.55f);
    field_intersect(p.wrap, p.knot);
    p.all = p.band;
    field_union(p.all, p.tails);
    field_union(p.all, p.knot);
    return p;
}

// The stitching: a thin line inset along a part, broken into dashes along x.
Field stitch(const Field &part, float inset, float dash, float gap)
{
    Field f = part;
    for (int y = 0; y < f.h; y++) {
        for (int x = 0; x < f.w; x++) {
            float d = std::fabs(f.at(x, y) + inset) - 0.55f;
            float m = std::fmod((float)x + 0.5f, dash + gap);
            float in_dash = std::max(m - dash, 0.0f) > 0.0f ? std::min(m - dash, dash + gap - m) : -1.0f;
            f.at(x, y) = std::max(d, in_dash);
        }
    }
    return f;
}

}  // namespace

ArtPicture art_belt(int index)
{
    const int W = 256;
    const int H = 128;
    Canvas c(W, H);
    BeltPlan p = belt_plan();
    bool unfinished = index <= 0 || index > 8;
    Rgb base = unfinished ? rgb8(92, 98, 116)
                          : rgb8(ART_PLAYER_COLOURS[index - 1][0], ART_PLAYER_COLOURS[index - 1][1],
                                 ART_PLAYER_COLOURS[index - 1][2]);
    float luma = 0.3f * base.r + 0.59f * base.g + 0.11f * base.b;
    bool dark = luma < 0.25f;
    Rgb shade = rgb_scale(base, 0.62f);
    Rgb seam = dark ? rgb_mix(base, rgb8(200, 200, 215), 0.45f) : rgb_scale(base, 0.45f);
    Rgb edge = dark ? rgb8(96, 100, 120) : rgb_scale(base, 0.32f);

    Lighting cloth;
    cloth.bevel = 6.0f;
    cloth.ambient = 0.70f;   // a flat face shows the game type's colour itself
    cloth.diffuse = 0.55f;
    cloth.specular = dark ? 0.35f : 0.18f;
    cloth.shininess = 10.0f;

    canvas_shadow(c, p.all, 2.0f, 3.0f, 4.0f, 0.55f);
    // Tails first (behind the knot), then the band, the knot and its wrap.
    canvas_fill_lit(c, p.tails, paint_vertical(50.0f, 118.0f, {{0.0f, shade}, {0.4f, base}, {1.0f, base}}), cloth);
    canvas_fill(c, field_outline(p.tails, 0.7f), paint_flat(edge));
    canvas_fill_lit(c, p.band, paint_vertical(30.0f, 64.0f, {{0.0f, base}, {1.0f, rgb_mix(base, shade, 0.6f)}}), cloth);
    canvas_fill(c, field_outline(p.band, 0.7f), paint_flat(edge));
    float dash = unfinished ? 3.0f : 5.0f;
    float gap = unfinished ? 4.0f : 2.5f;
    canvas_fill(c, stitch(p.band, 5.0f, dash, gap), paint_flat(seam), 0.9f);
    canvas_fill(c, stitch(p.tails, 4.0f, dash, gap), paint_flat(seam), 0.9f);
    Lighting knot = cloth;
    knot.bevel = 8.0f;
    canvas_fill_lit(c, p.knot, paint_flat(rgb_mix(base, shade, 0.25f)), knot);
    canvas_fill(c, field_outline(p.knot, 0.7f), paint_flat(edge));
    Lighting fold = cloth;
    fold.bevel = 4.0f;
    canvas_fill_lit(c, p.wrap, paint_flat(base), fold);
    canvas_fill(c, field_outline(p.wrap, 0.6f), paint_flat(edge), 0.9f);
    if (index == 8) {
        // Gold rank bars across both tails near their ends.
        for (int side = -1; side <= 1; side += 2) {
            float a = side < 0 ? 0.40f : -0.40f;
            Vec2 centre{128.0f + (float)side * 18.0f, 84.0f};
            for (int k = 0; k < 2; k++) {
                float along = 12.0f + 8.0f * (float)k;
                Vec2 at{centre.x - along * std::sin(a), centre.y + along * std::cos(a)};
                Field bar = field_box(W, H, at, 12.5f, 2.2f, 0.5f, a);
                Field tail = side < 0 ? p.tail_left : p.tail_right;
                field_intersect(bar, tail);
                canvas_recolour(c, bar, paint_flat(GOLD));   // the silhouette stays the shared one
            }
        }
    }
    // The mask is the same silhouette for every belt: clear outside, solid inside, the
    // shadow's soft half-alpha around it.
    ArtPicture out = masked(c);
    return out;
}

// ---------------------------------------------------------------------------------------
// The left arrow (the right one is drawn mirrored), 128 x 128: a rounded cyan triangle
// with a navy rim and a light inner chevron.

ArtPicture art_arrow()
{
    const int S = 128;
    Canvas c(S, S);
    Field tri = field_polygon(S, S, {{34, 64}, {94, 28}, {94, 100}});
    field_grow(tri, 12.0f);
    canvas_shadow(c, tri, 3.0f, 5.0f, 6.0f, 0.5f);
    canvas_glow(c, tri, CYAN, 8.0f, 0.35f);
    Lighting lit;
    lit.bevel = 10.0f;
    lit.specular = 0.7f;
    canvas_fill_lit(c, tri, paint_vertical(16.0f, 112.0f, {{0.0f, rgb8(140, 235, 255)}, {1.0f, rgb8(20, 120, 230)}}), lit);
    Field inner = field_polygon(S, S, {{50, 64}, {84, 44}, {84, 84}});
    field_grow(inner, 3.0f);
    canvas_fill(c, field_outline(inner, 1.6f), paint_flat(ICE), 0.55f);
    canvas_fill(c, field_outline(tri, 1.5f), paint_flat(NAVY));
    return masked(c);
}

// ---------------------------------------------------------------------------------------
// The pointer, 64 x 64: a classic arrow whose tip is the picture's upper left corner
// (the menu puts the picture's lower left corner at the pointer position, so the tip
// stands one unit above it, on the row being pointed at). Ice white with a cyan foot and
// a navy rim; a clear margin keeps the repeated filtering off the opposite edges.

ArtPicture art_cursor()
{
    const int S = 64;
    Canvas c(S, S);
    Poly arrow = {{4, 4}, {4, 48}, {15, 38}, {24, 57}, {32, 53}, {23, 35}, {38, 35}};
    Field f = field_polygon(S, S, arrow);
    canvas_shadow(c, f, 2.0f, 3.0f, 3.0f, 0.45f);
    Lighting lit;
    lit.bevel = 4.0f;
    lit.ambient = 0.6f;
    lit.diffuse = 0.5f;
    canvas_fill_lit(c, f, paint_vertical(4.0f, 58.0f, {{0.0f, rgb8(255, 255, 255)}, {1.0f, rgb8(120, 210, 255)}}), lit);
    canvas_fill(c, field_outline(f, 1.2f), paint_flat(NAVY));
    return masked(c);
}
