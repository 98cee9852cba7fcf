// The enemy gallery: every enemy family drawn through the engine's loader and bone
// matrices into build/screens/, to be looked at: a wave from the play camera
// (NAME_top), the family at three-quarter view idle, moving and at its own animation
// (NAME_3q), and a key frame of each life-cycle animation (NAME_states_3q). The checks
// are the ones a picture can fail: each family is on screen at the size its kind has
// from the play camera, at the scale its scripts launch it.

#include "core/file.h"
#include "core/mem.h"
#include "render/camera.h"
#include "world/animplay.h"

#include "tests/support/asset_tree.h"
#include "tests/support/model_scene.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Pose {
    const char *anim;   // null: the defaults only
    int ticks;
};

struct GalleryFamily {
    const char *folder;
    const char *name;
    float scale;             // as its scripts launch it
    float across_min, across_max;   // widest extent from the play camera, units
    Pose moving;             // how it moves
    Pose own;                // its own animation (fire, hatch, glint ...)
    std::vector<Pose> states;
};

const std::vector<Pose> LIFE = {{"emerge", 30}, {"byebye", 18}, {"hitbounce", 5}, {"mutate", 12}};

const GalleryFamily FAMILIES[] = {
    {"beasties", "robot_yellow", 1.0f, 5, 9, {"walk", 9}, {"aim", 20}, LIFE},
    {"beasties", "weelee_small", 1.0f, 5, 9, {"roll", 9}, {"look", 50}, LIFE},
    {"beasties", "weelee_big", 1.0f, 5, 9, {"roll", 9}, {"vent", 60}, LIFE},
    {"beasties", "trackfly_1", 1.0f, 2, 4, {"flap", 1}, {"buzz", 12}, LIFE},
    {"beasties", "trackfly_2", 1.0f, 2, 4, {"flap", 2}, {"buzz", 12}, LIFE},
    {"beasties", "spinner_1", 1.0f, 2, 4.5f, {"spin1_x", 30}, {"whirl", 20}, LIFE},
    {"beasties", "end_chaser", 1.0f, 3, 7, {"hang", 30}, {"grind", 50}, LIFE},
    {"beasties", "crystal", 1.15f, 5, 9, {"spin1_x", 40}, {"glint", 6}, LIFE},
    {"beasties", "weblob_tiny2", 0.7f, 2, 4, {"quiver", 20}, {"peer", 50}, LIFE},
    {"beasties", "mergeblob_1", 1.0f, 5, 9, {"wobble", 60}, {"wobble", 120}, LIFE},
    {"beasties", "trailer_1", 1.0f, 5, 10, {"trail", 60}, {"trail", 140}, LIFE},
    {"beasties", "trailer_trash", 1.0f, 2, 3.5f, {"blink", 3}, {"pulse", 10}, LIFE},
    {"beasties", "beemspider_1", 1.0f, 5, 9, {"walk", 12}, {"turn_l", 40}, LIFE},
    {"beasties", "worm_chain_split", 1.0f, 5, 11, {"slither", 20}, {"chew", 20}, LIFE},
    {"beasties", "ninjoo_1", 1.0f, 4, 7, {"guard", 20}, {"twirl", 10}, LIFE},
    {"beasties", "motha_2_spawn", 0.45f, 2, 4.5f, {"flap", 5}, {"dart", 20}, LIFE},
    {"bosses", "motha_2", 1.0f, 15, 30, {"flap", 30}, {"hatch", 170}, LIFE},
    {"bosses", "robo_mom", 1.0f, 15, 30, {"stomp", 40}, {"hatch", 260}, LIFE},
    {"bosses", "robo_mom_pod", 1.0f, 2, 4, {"pulse", 20}, {"pulse", 35}, LIFE},
    {"bosses", "geopus", 1.0f, 15, 30, {"crawl", 30}, {"grow", 300}, LIFE},
    {"bosses", "powerpimp", 1.0f, 15, 30, {"strut", 30}, {"tip", 60}, LIFE},
    {"beasties", "pathfly_tiny", 0.55f, 2, 4, {"flap", 2}, {"buzz", 12}, LIFE},
};

