// Models in a real context, from generator-written anim.bin and model.bin through the
// animation-set loader, under the play camera: an opaque box covers the rectangle of its
// projected corners; a moved bone moves only its own vertices; faces seen from behind are
// culled; lighting by the normals; the hit flash; materialise; and the generated robot as
// the game shows it (screenshots).

#include "tests/render/gl_fixture.h"
#include "tests/render/model_files.h"
#include "tests/support/model_preview.h"

#include "game/frame.h"
#include "render/camera.h"
#include "render/hudgfx.h"
#include "render/model.h"
#include "world/animplay.h"

#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace {

constexpr uint8_t BG[3] = {0, 0, 76};

// An actor of a set standing at pos, heading 0, with its model instance.
struct Shown {
    PreviewActor a;
    ModelInstance inst{};
    Shown(AnimSet *set, const float pos[3]) : a(set)
    {
        a.place(0.0f, 1.0f, pos);
        model_instance_init(&inst, set->model);
    }
    ~Shown() { model_instance_free(&inst); }
};

class GlModel : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        write_flat_bitmap(dir, "white.bmp", 16, 16, 255, 255, 255);
        camera_defaults();
        g_frame_dt = 0.0f;
        g_frame_steps = 0;
        camera_matrix();
        camera_position(eye);
        anim_sets_free_all();
    }
    void TearDown() override
    {
        anim_sets_free_all();
        g_hit_texture_handle = 0;
        g_camera = CameraState{};
        g_frame_dt = 0.0f;
        g_frame_steps = 0;
        GlScene::TearDown();
    }
    AnimSet *load(const ModelBuilder &b, const std::string &folder)
    {
        AnimSet *set = model_test_load(dir, folder, b);
        EXPECT_NE(set, nullptr);
        if (set) {
            EXPECT_NE(set->model, nullptr);
            set->next = g_anim_sets;
            g_anim_sets = set;
        }
        return set;
    }
    // One frame of the world pass: clear, draw every actor (opaque first, batched faces
    // flushed after), back to the frame's end state.
    // gathered: 1 between zgl_models_begin and zgl_models_end, 2 gathered by texture;
    // flashing: one actor with its hit flash.
    void frame(PreviewActor *const *actors, ModelInstance *const *insts, int n, int hit = 0, bool cull = true,
               int gathered = 0, int flashing = -1)
    {
        glClearColor(BG[0] / 255.0f, BG[1] / 255.0f, BG[2] / 255.0f, 1.0f);
        zgl_clear();
        zgl_set_camera_matrix();
        zgl_enable_depth_test();
        if (cull) {
            zgl_enable_cull_face();
        } else {
            zgl_disable_cull_face();
        }
        if (gathered == 1) {
            zgl_models_begin();
        } else if (gathered == 2) {
            zgl_models_gather_begin();
        }
        for (int i = 0; i < n; i++) {
            const AnimState &st = actors[i]->st;
            zgl_draw_model(insts[i], st.matrices, st.light_dirs, hit || i == flashing,
                           model_draw_mode(insts[i]->model));
        }
        if (gathered) {
            zgl_models_end();
        }
        zgl_disable_cull_face();
        zgl_enable_blend();
        zgl_depth_mask_off();
        zbatch_flush();
        zbatch_unlock_arrays();
        zgl_reset_draw_state();
    }
    void frame1(Shown &s, int hit = 0, bool cull = true)
    {
        PreviewActor *actors[1] = {&s.a};
        ModelInstance *insts[1] = {&s.inst};
        frame(actors, insts, 1, hit, cull);
    }
    // The window rectangle (x0, y0, x1, y1) bounding the projections of world points.
    static std::array<double, 4> window_box(const std::vector<std::array<float, 3>> &points)
    {
        GLdouble mv[16], pr[16];
        GLint vp[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, mv);
        glGetDoublev(GL_PROJECTION_MATRIX, pr);
        glGetIntegerv(GL_VIEWPORT, vp);
        std::array<double, 4> box{{1e9, 1e9, -1e9, -1e9}};
        for (const auto &p : points) {
            GLdouble wx, wy, wz;
            gluProject(p[0], p[1], p[2], mv, pr, vp, &wx, &wy, &wz);
            box[0] = std::min(box[0], wx);
            box[1] = std::min(box[1], wy);
            box[2] = std::max(box[2], wx);
            box[3] = std::max(box[3], wy);
        }
        return box;
    }
    static std::array<int, 2> window_of(const float p[3])
    {
        std::array<double, 4> b = window_box({{{p[0], p[1], p[2]}}});
        return {{(int)std::lround(b[0]), (int)std::lround(b[1])}};
    }
    // An upright camera looking along world -z, pitched down by -pitch degrees, distance
    // away from the point (x, y, z).
    static void look_at(float x, float y, float z, float pitch, float distance)
    {
        g_camera.roll = 0.0f;
        g_camera.pitch = pitch;
        g_camera.yaw = 0.0f;
        camera_matrix();
        const float target[3] = {x, y, z};
        for (int k = 0; k < 3; k++) {
            g_camera.pos[k] = target[k] + distance * g_camera.world[8 + k];
        }
        camera_matrix();
    }
    // Pixels not of the background.
    static int drawn_pixels(const std::vector<uint8_t> &px)
    {
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 3) {
            n += px[i] != BG[0] || px[i + 1] != BG[1] || px[i + 2] != BG[2];
        }
        return n;
    }
    // The 8 world corners of a box centred at c (world) with half sizes h.
    static std::vector<std::array<float, 3>> corners(const float c[3], const float h[3])
    {
        std::vector<std::array<float, 3>> out;
        for (int i = 0; i < 8; i++) {
            out.push_back({{c[0] + (i & 1 ? h[0] : -h[0]), c[1] + (i & 2 ? h[1] : -h[1]), c[2] + (i & 4 ? h[2] : -h[2])}});
        }
        return out;
    }
    Bitmap white = model_test_bitmap("white");
    float eye[3] = {0, 0, 0};
};

