// The room over a model made in memory: a missing pylon bone, an animation that never
// ends, the queries without a room, the pylon indexes at the ends of the ring, the wave
// that starts after a pause, and the actors hung on the room's bones.

#include "world/room.h"

#include "tests/world/beastie_fixture.h"

namespace {

class Room : public EnemyArena {
protected:
    void SetUp() override
    {
        EnemyArena::SetUp();
        room_reset();
        // pylon01 .. pylon24 on a ring of radius 20 but pylon07; "circle" plays once,
        // "spin" loops for ever.
        AnimSynth s;
        s.bone("mainbone_x", 0, 0, 0, 0).sphere(0, 0, 0, 0, 1.0f);
        for (int i = 1; i <= 24; i++) {
            if (i != 7) {
                char name[16];
                snprintf(name, sizeof(name), "pylon%02d", i);
                float a = (float)i * 15.0f * DEG2RAD;
                s.bone(name, 1, 20.0f * sinf(a), 20.0f * cosf(a), 0.0f);
            }
        }
        s.track("circle").track("spin", 0);
        write("beasties/room", s);
        lua("c_preload_model(def('roomer', 'room', cat_ground))\n"
            "c_preload_model(def('pylon-x', 'probe', cat_ground))\n");
    }
    // Pylon k's translation (k 0 .. 23) from the room's matrices, by bone name.
    static void pylon(const Beastie *room, int k, float out[3])
    {
        char name[16];
        snprintf(name, sizeof(name), "pylon%02d", k + 1);
        int bone = anim_find_bone(room->anim.set, name, 1);
        const float *m = room->anim.matrices + 16 * (bone + 1);
        out[0] = m[12];
        out[1] = m[13];
        out[2] = m[14];
    }
};

TEST_F(Room, GotoMapsAMissingPylonToMatrixOneAndRefusesWhatItCannotPlay)
{
    // Without a room every query answers the origin.
    float out[3] = {5.0f, 5.0f, 5.0f};
    EXPECT_EQ(room_pylon_position(out, 1.0f, 30, 0), 0);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_EQ(out[2], 0.0f);
    out[0] = out[1] = out[2] = 5.0f;
    const float p[3] = {3.0f, 0.0f, 4.0f};
    EXPECT_EQ(room_nearest_pylon(p, out, 1.0f, 0, 0), 0);
    EXPECT_EQ(out[0], 0.0f);
    out[0] = out[1] = out[2] = 5.0f;
    room_random_pylon_position(out, 0.5f, 0.5f);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_EQ(out[1], 5.0f) << "y is never written";
    EXPECT_EQ(out[2], 0.0f);
    room_goto("circle");
    EXPECT_EQ(log.count("*** room goto wrong values"), 1);

    Beastie *room = make("roomer", 0, 0, 0, "", 0, false);
    ASSERT_NE(room, nullptr);
    log.clear();
    room_goto("circle");
    EXPECT_EQ(room_beastie(), room);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"*** [anim] bone pylon07 doesnt exist"});
    EXPECT_EQ(g_pylon_bones[6], 1);
    EXPECT_FALSE(anim_is_playing(&room->anim, anim_find(room->anim.set, "circle", 1)));
    room_goto("circle");
    EXPECT_EQ(log.count("*** [anim] bone pylon07 doesnt exist"), 2) << "once per goto";

    log.clear();
    room_goto("spin");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** [anim] bone pylon07 doesnt exist",
                                                     "*** room goto endless animation spin"}));
    EXPECT_FALSE(anim_is_playing(&room->anim, anim_find(room->anim.set, "spin", 1)));
    log.clear();
    room_goto("square");
    EXPECT_EQ(log.count("*** [anim] square doesnt exist"), 1);
    EXPECT_EQ(log.count("*** room goto wrong values"), 1);

    // The ends of the ring, forward and backward, scaled.
    float a[3], b[3];
    EXPECT_EQ(room_pylon_position(out, 1.0f, 24, 0), 0);
    pylon(room, 0, a);
    EXPECT_EQ(out[0], a[0]);
    EXPECT_EQ(out[2], a[2]);
    EXPECT_EQ(room_pylon_position(out, 0.5f, -1, 0), 23);
    pylon(room, 23, b);
    EXPECT_FLOAT_EQ(out[0], 0.5f * b[0]);
    EXPECT_FLOAT_EQ(out[2], 0.5f * b[2]);
    EXPECT_EQ(out[1], 0.0f);
    EXPECT_EQ(room_pylon_position(out, 1.0f, 0, 1), 0);
    EXPECT_EQ(out[0], b[0]) << "backward: pylon 23 first";
    EXPECT_NEAR(std::sqrt(a[0] * a[0] + a[2] * a[2]), 20.0f, 1e-3f) << "the ring lies on the floor";
    // Random points lie between two neighbours, pulled in by the factor.
    for (int i = 0; i < 50; i++) {
        room_random_pylon_position(out, 0.5f, 0.0f);
        EXPECT_LE(std::sqrt(out[0] * out[0] + out[2] * out[2]), 0.5f * 20.0f + 1e-3f);
    }
}

