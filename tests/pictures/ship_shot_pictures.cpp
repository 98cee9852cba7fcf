// The player ships, their shots and the enemies' shots and missiles in pictures, through
// the engine's loader and bone matrices, tinted as the engine tints a player's models: the
// ships from the play camera and at three-quarter view in several hues, the players' shots,
// shield and spinner in play, key frames mid-animation, the enemies' shots and missiles in
// flight and in their states (build/screens/).

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "render/camera.h"
#include "render/hue.h"
#include "world/animplay.h"

#include "tests/support/model_preview.h"
#include "tests/support/model_scene.h"
#include "tests/tools/ship_hull.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

class ShipShotPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        styles = std::make_unique<TreeStyles>(TREE);
    }
    void TearDown() override
    {
        actors.clear();
        anim_sets_free_all();
        g_camera = saved_camera;
        styles.reset();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }

    static AnimSet *set_of(const std::string &key)
    {
        size_t slash = key.find('/');
        return actor_load_model_data(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str());
    }

    // An actor of a model at a position and heading, tinted by a hue turn as the engine
    // loads a player's models, after an animation ran for ticks.
    PreviewActor &stand(const std::string &key, float x, float y, float z, float heading, const char *anim, int ticks,
                        float hue = 0, float scale = 1)
    {
        AnimSet *set = set_of(key);
        EXPECT_NE(set, nullptr) << key;
        actors.push_back({std::make_unique<PreviewActor>(set), hue});
        PreviewActor &a = *actors.back().actor;
        float pos[3] = {x, y, z};
        a.place(heading, scale, pos);
        if (anim) {
            a.play(anim);
        }
        a.tick(ticks);
        return a;
    }

    // A ship as the engine stands it: the turret at the height of its bounding sphere,
    // turned to the aim, and the hull its script's height above, turned to the travel.
    void ship(int n, float x, float z, float aim, float travel, float hue, const char *turret_anim = nullptr,
              int ticks = 30)
    {
        std::string turret = "players/ship_" + std::to_string(n);
        float r = set_of(turret)->spheres[0].radius;
        stand(turret + "_hull", x, r + hull_height(n), z, travel, nullptr, ticks, hue);
        stand(turret, x, r, z, aim, turret_anim, ticks, hue);
    }

    // Draws every actor: the mesh's vertex colours turned by the actor's hue meanwhile.
    void draw_all(ModelPreview &p)
    {
        p.prepare_scene(TREE + "/run");
        for (Placed &a : actors) {
            ModelFile *mesh = a.actor->st.set->mesh;
            std::vector<uint32_t> saved;
            for (int i = 0; i < mesh->draw_vertex_count; i++) {
                saved.push_back(mesh->draw_vertices[i].colour);
            }
            if (a.hue != 0) {
                hue_set_angle(a.hue);
                hue_apply_rgb((uint8_t *)&mesh->draw_vertices[0].colour, mesh->draw_vertex_count,
                              (int)sizeof(ModelDrawVertex), 0);
            }
            anim_build_matrices(&a.actor->st);
            p.draw(*mesh, a.actor->st);
            for (int i = 0; i < mesh->draw_vertex_count; i++) {
                mesh->draw_vertices[i].colour = saved[(size_t)i];
            }
        }
    }

    void picture_top(const char *name, float x, float z, float height)
    {
        ModelPreview p(1024, 768, 0x1c2026);
        p.camera_top(x, z, height, 45);
        draw_all(p);
        EXPECT_GT(p.covered(), 2000) << name;
        EXPECT_TRUE(p.save(name)) << name;
    }

    void picture_look(const char *name, const float eye[3], const float target[3])
    {
        ModelPreview p(1024, 768, 0x1c2026);
        p.camera_look(eye, target, 45);
        draw_all(p);
        EXPECT_GT(p.covered(), 2000) << name;
        EXPECT_TRUE(p.save(name)) << name;
    }

    struct Placed {
        std::unique_ptr<PreviewActor> actor;
        float hue;
    };
    CameraState saved_camera = g_camera;
    std::unique_ptr<TreeStyles> styles;
    std::vector<Placed> actors;
};

TEST_F(ShipShotPictures, ShipsFromThePlayCameraAndAtThreeQuarterView)
{
    // The five ships nose up (screen up is world -x), then three of them in other hues,
    // turrets aiming elsewhere, as in play.
    for (int n = 1; n <= 5; n++) {
        ship(n, 0, -10.0f + 5.0f * (float)(n - 1), -90, -90, 0);
    }
    picture_top("ships_top_close", 0, 0, 40);
    actors.clear();
    const float hues[4] = {0, 90, 180, -90};
    for (int n = 1; n <= 5; n++) {
        for (int h = 0; h < 4; h++) {
            ship(n, -9.0f + 6.0f * (float)h, -16.0f + 8.0f * (float)(n - 1), -90 + 35.0f * (float)h, -90, hues[h]);
        }
    }
    picture_top("ships_hues_top", 0, 0, 60);
    actors.clear();
    for (int n = 1; n <= 5; n++) {
        ship(n, 0, -10.0f + 5.0f * (float)(n - 1), 150, 180, 0, n == 3 ? "fire" : nullptr, n == 3 ? 2 : 30);
    }
    const float eye[3] = {-20, 12, 4};
    const float target[3] = {0, 1.5f, 1.5f};
    picture_look("ships_3q", eye, target);
}