TEST_F(GlModel, AnOpaqueBoxCoversTheRectangleOfItsProjectedCorners)
{
    ModelBuilder b("test", "box");
    int root = b.bone("mainbone_x");
    int body = b.bone("body", root);
    b.box(body, at(0, 0, 5), {20, 16, 10}, Paint{&white, rgb(0xdc7828), Lighting::Unlit});
    AnimSet *set = load(b, "box");
    ASSERT_TRUE(set && set->model);
    EXPECT_EQ(model_draw_mode(set->model), 1);

    const float pos[3] = {eye[0], 0.0f, eye[2]};
    Shown s(set, pos);
    frame1(s);
    gl_save_screen("model_box", W, H);

    // Model x is world x, model y world -z, model z world up.
    const float centre[3] = {pos[0], 5.0f, pos[2]};
    const float half[3] = {10.0f, 5.0f, 8.0f};
    std::array<double, 4> r = window_box(corners(centre, half));
    ASSERT_GT(r[2] - r[0], 40.0) << "the box is large enough to measure";
    std::vector<uint8_t> px = gl_read_screen(W, H);
    int inside_wrong = 0, outside_wrong = 0, inside = 0;
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            const uint8_t *p = &px[(size_t)(y * W + x) * 3];
            bool is_box = std::abs(p[0] - 0xdc) <= 3 && std::abs(p[1] - 0x78) <= 3 && std::abs(p[2] - 0x28) <= 3;
            bool is_bg = p[0] == BG[0] && p[1] == BG[1] && p[2] == BG[2];
            double cx = x + 0.5, cy = y + 0.5;
            if (cx > r[0] + 2 && cx < r[2] - 2 && cy > r[1] + 2 && cy < r[3] - 2) {
                inside++;
                inside_wrong += !is_box;
            } else if (cx < r[0] - 2 || cx > r[2] + 2 || cy < r[1] - 2 || cy > r[3] + 2) {
                outside_wrong += !is_bg;
            }
        }
    }
    EXPECT_GT(inside, 1000);
    EXPECT_EQ(inside_wrong, 0) << "the box's colour everywhere inside its rectangle";
    EXPECT_EQ(outside_wrong, 0) << "nothing outside it";
}

