// input.cpp -- the input ring: the 10 ms sampler on SDL's timer thread, the per-step
// replay on the game thread, the reset between them, and the devices it reads.

#include "platform/input.h"
#include "platform/input_local.h"

#include "core/con.h"
#include "platform/bind.h"
#include "platform/zwin.h"

#include <SDL.h>
#include <cstring>
#include <thread>

PlayerInput g_player_input[INPUT_PLAYERS];

InputFrame g_input_ring[INPUT_RING_SIZE];
std::atomic<uint32_t> g_input_ring_state;
int g_input_read;
std::atomic<int> g_input_paused;
std::atomic<int> g_input_busy;
const InputFrame *g_input_frame = &g_input_ring[0];

std::atomic<int> g_menu_input;
std::atomic<int> g_back_latch;
std::atomic<int> g_hidden_keys;
std::atomic<float> g_f1_flag;
std::atomic<int> g_f2_flag;
std::atomic<float> g_menu_pointer[2];
std::atomic<int> g_menu_click;

BindSlot input_key_slots[INPUT_KEY_COUNT];
BindSlot input_mouse_axis_slots[2];
BindSlot input_mouse_button_slots[INPUT_MOUSE_BUTTONS];
std::atomic<int> input_bound_keys[INPUT_KEY_COUNT];
std::atomic<int> input_bound_key_count;
InputJoystick input_joysticks[INPUT_MAX_JOYSTICKS];
int input_joystick_count;
char input_key_names[INPUT_KEY_COUNT][INPUT_KEY_NAME_SIZE];

constexpr float INPUT_DEFAULT_DEADZONE = 0.3f;
constexpr float INPUT_MOUSE_AIM = 1.0f;              // input_type of mouse aim
constexpr float INPUT_AXIS_SCALE = 3.0517578e-5f;    // 1 / 32768
constexpr float INPUT_AXIS_GAME_MIN = 0.001f;        // smaller joystick deflections are noise
constexpr float INPUT_AXIS_MENU_MIN = 0.5f;          // menus step only on a clear push
constexpr float INPUT_POINTER_STEP = 0.1f;           // menu pointer units per mouse pixel
constexpr float INPUT_POINTER_REST_X = -9.0f;
constexpr float INPUT_POINTER_REST_Y = 2.0f;
constexpr int INPUT_CODE_LOCK_FIRST = 300;           // num, caps and scroll lock never count as a press
constexpr int INPUT_CODE_LOCK_LAST = 302;

// The open joysticks' handles, by index; game thread, while the sampler is stopped.
static SDL_Joystick *input_joystick_handles[INPUT_MAX_JOYSTICKS];
// The running sampler, null while stopped.
static void *input_timer;
static void input_stop_timer(void);
// Where the sampler's snapshots come from.
static void input_read_devices(InputSnapshot *snapshot);
static std::atomic<input_snapshot_reader_t> input_snapshot_reader{input_read_devices};

// The mouse position of the last sample (sampler thread; the reset writes it while the
// sampler is held).
static std::atomic<int> input_mouse_prev_x;
static std::atomic<int> input_mouse_prev_y;
// The settings the sampler needs, copied by the game thread at every step and reset:
// the console writes them there, and the sampler must not read them mid-change.
static std::atomic<float> input_sampler_mouse_speed{1.0f};
static std::atomic<int> input_sampler_mouse_aim;

void input_register_vars(void)
{
    input_register_config();
    for (int p = 0; p < INPUT_PLAYERS; p++) {
        g_player_input[p].input_type = 0.0f;
        g_player_input[p].joystick_deadzone = INPUT_DEFAULT_DEADZONE;
    }
    con_add_float_var("input_type", &g_player_input[0].input_type, nullptr);
    con_add_float_var("joystick_deadzone", &g_player_input[0].joystick_deadzone, nullptr);
    con_add_float_var("input_type_2", &g_player_input[1].input_type, nullptr);
    con_add_float_var("joystick_deadzone_2", &g_player_input[1].joystick_deadzone, nullptr);
}

void input_choose_default_type(void)
{
    for (int p = 0; p < INPUT_PLAYERS; p++) {
        if (g_player_input[p].input_type != INPUT_TYPE_UNCHOSEN) {
            continue;
        }
        g_player_input[p].input_type = input_joystick_count > 0 ? 0.0f : INPUT_TYPE_KEYBOARD;
        if (input_joystick_count == 0) {
            con_printf("[input] no joystick: player %d's controls start on the keyboard", p + 1);
        }
    }
}

