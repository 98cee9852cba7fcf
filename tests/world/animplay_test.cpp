// Playback and bone matrices: key timing, loops and repeats with their events, the
// precedence list, stopping and progress, easing, the "has ended" query, defaults, and
// matrices against closed forms (chains, camera-facing, collapsed and delayed bones).

#include "world/animplay.h"

#include "core/mem.h"
#include "render/camera.h"
#include "tests/world/anim_test_files.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct EventLog {
    int sounds = 0;
    int particles = 0;
    int footprints = 0;
};
EventLog g_events;

void count_event(AnimEventKind kind, const AnimTrack *, int, const float *)
{
    if (kind == ANIM_EVENT_SOUND) {
        g_events.sounds++;
    } else if (kind == ANIM_EVENT_PARTICLE) {
        g_events.particles++;
    } else {
        g_events.footprints++;
    }
}

class AnimPlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        g_events = EventLog();
        g_anim_event_hook = count_event;
        saved_camera = g_camera;
        memcpy(saved_light, g_light_dir, sizeof(saved_light));
    }
    void TearDown() override
    {
        g_anim_event_hook = nullptr;
        for (AnimSet *s : sets) {
            anim_set_destroy(s);
        }
        EXPECT_EQ(anim_plays_in_use(), 0) << "every running animation went back to the pool";
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        g_camera = saved_camera;
        memcpy(g_light_dir, saved_light, sizeof(saved_light));
    }
    AnimSet *load(const AnimFile &a)
    {
        AnimSet *s = anim_test_load(dir, "set" + std::to_string(sets.size()), a);
        EXPECT_NE(s, nullptr);
        sets.push_back(s);
        return s;
    }
    // One bone whose poses stand at x = -4 (rest), 0, 1, 2, 3.
    AnimFile slide(float step, int loop)
    {
        std::vector<std::array<float, 10>> poses;
        for (float x : {-4.0f, 0.0f, 1.0f, 2.0f, 3.0f}) {
            poses.push_back(anim_test_pose(0, 0, x, 0, 0));
        }
        AnimFile a = anim_test_chain({poses});
        a.tracks.push_back(anim_test_track("slide", -1, {2, 3, 4, 5}, step, loop));
        return a;
    }
    CameraState saved_camera;
    float saved_light[3];
    TempDir dir;
    LogCapture log;
    std::vector<AnimSet *> sets;
};

TEST_F(AnimPlayback, QuarterStepsReachAKeyEveryFourUpdatesAndAOneShotEndsOnItsLastKey)
{
    AnimSet *set = load(slide(0.25f, -1));
    AnimTestActor a(set);
    ASSERT_EQ(anim_play(&a.st, 0, 1.0f, 0), 1);
    a.tick(2);
    EXPECT_NEAR(a.st.pose[0].pos[0], -2.0f, 1e-5f) << "halfway from the rest pose to key 0";
    for (int key = 0; key < 4; key++) {
        a.tick(key == 0 ? 2 : 4);
        EXPECT_EQ(a.st.pose[0].pos[0], (float)key) << "key " << key << " reached after " << 4 * (key + 1);
        EXPECT_EQ(anim_has_ended(&a.st, 0), key == 3 ? 1 : 0);
    }
    // The one-shot ended holding key N - 1, and its bone keeps that pose.
    a.tick(5);
    EXPECT_EQ(a.st.pose[0].pos[0], 3.0f);
    EXPECT_EQ(a.st.from_pose[0].pos[0], 3.0f);
    EXPECT_EQ(a.m[16 + 12], 3.0f) << "the matrix follows the pose";
}

TEST_F(AnimPlayback, RepeatTwicePassesTwiceFiringTheStartEventsAgainAtTheLoop)
{
    AnimFile file = slide(0.5f, 1);
    file.tracks[0].repeat = 2;
    AnimSet *set = load(file);
    anim_set_sound(set, 0, 3);
    anim_add_particle_event(set, 0, 1, 7);
    anim_add_particle_event(set, 0, 1, 7);   // the same event again is not added twice
    anim_add_footprint_event(set, 0, 0, 1, 2, 1.0f, 2.0f);
    anim_add_particle_event(set, 0, 2, 7);   // matrix 2 does not exist: ignored
    AnimTestActor a(set);
    anim_play(&a.st, 0, 1.0f, 0);
    // Pass 1: into keys 0, 1, 2, 3 (two updates each); pass 2 from the loop key 1: keys 2, 3.
    int ended_at = 0;
    for (int tick = 1; tick <= 20 && !ended_at; tick++) {
        a.tick();
        ended_at = anim_has_ended(&a.st, 0) ? tick : 0;
    }
    EXPECT_EQ(ended_at, 8 + 6);
    EXPECT_EQ(g_events.sounds, 2) << "at the start and at the loop";
    EXPECT_EQ(g_events.particles, 2);
    EXPECT_EQ(g_events.footprints, 2) << "key 2 reached once per pass";
}

