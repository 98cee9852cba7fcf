// script_names.cpp -- the script-content checking harness.

#include "tests/support/script_names.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/world_cleanup.h"

namespace {

// Wraps the bindings: each records what it names, then runs the real one.
const char *RECORDERS = R"(
rec = {}
rec_n = 0
local model = "?"
local models = {}
local function wrap(name, note)
    local real = _G[name]
    _G[name] = function(...) note(...) return real(...) end
end
local function add(line) rec_n = rec_n + 1 rec[rec_n] = line end
wrap("c_preload_model", function(t)
    model = t[2] .. "/" .. t[3]
    models[t[1]] = model
    add("model " .. model)
end)
wrap("c_set_use_anim_for", function(slot, anim) add("anim " .. model .. " " .. anim) end)
wrap("c_set_random_anim", function(anim) add("anim " .. model .. " " .. anim) end)
wrap("c_add_a_weapon", function(bullet, gun, bone, shaft, fire, aim)
    add("bone " .. model .. " " .. bone)
    if shaft ~= "" then add("bone " .. model .. " " .. shaft) end
    if fire ~= "" then add("anim " .. model .. " " .. fire) end
    if aim ~= "" then add("anim " .. model .. " " .. aim) end
end)
wrap("c_add_fizz_between", function(beam, a, bone_a, b, bone_b)
    add("bone " .. (models[a] or ("?" .. a)) .. " " .. bone_a)
    add("bone " .. (models[b] or ("?" .. b)) .. " " .. bone_b)
end)
)";

}  // namespace

std::vector<std::string> script_names_recorded(const char *script)
{
    std::vector<std::string> lines;
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run("cur_level_num = 101");
    lua_run_mem_script("actor.lua");
    lua_run_mem_script("actor_place.lua");
    lua_test_run(RECORDERS);
    lua_run_mem_script(script);
    int n = (int)lua_test_number("rec_n");
    for (int i = 1; i <= n; i++) {
        lua_test_run("rec_line = rec[" + std::to_string(i) + "]");
        lines.push_back(lua_test_string("rec_line"));
    }
    lua_close(g_lua);
    g_lua = nullptr;
    world_cleanup_level();
    return lines;
}
