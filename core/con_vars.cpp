// con_vars.cpp -- the console's three tables (string variables, float variables,
// commands) and the line executor that reads and changes them.

#include "core/con.h"

#include "core/str.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

ConStringVar con_string_vars[MAX_CON_STRING_VARS];
int con_string_var_count;
ConFloatVar con_float_vars[MAX_CON_FLOAT_VARS];
int con_float_var_count;
ConCommand con_commands[MAX_CON_COMMANDS];
int con_command_count;

// Name and value tokens stop at blanks and double quotes, so "en" and en are the same value.
static const char CON_DELIMITERS[] = " \"";
// Command arguments are split on white space only.
static const char CON_ARG_DELIMITERS[] = " \t\n";

static ConStringVar *con_find_string_var(const char *name)
{
    for (int i = 0; i < con_string_var_count; i++) {
        if (!str_casecmp(con_string_vars[i].name, name)) {
            return &con_string_vars[i];
        }
    }
    return nullptr;
}

static ConFloatVar *con_find_float_var(const char *name)
{
    for (int i = 0; i < con_float_var_count; i++) {
        if (!str_casecmp(con_float_vars[i].name, name)) {
            return &con_float_vars[i];
        }
    }
    return nullptr;
}

static ConCommand *con_find_command(const char *name)
{
    for (int i = 0; i < con_command_count; i++) {
        if (!str_casecmp(con_commands[i].name, name)) {
            return &con_commands[i];
        }
    }
    return nullptr;
}

char *con_add_string_var(const char *name, const char *def, con_string_handler_t on_change)
{
    if (!name || !name[0]) {
        con_printf("*** [console] string variable without a name refused");
        return nullptr;
    }
    if (ConStringVar *v = con_find_string_var(name)) {
        return v->value;
    }
    if (con_string_var_count >= MAX_CON_STRING_VARS) {
        con_printf("*** [console] MAX_CON_STRING_VARS reached. Increase #define value. :) (%s)", name);
        return nullptr;
    }
    ConStringVar *v = &con_string_vars[con_string_var_count++];
    str_copy_n(v->name, name, sizeof(v->name));
    str_copy_n(v->value, def ? def : "", sizeof(v->value));
    v->on_change = on_change;
    return v->value;
}

int con_add_float_var(const char *name, float *value, con_float_handler_t on_change)
{
    if (!name || !name[0] || !value) {
        con_printf("*** [console] float variable '%s' without a name or storage refused",
                   name ? name : "(null)");
        return -1;
    }
    if (con_find_float_var(name)) {
        return 0;
    }
    if (con_float_var_count >= MAX_CON_FLOAT_VARS) {
        con_printf("*** [console] MAX_CON_FLOAT_VARS reached. Increase #define value. :) (%s)", name);
        return -1;
    }
    ConFloatVar *v = &con_float_vars[con_float_var_count++];
    str_copy_n(v->name, name, sizeof(v->name));
    v->value = value;
    v->on_change = on_change;
    return 0;
}

int con_add_command(const char *name, int argc, con_command_handler_t handler)
{
    if (!handler) {
        return -1;
    }
    if (!name || !name[0]) {
        con_printf("*** [console] command without a name refused");
        return -1;
    }
    if (con_find_command(name)) {
        return 0;
    }
    if (con_command_count >= MAX_CON_COMMANDS) {
        con_printf("*** [console] MAX_CON_COMMANDS reached. Increase #define value. :) (%s)", name);
        return -1;
    }
    ConCommand *c = &con_commands[con_command_count++];
    str_copy_n(c->name, name, sizeof(c->name));
    c->argc = argc;
    c->handler = handler;
    return 0;
}

char *con_token(char **cursor, const char *delimiters)
{
    if (!cursor || !*cursor || !**cursor) {
        return nullptr;
    }
    char *s = *cursor + strspn(*cursor, delimiters);
    if (!*s) {
        *cursor = s;
        return nullptr;
    }
    char *end = s + strcspn(s, delimiters);
    if (*end) {
        *end++ = 0;
        end += strspn(end, delimiters);
    }
    *cursor = end;
    return s;
}

static void con_exec_string_var(ConStringVar *v, const char *typed, char *value)
{
    if (!value) {
        con_printf("%s = %s", typed, v->value);
        return;
    }
    if (!strcmp(value, "NULL")) {
        if (!v->value[0]) {
            return;
        }
        v->value[0] = 0;
    } else {
        if (!strcmp(value, v->value)) {
            return;
        }
        str_copy_n(v->value, value, sizeof(v->value));
    }
    if (v->on_change) {
        v->on_change(typed, v->value);
    }
}

static void con_exec_float_var(ConFloatVar *v, const char *typed, char *text)
{
    if (!text) {
        con_printf("%s = %f", typed, *v->value);
        return;
    }
    // Text that is no number reads as 0; non-finite and absurd values are refused,
    // since the readers of these settings truncate them to table indexes.
    double d = strtod(text, nullptr);
    if (!std::isfinite(d) || d > CON_FLOAT_LIMIT || d < -CON_FLOAT_LIMIT) {
        con_printf("*** [console] %s: value '%s' refused, not a number within +-%.0f",
                   typed, text, (double)CON_FLOAT_LIMIT);
        return;
    }
    float f = (float)d;
    if (*v->value == f) {
        return;
    }
    *v->value = f;
    if (v->on_change) {
        v->on_change(typed, v->value);
    }
}

static void con_exec_command(ConCommand *c, const char *typed, char *rest)
{
    char *argv[CON_MAX_ARGS + 1];
    int argc = 0;
    char *save = nullptr;
    for (char *arg = strtok_r(rest, CON_ARG_DELIMITERS, &save); arg;
         arg = strtok_r(nullptr, CON_ARG_DELIMITERS, &save)) {
        if (argc >= CON_MAX_ARGS) {
            con_printf("*** [console] '%s' given more than %d arguments, line ignored", typed, CON_MAX_ARGS);
            return;
        }
        argv[argc++] = arg;
    }
    argv[argc] = nullptr;
    if (c->argc != -1 && c->argc != argc) {
        con_printf("'%s' takes %d argument%s", typed, c->argc, c->argc == 1 ? "" : "s");
        return;
    }
    c->handler(argc, argv);
}

void con_exec(char *line)
{
    char *cursor = line;
    char *name = con_token(&cursor, CON_DELIMITERS);
    if (!name) {
        return;
    }
    if (ConStringVar *v = con_find_string_var(name)) {
        con_exec_string_var(v, name, con_token(&cursor, CON_DELIMITERS));
        return;
    }
    if (ConFloatVar *v = con_find_float_var(name)) {
        con_exec_float_var(v, name, con_token(&cursor, CON_DELIMITERS));
        return;
    }
    if (ConCommand *c = con_find_command(name)) {
        con_exec_command(c, name, cursor);
        return;
    }
    con_printf("Unknown command '%s' -- Use TAB twice for command list", name);
}