TEST_F(Room, TheWaveWaitsBelowMinus720ThenBobsItsPylons)
{
    Beastie *room = make("roomer", 0, 0, 0, "", 0, false);
    ASSERT_NE(room, nullptr);
    room_goto("circle");
    std::vector<float> before(room->anim.matrices, room->anim.matrices + 16 * (room->anim.set->bone_count + 1));
    room_pylons_animate();
    EXPECT_LE(g_pylon_phase, -900.0f + 2.0f) << "a new wave starts at once";
    EXPECT_GE(g_pylon_phase, -1350.0f);
    EXPECT_GE(std::fabs(g_pylon_amp), 3.0f);
    EXPECT_LE(std::fabs(g_pylon_amp), 6.0f);
    int ticks = 1;
    while (g_pylon_phase + g_pylon_speed < -720.0f && ticks < 1000) {
        room_pylons_animate();
        ticks++;
    }
    EXPECT_GT(ticks, 80);
    EXPECT_EQ(std::vector<float>(room->anim.matrices, room->anim.matrices + before.size()), before)
        << "no pylon moves during the pause";

    // Pattern 0, amplitude 4, from pylon 1 at phase 0: pylon 4 stands at p = 90 and
    // rises 4, pylon 10 at p = 270 rises 2.
    g_pylon_phase = 0.0f;
    g_pylon_speed = 0.0f;
    g_pylon_pattern = 0;
    g_pylon_amp = 4.0f;
    g_pylon_start = 1;
    float p4[3], p10[3], q4[3], q10[3];
    pylon(room, 3, p4);
    pylon(room, 9, p10);
    room_pylons_animate();
    pylon(room, 3, q4);
    pylon(room, 9, q10);
    EXPECT_NEAR(q4[1] - p4[1], 4.0f, 1e-4f);
    EXPECT_NEAR(q10[1] - p10[1], 2.0f, 1e-4f);
}

TEST_F(Room, AttachHangsANamedEnemyOnTheBoneAndRefusesANameTooLong)
{
    room_attach("pylon-x", "pylon01", 100, 100, 100, 0);
    EXPECT_EQ(log.count("*** room attach wrong values 0 pylon-x"), 1) << "no room yet";
    Beastie *room = make("roomer", 0, 0, 0, "", 0, false);
    ASSERT_NE(room, nullptr);
    room_goto("circle");
    room_attach("pylon-x", "pylon02", 50, 100, 150, 0);
    Beastie *b = beastie_find_by_unique_name("pylon02_pylon-x");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(beastie_get(b->parent), room);
    EXPECT_FLOAT_EQ(b->scale, 1.0f);
    room_attach("missing", "pylon02", 100, 100, 100, 0);
    EXPECT_EQ(log.count_containing("*** room attach wrong values"), 2);

    const std::string bone(60, 'b');
    room_attach("pylon-x", bone.c_str(), 100, 100, 100, 0);
    EXPECT_EQ(log.count("*** room attach name too long pylon-x"), 1);
    EXPECT_EQ(beastie_find_by_name("pylon-x"), b) << "nothing else was made";
}

}  // namespace
