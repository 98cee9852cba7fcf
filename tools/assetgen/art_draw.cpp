// art_draw.cpp -- distance fields, lit painting, FreeType text and the conversions of
// the generator's drawn pictures.

#include "assetgen/art_draw.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

constexpr float BIG = 1e6f;

Vec2 centre_of(int x, int y)
{
    return {(float)x + 0.5f, (float)y + 0.5f};
}

float length2(float x, float y)
{
    return std::sqrt(x * x + y * y);
}

// Distance from p to the segment a-b.
float segment_distance(Vec2 p, Vec2 a, Vec2 b)
{
    float vx = b.x - a.x;
    float vy = b.y - a.y;
    float wx = p.x - a.x;
    float wy = p.y - a.y;
    float len2 = vx * vx + vy * vy;
    float t = len2 > 0.0f ? std::clamp((wx * vx + wy * vy) / len2, 0.0f, 1.0f) : 0.0f;
    return length2(wx - t * vx, wy - t * vy);
}

float g_view_scale = 1.0f;
Vec2 g_view_offset{0.0f, 0.0f};

// A primitive: the distance function works in design units under the current view.
template <typename F>
Field primitive_of(int w, int h, F distance)
{
    Field f(w, h, 0.0f);
    float k = g_view_scale;
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            Vec2 p{((float)x + 0.5f - g_view_offset.x) / k, ((float)y + 0.5f - g_view_offset.y) / k};
            f.at(x, y) = distance(p) * k;
        }
    }
    return f;
}

template <typename F>
Field field_of(int w, int h, F distance)
{
    Field f(w, h, 0.0f);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            f.at(x, y) = distance(centre_of(x, y));
        }
    }
    return f;
}

// Squared distances along one line to the nearest zero entry (Felzenszwalb and
// Huttenlocher's lower envelope of parabolas).
void edt_line(const std::vector<float> &f, std::vector<float> &out, std::vector<int> &v, std::vector<float> &z)
{
    const float inf = std::numeric_limits<float>::infinity();
    int n = (int)f.size();
    int k = 0;
    v[0] = 0;
    z[0] = -inf;
    z[1] = inf;
    for (int q = 1; q < n; q++) {
        float s = 0.0f;
        for (;;) {
            int p = v[k];
            s = ((f[q] + (float)q * (float)q) - (f[p] + (float)p * (float)p)) / (2.0f * (float)(q - p));
            if (s > z[k]) {
                break;
            }
            k--;
        }
        k++;
        v[k] = q;
        z[k] = s;
        z[k + 1] = inf;
    }
    k = 0;
    for (int q = 0; q < n; q++) {
        while (z[k + 1] < (float)q) {
            k++;
        }
        float d = (float)(q - v[k]);
        out[q] = d * d + f[v[k]];
    }
}

// Euclidean distance of every pixel to the nearest pixel where seed is true.
std::vector<float> edt(int w, int h, const std::vector<bool> &seed)
{
    std::vector<float> grid((size_t)w * h);
    for (size_t i = 0; i < grid.size(); i++) {
        grid[i] = seed[i] ? 0.0f : BIG;
    }
    int n = std::max(w, h);
    std::vector<float> line(n), out(n), z(n + 1);
    std::vector<int> v(n);
    for (int x = 0; x < w; x++) {
        line.resize(h);
        out.resize(h);
        for (int y = 0; y < h; y++) {
            line[y] = grid[(size_t)y * w + x];
        }
        edt_line(line, out, v, z);
        for (int y = 0; y < h; y++) {
            grid[(size_t)y * w + x] = out[y];
        }
    }
    for (int y = 0; y < h; y++) {
        line.resize(w);
        out.resize(w);
        for (int x = 0; x < w; x++) {
            line[x] = grid[(size_t)y * w + x];
        }
        edt_line(line, out, v, z);
        for (int x = 0; x < w; x++) {
            grid[(size_t)y * w + x] = std::sqrt(out[x]);
        }
    }
    return grid;
}

