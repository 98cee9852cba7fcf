// formats.cpp -- the generator's file format writers.

#include "assetgen/formats.h"

static void bmp_headers(Bytes &b, int width, int height, int bits, int palette_bytes, int image_bytes)
{
    int offset = 54 + palette_bytes;
    b.push_back('B');
    b.push_back('M');
    put_u32(b, (uint32_t)(offset + image_bytes));   // file size
    put_u32(b, 0);                                    // reserved
    put_u32(b, (uint32_t)offset);                     // pixel data offset
    put_u32(b, 40);                                   // info header size
    put_i32(b, width);
    put_i32(b, height);                               // positive: rows stored bottom-up
    put_u16(b, 1);                                    // planes
    put_u16(b, (uint32_t)bits);
    put_u32(b, 0);                                    // no compression
    put_u32(b, (uint32_t)image_bytes);
    put_i32(b, 2835);                                 // 72 dpi
    put_i32(b, 2835);
    put_u32(b, bits == 8 ? 256 : 0);                  // palette entries used
    put_u32(b, 0);                                    // all important
}

Bytes bmp_write_24(const ImageRgb &image)
{
    int stride = (image.width * 3 + 3) & ~3;
    Bytes b;
    b.reserve(54 + (size_t)stride * image.height);
    bmp_headers(b, image.width, image.height, 24, 0, stride * image.height);
    for (int y = image.height - 1; y >= 0; y--) {
        for (int x = 0; x < image.width; x++) {
            const uint8_t *p = image.at(x, y);
            b.push_back(p[2]);
            b.push_back(p[1]);
            b.push_back(p[0]);
        }
        for (int pad = image.width * 3; pad < stride; pad++) {
            b.push_back(0);
        }
    }
    return b;
}

Bytes bmp_write_8(int width, int height, const std::vector<uint8_t> &indexes, const Palette &palette)
{
    int stride = (width + 3) & ~3;
    Bytes b;
    b.reserve(54 + 1024 + (size_t)stride * height);
    bmp_headers(b, width, height, 8, 1024, stride * height);
    for (const auto &entry : palette) {
        b.push_back(entry[2]);
        b.push_back(entry[1]);
        b.push_back(entry[0]);
        b.push_back(0);
    }
    for (int y = height - 1; y >= 0; y--) {
        for (int x = 0; x < width; x++) {
            b.push_back(indexes[(size_t)y * width + x]);
        }
        for (int pad = width; pad < stride; pad++) {
            b.push_back(0);
        }
    }
    return b;
}

Bytes bmp_write_grey(const ImageGrey &image)
{
    Palette grey;
    for (int i = 0; i < 256; i++) {
        grey[i] = {{(uint8_t)i, (uint8_t)i, (uint8_t)i}};
    }
    return bmp_write_8(image.width, image.height, image.v, grey);
}

Bytes wav_write(const std::vector<int16_t> &samples)
{
    uint32_t data_bytes = (uint32_t)samples.size() * 2;
    Bytes b;
    b.reserve(44 + data_bytes);
    put_text(b, "RIFF");
    put_u32(b, 36 + data_bytes);
    put_text(b, "WAVE");
    put_text(b, "fmt ");
    put_u32(b, 16);
    put_u16(b, 1);              // PCM
    put_u16(b, 1);              // mono
    put_u32(b, WAV_RATE);
    put_u32(b, WAV_RATE * 2);   // bytes a second
    put_u16(b, 2);              // bytes a frame
    put_u16(b, 16);
    put_text(b, "data");
    put_u32(b, data_bytes);
    for (int16_t s : samples) {
        put_u16(b, (uint16_t)s);
    }
    return b;
}

Bytes model_write(const MeshFile &mesh)
{
    Bytes b;
    put_u32(b, mesh.first_word);
    put_u32(b, (uint32_t)mesh.positions.size());
    for (const auto &p : mesh.positions) {
        put_f32(b, p[0]);
        put_f32(b, p[1]);
        put_f32(b, p[2]);
    }
    put_u32(b, (uint32_t)mesh.bones.size());
    for (uint32_t bone : mesh.bones) {
        put_u32(b, bone);
    }
    put_u32(b, (uint32_t)mesh.draw_vertices.size());
    for (const MeshDrawVertex &d : mesh.draw_vertices) {
        put_f32(b, d.u);
        put_f32(b, d.v);
        for (uint8_t c : d.rgba) {
            b.push_back(c);
        }
        put_f32(b, d.normal[0]);
        put_f32(b, d.normal[1]);
        put_f32(b, d.normal[2]);
        put_u32(b, d.position);
    }
    put_u32(b, (uint32_t)mesh.faces.size());
    for (const MeshFace &f : mesh.faces) {
        put_u32(b, f.index[0]);
        put_u32(b, f.index[1]);
        put_u32(b, f.index[2]);
        put_u32(b, f.word);
    }
    put_u32(b, (uint32_t)mesh.pairs.size());
    for (const auto &p : mesh.pairs) {
        put_u32(b, p[0]);
        put_u32(b, p[1]);
    }
    put_u32(b, (uint32_t)mesh.textures.size());
    for (const MeshTexture &t : mesh.textures) {
        put_u32(b, t.flags);
        put_f32(b, t.anim_speed);
        put_i32(b, t.anim_mode);
        put_name(b, t.colour, 64);
        put_name(b, t.mask, 64);
    }
    return b;
}

