// samples.cpp -- small sample files of every format.

#include "assetgen/samples.h"

#include <cstdio>
#include <filesystem>

MeshFile sample_mesh()
{
    MeshFile m;
    m.first_word = 7;
    // A unit box on bone matrix 1.
    for (int i = 0; i < 8; i++) {
        m.positions.push_back({{(i & 1) ? 0.5f : -0.5f, (i & 2) ? 1.0f : 0.0f, (i & 4) ? 0.5f : -0.5f}});
        m.bones.push_back(1);
    }
    // A pyramid on bone matrix 2.
    m.positions.push_back({{-0.25f, 1.0f, -0.25f}});
    m.positions.push_back({{0.25f, 1.0f, -0.25f}});
    m.positions.push_back({{0.25f, 1.0f, 0.25f}});
    m.positions.push_back({{-0.25f, 1.0f, 0.25f}});
    m.positions.push_back({{0.0f, 1.6f, 0.0f}});
    for (int i = 0; i < 5; i++) {
        m.bones.push_back(2);
    }
    for (uint32_t i = 0; i < (uint32_t)m.positions.size(); i++) {
        MeshDrawVertex d;
        d.u = (float)(i & 1);
        d.v = (float)((i >> 1) & 1);
        d.rgba = {{(uint8_t)(40 + 10 * i), (uint8_t)(200 - 5 * i), (uint8_t)(3 * i), 255}};
        d.normal[0] = m.positions[i][0];
        d.normal[1] = m.positions[i][1] - 0.5f;
        d.normal[2] = m.positions[i][2];
        d.position = i;
        m.draw_vertices.push_back(d);
    }
    // Seam vertices: the same positions with other texture coordinates.
    for (uint32_t i : {0u, 1u, 4u, 5u}) {
        MeshDrawVertex d = m.draw_vertices[i];
        d.u += 0.5f;
        d.rgba[3] = 128;
        d.position = i;
        m.draw_vertices.push_back(d);
    }
    const uint32_t box[12][3] = {{0, 2, 1}, {1, 2, 3}, {4, 5, 6}, {5, 7, 6}, {0, 1, 4}, {1, 5, 4},
                                 {2, 6, 3}, {3, 6, 7}, {0, 4, 2}, {2, 4, 6}, {1, 3, 5}, {3, 7, 5}};
    for (const auto &f : box) {
        MeshFace face;
        face.index[0] = f[0];
        face.index[1] = f[1];
        face.index[2] = f[2];
        face.word = 0;
        m.faces.push_back(face);
    }
    m.faces[4].index[0] = 13;   // a face on the seam vertices
    m.faces[4].index[1] = 14;
    m.faces[4].index[2] = 15;
    const uint32_t pyramid[6][3] = {{8, 12, 9}, {9, 12, 10}, {10, 12, 11}, {11, 12, 8}, {8, 9, 10}, {8, 10, 11}};
    for (const auto &f : pyramid) {
        MeshFace face;
        face.index[0] = f[0];
        face.index[1] = f[1];
        face.index[2] = f[2];
        face.word = 1 | 0x8000;   // second texture, radial light
        m.faces.push_back(face);
    }
    m.pairs.push_back({{1, 2}});
    m.pairs.push_back({{3, 4}});
    MeshTexture body;
    body.flags = 0x00010000;
    body.colour = "..\\styles\\bitmaps\\sample_box.bmp";
    body.mask = "(null)";
    m.textures.push_back(body);
    MeshTexture glow;
    glow.flags = 0x01a10000;
    glow.anim_speed = 0.25f;
    glow.anim_mode = 1;
    glow.colour = "..\\styles\\bitmaps\\sample_glow";
    glow.mask = "";
    m.textures.push_back(glow);
    return m;
}

AnimFile sample_anim()
{
    AnimFile a;
    AnimBoneOut body;
    body.parent = 0;
    body.word = 2;
    body.delay = 0;
    body.name = "body";
    body.keys.push_back({{0, 0, 0, 1, 0, 0, 0, 1, 1, 1}});
    body.keys.push_back({{0, 0.38268343f, 0, 0.92387953f, 0, 0.2f, 0, 1, 1, 1}});
    AnimBoneOut top;
    top.parent = 1;
    top.word = 1;
    top.delay = 0;
    top.name = "top";
    top.keys.push_back({{0, 0, 0, 1, 0, 1, 0, 1, 1, 1}});
    top.keys.push_back({{0, 0, 0, 1, 0, 1.3f, 0, 1.2f, 1.2f, 1.2f}});
    a.bones = {body, top};
    a.health = {3.0f, -1.0f};
    AnimTrackOut idle;
    idle.name = "idle";
    idle.root_bone = -1;
    idle.loop_key = 0;
    idle.key_frames = {1, 2};
    idle.steps = {0.02f, 0.02f};
    idle.arrive_ease = {1.5f, 1.5f};
    idle.leave_ease = {1.5f, 1.5f};
    idle.root_offsets = {{{0, 0, 0}}, {{0, 0.1f, 0}}};
    idle.second_offsets = {{{0, 0, 0}}, {{0, 0, 0}}};
    AnimTrackOut nod = idle;
    nod.name = "nod";
    nod.root_bone = 1;
    nod.loop_key = 9;   // clamped by the reader
    nod.repeat = 2;
    nod.bone_table = {-1, 0};
    AnimTrackOut die = idle;
    die.name = "die";
    die.loop_key = -1;
    die.key_frames = {2};
    die.steps = {0.05f};
    die.arrive_ease = {0};
    die.leave_ease = {0};
    die.root_offsets = {{{0, 0, 0}}};
    die.second_offsets = {{{0, 0, 0}}};
    a.tracks = {idle, nod, die};
    a.defaults = {{0, 1, -1, -1, -1, -1, -1, -1}};
    AnimSphereOut whole;
    whole.matrix = 0;
    whole.centre[1] = 0.8f;
    whole.radius = 1.2f;
    AnimSphereOut head;
    head.matrix = 2;
    head.radius = 0.4f;
    a.spheres = {whole, head};
    a.mesh_flags = 0x1000;
    return a;
}

