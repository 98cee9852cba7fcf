// art_draw.h -- the generator's 2D drawing kit for the front-end and HUD pictures.
//
// Shapes are signed distance fields (pixels, negative inside), so outlines stay clean
// at any size, edges are anti-aliased over one pixel, and the same field gives the
// bevel that lights a shape and the halo around it. Pictures are painted into a
// float RGBA canvas (straight alpha, rows from the top, y down) and converted at the
// end into the two forms the engine reads: a colour picture with a grey mask, or a
// colour picture whose brightness is its alpha (drawn on black).
#pragma once

#include "assetgen/formats.h"

#include <functional>
#include <string>
#include <vector>

struct Vec2 {
    float x = 0;
    float y = 0;
};
using Poly = std::vector<Vec2>;

struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};
struct Rgba {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
};

// Colours from 0..255 bytes.
Rgb rgb8(int r, int g, int b);
Rgb rgb_mix(Rgb a, Rgb b, float t);
Rgb rgb_scale(Rgb c, float k);

// A signed distance field over a w x h picture.
struct Field {
    int w = 0;
    int h = 0;
    std::vector<float> d;
    Field() = default;
    Field(int width, int height, float value) : w(width), h(height), d((size_t)width * height, value) {}
    float at(int x, int y) const { return d[(size_t)y * w + x]; }
    float &at(int x, int y) { return d[(size_t)y * w + x]; }
    // The distance at a clamped pixel.
    float clamped(int x, int y) const;
};

// While a view lives, the primitive fields below take their coordinates and sizes in
// design units, placed on the picture as pixel = design * scale + offset: one design
// can be fitted into a margin without restating its numbers.
class FieldView {
public:
    FieldView(float scale, Vec2 offset);
    ~FieldView();
    FieldView(const FieldView &) = delete;
    FieldView &operator=(const FieldView &) = delete;

private:
    float saved_scale_;
    Vec2 saved_offset_;
};
// A design point on the picture under the current view.
Vec2 view_point(Vec2 design);

// Primitive fields. Coordinates are pixels with (0, 0) the top left corner of the
// picture and pixel centres at +0.5.
Field field_polygon(int w, int h, const Poly &poly);   // non-zero winding
Field field_circle(int w, int h, Vec2 centre, float radius);
Field field_ellipse(int w, int h, Vec2 centre, float rx, float ry);
Field field_capsule(int w, int h, Vec2 a, Vec2 b, float radius);
// A box of half sizes (hx, hy) turned by angle (radians) with rounded corners.
Field field_box(int w, int h, Vec2 centre, float hx, float hy, float round, float angle = 0.0f);
// A ring: the band |distance to the circle| < half_width.
Field field_ring(int w, int h, Vec2 centre, float radius, float half_width);
// Any distance function of the pixel centre.
Field field_from(int w, int h, const std::function<float(Vec2)> &distance);
// From a coverage picture (0..255), by an exact distance transform.
Field field_from_cover(const ImageGrey &cover);

// Combinations, in place on the first field.
void field_union(Field &a, const Field &b);
void field_subtract(Field &a, const Field &b);
void field_intersect(Field &a, const Field &b);
void field_grow(Field &a, float pixels);
// The outline band of a field: |d| - half_width.
Field field_outline(const Field &a, float half_width);

// Points of common outlines.
Poly poly_mirror_x(const Poly &half, float axis);   // a right half and its mirror, as one outline
Poly poly_scaled(const Poly &p, float sx, float sy, Vec2 offset);
Poly poly_star(Vec2 centre, int points, float outer, float inner, float angle);

// Colour at a pixel.
using Paint = std::function<Rgb(float x, float y)>;
Paint paint_flat(Rgb c);
// A vertical gradient through the stops (t from 0 at y0 to 1 at y1).
Paint paint_vertical(float y0, float y1, std::vector<std::pair<float, Rgb>> stops);

// How a filled shape is lit: a bevel of the given width rises from its edge, lit from
// the upper left.
struct Lighting {
    float bevel = 6.0f;       // pixels
    float ambient = 0.38f;
    float diffuse = 0.72f;
    float specular = 0.55f;
    float shininess = 24.0f;
    float light_x = -0.55f;   // direction toward the light, picture axes (y down), toward the viewer
    float light_y = -0.65f;
    float light_z = 0.55f;
};

struct Canvas {
    int w = 0;
    int h = 0;
    std::vector<Rgba> px;
    Canvas() = default;
    Canvas(int width, int height) : w(width), h(height), px((size_t)width * height) {}
    Rgba &at(int x, int y) { return px[(size_t)y * w + x]; }
    const Rgba &at(int x, int y) const { return px[(size_t)y * w + x]; }
};

// The coverage of a field at a pixel: 1 inside, 0 outside, a one-pixel ramp between.
float field_cover(float d);

// Painting, composited over what the canvas holds ("over", straight alpha).
void canvas_fill(Canvas &c, const Field &f, const Paint &paint, float opacity = 1.0f);
void canvas_fill_lit(Canvas &c, const Field &f, const Paint &paint, const Lighting &light, float opacity = 1.0f);
// A halo outside the shape falling off over radius pixels.
void canvas_glow(Canvas &c, const Field &f, Rgb colour, float radius, float strength);
// Recolours what the canvas holds inside the shape, leaving its alpha as it is.
void canvas_recolour(Canvas &c, const Field &f, const Paint &paint, float opacity = 1.0f);
// A soft shadow of the shape, moved by (dx, dy) pixels, its edge blurred over softness.
void canvas_shadow(Canvas &c, const Field &f, float dx, float dy, float softness, float strength);
// Fades the whole picture to clear over margin pixels at its border.
void canvas_fade_edges(Canvas &c, float margin);
// Light added onto the colour already there (alpha unchanged where already covered,
// raised by the added brightness elsewhere): highlights, sparkles, glows on black.
void canvas_add(Canvas &c, int x, int y, Rgb light, float alpha);
// A four-pointed glint with a round core.
void canvas_glint(Canvas &c, Vec2 centre, float size, Rgb colour, float strength);

// Text set with FreeType on one line: the coverage picture of the given size and the
// boxes of the drawn characters (x0, y0, x1, y1 in pixels, one per character, blanks
// included with empty boxes). Returns false when the font cannot be used.
struct TextBox {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
struct TextStyle {
    float pixel_height = 32.0f;   // em size in pixels
    float widen = 1.0f;           // horizontal stretch
    float slant = 0.0f;           // shear: x += slant * height above the baseline
    float tracking = 0.0f;        // extra pixels between characters
};
bool text_cover(const std::string &font, const std::string &text, const TextStyle &style, int w, int h,
                Vec2 centre, ImageGrey *cover, std::vector<TextBox> *boxes);

// A small deterministic generator for scattered details.
struct ArtRandom {
    uint32_t state;
    explicit ArtRandom(uint32_t seed) : state(seed * 2654435761u + 1013904223u) {}
    uint32_t next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    // 0..1
    float unit() { return (float)(next() & 0xffff) / 65535.0f; }
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
};

// Smooth value noise, seamless with the given period (cells across the picture).
float noise_tiled(float x, float y, int period, uint32_t seed);

// Conversions to the files' pictures.
ImageRgb canvas_on_black(const Canvas &c);                       // colour x alpha: brightness is alpha
ImageRgb canvas_on(const Canvas &c, Rgb background);             // flattened onto an opaque colour
ImageRgb canvas_colour_bled(const Canvas &c);                    // colour, spread into the clear pixels
ImageGrey canvas_alpha(const Canvas &c);                         // the mask

float smoothstep01(float e0, float e1, float x);
