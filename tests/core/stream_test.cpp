// Memory streams, the "model.bin" reader and the particle file reader on files built
// by hand: bounds, counts and indexes, truncation at every field, no leaks.

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "core/particle_file.h"
#include "core/stream.h"
#include "render/tex.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

// Little-endian byte builder that remembers where each field starts.
struct Builder {
    std::string bytes;
    std::vector<size_t> fields;
    void u32(uint32_t v)
    {
        fields.push_back(bytes.size());
        for (int i = 0; i < 4; i++) {
            bytes += (char)(v >> (8 * i) & 0xff);
        }
    }
    void f32(float f)
    {
        uint32_t v;
        memcpy(&v, &f, 4);
        u32(v);
    }
    void name(const std::string &s)
    {
        fields.push_back(bytes.size());
        std::string field = s.substr(0, 64);
        field.resize(64, '\0');
        bytes += field;
    }
};

// A two-bone mesh: V positions on bones 1 and 2, D = V + 1 draw vertices, two faces,
// one pair, two textures.
struct MeshSpec {
    uint32_t v = 4;
    uint32_t bone_of_last = 2;
    uint32_t extra_position = 1;   // position index of the extra draw vertex
    uint32_t face_index = 4;       // last index of face 1
    uint32_t face_texture = 1;     // texture index of face 1
    uint32_t texture_count = 2;
    uint32_t draw_count_delta = 0;
    uint32_t second_mode = 1;      // animation mode of texture 1
    std::string second_colour;     // colour name of texture 1
};

Builder make_mesh(const MeshSpec &m = MeshSpec())
{
    Builder b;
    b.u32(0xabcd);                        // first word
    b.u32(m.v);
    for (uint32_t i = 0; i < m.v; i++) {
        b.f32((float)i);
        b.f32((float)i + 0.5f);
        b.f32(-(float)i);
    }
    b.u32(999);                           // ignored count
    for (uint32_t i = 0; i < m.v; i++) {
        b.u32(i + 1 == m.v ? m.bone_of_last : (i < 2 ? 1 : 2));
    }
    uint32_t d = m.v + 1 + m.draw_count_delta;
    b.u32(d);
    for (uint32_t i = 0; i < m.v + 1; i++) {
        b.f32(0.25f * i);                 // u
        b.f32(1.0f - 0.25f * i);          // v
        b.u32(0xff000000u | (i * 0x10203)); // colour bytes r, g, b, a
        b.f32(0.0f);
        b.f32(1.0f);
        b.f32(0.0f);
        b.u32(i < m.v ? i : m.extra_position);
    }
    b.u32(2);                             // faces
    for (uint32_t k : {0u, 1u, 2u, 0u}) {
        b.u32(k);
    }
    b.u32(2);
    b.u32(3);
    b.u32(m.face_index);
    b.u32(m.face_texture | 0x8000);
    b.u32(1);                             // pairs
    b.u32(5);
    b.u32(6);
    b.u32(m.texture_count);
    for (uint32_t t = 0; t < m.texture_count; t++) {
        b.u32(0x00810000 + t);
        b.f32(0.5f * t);
        b.u32(t == 0 ? 0 : m.second_mode);
        b.name(t == 0 ? "..\\styles\\bitmaps\\Hull.bmp" : m.second_colour);
        b.name(t == 0 ? "..\\styles\\bitmaps\\hullm.bmp" : "(null)");
    }
    return b;
}

class Streams : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        g_file_quiet = 0;
        g_preload_hue = 0.0f;
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s/", dir.path().c_str());
    }
    void TearDown() override
    {
        astream_close();
        mstream_close();
        g_preload_hue = 0.0f;
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        g_particles_dir[0] = 0;
    }
    int parse(const std::string &bytes, int matrices, ModelFile *m)
    {
        MemStream s;
        memstream_init(&s, (const uint8_t *)bytes.data(), (int)bytes.size(), "test.bin");
        return model_parse(&s, matrices, m);
    }
    TempDir dir;
    LogCapture log;
};