TEST_F(GlModel, MovingOneBoneMovesOnlyItsVertices)
{
    ModelBuilder b("test", "pair");
    int root = b.bone("mainbone_x");
    int left = b.bone("left", root).at(12, 0, 0);
    int right = b.bone("right", root).at(-12, 0, 0);
    b.box(left, at(0, 0, 2), {8, 8, 4}, Paint{&white, rgb(0xff2020), Lighting::Unlit});
    b.box(right, at(0, 0, 2), {8, 8, 4}, Paint{&white, rgb(0x20ff20), Lighting::Unlit});
    AnimSet *set = load(b, "pair");
    ASSERT_TRUE(set && set->model);
    const float pos[3] = {eye[0], 0.0f, eye[2]};
    Shown s(set, pos);
    frame1(s);
    std::vector<uint8_t> before = gl_read_screen(W, H);

    // Bone "right" (model -x is world -x) 10 units further along model -y (world +z).
    float pose[7];
    anim_get_bone_pose(&s.a.st, pose, right);
    pose[5] -= 10.0f;
    anim_set_bone_pose(&s.a.st, pose, right);
    anim_build_matrices(&s.a.st);
    frame1(s);
    std::vector<uint8_t> after = gl_read_screen(W, H);
    gl_save_screen("model_bone_moved", W, H);

    int red_before = 0, red_changed = 0, green_moved = 0;
    for (size_t i = 0; i < before.size(); i += 3) {
        bool red0 = before[i] > 200 && before[i + 1] < 60;
        bool red1 = after[i] > 200 && after[i + 1] < 60;
        red_before += red0;
        red_changed += red0 != red1;
        bool green0 = before[i + 1] > 200 && before[i] < 60;
        bool green1 = after[i + 1] > 200 && after[i] < 60;
        green_moved += green0 != green1;
    }
    EXPECT_GT(red_before, 500);
    EXPECT_EQ(red_changed, 0) << "the other bone's box stays where it was";
    EXPECT_GT(green_moved, 500) << "the moved bone's box moved";
    const float old_centre[3] = {pos[0] - 12.0f, 4.0f, pos[2]};
    const float new_centre[3] = {pos[0] - 12.0f, 4.0f, pos[2] + 10.0f};
    std::array<int, 2> o = window_of(old_centre), n = window_of(new_centre);
    expect_rgb(o[0], o[1], BG[0], BG[1], BG[2], 0, "where the moved box was");
    expect_rgb(n[0], n[1], 0x20, 0xff, 0x20, 3, "where it went");
}

TEST_F(GlModel, AFaceSeenFromBehindIsCulled)
{
    // Two flat strips facing model +z (world up) and one turned over (facing down).
    ModelBuilder b("test", "strips");
    int root = b.bone("mainbone_x");
    int up = b.bone("up", root).at(8, 0, 1);
    int down = b.bone("down", root).at(-8, 0, 1).turn(180, 0, 0);
    Paint p{&white, rgb(0xffffff), Lighting::Unlit};
    b.ribbon(up, {{{0, 5, 0}, 8, rgb(0xffd040)}, {{0, -5, 0}, 8, rgb(0xffd040)}}, p);
    b.ribbon(down, {{{0, 5, 0}, 8, rgb(0xffd040)}, {{0, -5, 0}, 8, rgb(0xffd040)}}, p);
    AnimSet *set = load(b, "strips");
    ASSERT_TRUE(set && set->model);
    const float pos[3] = {eye[0], 0.0f, eye[2]};
    Shown s(set, pos);
    // GL's own culling off: what is left out is left out by the model drawing.
    frame1(s, 0, false);
    const float up_centre[3] = {pos[0] + 8.0f, 1.0f, pos[2]};
    const float down_centre[3] = {pos[0] - 8.0f, 1.0f, pos[2]};
    std::array<int, 2> u = window_of(up_centre), d = window_of(down_centre);
    expect_rgb(u[0], u[1], 0xff, 0xd0, 0x40, 3, "the strip facing the camera");
    expect_rgb(d[0], d[1], BG[0], BG[1], BG[2], 0, "the strip facing away");
}