class EnemyGallery : public AssetTreeTest {
protected:
    void TearDown() override
    {
        scene.clear();
        AssetTreeTest::TearDown();
    }
    // An actor at (x, z) at the scale its scripts launch it, after its defaults ran and
    // then an animation for some ticks.
    void stand(AnimSet *set, float scale, float x, float z, float heading, Pose pose)
    {
        PreviewActor &a = scene.stand(set, x, 0, z, heading, nullptr, 0);
        const float pos[3] = {x, 0, z};
        a.place(heading, scale, pos);
        a.tick(3);
        if (pose.anim) {
            a.play(pose.anim);
        }
        a.tick(pose.ticks);
    }
    void draw_all(ModelPreview &p)
    {
        scene.draw_all(p);
        scene.clear();
    }
    // A camera at three-quarter view that frames a row of `across` units.
    void look(ModelPreview &p, float across, float size, float height)
    {
        float dist = 0.85f * std::max(across, 2.2f * size);
        const float dir[3] = {-16.0f / 31.0f, 15.0f / 31.0f, 22.0f / 31.0f};
        const float target[3] = {0, height, 0};
        const float eye[3] = {dir[0] * dist, target[1] + dir[1] * dist, dir[2] * dist};
        p.camera_look(eye, target, 45);
    }
    // Places along a row across the three-quarter view.
    static float row_x(float t) { return 0.809f * t; }
    static float row_z(float t) { return 0.588f * t; }
    ModelScene scene{tree()};
};

TEST_F(EnemyGallery, EveryFamilyFromThePlayCameraAndAtThreeQuarterView)
{
    for (const GalleryFamily &f : FAMILIES) {
        std::string name = f.name;
        AnimSet *set = actor_load_model_data(f.folder, f.name);
        ASSERT_NE(set, nullptr) << name;
        ASSERT_NE(set->mesh, nullptr) << name;

        // Alone under the play camera: its size as the player sees it.
        stand(set, f.scale, 0, 0, 30, {nullptr, 40});
        ModelPreview alone(1024, 768, 0x202428);
        alone.camera_top(0, 0, 115, 45);
        draw_all(alone);
        int box[4];
        alone.covered_box(box);
        float across = std::max(box[2] - box[0], box[3] - box[1]) / 8.0f;
        EXPECT_GE(across, f.across_min) << name;
        EXPECT_LE(across, f.across_max) << name;
        EXPECT_NEAR((box[0] + box[2]) * 0.5f, 512.0f, 8.0f * f.across_max) << name << " drawn where it stands";

        // A wave from the play camera: moving, its own animation, one emerging.
        bool boss = f.across_max > 12;
        float spread = boss ? 0.6f * f.across_max : std::max(8.0f, 2.2f * f.across_max);
        int count = boss ? 2 : 6;
        for (int i = 0; i < count; i++) {
            float a = 6.2831853f * (float)i / (float)count;
            Pose pose = i % 3 == 0 ? f.own : i % 3 == 1 ? f.moving : Pose{"emerge", 25 + 5 * i};
            stand(set, f.scale, spread * sinf(a + 1.5707963f), spread * cosf(a + 1.5707963f) * 0.75f, -150.0f + 67.0f * (float)i,
                  {pose.anim, pose.ticks + 7 * i});
        }
        ModelPreview wave(1024, 768, 0x202428);
        wave.camera_top(0, 0, 115, 45);
        draw_all(wave);
        EXPECT_TRUE(wave.save(name + "_top")) << name;

        // Three-quarter view: moving, idle, its own animation.
        // Framed by the bounding sphere at full size.
        float size = 2.0f * set->spheres[0].radius;
        float height = set->spheres[0].centre[2];
        const Pose row[3] = {f.moving, {nullptr, 40}, f.own};
        for (int i = 0; i < 3; i++) {
            float t = 1.2f * size * (float)(i - 1);
            stand(set, 1.0f, row_x(t), row_z(t), -30, row[i]);
        }
        ModelPreview three(1024, 768, 0x202428);
        look(three, 3.6f * size, size, height);
        draw_all(three);
        EXPECT_GT(three.covered(), 20000) << name;
        ModelScene::save(three, (name + "_3q").c_str());

        // A key frame of each state animation, side by side.
        float n = (float)f.states.size();
        for (size_t i = 0; i < f.states.size(); i++) {
            float t = 1.15f * size * ((float)i - 0.5f * (n - 1));
            stand(set, 1.0f, row_x(t), row_z(t), -30, f.states[i]);
        }
        ModelPreview states(1024, 768, 0x202428);
        look(states, 1.15f * size * n, size, height);
        draw_all(states);
        ModelScene::save(states, (name + "_states_3q").c_str());
    }
}

}  // namespace