uint32_t hash3(uint32_t x, uint32_t y, uint32_t seed)
{
    uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

Rgba over(const Rgba &dst, Rgb c, float a)
{
    if (a <= 0.0f) {
        return dst;
    }
    float out_a = a + dst.a * (1.0f - a);
    float k = dst.a * (1.0f - a);
    return {(c.r * a + dst.r * k) / out_a, (c.g * a + dst.g * k) / out_a, (c.b * a + dst.b * k) / out_a, out_a};
}

uint8_t to_byte(float v)
{
    return (uint8_t)std::lround(255.0f * std::clamp(v, 0.0f, 1.0f));
}

}  // namespace

Rgb rgb8(int r, int g, int b)
{
    return {(float)r / 255.0f, (float)g / 255.0f, (float)b / 255.0f};
}

Rgb rgb_mix(Rgb a, Rgb b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb rgb_scale(Rgb c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

float smoothstep01(float e0, float e1, float x)
{
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

FieldView::FieldView(float scale, Vec2 offset) : saved_scale_(g_view_scale), saved_offset_(g_view_offset)
{
    g_view_scale = scale;
    g_view_offset = offset;
}

FieldView::~FieldView()
{
    g_view_scale = saved_scale_;
    g_view_offset = saved_offset_;
}

Vec2 view_point(Vec2 design)
{
    return {design.x * g_view_scale + g_view_offset.x, design.y * g_view_scale + g_view_offset.y};
}

float Field::clamped(int x, int y) const
{
    return at(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1));
}

Field field_polygon(int w, int h, const Poly &poly)
{
    size_t n = poly.size();
    return primitive_of(w, h, [&](Vec2 p) {
        float best = BIG;
        int winding = 0;
        for (size_t i = 0; i < n; i++) {
            Vec2 a = poly[i];
            Vec2 b = poly[(i + 1) % n];
            best = std::min(best, segment_distance(p, a, b));
            float cross = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
            if (a.y <= p.y) {
                if (b.y > p.y && cross > 0.0f) {
                    winding++;
                }
            } else if (b.y <= p.y && cross < 0.0f) {
                winding--;
            }
        }
        return winding != 0 ? -best : best;
    });
}

Field field_circle(int w, int h, Vec2 c, float r)
{
    return primitive_of(w, h, [&](Vec2 p) { return length2(p.x - c.x, p.y - c.y) - r; });
}

Field field_ellipse(int w, int h, Vec2 c, float rx, float ry)
{
    return primitive_of(w, h, [&](Vec2 p) {
        float px = (p.x - c.x) / rx;
        float py = (p.y - c.y) / ry;
        float k0 = length2(px, py);
        float k1 = length2(px / rx, py / ry);
        if (k1 <= 0.0f) {
            return -std::min(rx, ry);
        }
        return k0 * (k0 - 1.0f) / k1;
    });
}

Field field_capsule(int w, int h, Vec2 a, Vec2 b, float r)
{
    return primitive_of(w, h, [&](Vec2 p) { return segment_distance(p, a, b) - r; });
}

Field field_box(int w, int h, Vec2 c, float hx, float hy, float round, float angle)
{
    float cs = std::cos(angle);
    float sn = std::sin(angle);
    return primitive_of(w, h, [&](Vec2 p) {
        float dx = p.x - c.x;
        float dy = p.y - c.y;
        float lx = std::fabs(dx * cs + dy * sn) - (hx - round);
        float ly = std::fabs(-dx * sn + dy * cs) - (hy - round);
        float outside = length2(std::max(lx, 0.0f), std::max(ly, 0.0f));
        return outside + std::min(std::max(lx, ly), 0.0f) - round;
    });
}

Field field_ring(int w, int h, Vec2 c, float r, float half_width)
{
    return primitive_of(w, h, [&](Vec2 p) { return std::fabs(length2(p.x - c.x, p.y - c.y) - r) - half_width; });
}

Field field_from(int w, int h, const std::function<float(Vec2)> &distance)
{
    return field_of(w, h, distance);
}

Field field_from_cover(const ImageGrey &cover)
{
    int w = cover.width;
    int h = cover.height;
    std::vector<bool> inside((size_t)w * h), outside((size_t)w * h);
    for (size_t i = 0; i < inside.size(); i++) {
        inside[i] = cover.v[i] >= 128;
        outside[i] = !inside[i];
    }
    std::vector<float> to_inside = edt(w, h, inside);
    std::vector<float> to_outside = edt(w, h, outside);
    Field f(w, h, 0.0f);
    for (size_t i = 0; i < f.d.size(); i++) {
        float c = (float)cover.v[i] / 255.0f;
        if (c > 0.0f && c < 1.0f) {
            f.d[i] = 0.5f - c;   // an edge pixel: its coverage places the edge within it
        } else if (inside[i]) {
            f.d[i] = 0.5f - to_outside[i];
        } else {
            f.d[i] = to_inside[i] - 0.5f;
        }
    }
    return f;
}

void field_union(Field &a, const Field &b)
{
    for (size_t i = 0; i < a.d.size(); i++) {
        a.d[i] = std::min(a.d[i], b.d[i]);
    }
}

void field_subtract(Field &a, const Field &b)
{
    for (size_t i = 0; i < a.d.size(); i++) {
        a.d[i] = std::max(a.d[i], -b.d[i]);
    }
}

void field_intersect(Field &a, const Field &b)
{
    for (size_t i = 0; i < a.d.size(); i++) {
        a.d[i] = std::max(a.d[i], b.d[i]);
    }
}

void field_grow(Field &a, float pixels)
{
    for (float &d : a.d) {
        d -= pixels;
    }
}

Field field_outline(const Field &a, float half_width)
{
    Field f = a;
    for (float &d : f.d) {
        d = std::fabs(d) - half_width;
    }
    return f;
}

Poly poly_mirror_x(const Poly &half, float axis)
{
    // half runs from the top of the axis down the right side; the left side is the
    // same points mirrored, in reverse order.
    Poly out = half;
    for (size_t i = half.size(); i-- > 0;) {
        Vec2 p = half[i];
        if (std::fabs(p.x - axis) < 1e-4f) {
            continue;   // points on the axis are not doubled
        }
        out.push_back({2.0f * axis - p.x, p.y});
    }
    return out;
}

Poly poly_scaled(const Poly &p, float sx, float sy, Vec2 offset)
{
    Poly out;
    for (Vec2 v : p) {
        out.push_back({v.x * sx + offset.x, v.y * sy + offset.y});
    }
    return out;
}

Poly poly_star(Vec2 c, int points, float outer, float inner, float angle)
{
    Poly out;
    for (int i = 0; i < points * 2; i++) {
        float r = (i & 1) ? inner : outer;
        float a = angle + (float)M_PI * (float)i / (float)points;
        out.push_back({c.x + r * std::sin(a), c.y - r * std::cos(a)});
    }
    return out;
}

Paint paint_flat(Rgb c)
{
    return [c](float, float) { return c; };
}

Paint paint_vertical(float y0, float y1, std::vector<std::pair<float, Rgb>> stops)
{
    return [y0, y1, stops](float, float y) {
        float t = std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f);
        if (t <= stops.front().first) {
            return stops.front().second;
        }
        for (size_t i = 1; i < stops.size(); i++) {
            if (t <= stops[i].first) {
                float span = stops[i].first - stops[i - 1].first;
                float k = span > 0.0f ? (t - stops[i - 1].first) / span : 1.0f;
                return rgb_mix(stops[i - 1].second, stops[i].second, smoothstep01(0.0f, 1.0f, k));
            }
        }
        return stops.back().second;
    };
}

float field_cover(float d)
{
    return std::clamp(0.5f - d, 0.0f, 1.0f);
}

void canvas_fill(Canvas &c, const Field &f, const Paint &paint, float opacity)
{
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            float a = field_cover(f.at(x, y)) * opacity;
            if (a > 0.0f) {
                c.at(x, y) = over(c.at(x, y), paint((float)x + 0.5f, (float)y + 0.5f), a);
            }
        }
    }
}

