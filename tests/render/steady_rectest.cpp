// Steady frames allocate nothing: over 100 frames of batched faces, animated models on
// every draw path (immediate and lit, batched, hit flash, materialise), footprints, score
// numbers, the camera and the flush, neither the pool's blocks nor operator new move; nor
// over frames of particle effects starting and ending.

#include "tests/render/rec_fixture.h"

#include "core/mt.h"
#include "game/frame.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/hudgfx.h"
#include "render/model.h"
#include "render/particle.h"
#include "tests/render/model_files.h"
#include "tests/render/particle_effect.h"
#include "world/animplay.h"

#include <algorithm>
#include <memory>
#include <vector>

// Calls of operator new so far (alloc_count_rectest.cpp).
long rec_news();

namespace {

int pool_blocks()
{
    int n = 0;
    for (const MemKeeper &k : mem_keepers) {
        n += k.raw != nullptr;
    }
    return n;
}

// An actor as the world draws one: playback state, matrices, model instance.
struct SteadyActor {
    AnimState st{};
    std::vector<float> m;
    ModelInstance inst{};
    SteadyActor(AnimSet *set, float x, float hue)
    {
        anim_bind_set(&st, set);
        m.assign((size_t)(set->bone_count + 1) * 16, 0.0f);
        for (int k = 0; k < 16; k += 5) {
            m[k] = 1.0f;
        }
        m[12] = x;
        anim_set_matrices(&st, m.data());
        model_instance_init(&inst, set->model);
        model_instance_set_hue(&inst, hue);
    }
    ~SteadyActor()
    {
        model_instance_free(&inst);
        anim_unbind_set(&st);
    }
};

class Steady : public Recorded {
protected:
    void SetUp() override
    {
        Recorded::SetUp();
        use_test_bitmaps();
        write_flat_bitmap(dir, "z_light.bmp", 8, 8, 255, 255, 255);
        write_flat_bitmap(dir, "hit.bmp", 8, 8, 255, 0, 255);
    }
    void TearDown() override
    {
        actors.clear();
        anim_sets_free_all();
        g_hit_texture_handle = 0;
        footprint_free();
        scorepop_free();
        Recorded::TearDown();
    }
    TempDir dir{true};
    std::vector<std::unique_ptr<SteadyActor>> actors;
};

void frame(int f, const std::vector<std::unique_ptr<SteadyActor>> &actors)
{
    static const uint32_t handles[3] = {TEX_OWNED | 3, TEX_OWNED | TEX_ADDITIVE | 4, TEX_OWNED | 9};
    zbatch_reset();
    for (int i = 0; i < 300; i++) {
        int first = 0;
        BatchVertex *v = zbatch_reserve(4, 2, &first);
        if (!v) {
            continue;
        }
        float y = (float)(mt_rand() % 40);
        for (int k = 0; k < 4; k++) {
            v[k] = {(float)i, y, (float)k, 0.0f, 0.0f, 0xffffffffu};
        }
        uint32_t h = handles[mt_rand() % 3];
        int bucket = zbatch_bucket_of_height(y);
        zbatch_add_face(first, first + 1, first + 2, h, bucket);
        zbatch_add_face(first, first + 2, first + 3, h, bucket);
    }
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, (float)(f % 50), 0, 3, 1};
    footprint_add(m, 2.0f, 120.0f, f & 1);
    const float pos[3] = {1.0f, 2.0f, 3.0f};
    scorepop_add(pos, 1.0f, 0xffffffffu, f);
    const float target[3] = {5.0f, 0.0f, 5.0f};
    const float points[6] = {4, 0, 4, 6, 0, 6};
    camera_update(target, points, 1, 1000);
    camera_matrix();
    for (size_t i = 0; i < actors.size(); i++) {
        SteadyActor &a = *actors[i];
        anim_update(&a.st);
        anim_build_matrices(&a.st);
        anim_build_light_dirs(&a.st);
        if (f % 40 == 1 && i == 0) {
            a.inst.materialise = 255;
        }
        int hit = (f + (int)i) % 7 == 0;
        zgl_draw_model(&a.inst, a.st.matrices, a.st.light_dirs, hit, model_draw_mode(a.inst.model));
    }
    footprint_draw();
    zbatch_flush();
    zbatch_unlock_arrays();
    scorepop_update_draw(0.03f * g_frame_dt);
    zgl_reset_draw_state();
}

