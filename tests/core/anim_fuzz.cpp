// Fuzz target: the "anim.bin" reader, and playback over what it accepts. A set it
// accepts must keep every index inside its table; playing every animation of it for a
// while must stay inside the poses and matrices; nothing may stay in the pool.

#include "core/mem.h"
#include "core/stream.h"
#include "world/animplay.h"
#include "tests/core/fuzz_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), true);
    (void)ready;
    if (size > (1u << 20)) {
        return 0;
    }
    MemStream s;
    memstream_init(&s, data, (int)size, "fuzz.bin");
    AnimSet *set = anim_set_parse(&s, "fuzz");
    if (set) {
        int bones = set->bone_count;
        fuzz::check(bones >= 1 && bones <= ANIM_MAX_BONES);
        for (int i = 0; i < bones; i++) {
            fuzz::check(set->bones[i].parent >= 0 && set->bones[i].parent <= i);
            fuzz::check(memchr(set->bones[i].name, 0, ANIM_NAME_SIZE) != nullptr);
        }
        for (int t = 0; t < set->track_count; t++) {
            const AnimTrack &tr = set->tracks[t];
            fuzz::check(tr.key_count >= 1 && tr.loop_key < tr.key_count);
            fuzz::check(tr.root_bone >= -1 && tr.root_bone < bones);
        }
        for (int k = 0; k < set->sphere_count; k++) {
            fuzz::check(set->spheres[k].matrix >= 0 && set->spheres[k].matrix <= bones);
        }
        std::vector<float> matrices((size_t)(bones + 1) * 16, 0.0f);
        matrices[0] = matrices[5] = matrices[10] = matrices[15] = 1.0f;
        AnimState st{};
        anim_bind_set(&st, set);
        anim_set_matrices(&st, matrices.data());
        for (int t = 0; t < set->track_count && t < 8; t++) {
            anim_play(&st, t, 1.0f + 0.5f * t, 1);
        }
        for (int tick = 0; tick < 40; tick++) {
            anim_update(&st);
            anim_build_matrices(&st);
        }
        anim_unbind_set(&st);
        anim_set_destroy(set);
        fuzz::check(anim_plays_in_use() == 0);
    }
    fuzz::check(mem_usage == 0);
    return 0;
}
