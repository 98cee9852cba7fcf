// The arena's pictures: the room with its floor, pylons and fences as the play camera
// sees it, every layout from high above, each pylon family, the beams, the power-ups and
// the explosions from above and at three-quarter view, drawn through the engine's loader
// and bone matrices (build/screens/). Their sizes on screen are checked by
// tests/tools/screen_size_test.cpp.

#include "assetgen/models.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "render/camera.h"
#include "world/animplay.h"

#include "tests/support/model_preview.h"
#include "tests/support/model_scene.h"

#include <cmath>
#include <gtest/gtest.h>
#include <unistd.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;
constexpr float PI = 3.14159265f;
constexpr uint32_t BACKGROUND = 0x0c1018;

class ArenaPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        run_folder = std::make_unique<TreeRunFolder>(TREE);
    }
    void TearDown() override
    {
        actors.clear();
        anim_sets_free_all();
        // The meshes' textures were found from the run folder and decoded into the cache.
        file_free_textures();
        g_camera = saved_camera;
        run_folder.reset();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    AnimSet *set(const std::string &key)
    {
        size_t slash = key.find('/');
        AnimSet *s = actor_load_model_data(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str());
        EXPECT_NE(s, nullptr) << key;
        EXPECT_TRUE(s && s->mesh) << key;
        return s;
    }
    // An actor standing as enemies stand, after an animation ran for ticks.
    PreviewActor &stand(AnimSet *s, float x, float y, float z, float heading, float scale, const char *anim, int ticks)
    {
        actors.push_back(std::make_unique<PreviewActor>(s));
        PreviewActor &a = *actors.back();
        const float pos[3] = {x, y, z};
        a.place(heading, scale, pos);
        if (anim) {
            a.play(anim);
        }
        a.tick(ticks);
        return a;
    }
    // An actor hung on a matrix (a pylon on a room bone), its own animations run for ticks.
    PreviewActor &hang(AnimSet *s, const float *matrix, int ticks)
    {
        actors.push_back(std::make_unique<PreviewActor>(s));
        PreviewActor &a = *actors.back();
        a.tick(ticks);
        memcpy(a.m.data(), matrix, 16 * sizeof(float));
        anim_build_matrices(&a.st);
        return a;
    }
    // A beam between two points, stretched as the engine stretches it: fences (room
    // beams) with model Z up, rule beams with model Y up.
    PreviewActor &beam(AnimSet *s, const float a[3], const float b[3], float scale, bool fence, int ticks)
    {
        actors.push_back(std::make_unique<PreviewActor>(s));
        PreviewActor &p = *actors.back();
        p.tick(ticks);
        float dx = b[0] - a[0], dz = b[2] - a[2];
        float angle = std::atan2(dx, dz) - PI / 2;
        float c = std::cos(angle), sn = std::sin(angle);
        float xs = std::sqrt(dx * dx + dz * dz) / (2.0f * s->spheres[0].radius);
        float m[16] = {c * xs, 0, -sn * xs, 0, 0, 0, 0, 0, 0, 0, 0, 0, (a[0] + b[0]) / 2, (a[1] + b[1]) / 2,
                       (a[2] + b[2]) / 2, 1};
        if (fence) {
            const float second[3] = {-sn * scale, 0, -c * scale}, third[3] = {0, scale, 0};
            memcpy(&m[4], second, sizeof(second));
            memcpy(&m[8], third, sizeof(third));
        } else {
            const float second[3] = {0, scale, 0}, third[3] = {sn * scale, 0, c * scale};
            memcpy(&m[4], second, sizeof(second));
            memcpy(&m[8], third, sizeof(third));
        }
        memcpy(p.m.data(), m, sizeof(m));
        anim_build_matrices(&p.st);
        return p;
    }
    void draw_all(ModelPreview &p)
    {
        for (int col = 0; col < 3; col++) {
            for (int row = 0; row < 3; row++) {
                g_camera.world[col * 4 + row] = p.camera_rotation()[col * 3 + row];
            }
        }
        p.set_run_dir(TREE + "/run");
        const float light[3] = {std::sin(0.7f), 1.9f, std::cos(0.7f)};
        p.set_light(light);
        for (auto &a : actors) {
            anim_build_matrices(&a->st);
            p.draw(*a->st.set->mesh, a->st);
        }
    }
    void shoot_top(const char *name, float x, float z, float height, int min_covered)
    {
        ModelPreview p(1024, 768, BACKGROUND);
        p.camera_top(x, z, height, 45);
        draw_all(p);
        EXPECT_GT(p.covered(), min_covered) << name;
        EXPECT_TRUE(p.save(name)) << name;
    }
    void shoot_3q(const char *name, const float eye[3], const float target[3], int min_covered)
    {
        ModelPreview p(1024, 768, BACKGROUND);
        p.camera_look(eye, target, 45);
        draw_all(p);
        EXPECT_GT(p.covered(), min_covered) << name;
        EXPECT_TRUE(p.save(name)) << name;
    }
    // The room in a layout, its pylons and both fence strands, on a floor.
    void arena(const char *floor, const char *layout, const char *pylon, const char *fence, int ticks)
    {
        // The floor lies a shade below 0, where the preview clips as the floor hides what
        // is under it: raised by that shade here.
        stand(set(floor), 0, 0.17f, 0, 0, 1.0f, nullptr, ticks);
        AnimSet *room_set = set("room/roomer");
        PreviewActor &room = stand(room_set, 0, 0, 0, 0, 1.0f, nullptr, 0);
        room.play(layout);
        room.tick(10);
        AnimSet *pylon_set = set(pylon);
        AnimSet *fence_set = set(fence);
        float tops[24][3], mids[24][3];
        for (int k = 0; k < 24; k++) {
            char name[16];
            snprintf(name, sizeof(name), "pylon%d%d", (k + 1) / 10, (k + 1) % 10);
            // Bone index + 1 is the matrix index.
            int bone = anim_find_bone(room_set, name, 1) + 1;
            ASSERT_GE(bone, 2) << name;
            PreviewActor &p = hang(pylon_set, &room.m[(size_t)bone * 16], ticks + 7 * k);
            int top = anim_find_bone(pylon_set, "top_x", 1) + 1, mid = anim_find_bone(pylon_set, "mid_x", 1) + 1;
            memcpy(tops[k], &p.m[(size_t)top * 16 + 12], sizeof(tops[k]));
            memcpy(mids[k], &p.m[(size_t)mid * 16 + 12], sizeof(mids[k]));
        }
        for (int k = 0; k < 24; k++) {
            beam(fence_set, tops[k], tops[(k + 1) % 24], 1.0f, true, ticks + 3 * k);
            if (k % 2 == 0) {
                beam(fence_set, mids[k], mids[(k + 2) % 24], 0.6f, true, ticks + 5 * k);
            }
        }
    }
    CameraState saved_camera = g_camera;
    std::unique_ptr<TreeRunFolder> run_folder;
    std::vector<std::unique_ptr<PreviewActor>> actors;
};