void canvas_fill_lit(Canvas &c, const Field &f, const Paint &paint, const Lighting &l, float opacity)
{
    float ll = length2(length2(l.light_x, l.light_y), l.light_z);
    float lx = l.light_x / ll;
    float ly = l.light_y / ll;
    float lz = l.light_z / ll;
    float hx = lx;
    float hy = ly;
    float hz = lz + 1.0f;
    float hl = length2(length2(hx, hy), hz);
    hx /= hl;
    hy /= hl;
    hz /= hl;
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            float d = f.at(x, y);
            float a = field_cover(d) * opacity;
            if (a <= 0.0f) {
                continue;
            }
            // Height rises over the bevel as a quarter of a parabola: slope 1 at the
            // edge, flat from the bevel inward.
            float s = -d;
            float slope = (l.bevel > 0.0f && s < l.bevel) ? std::max(0.0f, 1.0f - std::max(s, 0.0f) / l.bevel) : 0.0f;
            float gx = 0.5f * (f.clamped(x + 1, y) - f.clamped(x - 1, y));
            float gy = 0.5f * (f.clamped(x, y + 1) - f.clamped(x, y - 1));
            // grad height = -slope * grad d
            float nx = slope * gx;
            float ny = slope * gy;
            float nz = 1.0f;
            float nl = length2(length2(nx, ny), nz);
            nx /= nl;
            ny /= nl;
            nz /= nl;
            float diff = std::max(0.0f, nx * lx + ny * ly + nz * lz);
            float shine = std::pow(std::max(0.0f, nx * hx + ny * hy + nz * hz), l.shininess) * l.specular;
            Rgb base = paint((float)x + 0.5f, (float)y + 0.5f);
            float k = l.ambient + l.diffuse * diff;
            Rgb lit = {base.r * k + shine, base.g * k + shine, base.b * k + shine};
            c.at(x, y) = over(c.at(x, y), lit, a);
        }
    }
}