static void input_publish_settings(void)
{
    input_sampler_mouse_speed.store(g_mouse_speed, std::memory_order_relaxed);
    input_sampler_mouse_aim.store(g_player_input[0].input_type == INPUT_MOUSE_AIM, std::memory_order_relaxed);
}

// ---- bindings tables ----

void input_clear_slots(void)
{
    input_bound_key_count.store(0);
    for (BindSlot &s : input_key_slots) {
        s.store(BIND_NONE, std::memory_order_relaxed);
    }
    for (BindSlot &s : input_mouse_axis_slots) {
        s.store(BIND_NONE, std::memory_order_relaxed);
    }
    for (BindSlot &s : input_mouse_button_slots) {
        s.store(BIND_NONE, std::memory_order_relaxed);
    }
    for (InputJoystick &j : input_joysticks) {
        for (BindSlot &s : j.button_slot) {
            s.store(BIND_NONE, std::memory_order_relaxed);
        }
        for (BindSlot &s : j.dpad_slot) {
            s.store(BIND_NONE, std::memory_order_relaxed);
        }
    }
}

void input_bound_keys_add(int code)
{
    int count = input_bound_key_count.load();
    for (int i = 0; i < count; i++) {
        if (input_bound_keys[i].load(std::memory_order_relaxed) == code) {
            return;
        }
    }
    if (count < INPUT_KEY_COUNT) {
        input_bound_keys[count].store(code, std::memory_order_relaxed);
        input_bound_key_count.store(count + 1, std::memory_order_release);
    }
}

void input_bound_keys_rebuild(void)
{
    input_bound_key_count.store(0, std::memory_order_release);
    for (int code = 0; code < INPUT_KEY_COUNT; code++) {
        if (input_key_slots[code].load(std::memory_order_relaxed) != BIND_NONE) {
            input_bound_keys_add(code);
        }
    }
}

void input_fill_key_names(void)
{
    for (int code = 0; code < INPUT_KEY_COUNT; code++) {
        const char *name = SDL_GetKeyName((SDLKey)code);
        char *out = input_key_names[code];
        int i = 0;
        for (; name && name[i] && i < INPUT_KEY_NAME_SIZE - 1; i++) {
            out[i] = name[i] == ' ' ? '_' : name[i];
        }
        out[i] = '\0';
    }
}

int input_key_char(int code)
{
    if (code == SDLK_BACKSPACE || code == SDLK_DELETE) {
        return -1;
    }
    if (code < 1 || code >= INPUT_KEY_COUNT) {
        return 0;
    }
    const char *name = input_key_names[code];
    return name[0] && !name[1] ? (unsigned char)name[0] : 0;
}

// ---- the sampler ----

// Adds amount to a bound target; an unbound slot reaches nothing.
static void input_target_add(float *targets, const BindSlot &slot, float amount)
{
    int t = slot.load(std::memory_order_relaxed);
    if (t >= 0 && t < BIND_TARGET_COUNT) {
        targets[t] += amount;
    }
}

static void input_target_set(float *targets, const BindSlot &slot, float value)
{
    int t = slot.load(std::memory_order_relaxed);
    if (t >= 0 && t < BIND_TARGET_COUNT) {
        targets[t] = value;
    }
}

static void input_read_joystick_game(InputJoystick *j, const InputJoystickState *s, float *targets)
{
    for (int a = 0; a < j->axes; a++) {
        float v = (float)s->axis[a] * INPUT_AXIS_SCALE;
        if (v > INPUT_AXIS_GAME_MIN) {
            input_target_add(targets, j->dpad_slot[2 * a], v);
        }
        if (-v > INPUT_AXIS_GAME_MIN) {
            input_target_add(targets, j->dpad_slot[2 * a + 1], -v);
        }
        j->last_raw[a] = s->axis[a];
    }
    for (int b = 0; b < j->buttons; b++) {
        if (s->buttons & (1u << b)) {
            input_target_set(targets, j->button_slot[b], 1.0f);
        }
    }
}

