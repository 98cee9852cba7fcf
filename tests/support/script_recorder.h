// script_recorder.h -- runs one embedded script as a level loads it (actor.lua and
// actor_place.lua first) with the definition bindings wrapped in Lua, and returns what
// it named: the content tests check each name against the generated tree.
#pragma once

#include <string>
#include <vector>

// One line per name, in the order the script named them, F/N being the model folder and
// name of the type defined last:
//   "model F/N", "anim F/N NAME", "bone F/N NAME", "sound NAME".
// extra runs after the wrappers and before the script: globals the script reads, or more
// wrappers (rec_wrap(binding, note) calls note with the binding's arguments first;
// rec_add(line) records a line; rec_model is F/N). Opens and closes g_lua, and releases
// the types and whatever else the script made in the world (the animation sets stay).
std::vector<std::string> script_record(const char *script, const std::string &extra = "");

// The record names of the store's enemy scripts: those that define a type on a model of
// the beasties or bosses folder, in store order (a record name also finds its script).
std::vector<std::string> enemy_script_names();