TEST_F(GlModel, FacesTowardTheLightAreBrighterAndTheDarkSideIsAnEighth)
{
    // Lit by normals, on the last bone (its light direction is the last of B + 1 entries).
    ModelBuilder b("test", "lit");
    int root = b.bone("mainbone_x");
    int mid = b.bone("mid", root);
    int top = b.bone("top", mid);
    b.box(top, at(0, 0, 3), {16, 16, 6}, Paint{&white, rgb(0xc8a050), Lighting::Normal});
    AnimSet *set = load(b, "lit");
    ASSERT_TRUE(set && set->model);
    ASSERT_TRUE(set->model->flags & MODEL_LIT);
    const float pos[3] = {eye[0], 0.0f, eye[2]};
    Shown s(set, pos);
    ASSERT_NE(s.a.st.light_dirs, nullptr);
    const float top_centre[3] = {pos[0], 6.0f, pos[2]};

    auto shade_with_light = [&](float x, float y, float z) {
        g_light_dir[0] = x;
        g_light_dir[1] = y;
        g_light_dir[2] = z;
        s.a.place(0.0f, 1.0f, pos);
        frame1(s);
        std::array<int, 2> w = window_of(top_centre);
        return gl_pixel(w[0], w[1]);
    };
    // The top face's normal is up: L = 1 toward an overhead light, -1 below, 0 beside.
    std::array<int, 3> bright = shade_with_light(0, 1, 0);
    gl_save_screen("model_lit_overhead", W, H);
    std::array<int, 3> below = shade_with_light(0, -1, 0);
    std::array<int, 3> beside = shade_with_light(1, 0, 0);
    const int c[3] = {0xc8, 0xa0, 0x50};
    for (int k = 0; k < 3; k++) {
        EXPECT_NEAR(bright[k], c[k] * 255 / 256, 2) << "channel " << k;
        EXPECT_NEAR(below[k], c[k] / 8, 1) << "channel " << k;
        EXPECT_NEAR(beside[k], c[k] / 8, 1) << "channel " << k;
    }
}

TEST_F(GlModel, TheHitFlashPaintsTheCoveredPixelsWithTheHitTexture)
{
    write_flat_bitmap(dir, "hit.bmp", 16, 16, 255, 0, 255);
    ModelBuilder b("test", "hitbox");
    int root = b.bone("mainbone_x");
    int body = b.bone("body", root);
    b.box(body, at(0, 0, 4), {14, 14, 8}, Paint{&white, rgb(0x30c0f0), Lighting::Normal});
    AnimSet *set = load(b, "hitbox");
    ASSERT_TRUE(set && set->model);
    g_hit_texture_handle = zgl_texture_record_handle(request_texture("hit.bmp", 0x08510000u));
    ASSERT_NE(g_hit_texture_handle, 0u);
    const float pos[3] = {eye[0], 0.0f, eye[2]};
    Shown s(set, pos);
    frame1(s);
    std::vector<uint8_t> normal = gl_read_screen(W, H);
    frame1(s, 1);
    std::vector<uint8_t> flash = gl_read_screen(W, H);
    gl_save_screen("model_hit", W, H);
    int covered = 0, wrong = 0;
    for (size_t i = 0; i < normal.size(); i += 3) {
        bool bg = normal[i] == BG[0] && normal[i + 1] == BG[1] && normal[i + 2] == BG[2];
        if (bg) {
            wrong += flash[i] != BG[0] || flash[i + 1] != BG[1] || flash[i + 2] != BG[2];
        } else {
            covered++;
            wrong += !(flash[i] > 250 && flash[i + 1] < 5 && flash[i + 2] > 250);
        }
    }
    EXPECT_GT(covered, 1000);
    EXPECT_EQ(wrong, 0) << "exactly the model's pixels in the hit texture";
}

