// bind.h -- key, mouse and joystick bindings: the "bind" command and "bindwin32.cfg".
#pragma once

// Mouse-aim sensitivity, console "mouse_speed"; at least 0.01 after settings_clamp.
extern float g_mouse_speed;

// Registers "mouse_speed" and the "bind" command (any argument count).
void input_register_config(void);
// The "bind" command: "bind <entity> <target>".
void input_cmd_bind(int argc, char **argv);
// Executes "bindwin32.cfg" through the console (a missing file is logged by the file layer).
void input_load_binds(void);
// Writes the bindings to "bindwin32.cfg".
void input_write_binds(void);