// Menu navigation: an axis counts only when it moved since the last sample. Returns the
// code of the last input seen (button b + 1, or 256 x direction slot + 1), 0 for none.
static int input_read_joystick_menu(InputJoystick *j, const InputJoystickState *s, float *targets)
{
    int code = 0;
    for (int a = 0; a < j->axes; a++) {
        if (s->axis[a] == j->last_raw[a]) {
            continue;
        }
        float v = (float)s->axis[a] * INPUT_AXIS_SCALE;
        if (v > INPUT_AXIS_MENU_MIN) {
            input_target_add(targets, j->dpad_slot[2 * a], v);
            code = (2 * a + 1) * INPUT_CODE_DPAD;
        }
        if (-v > INPUT_AXIS_MENU_MIN) {
            input_target_add(targets, j->dpad_slot[2 * a + 1], -v);
            code = (2 * a + 2) * INPUT_CODE_DPAD;
        }
        j->last_raw[a] = s->axis[a];
    }
    for (int b = 0; b < j->buttons; b++) {
        if (s->buttons & (1u << b)) {
            input_target_set(targets, j->button_slot[b], 1.0f);
            code = b + 1;
        }
    }
    return code;
}

void input_build_frame(const InputSnapshot *snapshot, InputFrame *frame)
{
    const InputSnapshot &s = *snapshot;
    InputFrame f{};
    float t[BIND_TARGET_COUNT] = {};
    const int menus = g_menu_input.load(std::memory_order_relaxed) != 0;
    const int latched = g_back_latch.load(std::memory_order_relaxed) != 0;
    const float speed = input_sampler_mouse_speed.load(std::memory_order_relaxed);

    for (int i = 0; i < input_joystick_count; i++) {
        InputJoystick *j = &input_joysticks[i];
        if (!j->open) {
            continue;
        }
        if (menus) {
            int r = input_read_joystick_menu(j, &s.joystick[i], t);
            if (r) {
                f.last_code = r + INPUT_CODE_JOYSTICK * (i + 1);
            }
        } else {
            input_read_joystick_game(j, &s.joystick[i], t);
        }
    }

    // Keyboard: Esc and Return are read without bindings; Return wins over Esc.
    if (s.keys[SDLK_ESCAPE]) {
        f.keys = INPUT_KEY_BACK;
    }
    if (s.keys[SDLK_RETURN]) {
        f.keys = INPUT_KEY_SELECT;
    }
    if (s.keys[SDLK_F1] && g_hidden_keys.load(std::memory_order_relaxed)) {
        g_hidden_keys.fetch_or(2, std::memory_order_relaxed);
        g_f1_flag.store(1.0f, std::memory_order_relaxed);
    }
    if (s.keys[SDLK_F2] && g_hidden_keys.load(std::memory_order_relaxed)) {
        g_hidden_keys.fetch_or(2, std::memory_order_relaxed);
        g_f2_flag.store(1, std::memory_order_relaxed);
    }
    int menu_keys = 0;   // Space or an arrow key in a menu: the bindings stay out of it
    if (menus) {
        if (s.keys[SDLK_SPACE]) {
            f.keys = INPUT_KEY_SELECT;
            menu_keys = 1;
        }
        for (int code = 0; code < INPUT_KEY_COUNT; code++) {
            if (s.keys[code] && (code < INPUT_CODE_LOCK_FIRST || code > INPUT_CODE_LOCK_LAST)) {
                f.last_code = code;
            }
        }
        static const struct {
            int code;
            int target;
        } arrows[] = {
            {SDLK_UP, BIND_MOVE_FORWARD},
            {SDLK_DOWN, BIND_MOVE_BACK},
            {SDLK_LEFT, BIND_MOVE_LEFT},
            {SDLK_RIGHT, BIND_MOVE_RIGHT},
        };
        for (const auto &a : arrows) {
            if (s.keys[a.code]) {
                t[a.target] = 1.0f;
                menu_keys = 1;
            }
        }
    }
    if (!menu_keys) {
        int count = input_bound_key_count.load(std::memory_order_acquire);
        for (int i = 0; i < count; i++) {
            int code = input_bound_keys[i].load(std::memory_order_relaxed);
            if (code >= 0 && code < INPUT_KEY_COUNT && s.keys[code]) {
                input_target_set(t, input_key_slots[code], 1.0f);
            }
        }
    }

    // Mouse.
    const int dx = s.mouse_x - input_mouse_prev_x.load(std::memory_order_relaxed);
    const int dy = s.mouse_y - input_mouse_prev_y.load(std::memory_order_relaxed);
    const int axis_x = input_mouse_axis_slots[0].load(std::memory_order_relaxed);
    const int axis_y = input_mouse_axis_slots[1].load(std::memory_order_relaxed);
    if (axis_x >= 0 && axis_x < BIND_TARGET_COUNT && axis_y >= 0 && axis_y < BIND_TARGET_COUNT &&
        input_sampler_mouse_aim.load(std::memory_order_relaxed)) {
        // Mouse aim replaces player 1's fire keys.
        t[BIND_FIRE_LEFT] = t[BIND_FIRE_RIGHT] = t[BIND_FIRE_FORWARD] = t[BIND_FIRE_BACK] = 0.0f;
        t[axis_x] = speed * (float)dx;
        t[axis_y] = speed * (float)dy;
    }
    if (menus || latched) {
        // Screen y grows downward, the pointer's y upward.
        g_menu_pointer[0].store(g_menu_pointer[0].load(std::memory_order_relaxed) +
                                    speed * (float)dx * INPUT_POINTER_STEP,
                                std::memory_order_relaxed);
        g_menu_pointer[1].store(g_menu_pointer[1].load(std::memory_order_relaxed) -
                                    speed * (float)dy * INPUT_POINTER_STEP,
                                std::memory_order_relaxed);
        g_menu_click.store(0, std::memory_order_relaxed);
    }
    input_mouse_prev_x.store(s.mouse_x, std::memory_order_relaxed);
    input_mouse_prev_y.store(s.mouse_y, std::memory_order_relaxed);
    for (int b = 0; b < INPUT_MOUSE_BUTTONS; b++) {
        if (!(s.mouse_buttons & (1u << b))) {
            continue;
        }
        input_target_set(t, input_mouse_button_slots[b], 1.0f);
        f.last_code = INPUT_CODE_MOUSE + b;
        if (menus || latched) {
            g_menu_click.fetch_or(1 << b, std::memory_order_relaxed);
            if (b == 0) {
                t[BIND_MOVE_RIGHT] = 1.0f;
                f.keys = INPUT_KEY_SELECT;
            } else {
                t[BIND_MOVE_LEFT] = 1.0f;
            }
        }
    }

    for (int p = 0; p < INPUT_PLAYERS; p++) {
        const float *pt = &t[p * BIND_PER_PLAYER];
        f.axis[p] = pt[BIND_MOVE_RIGHT] - pt[BIND_MOVE_LEFT];
        f.axis[2 + p] = pt[BIND_MOVE_BACK] - pt[BIND_MOVE_FORWARD];
        f.axis[4 + p] = pt[BIND_FIRE_RIGHT] - pt[BIND_FIRE_LEFT];
        f.axis[6 + p] = pt[BIND_FIRE_BACK] - pt[BIND_FIRE_FORWARD];
        f.buttons[p] = (pt[BIND_FIRE_ONLY] != 0.0f ? INPUT_BUTTON_FIRE_ONLY : 0u) |
                       (pt[BIND_SMARTBOMB] != 0.0f ? INPUT_BUTTON_BOMB : 0u);
    }
    if (t[BIND_PAUSE] != 0.0f || t[BIND_PER_PLAYER + BIND_PAUSE] != 0.0f) {
        f.keys |= INPUT_KEY_BACK;
    }
    *frame = f;
}

