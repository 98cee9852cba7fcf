// models.h -- the model builder: one skinned model (styles/FOLDER/NAME/anim.bin and
// model.bin, plus the bitmaps its textures name) made of named bones, solid shapes
// bound to them, hit spheres and named animation tracks.
//
// Model space (README.md, "Axes"): -Y is forward, +Z is up, +X is the model's left.
// Bone 0 is always "mainbone_x", at the model's origin on the floor. Lengths are world
// units, angles degrees, times seconds.
//
// A family is one function that fills a builder, listed in models_list.cpp:
//
//     void model_robot_green(ModelBuilder &m)
//     {
//         int root = m.bone("mainbone_x");
//         int body = m.bone("body", root).at(0, 0, 2.5f).health(6);
//         m.box(body, at(0, 0, 0.8f), {3, 2, 1.6f}, GREEN);
//         m.hit_sphere(ModelBuilder::ACTOR, {0, 0, 2.5f}, 3.2f);
//         m.hit_sphere(body, {0, 0, 0.8f}, 1.6f);
//         Track &walk = m.track("walk").loop();
//         walk.key(0.2f).turn(leg_l, -25, 0, 0).forward(2.0f);
//         ...
//         m.defaults({"idle"});
//     }
#pragma once

#include "assetgen/formats.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

// Where a shape sits in its bone's space: its origin, turned by angles about X, then Y,
// then Z (degrees).
struct Place {
    Vec3 pos;
    Vec3 angles;
    Place turn(float x, float y, float z) const { return Place{pos, {x, y, z}}; }
};
inline Place at(float x, float y, float z)
{
    return Place{{x, y, z}, {0, 0, 0}};
}

struct Rgba {
    uint8_t r = 255, g = 255, b = 255, a = 255;
};
// A colour from 0xRRGGBB.
constexpr Rgba rgb(uint32_t hex, uint8_t alpha = 255)
{
    return Rgba{(uint8_t)(hex >> 16), (uint8_t)(hex >> 8), (uint8_t)hex, alpha};
}

// A bitmap that textures name, drawn by the generator. A single picture is
// "bitmaps/NAME.bmp"; an animated set of n frames is "bitmaps/NAME/00000.bmp" onwards.
// With a mask, each picture has its mask beside it ("NAMEm.bmp", "NAME/00000m.bmp").
struct Bitmap {
    std::string name;                           // lower case
    int frames = 0;                             // 0: one picture; n > 0: an animated set
    ImageRgb (*draw)(int frame) = nullptr;      // null: a picture written elsewhere in the catalogue
    ImageGrey (*draw_mask)(int frame) = nullptr;
};

// How faces are lit: by their normals, by the direction from their bone's origin, or
// not at all (full colour).
enum class Lighting { Normal, Radial, Unlit };

// The look of a shape's faces.
struct Paint {
    const Bitmap *bitmap = nullptr;   // required: every face has a texture
    Rgba colour;                      // vertex colour, multiplied with the texture
    Lighting light = Lighting::Normal;
    bool additive = false;            // a glow: blended additively, depth-sorted, unlit
    bool clamp = false;               // texture coordinates clamped instead of repeated
    float anim_speed = 0;             // animated bitmaps: frames per tick
    int anim_mode = 0;                // animated bitmaps: 0 loops, 1 runs back and forth
    float uv_scale = 1;               // texture repeats across a face
    Paint with(Rgba c) const
    {
        Paint p = *this;
        p.colour = c;
        return p;
    }
    Paint lit(Lighting l) const
    {
        Paint p = *this;
        p.light = l;
        return p;
    }
};

// The usual paints: a bitmap tinted by a colour (0xRRGGBB) and lit by normals (plating),
// the same at full colour (lamps, visors, eyes), and an additive glow with clamped
// texture coordinates (flashes, jets, halos).
Paint paint_plate(const Bitmap *bitmap, uint32_t colour);
Paint paint_light(const Bitmap *bitmap, uint32_t colour);
Paint paint_glow(const Bitmap *bitmap, uint32_t colour);

// A point of a ribbon: a flat strip in its bone's X/Y plane.
struct RibbonPoint {
    Vec3 pos;
    float width;
    Rgba colour;
};

// A texture laid on a flat shape as a plane: at a point (x, y) of the bone's X/Y plane the
// coordinates are u = u0 + ux x + uy y and v = v0 + vx x + vy y.
struct PlaneUv {
    float u0, ux, uy;
    float v0, vx, vy;
};

class ModelBuilder;

