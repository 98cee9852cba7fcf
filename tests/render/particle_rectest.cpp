// The particle system under the GL recorder: the holder pool and the templates, the
// step's edge cases, spawning, the faults it mends, and a seeded run that replays.

#include "tests/render/rec_fixture.h"

#include "assetgen/formats.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "game/frame.h"
#include "render/particle.h"
#include "tests/render/particle_effect.h"
#include "tests/render/tex_files.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {

int add_template(const ParticleEmitter &e)
{
    g_particle_templates[g_particle_template_count] = e;
    return g_particle_template_count++;
}

// A rotation of degrees about y with a uniform scale, at a position.
void turned_matrix(float m[16], float degrees, float scale, float x, float y, float z)
{
    float a = degrees * DEG2RAD;
    const float cols[16] = {scale * cosf(a), 0, -scale * sinf(a), 0, 0, scale, 0, 0,
                            scale * sinf(a), 0, scale * cosf(a), 0, x, y, z, 1};
    memcpy(m, cols, sizeof(cols));
}

float length3(const float v[3])
{
    return sqrtf(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// The particles of a holder, oldest first.
std::vector<Particle> ring_of(const ParticleHolder *h)
{
    std::vector<Particle> out;
    for (int k = 0; k < h->count; k++) {
        out.push_back(h->particles[(h->read_index + k) % h->capacity]);
    }
    return out;
}

class Particles : public Recorded {
protected:
    void SetUp() override
    {
        Recorded::SetUp();
        particle_init_holders();
        mt_draw_seed(1);
        g_render_particles = 1.0f;
        g_particle_scale = 1.0f;
        g_frame_dt = 1.0f;
    }
    void TearDown() override
    {
        particle_info();
        g_frame_dt = 0.0f;
        g_particles_dir[0] = 0;
        Recorded::TearDown();
    }
    // One frame: an empty batch, then the step.
    static void frame(float dt = 1.0f)
    {
        zbatch_reset();
        g_frame_dt = dt;
        particle_update_draw();
    }
    // The live list is dense and every live holder knows its place.
    static void expect_live_list_consistent()
    {
        int live = 0;
        for (const ParticleHolder &h : g_particle_holders) {
            if (h.live_index >= 0) {
                live++;
                ASSERT_LT(h.live_index, g_particle_live_count);
                EXPECT_EQ(g_particle_live[h.live_index], &h);
                EXPECT_NE(h.particles, nullptr);
            }
        }
        EXPECT_EQ(live, g_particle_live_count);
    }
};

// ---- pool and templates

TEST_F(Particles, PoolGivesNoneAtThe4097thStartAndLogsNothing)
{
    int t = add_template(plain_effect());
    log.clear();
    for (int i = 0; i < PARTICLE_MAX_HOLDERS; i++) {
        ASSERT_NE(particle_start_at_bone(t, nullptr, nullptr), nullptr) << i;
    }
    EXPECT_EQ(particle_start_at_bone(t, nullptr, nullptr), nullptr);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(g_particle_live_count, PARTICLE_MAX_HOLDERS);
    // A freed holder is found again once the mark is at the top.
    particle_holder_free(g_particle_live[100]);
    EXPECT_NE(particle_start_at_bone(t, nullptr, nullptr), nullptr);
    expect_live_list_consistent();
}

TEST_F(Particles, FreeingMovesTheLastLiveHolderIntoTheSlot)
{
    int t = add_template(plain_effect());
    ParticleHolder *h[5];
    for (ParticleHolder *&p : h) {
        p = particle_start_at_bone(t, nullptr, nullptr);
        ASSERT_NE(p, nullptr);
    }
    particle_holder_free(h[1]);
    EXPECT_EQ(g_particle_live_count, 4);
    EXPECT_EQ(g_particle_live[1], h[4]);
    EXPECT_EQ(h[4]->live_index, 1);
    EXPECT_EQ(h[1]->live_index, -1);
    EXPECT_EQ(h[1]->particles, nullptr);
    particle_holder_free(h[1]);   // not live: nothing
    particle_holder_free(nullptr);
    EXPECT_EQ(g_particle_live_count, 4);
    particle_holder_free(h[3]);   // the last one: nothing moves
    EXPECT_EQ(g_particle_live[2], h[2]);
    expect_live_list_consistent();
    // Rings went to the free list: new holders take no new blocks.
    int blocks = g_particle_ring_blocks;
    particle_start_at_bone(t, nullptr, nullptr);
    particle_start_at_bone(t, nullptr, nullptr);
    EXPECT_EQ(g_particle_ring_blocks, blocks);
}

class ParticleFiles : public Particles {
protected:
    void SetUp() override
    {
        Particles::SetUp();
        write_flat_bitmap(dir, "dot.bmp", 16, 16, 255, 255, 255);
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s/", dir.path().c_str());
        use_test_bitmaps();
    }
    void write_effect(const std::string &name)
    {
        ParticleOut out;
        out.colour_name = "bitmaps/dot.bmp";
        out.texture_flags = TEX_RGBA | TEX_ADDITIVE;
        Bytes b = particle_write(out);
        dir.write(name + ".bin", std::string(b.begin(), b.end()));
    }
    TempDir dir{true};
};

TEST_F(ParticleFiles, OneNameOneIndexAndThe257thNameGetsNone)
{
    for (int i = 0; i <= PARTICLE_MAX_TEMPLATES; i++) {
        write_effect("fx" + std::to_string(i));
    }
    int first = particle_find_or_load("fx0");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(particle_find_or_load("fx0"), first);
    EXPECT_STREQ(g_particle_templates[first].name, "fx0");
    EXPECT_NE(g_particle_templates[first].texture & TEX_NAME_MASK, 0u);
    EXPECT_EQ(g_particle_live_count, 0) << "loading takes no holder";
    EXPECT_EQ(g_particle_ring_blocks, 0) << "loading takes no ring";
    for (int i = 1; i < PARTICLE_MAX_TEMPLATES; i++) {
        ASSERT_EQ(particle_find_or_load(("fx" + std::to_string(i)).c_str()), i);
    }
    log.clear();
    EXPECT_EQ(particle_find_or_load("fx256"), -1);
    EXPECT_EQ(log.count("*** [particle] need more holders"), 1);
    EXPECT_EQ(particle_find_or_load("fx255"), 255) << "known names still resolve";
    EXPECT_EQ(particle_find_or_load(""), -1);
    EXPECT_EQ(particle_find_or_load(nullptr), -1);
    EXPECT_EQ(particle_find_or_load("missing"), -1);
    EXPECT_EQ(log.count("*** [particle] missing doesnt exist"), 1);
}

TEST_F(Particles, InfoLogsItsLineAndEmptiesEverything)
{
    const size_t usage = mem_usage;
    int t = add_template(plain_effect());
    add_template(plain_effect());
    for (int i = 0; i < 3; i++) {
        particle_start_at_bone(t, nullptr, nullptr);
    }
    particle_holder_free(g_particle_live[0]);
    frame();
    log.clear();
    particle_info();
    EXPECT_EQ(log.count("[particle] info pre=2 use=3"), 1);
    EXPECT_EQ(g_particle_live_count, 0);
    EXPECT_EQ(g_particle_template_count, 0);
    EXPECT_EQ(g_particle_high_water, 0);
    EXPECT_EQ(g_particle_ring_blocks, 0);
    EXPECT_EQ(mem_usage, usage) << "the ring blocks went back to the pool";
    for (const ParticleHolder &h : g_particle_holders) {
        ASSERT_EQ(h.live_index, -1);
    }
    EXPECT_EQ(particle_start_at_bone(t, nullptr, nullptr), nullptr) << "the template is gone";
}

// ---- the step

TEST_F(Particles, PausedFrameDrawsAndMovesNothing)
{
    ParticleEmitter e = plain_effect();
    e.speed[0] = 0.5f;
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    frame();
    ASSERT_EQ(h->count, 1);
    Particle before = h->particles[0];
    frame(0.0f);
    EXPECT_EQ(g_batch_face_count, 0);
    EXPECT_EQ(h->count, 1);
    EXPECT_EQ(memcmp(&before, &h->particles[0], sizeof(Particle)), 0);
}

TEST_F(Particles, TwentyTicksMoveTwentyButEarnCreditForSix)
{
    ParticleEmitter e = directed_effect(0, 0.1f);
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    frame();
    ASSERT_EQ(h->count, 1);
    frame(20.0f);
    std::vector<Particle> ring = ring_of(h);
    ASSERT_EQ(ring.size(), 7u) << "one, then six";
    // Made after the first frame's motion, then moved and aged by 20 ticks.
    EXPECT_NEAR(ring[0].pos[0], 2.0f, 1e-5f);
    EXPECT_NEAR(ring[0].life, 1.0f - 0.2f, 1e-5f);
    EXPECT_EQ(g_batch_face_count, 1) << "the new particles are drawn from the next frame";
    EXPECT_NEAR(h->time_left, 10.0f - 0.21f, 1e-5f);
}

TEST_F(Particles, QuarterAmountEmitsAQuarterAndMovesAlike)
{
    ParticleEmitter e = directed_effect(2, 0.2f);
    for (float amount : {1.0f, 0.25f}) {
        particle_release_all();
        g_render_particles = amount;
        ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
        for (int f = 0; f < 40; f++) {
            frame();
        }
        EXPECT_EQ(h->count, amount == 1.0f ? 40 : 10) << amount;
        // The oldest has moved every tick since it was made.
        int made_at = amount == 1.0f ? 1 : 4;
        EXPECT_NEAR(ring_of(h)[0].pos[2], 0.2f * (float)(40 - made_at), 1e-4f) << amount;
    }
}

TEST_F(Particles, DetachedHolderStopsAtOnceAndGoesWithItsLastParticle)
{
    ParticleEmitter e = plain_effect();
    e.life = 0.05f;
    float m[16];
    turned_matrix(m, 0.0f, 1.0f, 3.0f, 0.0f, 4.0f);
    int owner = 0;
    ParticleHolder *h = particle_start_at_bone(add_template(e), m, &owner);
    for (int f = 0; f < 3; f++) {
        frame();
    }
    ASSERT_EQ(h->count, 3);
    particle_detach_owner(&owner);
    EXPECT_EQ(h->matrix, nullptr);
    m[12] = 50.0f;   // the block may change or go: the holder no longer reads it
    int frames = 0;
    while (h->live_index >= 0 && frames < 20) {
        int before = h->count;
        frame();
        frames++;
        EXPECT_LE(h->count, before) << "nothing emitted after the detach";
        EXPECT_FLOAT_EQ(h->position[0], 3.0f);
    }
    // The youngest has 0.05 - 0.01 left: it dies in the fifth step, which frees the holder.
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(g_particle_live_count, 0);
}

TEST_F(Particles, OwnerlessEffectStaysAtItsStartWithUnturnedVelocities)
{
    ParticleEmitter e = directed_effect(0, 0.1f);
    e.flags = PARTICLE_OWNERLESS;
    float m[16];
    turned_matrix(m, 90.0f, 1.0f, 5.0f, 1.0f, 6.0f);
    int owner = 0;
    ParticleHolder *h = particle_start_at_bone(add_template(e), m, &owner);
    frame();
    for (int f = 0; f < 5; f++) {
        m[12] += 10.0f;   // the bone walks on
        frame();
    }
    particle_detach_owner(&owner);
    frame();
    EXPECT_GT(h->time_left, 0.0f) << "detaching does not stop an ownerless effect";
    EXPECT_EQ(h->count, 7);
    EXPECT_FLOAT_EQ(h->position[0], 5.0f);
    EXPECT_FLOAT_EQ(h->position[2], 6.0f);
    for (const Particle &p : ring_of(h)) {
        EXPECT_FLOAT_EQ(p.vel[0], 0.1f);
        EXPECT_FLOAT_EQ(p.vel[2], 0.0f);
    }
}

TEST_F(Particles, EqualFirstStageTimesJumpToTheSecondStage)
{
    ParticleEmitter e = plain_effect();
    e.rate[1] = 2.0f;
    e.rate[2] = 5.0f;
    e.rate[3] = 9.0f;
    e.stage_times[0] = 0.02f;
    e.stage_times[1] = 0.02f;
    e.stage_times[2] = 0.5f;
    e.stage_times[3] = 0.6f;
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    frame();   // e = 0 during this step's stages
    frame();   // e = 0.01
    EXPECT_FLOAT_EQ(h->rate[0], 1.0f) << "before T1 slot 0 stays";
    frame();   // e = 0.02: inside (T1, T2] needs e > T1
    frame();   // e = 0.03: past T2, up to T3: slot 2
    EXPECT_FLOAT_EQ(h->rate[0], 5.0f);
    for (int f = 0; f < 52; f++) {
        frame();   // e = 0.55: halfway from slot 2 to 3
    }
    EXPECT_NEAR(h->rate[0], 7.0f, 0.02f);
}

TEST_F(Particles, FadeFactorTwoKeepsFullAlphaUntilTheLastHalfSecond)
{
    ParticleEmitter e = plain_effect();
    e.fade = 2.0f;
    e.flags = PARTICLE_ALPHA_FADE;
    e.life = 2.0f;
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    frame();
    h->time_left = 0.0f;
    auto alpha_after = [&](int frames) {
        glrec_events().clear();
        for (int f = 0; f < frames; f++) {
            frame();
        }
        EXPECT_EQ(g_batch_face_count, 1);
        return g_batch_vertices[g_batch_vertex_count - 1].colour >> 24;
    };
    // Full alpha is (255 x 255) >> 8.
    EXPECT_EQ(alpha_after(1), 254u) << "life 1.99";
    EXPECT_EQ(alpha_after(148), 254u) << "life 0.51";
    EXPECT_NEAR((int)alpha_after(26), 127, 1) << "life 0.25: a = 0.5";
}

TEST_F(Particles, InverseParticleEndsWhereItWouldHaveStarted)
{
    ParticleEmitter e = plain_effect();
    for (int s = 0; s < PARTICLE_STAGES; s++) {
        e.box[s][0] = 2.0f;
        e.box[s][1] = 0.5f;
        e.box[s][2] = 1.0f;
        e.speed[s] = 0.05f;
        e.speed_var[s] = 0.02f;
        e.life_var[s] = 0.3f;
    }
    e.life = 0.4f;
    e.rise = 0.7f;
    float m[16];
    turned_matrix(m, 30.0f, 1.0f, 4.0f, 2.0f, -3.0f);
    ParticleEmitter inverse = e;
    inverse.flags = PARTICLE_INVERSE;
    ParticleHolder *plain = particle_start_at_bone(add_template(e), m, nullptr);
    ParticleHolder *inv = particle_start_at_bone(add_template(inverse), m, nullptr);
    Particle start, flying;
    mt_draw_seed(9);
    particle_spawn(plain, &start, 1.0f);
    mt_draw_seed(9);
    particle_spawn(inv, &flying, 1.0f);
    EXPECT_GT(std::fabs(flying.pos[0] - start.pos[0]) + std::fabs(flying.pos[2] - start.pos[2]), 0.5f)
        << "it starts where its flight would end";
    // Step it alone to its death.
    particle_release_all();
    ParticleHolder *h = particle_start_at_bone(add_template(inverse), m, nullptr);
    h->time_left = 0.0f;
    h->particles[0] = flying;
    h->count = 1;
    h->write_index = 1;
    Particle last = flying;
    while (h->count == 1) {
        last = h->particles[0];
        frame();
    }
    float d[3] = {last.pos[0] - start.pos[0], last.pos[1] - start.pos[1], last.pos[2] - start.pos[2]};
    EXPECT_LE(length3(d), 1.01f * length3(flying.vel)) << "within the last tick's step of the start";
}

// ---- spawning

TEST_F(Particles, DirectedVelocityTurnsWithTheMatrixAndScalesWithIt)
{
    ParticleEmitter e = directed_effect(0, 0.3f);
    int t = add_template(e);
    e.flags = PARTICLE_NORMALISE;
    int tn = add_template(e);
    struct Case {
        int tmpl;
        float scale;
        float want_length;
    };
    for (const Case &c : {Case{t, 1.0f, 0.3f}, Case{t, 2.0f, 0.6f}, Case{tn, 2.0f, 0.3f}}) {
        particle_release_all();   // the last case's holder follows a matrix now gone
        float m[16];
        turned_matrix(m, 90.0f, c.scale, 0, 0, 0);
        ParticleHolder *h = particle_start_at_bone(c.tmpl, m, nullptr);
        frame();
        ASSERT_GE(h->count, 1);
        const Particle newest = ring_of(h).back();
        const float *v = newest.vel;
        // The bone's x axis points along -z after a quarter turn about y.
        EXPECT_NEAR(v[0], 0.0f, 1e-5f);
        EXPECT_NEAR(v[2], -c.want_length, 1e-5f) << "scale " << c.scale;
        EXPECT_NEAR(length3(v), c.want_length, 1e-5f);
    }
}

TEST_F(Particles, ZigzagMovesOneHorizontalAxisPerStep)
{
    ParticleEmitter e = plain_effect();
    e.flags = PARTICLE_ZIGZAG;
    e.life = 5.0f;
    for (float &s : e.speed) {
        s = 0.2f;
    }
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    frame();
    h->time_left = 0.0f;
    Particle p = h->particles[0];
    EXPECT_FLOAT_EQ(std::fabs(p.vel[0]), 0.2f);
    EXPECT_FLOAT_EQ(std::fabs(p.vel[2]), 0.2f);
    int x_moves = 0, z_moves = 0;
    for (int f = 0; f < 200; f++) {
        frame();
        const Particle &q = h->particles[0];
        bool x = q.pos[0] != p.pos[0];
        bool z = q.pos[2] != p.pos[2];
        ASSERT_NE(x, z) << "exactly one horizontal axis, step " << f;
        EXPECT_NEAR(q.pos[1] - p.pos[1], p.vel[1], 1e-5f);
        EXPECT_GE(q.zigzag, 0);
        x_moves += x;
        z_moves += z;
        p = q;
    }
    EXPECT_GT(x_moves, 20);
    EXPECT_GT(z_moves, 20);
}

TEST_F(Particles, ColourBytesFollowTheRoundingRule)
{
    ParticleEmitter e = plain_effect();
    const float rgba[4] = {0.995f, 0.99f, 0.5f, -0.2f};
    for (int c = 0; c < 4; c++) {
        e.colour[0][c] = rgba[c];
    }
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    Particle p;
    particle_spawn(h, &p, 1.0f);
    EXPECT_EQ(p.colour, 255u | 253u << 8 | 128u << 16 | 0u << 24);
    e.colour[0][3] = 0.0f;
    e.colour_var[0][3] = 1.0f;   // a deviation only: the byte varies, never wraps
    h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    int seen_zero = 0, seen_high = 0;
    for (int i = 0; i < 200; i++) {
        particle_spawn(h, &p, 1.0f);
        seen_zero += (p.colour >> 24) == 0;
        seen_high += (p.colour >> 24) > 200;
    }
    EXPECT_GT(seen_zero, 50);
    EXPECT_GT(seen_high, 10);
}

// ---- the faults

TEST_F(Particles, FullRingAgesMovesAndDrawsEveryParticle)
{
    ParticleEmitter e = directed_effect(1, 0.01f);
    for (float &r : e.rate) {
        r = 300.0f;
    }
    e.life = 0.5f;
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    for (int f = 0; f < 5; f++) {
        frame(2.0f);
    }
    ASSERT_EQ(h->count, PARTICLE_RING_SIZE);
    ASSERT_EQ(h->read_index, h->write_index);
    float y = h->particles[0].pos[1];
    frame();
    EXPECT_EQ(g_batch_face_count, PARTICLE_RING_SIZE);
    EXPECT_FLOAT_EQ(h->particles[0].pos[1], y + 0.01f);
    // Stopped, the full ring dies out and the holder goes.
    h->time_left = 0.0f;
    for (int f = 0; f < 60 && g_particle_live_count; f++) {
        frame();
    }
    EXPECT_EQ(g_particle_live_count, 0);
}

TEST_F(Particles, ADeathRemovesTheDeadParticleOnly)
{
    ParticleEmitter e = plain_effect();
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    h->time_left = 0.0f;
    // Oldest to youngest: long lives but the third, which dies first.
    const float lives[5] = {0.9f, 0.8f, 0.03f, 0.7f, 0.6f};
    for (int k = 0; k < 5; k++) {
        h->particles[k] = Particle{};
        h->particles[k].life = lives[k];
        h->particles[k].size = (float)(k + 1);   // a name for each
    }
    h->count = 5;
    h->write_index = 5;
    for (int f = 0; f < 3; f++) {
        frame();
    }
    std::vector<Particle> ring = ring_of(h);
    ASSERT_EQ(ring.size(), 4u);
    std::vector<float> names;
    for (const Particle &p : ring) {
        names.push_back(p.size);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<float>{1, 2, 4, 5}));
    for (const Particle &p : ring) {
        EXPECT_NEAR(p.life, lives[(int)p.size - 1] - 0.03f, 1e-5f) << "each stepped once a frame";
    }
    frame();
    EXPECT_EQ(h->count, 4) << "nothing more dies while the dead one's slot is reused";
}

TEST_F(Particles, HugeRateEmitsTheFreeRoomAndKeepsTheFraction)
{
    ParticleEmitter e = plain_effect();
    for (float &r : e.rate) {
        r = 1.0e30f;
    }
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    frame();
    EXPECT_EQ(h->count, PARTICLE_RING_SIZE);
    EXPECT_TRUE(h->emission_credit >= 0.0f && h->emission_credit < 1.0f);
    for (float &r : g_particle_templates[0].rate) {
        r = 2.5f;
    }
    particle_release_all();
    h = particle_start_at_bone(0, nullptr, nullptr);
    frame();
    EXPECT_EQ(h->count, 2);
    EXPECT_FLOAT_EQ(h->emission_credit, 0.5f);
}

TEST_F(Particles, FullFacePoolAddsNoFaceWhileParticlesAgeAndMove)
{
    ParticleEmitter e = directed_effect(0, 0.1f);
    ParticleHolder *h = particle_start_at_bone(add_template(e), nullptr, nullptr);
    frame();
    zbatch_level_start();
    log.clear();
    zbatch_reset();
    int first = 0;
    ASSERT_NE(zbatch_reserve(3, BATCH_MAX_FACES, &first), nullptr);
    g_batch_face_count = BATCH_MAX_FACES;   // a full face pool
    g_frame_dt = 1.0f;
    particle_update_draw();
    particle_update_draw();
    EXPECT_EQ(g_batch_face_count, BATCH_MAX_FACES);
    EXPECT_EQ(g_batch_vertex_count, first + 3);
    EXPECT_EQ(g_batch_dropped, 3) << "one particle, then two";
    EXPECT_EQ(log.count("*** [zgl] BATCH_MAX_FACES reached. Increase #define value. :)"), 1);
    EXPECT_NEAR(ring_of(h)[0].pos[0], 0.2f, 1e-5f);
    EXPECT_NEAR(ring_of(h)[0].life, 0.98f, 1e-5f);
    zbatch_reset();
}

TEST_F(Particles, AlphaIsClampedForFadeFactorsOfAnySign)
{
    ParticleEmitter e = plain_effect();
    e.flags = PARTICLE_ALPHA_FADE;
    e.fade = -3.0f;
    int neg = add_template(e);
    e.flags |= PARTICLE_INVERSE;
    int inv = add_template(e);
    for (int t : {neg, inv}) {
        particle_release_all();
        ParticleHolder *h = particle_start_at_bone(t, nullptr, nullptr);
        frame();
        h->time_left = 0.0f;
        frame();
        ASSERT_EQ(g_batch_face_count, 1);
        uint32_t alpha = g_batch_vertices[g_batch_vertex_count - 1].colour >> 24;
        // (alpha x q) >> 8 with q = 0 for a clamped to 0, 255 for a clamped to 1.
        EXPECT_EQ(alpha, t == neg ? 0u : 254u);
    }
}

TEST_F(Particles, DetachingAnOwnerlessHolderBeforeItsFirstEmissionDropsTheMatrix)
{
    ParticleEmitter e = plain_effect();
    e.flags = PARTICLE_OWNERLESS;
    for (float &r : e.rate) {
        r = 0.2f;   // the first particle in the fifth frame
    }
    float *block = (float *)mem_alloc(2 * 16 * sizeof(float));
    turned_matrix(block + 16, 0.0f, 1.0f, 7.0f, 1.0f, 2.0f);
    ParticleHolder *h = particle_start_at_bone(add_template(e), block + 16, block);
    frame();
    frame();
    EXPECT_EQ(h->matrix, block + 16) << "still following before the first emission";
    particle_detach_owner(block);   // the actor goes before its effect emitted
    mem_free(block);
    EXPECT_EQ(h->matrix, nullptr);
    for (int f = 0; f < 10; f++) {
        frame();
    }
    EXPECT_EQ(h->count, 2) << "it goes on emitting where it stands";
    EXPECT_FLOAT_EQ(h->position[0], 7.0f);
}

TEST_F(Particles, StartChecksTheTemplateIndex)
{
    add_template(plain_effect());
    for (int bad : {-1, 1, 255, 256, 100000}) {
        EXPECT_EQ(particle_start_at_bone(bad, nullptr, nullptr), nullptr) << bad;
    }
    EXPECT_EQ(g_particle_live_count, 0);
    EXPECT_NE(particle_start_at_bone(0, nullptr, nullptr), nullptr);
}

TEST_F(Particles, ARingThatCannotBeHadGivesNoHolder)
{
    int t = add_template(plain_effect());
    ASSERT_NE(particle_start_at_bone(t, nullptr, nullptr), nullptr);
    // Every keeper of the pool taken.
    std::vector<void *> taken;
    while (void *p = mem_alloc(1)) {
        taken.push_back(p);
    }
    log.clear();
    EXPECT_EQ(particle_start_at_bone(t, nullptr, nullptr), nullptr);
    EXPECT_EQ(g_particle_live_count, 1);
    EXPECT_EQ(g_particle_high_water, 1) << "the holder went back";
    for (void *p : taken) {
        mem_free(p);
    }
    mem_ran_out = 0;
    EXPECT_NE(particle_start_at_bone(t, nullptr, nullptr), nullptr);
    EXPECT_EQ(g_particle_live[1], &g_particle_holders[1]);
}

TEST_F(Particles, DrawingLeavesTheSimulationGeneratorAlone)
{
    ParticleEmitter e = plain_effect();
    e.flags = PARTICLE_SPIN | PARTICLE_ZIGZAG;
    for (int s = 0; s < PARTICLE_STAGES; s++) {
        e.rate[s] = 3.0f;
        e.speed[s] = 0.1f;
        e.spin_var[s] = 2.0f;
        e.size_var[s] = 0.5f;
        e.life_var[s] = 0.5f;
    }
    int t = add_template(e);
    mt_seed(77);
    uint32_t expected = mt_rand();
    mt_seed(77);
    particle_start_at_bone(t, nullptr, nullptr);
    for (int f = 0; f < 50; f++) {
        frame();
    }
    EXPECT_GT(g_batch_face_count, 100);
    EXPECT_EQ(mt_rand(), expected);
}

// ---- a seeded run replays

uint64_t particle_state_hash()
{
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void *p, size_t n) {
        const uint8_t *b = (const uint8_t *)p;
        for (size_t i = 0; i < n; i++) {
            h = (h ^ b[i]) * 1099511628211ull;
        }
    };
    mix(&g_particle_live_count, sizeof(int));
    for (int i = 0; i < g_particle_live_count; i++) {
        const ParticleHolder *p = g_particle_live[i];
        mix(p->position, sizeof(p->position));
        mix(&p->time_left, sizeof(float));
        mix(&p->emission_credit, sizeof(float));
        mix(&p->count, sizeof(int));
        for (const Particle &q : ring_of(p)) {
            mix(&q, sizeof(q));
        }
    }
    return h;
}

