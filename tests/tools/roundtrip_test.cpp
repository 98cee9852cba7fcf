// Round trips: the generator's writers produce files, the engine's loaders read them.
// Two separate implementations of each format are checked against each other.

#include "assetgen/formats.h"
#include "assetgen/samples.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "core/particle_file.h"
#include "core/stream.h"
#include "render/tex.h"
#include "world/animset.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <SDL.h>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string as_string(const Bytes &b)
{
    return std::string(b.begin(), b.end());
}

class RoundTrip : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        g_file_quiet = 0;
        g_preload_hue = 0.0f;
        g_preload_reload = 0;
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s/", dir.path().c_str());
    }
    void TearDown() override
    {
        file_free_textures();
        astream_close();
        EXPECT_EQ(mem_usage, 0u);
        // The pool's own leak report names no block.
        log.clear();
        mem_report(1);
        EXPECT_EQ(log.count_containing("Free() not called"), 0);
        mem_init();
        g_particles_dir[0] = 0;
    }
    TempDir dir;
    LogCapture log;
};

TEST_F(RoundTrip, Bmp24AtOddWidthsInEveryChannelMode)
{
    for (int w = 1; w <= 7; w++) {
        for (int h : {1, 2, 3}) {
            ImageRgb img = sample_image(w, h);
            dir.write("p.bmp", as_string(bmp_write_24(img)));
            for (int asked : {0, 1, 3, 4}) {
                int ow = 0;
                int oh = 0;
                int ch = asked;
                uint8_t *px = file_load_bmp(dir.file("p.bmp").c_str(), &ow, &oh, &ch);
                ASSERT_NE(px, nullptr) << w << "x" << h;
                EXPECT_EQ(ow, w);
                EXPECT_EQ(oh, h);
                EXPECT_EQ(ch, asked == 0 ? 3 : asked);
                for (int row = 0; row < h; row++) {
                    // Output row 0 is the bottom of the picture.
                    int y = h - 1 - row;
                    for (int x = 0; x < w; x++) {
                        const uint8_t *src = img.at(x, y);
                        const uint8_t *out = px + (row * w + x) * ch;
                        int grey = (src[0] + src[1] + src[2]) / 3;
                        if (ch == 1) {
                            EXPECT_EQ(out[0], grey);
                        } else {
                            EXPECT_EQ(out[0], src[0]);
                            EXPECT_EQ(out[1], src[1]);
                            EXPECT_EQ(out[2], src[2]);
                            if (ch == 4) {
                                EXPECT_EQ(out[3], grey);
                            }
                        }
                    }
                }
                mem_free(px);
            }
        }
    }
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(RoundTrip, Bmp8ThroughItsFullPalette)
{
    for (int w : {1, 3, 5, 6}) {
        std::vector<uint8_t> indexes;
        Palette palette;
        sample_paletted(w, 3, indexes, palette);
        dir.write("p.bmp", as_string(bmp_write_8(w, 3, indexes, palette)));
        for (int asked : {0, 3, 4}) {
            int ow, oh;
            int ch = asked;
            uint8_t *px = file_load_bmp(dir.file("p.bmp").c_str(), &ow, &oh, &ch);
            ASSERT_NE(px, nullptr);
            EXPECT_EQ(ch, asked == 0 ? 1 : asked);
            for (int row = 0; row < 3; row++) {
                for (int x = 0; x < w; x++) {
                    const auto &rgb = palette[indexes[(size_t)(2 - row) * w + x]];
                    const uint8_t *out = px + (row * w + x) * ch;
                    int grey = (rgb[0] + rgb[1] + rgb[2]) / 3;
                    if (ch == 1) {
                        EXPECT_EQ(out[0], grey);
                    } else {
                        EXPECT_EQ(out[0], rgb[0]);
                        EXPECT_EQ(out[1], rgb[1]);
                        EXPECT_EQ(out[2], rgb[2]);
                    }
                }
            }
            mem_free(px);
        }
    }
}

TEST_F(RoundTrip, MaskMergedIntoAlpha)
{
    ImageRgb img = sample_image(5, 3);
    ImageGrey mask(5, 3);
    for (int y = 0; y < 3; y++) {
        for (int x = 0; x < 5; x++) {
            mask.at(x, y) = (uint8_t)(50 * x + y);
        }
    }
    dir.write("c.bmp", as_string(bmp_write_24(img)));
    dir.write("cm.bmp", as_string(bmp_write_grey(mask)));
    Preload *colour = file_mload(dir.file("c.bmp").c_str(), 4);
    Preload *alpha = file_mload(dir.file("cm.bmp").c_str(), 1);
    ASSERT_TRUE(colour && alpha);
    ASSERT_EQ(file_apply_mask(colour, alpha), 1);
    for (int row = 0; row < 3; row++) {
        for (int x = 0; x < 5; x++) {
            const uint8_t *p = colour->pixels + 4 * (row * 5 + x);
            EXPECT_EQ(p[3], mask.at(x, 2 - row));
            EXPECT_EQ(p[0], img.at(x, 2 - row)[0]);
        }
    }
}

TEST_F(RoundTrip, AnimatedFolderOfEightFrames)
{
    for (int f = 0; f < 8; f++) {
        ImageRgb frame(4, 4);
        for (size_t i = 0; i < frame.rgb.size(); i += 3) {
            frame.rgb[i] = (uint8_t)(30 * f);
            frame.rgb[i + 1] = 200;
            frame.rgb[i + 2] = (uint8_t)(255 - 30 * f);
        }
        char name[32];
        snprintf(name, sizeof(name), "glow/%05d.bmp", f);
        dir.write(name, as_string(bmp_write_24(frame)));
    }
    // The texture cache walks the frames with the quiet flag set until one is missing.
    g_file_quiet = 1;
    int frames = 0;
    for (;; frames++) {
        char path[512];
        snprintf(path, sizeof(path), "%s/glow/%05d.bmp", dir.path().c_str(), frames);
        Preload *p = file_mload(path, 3);
        if (!p) {
            break;
        }
        EXPECT_EQ(p->pixels[0], 30 * frames);
        EXPECT_EQ(p->pixels[2], 255 - 30 * frames);
    }
    g_file_quiet = 0;
    EXPECT_EQ(frames, 8);
    EXPECT_EQ(log.lines().size(), 0u);
}

TEST_F(RoundTrip, ModelEveryField)
{
    MeshFile mesh = sample_mesh();
    dir.write("ship/model.bin", as_string(model_write(mesh)));
    ModelFile m;
    ASSERT_EQ(model_load(dir.file("ship").c_str(), 3, &m), 0);
    EXPECT_EQ(m.first_word, mesh.first_word);
    ASSERT_EQ(m.vertex_count, (int)mesh.positions.size());
    for (int i = 0; i < m.vertex_count; i++) {
        for (int c = 0; c < 3; c++) {
            EXPECT_EQ(m.positions[i][c], mesh.positions[i][c]);
        }
        EXPECT_EQ(m.vertex_bones[i], mesh.bones[i]);
    }
    // Bone runs: eight positions on matrix 1, then five on matrix 2.
    int runs = 1;
    for (int i = 1; i < m.vertex_count; i++) {
        runs += m.vertex_bones[i] != m.vertex_bones[i - 1];
    }
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(m.draw_vertex_count, (int)mesh.draw_vertices.size());
    for (int i = 0; i < m.draw_vertex_count; i++) {
        const MeshDrawVertex &w = mesh.draw_vertices[i];
        const ModelDrawVertex &r = m.draw_vertices[i];
        EXPECT_EQ(r.u, w.u);
        EXPECT_EQ(r.v, w.v);
        uint32_t rgba = w.rgba[0] | w.rgba[1] << 8 | w.rgba[2] << 16 | (uint32_t)w.rgba[3] << 24;
        EXPECT_EQ(r.colour, rgba);
        EXPECT_EQ(r.position, w.position);
        EXPECT_EQ(r.bone, mesh.bones[w.position]);
        for (int c = 0; c < 3; c++) {
            EXPECT_EQ(r.normal[c], w.normal[c]);
        }
    }
    ASSERT_EQ(m.face_count, (int)mesh.faces.size());
    for (int i = 0; i < m.face_count; i++) {
        for (int k = 0; k < 3; k++) {
            EXPECT_EQ(m.faces[i].index[k], mesh.faces[i].index[k]);
        }
        EXPECT_EQ(m.faces[i].word, mesh.faces[i].word);
    }
    ASSERT_EQ(m.pair_count, 2);
    EXPECT_EQ(m.pairs[1].a, 3u);
    EXPECT_EQ(m.pairs[1].b, 4u);
    ASSERT_EQ(m.texture_count, 2);
    EXPECT_STREQ(m.texture_entries[0].colour, "../styles/bitmaps/sample_box.bmp");
    EXPECT_STREQ(m.texture_entries[0].mask, "(null)");
    EXPECT_STREQ(m.texture_entries[1].colour, "../styles/bitmaps/sample_glow");
    EXPECT_STREQ(m.texture_entries[1].mask, "");
    EXPECT_EQ(m.texture_entries[1].flags, 0x01a10000u);
    EXPECT_EQ(m.texture_entries[1].anim_speed, 0.25f);
    EXPECT_EQ(m.texture_entries[1].anim_mode, 1);
    // The file's bitmaps are not written: the texture cache's loads fail in the file layer
    // (and fall back); nothing else may complain.
    EXPECT_EQ(log.errors(), log.count_containing("*** [file] failed to stat"));
    model_file_free(&m);
}

TEST_F(RoundTrip, ModelEveryTruncationRefusedWithoutLeak)
{
    Bytes bytes = model_write(sample_mesh());
    for (size_t cut = 0; cut < bytes.size(); cut++) {
        log.clear();
        MemStream s;
        memstream_init(&s, bytes.data(), (int)cut, "cut.bin");
        ModelFile m;
        ASSERT_EQ(model_parse(&s, 3, &m), -1) << cut;
        EXPECT_EQ(log.errors(), 1) << cut;
        ASSERT_EQ(mem_usage, 0u) << cut;
    }
}

TEST_F(RoundTrip, ModelBadIndexesRefused)
{
    struct Case {
        const char *what;
        void (*spoil)(MeshFile &);
    };
    const Case cases[] = {
        {"bone", [](MeshFile &m) { m.bones[9] = 3; }},
        {"position", [](MeshFile &m) { m.draw_vertices[14].position = 13; }},
        {"draw vertex", [](MeshFile &m) { m.faces[3].index[1] = 17; }},
        {"texture", [](MeshFile &m) { m.faces[15].word = 2; }},
        {"texture count", [](MeshFile &m) { m.textures.pop_back(); }},
    };
    for (const Case &c : cases) {
        MeshFile mesh = sample_mesh();
        c.spoil(mesh);
        Bytes bytes = model_write(mesh);
        MemStream s;
        memstream_init(&s, bytes.data(), (int)bytes.size(), c.what);
        ModelFile m;
        log.clear();
        EXPECT_EQ(model_parse(&s, 3, &m), -1) << c.what;
        EXPECT_EQ(log.errors(), 1) << c.what;
    }
}

TEST_F(RoundTrip, AnimFileReadsBackThroughTheAnimStream)
{
    AnimFile a = sample_anim();
    dir.write("ship/anim.bin", as_string(anim_write(a)));
    ASSERT_EQ(astream_open(dir.file("ship").c_str()), 1);
    int32_t bones = 0;
    ASSERT_TRUE(astream_read_ints(&bones, 1));
    ASSERT_EQ(bones, 2);
    for (int b = 0; b < bones; b++) {
        int32_t head[3];
        char name[64];
        int32_t keys = 0;
        ASSERT_TRUE(astream_read_ints(head, 3) && astream_read(name, 64) && astream_read_ints(&keys, 1));
        EXPECT_EQ(head[0], a.bones[b].parent);
        EXPECT_EQ(head[1], a.bones[b].word);
        EXPECT_STREQ(name, a.bones[b].name.c_str());
        ASSERT_EQ(keys, (int)a.bones[b].keys.size());
        std::vector<float> poses((size_t)keys * 10);
        ASSERT_TRUE(astream_read_floats(poses.data(), keys * 10));
        EXPECT_EQ(poses[10 + 5], a.bones[b].keys[1][5]);
    }
    float health[2];
    ASSERT_TRUE(astream_read_floats(health, 2));
    EXPECT_EQ(health[1], -1.0f);
    int32_t tracks = 0;
    ASSERT_TRUE(astream_read_ints(&tracks, 1));
    ASSERT_EQ(tracks, 3);
    for (int t = 0; t < tracks; t++) {
        char name[64];
        int32_t head[4];
        ASSERT_TRUE(astream_read(name, 64) && astream_read_ints(head, 4));
        EXPECT_STREQ(name, a.tracks[t].name.c_str());
        int n = head[1];
        ASSERT_EQ(n, (int)a.tracks[t].key_frames.size());
        EXPECT_EQ(head[2], a.tracks[t].loop_key);
        std::vector<int32_t> frames((size_t)n);
        std::vector<float> floats((size_t)n * 9);
        ASSERT_TRUE(astream_read_ints(frames.data(), n) && astream_read_floats(floats.data(), n * 9));
        EXPECT_EQ(frames, a.tracks[t].key_frames);
        if (head[0] >= 0) {
            std::vector<int32_t> table((size_t)bones);
            ASSERT_TRUE(astream_read_ints(table.data(), bones));
            EXPECT_EQ(table, a.tracks[t].bone_table);
        }
    }
    int32_t defaults[8];
    int32_t spheres = 0;
    ASSERT_TRUE(astream_read_ints(defaults, 8) && astream_read_ints(&spheres, 1));
    EXPECT_EQ(defaults[1], 1);
    ASSERT_EQ(spheres, 2);
    int32_t matrix = 0;
    float sphere[4];
    ASSERT_TRUE(astream_read_ints(&matrix, 1) && astream_read_floats(sphere, 4));
    EXPECT_EQ(matrix, 0);
    EXPECT_EQ(sphere[3], 1.2f);
    ASSERT_TRUE(astream_read_ints(&matrix, 1) && astream_read_floats(sphere, 4));
    EXPECT_EQ(matrix, 2);
    int32_t flags = 0;
    ASSERT_TRUE(astream_read_ints(&flags, 1));
    EXPECT_EQ(flags, 0x1000);
    EXPECT_EQ(memstream_left(&g_anim_stream), 0) << "the file ends with the mesh flags";
    astream_close();
}

TEST_F(RoundTrip, ParticleFile)
{
    ParticleOut p = sample_particle();
    Bytes bytes = particle_write(p);
    ASSERT_EQ(bytes.size(), 684u);
    // Junk in every run-time word must not reach the emitter.
    for (size_t off = 436; off < 488; off++) {
        if (off < 448 || off >= 452) {
            bytes[off] = 0xa5;
        }
    }
    dir.write("fire.bin", as_string(bytes));
    dir.write("short.bin", as_string(Bytes(bytes.begin(), bytes.begin() + 683)));
    ParticleEmitter e;
    ASSERT_EQ(particle_load("fire", &e), 1);
    for (int s = 0; s < 4; s++) {
        for (int c = 0; c < 4; c++) {
            EXPECT_FLOAT_EQ(e.colour[s][c], p.colour[s][c] * 0.0039f);
            EXPECT_FLOAT_EQ(e.colour_var[s][c], p.colour_var[s][c] * 0.0039f);
        }
        EXPECT_EQ(e.size[s], p.size[s]);
        EXPECT_EQ(e.rate[s], p.rate[s]);
        EXPECT_EQ(e.box[s][2], p.box[s][2]);
    }
    EXPECT_EQ(e.stage_times[3], 1.2f);
    EXPECT_EQ(e.flags, p.flags);
    EXPECT_EQ(e.time_left, e.duration);
    EXPECT_EQ(e.duration, 1.5f);
    EXPECT_EQ(e.emission_credit, 0.0f);
    EXPECT_EQ(e.live_index, -1);
    EXPECT_EQ(e.count, 0);
    EXPECT_EQ(e.capacity, 0);
    EXPECT_EQ(e.read_index, 0);
    EXPECT_EQ(e.write_index, 0);
    EXPECT_EQ(e.particles, nullptr);
    EXPECT_EQ(e.matrix, nullptr);
    EXPECT_EQ(e.owner, nullptr);
    EXPECT_STREQ(e.texture_colour, "../styles/bitmaps/spark.bmp");
    EXPECT_EQ(e.texture_flags, p.texture_flags);
    EXPECT_EQ(particle_load("short", &e), 0);
    EXPECT_EQ(log.count_containing("particle file too small"), 1);
}

TEST_F(RoundTrip, ParticleEveryTruncationRefused)
{
    Bytes bytes = particle_write(sample_particle());
    for (size_t cut = 0; cut < bytes.size(); cut++) {
        log.clear();
        ParticleEmitter e;
        EXPECT_EQ(particle_parse(bytes.data(), (int)cut, "cut.bin", &e), 0) << cut;
        EXPECT_EQ(log.count("*** particle file too small cut.bin"), 1) << cut;
    }
    ParticleEmitter e;
    EXPECT_EQ(particle_parse(bytes.data(), (int)bytes.size(), "whole.bin", &e), 1);
}

TEST_F(RoundTrip, WavLoadsThroughSdlAsTheDeviceFormat)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < 500; i++) {
        samples.push_back((int16_t)(i * 131 - 30000));
    }
    dir.write("s.wav", as_string(wav_write(samples)));
    SDL_AudioSpec spec;
    Uint8 *buf = nullptr;
    Uint32 len = 0;
    ASSERT_NE(SDL_LoadWAV(dir.file("s.wav").c_str(), &spec, &buf, &len), nullptr) << SDL_GetError();
    EXPECT_EQ(spec.freq, 22050);
    EXPECT_EQ(spec.format, AUDIO_S16LSB);
    EXPECT_EQ(spec.channels, 1);
    ASSERT_EQ(len, 1000u);
    EXPECT_EQ(memcmp(buf, samples.data(), 1000), 0);
    SDL_FreeWAV(buf);
}

TEST_F(RoundTrip, FuzzSeedsAreAcceptedByTheLoaders)
{
    ASSERT_EQ(samples_write_seeds(dir.path()), 7);
    for (const char *name : {"bmp/rgb_5x3.bmp", "bmp/pal_5x3.bmp", "bmp/grey_7x4.bmp"}) {
        int w, h, ch = 0;
        uint8_t *px = file_load_bmp(dir.file(name).c_str(), &w, &h, &ch);
        EXPECT_NE(px, nullptr) << name;
        mem_free(px);
    }
    ModelFile m;
    snprintf(g_particles_dir, FILE_DIR_SIZE, "%s/particle/", dir.path().c_str());
    EXPECT_EQ(model_load(dir.file("model").c_str(), 3, &m), 0);
    model_file_free(&m);
    AnimSet *set = anim_set_load(dir.file("anim").c_str());
    EXPECT_NE(set, nullptr);
    anim_set_destroy(set);
    ParticleEmitter e;
    EXPECT_EQ(particle_load("sample", &e), 1);
    // The file's bitmaps are not written: the texture cache's loads fail in the file layer
    // (and fall back); nothing else may complain.
    EXPECT_EQ(log.errors(), log.count_containing("*** [file] failed to stat"));
}

}  // namespace