void canvas_glow(Canvas &c, const Field &f, Rgb colour, float radius, float strength)
{
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            float d = f.at(x, y);
            if (d <= -0.5f || d >= radius) {
                continue;
            }
            float t = 1.0f - std::max(d, 0.0f) / radius;
            float a = strength * t * t * (1.0f - field_cover(d));
            if (a > 0.0f) {
                c.at(x, y) = over(c.at(x, y), colour, a);
            }
        }
    }
}

void canvas_recolour(Canvas &c, const Field &f, const Paint &paint, float opacity)
{
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            float a = field_cover(f.at(x, y)) * opacity;
            if (a > 0.0f) {
                Rgba &p = c.at(x, y);
                Rgb q = paint((float)x + 0.5f, (float)y + 0.5f);
                p = {p.r + (q.r - p.r) * a, p.g + (q.g - p.g) * a, p.b + (q.b - p.b) * a, p.a};
            }
        }
    }
}

void canvas_shadow(Canvas &c, const Field &f, float dx, float dy, float softness, float strength)
{
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            float d = f.clamped((int)std::lround((float)x - dx), (int)std::lround((float)y - dy));
            float a = strength * std::clamp(0.5f - d / softness, 0.0f, 1.0f);
            if (a > 0.0f) {
                c.at(x, y) = over(c.at(x, y), {0.0f, 0.0f, 0.0f}, a);
            }
        }
    }
}

void canvas_fade_edges(Canvas &c, float margin)
{
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            float e = std::min(std::min((float)x + 0.5f, (float)(c.w - x) - 0.5f),
                               std::min((float)y + 0.5f, (float)(c.h - y) - 0.5f));
            float k = smoothstep01(0.5f, margin, e);
            c.at(x, y).a *= k;
        }
    }
}

void canvas_add(Canvas &c, int x, int y, Rgb light, float alpha)
{
    if (x < 0 || y < 0 || x >= c.w || y >= c.h || alpha <= 0.0f) {
        return;
    }
    Rgba &p = c.at(x, y);
    float pr = p.r * p.a + light.r * alpha;
    float pg = p.g * p.a + light.g * alpha;
    float pb = p.b * p.a + light.b * alpha;
    float a = std::min(1.0f, p.a + alpha * (1.0f - p.a));
    if (a > 0.0f) {
        p = {pr / a, pg / a, pb / a, a};
    }
}

void canvas_glint(Canvas &c, Vec2 centre, float size, Rgb colour, float strength)
{
    int r = (int)std::ceil(size) + 1;
    float ray = std::max(0.8f / size, 0.035f);   // half width of the rays, at least a pixel across
    for (int y = (int)centre.y - r; y <= (int)centre.y + r; y++) {
        for (int x = (int)centre.x - r; x <= (int)centre.x + r; x++) {
            float dx = std::fabs((float)x + 0.5f - centre.x) / size;
            float dy = std::fabs((float)y + 0.5f - centre.y) / size;
            if (dx >= 1.0f && dy >= 1.0f) {
                continue;
            }
            float core = std::exp(-(dx * dx + dy * dy) * 40.0f);
            float ray_x = dx < 1.0f ? std::exp(-dy * dy / (ray * ray)) * (1.0f - dx) * (1.0f - dx) : 0.0f;
            float ray_y = dy < 1.0f ? std::exp(-dx * dx / (ray * ray)) * (1.0f - dy) * (1.0f - dy) : 0.0f;
            float halo = std::exp(-(dx * dx + dy * dy) * 9.0f) * 0.35f;
            float v = std::min(1.0f, core + ray_x + ray_y + halo) * strength;
            canvas_add(c, x, y, colour, v);
        }
    }
}