TEST_F(ShipShotPictures, PlayerShotsShieldAndSpinnerInPlay)
{
    // Ship 1 firing each kind of shot up the screen (heading -90), one with its shield
    // up, one with its spinner; the shots after the weapon slots' hues.
    const float y = 1.8f;
    ship(1, 6, 12, -90, -90, 0);
    for (int i = 0; i < 6; i++) {
        stand("bullets/bullet_1", 2.0f - 3.4f * (float)i, y, 12, -90, nullptr, 2 + 6 * i);
    }
    ship(1, 6, 4, -90, -90, 0);
    for (int i = 0; i < 4; i++) {
        for (float spread : {-14.0f, 0.0f, 14.0f}) {
            float d = 4.0f + 4.2f * (float)i;
            float a = (-90.0f + spread) * 3.14159265f / 180.0f;
            stand("bullets/bullet_3way", 6 + d * sinf(a), y, 4 + d * cosf(a), -90 + spread, nullptr, 3 + 7 * i, 180,
                  0.9f);
        }
    }
    ship(1, 6, -4, -90, -90, 0);
    for (int i = 0; i < 8; i++) {
        stand("bullets/laser_1", 3.0f - 3.0f * (float)i, y, -4, -90, nullptr, 2 + 3 * i, 180);
    }
    ship(1, 6, -12, -60, -90, 0);
    stand("bullets/missile_1", 0, y, -13, -70, nullptr, 20, 180, 0.8f);
    stand("bullets/missile_1", -6, y, -9, -120, nullptr, 35, 180, 0.8f);
    ship(2, -12, 8, -30, 180, 0);
    stand("players/shield", -12, 1.9f, 8, 0, "shimmer", 8, 180, 1.1f);
    ship(4, -12, -6, 0, 200, 0);
    stand("players/spinner", -12, 1.7f, -6, 0, nullptr, 17, 180);
    picture_top("player_shots_top", -2, 0, 55);
    const float eye[3] = {-34, 18, 16};
    const float target[3] = {-8, 1.5f, 0};
    picture_look("player_shots_3q", eye, target);

    // Key frames mid-animation: a turret glancing (idle) and one firing, the shield
    // shimmering, shots flaring out (die).
    actors.clear();
    ship(1, 0, -6, 180, 180, 0, "idle", 20);
    ship(5, 0, 0, 180, 180, 0, "fire", 2);
    ship(3, 0, 6, 180, 180, 0);
    stand("players/shield", 0, 1.9f, 6, 0, "shimmer", 12, 180, 1.1f);
    const char *dying[5] = {"bullet_1", "bullet_3way", "bullet_ninjoo", "bullet_pimp", "laser-1_1sec"};
    for (int i = 0; i < 5; i++) {
        stand(std::string("bullets/") + dying[i], 5, 1.8f, -6.0f + 3.0f * (float)i, 180, "die", 4, i < 2 ? 180.0f * i : 0);
    }
    const float eye2[3] = {-14, 10, 2};
    const float target2[3] = {2, 1.5f, 0};
    picture_look("player_keyframes_3q", eye2, target2);
}

TEST_F(ShipShotPictures, EnemyShotsAndMissilesInFlight)
{
    const char *shots[13] = {"bullet_ninjoo", "bullet_pathfly",   "bullet_pimp",    "bullet_robomom", "bullet_splitworm",
                             "bullet_trackfly", "bullet_turret1", "bullet_turret2", "bullet_weelee", "beemspider_bullet",
                             "laser-1_1sec",   "laser-1_2sec",   "laser-1_3sec"};
    // Rows of shots flying up the screen, each kind in its own row, three of a kind.
    for (int s = 0; s < 13; s++) {
        for (int i = 0; i < 3; i++) {
            stand(std::string("bullets/") + shots[s], -6.0f + 5.0f * (float)i, 4.5f, -18.0f + 3.0f * (float)s, -90,
                  nullptr, 3 + 13 * i);
        }
    }
    const char *missiles[5] = {"missile_ninjoo", "missile_pimp", "missile_robomum", "missile_turret", "missile_weelee"};
    for (int s = 0; s < 5; s++) {
        stand(std::string("bullets/") + missiles[s], 9, 3.0f, -12.0f + 6.0f * (float)s, -90 + 20.0f * (float)s, nullptr,
              9 + 5 * s);
        stand(std::string("bullets/") + missiles[s], 15, 3.0f, -12.0f + 6.0f * (float)s, -90, "mutate", 6);
    }
    picture_top("enemy_shots_top_close", 3, 0, 48);
    const float eye[3] = {-22, 16, 14};
    const float target[3] = {3, 3.5f, 0};
    picture_look("enemy_shots_3q", eye, target);
    actors.clear();
    // The missiles' states at three-quarter view: flying, hit, dying, launched.
    const char *states[4] = {nullptr, "hitbounce", "byebye", "mutate"};
    for (int s = 0; s < 5; s++) {
        for (int k = 0; k < 4; k++) {
            stand(std::string("bullets/") + missiles[s], -4.5f + 3.0f * (float)k, 3.0f, -8.0f + 4.0f * (float)s, 200,
                  states[k], k == 2 ? 8 : 5);
        }
    }
    const float eye2[3] = {-16, 14, 8};
    const float target2[3] = {0, 3, 0};
    picture_look("enemy_missiles_states_3q", eye2, target2);
    // The shots' play camera view: a volley on a wave's scale.
    actors.clear();
    for (int s = 0; s < 13; s++) {
        float a = (float)s * 27.7f;
        stand(std::string("bullets/") + shots[s], 20.0f * sinf(a), 4.5f, 26.0f * cosf(a * 1.3f), a * 57.3f, nullptr,
              40);
    }
    for (int s = 0; s < 5; s++) {
        stand(std::string("bullets/") + missiles[s], -30.0f + 12.0f * (float)s, 3.0f, 30, 180, nullptr, 40);
    }
    ship(1, 0, 0, 30, 0, 0);
    picture_top("enemy_shots_top", 0, 0, 115);
}

}  // namespace