// The SDL side of a sample: the state of every device the sampler reads.
static void input_read_devices(InputSnapshot *snapshot)
{
    memset(snapshot, 0, sizeof(*snapshot));
    int count = 0;
    const Uint8 *keys = SDL_GetKeyState(&count);
    if (keys) {
        memcpy(snapshot->keys, keys, (size_t)(count < INPUT_KEY_COUNT ? count : INPUT_KEY_COUNT));
    }
    int x = 0;
    int y = 0;
    snapshot->mouse_buttons = (uint8_t)(SDL_GetMouseState(&x, &y) & 0xff);
    snapshot->mouse_x = x;
    snapshot->mouse_y = y;
    // SDL_JoystickUpdate walks SDL's joystick list, which exists only once joysticks were
    // opened; the event loop leaves the updates to this thread (input_open_devices).
    if (input_joystick_count > 0) {
        SDL_JoystickUpdate();
    }
    for (int i = 0; i < input_joystick_count; i++) {
        SDL_Joystick *handle = input_joystick_handles[i];
        const InputJoystick &j = input_joysticks[i];
        if (!handle || !j.open) {
            continue;
        }
        InputJoystickState &js = snapshot->joystick[i];
        for (int a = 0; a < j.axes; a++) {
            js.axis[a] = SDL_JoystickGetAxis(handle, a);
        }
        for (int b = 0; b < j.buttons; b++) {
            if (SDL_JoystickGetButton(handle, b)) {
                js.buttons |= 1u << b;
            }
        }
    }
}

