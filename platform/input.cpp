// input.cpp -- the input ring: the 10 ms sampler on SDL's timer thread, the per-step
// replay on the game thread and the reset between them.

#include "platform/input.h"

#include "core/con.h"
#include "platform/bind.h"

#include <SDL.h>

PlayerInput g_player_input[INPUT_PLAYERS];

InputFrame g_input_ring[INPUT_RING_SIZE];
std::atomic<int> g_input_pending;
std::atomic<int> g_input_write;
int g_input_read;
std::atomic<int> g_input_paused;
std::atomic<int> g_input_busy;

std::atomic<int> g_menu_input;
std::atomic<int> g_back_latch;
std::atomic<int> g_hidden_keys;
std::atomic<float> g_f1_flag;
std::atomic<int> g_f2_flag;

// The running sampler, null while stopped.
static SDL_TimerID input_timer;
// Set once "bindwin32.cfg" was read in this run: only then are the bindings in memory
// the player's, and only then may they be written back.
static int input_binds_loaded;

// SDL 1.2 key codes of the keys the sampler reads without bindings.
constexpr int INPUT_KEY_COUNT = 323;
constexpr int INPUT_CODE_LOCK_FIRST = 300;   // num, caps and scroll lock never count as a press
constexpr int INPUT_CODE_LOCK_LAST = 302;

void input_register_vars(void)
{
    input_register_config();
    for (int p = 0; p < INPUT_PLAYERS; p++) {
        g_player_input[p].input_type = 0.0f;
        g_player_input[p].joystick_deadzone = 0.3f;
    }
    con_add_float_var("input_type", &g_player_input[0].input_type, nullptr);
    con_add_float_var("joystick_deadzone", &g_player_input[0].joystick_deadzone, nullptr);
    con_add_float_var("input_type_2", &g_player_input[1].input_type, nullptr);
    con_add_float_var("joystick_deadzone_2", &g_player_input[1].joystick_deadzone, nullptr);
}

// The keyboard part of one sample: back and select, the hidden developer keys and, in
// menus, Space and the last key pressed.
static void input_sample_keys(InputFrame *frame)
{
    int count = 0;
    const Uint8 *keys = SDL_GetKeyState(&count);
    if (!keys) {
        return;
    }
    if (count > INPUT_KEY_COUNT) {
        count = INPUT_KEY_COUNT;
    }
    auto down = [&](int code) { return code < count && keys[code]; };
    if (down(SDLK_ESCAPE)) {
        frame->keys = INPUT_KEY_BACK;
    }
    if (down(SDLK_RETURN)) {
        frame->keys = INPUT_KEY_SELECT;
    }
    if (down(SDLK_F1) && g_hidden_keys) {
        g_hidden_keys |= 2;
        g_f1_flag = 1.0f;
    }
    if (down(SDLK_F2) && g_hidden_keys) {
        g_hidden_keys |= 2;
        g_f2_flag = 1;
    }
    if (g_menu_input) {
        if (down(SDLK_SPACE)) {
            frame->keys = INPUT_KEY_SELECT;
        }
        for (int code = 0; code < count; code++) {
            if (keys[code] && (code < INPUT_CODE_LOCK_FIRST || code > INPUT_CODE_LOCK_LAST)) {
                frame->last_code = code;
            }
        }
    }
}

uint32_t input_timer_tick(uint32_t interval, void *param)
{
    (void)param;
    if (g_input_paused) {
        return interval;
    }
    g_input_busy = 1;
    int slot = g_input_write.load(std::memory_order_relaxed);
    InputFrame *frame = &g_input_ring[slot];
    *frame = InputFrame{};
    input_sample_keys(frame);
    // Release on both: the frame function reads the slots behind either of them.
    g_input_write.store((slot + 1) & INPUT_RING_MASK, std::memory_order_release);
    g_input_pending.fetch_add(1, std::memory_order_release);
    g_input_busy = 0;
    return interval;
}

static Uint32 input_sdl_timer(Uint32 interval, void *param)
{
    return input_timer_tick(interval, param);
}

static void input_open_devices(void)
{
    input_load_binds();
    input_binds_loaded = 1;
    input_timer = SDL_AddTimer(INPUT_INTERVAL_MS, input_sdl_timer, nullptr);
    if (!input_timer) {
        con_printf("[input] SDL_AddTimer() failed: %s\n", SDL_GetError());
    }
}

static void input_close_devices(void)
{
    if (input_timer) {
        SDL_RemoveTimer(input_timer);
        input_timer = nullptr;
    }
    if (input_binds_loaded) {
        input_write_binds();
    }
    con_printf("[input] released direct input j = %d", 0);
}

void input_init(void)
{
    input_reset();
    input_open_devices();
}

void input_shutdown(void)
{
    input_close_devices();
}

void input_reset(void)
{
    g_input_paused = 1;
    // A sample already under way finishes first, so it cannot publish into the
    // ring after the indices below were cleared.
    while (g_input_busy) {
        SDL_Delay(0);
    }
    for (PlayerInput &p : g_player_input) {
        p.move[0] = p.move[1] = 0.0f;
        p.move_spare = 0.0f;
        p.fire[0] = p.fire[1] = 0.0f;
        p.fire_spare = 0.0f;
    }
    g_back_latch = 0;
    g_input_pending = 0;
    g_input_write = 0;
    g_input_read = 0;
    g_input_paused = 0;
}

// Movement or fire of one player: nothing while both axes lie inside the dead zone.
static int input_outside_deadzone(float a, float b, float dz)
{
    return a < -dz || a > dz || b < -dz || b > dz;
}

void input_step(void)
{
    const InputFrame *frame = &g_input_ring[g_input_read];
    for (int p = 0; p < INPUT_PLAYERS; p++) {
        PlayerInput *in = &g_player_input[p];
        float dz = in->joystick_deadzone;
        if (input_outside_deadzone(frame->axis[2 + p], frame->axis[p], dz)) {
            in->move[0] = frame->axis[2 + p];
            in->move[1] = frame->axis[p];
        } else {
            in->move[0] = in->move[1] = 0.0f;
        }
        in->buttons = frame->buttons[p];
        if (in->input_type != 1.0f) {
            if (input_outside_deadzone(frame->axis[6 + p], frame->axis[4 + p], dz)) {
                in->fire[0] = frame->axis[6 + p];
                in->fire[1] = frame->axis[4 + p];
                in->buttons |= INPUT_BUTTON_FIRE;
            } else {
                in->fire[0] = in->fire[1] = 0.0f;
            }
        } else {
            in->fire[0] += frame->axis[6 + p];
            in->fire[1] += frame->axis[4 + p];
        }
    }
    if (frame->keys & INPUT_KEY_BACK) {
        g_back_latch = 1;
    }
    if (g_menu_input || g_back_latch) {
        g_player_input[0].buttons &= INPUT_BUTTON_FIRE;
        g_player_input[1].buttons &= INPUT_BUTTON_FIRE;
        if (frame->keys & INPUT_KEY_SELECT) {
            g_player_input[0].buttons |= INPUT_BUTTON_SELECT;
        }
    }
    g_input_read = (g_input_read + 1) & INPUT_RING_MASK;
}
