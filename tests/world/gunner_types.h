// gunner_types.h -- the script of a small turret that aims at a ship and fires the tree's
// turret shot, and a ship to aim at: the types the shots' picture and the bullets'
// benchmark launch (over the generated tree's models).
#pragma once

// Types "gunner_shot", "gunner" (turret_1_sma, aim 0.3 s, a shot every 0.4 s give or take
// 40 %) and "gunner_ship" (ship_1).
inline const char *const GUNNER_TYPES = R"(
local s = ACTOR_preload("gunner_shot", "bullets", "bullet_turret1")
s[cp_actor_type] = cat_bullet
s[cp_hit_power] = 0.1
c_preload_model(s)
local t = ACTOR_preload("gunner", "beasties", "turret_1_sma")
t[cp_actor_type] = cat_beastie
c_preload_model(t)
local w = WEAPON_preload("gunner_shot")
w[w_gun_type] = "around_only_aim"
w[w_gun_bone_name] = "gun_x"
w[w_shaft_bone_name] = "turret_x"
w[w_aim_delay] = 0.3
w[w_reload_random] = 40
WEAPON_add(w, { 0.4 })
local p = ACTOR_preload("gunner_ship", "players", "ship_1")
p[cp_actor_type] = cat_player
c_preload_model(p)
)";
