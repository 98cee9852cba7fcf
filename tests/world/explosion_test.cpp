// Explosions through the debris they throw: the pieces of a use shrink one by one, the
// first alone plays the sound once it starts, a piece without texture frames lives as
// long as "explode", a positive blast pushes once with its fall-off and caps, a negative
// one kills what its collide bone covers on drawn ticks only; a model without "explode"
// ends at once and each piece turns its fire sprites by its own heading; nothing is left
// behind.

#include "render/camera.h"
#include "tests/world/beastie_fixture.h"

namespace {

class Blast : public EnemyArena {
protected:
    void SetUp() override
    {
        EnemyArena::SetUp();
        debris_reset();
        g_ticks_left = 1;
        // "pop": hit sphere 0 of radius 10 sets the blast radius; "explode" plays at
        // once as the set's default.
        AnimSynth pop;
        pop.bone("mainbone_x", 0, 0, 0, 0).bone("bonecollide", 1, 0, 0, 0).sphere(0, 0, 0, 0, 10.0f);
        pop.track("explode", -1, 3, 0.25f);
        pop.file.defaults[0] = 0;
        write("explosions/pop", pop);
        type = explosion_type_find_or_load("pop");
        ASSERT_NE(type, nullptr);
    }
    void TearDown() override
    {
        debris_free_all();
        EXPECT_EQ(g_debris_count, 0);
        EnemyArena::TearDown();
    }
    // A use of count pieces of "pop" at scale 1 (no spread, aligned), with blast.
    ExplosionUse use(int count, float blast, std::vector<float> &delays)
    {
        delays.resize((size_t)count, 0.0f);
        ExplosionUse u{};
        u.type = type;
        u.align = 1;
        u.bone = -1;
        u.blast = blast;
        u.scale_min = 1.0f;
        u.count = count;
        u.delays = delays.data();
        return u;
    }
    // Pieces in spawning order (the list is newest first).
    static std::vector<Debris *> pieces()
    {
        std::vector<Debris *> v;
        for (Debris *d = g_debris; d; d = d->next) {
            v.insert(v.begin(), d);
        }
        return v;
    }
    // An enemy of weight w (cap m) at (x, 0, z).
    Beastie *heavy(const char *name, float x, float z, float w, float m = 0.0f)
    {
        if (!actortype_find(name)) {
            lua("local t = def('" + std::string(name) + "') t[cp_weight] = " + std::to_string(w) +
                " t[cp_max_explosion_multiply] = " + std::to_string(m) + " c_preload_model(t)");
        }
        return make(name, x, z);
    }