void input_set_snapshot_reader(input_snapshot_reader_t reader)
{
    input_snapshot_reader.store(reader ? reader : input_read_devices);
}

void input_ring_push(const InputFrame *frame)
{
    // Only this thread moves the write index, so the slot stays the same while the
    // exchange below retries against the frame function taking the count.
    uint32_t state = g_input_ring_state.load(std::memory_order_relaxed);
    g_input_ring[state & INPUT_RING_MASK] = *frame;
    uint32_t next;
    do {
        uint32_t pending = state >> INPUT_RING_BITS;
        if (pending < INPUT_PENDING_MAX) {
            pending++;
        }
        next = (pending << INPUT_RING_BITS) | ((state + 1) & INPUT_RING_MASK);
    } while (!g_input_ring_state.compare_exchange_weak(state, next, std::memory_order_release,
                                                       std::memory_order_relaxed));
}

uint32_t input_timer_tick(uint32_t interval, void *param)
{
    (void)param;
    // Busy first, then the pause word: input_reset sets them the other way round, so
    // either this sample sees the pause or the reset sees this sample and waits.
    g_input_busy.store(1);
    if (g_input_paused.load()) {
        g_input_busy.store(0);
        return interval;
    }
    InputSnapshot snapshot;
    input_snapshot_reader.load(std::memory_order_relaxed)(&snapshot);
    InputFrame frame;
    input_build_frame(&snapshot, &frame);
    input_ring_push(&frame);
    g_input_busy.store(0);
    return interval;
}

// The running sampler's calls since it was added, and when that was (SDL ticks): the
// log line of its removal gives its rate.
static std::atomic<uint32_t> input_timer_calls;
static uint32_t input_timer_added_ms;

static uint32_t input_sdl_timer(uint32_t interval, void *param)
{
    input_timer_calls.fetch_add(1, std::memory_order_relaxed);
    return input_timer_tick(interval, param);
}

static void *input_sdl_add_timer(uint32_t interval, input_timer_callback_t callback)
{
    return SDL_AddTimer(interval, callback, nullptr);
}

static void input_sdl_remove_timer(void *timer)
{
    SDL_RemoveTimer((SDL_TimerID)timer);
}

static uint32_t input_sdl_clock(void)
{
    return SDL_GetTicks();
}

const InputTimerHooks INPUT_TIMER_HOOKS_DEFAULT = {input_sdl_add_timer, input_sdl_remove_timer, input_sdl_clock};
InputTimerHooks g_input_timer_hooks = INPUT_TIMER_HOOKS_DEFAULT;

// Holds the sampler and waits until a sample in progress has finished.
static void input_hold_sampler(void)
{
    g_input_paused.store(1);
    while (g_input_busy.load()) {
        std::this_thread::yield();
    }
}

int input_take_pending(void)
{
    // Acquire: every slot counted is fully written.
    uint32_t state = g_input_ring_state.fetch_and((uint32_t)INPUT_RING_MASK, std::memory_order_acquire);
    uint32_t n = state >> INPUT_RING_BITS;
    g_input_read = (int)((state - n) & INPUT_RING_MASK);
    g_input_paused.store(0);
    return (int)n;
}

// ---- devices ----

void input_joystick_setup(int index, int buttons, int axes, int hats)
{
    if (index < 0 || index >= INPUT_MAX_JOYSTICKS) {
        return;
    }
    InputJoystick &j = input_joysticks[index];
    buttons = buttons < 0 ? 0 : buttons;
    axes = axes < 0 ? 0 : axes;
    hats = hats < 0 ? 0 : hats;
    if (buttons > INPUT_JOY_BUTTONS) {
        buttons = INPUT_JOY_BUTTONS;
    }
    if (axes > INPUT_JOY_AXES) {
        axes = INPUT_JOY_AXES;
        hats = 0;
    }
    if (axes + hats > INPUT_JOY_AXES) {
        hats = INPUT_JOY_AXES - axes;
    }
    j.buttons = buttons;
    j.axes = axes;
    j.hats = hats;
    for (int &raw : j.last_raw) {
        raw = 0;
    }
}

