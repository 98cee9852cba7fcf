// formats.h -- the generator's writers for the game's file formats: BMP (8 and 24 bit
// with full palettes), WAV (22050 Hz, 16-bit, mono), "model.bin", "anim.bin" and the
// 684-byte particle file. Each returns the whole file's bytes.
#pragma once

#include "assetgen/bytes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// An RGB picture, rows from the top, 3 bytes a pixel.
struct ImageRgb {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    ImageRgb() = default;
    ImageRgb(int w, int h) : width(w), height(h), rgb((size_t)w * h * 3, 0) {}
    uint8_t *at(int x, int y) { return &rgb[((size_t)y * width + x) * 3]; }
    const uint8_t *at(int x, int y) const { return &rgb[((size_t)y * width + x) * 3]; }
};

// A grey picture (a mask), rows from the top, one byte a pixel.
struct ImageGrey {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> v;
    ImageGrey() = default;
    ImageGrey(int w, int h) : width(w), height(h), v((size_t)w * h, 0) {}
    uint8_t &at(int x, int y) { return v[(size_t)y * width + x]; }
    uint8_t at(int x, int y) const { return v[(size_t)y * width + x]; }
};

// A 256-entry palette of r, g, b.
using Palette = std::array<std::array<uint8_t, 3>, 256>;

// 24-bit BMP, stored bottom-up with rows padded to 4 bytes.
Bytes bmp_write_24(const ImageRgb &image);
// 8-bit BMP of palette indexes (rows from the top) with a full 256-entry palette.
Bytes bmp_write_8(int width, int height, const std::vector<uint8_t> &indexes, const Palette &palette);
// 8-bit BMP with the grey ramp as its palette: the mask form.
Bytes bmp_write_grey(const ImageGrey &image);

constexpr int WAV_RATE = 22050;
// RIFF WAVE, PCM, 22050 Hz, 16-bit little-endian, mono.
Bytes wav_write(const std::vector<int16_t> &samples);

// "model.bin": the mesh file.
struct MeshDrawVertex {
    float u = 0, v = 0;
    std::array<uint8_t, 4> rgba{{255, 255, 255, 255}};
    float normal[3] = {0, 1, 0};
    uint32_t position = 0;
};
struct MeshFace {
    uint32_t index[3] = {0, 0, 0};
    uint32_t word = 0;   // texture index in bits 0-11, 0x8000 radial light
};
struct MeshTexture {
    uint32_t flags = 0;
    float anim_speed = 0;
    int32_t anim_mode = 0;
    std::string colour;
    std::string mask = "(null)";
};
struct MeshFile {
    uint32_t first_word = 0;
    std::vector<std::array<float, 3>> positions;
    std::vector<uint32_t> bones;                 // one per position
    std::vector<MeshDrawVertex> draw_vertices;
    std::vector<MeshFace> faces;
    std::vector<std::array<uint32_t, 2>> pairs;
    std::vector<MeshTexture> textures;
};
Bytes model_write(const MeshFile &mesh);

// "anim.bin": skeleton, animations and hit spheres.
struct AnimBoneOut {
    int32_t parent = 0;      // matrix index of the parent: 0 the actor, j + 1 bone j
    int32_t word = 0;        // bit 0 camera-facing, bit 1 breakable
    int32_t delay = 0;
    std::string name;
    std::vector<std::array<float, 10>> keys;   // quaternion x y z w, position, scale
};
struct AnimTrackOut {
    std::string name;
    int32_t root_bone = -1;
    int32_t loop_key = 0;
    int32_t repeat = 0;
    std::vector<int32_t> key_frames;   // 1-based pose indexes, one per key
    std::vector<float> steps;
    std::vector<float> arrive_ease;
    std::vector<float> leave_ease;
    std::vector<std::array<float, 3>> root_offsets;
    std::vector<std::array<float, 3>> second_offsets;
    std::vector<int32_t> bone_table;   // one per bone, written only when root_bone >= 0
};
struct AnimSphereOut {
    int32_t matrix = 0;
    float centre[3] = {0, 0, 0};
    float radius = 1;
};
struct AnimFile {
    std::vector<AnimBoneOut> bones;
    std::vector<float> health;   // one per bone
    std::vector<AnimTrackOut> tracks;
    std::array<int32_t, 8> defaults{{0, -1, -1, -1, -1, -1, -1, -1}};
    std::vector<AnimSphereOut> spheres;
    int32_t mesh_flags = 0;
};
Bytes anim_write(const AnimFile &anim);

// The particle file: a 552-byte emitter block, then the texture entry.
struct ParticleOut {
    float box[4][3] = {};
    float direction[3] = {};
    float spread[4] = {};
    float speed[4] = {};
    float speed_var[4] = {};
    float spin[4] = {};
    float spin_var[4] = {};
    float rate[4] = {};
    float life = 1;
    float fade = 1;
    float life_var[4] = {};
    float size[4] = {};
    float size_var[4] = {};
    float grow = 1;
    float colour[4][4] = {};       // 0..255
    float colour_var[4][4] = {};
    float rise = 0;
    float stage_times[4] = {};
    float duration = 1;
    float gravity = 0;
    float uv_extent = 2;
    uint32_t flags = 0;
    uint32_t texture_flags = 0;
    std::string colour_name;
    std::string mask_name = "(null)";
};
constexpr int PARTICLE_OUT_SIZE = 684;
Bytes particle_write(const ParticleOut &p);