    ExplosionType *type = nullptr;
};

TEST_F(Blast, PiecesShrinkAndOnlyTheFirstSoundsOnceStartedAndTheyLiveAsLongAsExplode)
{
    // The reference: how many updates "explode" plays on an actor of the set.
    Actor ref;
    ASSERT_EQ(actor_setup_skeleton(&ref, type->set, 0, 0, 0), 0);
    int plays = 0;
    while (anim_is_playing(&ref.anim, type->explode_anim) && plays < 1000) {
        anim_update(&ref.anim);
        plays++;
    }
    actor_destroy(&ref, 0);
    ASSERT_GT(plays, 3);
    EXPECT_EQ(type->life_span, 0.0f) << "no mesh: unanimated";
    EXPECT_EQ(type->rate, 1.0f);

    type->sound = 7;
    std::vector<float> delays = {0.05f, 0.0f, 0.0f};
    ExplosionUse u = use(3, 0.0f, delays);
    const float at[3] = {1.0f, 2.0f, 3.0f};
    explosion_spawn_use(&u, at, nullptr, 1.0f, 0.0f);
    std::vector<Debris *> p = pieces();
    ASSERT_EQ(p.size(), 3u);
    // f = 1, 1 - d, 1 - 2d with d the quick reciprocal of 4.5.
    EXPECT_EQ(p[0]->scale, 1.0f);
    EXPECT_NEAR(p[1]->scale, 0.78f, 0.005f);
    EXPECT_NEAR(p[2]->scale, 0.56f, 0.005f);
    EXPECT_EQ(p[1]->sound, -1);
    EXPECT_EQ(p[2]->sound, -1);
    EXPECT_FLOAT_EQ(p[0]->radius, 10.0f);

    debris_update_all();
    debris_update_all();
    debris_update_all();
    EXPECT_EQ(p[0]->sound, 7) << "still waiting";
    EXPECT_EQ(p[0]->time, 0.0f);
    // The pieces that started at once play "explode" for its updates, find it over on
    // the next tick and are gone: the count after that tick drops to 1.
    int ticks = 3;
    while (g_debris && g_debris_count == 3 && ticks < 1000) {
        debris_update_all();
        ticks++;
    }
    EXPECT_EQ(ticks - 1, plays + 1);
    EXPECT_EQ(p[0]->sound, -1) << "played once it started";
    while (g_debris && ticks < 2000) {
        debris_update_all();
        ticks++;
    }
    debris_update_all();
    EXPECT_EQ(g_debris, nullptr);
    EXPECT_EQ(g_debris_count, 0);
}

TEST_F(Blast, APositiveBlastPushesOnceOneTickAfterTheStartWithItsFallOffAndCaps)
{
    Beastie *near = heavy("heavy", 5.0f, 0.0f, 2.0f);     // q = 25 - 9: k capped at 1
    Beastie *far = heavy("heavy", -9.0f, 0.0f, 2.0f);     // q = 81 - 9: k = 2 (1 - 0.72)
    Beastie *capped = heavy("capped", 0.0f, 5.0f, 2.0f, 1.5f);
    Beastie *still = heavy("still", 0.0f, -5.0f, 0.0f);
    Beastie *out = heavy("heavy", 11.0f, 0.0f, 2.0f);     // q = 121 - 9 >= 100
    pass(40);
    for (Beastie *b : {near, far, capped, still, out}) {
        ASSERT_GE(b->lifecycle, BEASTIE_IDLE);
        memset(b->extra_velocity, 0, sizeof(b->extra_velocity));
    }
    std::vector<float> delays;
    ExplosionUse u = use(1, 4.0f, delays);
    const float at[3] = {0.0f, 0.0f, 0.0f};
    explosion_spawn_use(&u, at, nullptr, 1.0f, 0.0f);
    debris_update_all();
    EXPECT_EQ(near->extra_velocity[0], 0.0f) << "not on the first started tick";
    debris_update_all();
    debris_update_all();
    debris_update_all();
    EXPECT_NEAR(near->extra_velocity[0], 2.0f, 1e-4f) << "strength 4 / weight 2, k 1";
    EXPECT_NEAR(far->extra_velocity[0], -2.0f * 0.56f, 1e-4f);
    EXPECT_NEAR(capped->extra_velocity[2], 1.5f, 1e-4f) << "capped by cp_max_explosion_multiply";
    EXPECT_EQ(still->extra_velocity[2], 0.0f) << "weight 0 is never pushed";
    EXPECT_EQ(out->extra_velocity[0], 0.0f);

    // A blast of radius 0 has no inside.
    explosion_push_beasties(at, 0.0f, 4.0f);
    EXPECT_NEAR(near->extra_velocity[0], 2.0f, 1e-4f);
    EXPECT_TRUE(std::isfinite(far->extra_velocity[0]));
}

TEST_F(Blast, ANegativeBlastKillsWhatItsCollideBoneCoversOnDrawnTicksOnly)
{
    Beastie *inside = heavy("heavy", 4.9f, 0.0f, 1.0f);     // 24.01 - 9 < 4^2
    Beastie *outside = heavy("heavy", -8.0f, 0.0f, 1.0f);   // 64 - 9 >= 4^2
    pass(40);
    ASSERT_EQ(inside->lifecycle, BEASTIE_IDLE);
    ASSERT_LT(inside->hit_clock, 0.0f);
    std::vector<float> delays;
    ExplosionUse u = use(1, -1.0f, delays);
    u.scale_min = 4.0f;   // collide bone of scale 4 inside a radius of 40
    const float at[3] = {0.0f, 0.0f, 0.0f};
    explosion_spawn_use(&u, at, nullptr, 1.0f, 0.0f);
    g_ticks_left = 2;
    debris_update_all();
    debris_update_all();
    EXPECT_EQ(inside->lifecycle, BEASTIE_IDLE) << "no frame drawn after these ticks";
    g_ticks_left = 1;
    debris_update_all();
    EXPECT_EQ(inside->lifecycle, BEASTIE_DYING);
    EXPECT_EQ(outside->lifecycle, BEASTIE_IDLE);
}

TEST_F(Blast, APieceWithoutExplodeEndsAtOnceAndItsFireSpritesTurnWithItsHeading)
{
    // "flare": a camera-facing flame and no "explode" (a still texture: life span 0).
    AnimSynth flare;
    flare.bone("mainbone_x", 0, 0, 0, 0).bone("flame", 1, 0, 0, 1.0f).sphere(0, 0, 0, 0, 2.0f);
    flare.file.bones[1].word = ANIM_BONE_CAMERA_FACING;
    flare.track("flicker", 0);
    write("explosions/flare", flare);
    ExplosionType *still = explosion_type_find_or_load("flare");
    ASSERT_NE(still, nullptr);
    ASSERT_EQ(still->explode_anim, -1);
    ASSERT_EQ(still->life_span, 0.0f);
    CameraState saved = g_camera;
    for (int i = 0; i < 16; i++) {
        g_camera.world[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    }
    const float at[3] = {0.0f, 0.0f, 0.0f};
    Debris *level = debris_spawn_one(still, at, 1.0f, 0.0f);
    Debris *turned = debris_spawn_one(still, at, 1.0f, 70.0f);
    ASSERT_NE(level, nullptr);
    ASSERT_NE(turned, nullptr);
    // The flame's matrix as a drawn tick builds it: its first column shows its turn on
    // the screen, whatever the piece's own matrix.
    for (Debris *d : {level, turned}) {
        anim_build_matrices(&d->anim);
    }
    auto screen_turn = [](const Debris *d) {
        const float *m = d->anim.matrices + 16 * 2;
        return atan2f(m[1], m[0]) * RAD2DEG;
    };
    EXPECT_NEAR(screen_turn(level), 0.0f, 0.01f);
    EXPECT_NEAR(screen_turn(turned), 70.0f, 0.01f) << "each fire sprite faces its own way";
    g_camera = saved;
    // Nothing to wait for: both end on their first started tick.
    debris_update_all();
    EXPECT_EQ(g_debris, nullptr);
    EXPECT_EQ(g_debris_count, 2);
}

}  // namespace