TEST_F(AnimPlayback, SilencedPlaysFireNothingAndStartEventsFireOncePerStart)
{
    AnimFile file = slide(0.5f, 0);
    file.tracks.push_back(anim_test_track("still", -1, {2, 3}, 0.0f, 0));
    AnimSet *set = load(file);
    for (int t : {0, 1}) {
        anim_set_sound(set, t, 1);
        anim_add_particle_event(set, t, 0, 2);
        anim_add_footprint_event(set, 1, t, 1, 0, 1.0f, 1.0f);
    }
    AnimTestActor a(set);
    anim_play(&a.st, 0, 1.0f, 1);
    a.tick(30);
    EXPECT_EQ(g_events.sounds + g_events.particles + g_events.footprints, 0);
    // A step of 0 keeps the time at 0: the start events still fire once only.
    anim_play(&a.st, 1, 1.0f, 0);
    a.tick(10);
    EXPECT_EQ(g_events.sounds, 1);
    EXPECT_EQ(g_events.particles, 1);
}

TEST_F(AnimPlayback, PrecedenceReplacementRestartStopAndProgress)
{
    // Three bones; bone 1 ranks 4, bone 2 ranks 8. Tracks: whole, rooted at 1 (covering
    // 1 and 2), rooted at 2, and a second whole one.
    std::vector<std::array<float, 10>> poses;
    for (int k = 0; k < 4; k++) {
        poses.push_back(anim_test_pose(2, 10.0f * k, (float)k, 0, 0));
    }
    AnimFile f = anim_test_chain({poses, poses, poses});
    f.bones[1].word = 4;
    f.bones[2].word = 8;
    f.tracks.push_back(anim_test_track("whole", -1, {2, 3, 4}, 0.25f, 0));
    AnimTrackOut arm = anim_test_track("arm", 1, {1, 2}, 0.25f, 0);
    arm.bone_table = {-1, 1, 1};
    f.tracks.push_back(arm);
    AnimTrackOut hand = anim_test_track("hand", 2, {1, 2}, 0.25f, 0);
    hand.bone_table = {-1, -1, 2};
    f.tracks.push_back(hand);
    f.tracks.push_back(anim_test_track("other", -1, {3, 4}, 0.5f, 0));
    f.tracks.push_back(anim_test_track("single", -1, {1}, 0.0f, 0));
    AnimSet *set = load(f);
    AnimTestActor a(set);
    anim_play(&a.st, 0, 1.0f, 0);
    anim_play(&a.st, 1, 1.0f, 0);
    anim_play(&a.st, 2, 1.0f, 0);
    std::vector<int> order;
    for (const AnimPlay *p = a.st.plays; p; p = p->next) {
        order.push_back(p->track->index);
    }
    EXPECT_EQ(order, (std::vector<int>{2, 1, 0})) << "highest root word first";

    // Restarting changes only the speed.
    a.tick(6);
    AnimPlay before = *a.play_of(0);
    anim_play(&a.st, 0, 2.5f, 0);
    const AnimPlay *now = a.play_of(0);
    EXPECT_EQ(now->speed, 2.5f);
    EXPECT_EQ(now->time, before.time);
    EXPECT_EQ(now->from_key, before.from_key);
    EXPECT_EQ(now->to_key, before.to_key);
    EXPECT_EQ(now->plays_left, before.plays_left);
    EXPECT_NEAR(anim_get_progress(&a.st, 0), (0.5f + 0 + 1) / 3.0f, 1e-6f);

    // Same root bone: "other" takes the whole track's place, blending from its pose.
    a.tick(1);
    BonePose held = a.st.pose[0];
    anim_play(&a.st, 3, 1.0f, 0);
    EXPECT_EQ(anim_is_playing(&a.st, 0), 0);
    order.clear();
    for (const AnimPlay *p = a.st.plays; p; p = p->next) {
        order.push_back(p->track->index);
    }
    EXPECT_EQ(order, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(a.st.from_pose[0].pos[0], held.pos[0]);
    a.tick(1);
    EXPECT_NEAR(a.st.pose[0].pos[0], 0.5f * held.pos[0] + 0.5f * 2.0f, 1e-5f);

    // Stopping, progress and the queries.
    EXPECT_EQ(anim_stop(&a.st, 2), ANIM_STOPPED);
    EXPECT_EQ(anim_stop(&a.st, 2), 0);
    EXPECT_EQ(anim_stop(&a.st, 42), 0);
    EXPECT_EQ(anim_get_progress(&a.st, 2), -1.0f);
    EXPECT_EQ(anim_get_progress(&a.st, 5), -2.0f);
    EXPECT_EQ(anim_is_playing(&a.st, -1), -1);
    EXPECT_EQ(anim_has_ended(&a.st, -1), 1) << "a missing animation has ended";
    EXPECT_EQ(anim_has_ended(&a.st, 3), 0);
    anim_play(&a.st, 4, 1.0f, 0);
    EXPECT_EQ(anim_get_progress(&a.st, 4), 0.0f) << "one key and no step: 0, not a division by 0";
    anim_play(&a.st, 3, 1.0f, 0);
    const int32_t list[] = {1, 4, -1, 3};
    EXPECT_EQ(anim_any_playing(&a.st, list, 4), 1);
    EXPECT_EQ(anim_stop_list(&a.st, list, 4), ANIM_STOPPED);
    EXPECT_EQ(anim_any_playing(&a.st, list, 2), 0);
    EXPECT_EQ(anim_is_playing(&a.st, 3), 1) << "the list ends at its first negative entry";
    EXPECT_EQ(anim_stop_by_name(&a.st, "oth", 1), ANIM_STOPPED);
    EXPECT_EQ(a.st.plays, nullptr);
}

TEST_F(AnimPlayback, EasingWeights)
{
    AnimFile f = slide(0.5f, 0);
    f.tracks[0].leave_ease = {20, 0, 0, 0};
    f.tracks[0].arrive_ease = {0, 40, 0, 0};
    AnimTrackOut flat = f.tracks[0];
    flat.name = "flat";
    flat.leave_ease = {1.0f, 1.0f, 1.0f, 1.0f};
    flat.arrive_ease = {1.0f, 1.0f, 1.0f, 1.0f};
    f.tracks.push_back(flat);
    AnimSet *set = load(f);
    AnimTestActor a(set);
    anim_play(&a.st, 0, 1.0f, 0);
    a.tick(3);   // key 0 reached after 2, then halfway to key 1
    const AnimPlay *p = a.play_of(0);
    ASSERT_EQ(p->from_key, 0);
    float lb = 0.7f, ab = 0.9f, t = 0.5f;
    float fl = (1 - lb) * t + lb * t * t;
    float fa = 1 - ((1 - ab) * (1 - t) + ab * (1 - t) * (1 - t));
    EXPECT_NEAR(p->weight, (fl * 0.25f + fa * 0.25f) / 0.5f, 1e-6f);
    anim_play(&a.st, 1, 1.0f, 0);
    a.tick(3);
    EXPECT_EQ(a.play_of(1)->weight, 0.5f) << "an ease of 1.0 is no ease";
}

TEST_F(AnimPlayback, DefaultsStartAsTheSetSays)
{
    // Bone 0 slides; bones 1 and 2 have tracks of their own.
    std::vector<std::array<float, 10>> still(5, anim_test_pose(0, 0, 0, 0, 0));
    AnimFile f = anim_test_chain({slide(0.25f, 0).bones[0].keys, still, still});
    f.tracks.push_back(anim_test_track("slide", -1, {2, 3, 4, 5}, 0.25f, 0));
    for (int b : {1, 2}) {
        AnimTrackOut t = anim_test_track("part" + std::to_string(b), b, {1, 2}, 0.25f, 0);
        t.bone_table = {-1, b == 1 ? 0 : -1, b == 2 ? 0 : -1};
        f.tracks.push_back(t);
    }
    f.defaults = {{0, 1, 2, -1, 1, 1, 1, 1}};
    AnimSet *set = load(f);
    {
        AnimTestActor a(set);
        EXPECT_EQ(a.st.pose[0].pos[0], 0.0f) << "default 0 shows its key 0 at once";
        EXPECT_EQ(a.play_of(0)->from_key, -2);
        EXPECT_EQ(anim_is_playing(&a.st, 1) + anim_is_playing(&a.st, 2), 2);
        a.tick();
        EXPECT_EQ(a.play_of(0)->from_key, 0);
        EXPECT_EQ(a.st.pose[0].pos[0], 0.0f);
    }
    // A default 0 outside the animations starts nothing; the others start up to the
    // first negative entry.
    f.defaults = {{9, 1, -1, 2, 0, 0, 0, 0}};
    set = load(f);
    AnimTestActor b(set);
    EXPECT_EQ(anim_is_playing(&b.st, 0), 0);
    EXPECT_EQ(anim_is_playing(&b.st, 1), 1);
    EXPECT_EQ(anim_is_playing(&b.st, 2), 0);
    EXPECT_EQ(b.st.pose[0].pos[0], -4.0f) << "the bone keeps its first pose";
}

// Matrices by hand: column-major 4x4 products.
using Mat = std::array<float, 16>;

Mat mul(const Mat &a, const Mat &b)
{
    Mat r{};
    for (int col = 0; col < 4; col++) {
        for (int row = 0; row < 4; row++) {
            for (int k = 0; k < 4; k++) {
                r[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
            }
        }
    }
    return r;
}

// Rotation about an axis (0 x, 1 y, 2 z) by deg degrees, with translation t and scale s.
Mat trs(int axis, float deg, float tx, float ty, float tz, float s = 1.0f)
{
    float c = cosf(deg * 3.14159265f / 180.0f), n = sinf(deg * 3.14159265f / 180.0f);
    Mat r = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, tx, ty, tz, 1};
    int i = (axis + 1) % 3, j = (axis + 2) % 3;
    r[i * 4 + i] = c;
    r[i * 4 + j] = n;
    r[j * 4 + i] = -n;
    r[j * 4 + j] = c;
    for (int col = 0; col < 3; col++) {
        for (int row = 0; row < 3; row++) {
            r[col * 4 + row] *= s;
        }
    }
    return r;
}

void expect_block(const float *m, const Mat &e, const char *what)
{
    for (int i : {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14}) {
        EXPECT_NEAR(m[i], e[i], 1e-4f) << what << " element " << i;
    }
}

TEST_F(AnimPlayback, ChainMatricesEqualTheClosedForm)
{
    AnimFile f = anim_test_chain({{anim_test_pose(2, 90, 1, 0, 0)},
                                  {anim_test_pose(0, 30, 0, 2, 0, 2.0f)},
                                  {anim_test_pose(1, -45, 0, 0, 3, 0.5f)}});
    AnimSet *set = load(f);
    AnimTestActor a(set);
    Mat root = trs(1, 20, 10, 0, -5, 1.5f);
    memcpy(a.m.data(), root.data(), sizeof(root));
    anim_build_matrices(&a.st);
    Mat b0 = mul(root, trs(2, 90, 1, 0, 0));
    Mat b1 = mul(b0, trs(0, 30, 0, 2, 0, 2.0f));
    Mat b2 = mul(b1, trs(1, -45, 0, 0, 3, 0.5f));
    expect_block(&a.m[16], b0, "bone 0");
    expect_block(&a.m[32], b1, "bone 1");
    expect_block(&a.m[48], b2, "bone 2");
}

TEST_F(AnimPlayback, MatricesBuiltFromWhatTheLastBuildNotedEqualAFreshBuildBitForBit)
{
    // Bone 0 slides without turning, bone 1 swings under it, bone 2 holds under that,
    // bone 3 holds on the actor and bone 4 faces the camera; the actor slides, then turns,
    // then stands still: bones whose pose and parent turn stay, bones that only move,
    // bones whose parent changes, bones that change, bones turned or placed directly
    // between blends, a camera-facing bone whose sprite angle turns.
    const std::array<float, 10> held2 = anim_test_pose(0, -20, 0, 0, 2, 0.75f);
    const std::array<float, 10> held3 = anim_test_pose(2, 30, 1, 0.5f, 0, 1.5f);
    AnimFile f = anim_test_chain({{anim_test_pose(2, 25, 0, 0, 1, 1.1f), anim_test_pose(2, 25, 0, 0.5f, 1, 1.1f),
                                   anim_test_pose(2, 25, 0.3f, 0, 1.5f, 1.1f)},
                                  {anim_test_pose(1, 10, 0, 2, 0), anim_test_pose(1, 40, 0, 2, 0.5f, 1.2f),
                                   anim_test_pose(1, -35, 0, 2.5f, 0, 0.8f)},
                                  {held2, held2, held2},
                                  {held3, held3, held3},
                                  {held2, held3, held2}});
    f.bones[3].parent = 0;
    f.bones[4].parent = 2;
    f.bones[4].word = ANIM_BONE_CAMERA_FACING;
    f.tracks.push_back(anim_test_track("swing", -1, {2, 3, 2}, 0.07f, 0));
    AnimSet *set = load(f);
    AnimTestActor a(set);
    ASSERT_EQ(anim_play_by_name(&a.st, "swing", 1.0f, 1), 1);
    std::vector<float> noted(a.m.size());
    auto build_as_fresh = [&](const char *step, int t) {
        anim_build_matrices(&a.st);
        noted = a.m;
        for (int i = 0; i < set->bone_count; i++) {
            a.st.build_stale[i] = ANIM_STALE_TURNED;
        }
        anim_build_matrices(&a.st);
        EXPECT_EQ(memcmp(noted.data(), a.m.data(), sizeof(float) * a.m.size()), 0) << step << " tick " << t;
    };
    for (int t = 0; t < 45; t++) {
        float x = t < 15 ? 0.3f * (float)t : 4.5f, turn = t < 15 ? 10.0f : t < 30 ? 10.0f + 7.0f * (float)(t - 15) : 115.0f;
        Mat root = trs(1, turn, x, 0, -2, 1.25f);
        memcpy(a.m.data(), root.data(), sizeof(root));
        anim_update(&a.st);
        build_as_fresh("blend", t);
        // Now and then a bone is turned or placed directly after the blend, as aiming and
        // steering do, and the sprite angle turns.
        if (t % 3 == 1) {
            float angles[3] = {0.0f, 5.0f * (float)t, 0.0f};
            anim_set_bone_euler(&a.st, angles, 2);
            const float pose[7] = {0.0f, 0.0f, 0.0f, 1.0f, 0.1f * (float)t, 0.0f, 0.0f};
            anim_set_bone_pose(&a.st, pose, 3);
            const float q[4] = {0.0f, 0.38268343f, 0.0f, 0.92387953f};
            anim_slerp_bone(&a.st, q, 1, 0.5f);
            a.st.sprite_angle += 20.0f;
            build_as_fresh("direct", t);
        }
    }
}

TEST_F(AnimPlayback, CameraFacingBoneIsCamTimesParentLengthsTimesSpriteTurnTimesPose)
{
    AnimFile f = anim_test_chain({{anim_test_pose(1, 0, 0, 0, 0)}, {anim_test_pose(0, 20, 1, 2, 3, 1.5f)}});
    f.bones[0].keys[0] = {{0, 0, 0, 1, 0, 0, 0, 2, 3, 4}};   // parent scaled 2, 3, 4
    f.bones[1].word = ANIM_BONE_CAMERA_FACING;
    AnimSet *set = load(f);
    AnimTestActor a(set);
    Mat cam = trs(1, 30, 0, 0, 0);
    for (int col = 0; col < 3; col++) {
        for (int row = 0; row < 3; row++) {
            g_camera.world[col * 4 + row] = cam[col * 4 + row];
        }
    }
    Mat root = trs(2, 50, 4, 5, 6);
    memcpy(a.m.data(), root.data(), sizeof(root));
    a.st.sprite_angle = 25;
    anim_build_matrices(&a.st);
    Mat parent = mul(root, Mat{2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1});
    Mat lengths = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1};
    Mat expect = mul(mul(mul(cam, lengths), trs(2, 25, 0, 0, 0)), trs(0, 20, 0, 0, 0, 1.5f));
    Mat t = mul(parent, Mat{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1});
    for (int i = 12; i < 15; i++) {
        expect[i] = t[i];
    }
    expect_block(&a.m[32], expect, "camera-facing bone");
}