TEST_F(Streams, ReadsLittleEndianAndRefusesOverrunOnce)
{
    const uint8_t data[10] = {1, 0, 0, 0, 0, 0, 0x80, 0x3f, 9, 9};
    MemStream s;
    memstream_init(&s, data, 10, "ten.bin");
    uint32_t w = 0;
    float f = 0.0f;
    EXPECT_EQ(memstream_read_words(&s, &w, 1), 1);
    EXPECT_EQ(w, 1u);
    EXPECT_EQ(memstream_read_floats(&s, &f, 1), 1);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(memstream_left(&s), 2);
    EXPECT_EQ(memstream_read_words(&s, &w, 1), 0);
    EXPECT_EQ(w, 1u) << "a refused read copies nothing";
    EXPECT_EQ(log.errors(), 1);
    uint8_t byte = 0;
    EXPECT_EQ(memstream_read(&s, &byte, 1), 0) << "a failed stream stays failed";
    EXPECT_EQ(memstream_read_words(&s, &w, -1), 0);
    EXPECT_EQ(log.errors(), 1);
}

TEST_F(Streams, NegativeAndHugeCountsAreRefused)
{
    const uint8_t data[8] = {};
    MemStream s;
    memstream_init(&s, data, 8, "eight.bin");
    float v[1][3];
    EXPECT_EQ(memstream_read_vec3(&s, v, 0x7fffffff), 0);
    memstream_init(&s, data, 8, "eight.bin");
    EXPECT_EQ(memstream_read(&s, v, -4), 0);
    EXPECT_EQ(log.errors(), 2);
}

TEST_F(Streams, AnimStreamOpensFolderFileAndLogsMissing)
{
    dir.write("ship/anim.bin", std::string("\x02\x00\x00\x00\x00\x00\x40\x40", 8));
    ASSERT_EQ(astream_open(dir.file("ship").c_str()), 1);
    int32_t n = 0;
    float f = 0.0f;
    EXPECT_EQ(astream_read_ints(&n, 1), 1);
    EXPECT_EQ(astream_read_floats(&f, 1), 1);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(f, 3.0f);
    astream_close();
    EXPECT_EQ(mem_usage, 0u);

    log.clear();
    EXPECT_EQ(astream_open(dir.file("nobody").c_str()), 0);
    EXPECT_EQ(log.count("[file1] anim ??? cant read " + dir.file("nobody") + "/anim.bin"), 1);
}

TEST_F(Streams, MeshDecodesEveryField)
{
    dir.write("hull/model.bin", make_mesh().bytes);
    ModelFile m;
    ASSERT_EQ(model_load(dir.file("hull").c_str(), 3, &m), 0);
    EXPECT_EQ(m.first_word, 0xabcdu);
    ASSERT_EQ(m.vertex_count, 4);
    EXPECT_EQ(m.positions[3][0], 3.0f);
    EXPECT_EQ(m.positions[3][1], 3.5f);
    EXPECT_EQ(m.positions[3][2], -3.0f);
    EXPECT_EQ(m.vertex_bones[0], 1u);
    EXPECT_EQ(m.vertex_bones[3], 2u);
    ASSERT_EQ(m.draw_vertex_count, 5);
    EXPECT_EQ(m.draw_vertices[4].position, 1u);
    EXPECT_EQ(m.draw_vertices[4].bone, 1u) << "the bone of its position";
    EXPECT_EQ(m.draw_vertices[3].bone, 2u);
    EXPECT_EQ(m.draw_vertices[2].u, 0.5f);
    EXPECT_EQ(m.draw_vertices[2].v, 0.5f);
    EXPECT_EQ(m.draw_vertices[1].colour, 0xff010203u);
    EXPECT_EQ(m.draw_vertices[1].normal[1], 1.0f);
    ASSERT_EQ(m.face_count, 2);
    EXPECT_EQ(m.faces[1].index[2], 4u);
    EXPECT_EQ(m.faces[1].word, 0x8001u);
    ASSERT_EQ(m.pair_count, 1);
    EXPECT_EQ(m.pairs[0].a, 5u);
    EXPECT_EQ(m.pairs[0].b, 6u);
    ASSERT_EQ(m.texture_count, 2);
    EXPECT_STREQ(m.texture_entries[0].colour, "../styles/bitmaps/Hull.bmp");
    EXPECT_STREQ(m.texture_entries[0].mask, "../styles/bitmaps/hullm.bmp");
    EXPECT_EQ(m.texture_entries[0].flags, 0x00810000u);
    EXPECT_EQ(m.texture_entries[1].anim_speed, 0.5f);
    EXPECT_EQ(m.texture_entries[1].anim_mode, 1);
    EXPECT_STREQ(m.texture_entries[1].colour, "");
    EXPECT_NE(m.textures, nullptr);
    // The file's bitmaps are not written: the texture cache's loads fail in the file layer
    // (and fall back); nothing else may complain.
    EXPECT_EQ(log.errors(), log.count_containing("*** [file] failed to stat"));
    model_file_free(&m);
    EXPECT_EQ(m.positions, nullptr);
}