TEST_F(GlModel, MaterialiseScattersTheFacesAndClosesThemAsTheCounterFalls)
{
    ModelBuilder b("test", "glow");
    int root = b.bone("mainbone_x");
    int body = b.bone("body", root);
    Paint glow{&white, rgb(0xffa040), Lighting::Unlit};
    glow.additive = true;
    b.sphere(body, at(0, 0, 4), {6, 6, 4}, 12, 6, glow);
    AnimSet *set = load(b, "glow");
    ASSERT_TRUE(set && set->model);
    ASSERT_EQ(model_draw_mode(set->model), 2);
    const Model *m = set->model;
    const float pos[3] = {eye[0], 0.0f, eye[2]};
    Shown s(set, pos);
    s.inst.materialise = 255;
    g_frame_steps = 16;
    g_frame_dt = 16.0f;

    int last_t = 256;
    while (s.inst.materialise > 0) {
        int t = s.inst.materialise;
        ASSERT_LT(t, last_t);
        last_t = t;
        zbatch_reset();
        zgl_draw_model(&s.inst, s.a.st.matrices, s.a.st.light_dirs, 0, 2);
        ASSERT_EQ(g_batch_vertex_count - 1, 3 * m->batched_count) << "three vertices of its own a face";
        float a_max = (t / 256.0f) * (t / 256.0f) * 100.0f;
        float spread = 0.0f;
        for (int f = 0; f < m->batched_count; f++) {
            const ModelTri *tri = &m->batched[f];
            const BatchVertex *v = &g_batch_vertices[1 + 3 * f];
            float dy = v[0].y - m->skinned[tri->position[0]][1];
            for (int c = 0; c < 3; c++) {
                const float *src = m->skinned[tri->position[c]];
                EXPECT_NEAR(v[c].y - src[1], dy, 1e-3f) << "one offset for the face's three vertices";
                EXPECT_LE(std::abs(v[c].x - src[0]), 0.1f * a_max + 1e-3f);
                EXPECT_EQ(v[c].colour >> 24, (uint32_t)(255 - t)) << "faded in as the counter falls";
            }
            EXPECT_LE(std::abs(dy), a_max + 1e-3f);
            spread = std::max(spread, std::abs(dy));
        }
        if (t == 255) {
            EXPECT_GT(spread, 50.0f) << "scattered far at the start";
        }
        if (t < 32) {
            EXPECT_LT(spread, 1.6f) << "nearly closed at the end";
        }
    }
    EXPECT_EQ(s.inst.materialise, 0);
    // Closed: the ordinary batched path on the shared vertices.
    zbatch_reset();
    frame1(s);
    EXPECT_EQ(g_batch_max_vertices - 1, m->draw_vertex_count);
    const float centre[3] = {pos[0], 8.0f, pos[2]};
    std::array<int, 2> w = window_of(centre);
    std::array<int, 3> p = gl_pixel(w[0], w[1]);
    EXPECT_GT(p[0], 200) << "the glow drawn once it closed";
}