TEST_F(Particles, SeededThousandFrameRunGivesTheSameStateTwice)
{
    // Several kinds at once: spinning and growing smoke, zigzag sparks, an inverse
    // gatherer, an ownerless fire, a staged burst; restarted as they end.
    std::vector<ParticleEmitter> kinds;
    ParticleEmitter e = plain_effect();
    for (int s = 0; s < PARTICLE_STAGES; s++) {
        e.speed[s] = 0.05f;
        e.speed_var[s] = 0.02f;
        e.life_var[s] = 0.4f;
        e.size_var[s] = 0.3f;
        e.spin_var[s] = 3.0f;
        e.colour_var[s][0] = 0.3f;
        e.box[s][0] = e.box[s][2] = 1.0f;
        e.rate[s] = 0.5f * (float)(s + 1);
    }
    e.duration = e.time_left = 1.5f;
    e.stage_times[0] = 0.1f;
    e.stage_times[1] = 0.3f;
    e.stage_times[2] = 0.6f;
    e.stage_times[3] = 1.2f;
    e.gravity = 0.01f;
    for (uint32_t flags : {PARTICLE_SPIN | PARTICLE_GROW | PARTICLE_ALPHA_FADE, PARTICLE_ZIGZAG,
                           PARTICLE_INVERSE | PARTICLE_ALPHA_FADE, PARTICLE_OWNERLESS | PARTICLE_NORMALISE}) {
        e.flags = flags;
        kinds.push_back(e);
    }
    auto run = [&]() {
        particle_release_all();
        g_particle_template_count = 0;
        for (const ParticleEmitter &k : kinds) {
            add_template(k);
        }
        mt_draw_seed(2024);
        float m[16];
        int owner = 0;
        for (int f = 0; f < 1000; f++) {
            turned_matrix(m, (float)f, 1.0f + 0.001f * (float)f, (float)(f % 37), 1.0f, (float)(f % 23));
            if (f % 40 == 0) {
                for (int t = 0; t < (int)kinds.size(); t++) {
                    particle_start_at_bone(t, m, &owner);
                }
            }
            if (f % 150 == 75) {
                particle_detach_owner(&owner);
            }
            frame((float)(1 + f % 3));
        }
        return particle_state_hash();
    };
    uint64_t first = run();
    EXPECT_GT(g_particle_live_count, 3);
    EXPECT_EQ(run(), first);
}

}  // namespace