TEST_F(AnimPlayback, ACollapsedBoneIsZeroAndItsRecordingStillStoresIt)
{
    // Bone 0 records and is destroyed from the start; bone 1 shows it one update late.
    AnimFile f = anim_test_chain({{anim_test_pose(0, 0, 1, 0, 0)}, {anim_test_pose(0, 0, 0, 1, 0)}});
    f.bones[1].parent = 0;
    f.bones[0].delay = -1;
    f.bones[1].delay = 1;
    f.health = {-1.0f, 1.0f};
    AnimSphereOut whole, bone;
    bone.matrix = 1;
    f.spheres = {whole, bone};
    AnimSet *set = load(f);
    ASSERT_EQ(set->history_length, 2);
    AnimTestActor a(set);
    const float pos[3] = {7, 8, 9};
    anim_trail_set_position(&a.st, pos);
    a.tick();
    for (int i : {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14}) {
        ASSERT_EQ(a.m[16 + i], 0.0f) << "collapsed bone, element " << i;
    }
    const float *stored = a.st.history + 16 * a.st.history_index;
    EXPECT_EQ(stored[13], 0.0f) << "the zero matrix went into the history";
    EXPECT_EQ(a.m[32 + 13], 8.0f) << "the delayed bone shows the entry of the update before";
    a.tick();
    EXPECT_EQ(a.m[32 + 13], 0.0f);
}