// One key of a track: the pose of every bone the track drives (its rest pose unless an
// operation changes it), the time to reach it and the ground covered meanwhile.
class Key {
public:
    // Turns a bone about its own X, Y, Z axes (in that order) on top of its rest turn.
    Key &turn(int bone, float x, float y, float z);
    // Moves a bone from its rest position (parent's space).
    Key &move(int bone, float x, float y, float z);
    // Sets a bone's scale for this key (its rest scale otherwise).
    Key &scale(int bone, float s);
    Key &scale(int bone, float x, float y, float z);
    // Ground covered forward (along model -Y) while moving into this key: root motion.
    Key &forward(float distance);
    // Easing into this key and out of it; values above 1 bend the curve (20 .. 60 are
    // gentle, 100 strong).
    Key &ease_in(float ease);
    Key &ease_out(float ease);

private:
    friend class ModelBuilder;
    friend class Track;
    struct Op {
        int bone;
        int kind;   // 0 turn, 1 move, 2 scale
        Vec3 v;
    };
    float seconds = 0;
    float distance = 0;
    float arrive = 0;
    float leave = 0;
    std::vector<Op> ops;
};

// A named animation. Whole-skeleton unless it has a root bone, in which case it drives
// only that bone and its descendants (and the root bone's priority ranks it).
class Track {
public:
    // A new key reached seconds after the previous one (at least one tick, 0.01 s).
    Key &key(float seconds);
    // Plays for ever, returning to key index after the last.
    Track &loop(int key_index = 0);
    // Plays once and ends holding its last key (the default).
    Track &once();
    // Plays passes times, the later passes from key index.
    Track &repeat(int passes, int key_index = 0);

private:
    friend class ModelBuilder;
    std::string name;
    int root = -1;
    int loop_key = -1;
    int passes = 0;
    std::deque<Key> keys;
};

// What a builder writes.
struct ModelFiles {
    AnimFile anim;
    MeshFile mesh;
    std::vector<const Bitmap *> bitmaps;   // every bitmap the textures name
};

class ModelBuilder {
public:
    static constexpr int ACTOR = -1;   // the actor's own matrix, as a parent or a sphere's bone

    // A bone being defined; converts to its index.
    class Bone {
    public:
        Bone(ModelBuilder *m, int index) : m_(m), index_(index) {}
        operator int() const { return index_; }
        // Rest position in the parent's space, and rest turn (degrees about X, Y, Z).
        Bone &at(float x, float y, float z);
        Bone &turn(float x, float y, float z);
        // Rest scale (0 hides the bone's shapes until a key scales it up).
        Bone &size(float s);
        // Hit points (0: takes no damage; negative: collapsed from the start).
        Bone &health(float h);
        // The bone faces the camera: its shapes lie in its X/Y plane, facing +Z.
        Bone &faces_camera();
        // Collapses when shot to 0.
        Bone &breakable();
        // Animations rooted here win over those rooted at bones of lower priority; every
        // rooted animation wins over the whole-skeleton ones.
        Bone &priority(int p);
        // Matrix history: -1 records, d >= 1 shows a recording bone's matrix of d updates ago.
        Bone &delay(int d);

    private:
        ModelBuilder *m_;
        int index_;
    };

    ModelBuilder(const std::string &folder, const std::string &name);

    // A bone hanging from parent (ACTOR for the root, which must be "mainbone_x").
    Bone bone(const std::string &name, int parent = ACTOR);
    // The largest scale the family's scripts launch it at, when that is below model size:
    // the shapes that follow are cut for the size it has on screen.
    void shown_at(float scale);
    // The round shapes that follow keep their outline within a pixel of the round (not a
    // pixel and a half): for a family whose look rests on rounds that must match, as the
    // power-ups' rims on their coins.
    void keep_round();

    // Shapes, in the bone's space at place p. Faces point outward. Shapes are cut no finer
    // than the play camera can show at the size the family has on screen (model size, or
    // shown_at): the round ones (cylinder, sphere, torus) take the sides, segments and
    // rings asked for, but no more than keep every side within a pixel and a half of the
    // true outline there (a knob a unit across gets 4 sides, a body 6 units across 9).
    // A box of size x, y, z centred on p; taper scales its top (+Z) face. A plate thinner
    // than a pixel there has only its two broad faces.
    void box(int bone, Place p, Vec3 size, const Paint &paint, float taper = 1);
    // A cylinder from p along +Z; top_radius < 0 keeps the radius, 0 makes a cone.
    void cylinder(int bone, Place p, float radius, float length, int sides, const Paint &paint,
                  float top_radius = -1);
    // An ellipsoid of the given radii centred on p; half keeps the +Z half, closed below.
    void sphere(int bone, Place p, Vec3 radii, int segments, int rings, const Paint &paint, bool half = false);
    // A ring about p's Z axis.
    void torus(int bone, Place p, float radius, float tube, int segments, int sides, const Paint &paint);
    // A flat strip through the points, in the bone's X/Y plane, facing +Z.
    void ribbon(int bone, const std::vector<RibbonPoint> &points, const Paint &paint);
    // A flat convex polygon in the bone's X/Y plane (corners in order, either winding, at
    // their own height), facing +Z, cut as a fan from its first corner, its texture laid
    // on it by uv: light that covers only part of a bigger picture's square.
    void polygon(int bone, const std::vector<Vec3> &corners, const PlaneUv &uv, const Paint &paint);
    // A square of the given size centred on the bone's origin in its X/Y plane, facing +Z:
    // the face of a camera-facing bone.
    void sprite(int bone, float size, const Paint &paint);
    // A slab: the outline (points in p's X/Y plane, z ignored; a simple polygon, either
    // winding) from z = 0 up to height, its top shrunk toward the outline's centre by
    // top_scale for bevelled sides; closed below. Wings, fins and hull plates. An unlit
    // slab thinner than a pixel is only its outline, both ways (no sides, no bevel).
    void prism(int bone, Place p, const std::vector<Vec3> &outline, float height, const Paint &paint,
               float top_scale = 1);

