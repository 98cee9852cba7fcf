// Fuzz target: an animation set loaded as a level loads an actor type's model. One input
// holds "anim.bin" and "model.bin", joined by the separator line (no second part: no
// mesh). They go into a model folder of a styles tree whose bitmaps are the generated
// game's (the folder GLIMMERFALL_FUZZ_BITMAPS names; without it there are none and every
// texture falls back); the mesh's textures are loaded through the texture cache, an actor
// is set up on the set, its animations play and it is drawn every step, texture
// animations included, through the GL stand-in of the recorder tests. Then the level is
// freed as the game frees it: nothing may stay behind.

#include "core/file.h"
#include "core/mem.h"
#include "game/frame.h"
#include "game/settings.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/model.h"
#include "render/tex.h"
#include "render/zgl.h"
#include "tests/core/fuzz_files.h"
#include "tests/render/gl_recorder.h"
#include "world/actor.h"
#include "world/animplay.h"
#include "world/animset.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

static size_t baseline;   // the pool in use after set-up: the face batch's arrays

static void set_up(void)
{
    mem_init();
    const char *bitmaps = getenv("GLIMMERFALL_FUZZ_BITMAPS");
    std::filesystem::path tree_bitmaps = bitmaps && bitmaps[0] ? std::filesystem::absolute(bitmaps) : "";
    std::string root = fuzz::enter_private_folder();
    std::filesystem::create_directories(root + "/styles/fuzz/set");
    if (!tree_bitmaps.empty()) {
        std::filesystem::create_directory_symlink(tree_bitmaps, root + "/styles/bitmaps");
    } else {
        std::filesystem::create_directories(root + "/styles/bitmaps");
    }
    snprintf(g_styles_dir, FILE_DIR_SIZE, "../styles/");
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "../styles/bitmaps/");
    glrec_reset();
    glrec_set_recording(false);
    zgl_init_gl();
    zgl_texture_init();
    zbatch_alloc();
    g_camera = CameraState{};
    g_camera.pos[1] = 115.0f;
    baseline = mem_usage;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (set_up(), true);
    (void)ready;
    if (size > (1u << 20)) {
        return 0;
    }
    std::vector<fuzz::Part> parts = fuzz::split(data, size, 2);
    fuzz::put_file("../styles/fuzz/set/anim.bin", parts[0].bytes, parts[0].size);
    fuzz::put_file("../styles/fuzz/set/model.bin", parts[1].bytes, parts[1].size);

    // The level's start: an empty texture cache, then the scripts preload the model.
    zgl_texture_init();
    zbatch_level_start();
    AnimSet *set = actor_load_model_data("fuzz", "set");
    if (set) {
        fuzz::check(anim_set_find_or_load("../styles/fuzz/set") == set);
        Actor a;
        if (actor_setup_skeleton(&a, set, 0, 0, 0) == 0) {
            for (int t = 0; t < set->track_count && t < 4; t++) {
                anim_play(&a.anim, t, 1.0f + 0.5f * (float)t, 1);
            }
            g_frame_dt = 1.0f;
            for (int tick = 0; tick < 24; tick++) {
                anim_update(&a.anim);
                anim_build_matrices(&a.anim);
                zgl_models_begin();
                zgl_draw_model(&a.instance, a.anim.matrices, a.anim.light_dirs, tick & 1, a.model_mode);
                zgl_models_end();
                zgl_flush();
            }
            g_frame_dt = 0.0f;
        }
        actor_destroy(&a, 0);
    }
    // The level's end.
    anim_sets_free_all();
    zgl_flush();
    zbatch_unlock_arrays();
    zgl_texture_free_all();
    file_free_textures_level();
    fuzz::check(anim_plays_in_use() == 0);
    fuzz::check(mem_usage == baseline);
    return 0;
}