TEST_F(AnimPlayback, HistoryOfThreeShowsTheRecordOfTwoUpdatesBefore)
{
    AnimFile f = anim_test_chain({{anim_test_pose(0, 0, 0, 1, 0)}, {anim_test_pose(0, 0, 0, 0, 1)}});
    f.bones[1].parent = 0;
    f.bones[0].delay = -1;
    f.bones[1].delay = 2;
    AnimSet *set = load(f);
    ASSERT_EQ(set->history_length, 3);
    AnimTestActor a(set);
    for (int update = 1; update <= 7; update++) {
        a.m[12] = 10.0f * update;   // the actor moves each update; bone 0 follows
        a.tick();
        EXPECT_EQ(a.m[16 + 12], 10.0f * update);
        if (update >= 3) {
            EXPECT_EQ(a.m[32 + 12], 10.0f * (update - 2)) << "update " << update;
        }
    }
}

TEST_F(AnimPlayback, LitBonesGetTheLightInTheirOwnSpaceUpToTheLastMatrix)
{
    // Lit set: its last bone (matrix index B) is lit; the work array has B + 1 entries.
    AnimFile f = anim_test_chain({{anim_test_pose(0, 0, 0, 0, 0)}, {anim_test_pose(2, 90, 0, 0, 0)}});
    f.mesh_flags = ANIM_MESH_LIT;
    MeshFile mesh;
    for (int k = 0; k < 3; k++) {
        mesh.positions.push_back({{(float)(k == 1), (float)(k == 2), 0}});
        mesh.bones.push_back(2);
        MeshDrawVertex d;
        d.position = (uint32_t)k;
        mesh.draw_vertices.push_back(d);
    }
    MeshFace face;
    face.index[0] = 0;
    face.index[1] = 1;
    face.index[2] = 2;
    mesh.faces.push_back(face);
    MeshTexture tex;
    tex.flags = 0x00010000;
    tex.colour = "none.bmp";
    mesh.textures.push_back(tex);
    AnimSet *set = anim_test_load(dir, "lit", f, &mesh);
    ASSERT_NE(set, nullptr);
    sets.push_back(set);
    ASSERT_EQ(set->lit_count, 1);
    ASSERT_EQ(set->lit_bones[0], 2);
    AnimTestActor a(set);
    ASSERT_NE(a.st.light_dirs, nullptr);
    g_light_dir[0] = 1;
    g_light_dir[1] = 0;
    g_light_dir[2] = 0;
    anim_build_matrices(&a.st);
    EXPECT_EQ(a.st.light_dirs[2][1], 0.0f) << "the matrices alone leave the light to the draw";
    anim_build_light_dirs(&a.st);
    // Bone 1 is turned 90 degrees about z: world +x is its -y.
    EXPECT_NEAR(a.st.light_dirs[2][0], 0.0f, 1e-6f);
    EXPECT_NEAR(a.st.light_dirs[2][1], -1.0f, 1e-6f);
}

}  // namespace