TEST_F(Streams, EmptyTextureNamesReachTheCacheAsNoName)
{
    char buf[MODEL_NAME_SIZE];
    EXPECT_EQ(model_texture_arg(buf, ""), nullptr);
    EXPECT_EQ(model_texture_arg(buf, nullptr), nullptr);
    EXPECT_EQ(model_texture_arg(buf, "(null)"), buf);
    EXPECT_STREQ(buf, "(null)");
    EXPECT_STREQ(model_texture_arg(buf, "a/b.bmp"), "a/b.bmp");
}

TEST_F(Streams, MeshWithoutPositionsStillCarriesTheCountWord)
{
    Builder b;
    b.u32(1);
    b.u32(0);     // V = 0: no positions, no bone indexes
    b.u32(0);     // the ignored word is still there
    b.u32(0);     // D
    b.u32(0);     // F
    b.u32(0);     // P
    b.u32(0);     // T
    ModelFile m;
    ASSERT_EQ(parse(b.bytes, 1, &m), 0);
    EXPECT_EQ(m.positions, nullptr);
    EXPECT_EQ(m.vertex_bones, nullptr);
    EXPECT_EQ(m.faces, nullptr);
    EXPECT_EQ(mem_usage, 0u);
    EXPECT_EQ(log.errors(), 0);
    // Without the ignored word the file is one field short.
    b.bytes.resize(b.bytes.size() - 4);
    EXPECT_EQ(parse(b.bytes, 1, &m), -1);
}

TEST_F(Streams, MeshCutAtEveryFieldIsRefusedWithoutLeak)
{
    Builder b = make_mesh();
    ModelFile m;
    ASSERT_EQ(parse(b.bytes, 3, &m), 0);
    model_file_free(&m);
    for (size_t start : b.fields) {
        for (size_t cut : {start, start + 2}) {
            log.clear();
            EXPECT_EQ(parse(b.bytes.substr(0, cut), 3, &m), -1) << cut;
            EXPECT_EQ(log.errors(), 1) << cut;
            EXPECT_EQ(mem_usage, 0u) << cut;
            EXPECT_EQ(m.positions, nullptr);
        }
    }
}

TEST_F(Streams, MeshIndexesOutOfRangeAreRefused)
{
    struct Case {
        MeshSpec spec;
        int matrices;
        const char *expect;
    };
    std::vector<Case> cases;
    MeshSpec s;
    s.bone_of_last = 3;
    cases.push_back({s, 3, "on bone matrix 3 of 3"});
    cases.push_back({MeshSpec(), 2, "on bone matrix 2 of 2"});
    s = MeshSpec();
    s.extra_position = 4;
    cases.push_back({s, 3, "uses position 4 of 4"});
    s = MeshSpec();
    s.face_index = 5;
    cases.push_back({s, 3, "uses draw vertex 5 of 5"});
    s = MeshSpec();
    s.face_texture = 2;
    cases.push_back({s, 3, "uses texture 2 of 2"});
    s = MeshSpec();
    s.texture_count = 1;
    s.face_texture = 1;
    cases.push_back({s, 3, "uses texture 1 of 1"});
    for (const Case &c : cases) {
        log.clear();
        ModelFile m;
        EXPECT_EQ(parse(make_mesh(c.spec).bytes, c.matrices, &m), -1) << c.expect;
        EXPECT_EQ(log.errors(), 1) << c.expect;
        EXPECT_EQ(log.count_containing(c.expect), 1) << log.joined();
        EXPECT_EQ(mem_usage, 0u);
    }
}

