// Animation sets through the generator's writers: files read back intact, the history
// length rule, one set per folder, missing files, and every short or bad file refused
// with the pool left empty.

#include "world/animset.h"

#include "assetgen/models.h"
#include "assetgen/samples.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "core/stream.h"
#include "tests/world/anim_test_files.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <cstddef>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class AnimSetLoad : public ::testing::Test {
protected:
    void SetUp() override { mem_init(); }
    void TearDown() override
    {
        anim_sets_free_all();
        EXPECT_EQ(mem_usage, 0u) << "every block of the sets went back to the pool";
        mem_init();
    }
    TempDir dir;
    LogCapture log;
};

// Every field of the set against the file it was read from.
void expect_matches(const AnimSet *set, const AnimFile &a)
{
    ASSERT_EQ(set->bone_count, (int)a.bones.size());
    for (int i = 0; i < set->bone_count; i++) {
        const AnimBone &b = set->bones[i];
        const AnimBoneOut &w = a.bones[i];
        EXPECT_EQ(b.parent, w.parent);
        EXPECT_EQ(b.word, w.word);
        EXPECT_EQ(b.camera_facing, w.word & 1);
        EXPECT_EQ(b.breakable, (w.word >> 1) & 1);
        EXPECT_STREQ(b.name, w.name.c_str());
        ASSERT_EQ(b.key_count, (int)w.keys.size());
        for (int k = 0; k < b.key_count; k++) {
            for (int f = 0; f < 10; f++) {
                ASSERT_EQ(b.key_poses[k * 10 + f], w.keys[k][f]) << b.name << " pose " << k;
            }
        }
        EXPECT_EQ(set->bone_health[i], a.health[i]);
    }
    ASSERT_EQ(set->track_count, (int)a.tracks.size());
    for (int t = 0; t < set->track_count; t++) {
        const AnimTrack &r = set->tracks[t];
        const AnimTrackOut &w = a.tracks[t];
        int n = (int)w.key_frames.size();
        EXPECT_STREQ(r.name, w.name.c_str());
        EXPECT_EQ(r.index, t);
        EXPECT_EQ(r.start_sound, -1);
        EXPECT_EQ(r.root_bone, w.root_bone);
        ASSERT_EQ(r.key_count, n);
        EXPECT_EQ(r.loop_key, w.loop_key >= n ? n - 1 : w.loop_key);
        EXPECT_EQ(r.repeat_count, w.repeat);
        for (int k = 0; k < n; k++) {
            EXPECT_EQ(r.key_frames[k], w.key_frames[k]);
            EXPECT_EQ(r.steps[k], w.steps[k]);
            EXPECT_EQ(r.arrive_eases[k], w.arrive_ease[k]);
            EXPECT_EQ(r.leave_eases[k], w.leave_ease[k]);
            for (int c = 0; c < 3; c++) {
                EXPECT_EQ(r.root_offsets[k][c], w.root_offsets[k][c]);
                EXPECT_EQ(r.second_offsets[k][c], w.second_offsets[k][c]);
            }
        }
        if (w.root_bone >= 0) {
            ASSERT_NE(r.bone_table, nullptr) << r.name;
            for (int i = 0; i < set->bone_count; i++) {
                EXPECT_EQ(r.bone_table[i], w.bone_table[i]);
            }
        } else {
            EXPECT_EQ(r.bone_table, nullptr) << r.name;
        }
    }
    for (int i = 0; i < ANIM_DEFAULTS; i++) {
        EXPECT_EQ(set->defaults[i], a.defaults[i]);
    }
    ASSERT_EQ(set->sphere_count, (int)a.spheres.size());
    for (int s = 0; s < set->sphere_count; s++) {
        EXPECT_EQ(set->spheres[s].radius, a.spheres[s].radius);
        EXPECT_EQ(set->spheres[s].matrix, a.spheres[s].matrix);
        for (int c = 0; c < 3; c++) {
            EXPECT_EQ(set->spheres[s].centre[c], a.spheres[s].centre[c]);
        }
    }
    EXPECT_EQ(set->first_sphere, a.spheres.empty() ? -1 : a.spheres[0].matrix);
    EXPECT_EQ(offsetof(HitSphereDef, radius), 0u) << "held radius first, as the file does not";
    EXPECT_EQ(set->mesh_flags, a.mesh_flags);
}