TEST_F(ArenaPictures, TheArenaAsThePlayerSeesIt)
{
    arena("room/floor-1_1", "circle", "pylons/pylon-1_2", "fizz/fencefizz-1_1", 20);
    // A little life on the floor: two pick-ups and a blast.
    stand(set("powerups/powerup_laser"), -10, 0, 12, 0, 1.0f, nullptr, 30);
    stand(set("powerups/powerup_3way"), 14, 0, -20, 0, 1.0f, nullptr, 50);
    stand(set("explosions/burst_medium"), 5, 2.5f, 25, 0, 1.0f, nullptr, 12);
    stand(set("explosions/ring_emerge"), -25, 0, -10, 0, 1.0f, nullptr, 18);
    shoot_top("arena_play", 0, 0, 115, 300000);
    const float eye[3] = {-95, 55, 70};
    const float target[3] = {0, 0, 0};
    shoot_3q("arena_3q", eye, target, 300000);
}

TEST_F(ArenaPictures, EveryLayoutFromHighAbove)
{
    struct Shot {
        const char *layout, *floor, *pylon, *fence, *name;
    };
    const Shot shots[] = {
        {"circle", "room/floor-1_1", "pylons/pylon-1_1", "fizz/fencefizz-1_1", "arena_layout_circle"},
        {"square", "room/floor-1_2", "pylons/pylon-4_3", "fizz/fencefizz-1_4", "arena_layout_square"},
        {"triangle", "room/floor-1_3", "pylons/pylon-2_2", "fizz/fencefizz-1_2", "arena_layout_triangle"},
        {"hexagon", "room/floor-1_1", "pylons/pylon-5_3", "fizz/fencefizz-1_5", "arena_layout_hexagon"},
        {"circle_wide", "room/floor-1_2", "pylons/pylon-9_9", "fizz/fencefizz-9_9", "arena_layout_circle_wide"},
    };
    for (const Shot &s : shots) {
        arena(s.floor, s.layout, s.pylon, s.fence, 25);
        shoot_top(s.name, 0, 0, 250, 400000);
        actors.clear();
    }
}

TEST_F(ArenaPictures, PylonFamiliesFromAboveAndAtThreeQuarterView)
{
    const char *pylons[] = {"pylon-0_0", "pylon-1_1", "pylon-1_2", "pylon-1_3", "pylon-1_4", "pylon-2_1",
                            "pylon-2_2", "pylon-2_3", "pylon-3_1", "pylon-4_1", "pylon-4_2", "pylon-4_3",
                            "pylon-4_4", "pylon-4_5", "pylon-4_6", "pylon-5_1", "pylon-5_2", "pylon-5_3",
                            "pylon-6_1", "pylon-6_2", "pylon-6_3", "pylon-9_9"};
    // The lineup: eleven a row, facing the camera's side (-Y toward +z).
    for (int i = 0; i < 22; i++) {
        float x = -25.0f + 5.0f * (float)(i % 11), z = i < 11 ? 6.0f : -6.0f;
        stand(set(std::string("pylons/") + pylons[i]), x, 0, z, 0, 1.0f, nullptr, 20 + 9 * i);
    }
    shoot_top("pylons_top", 0, 0, 60, 20000);
    const float eye[3] = {-4, 16, 44};
    const float target[3] = {0, 3, 0};
    shoot_3q("pylons_3q", eye, target, 60000);
    actors.clear();
    // The idle flourishes, a third of the way in.
    const char *idles[] = {"pylon-3_1", "pylon-5_1", "pylon-5_2", "pylon-5_3", "pylon-6_3", "pylon-9_9"};
    for (int i = 0; i < 6; i++) {
        stand(set(std::string("pylons/") + idles[i]), -12.5f + 5.0f * (float)i, 0, 0, 0, 1.0f, "idle", 40);
    }
    const float eye2[3] = {-3, 10, 22};
    const float target2[3] = {0, 4, 0};
    shoot_3q("pylons_idle_3q", eye2, target2, 30000);
}