bool text_cover(const std::string &font, const std::string &text, const TextStyle &style, int w, int h, Vec2 centre,
                ImageGrey *cover, std::vector<TextBox> *boxes)
{
    FT_Library lib;
    if (FT_Init_FreeType(&lib) != 0) {
        return false;
    }
    FT_Face face;
    if (FT_New_Face(lib, font.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(lib);
        return false;
    }
    FT_Set_Pixel_Sizes(face, (FT_UInt)std::lround(style.pixel_height * style.widen),
                       (FT_UInt)std::lround(style.pixel_height));
    FT_Matrix shear;
    shear.xx = 0x10000;
    shear.xy = (FT_Fixed)std::lround(style.slant * 65536.0f);
    shear.yx = 0;
    shear.yy = 0x10000;
    FT_Set_Transform(face, &shear, nullptr);

    struct Placed {
        std::vector<uint8_t> pixels;
        int width = 0, rows = 0, left = 0, top = 0;
    };
    std::vector<Placed> placed;
    float pen = 0.0f;
    FT_UInt previous = 0;
    float ink_x0 = BIG, ink_y0 = BIG, ink_x1 = -BIG, ink_y1 = -BIG;
    for (unsigned char ch : text) {
        FT_UInt index = FT_Get_Char_Index(face, ch);
        if (previous != 0 && index != 0 && FT_HAS_KERNING(face)) {
            FT_Vector k;
            if (FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &k) == 0) {
                pen += (float)k.x / 64.0f;
            }
        }
        previous = index;
        Placed g;
        if (index != 0 && FT_Load_Glyph(face, index, FT_LOAD_RENDER) == 0) {
            FT_GlyphSlot s = face->glyph;
            g.width = (int)s->bitmap.width;
            g.rows = (int)s->bitmap.rows;
            g.left = (int)std::lround(pen) + s->bitmap_left;
            g.top = -s->bitmap_top;
            g.pixels.resize((size_t)g.width * g.rows);
            for (int r = 0; r < g.rows; r++) {
                for (int col = 0; col < g.width; col++) {
                    g.pixels[(size_t)r * g.width + col] = s->bitmap.buffer[r * s->bitmap.pitch + col];
                }
            }
            if (g.width > 0 && g.rows > 0) {
                ink_x0 = std::min(ink_x0, (float)g.left);
                ink_x1 = std::max(ink_x1, (float)(g.left + g.width));
                ink_y0 = std::min(ink_y0, (float)g.top);
                ink_y1 = std::max(ink_y1, (float)(g.top + g.rows));
            }
            pen += (float)s->advance.x / 64.0f + style.tracking;
        }
        placed.push_back(std::move(g));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    if (ink_x1 < ink_x0) {
        return false;
    }
    int ox = (int)std::lround(centre.x - 0.5f * (ink_x0 + ink_x1));
    int oy = (int)std::lround(centre.y - 0.5f * (ink_y0 + ink_y1));
    *cover = ImageGrey(w, h);
    if (boxes) {
        boxes->clear();
    }
    for (const Placed &g : placed) {
        for (int r = 0; r < g.rows; r++) {
            for (int col = 0; col < g.width; col++) {
                int x = ox + g.left + col;
                int y = oy + g.top + r;
                if (x >= 0 && y >= 0 && x < w && y < h) {
                    uint8_t &dst = cover->at(x, y);
                    dst = std::max(dst, g.pixels[(size_t)r * g.width + col]);
                }
            }
        }
        if (boxes) {
            TextBox b;
            if (g.width > 0) {
                b = {(float)(ox + g.left), (float)(oy + g.top), (float)(ox + g.left + g.width),
                     (float)(oy + g.top + g.rows)};
            }
            boxes->push_back(b);
        }
    }
    return true;
}

float noise_tiled(float x, float y, int period, uint32_t seed)
{
    float fx = x * (float)period;
    float fy = y * (float)period;
    int ix = (int)std::floor(fx);
    int iy = (int)std::floor(fy);
    float tx = fx - (float)ix;
    float ty = fy - (float)iy;
    auto corner = [&](int cx, int cy) {
        uint32_t wx = (uint32_t)(((cx % period) + period) % period);
        uint32_t wy = (uint32_t)(((cy % period) + period) % period);
        return (float)(hash3(wx, wy, seed) & 0xffff) / 65535.0f;
    };
    float sx = tx * tx * (3.0f - 2.0f * tx);
    float sy = ty * ty * (3.0f - 2.0f * ty);
    float a = corner(ix, iy) + (corner(ix + 1, iy) - corner(ix, iy)) * sx;
    float b = corner(ix, iy + 1) + (corner(ix + 1, iy + 1) - corner(ix, iy + 1)) * sx;
    return a + (b - a) * sy;
}

ImageRgb canvas_on_black(const Canvas &c)
{
    return canvas_on(c, {0.0f, 0.0f, 0.0f});
}

ImageRgb canvas_on(const Canvas &c, Rgb bg)
{
    ImageRgb out(c.w, c.h);
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            const Rgba &p = c.at(x, y);
            uint8_t *o = out.at(x, y);
            o[0] = to_byte(p.r * p.a + bg.r * (1.0f - p.a));
            o[1] = to_byte(p.g * p.a + bg.g * (1.0f - p.a));
            o[2] = to_byte(p.b * p.a + bg.b * (1.0f - p.a));
        }
    }
    return out;
}

