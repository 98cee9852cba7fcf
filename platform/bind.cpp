// bind.cpp -- the bindings of keys, mouse and joysticks to the players' named targets.

#include "platform/bind.h"

#include "core/con.h"

#include <cstring>

float g_mouse_speed = 1.0f;

static const char BIND_FILE[] = "bindwin32.cfg";

void input_cmd_bind(int argc, char **argv)
{
    (void)argc;
    (void)argv;
}

void input_register_config(void)
{
    g_mouse_speed = 1.0f;
    con_add_float_var("mouse_speed", &g_mouse_speed, nullptr);
    con_add_command("bind", -1, input_cmd_bind);
}

void input_load_binds(void)
{
    char name[sizeof(BIND_FILE)];
    memcpy(name, BIND_FILE, sizeof(name));
    char *argv[] = {name, nullptr};
    con_exec_file(1, argv);
}

void input_write_binds(void)
{
}
