// Fuzz target: the "model.bin" reader. A mesh it accepts must keep every index inside
// its table.

#include "core/mem.h"
#include "core/model_file.h"
#include "core/stream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), true);
    (void)ready;
    if (size > (1u << 22)) {
        return 0;
    }
    const int matrices = 4;
    MemStream s;
    memstream_init(&s, data, (int)size, "fuzz.bin");
    ModelFile m;
    if (model_parse(&s, matrices, &m) == 0) {
        if (m.draw_vertex_count < m.vertex_count) {
            abort();
        }
        for (int i = 0; i < m.vertex_count; i++) {
            if (m.vertex_bones[i] >= (uint32_t)matrices) {
                abort();
            }
        }
        for (int i = 0; i < m.draw_vertex_count; i++) {
            if (m.draw_vertices[i].position >= (uint32_t)m.vertex_count) {
                abort();
            }
        }
        for (int i = 0; i < m.face_count; i++) {
            for (int k = 0; k < 3; k++) {
                if (m.faces[i].index[k] >= (uint32_t)m.draw_vertex_count) {
                    abort();
                }
            }
            if ((m.faces[i].word & MODEL_FACE_TEXTURE_MASK) >= (uint32_t)m.texture_count) {
                abort();
            }
        }
        for (int i = 0; i < m.texture_count; i++) {
            if (strnlen(m.texture_entries[i].colour, MODEL_NAME_SIZE) == MODEL_NAME_SIZE ||
                strnlen(m.texture_entries[i].mask, MODEL_NAME_SIZE) == MODEL_NAME_SIZE) {
                abort();
            }
        }
        model_file_free(&m);
    }
    if (mem_usage != 0) {
        abort();
    }
    return 0;
}