ImageRgb canvas_colour_bled(const Canvas &c)
{
    // Texels under a clear mask are still filtered into the visible edge, so they
    // take the colour of the nearest covered texels instead of black.
    std::vector<Rgb> colour(c.px.size());
    std::vector<bool> known(c.px.size());
    Rgb sum{};
    float weight = 0.0f;
    for (size_t i = 0; i < c.px.size(); i++) {
        const Rgba &p = c.px[i];
        known[i] = p.a >= 0.5f / 255.0f;
        colour[i] = {p.r, p.g, p.b};
        if (known[i]) {
            sum = {sum.r + p.r * p.a, sum.g + p.g * p.a, sum.b + p.b * p.a};
            weight += p.a;
        }
    }
    for (int pass = 0; pass < 8; pass++) {
        std::vector<bool> next = known;
        for (int y = 0; y < c.h; y++) {
            for (int x = 0; x < c.w; x++) {
                size_t i = (size_t)y * c.w + x;
                if (known[i]) {
                    continue;
                }
                Rgb acc{};
                int n = 0;
                for (int dy = -1; dy <= 1; dy++) {
                    for (int dx = -1; dx <= 1; dx++) {
                        int xx = x + dx;
                        int yy = y + dy;
                        if (xx < 0 || yy < 0 || xx >= c.w || yy >= c.h) {
                            continue;
                        }
                        size_t j = (size_t)yy * c.w + xx;
                        if (known[j]) {
                            acc = {acc.r + colour[j].r, acc.g + colour[j].g, acc.b + colour[j].b};
                            n++;
                        }
                    }
                }
                if (n > 0) {
                    colour[i] = rgb_scale(acc, 1.0f / (float)n);
                    next[i] = true;
                }
            }
        }
        known = next;
    }
    Rgb mean = weight > 0.0f ? rgb_scale(sum, 1.0f / weight) : Rgb{};
    ImageRgb out(c.w, c.h);
    for (size_t i = 0; i < c.px.size(); i++) {
        Rgb p = known[i] ? colour[i] : mean;
        out.rgb[i * 3] = to_byte(p.r);
        out.rgb[i * 3 + 1] = to_byte(p.g);
        out.rgb[i * 3 + 2] = to_byte(p.b);
    }
    return out;
}

ImageGrey canvas_alpha(const Canvas &c)
{
    ImageGrey out(c.w, c.h);
    for (size_t i = 0; i < c.px.size(); i++) {
        out.v[i] = to_byte(c.px[i].a);
    }
    return out;
}