TEST_F(Steady, AHundredFramesAllocateNothing)
{
    footprint_init();
    scorepop_alloc();
    camera_defaults();
    g_frame_dt = 1.0f;
    g_frame_steps = 1;
    AnimSet *robot = model_test_family(dir, "beasties/robot_green", "robot");
    AnimSet *shot = model_test_family(dir, "bullets/bullet_robo", "shot");
    AnimSet *glow = model_test_write_and_load(dir, "glow", one_bone_anim(0),
                                              flat_mesh({0, 0, 0}, {texture_entry("z_light.bmp", 0x0f250000u)}));
    ASSERT_TRUE(robot && robot->model && shot && shot->model && glow && glow->model);
    ASSERT_EQ(model_draw_mode(robot->model), 1);
    ASSERT_EQ(model_draw_mode(glow->model), 2);
    for (AnimSet *set : {robot, shot, glow}) {
        set->next = g_anim_sets;
        g_anim_sets = set;
    }
    g_hit_texture_handle = zgl_texture_record_handle(request_texture("hit.bmp", 0x08510000u));
    actors.emplace_back(new SteadyActor(glow, -20.0f, 0.0f));
    for (int i = 0; i < 6; i++) {
        actors.emplace_back(new SteadyActor(i % 2 ? shot : robot, (float)(i * 6), (float)(i * 40)));
    }
    glrec_set_recording(false);
    for (int path = 0; path < 2; path++) {
        g_render_alternaterenderpath = (float)path;
        frame(0, actors);   // whatever a first frame sets up
        int blocks = pool_blocks();
        size_t usage = mem_usage;
        long news = rec_news();
        for (int f = 1; f <= 100; f++) {
            frame(f, actors);
        }
        EXPECT_EQ(pool_blocks(), blocks) << "path " << path;
        EXPECT_EQ(mem_usage, usage) << "path " << path;
        EXPECT_EQ(rec_news(), news) << "path " << path;
    }
    EXPECT_GT(g_batch_max_faces, 500) << "the frames did draw";
    EXPECT_GT(robot->model->serial, 3u * 200u) << "every robot drawn at once every frame";
    g_frame_dt = 0.0f;
    g_frame_steps = 0;
}

// Effects started and ending all the time: after a warm-up their rings come from the
// free list, and the step allocates nothing.
TEST_F(Steady, ParticleFramesAllocateNothing)
{
    particle_init_holders();
    // Short bursts of spinning, growing, fading particles.
    ParticleEmitter e = plain_effect();
    for (int s = 0; s < PARTICLE_STAGES; s++) {
        e.rate[s] = 2.0f;
        e.speed[s] = 0.1f;
        e.size_var[s] = 0.3f;
        e.spin_var[s] = 2.0f;
    }
    e.life = 0.3f;
    e.fade = 2.0f;
    e.grow = 2.0f;
    e.duration = e.time_left = 0.3f;
    e.flags = PARTICLE_SPIN | PARTICLE_GROW | PARTICLE_ALPHA_FADE;
    g_particle_templates[0] = e;
    g_particle_template_count = 1;
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    g_frame_dt = 1.0f;
    g_render_particles = 1.0f;
    glrec_set_recording(false);
    int most_faces = 0;
    auto particle_frame = [&](int f) {
        zbatch_reset();
        for (int k = 0; k < 4; k++) {
            particle_start_at_bone(0, m, &e);
        }
        if (f % 25 == 0) {
            particle_detach_owner(&e);
        }
        particle_update_draw();
        most_faces = std::max(most_faces, g_batch_face_count);
        zbatch_flush();
        zbatch_unlock_arrays();
    };
    for (int f = 0; f < 100; f++) {
        particle_frame(f);
    }
    int blocks = pool_blocks();
    long news = rec_news();
    int rings = g_particle_ring_blocks;
    for (int f = 100; f < 200; f++) {
        particle_frame(f);
    }
    // Read before any failure message allocates.
    const long news_after = rec_news();
    EXPECT_EQ(pool_blocks(), blocks);
    EXPECT_EQ(news_after, news);
    EXPECT_EQ(g_particle_ring_blocks, rings);
    EXPECT_GT(g_particle_live_count, 50) << "the frames did run effects";
    EXPECT_GT(most_faces, 1000);
    particle_info();
    g_frame_dt = 0.0f;
}

}  // namespace