TEST_F(Streams, MeshCountsBeyondLimitsOrFileAreRefusedBeforeAllocating)
{
    // A draw-vertex count far above the records present.
    MeshSpec s;
    s.draw_count_delta = 100;
    ModelFile m;
    EXPECT_EQ(parse(make_mesh(s).bytes, 3, &m), -1);
    EXPECT_EQ(log.count_containing("draw vertices need"), 1);

    // Fewer draw vertices than positions.
    Builder b;
    b.u32(0);
    b.u32(2);
    for (int i = 0; i < 6; i++) {
        b.f32(0.0f);
    }
    b.u32(2);
    b.u32(1);
    b.u32(1);
    b.u32(1);   // D = 1 < V = 2
    b.bytes += std::string(28, '\0');
    log.clear();
    EXPECT_EQ(parse(b.bytes, 2, &m), -1);
    EXPECT_EQ(log.count_containing("1 draw vertices for 2 positions"), 1);

    // Huge counts.
    mem_init();
    for (uint32_t huge : {(uint32_t)MODEL_MAX_VERTICES + 1, 0x40000000u, 0xffffffffu}) {
        Builder h;
        h.u32(0);
        h.u32(huge);
        log.clear();
        EXPECT_EQ(parse(h.bytes, 2, &m), -1);
        EXPECT_EQ(log.errors(), 1);
    }
    EXPECT_EQ(mem_peak, 0u) << "nothing was allocated for a refused count";
}

TEST_F(Streams, TextureAnimationModesStayInTheCachesRange)
{
    // The mode that overflowed the cache's mode + 1, on an animated set (a name without
    // ".bmp") as a level loads it: kept as back and forth.
    MeshSpec s;
    s.second_mode = 0x7fffffff;
    s.second_colour = "..\\styles\\bitmaps\\glow";
    dir.write("glow/model.bin", make_mesh(s).bytes);
    ModelFile m;
    ASSERT_EQ(model_load(dir.file("glow").c_str(), 3, &m), 0);
    EXPECT_EQ(m.texture_entries[1].anim_mode, MODEL_ANIM_BACK_AND_FORTH);
    EXPECT_EQ(log.count_containing("[texture] animated bmp ../styles/bitmaps/glow/00000.bmp"), 1);
    model_file_free(&m);
    // A negative mode means nothing: the mesh is refused.
    s.second_mode = 0x80000000u;
    log.clear();
    EXPECT_EQ(parse(make_mesh(s).bytes, 3, &m), -1);
    EXPECT_EQ(log.count_containing("texture 1 has animation mode -2147483648"), 1) << log.joined();
    EXPECT_EQ(log.errors(), 1);
}

TEST_F(Streams, AMissingMeshIsSilentAnEmptyOneIsNamed)
{
    ModelFile m;
    EXPECT_EQ(model_load(dir.file("none").c_str(), 3, &m), 1);
    EXPECT_EQ(log.lines().size(), 0u);
    dir.write("empty/model.bin", "");
    EXPECT_EQ(model_load(dir.file("empty").c_str(), 3, &m), 1);
    EXPECT_EQ(log.count("*** [file] '" + dir.file("empty") + "/model.bin' is empty"), 1);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(g_file_quiet, 0);
    dir.write("short/model.bin", "abc");
    EXPECT_EQ(model_load(dir.file("short").c_str(), 3, &m), -1);
    EXPECT_EQ(log.errors(), 2);
}

// A particle file built by hand: float k at word k (so every field is recognisable),
// the colour fields 0..255, junk in every run-time word.
std::string make_particle(int size = PARTICLE_FILE_SIZE)
{
    Builder b;
    for (int word = 0; word < 138; word++) {
        int off = word * 4;
        if (off >= 252 && off < 380) {
            b.f32((float)((off - 252) / 4 * 2));      // colours 0, 2, 4 ...
        } else if (off == 420) {
            b.f32(2.5f);                              // duration
        } else if (off == 424) {
            b.f32(99.0f);                             // time left as the writer left it
        } else if (off == 448) {
            b.u32(0x2060);                            // flags
        } else if (off >= 436 && off < 488) {
            b.u32(0xdeadbeef);                        // run-time words, pointers
        } else if (off >= 488) {
            b.u32(0x41414141);                        // name
        } else {
            b.f32((float)word);
        }
    }
    b.u32(0x07110000);
    b.name("..\\styles\\bitmaps\\Spark.bmp");
    b.name("(null)");
    b.bytes.resize((size_t)size, 'z');
    return b.bytes;
}