Bytes anim_write(const AnimFile &anim)
{
    Bytes b;
    put_i32(b, (int32_t)anim.bones.size());
    for (const AnimBoneOut &bone : anim.bones) {
        put_i32(b, bone.parent);
        put_i32(b, bone.word);
        put_i32(b, bone.delay);
        put_name(b, bone.name, 64);
        put_i32(b, (int32_t)bone.keys.size());
        for (const auto &key : bone.keys) {
            for (float f : key) {
                put_f32(b, f);
            }
        }
    }
    for (size_t i = 0; i < anim.bones.size(); i++) {
        put_f32(b, i < anim.health.size() ? anim.health[i] : 1.0f);
    }
    put_i32(b, (int32_t)anim.tracks.size());
    for (const AnimTrackOut &t : anim.tracks) {
        size_t n = t.key_frames.size();
        put_name(b, t.name, 64);
        put_i32(b, t.root_bone);
        put_i32(b, (int32_t)n);
        put_i32(b, t.loop_key);
        put_i32(b, t.repeat);
        for (size_t k = 0; k < n; k++) {
            put_i32(b, t.key_frames[k]);
        }
        for (size_t k = 0; k < n; k++) {
            put_f32(b, k < t.steps.size() ? t.steps[k] : 0.1f);
        }
        for (size_t k = 0; k < n; k++) {
            put_f32(b, k < t.arrive_ease.size() ? t.arrive_ease[k] : 0.0f);
        }
        for (size_t k = 0; k < n; k++) {
            put_f32(b, k < t.leave_ease.size() ? t.leave_ease[k] : 0.0f);
        }
        for (size_t k = 0; k < n; k++) {
            for (int c = 0; c < 3; c++) {
                put_f32(b, k < t.root_offsets.size() ? t.root_offsets[k][c] : 0.0f);
            }
        }
        for (size_t k = 0; k < n; k++) {
            for (int c = 0; c < 3; c++) {
                put_f32(b, k < t.second_offsets.size() ? t.second_offsets[k][c] : 0.0f);
            }
        }
        if (t.root_bone >= 0) {
            for (size_t i = 0; i < anim.bones.size(); i++) {
                put_i32(b, i < t.bone_table.size() ? t.bone_table[i] : -1);
            }
        }
    }
    for (int32_t d : anim.defaults) {
        put_i32(b, d);
    }
    put_i32(b, (int32_t)anim.spheres.size());
    for (const AnimSphereOut &s : anim.spheres) {
        put_i32(b, s.matrix);
        put_f32(b, s.centre[0]);
        put_f32(b, s.centre[1]);
        put_f32(b, s.centre[2]);
        put_f32(b, s.radius);
    }
    put_i32(b, anim.mesh_flags);
    return b;
}

Bytes particle_write(const ParticleOut &p)
{
    Bytes b;
    b.reserve(PARTICLE_OUT_SIZE);
    auto floats = [&b](const float *f, int n) {
        for (int i = 0; i < n; i++) {
            put_f32(b, f[i]);
        }
    };
    floats(&p.box[0][0], 12);          // 0
    floats(p.direction, 3);            // 48
    for (int i = 0; i < 9; i++) {      // 60: not read by the game
        put_u32(b, 0);
    }
    floats(p.spread, 4);               // 96
    floats(p.speed, 4);                // 112
    floats(p.speed_var, 4);            // 128
    floats(p.spin, 4);                 // 144
    floats(p.spin_var, 4);             // 160
    floats(p.rate, 4);                 // 176
    put_f32(b, p.life);                // 192
    put_f32(b, p.fade);                // 196
    floats(p.life_var, 4);             // 200
    floats(p.size, 4);                 // 216
    floats(p.size_var, 4);             // 232
    put_f32(b, p.grow);                // 248
    floats(&p.colour[0][0], 16);       // 252
    floats(&p.colour_var[0][0], 16);   // 316
    for (int i = 0; i < 3; i++) {      // 380: position, set when an emitter starts
        put_f32(b, 0);
    }
    put_u32(b, 0);                     // 392
    put_f32(b, p.rise);                // 396
    put_u32(b, 0);                     // 400
    floats(p.stage_times, 4);          // 404
    put_f32(b, p.duration);            // 420
    put_f32(b, p.duration);            // 424: time left
    put_f32(b, p.gravity);             // 428
    put_f32(b, p.uv_extent);           // 432
    put_u32(b, 0);                     // 436
    put_f32(b, 0);                     // 440: emission credit
    put_i32(b, -1);                    // 444: live index
    put_u32(b, p.flags);               // 448
    while (b.size() < 488) {           // 452 .. 487: run-time words
        put_u32(b, 0);
    }
    put_name(b, "", 64);               // 488: name, given when the game stores a template
    put_u32(b, p.texture_flags);       // 552
    put_name(b, p.colour_name, 64);    // 556
    put_name(b, p.mask_name, 64);      // 620
    return b;
}
