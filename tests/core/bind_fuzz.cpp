// Fuzz target: "bindwin32.cfg" as the input's start reads it (only its bind lines run),
// then the controls page's texts of every set and player, then the file written back and
// read again: the bindings must come back the same, and every text stays in its buffer.

#include "core/con.h"
#include "core/mem.h"
#include "platform/bind.h"
#include "platform/input.h"
#include "platform/input_local.h"
#include "tests/core/fuzz_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// Every slot's target, in one list.
static std::vector<int> bindings(void)
{
    std::vector<int> out;
    for (const BindSlot &s : input_key_slots) {
        out.push_back(s.load());
    }
    for (const BindSlot &s : input_mouse_axis_slots) {
        out.push_back(s.load());
    }
    for (const BindSlot &s : input_mouse_button_slots) {
        out.push_back(s.load());
    }
    for (const InputJoystick &j : input_joysticks) {
        for (const BindSlot &s : j.button_slot) {
            out.push_back(s.load());
        }
        for (const BindSlot &s : j.dpad_slot) {
            out.push_back(s.load());
        }
    }
    return out;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), fuzz::enter_private_folder(), true);
    (void)ready;
    if (size > (1u << 16)) {
        return 0;
    }
    fuzz::put_file("bindwin32.cfg", data, size);
    con_config(0);
    input_register_config();
    input_load_binds();
    std::vector<int> first = bindings();
    for (int target : first) {
        fuzz::check(target == BIND_NONE || (target >= 0 && target < BIND_TARGET_COUNT));
    }
    const int keys = input_bound_key_count.load();
    fuzz::check(keys >= 0 && keys <= INPUT_KEY_COUNT);
    for (int i = 0; i < keys; i++) {
        int code = input_bound_keys[i].load();
        fuzz::check(code >= 0 && code < INPUT_KEY_COUNT && input_key_slots[code].load() != BIND_NONE);
    }
    for (int set = 0; set < 3; set++) {
        for (int player = 0; player < INPUT_PLAYERS; player++) {
            input_describe_binds(set, player);
            for (const char *text : g_bind_texts) {
                fuzz::check(strnlen(text, BIND_TEXT_SIZE) < (size_t)BIND_TEXT_SIZE);
            }
        }
    }
    input_write_binds();
    input_load_binds();
    fuzz::check(bindings() == first);
    fuzz::check(mem_usage == 0);
    return 0;
}