TEST_F(ArenaPictures, BeamsFromAboveAndAtThreeQuarterView)
{
    const char *beams[] = {"fencefizz-1_1", "fencefizz-1_2", "fencefizz-1_3", "fencefizz-1_4", "fencefizz-1_5",
                           "fencefizz-1_6", "fencefizz-1_7", "fencefizz-2_1", "fencefizz-9_1", "fencefizz-9_9",
                           "laserfizz-1sec", "laserfizz-2sec", "laserfizz-3sec", "turret-fizz", "beemspider-fizz",
                           "weblob-fizz"};
    AnimSet *post = set("pylons/pylon-0_0");
    for (int i = 0; i < 16; i++) {
        float x = -30.0f + 4.0f * (float)i;
        // Fences between posts, the rule beams lower and on their side.
        bool fence = i < 10;
        const float a[3] = {x, fence ? 7.0f : 3.0f, -16}, b[3] = {x, fence ? 7.0f : 3.0f, 16};
        beam(set(std::string("fizz/") + beams[i]), a, b, 1.0f, fence, 13 + 7 * i);
        if (fence) {
            stand(post, x, 0, -16, 0, 1.0f, nullptr, 5);
            stand(post, x, 0, 16, 180, 1.0f, nullptr, 5);
        }
    }
    shoot_top("beams_top", 0, 0, 70, 30000);
    const float eye[3] = {-6, 26, 52};
    const float target[3] = {0, 4, 0};
    shoot_3q("beams_3q", eye, target, 30000);
}

TEST_F(ArenaPictures, PowerUpsFromAboveAndAtThreeQuarterView)
{
    const char *kinds[] = {"powerup_3way", "powerup_laser", "powerup_missile", "powerup_shield", "powerup_spinner",
                           "powerup_extralife"};
    for (int i = 0; i < 6; i++) {
        stand(set(std::string("powerups/") + kinds[i]), -8.75f + 3.5f * (float)i, 0, 0, 0, 1.0f, nullptr, 10 + 17 * i);
    }
    shoot_top("powerups_top", 0, 0, 30, 20000);
    const float eye[3] = {-2, 9, 19};
    const float target[3] = {0, 1, 0};
    shoot_3q("powerups_3q", eye, target, 30000);
}

TEST_F(ArenaPictures, ExplosionsMidBlastFromAboveAndAtThreeQuarterView)
{
    struct Piece {
        const char *name;
        int ticks;
    };
    const Piece pieces[] = {{"flash_small", 3}, {"flash_large", 4},    {"spark_hit", 6},    {"spark_player", 6},
                            {"spark_ricochet", 7}, {"burst_small", 12}, {"burst_medium", 15}, {"burst_large", 22},
                            {"burst_ship", 22}, {"ring_emerge", 15},   {"ring_submerge", 15}, {"ring_mutate", 12},
                            {"ring_shield", 10}, {"smoke_puff", 40},    {"sparkle_bonus", 25}, {"burst_missile", 9}};
    for (int i = 0; i < 16; i++) {
        float x = (float)(i % 5) * 16.0f - 32.0f, z = (float)(i / 5) * 16.0f - 16.0f;
        stand(set(std::string("explosions/") + pieces[i].name), x, 3, z, 0, 1.0f, nullptr, pieces[i].ticks);
    }
    shoot_top("explosions_top", 0, 0, 95, 48000);
    const float eye[3] = {-20, 45, 75};
    const float target[3] = {0, 2, 0};
    shoot_3q("explosions_3q", eye, target, 48000);
    actors.clear();
    // A large burst through its life, left to right.
    for (int i = 0; i < 6; i++) {
        stand(set("explosions/burst_large"), -40.0f + 16.0f * (float)i, 3, 0, 0, 1.0f, nullptr, 2 + 16 * i);
    }
    shoot_top("explosions_burst_large_life", 0, 0, 80, 20000);
    actors.clear();
    // The smart bomb's wave sweeping the arena.
    arena("room/floor-1_3", "circle", "pylons/pylon-6_1", "fizz/fencefizz-1_6", 20);
    stand(set("explosions/bomb_wave"), 10, 0, 5, 0, 1.0f, nullptr, 30);
    shoot_top("explosions_bomb_wave", 0, 0, 115, 300000);
}

}  // namespace
