// script_recorder.cpp -- the content tests' record of the names a script uses.

#include "tests/support/script_recorder.h"

#include "script/lua_bind.h"
#include "script/lua_host.h"
#include "script/script_store.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/world_cleanup.h"

#include <initializer_list>

namespace {

const char *RECORDERS = R"(
rec = {}
rec_n = 0
rec_model = "?"
function rec_add(line) rec_n = rec_n + 1 rec[rec_n] = line end
function rec_wrap(name, note)
    local real = _G[name]
    _G[name] = function(...) note(...) return real(...) end
end
rec_wrap("c_preload_model", function(t) rec_model = t[2] .. "/" .. t[3] rec_add("model " .. rec_model) end)
rec_wrap("c_set_use_anim_for", function(slot, anim) rec_add("anim " .. rec_model .. " " .. anim) end)
rec_wrap("c_set_random_anim", function(anim) rec_add("anim " .. rec_model .. " " .. anim) end)
rec_wrap("c_add_a_weapon", function(bullet, gun, bone, shaft, fire, aim)
    rec_add("bone " .. rec_model .. " " .. bone)
    if shaft ~= "" then rec_add("bone " .. rec_model .. " " .. shaft) end
    if fire ~= "" then rec_add("anim " .. rec_model .. " " .. fire) end
    if aim ~= "" then rec_add("anim " .. rec_model .. " " .. aim) end
end)
rec_wrap("c_add_sound_to_anim", function(anim, sound)
    rec_add("anim " .. rec_model .. " " .. anim)
    rec_add("sound " .. sound)
end)
rec_wrap("c_add_sound_to_event", function(event, sound) rec_add("sound " .. sound) end)
)";

}  // namespace

std::vector<std::string> script_record(const char *script, const std::string &extra)
{
    std::vector<std::string> lines;
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("cur_level_num = 101");
    lua_run_mem_script("actor.lua");
    lua_run_mem_script("actor_place.lua");
    lua_test_run(RECORDERS);
    if (!extra.empty()) {
        lua_test_run(extra);
    }
    lua_run_mem_script(script);
    int n = (int)lua_test_number("rec_n");
    for (int i = 1; i <= n; i++) {
        lua_test_run("rec_line = rec[" + std::to_string(i) + "]");
        lines.push_back(lua_test_string("rec_line"));
    }
    lua_close(g_lua);
    g_lua = nullptr;
    world_cleanup_actors();
    return lines;
}

std::vector<std::string> enemy_script_names()
{
    std::vector<std::string> out;
    for (const ScriptRecord &r : g_script_store) {
        std::string text(r.text, r.length);
        for (const char *dir : {"\"beasties\"", "'beasties'", "\"bosses\"", "'bosses'"}) {
            if (text.find(dir) != std::string::npos) {
                out.push_back(r.name);
                break;
            }
        }
    }
    return out;
}