TEST_F(AnimSetLoad, SampleAndRobotReadBackIntact)
{
    AnimFile sample = sample_anim();
    MeshFile mesh = sample_mesh();
    AnimSet *set = anim_test_load(dir, "sample", sample, &mesh);
    ASSERT_NE(set, nullptr);
    expect_matches(set, sample);
    EXPECT_EQ(set->tracks[1].loop_key, 1) << "loop key 9 of two keys plays as 1";
    EXPECT_STREQ(set->name, dir.file("sample").c_str());
    ASSERT_NE(set->mesh, nullptr);
    // Bone 0 carries the lit box; bone 1 faces the camera (and its faces are blended).
    ASSERT_EQ(set->lit_count, 1);
    EXPECT_EQ(set->lit_bones[0], 1);
    anim_set_destroy(set);

    const ModelFiles *robot = model_family_files("beasties/robot_green");
    ASSERT_NE(robot, nullptr);
    set = anim_test_load(dir, "robot", robot->anim, &robot->mesh);
    ASSERT_NE(set, nullptr);
    expect_matches(set, robot->anim);
    EXPECT_EQ(set->mesh->face_count, (int)robot->mesh.faces.size());
    EXPECT_GT(set->lit_count, 5);
    int flash = anim_find_bone(set, "flash", 1);
    for (int i = 0; i < set->lit_count; i++) {
        EXPECT_NE(set->lit_bones[i], flash + 1) << "a camera-facing bone is never lit";
    }
    anim_set_destroy(set);
    EXPECT_EQ(log.count_containing("*** [anim]"), 0) << log.joined();
}

TEST_F(AnimSetLoad, LoopKeyBeyondTheLastPlaysAsTheLast)
{
    AnimFile a = anim_test_chain({{anim_test_pose(0, 0, 0, 0, 0), anim_test_pose(0, 10, 0, 0, 0),
                                   anim_test_pose(0, 20, 0, 0, 0)}});
    a.tracks.push_back(anim_test_track("swing", -1, {1, 2, 3}, 0.5f, 3 + 3));
    AnimSet *set = anim_test_load(dir, "loop", a);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->tracks[0].loop_key, 2);
    anim_set_destroy(set);
}

TEST_F(AnimSetLoad, HistoryLengthFollowsTheDelays)
{
    struct Case {
        std::vector<int32_t> delays;
        int history;
    };
    const Case cases[] = {{{0, 0}, 0}, {{1, 0}, 2}, {{-1, 0}, 0}, {{-1, 2}, 3}, {{0, 0, 5, -1}, 6}};
    for (const Case &c : cases) {
        std::vector<std::vector<std::array<float, 10>>> poses(c.delays.size(), {anim_test_pose(0, 0, 0, 0, 0)});
        AnimFile a = anim_test_chain(poses);
        for (size_t i = 0; i < c.delays.size(); i++) {
            a.bones[i].delay = c.delays[i];
        }
        AnimSet *set = anim_test_load(dir, "history", a);
        ASSERT_NE(set, nullptr);
        EXPECT_EQ(set->history_length, c.history) << c.delays[0] << "," << c.delays[1];
        for (size_t i = 0; i < c.delays.size(); i++) {
            EXPECT_EQ(set->bones[i].delay, c.history ? c.delays[i] : 0) << "delays stay, or all clear with no history";
        }
        anim_set_destroy(set);
    }
}

TEST_F(AnimSetLoad, OneFolderIsOneSetReadOnceAndMissingFilesAreTold)
{
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/", dir.path().c_str());
    AnimFile a = sample_anim();
    anim_set_destroy(anim_test_load(dir, "beasties/thing", a));   // writes the file
    AnimSet *first = actor_load_model_data("beasties", "thing");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->mesh, nullptr) << "no model.bin: no mesh";
    EXPECT_EQ(first->lit_count, 0);
    // The set stays usable without a mesh.
    {
        AnimTestActor actor(first);
        actor.tick(3);
        EXPECT_EQ(anim_is_playing(&actor.st, 0), 1);
    }
    // Read once: with the file gone the second request still finds the same set.
    std::remove(dir.file("beasties/thing/anim.bin").c_str());
    std::string again = dir.file("beasties/thing");
    EXPECT_EQ(anim_set_find_or_load(again.c_str()), first);
    int sets = 0;
    for (AnimSet *s = g_anim_sets; s; s = s->next) {
        sets++;
    }
    EXPECT_EQ(sets, 1);
    // Through the type's door the missing file is told and gives no set.
    EXPECT_EQ(actor_load_model_data("beasties", "thing"), nullptr);
    EXPECT_EQ(log.count(std::string("*** [actor] doesnt exist ") + again), 1) << log.joined();
    g_styles_dir[0] = 0;
}

TEST_F(AnimSetLoad, PathsThatDoNotFitAreRefused)
{
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/", dir.path().c_str());
    // Two folders alike in their first 63 characters must not become one set.
    std::string longname(70, 'a');
    AnimFile a = sample_anim();
    anim_set_destroy(anim_test_load(dir, "beasties/" + longname + "1", a));
    anim_set_destroy(anim_test_load(dir, "beasties/" + longname + "2", a));
    log.clear();
    EXPECT_EQ(actor_load_model_data("beasties", (longname + "1").c_str()), nullptr);
    EXPECT_EQ(actor_load_model_data("beasties", (longname + "2").c_str()), nullptr);
    EXPECT_EQ(g_anim_sets, nullptr);
    EXPECT_EQ(log.count_containing("*** [actor] model path too long"), 2);
    std::string path(ANIM_NAME_SIZE, 'x');
    EXPECT_EQ(anim_set_find_or_load(path.c_str()), nullptr);
    g_styles_dir[0] = 0;
}