int input_open_devices(void)
{
    // One sampler only: a second timer would sample every 10 ms beside the first, and
    // the one whose handle was lost would never be removed. The running one stops before
    // the joystick table it reads is rebuilt.
    if (input_timer) {
        int paused = g_input_paused.load();
        input_stop_timer();
        g_input_paused.store(paused);
    }
    input_fill_key_names();
    for (int i = 0; i < INPUT_MAX_JOYSTICKS; i++) {
        input_joysticks[i].open = 0;
        input_joystick_setup(i, 0, 0, 0);
        input_joystick_handles[i] = nullptr;
    }
    int count = SDL_NumJoysticks();
    count = count < 0 ? 0 : (count > INPUT_MAX_JOYSTICKS ? INPUT_MAX_JOYSTICKS : count);
    con_printf("[input] Found %d joysticks", count);
    input_joystick_count = count;
    if (count > 0) {
        // The event loop would update the joysticks too, on its own thread, while the
        // sampler reads them; the sampler alone updates them.
        SDL_JoystickEventState(SDL_IGNORE);
    }
    for (int i = 0; i < count; i++) {
        SDL_Joystick *handle = SDL_JoystickOpen(i);
        if (!handle) {
            con_printf("[input]  ->FAILED!");
            continue;
        }
        input_joystick_handles[i] = handle;
        int buttons = SDL_JoystickNumButtons(handle);
        int axes = SDL_JoystickNumAxes(handle);
        int hats = SDL_JoystickNumHats(handle);
        const char *name = SDL_JoystickName(i);
        con_printf("[input] open joystick %d (%s), b %d a %d h %d", i, name ? name : "", buttons, axes, hats);
        input_joystick_setup(i, buttons, axes, hats);
        input_joysticks[i].open = 1;
    }
    input_load_binds();
    input_publish_settings();
    input_timer_calls.store(0);
    input_timer_added_ms = g_input_timer_hooks.clock();
    input_timer = g_input_timer_hooks.add(INPUT_INTERVAL_MS, input_sdl_timer);
    if (!input_timer) {
        con_printf("[input] SDL_AddTimer() failed: %s\n", SDL_GetError());
    }
    return 0;
}

// Removes the running sampler, logs how often it ran, and holds the sampler: SDL runs
// a timer's callback outside its lock, so one may still be in progress; this waits for
// it.
static void input_stop_timer(void)
{
    if (input_timer) {
        g_input_timer_hooks.remove(input_timer);
        input_timer = nullptr;
        con_printf("[input] sampler ran %u times in %u ms", input_timer_calls.load(),
                   g_input_timer_hooks.clock() - input_timer_added_ms);
    }
    input_hold_sampler();
}

void input_close_devices(void)
{
    // The joysticks closed below must not be sampled any more; input_init lets the next
    // sampler run.
    input_stop_timer();
    input_write_binds();
    for (int i = 0; i < INPUT_MAX_JOYSTICKS; i++) {
        if (input_joystick_handles[i]) {
            SDL_JoystickClose(input_joystick_handles[i]);
            input_joystick_handles[i] = nullptr;
        }
        input_joysticks[i].open = 0;
    }
    con_printf("[input] released direct input j = %d", input_joystick_count);
    input_joystick_count = 0;
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

void input_center_mouse(void)
{
    int x = g_video_width / 2;
    int y = g_video_height / 2;
    // Warping without the keyboard would pull the desktop's pointer into a window the
    // player has left; the pointer then stays, and the next sample measures from it.
    if (SDL_GetAppState() & SDL_APPINPUTFOCUS) {
        SDL_WarpMouse((Uint16)x, (Uint16)y);
    } else {
        SDL_GetMouseState(&x, &y);
    }
    input_mouse_prev_x.store(x);
    input_mouse_prev_y.store(y);
}

void input_reset(void)
{
    input_hold_sampler();
    input_center_mouse();
    for (PlayerInput &p : g_player_input) {
        p.move[0] = p.move[1] = 0.0f;
        p.move_spare = 0.0f;
        p.fire[0] = p.fire[1] = 0.0f;
        p.fire_spare = 0.0f;
    }
    g_back_latch = 0;
    g_menu_pointer[0].store(INPUT_POINTER_REST_X);
    g_menu_pointer[1].store(INPUT_POINTER_REST_Y);
    g_menu_click.store(0);
    input_publish_settings();
    g_input_ring_state.fetch_and((uint32_t)INPUT_RING_MASK);
    g_input_paused.store(0);
}

// Movement or fire of one player: nothing while both axes lie inside the dead zone.
static int input_outside_deadzone(float a, float b, float dz)
{
    return a < -dz || a > dz || b < -dz || b > dz;
}

void input_step(void)
{
    const InputFrame *frame = &g_input_ring[g_input_read & INPUT_RING_MASK];
    g_input_frame = frame;
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
        if (in->input_type != INPUT_MOUSE_AIM) {
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
    input_publish_settings();
}
