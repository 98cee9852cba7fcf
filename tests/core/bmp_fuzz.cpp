// Fuzz target: the BMP decoder in every channel mode.

#include "core/file.h"
#include "core/mem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), true);
    (void)ready;
    if (size > (1u << 22)) {
        return 0;
    }
    for (int asked : {0, 1, 3, 4}) {
        int w = 0;
        int h = 0;
        int ch = asked;
        uint8_t *px = file_decode_bmp(data, (int)size, "fuzz.bmp", &w, &h, &ch);
        if (px) {
            if (w < 1 || h < 1 || w > BMP_MAX_SIDE || h > BMP_MAX_SIDE || (ch != 1 && ch != 3 && ch != 4)) {
                abort();
            }
            // Every output byte is written: reading them all lets the sanitizers see it.
            unsigned sum = 0;
            for (size_t i = 0; i < (size_t)w * h * ch; i++) {
                sum += px[i];
            }
            volatile unsigned sink = sum;
            (void)sink;
            mem_free(px);
        }
    }
    if (mem_usage != 0) {
        abort();
    }
    return 0;
}