TEST_F(Streams, ParticleFieldsDecodedAndRunTimeStartsEmpty)
{
    dir.write("spark.bin", make_particle(PARTICLE_FILE_SIZE + 10));
    ParticleEmitter e;
    memset(&e, 0x5a, sizeof(e));
    ASSERT_EQ(particle_load("spark", &e), 1);
    EXPECT_EQ(e.box[1][2], 5.0f);            // word 5
    EXPECT_EQ(e.direction[0], 12.0f);        // offset 48
    EXPECT_EQ(e.spread[0], 24.0f);           // offset 96
    EXPECT_EQ(e.rate[3], 47.0f);             // offset 188
    EXPECT_EQ(e.life, 48.0f);
    EXPECT_EQ(e.fade, 49.0f);
    EXPECT_EQ(e.grow, 62.0f);                // offset 248
    EXPECT_FLOAT_EQ(e.colour[0][1], 2.0f * PARTICLE_COLOUR_SCALE);
    EXPECT_FLOAT_EQ(e.colour_var[3][3], 62.0f * PARTICLE_COLOUR_SCALE);
    EXPECT_EQ(e.rise, 99.0f);                // offset 396
    EXPECT_EQ(e.stage_times[3], 104.0f);     // offset 416
    EXPECT_EQ(e.duration, 2.5f);
    EXPECT_EQ(e.time_left, 2.5f);
    EXPECT_EQ(e.gravity, 107.0f);
    EXPECT_EQ(e.uv_extent, 108.0f);
    EXPECT_EQ(e.flags, 0x2060u);
    EXPECT_EQ(e.emission_credit, 0.0f);
    EXPECT_EQ(e.live_index, -1);
    EXPECT_EQ(e.particles, nullptr);
    EXPECT_EQ(e.matrix, nullptr);
    EXPECT_EQ(e.owner, nullptr);
    EXPECT_EQ(e.capacity, 0);
    EXPECT_EQ(e.count, 0);
    EXPECT_EQ(e.read_index, 0);
    EXPECT_EQ(e.write_index, 0);
    EXPECT_STREQ(e.name, "spark");
    EXPECT_EQ(e.texture_flags, 0x07110000u);
    EXPECT_STREQ(e.texture_colour, "../styles/bitmaps/Spark.bmp");
    EXPECT_STREQ(e.texture_mask, "(null)");
    // The file's bitmaps are not written: the texture cache's loads fail in the file layer
    // (and fall back); nothing else may complain.
    EXPECT_EQ(log.errors(), log.count_containing("*** [file] failed to stat"));
}

TEST_F(Streams, ParticleSizeLimitAndMissingFile)
{
    dir.write("ok.bin", make_particle(684));
    dir.write("short.bin", make_particle(683));
    ParticleEmitter e;
    EXPECT_EQ(particle_load("ok", &e), 1);
    EXPECT_EQ(particle_load("short", &e), 0);
    EXPECT_EQ(log.count("*** particle file too small " + std::string(g_particles_dir) + "short.bin"), 1);
    EXPECT_EQ(particle_load("gone", &e), 0);
    EXPECT_EQ(log.count("*** [particle] gone doesnt exist"), 1);
    EXPECT_EQ(mem_usage, 0u);
}

TEST_F(Streams, ParticleWithNonFiniteNumberIsRefused)
{
    for (int offset : {0, 196, 252, 420, 432}) {
        std::string bytes = make_particle();
        float bad = offset == 252 ? std::numeric_limits<float>::infinity() : std::nanf("");
        memcpy(&bytes[(size_t)offset], &bad, 4);
        ParticleEmitter e;
        log.clear();
        EXPECT_EQ(particle_parse((const uint8_t *)bytes.data(), (int)bytes.size(), "bad", &e), 0) << offset;
        EXPECT_EQ(log.count("*** [particle] bad: the number at offset " + std::to_string(offset) + " is not finite"), 1);
    }
}

TEST_F(Streams, ParticleColoursHueRotatedBeforeScaling)
{
    std::string bytes = make_particle();
    const float orange[4] = {255.0f, 153.0f, 0.0f, 200.0f};
    memcpy(&bytes[252], orange, sizeof(orange));
    dir.write("hot.bin", bytes);
    g_preload_hue = 180.0f;
    ParticleEmitter e;
    ASSERT_EQ(particle_load("hot", &e), 1);
    EXPECT_NEAR(e.colour[0][0] / PARTICLE_COLOUR_SCALE, 88.0f, 2.0f);
    EXPECT_NEAR(e.colour[0][1] / PARTICLE_COLOUR_SCALE, 190.0f, 2.0f);
    EXPECT_NEAR(e.colour[0][2] / PARTICLE_COLOUR_SCALE, 255.0f, 0.01f);
    EXPECT_FLOAT_EQ(e.colour[0][3], 200.0f * PARTICLE_COLOUR_SCALE) << "alpha is not rotated";
}

}  // namespace
