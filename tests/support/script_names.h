// script_names.h -- the script-content checking harness: runs a type script in a fresh
// level state with the bindings wrapped in Lua, recording every model, animation and bone
// it names, so a test can look each one up in the generated sets.
#pragma once

#include <string>
#include <vector>

// Runs script (after actor.lua and actor_place.lua) and returns the names it used, one
// line each: "model F/N" for each c_preload_model, "anim F/N name" for the animations of
// c_set_use_anim_for, c_set_random_anim and c_add_a_weapon, "bone F/N name" for the bones
// of c_add_a_weapon and of both ends of c_add_fizz_between. F/N is the model of the type
// defined last, or of the type a beam rule names. What the script made in the world is
// released afterwards.
std::vector<std::string> script_names_recorded(const char *script);