// The generated robot as the game draws it: a wave under the play camera and one close
// at three-quarter view (build/screens/model_robot_top.png, model_robot_3q.png).
TEST_F(GlModel, TheGeneratedRobotAsTheGameShowsIt)
{
    ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
    g_hit_texture_handle = zgl_texture_record_handle(request_texture("../styles/bitmaps/z_enemyhit.bmp", 0x08510000u));
    AnimSet *set = anim_set_find_or_load("../styles/beasties/robot_green");
    ASSERT_TRUE(set && set->model);
    EXPECT_EQ(model_draw_mode(set->model), 1);
    const int n = 7;
    std::vector<std::unique_ptr<PreviewActor>> actors;
    ModelInstance insts[n];
    PreviewActor *ap[n];
    ModelInstance *ip[n];
    const char *anims[n] = {"walk", "idle", "fire", "walk", "scan", "walk", "hitbounce"};
    const float hues[n] = {0, 0, 120, 0, -90, 200, 0};
    g_frame_dt = 1.0f;
    camera_matrix();
    for (int i = 0; i < n; i++) {
        actors.emplace_back(new PreviewActor(set));
        model_instance_init(&insts[i], set->model);
        model_instance_set_hue(&insts[i], hues[i]);
        actors[i]->play(anims[i]);
        float pos[3] = {eye[0] + (float)((i % 4) * 22 - 33), 0.0f, eye[2] + (float)((i / 4) * 26 - 13)};
        actors[i]->place((float)(i * 50 - 20), 1.0f, pos);
        actors[i]->tick(15 + i * 7);
        ap[i] = actors[i].get();
        ip[i] = &insts[i];
    }
    // Gathered into few draws (one robot flashing in between), the same picture as each
    // robot drawn at once.
    frame(ap, ip, n, 0, true, 0, 2);
    std::vector<uint8_t> single = gl_read_screen(W, H);
    frame(ap, ip, n, 0, true, 2, 2);
    EXPECT_TRUE(single == gl_read_screen(W, H)) << "drawn by texture, the same pixels";
    frame(ap, ip, n, 0, true, 1, 2);
    gl_save_screen("model_robot_top", W, H);
    std::vector<uint8_t> top = gl_read_screen(W, H);
    EXPECT_TRUE(single == top) << "gathered draws give the same pixels";
    EXPECT_GT(drawn_pixels(top), 1500) << "a wave of robots on the screen";

    // One robot close at three-quarter view, looking at its chest, a second one flashing.
    // Upright, looking along world -z and down; the robots turned three-quarters to it.
    look_at(eye[0], 4.0f, eye[2], -28.0f, 26.0f);
    const float p0[3] = {eye[0], 0.0f, eye[2]};
    const float p1[3] = {eye[0] - 9.0f, 0.0f, eye[2] - 10.0f};
    actors[0]->place(35.0f, 1.0f, p0);
    actors[1]->place(-30.0f, 1.0f, p1);
    frame(ap, ip, 2, 0, true, 0, 1);
    gl_save_screen("model_robot_3q", W, H);
    EXPECT_GT(drawn_pixels(gl_read_screen(W, H)), 10000) << "the close robot fills a good part of the picture";
    for (int i = 0; i < n; i++) {
        model_instance_free(&insts[i]);
    }
    actors.clear();
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
}

// Shots drawn without depth testing, as the bullet pass draws them: a crowd of shots of
// several textures, lying across each other, gathered by texture where the screen allows
// shows the same pixels as each shot drawn in turn; gathered by texture regardless, the
// overlaps come out otherwise (the crowd does lie across itself).
// build/screens/model_shots_layered.png has the crowd.
TEST_F(GlModel, ShotsGatheredWithoutDepthShowAsDrawnInTurn)
{
    ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
    const char *names[] = {"bullet_1", "bullet_robo", "bullet_weelee", "bullet_turret1", "bullet_ninjoo",
                           "bullet_splitworm", "beemspider_bullet", "missile_weelee"};
    std::vector<AnimSet *> sets;
    for (const char *name : names) {
        AnimSet *set = anim_set_find_or_load((std::string("../styles/bullets/") + name).c_str());
        ASSERT_TRUE(set && set->model) << name;
        if (model_draw_mode(set->model) == 1) {
            sets.push_back(set);
        }
    }
    ASSERT_GE(sets.size(), 3u) << "shots with opaque faces of several textures";
    const int n = 120;
    std::vector<std::unique_ptr<Shown>> shots;
    for (int i = 0; i < n; i++) {
        // A tight spiral: neighbours overlap, the far ones lie apart.
        float a = 0.7f * (float)i;
        float r = 1.5f + 0.25f * (float)i;
        const float pos[3] = {eye[0] + r * sinf(a), 2.5f + 0.01f * (float)(i % 7), eye[2] + r * cosf(a)};
        shots.emplace_back(new Shown(sets[(size_t)i % sets.size()], pos));
        shots.back()->a.place((float)(i * 37 % 360), 2.5f, pos);
    }
    // layered: 0 each shot at once, 1 gathered where the screen allows, 2 by texture alone.
    auto draw = [&](int layered) {
        glClearColor(BG[0] / 255.0f, BG[1] / 255.0f, BG[2] / 255.0f, 1.0f);
        zgl_clear();
        zgl_set_camera_matrix();
        zgl_disable_depth_test();
        zgl_disable_cull_face();
        zgl_enable_blend();
        if (layered == 1) {
            zgl_models_layered_begin();
        } else if (layered == 2) {
            zgl_models_gather_begin();
        }
        for (auto &s : shots) {
            zgl_draw_model(&s->inst, s->a.st.matrices, s->a.st.light_dirs, 0, model_draw_mode(s->inst.model));
        }
        if (layered) {
            zgl_models_end();
        }
        zbatch_flush();
        zbatch_unlock_arrays();
        zgl_reset_draw_state();
        return gl_read_screen(W, H);
    };
    std::vector<uint8_t> single = draw(0);
    EXPECT_GT(drawn_pixels(single), 2000) << "the crowd on the screen";
    EXPECT_TRUE(draw(1) == single) << "gathered where the screen allows, the same pixels";
    gl_save_screen("model_shots_layered", W, H);
    EXPECT_FALSE(draw(2) == single) << "gathered by texture alone, the overlaps change";
    shots.clear();
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
}

