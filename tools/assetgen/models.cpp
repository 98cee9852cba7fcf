// models.cpp -- the model builder: bones, shapes, hit spheres and tracks into the
// "anim.bin" and "model.bin" records, and the families' files in the catalogue.

#include "assetgen/models.h"

#include "assetgen/catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

namespace {

// Texture flag bits of the engine's texture handle (the generator keeps its own copy).
constexpr uint32_t TEXTURE_OWNED = 0x00010000;
constexpr uint32_t TEXTURE_UNLIT = 0x00040000;
constexpr uint32_t TEXTURE_DEPTH_SORTED = 0x00200000;
constexpr uint32_t TEXTURE_MASK = 0x00800000;
constexpr uint32_t TEXTURE_ADDITIVE = 0x01000000;
constexpr uint32_t TEXTURE_CLAMP = 0x06000000;
constexpr uint32_t TEXTURE_MIPMAP = 0x08000000;
constexpr uint32_t FACE_RADIAL = 0x8000;
constexpr int32_t MESH_LIT = 0x1000;
constexpr int BONE_CAMERA_FACING = 1;
constexpr int BONE_BREAKABLE = 2;
constexpr int TICKS_PER_SECOND = 100;
constexpr size_t MAX_VERTICES = 8192;   // the engine's draw-vertex limit
constexpr size_t MAX_FACES = 16384;
constexpr float PI = 3.14159265358979f;
// Round shapes are cut into no more sides than the play camera can tell apart: from 115
// units up a unit is 8 pixels at 1024 x 768, and a shape's outline may stray from the
// round it stands for by at most a pixel and a half there (the families are drawn at
// model size); a plate's edges are left out when they are under a pixel.
constexpr float PLAY_PIXELS_PER_UNIT = 8.0f;
constexpr float OUTLINE_TOLERANCE_PIXELS = 1.5f;
constexpr float ROUND_OUTLINE_PIXELS = 1.0f;   // families that keep_round
constexpr float PLATE_EDGE_PIXELS = 1.0f;

// The sides of a round of radius r units: what the caller asked for, but no more than keep
// every side's bulge (r (1 - cos(180 / n)) units) within tolerance pixels on screen, and at
// least least.
int seen_sides(float r, int wanted, int least, float tolerance)
{
    if (wanted <= least || !(r > 0.0f)) {
        return wanted;
    }
    float c = 1.0f - tolerance / (PLAY_PIXELS_PER_UNIT * r);
    int n = c <= -1.0f ? least : (int)std::ceil(PI / std::acos(c));
    return std::min(wanted, std::max(least, n));
}

struct Quat {
    float x = 0, y = 0, z = 0, w = 1;
};

Quat quat_mul(Quat a, Quat b)
{
    return Quat{a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
                a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

// Turns about X, then Y, then Z (degrees).
Quat quat_euler(Vec3 deg)
{
    auto axis = [](int which, float d) {
        float h = d * PI / 360.0f;
        Quat q{0, 0, 0, cosf(h)};
        (which == 0 ? q.x : which == 1 ? q.y : q.z) = sinf(h);
        return q;
    };
    return quat_mul(axis(2, deg.z), quat_mul(axis(1, deg.y), axis(0, deg.x)));
}

Vec3 rotate(Quat q, Vec3 v)
{
    // v' = v + 2 w (u x v) + 2 u x (u x v), u the vector part.
    Vec3 u{q.x, q.y, q.z};
    Vec3 t{2 * (u.y * v.z - u.z * v.y), 2 * (u.z * v.x - u.x * v.z), 2 * (u.x * v.y - u.y * v.x)};
    return Vec3{v.x + q.w * t.x + (u.y * t.z - u.z * t.y), v.y + q.w * t.y + (u.z * t.x - u.x * t.z),
                v.z + q.w * t.z + (u.x * t.y - u.y * t.x)};
}

Vec3 add(Vec3 a, Vec3 b)
{
    return Vec3{a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 sub(Vec3 a, Vec3 b)
{
    return Vec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 scaled(Vec3 a, float k)
{
    return Vec3{a.x * k, a.y * k, a.z * k};
}

float dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 cross(Vec3 a, Vec3 b)
{
    return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 unit(Vec3 a)
{
    float l = sqrtf(dot(a, a));
    return l > 0 ? scaled(a, 1.0f / l) : Vec3{0, 0, 1};
}

Vec3 place_point(const Place &p, Vec3 v)
{
    return add(p.pos, rotate(quat_euler(p.angles), v));
}

int ticks_of(float seconds)
{
    int t = (int)lroundf(seconds * TICKS_PER_SECOND);
    return t < 1 ? 1 : t;
}

// The step that reaches a key in exactly ticks updates: a shade above 1 / ticks, so
// that float sums do not fall one update short.
float step_of(int ticks)
{
    return ticks <= 1 ? 1.0f : (1.0f / (float)ticks) * 1.0002f;
}

uint32_t texture_flags(const Paint &p)
{
    uint32_t f = TEXTURE_OWNED | TEXTURE_MIPMAP;
    if (p.additive) {
        f |= TEXTURE_ADDITIVE | TEXTURE_DEPTH_SORTED | TEXTURE_UNLIT;
    } else if (p.light == Lighting::Unlit) {
        f |= TEXTURE_UNLIT;
    }
    if (p.bitmap && p.bitmap->draw_mask) {
        f |= TEXTURE_MASK;
    }
    if (p.clamp) {
        f |= TEXTURE_CLAMP;
    }
    return f;
}

bool batched(const Paint &p)
{
    return (texture_flags(p) & (TEXTURE_MASK | TEXTURE_DEPTH_SORTED)) != 0;
}

}  // namespace

// Keys and tracks.

Key &Key::turn(int bone, float x, float y, float z)
{
    ops.push_back({bone, 0, {x, y, z}});
    return *this;
}

Key &Key::move(int bone, float x, float y, float z)
{
    ops.push_back({bone, 1, {x, y, z}});
    return *this;
}

Key &Key::scale(int bone, float s)
{
    return scale(bone, s, s, s);
}

Key &Key::scale(int bone, float x, float y, float z)
{
    ops.push_back({bone, 2, {x, y, z}});
    return *this;
}

Key &Key::forward(float d)
{
    distance = d;
    return *this;
}

Key &Key::ease_in(float ease)
{
    arrive = ease;
    return *this;
}

Key &Key::ease_out(float ease)
{
    leave = ease;
    return *this;
}

Key &Track::key(float seconds)
{
    keys.emplace_back();
    keys.back().seconds = seconds;
    return keys.back();
}

Track &Track::loop(int key_index)
{
    loop_key = key_index;
    passes = 0;
    return *this;
}

Track &Track::once()
{
    loop_key = -1;
    passes = 0;
    return *this;
}

Track &Track::repeat(int n, int key_index)
{
    loop_key = key_index;
    passes = n;
    return *this;
}

// Bones.

ModelBuilder::Bone &ModelBuilder::Bone::at(float x, float y, float z)
{
    m_->bones_[index_].pos = {x, y, z};
    return *this;
}

ModelBuilder::Bone &ModelBuilder::Bone::turn(float x, float y, float z)
{
    m_->bones_[index_].angles = {x, y, z};
    return *this;
}

ModelBuilder::Bone &ModelBuilder::Bone::size(float s)
{
    m_->bones_[index_].scale = {s, s, s};
    return *this;
}

ModelBuilder::Bone &ModelBuilder::Bone::health(float h)
{
    m_->bones_[index_].health = h;
    return *this;
}

ModelBuilder::Bone &ModelBuilder::Bone::faces_camera()
{
    m_->bones_[index_].flags |= BONE_CAMERA_FACING;
    return *this;
}

ModelBuilder::Bone &ModelBuilder::Bone::breakable()
{
    m_->bones_[index_].flags |= BONE_BREAKABLE;
    return *this;
}

ModelBuilder::Bone &ModelBuilder::Bone::priority(int p)
{
    m_->bones_[index_].priority = p;
    return *this;
}

ModelBuilder::Bone &ModelBuilder::Bone::delay(int d)
{
    m_->bones_[index_].delay = d;
    return *this;
}

ModelBuilder::ModelBuilder(const std::string &folder, const std::string &name) : folder_(folder), name_(name) {}

ModelBuilder::Bone ModelBuilder::bone(const std::string &name, int parent)
{
    if (parent >= (int)bones_.size() || parent < ACTOR) {
        error_ = "bone " + name + " hangs from a bone not defined before it";
    }
    BoneDef b;
    b.name = name;
    b.parent = parent;
    bones_.push_back(b);
    positions_.emplace_back();
    return Bone(this, (int)bones_.size() - 1);
}

void ModelBuilder::shown_at(float scale)
{
    if (scale > 0.0f && scale < 1.0f) {
        shown_at_ = scale;
    }
}

void ModelBuilder::keep_round()
{
    keep_round_ = true;
}

float ModelBuilder::outline_pixels() const
{
    return keep_round_ ? ROUND_OUTLINE_PIXELS : OUTLINE_TOLERANCE_PIXELS;
}

// Shapes.

int ModelBuilder::add_position(int bone, Vec3 p)
{
    std::vector<Vec3> &list = positions_[bone];
    for (size_t i = 0; i < list.size(); i++) {
        if (list[i].x == p.x && list[i].y == p.y && list[i].z == p.z) {
            return (int)i;
        }
    }
    list.push_back(p);
    return (int)list.size() - 1;
}

int ModelBuilder::paint_index(const Paint &paint)
{
    if (!paint.bitmap) {
        error_ = "a shape has no bitmap";
    }
    paints_.push_back(paint);
    return (int)paints_.size() - 1;
}

void ModelBuilder::add_triangle(int bone, const Vec3 v[3], const float uv[3][2], const Rgba col[3], const Paint &paint,
                                Vec3 outside)
{
    if (bone < 0 || bone >= (int)bones_.size()) {
        error_ = "a shape is bound to a bone that does not exist";
        return;
    }
    Vec3 n = cross(sub(v[1], v[0]), sub(v[2], v[0]));
    int order[3] = {0, 1, 2};
    if (dot(n, outside) < 0) {
        order[1] = 2;
        order[2] = 1;
        n = scaled(n, -1);
    }
    Face f;
    f.bone = bone;
    f.normal = unit(n);
    f.paint = paint_index(paint);
    for (int k = 0; k < 3; k++) {
        int s = order[k];
        f.c[k] = Corner{add_position(bone, v[s]), uv[s][0] * paint.uv_scale, uv[s][1] * paint.uv_scale, col[s]};
    }
    faces_.push_back(f);
}

// Two triangles of a quad, facing away from inside (or toward it).
void ModelBuilder::add_quad(int bone, const Vec3 v[4], const float uv[4][2], Rgba col, const Paint &paint, Vec3 inside,
                            bool toward)
{
    Vec3 centre = scaled(add(add(v[0], v[1]), add(v[2], v[3])), 0.25f);
    Vec3 outside = toward ? sub(inside, centre) : sub(centre, inside);
    const Rgba cols[3] = {col, col, col};
    const int tris[2][3] = {{0, 1, 2}, {0, 2, 3}};
    for (const auto &t : tris) {
        Vec3 tv[3] = {v[t[0]], v[t[1]], v[t[2]]};
        float tuv[3][2] = {{uv[t[0]][0], uv[t[0]][1]}, {uv[t[1]][0], uv[t[1]][1]}, {uv[t[2]][0], uv[t[2]][1]}};
        add_triangle(bone, tv, tuv, cols, paint, outside);
    }
}

void ModelBuilder::box(int bone, Place p, Vec3 size, const Paint &paint, float taper)
{
    float hx = size.x * 0.5f, hy = size.y * 0.5f, hz = size.z * 0.5f;
    Vec3 c[8];
    for (int i = 0; i < 8; i++) {
        float k = (i & 4) ? taper : 1.0f;
        c[i] = place_point(p, {(i & 1 ? hx : -hx) * k, (i & 2 ? hy : -hy) * k, i & 4 ? hz : -hz});
    }
    // The faces in pairs across z, y and x.
    const int quads[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
    const int across[6] = {2, 2, 1, 1, 0, 0};
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    // A plate (one side thinner than a pixel, the other two not) is only its two broad
    // faces: its edges would be slivers under a pixel at the play camera.
    const float sides[3] = {size.x, size.y, size.z};
    const float thin = PLATE_EDGE_PIXELS / PLAY_PIXELS_PER_UNIT;
    int plate = -1, thin_sides = 0;
    for (int a = 0; a < 3; a++) {
        if (shown_at_ * std::fabs(sides[a]) <= thin) {
            plate = a;
            thin_sides++;
        }
    }
    Vec3 inside = p.pos;
    for (int i = 0; i < 6; i++) {
        if (thin_sides == 1 && across[i] != plate) {
            continue;
        }
        const int *q = quads[i];
        Vec3 v[4] = {c[q[0]], c[q[1]], c[q[2]], c[q[3]]};
        add_quad(bone, v, uv, paint.colour, paint, inside);
    }
}

void ModelBuilder::cylinder(int bone, Place p, float radius, float length, int sides, const Paint &paint,
                            float top_radius)
{
    float top = top_radius < 0 ? radius : top_radius;
    sides = seen_sides(shown_at_ * std::max(radius, top), sides, 3, outline_pixels());
    Vec3 inside = place_point(p, {0, 0, length * 0.5f});
    for (int i = 0; i < sides; i++) {
        float a0 = 2 * PI * i / sides, a1 = 2 * PI * (i + 1) / sides;
        Vec3 v[4] = {place_point(p, {radius * cosf(a0), radius * sinf(a0), 0}),
                     place_point(p, {radius * cosf(a1), radius * sinf(a1), 0}),
                     place_point(p, {top * cosf(a1), top * sinf(a1), length}),
                     place_point(p, {top * cosf(a0), top * sinf(a0), length})};
        float u0 = (float)i / sides, u1 = (float)(i + 1) / sides;
        const float uv[4][2] = {{u0, 0}, {u1, 0}, {u1, 1}, {u0, 1}};
        if (top > 0) {
            add_quad(bone, v, uv, paint.colour, paint, inside);
        } else {
            const Rgba cols[3] = {paint.colour, paint.colour, paint.colour};
            Vec3 tv[3] = {v[0], v[1], v[2]};
            const float tuv[3][2] = {{u0, 0}, {u1, 0}, {(u0 + u1) * 0.5f, 1}};
            add_triangle(bone, tv, tuv, cols, paint, sub(scaled(add(v[0], v[1]), 0.5f), inside));
        }
    }
    // Caps as fans from their first corner: a flat convex polygon needs sides - 2 triangles.
    const Rgba cols[3] = {paint.colour, paint.colour, paint.colour};
    for (int end = 0; end < 2; end++) {
        float r = end ? top : radius;
        if (r <= 0) {
            continue;
        }
        float z = end ? length : 0;
        Vec3 centre = place_point(p, {0, 0, z});
        auto corner = [&](int i, Vec3 &v, float uv[2]) {
            float a = 2 * PI * i / sides;
            v = place_point(p, {r * cosf(a), r * sinf(a), z});
            uv[0] = 0.5f + 0.5f * cosf(a);
            uv[1] = 0.5f + 0.5f * sinf(a);
        };
        for (int i = 1; i + 1 < sides; i++) {
            Vec3 tv[3];
            float tuv[3][2];
            corner(0, tv[0], tuv[0]);
            corner(i, tv[1], tuv[1]);
            corner(i + 1, tv[2], tuv[2]);
            add_triangle(bone, tv, tuv, cols, paint, sub(centre, inside));
        }
    }
}

void ModelBuilder::sphere(int bone, Place p, Vec3 radii, int segments, int rings, const Paint &paint, bool half)
{
    // Longitude as a round of the largest radius; latitude (a half turn, or a quarter for
    // a half sphere) as the same round would cut it.
    float r = shown_at_ * std::max(radii.x, std::max(radii.y, radii.z));
    segments = seen_sides(r, segments, 4, outline_pixels());
    int per_turn = half ? 4 : 2;
    int seen = seen_sides(r, rings * per_turn, 4, outline_pixels());
    rings = std::min(rings, std::max(half ? 1 : 2, (seen + per_turn - 1) / per_turn));
    // Latitude runs from the south pole (or the equator of a half) to the north pole.
    auto point = [&](int i, int j) {
        float lon = 2 * PI * i / segments;
        float lat = half ? 0.5f * PI * j / rings : PI * j / rings - 0.5f * PI;
        return place_point(p, {radii.x * cosf(lat) * cosf(lon), radii.y * cosf(lat) * sinf(lon), radii.z * sinf(lat)});
    };
    Vec3 inside = p.pos;
    for (int j = 0; j < rings; j++) {
        for (int i = 0; i < segments; i++) {
            Vec3 v[4] = {point(i, j), point(i + 1, j), point(i + 1, j + 1), point(i, j + 1)};
            float u0 = (float)i / segments, u1 = (float)(i + 1) / segments;
            float w0 = (float)j / rings, w1 = (float)(j + 1) / rings;
            const float uv[4][2] = {{u0, w0}, {u1, w0}, {u1, w1}, {u0, w1}};
            bool top = j == rings - 1;
            bool bottom = j == 0 && !half;
            if (top || bottom) {
                // The pole row is a fan of triangles.
                Vec3 tv[3] = {v[0], v[1], top ? v[2] : v[3]};
                if (bottom) {
                    tv[0] = v[3];
                    tv[1] = v[2];
                    tv[2] = v[0];
                }
                const float tuv[3][2] = {{u0, w0}, {u1, w0}, {(u0 + u1) * 0.5f, w1}};
                const Rgba cols[3] = {paint.colour, paint.colour, paint.colour};
                Vec3 mid = scaled(add(add(tv[0], tv[1]), tv[2]), 1.0f / 3.0f);
                add_triangle(bone, tv, tuv, cols, paint, sub(mid, inside));
            } else {
                add_quad(bone, v, uv, paint.colour, paint, inside);
            }
        }
    }
    if (half) {
        // Closed below by the equator's polygon, a fan from its first corner.
        for (int i = 1; i + 1 < segments; i++) {
            Vec3 tv[3] = {point(0, 0), point(i + 1, 0), point(i, 0)};
            const float tuv[3][2] = {{0, 0}, {(float)(i + 1) / segments, 0}, {(float)i / segments, 0}};
            const Rgba cols[3] = {paint.colour, paint.colour, paint.colour};
            add_triangle(bone, tv, tuv, cols, paint, rotate(quat_euler(p.angles), {0, 0, -1}));
        }
    }
}

void ModelBuilder::torus(int bone, Place p, float radius, float tube, int segments, int sides, const Paint &paint)
{
    segments = seen_sides(shown_at_ * (radius + tube), segments, 4, outline_pixels());
    sides = seen_sides(shown_at_ * tube, sides, 3, outline_pixels());
    for (int i = 0; i < segments; i++) {
        float a0 = 2 * PI * i / segments, a1 = 2 * PI * (i + 1) / segments;
        for (int j = 0; j < sides; j++) {
            float b0 = 2 * PI * j / sides, b1 = 2 * PI * (j + 1) / sides;
            auto point = [&](float a, float b) {
                float r = radius + tube * cosf(b);
                return place_point(p, {r * cosf(a), r * sinf(a), tube * sinf(b)});
            };
            Vec3 v[4] = {point(a0, b0), point(a1, b0), point(a1, b1), point(a0, b1)};
            float am = 0.5f * (a0 + a1);
            Vec3 ring = place_point(p, {radius * cosf(am), radius * sinf(am), 0});
            const float uv[4][2] = {{(float)i / segments, (float)j / sides},
                                    {(float)(i + 1) / segments, (float)j / sides},
                                    {(float)(i + 1) / segments, (float)(j + 1) / sides},
                                    {(float)i / segments, (float)(j + 1) / sides}};
            add_quad(bone, v, uv, paint.colour, paint, ring);
        }
    }
}

void ModelBuilder::ribbon(int bone, const std::vector<RibbonPoint> &points, const Paint &paint)
{
    for (size_t k = 0; k + 1 < points.size(); k++) {
        const RibbonPoint &a = points[k];
        const RibbonPoint &b = points[k + 1];
        Vec3 along = unit(sub(b.pos, a.pos));
        Vec3 side{-along.y, along.x, 0};
        Vec3 v[4] = {add(a.pos, scaled(side, 0.5f * a.width)), add(a.pos, scaled(side, -0.5f * a.width)),
                     add(b.pos, scaled(side, -0.5f * b.width)), add(b.pos, scaled(side, 0.5f * b.width))};
        float t0 = (float)k / (points.size() - 1), t1 = (float)(k + 1) / (points.size() - 1);
        const Rgba cols[4] = {a.colour, a.colour, b.colour, b.colour};
        const float uv[4][2] = {{0, t0}, {1, t0}, {1, t1}, {0, t1}};
        const int tris[2][3] = {{0, 1, 2}, {0, 2, 3}};
        for (const auto &t : tris) {
            Vec3 tv[3] = {v[t[0]], v[t[1]], v[t[2]]};
            float tuv[3][2] = {{uv[t[0]][0], uv[t[0]][1]}, {uv[t[1]][0], uv[t[1]][1]}, {uv[t[2]][0], uv[t[2]][1]}};
            const Rgba tc[3] = {cols[t[0]], cols[t[1]], cols[t[2]]};
            add_triangle(bone, tv, tuv, tc, paint, Vec3{0, 0, 1});
        }
    }
}

void ModelBuilder::polygon(int bone, const std::vector<Vec3> &corners, const PlaneUv &uv, const Paint &paint)
{
    if (corners.size() < 3) {
        error_ = "a polygon needs three corners or more";
        return;
    }
    const Rgba cols[3] = {paint.colour, paint.colour, paint.colour};
    auto at = [&uv](const Vec3 &p, float out[2]) {
        out[0] = uv.u0 + uv.ux * p.x + uv.uy * p.y;
        out[1] = uv.v0 + uv.vx * p.x + uv.vy * p.y;
    };
    for (size_t i = 1; i + 1 < corners.size(); i++) {
        Vec3 tv[3] = {corners[0], corners[i], corners[i + 1]};
        float tuv[3][2];
        for (int k = 0; k < 3; k++) {
            at(tv[k], tuv[k]);
        }
        add_triangle(bone, tv, tuv, cols, paint, Vec3{0, 0, 1});
    }
}

void ModelBuilder::sprite(int bone, float size, const Paint &paint)
{
    float h = size * 0.5f;
    Vec3 v[4] = {{-h, -h, 0}, {h, -h, 0}, {h, h, 0}, {-h, h, 0}};
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    add_quad(bone, v, uv, paint.colour, paint, Vec3{0, 0, 1}, true);
}

namespace {

float cross_z(Vec3 o, Vec3 a, Vec3 b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Ear clipping of a simple counter-clockwise polygon in the X/Y plane: index triples,
// each counter-clockwise. A polygon with no ear left (self-crossing) stops early.
std::vector<std::array<int, 3>> triangulate(const std::vector<Vec3> &pts)
{
    std::vector<std::array<int, 3>> out;
    std::vector<int> left;
    for (size_t i = 0; i < pts.size(); i++) {
        left.push_back((int)i);
    }
    while (left.size() > 3) {
        size_t n = left.size();
        bool clipped = false;
        for (size_t i = 0; i < n && !clipped; i++) {
            int a = left[(i + n - 1) % n], b = left[i], c = left[(i + 1) % n];
            if (cross_z(pts[a], pts[b], pts[c]) <= 0) {
                continue;   // a reflex or flat corner is no ear
            }
            bool empty = true;
            for (int k : left) {
                if (k != a && k != b && k != c && cross_z(pts[a], pts[b], pts[k]) >= 0 &&
                    cross_z(pts[b], pts[c], pts[k]) >= 0 && cross_z(pts[c], pts[a], pts[k]) >= 0) {
                    empty = false;
                    break;
                }
            }
            if (empty) {
                out.push_back({{a, b, c}});
                left.erase(left.begin() + (long)i);
                clipped = true;
            }
        }
        if (!clipped) {
            return out;
        }
    }
    if (left.size() == 3) {
        out.push_back({{left[0], left[1], left[2]}});
    }
    return out;
}

}  // namespace

void ModelBuilder::prism(int bone, Place p, const std::vector<Vec3> &outline, float height, const Paint &paint,
                         float top_scale)
{
    if (outline.size() < 3) {
        error_ = "a prism needs three points or more";
        return;
    }
    std::vector<Vec3> base;
    float area = 0;
    Vec3 centre{0, 0, 0};
    float lo[2] = {outline[0].x, outline[0].y}, hi[2] = {outline[0].x, outline[0].y};
    for (size_t i = 0; i < outline.size(); i++) {
        const Vec3 &a = outline[i];
        const Vec3 &b = outline[(i + 1) % outline.size()];
        area += a.x * b.y - b.x * a.y;
        base.push_back({a.x, a.y, 0});
        centre = add(centre, {a.x, a.y, 0});
        lo[0] = std::min(lo[0], a.x), lo[1] = std::min(lo[1], a.y);
        hi[0] = std::max(hi[0], a.x), hi[1] = std::max(hi[1], a.y);
    }
    if (area < 0) {
        std::reverse(base.begin(), base.end());
    }
    centre = scaled(centre, 1.0f / (float)base.size());
    float extent = std::max(std::max(hi[0] - lo[0], hi[1] - lo[1]), 1e-3f);
    // An unlit slab thinner than a pixel is its outline's two faces: its sides and bevel
    // would be slivers of the same flat colour as its top.
    const bool flat = (paint.light == Lighting::Unlit || paint.additive) &&
                      shown_at_ * std::fabs(height) <= PLATE_EDGE_PIXELS / PLAY_PIXELS_PER_UNIT;
    if (flat) {
        top_scale = 1.0f;
    }
    std::vector<Vec3> top;
    for (const Vec3 &b : base) {
        Vec3 t = add(centre, scaled(sub(b, centre), top_scale));
        top.push_back({t.x, t.y, height});
    }
    Quat turn = quat_euler(p.angles);
    auto flat_uv = [&](Vec3 v, float out[2]) {
        out[0] = (v.x - lo[0]) / extent;
        out[1] = (v.y - lo[1]) / extent;
    };
    const Rgba cols[3] = {paint.colour, paint.colour, paint.colour};
    for (const auto &t : triangulate(base)) {
        for (int end = 0; end < 2; end++) {
            const std::vector<Vec3> &ring = end ? top : base;
            Vec3 v[3];
            float uv[3][2];
            for (int k = 0; k < 3; k++) {
                v[k] = place_point(p, ring[t[k]]);
                flat_uv(ring[t[k]], uv[k]);
            }
            add_triangle(bone, v, uv, cols, paint, rotate(turn, {0, 0, end ? 1.0f : -1.0f}));
        }
    }
    float run = 0;
    for (size_t i = 0; !flat && i < base.size(); i++) {
        size_t j = (i + 1) % base.size();
        Vec3 edge = sub(base[j], base[i]);
        float len = sqrtf(dot(edge, edge));
        if (len <= 0) {
            continue;
        }
        Vec3 v[4] = {place_point(p, base[i]), place_point(p, base[j]), place_point(p, top[j]), place_point(p, top[i])};
        float u0 = run / extent, u1 = (run + len) / extent;
        run += len;
        const float uv[4][2] = {{u0, 0}, {u1, 0}, {u1, 1}, {u0, 1}};
        // Outward from a counter-clockwise outline is the edge turned a quarter clockwise.
        Vec3 out = rotate(turn, {edge.y, -edge.x, 0});
        Vec3 mid = scaled(add(add(v[0], v[1]), add(v[2], v[3])), 0.25f);
        add_quad(bone, v, uv, paint.colour, paint, sub(mid, out));
    }
}

void ModelBuilder::hit_sphere(int bone, Vec3 centre, float radius)
{
    AnimSphereOut s;
    s.matrix = bone + 1;
    s.centre[0] = centre.x;
    s.centre[1] = centre.y;
    s.centre[2] = centre.z;
    s.radius = radius;
    spheres_.push_back(s);
}

Track &ModelBuilder::track(const std::string &name, int root)
{
    tracks_.emplace_back();
    tracks_.back().name = name;
    tracks_.back().root = root;
    return tracks_.back();
}

void ModelBuilder::defaults(std::initializer_list<const char *> names)
{
    defaults_.assign(names.begin(), names.end());
}

void ModelBuilder::mesh_flags(int32_t flags)
{
    mesh_flags_ = flags;
}

void ModelBuilder::swap_bitmap(const Bitmap *bitmap)
{
    swaps_.push_back(bitmap);
}

bool ModelBuilder::covers(int root, int bone) const
{
    for (int b = bone; b >= 0; b = bones_[b].parent) {
        if (b == root) {
            return true;
        }
    }
    return root == ACTOR;
}

// The keys the file gets for a track. A looping track with root motion cannot blend
// its ground back to the start, so its loop returns through a copy of the loop key:
// the file runs A0 .. AL, W, AL+1 .. An-1, C, looping to W, where C is AL again further
// on (the last stride) and W is AL at the ground it had the first time; the jump back
// from C to W takes one tick and, being backwards, moves nothing.
std::vector<ModelBuilder::OutKey> ModelBuilder::out_keys(const Track &t, int *loop_key) const
{
    std::vector<OutKey> out;
    bool moves = false;
    for (const Key &k : t.keys) {
        moves = moves || k.distance != 0;
    }
    float ground = 0;
    int n = (int)t.keys.size();
    int l = t.loop_key;
    *loop_key = l;
    for (int i = 0; i < n; i++) {
        const Key &k = t.keys[i];
        ground += k.distance;
        out.push_back({&k, ticks_of(k.seconds), k.arrive, k.leave, ground});
        if (moves && l >= 0 && i == l) {
            out.push_back({&k, 1, 0, k.leave, ground});
            *loop_key = (int)out.size() - 1;
        }
    }
    if (moves && l >= 0 && l < n) {
        const Key &k = t.keys[l];
        out.push_back({&k, ticks_of(k.seconds), k.arrive, 0, ground + k.distance});
    }
    return out;
}

float ModelBuilder::forward_distance(const std::string &name, int ticks) const
{
    for (const Track &t : tracks_) {
        if (t.name != name) {
            continue;
        }
        int loop = -1;
        std::vector<OutKey> keys = out_keys(t, &loop);
        float done = 0;
        float from = 0;
        size_t k = 0;
        while (ticks > 0 && k < keys.size()) {
            int take = ticks < keys[k].ticks ? ticks : keys[k].ticks;
            float delta = keys[k].ground - from;
            if (delta > 0) {
                done += delta * take / keys[k].ticks;
            }
            ticks -= take;
            from = keys[k].ground;
            if (++k == keys.size() && loop >= 0) {
                k = (size_t)loop;
            }
        }
        return done;
    }
    return 0;
}

bool ModelBuilder::finish(ModelFiles &out, std::string &error) const
{
    out = ModelFiles{};
    error = error_;
    auto fail = [&](const std::string &why) {
        if (error.empty()) {
            error = folder_ + "/" + name_ + ": " + why;
        }
        return false;
    };
    if (!error.empty()) {
        return fail(error);
    }
    if (bones_.empty() || bones_[0].name != "mainbone_x" || bones_[0].parent != ACTOR) {
        return fail("bone 0 must be mainbone_x on the actor");
    }
    std::set<std::string> names;
    for (size_t i = 0; i < bones_.size(); i++) {
        if (!names.insert(bones_[i].name).second || bones_[i].name.size() > 63) {
            return fail("bone name " + bones_[i].name + " is used twice or too long");
        }
        if (i > 0 && bones_[i].parent < 0) {
            return fail("bone " + bones_[i].name + " must hang from a bone");
        }
    }

    // Skeleton: every bone's poses start with its rest pose.
    AnimFile &a = out.anim;
    size_t bone_count = bones_.size();
    std::vector<Quat> rest_turn(bone_count);
    for (size_t i = 0; i < bone_count; i++) {
        const BoneDef &b = bones_[i];
        AnimBoneOut o;
        o.parent = b.parent + 1;
        o.word = b.flags | b.priority << 2;
        o.delay = b.delay;
        o.name = b.name;
        rest_turn[i] = quat_euler(b.angles);
        Quat q = rest_turn[i];
        o.keys.push_back({{q.x, q.y, q.z, q.w, b.pos.x, b.pos.y, b.pos.z, b.scale.x, b.scale.y, b.scale.z}});
        a.bones.push_back(o);
        a.health.push_back(b.health);
    }
    auto pose = [&](const Key *k, int bone) {
        const BoneDef &b = bones_[bone];
        Quat q = rest_turn[bone];
        Vec3 pos = b.pos;
        Vec3 s = b.scale;
        for (const Key::Op &op : k->ops) {
            if (op.bone != bone) {
                continue;
            }
            if (op.kind == 0) {
                q = quat_mul(q, quat_euler(op.v));
            } else if (op.kind == 1) {
                pos = add(pos, op.v);
            } else {
                s = op.v;
            }
        }
        return std::array<float, 10>{{q.x, q.y, q.z, q.w, pos.x, pos.y, pos.z, s.x, s.y, s.z}};
    };

    std::set<std::string> track_names;
    for (const Track &t : tracks_) {
        if (!track_names.insert(t.name).second || t.name.size() > 63) {
            return fail("track name " + t.name + " is used twice or too long");
        }
        if (t.keys.empty()) {
            return fail("track " + t.name + " has no keys");
        }
        if (t.loop_key >= (int)t.keys.size()) {
            return fail("track " + t.name + " loops to a key it does not have");
        }
        if (t.root >= (int)bone_count) {
            return fail("track " + t.name + " is rooted at a bone that does not exist");
        }
        for (const Key &k : t.keys) {
            for (const Key::Op &op : k.ops) {
                if (op.bone < 0 || op.bone >= (int)bone_count || !covers(t.root, op.bone)) {
                    return fail("track " + t.name + " poses a bone it does not drive");
                }
            }
        }
        int loop = -1;
        std::vector<OutKey> keys = out_keys(t, &loop);
        AnimTrackOut o;
        o.name = t.name;
        o.root_bone = t.root;
        o.loop_key = loop;
        o.repeat = t.passes;
        if (t.root == ACTOR) {
            size_t common = 0;
            for (const AnimBoneOut &b : a.bones) {
                common = b.keys.size() > common ? b.keys.size() : common;
            }
            for (AnimBoneOut &b : a.bones) {
                while (b.keys.size() < common) {
                    b.keys.push_back(b.keys[0]);
                }
            }
            for (size_t j = 0; j < keys.size(); j++) {
                o.key_frames.push_back((int32_t)(common + j + 1));
            }
        } else {
            for (size_t j = 0; j < keys.size(); j++) {
                o.key_frames.push_back((int32_t)(j + 1));
            }
        }
        for (size_t i = 0; i < bone_count; i++) {
            if (!covers(t.root, (int)i)) {
                o.bone_table.push_back(-1);
                continue;
            }
            o.bone_table.push_back((int32_t)a.bones[i].keys.size());
            for (const OutKey &k : keys) {
                a.bones[i].keys.push_back(pose(k.pose, (int)i));
            }
        }
        if (t.root == ACTOR) {
            o.bone_table.clear();
        }
        for (const OutKey &k : keys) {
            o.steps.push_back(step_of(k.ticks));
            o.arrive_ease.push_back(k.arrive);
            o.leave_ease.push_back(k.leave);
            o.root_offsets.push_back({{0, -k.ground, 0}});
            o.second_offsets.push_back({{0, 0, 0}});
        }
        a.tracks.push_back(o);
    }
    for (const AnimBoneOut &b : a.bones) {
        if (b.keys.size() > 4096) {
            return fail("bone " + b.name + " has more than 4096 key poses");
        }
    }

    // Defaults by name. The first one shows its key 0 as the actor appears, before any
    // time passes, so that key must not carry ground.
    if (defaults_.size() > a.defaults.size()) {
        return fail("more than 8 default animations");
    }
    for (size_t i = 0; i < defaults_.size(); i++) {
        int found = -1;
        for (size_t t = 0; t < tracks_.size(); t++) {
            found = tracks_[t].name == defaults_[i] ? (int)t : found;
        }
        if (found < 0) {
            return fail("default animation " + defaults_[i] + " does not exist");
        }
        if (i == 0 && tracks_[found].keys[0].distance != 0) {
            return fail("default animation " + defaults_[i] + " covers ground into its first key");
        }
        a.defaults[i] = found;
    }
    if (defaults_.empty()) {
        a.defaults[0] = -1;
    }
    a.spheres = spheres_;
    for (const AnimSphereOut &s : spheres_) {
        if (s.matrix < 0 || s.matrix > (int)bone_count) {
            return fail("a hit sphere is on a bone that does not exist");
        }
    }

    // Mesh: positions in runs by bone; textures one per distinct look; opaque faces
    // before the blended ones.
    MeshFile &m = out.mesh;
    std::vector<uint32_t> first(bone_count, 0);
    for (size_t b = 0; b < bone_count; b++) {
        first[b] = (uint32_t)m.positions.size();
        for (const Vec3 &p : positions_[b]) {
            m.positions.push_back({{p.x, p.y, p.z}});
            m.bones.push_back((uint32_t)b + 1);
        }
    }
    std::map<std::string, uint32_t> textures;
    std::map<std::string, uint32_t> corners;
    bool lit = false;
    for (int pass = 0; pass < 2; pass++) {
        for (const Face &f : faces_) {
            const Paint &paint = paints_[f.paint];
            if (batched(paint) != (pass == 1)) {
                continue;
            }
            uint32_t flags = texture_flags(paint);
            lit = lit || (!(flags & TEXTURE_UNLIT) && paint.light == Lighting::Normal);
            char key[256];
            snprintf(key, sizeof(key), "%s|%x|%g|%d", paint.bitmap->name.c_str(), flags, paint.anim_speed,
                     paint.anim_mode);
            auto found = textures.find(key);
            if (found == textures.end()) {
                MeshTexture tex;
                tex.flags = flags;
                tex.anim_speed = paint.anim_speed;
                tex.anim_mode = paint.anim_mode;
                tex.colour = model_texture_name(*paint.bitmap, false);
                tex.mask = paint.bitmap->draw_mask ? model_texture_name(*paint.bitmap, true) : "(null)";
                found = textures.emplace(key, (uint32_t)m.textures.size()).first;
                m.textures.push_back(tex);
                bool known = false;
                for (const Bitmap *b : out.bitmaps) {
                    known = known || b == paint.bitmap;
                }
                if (!known) {
                    out.bitmaps.push_back(paint.bitmap);
                }
            }
            MeshFace face;
            face.word = found->second | (paint.light == Lighting::Radial ? FACE_RADIAL : 0);
            for (int k = 0; k < 3; k++) {
                const Corner &c = f.c[k];
                MeshDrawVertex d;
                d.u = c.u;
                d.v = c.v;
                d.rgba = {{c.colour.r, c.colour.g, c.colour.b, c.colour.a}};
                d.normal[0] = f.normal.x;
                d.normal[1] = f.normal.y;
                d.normal[2] = f.normal.z;
                d.position = first[f.bone] + (uint32_t)c.position;
                char ck[256];
                snprintf(ck, sizeof(ck), "%u|%a|%a|%02x%02x%02x%02x|%a|%a|%a", d.position, d.u, d.v, d.rgba[0],
                         d.rgba[1], d.rgba[2], d.rgba[3], d.normal[0], d.normal[1], d.normal[2]);
                auto at = corners.find(ck);
                if (at == corners.end()) {
                    at = corners.emplace(ck, (uint32_t)m.draw_vertices.size()).first;
                    m.draw_vertices.push_back(d);
                }
                face.index[k] = at->second;
            }
            m.faces.push_back(face);
        }
    }
    // Draw vertex k < V must belong to position k: put one per position first.
    std::vector<MeshDrawVertex> ordered(m.positions.size());
    std::vector<bool> placed(m.positions.size(), false);
    std::vector<uint32_t> remap(m.draw_vertices.size());
    std::vector<MeshDrawVertex> extra;
    for (size_t i = 0; i < m.draw_vertices.size(); i++) {
        uint32_t p = m.draw_vertices[i].position;
        if (!placed[p]) {
            placed[p] = true;
            ordered[p] = m.draw_vertices[i];
            remap[i] = p;
        } else {
            remap[i] = (uint32_t)(m.positions.size() + extra.size());
            extra.push_back(m.draw_vertices[i]);
        }
    }
    for (size_t p = 0; p < placed.size(); p++) {
        if (!placed[p]) {
            return fail("a position is used by no face");
        }
    }
    ordered.insert(ordered.end(), extra.begin(), extra.end());
    m.draw_vertices = ordered;
    for (MeshFace &f : m.faces) {
        for (uint32_t &i : f.index) {
            i = remap[i];
        }
    }
    if (m.draw_vertices.size() > MAX_VERTICES || m.faces.size() > MAX_FACES) {
        return fail("the mesh is larger than the engine draws");
    }
    a.mesh_flags = mesh_flags_ >= 0 ? mesh_flags_ : (lit ? MESH_LIT : 0);
    for (const Bitmap *b : swaps_) {
        if (std::find(out.bitmaps.begin(), out.bitmaps.end(), b) == out.bitmaps.end()) {
            out.bitmaps.push_back(b);
        }
    }
    return true;
}

// Bitmap names and bytes.

std::string model_texture_name(const Bitmap &b, bool mask)
{
    std::string name = "../" + std::string(ASSET_STYLES) + "/bitmaps/" + b.name + (mask ? "m" : "");
    return b.frames > 0 ? name : name + ".bmp";
}

std::string model_bitmap_path(const Bitmap &b, int frame, bool mask)
{
    std::string base = std::string(ASSET_STYLES) + "/bitmaps/" + b.name;
    if (b.frames == 0) {
        return base + (mask ? "m" : "") + ".bmp";
    }
    char digits[16];
    snprintf(digits, sizeof(digits), "/%05d.bmp", frame);
    return base + (mask ? "m" : "") + digits;
}

Bytes model_bitmap_bytes(const Bitmap &b, int frame, bool mask)
{
    if (mask) {
        return b.draw_mask ? bmp_write_grey(b.draw_mask(frame)) : Bytes{};
    }
    return b.draw ? bmp_write_24(b.draw(frame)) : Bytes{};
}

// The families' files, built once.

namespace {

struct FamilyEntry {
    std::unique_ptr<ModelBuilder> builder;
    ModelFiles files;
    bool ok = false;
};

FamilyEntry *family_entry(const std::string &key)
{
    static std::map<std::string, std::unique_ptr<FamilyEntry>> built;
    auto found = built.find(key);
    if (found != built.end()) {
        return found->second.get();
    }
    for (int i = 0; i < MODEL_FAMILY_COUNT; i++) {
        const ModelFamily &f = MODEL_FAMILIES[i];
        if (key != std::string(f.folder) + "/" + f.name) {
            continue;
        }
        auto e = std::make_unique<FamilyEntry>();
        e->builder = std::make_unique<ModelBuilder>(f.folder, f.name);
        f.build(*e->builder);
        std::string error;
        e->ok = e->builder->finish(e->files, error);
        if (!e->ok) {
            fprintf(stderr, "assetgen: %s\n", error.c_str());
        }
        return built.emplace(key, std::move(e)).first->second.get();
    }
    return nullptr;
}

// Bitmaps of every family by name, for the catalogue's builders.
std::map<std::string, const Bitmap *> &bitmap_registry()
{
    static std::map<std::string, const Bitmap *> registry;
    return registry;
}

Bytes build_model_file(const AssetEntry &e)
{
    const ModelFiles *files = model_family_files(e.name);
    if (!files) {
        return Bytes{};
    }
    return e.param == 0 ? anim_write(files->anim) : model_write(files->mesh);
}

Bytes build_model_bitmap(const AssetEntry &e)
{
    auto found = bitmap_registry().find(e.name);
    if (found == bitmap_registry().end()) {
        return Bytes{};
    }
    return model_bitmap_bytes(*found->second, e.param, e.kind == AssetKind::Mask);
}

}  // namespace

const ModelFiles *model_family_files(const std::string &key)
{
    FamilyEntry *e = family_entry(key);
    return e && e->ok ? &e->files : nullptr;
}

const ModelBuilder *model_family_builder(const std::string &key)
{
    FamilyEntry *e = family_entry(key);
    return e ? e->builder.get() : nullptr;
}

void models_add_to_catalogue(std::vector<AssetEntry> &c)
{
    std::set<std::string> listed;
    for (int i = 0; i < MODEL_FAMILY_COUNT; i++) {
        const ModelFamily &f = MODEL_FAMILIES[i];
        std::string key = std::string(f.folder) + "/" + f.name;
        std::string dir = std::string(ASSET_STYLES) + "/" + key + "/";
        c.push_back({dir + "anim.bin", AssetKind::Model, 0, key, build_model_file});
        c.push_back({dir + "model.bin", AssetKind::Model, 1, key, build_model_file});
        const ModelFiles *files = model_family_files(key);
        for (const Bitmap *b : files ? files->bitmaps : std::vector<const Bitmap *>{}) {
            const Bitmap *&known = bitmap_registry()[b->name];
            if (known && known != b) {
                fprintf(stderr, "assetgen: two bitmaps are named %s\n", b->name.c_str());
            }
            known = b;
            if (!b->draw) {
                continue;   // a picture another part of the catalogue writes (floor-1_3)
            }
            int frames = b->frames > 0 ? b->frames : 1;
            for (int frame = 0; frame < frames; frame++) {
                for (bool mask : {false, true}) {
                    if (mask && !b->draw_mask) {
                        continue;
                    }
                    std::string path = model_bitmap_path(*b, frame, mask);
                    if (listed.insert(path).second) {
                        c.push_back({path, mask ? AssetKind::Mask : AssetKind::Bitmap, frame, b->name,
                                     build_model_bitmap});
                    }
                }
            }
        }
    }
}

Paint paint_plate(const Bitmap *bitmap, uint32_t colour)
{
    Paint p;
    p.bitmap = bitmap;
    p.colour = rgb(colour);
    return p;
}

Paint paint_light(const Bitmap *bitmap, uint32_t colour)
{
    Paint p = paint_plate(bitmap, colour);
    p.light = Lighting::Unlit;
    return p;
}

Paint paint_glow(const Bitmap *bitmap, uint32_t colour)
{
    Paint p = paint_light(bitmap, colour);
    p.additive = true;
    p.clamp = true;
    return p;
}