    // Hit spheres in a bone's space (ACTOR: the actor's matrix). The first is the bounding
    // sphere of the whole model (it sets the collision radius).
    void hit_sphere(int bone, Vec3 centre, float radius);

    // A named track, whole-skeleton (root ACTOR) or rooted at a bone.
    Track &track(const std::string &name, int root = ACTOR);
    // The animations started when an actor takes the model (at most 8, by name).
    void defaults(std::initializer_list<const char *> names);
    // The mesh flags word; by default lit (0x1000) when any face is lit by normals.
    void mesh_flags(int32_t flags);
    // A picture no face names, written with the model's own: one a level script swaps in
    // for one of them (c_change_bitmap).
    void swap_bitmap(const Bitmap *bitmap);

    const std::string &folder() const { return folder_; }
    const std::string &name() const { return name_; }
    // The files; false with the reason in error when the model breaks a convention
    // (root bone, names, indexes, limits).
    bool finish(ModelFiles &out, std::string &error) const;
    // The ground a track covers in its first ticks at speed 1, as the engine plays it
    // from rest (for tests of root motion): exact whenever a key is reached, linear in
    // between (eased keys spread their ground differently inside the interval).
    float forward_distance(const std::string &track, int ticks) const;

private:
    struct BoneDef {
        std::string name;
        int parent = -1;
        Vec3 pos;
        Vec3 angles;
        Vec3 scale{1, 1, 1};
        float health = 0;
        int flags = 0;
        int priority = 0;
        int delay = 0;
    };
    struct Corner {
        int position;   // index in the bone's positions
        float u, v;
        Rgba colour;
    };
    struct Face {
        int bone;
        Corner c[3];
        Vec3 normal;
        int paint;      // index into paints_
    };
    // A generated key of the file: pose source, timing, ground.
    struct OutKey {
        const Key *pose;
        int ticks;
        float arrive, leave;
        float ground;   // cumulative forward distance
    };

    float outline_pixels() const;   // the round shapes' outline tolerance
    int add_position(int bone, Vec3 p);
    int paint_index(const Paint &paint);
    void add_triangle(int bone, const Vec3 v[3], const float uv[3][2], const Rgba col[3], const Paint &paint,
                      Vec3 outside);
    void add_quad(int bone, const Vec3 v[4], const float uv[4][2], Rgba col, const Paint &paint, Vec3 inside,
                  bool toward = false);
    std::vector<OutKey> out_keys(const Track &t, int *loop_key) const;
    bool covers(int root, int bone) const;

    std::string folder_;
    std::string name_;
    std::vector<BoneDef> bones_;
    std::vector<std::vector<Vec3>> positions_;   // per bone
    std::vector<Face> faces_;
    std::vector<Paint> paints_;
    std::vector<AnimSphereOut> spheres_;
    std::deque<Track> tracks_;
    std::vector<std::string> defaults_;
    int32_t mesh_flags_ = -1;
    std::vector<const Bitmap *> swaps_;
    float shown_at_ = 1.0f;
    bool keep_round_ = false;
    std::string error_;
};

// The model families of the tree.
struct ModelFamily {
    const char *folder;
    const char *name;
    void (*build)(ModelBuilder &m);
};
extern const ModelFamily MODEL_FAMILIES[];
extern const int MODEL_FAMILY_COUNT;

// The files of one family ("beasties/robot_green"), built once; null when unknown or
// when its builder failed (the reason then goes to stderr).
const ModelFiles *model_family_files(const std::string &folder_and_name);
// The builder of one family after its function ran (for tests); null when unknown.
const ModelBuilder *model_family_builder(const std::string &folder_and_name);
// Bitmaps and masks: the tree path of a picture ("styles/bitmaps/x.bmp",
// "styles/bitmaps/x/00003m.bmp") and its bytes.
std::string model_bitmap_path(const Bitmap &b, int frame, bool mask);
Bytes model_bitmap_bytes(const Bitmap &b, int frame, bool mask);
// Texture name as a model file stores it, from the working directory "run".
std::string model_texture_name(const Bitmap &b, bool mask);

// Adds every family's anim.bin and model.bin, and each bitmap and mask they name once.
struct AssetEntry;
void models_add_to_catalogue(std::vector<AssetEntry> &c);