// Every model the generator writes builds its drawing record (no slice refused, nothing
// logged); every actor that is always seen (enemies, ships, shots, power-ups) shows on
// screen. build/screens/model_gallery.png has the enemies, ships, power-ups and the first
// shots, scaled to a like size, at three-quarter view.
TEST_F(GlModel, EveryGeneratedModelBuildsAndDraws)
{
    ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
    log.clear();
    std::vector<std::unique_ptr<Shown>> shown;
    std::vector<PreviewActor *> ap;
    std::vector<ModelInstance *> ip;
    g_frame_dt = 1.0f;
    camera_matrix();
    const int columns = 6;
    const int gallery = columns * columns;
    int shots = 0;
    for (int i = 0; i < MODEL_FAMILY_COUNT; i++) {
        const ModelFamily &f = MODEL_FAMILIES[i];
        std::string folder = f.folder;
        std::string path = "../styles/" + folder + "/" + f.name;
        AnimSet *set = anim_set_find_or_load(path.c_str());
        ASSERT_TRUE(set && set->model) << path;
        bool actor = folder == "beasties" || folder == "players" || folder == "bullets" || folder == "powerups";
        if (!actor) {
            continue;
        }
        float radius = set->sphere_count > 0 ? set->spheres[0].radius : 2.0f;
        const float centre[3] = {eye[0], 0.0f, eye[2]};
        shown.emplace_back(new Shown(set, centre));
        Shown &s = *shown.back();
        s.a.tick(20);
        s.a.place(30.0f, 4.0f / radius, centre);
        frame1(s);
        EXPECT_GT(drawn_pixels(gl_read_screen(W, H)), 40) << path << " shows";
        if ((folder == "bullets" && shots++ >= 9) || (int)ap.size() >= gallery) {
            continue;
        }
        int n = (int)ap.size();
        const float cell[3] = {eye[0] + 9.0f * (float)(n / columns) - 22.0f, 0.0f,
                               eye[2] - 9.0f * (float)(n % columns) + 22.0f};
        s.a.place(30.0f, 3.5f / radius, cell);
        ap.push_back(&s.a);
        ip.push_back(&s.inst);
    }
    EXPECT_EQ(log.errors(), 0) << log.joined();
    look_at(eye[0], 0.0f, eye[2] - 4.0f, -50.0f, 74.0f);
    frame(ap.data(), ip.data(), (int)ap.size());
    gl_save_screen("model_gallery", W, H);
    shown.clear();
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
}

}  // namespace