ParticleOut sample_particle()
{
    ParticleOut p;
    for (int s = 0; s < 4; s++) {
        for (int c = 0; c < 3; c++) {
            p.box[s][c] = 0.5f + 0.25f * s + 0.1f * c;
        }
        p.spread[s] = 0.2f + 0.05f * s;
        p.speed[s] = 0.3f - 0.05f * s;
        p.speed_var[s] = 0.05f;
        p.spin[s] = 2.0f + s;
        p.spin_var[s] = 1.0f;
        p.rate[s] = 0.8f - 0.2f * s;
        p.life_var[s] = 0.3f;
        p.size[s] = 1.0f + 0.5f * s;
        p.size_var[s] = 0.2f;
        p.colour[s][0] = 255.0f;
        p.colour[s][1] = 153.0f - 30.0f * s;
        p.colour[s][2] = 20.0f * s;
        p.colour[s][3] = 255.0f - 60.0f * s;
        for (int c = 0; c < 4; c++) {
            p.colour_var[s][c] = 16.0f;
        }
    }
    p.direction[1] = 1.0f;
    p.life = 0.6f;
    p.fade = 2.0f;
    p.grow = 2.5f;
    p.rise = 0.5f;
    p.stage_times[0] = 0.1f;
    p.stage_times[1] = 0.4f;
    p.stage_times[2] = 0.6f;
    p.stage_times[3] = 1.2f;
    p.duration = 1.5f;
    p.gravity = 0.002f;
    p.uv_extent = 2.0f;
    p.flags = 0x20 | 0x40 | 0x200;
    p.texture_flags = 0x07110000;
    p.colour_name = "..\\styles\\bitmaps\\spark.bmp";
    p.mask_name = "(null)";
    return p;
}

ImageRgb sample_image(int width, int height)
{
    ImageRgb img(width, height);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            uint8_t *p = img.at(x, y);
            p[0] = (uint8_t)(17 * x + 3 * y);
            p[1] = (uint8_t)(29 * y + 7);
            p[2] = (uint8_t)(255 - 11 * x - 5 * y);
        }
    }
    return img;
}

void sample_paletted(int width, int height, std::vector<uint8_t> &indexes, Palette &palette)
{
    for (int i = 0; i < 256; i++) {
        palette[i] = {{(uint8_t)i, (uint8_t)(255 - i), (uint8_t)(i * 7)}};
    }
    indexes.assign((size_t)width * height, 0);
    for (int y = 0; y < height; y++) {
        for (int x = 0; x < width; x++) {
            indexes[(size_t)y * width + x] = (uint8_t)(37 * x + 101 * y + 5);
        }
    }
}

static bool samples_put(const std::filesystem::path &path, const Bytes &bytes)
{
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    FILE *f = fopen(path.string().c_str(), "wb");
    if (!f) {
        return false;
    }
    size_t put = fwrite(bytes.data(), 1, bytes.size(), f);
    return fclose(f) == 0 && put == bytes.size();
}

int samples_write_seeds(const std::string &dir)
{
    std::filesystem::path root(dir);
    std::vector<uint8_t> indexes;
    Palette palette;
    sample_paletted(5, 3, indexes, palette);
    ImageGrey mask(7, 4);
    for (size_t i = 0; i < mask.v.size(); i++) {
        mask.v[i] = (uint8_t)(i * 9);
    }
    const std::pair<const char *, Bytes> files[] = {
        {"bmp/rgb_5x3.bmp", bmp_write_24(sample_image(5, 3))},
        {"bmp/rgb_2x2.bmp", bmp_write_24(sample_image(2, 2))},
        {"bmp/pal_5x3.bmp", bmp_write_8(5, 3, indexes, palette)},
        {"bmp/grey_7x4.bmp", bmp_write_grey(mask)},
        {"model/model.bin", model_write(sample_mesh())},
        {"anim/anim.bin", anim_write(sample_anim())},
        {"particle/sample.bin", particle_write(sample_particle())},
    };
    int n = 0;
    for (const auto &f : files) {
        if (!samples_put(root / f.first, f.second)) {
            fprintf(stderr, "assetgen: cannot write %s\n", (root / f.first).string().c_str());
            return -1;
        }
        n++;
    }
    return n;
}
