// Fuzz target: the particle file reader and its colour preparation, with a hue taken
// from the input so the rotation is reached too.

#include "core/mem.h"
#include "core/particle_file.h"
#include "render/tex.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), true);
    (void)ready;
    if (size > (1u << 16)) {
        return 0;
    }
    ParticleEmitter e;
    if (particle_parse(data, (int)size, "fuzz.bin", &e)) {
        if (e.live_index != -1 || e.particles || e.matrix || e.count || e.capacity || e.time_left != e.duration ||
            strnlen(e.texture_colour, PARTICLE_NAME_SIZE) == PARTICLE_NAME_SIZE) {
            abort();
        }
        g_preload_hue = size > 700 ? (float)(data[700] * 3) - 380.0f : 0.0f;
        particle_prepare_colours(&e);
        g_preload_hue = 0.0f;
    }
    if (mem_usage != 0) {
        abort();
    }
    return 0;
}
