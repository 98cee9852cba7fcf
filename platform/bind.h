// bind.h -- key, mouse and joystick bindings: the "bind" command, "bindwin32.cfg" and the
// controls page.
#pragma once

#include <atomic>

// Mouse-aim sensitivity, console "mouse_speed"; at least 0.01 after settings_clamp.
extern float g_mouse_speed;

// The controls page: one text per action (input_describe_binds), 127 characters at most.
constexpr int BIND_TEXT_COUNT = 16;
constexpr int BIND_TEXT_SIZE = 128;
constexpr int BIND_ACTIONS = 11;   // move forward, back, left, right; fire the same; fire only, smart bomb, pause
extern char g_bind_texts[BIND_TEXT_COUNT][BIND_TEXT_SIZE];

// The bind sets of the controls page.
constexpr int BIND_SET_KEYBOARD = 0;
constexpr int BIND_SET_JOYSTICK = 1;
constexpr int BIND_SET_MOUSE = 2;

// Registers "mouse_speed" and the "bind" command (any argument count). Starts a run:
// input_write_binds waits for the next input_load_binds.
void input_register_config(void);
// The "bind" command: with exactly two arguments, "bind <entity> <target>".
void input_cmd_bind(int argc, char **argv);
// The slot an entity name names ("key97", "mousebutton1", "joy2dpad3" ...; case
// matters), or null with "*** [input] Unknown BIND entity %s".
std::atomic<int> *input_bind_lookup(const char *entity);
// A target's index (0..23) by name, ignoring case; -1 with "Unknown BIND target '%s'".
int bind_target(const char *name);
// A target's name as written to "bindwin32.cfg"; null for a target without one.
const char *bind_target_name(int target);
// The controls-page row (0..10) of a target for player 0 or 1; -1 for another
// player's target or none.
int bind_action_index(int target, int player);
// Unbinds everything, then executes "bindwin32.cfg" (a missing file leaves all unbound).
void input_load_binds(void);
// Writes the bindings to "bindwin32.cfg" (through a temporary file renamed into place).
// Does nothing until input_load_binds ran in this run: until then the bindings in
// memory are not the player's, and writing them would wipe the player's file.
void input_write_binds(void);
// Fills g_bind_texts with what is bound to each action of player (0 or 1) in set.
void input_describe_binds(int set, int player);
// Binds the input the sampler reported as code (InputFrame::last_code) to the player's
// target for action (0..10), after unbinding that action within the set. Codes that do
// not belong to the set are ignored.
void input_menu_setting(int set, int code, int action, int player);