// Parses bytes from memory; the pool must be empty afterwards when refused.
AnimSet *parse(const Bytes &b)
{
    MemStream s;
    memstream_init(&s, b.data(), (int)b.size(), "test");
    return anim_set_parse(&s, "test");
}

TEST_F(AnimSetLoad, EveryTruncationIsRefused)
{
    Bytes full = anim_write(sample_anim());
    for (size_t n = 4; n < full.size(); n++) {
        log.clear();
        Bytes cut(full.begin(), full.begin() + (long)n);
        EXPECT_EQ(parse(cut), nullptr) << n;
        EXPECT_EQ(log.errors(), 1) << n << ": " << log.joined();
        ASSERT_EQ(mem_usage, 0u) << n;
    }
    AnimSet *whole = parse(full);
    ASSERT_NE(whole, nullptr);
    anim_set_destroy(whole);
}

void put_at(Bytes &b, size_t at, int32_t v)
{
    memcpy(&b[at], &v, 4);
}

TEST_F(AnimSetLoad, BadCountsAndIndexesAreRefused)
{
    const AnimFile good = sample_anim();
    const Bytes good_bytes = anim_write(good);
    // Byte offsets in the sample: bone 0's block starts at 4 (parent, word, delay, name at
    // 16, key count at 80); two bones of 160 bytes and two healths put A at 332; S sits
    // before two spheres of 20 bytes and the flags word.
    const size_t key_count = 80, tracks = 332, spheres = good_bytes.size() - 48;
    struct Case {
        const char *what;
        Bytes bytes;
    };
    std::vector<Case> cases;
    auto file = [&](const char *what, void (*change)(AnimFile &)) {
        AnimFile a = good;
        change(a);
        cases.push_back({what, anim_write(a)});
    };
    auto patch = [&](const char *what, size_t at, int32_t v) {
        Bytes b = good_bytes;
        put_at(b, at, v);
        cases.push_back({what, b});
    };
    file("parent after the bone", [](AnimFile &a) { a.bones[1].parent = 2; });
    file("negative parent", [](AnimFile &a) { a.bones[0].parent = -1; });
    file("delay beyond the history", [](AnimFile &a) { a.bones[0].delay = ANIM_MAX_DELAY + 1; });
    file("no keys", [](AnimFile &a) { a.tracks[0].key_frames.clear(); });
    file("root bone past the bones", [](AnimFile &a) {
        a.tracks[0].root_bone = 2;
        a.tracks[0].bone_table = {0, 0};
    });
    file("key frame 0", [](AnimFile &a) { a.tracks[0].key_frames[0] = 0; });
    file("key frame past the poses", [](AnimFile &a) { a.tracks[0].key_frames[1] = 3; });
    file("bone table past the poses", [](AnimFile &a) { a.tracks[1].bone_table = {-1, 2}; });
    file("sphere past the matrices", [](AnimFile &a) { a.spheres[1].matrix = 3; });
    file("sphere before the matrices", [](AnimFile &a) { a.spheres[1].matrix = -1; });
    patch("negative key count", key_count, -1);
    patch("huge key count", key_count, 0x7fffffff);
    patch("negative animation count", tracks, -1);
    patch("too many animations", tracks, ANIM_MAX_TRACKS + 1);
    patch("negative sphere count", spheres, -1);
    patch("too many bones", 0, ANIM_MAX_BONES + 1);
    {
        Bytes b = good_bytes;
        memset(&b[16], 'a', 64);
        cases.push_back({"bone name without its end", b});
        Bytes t = good_bytes;
        memset(&t[tracks + 4], 'b', 64);
        cases.push_back({"animation name without its end", t});
    }
    for (const Case &c : cases) {
        log.clear();
        EXPECT_EQ(parse(c.bytes), nullptr) << c.what;
        EXPECT_EQ(log.errors(), 1) << c.what << ": " << log.joined();
        ASSERT_EQ(mem_usage, 0u) << c.what;
    }
    // No bones: no set, nothing to tell.
    log.clear();
    Bytes none = good_bytes;
    put_at(none, 0, 0);
    EXPECT_EQ(parse(none), nullptr);
    EXPECT_EQ(log.errors(), 0);
    // Defaults outside the animations are not refused (they start nothing).
    AnimFile odd = good;
    odd.defaults = {{7, 2, 99, -1, 0, 0, 0, 0}};
    AnimSet *set = parse(anim_write(odd));
    ASSERT_NE(set, nullptr);
    anim_set_destroy(set);
}

}  // namespace
