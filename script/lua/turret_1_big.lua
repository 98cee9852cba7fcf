-- turret_1_big.lua -- the big turret: twin guns, a rocket rack and a long laser; badly
-- hurt, it becomes the damaged turret.

if c_is_model_preloaded("bullet_turret2") ~= 0 then
    dofilx("bullet_turret2.lua")
end
if c_is_model_preloaded("missile_turret") ~= 0 then
    dofilx("missile_turret.lua")
end
if c_is_model_preloaded("laser-1_3sec") ~= 0 then
    dofilx("laser-1_3sec.lua")
end
if c_is_model_preloaded("laserfizz-3sec") ~= 0 then
    dofilx("laserfizz-3sec.lua")
end
if c_is_model_preloaded("turret_1_med") ~= 0 then
    dofilx("turret_1_med.lua")
end
if c_is_model_preloaded("turret_1_sma") ~= 0 then
    dofilx("turret_1_sma.lua")
end
if c_is_model_preloaded("turret-fizz") ~= 0 then
    dofilx("turret-fizz.lua")
end

local t = ACTOR_preload("turret_1_big", "beasties", "turret_1_big")
t[cp_actor_type] = cat_beastie
t[cp_hit_power] = 1.0
t[cp_health_percent] = 300
t[cp_score] = 600
t[cp_level_end_score] = 300
c_preload_model(t)

local w = WEAPON_preload("bullet_turret2")

w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "around_only_aim"
w[w_gun_bone_name] = "gun_l_x"
w[w_shaft_bone_name] = "turret_x"
w[w_aim_delay] = 0.8
w[w_reload_random] = 10
WEAPON_add(w, { 1.2, 1.2, 0.3 })
local w2 = WEAPON_preload("bullet_turret2")
w2[w_flare_exp_name] = "flash_small"
w2[w_gun_type] = "around_only_aim"
w2[w_gun_bone_name] = "gun_r_x"
w2[w_shaft_bone_name] = "turret_x"
w2[w_aim_delay] = 0.8
w2[w_reload_random] = 10
WEAPON_add(w2, { 1.2, 1.2, 0.3 })
local m = WEAPON_preload("missile_turret")
m[w_flare_exp_name] = "flash_large"
m[w_gun_type] = "fire_from_bone"
m[w_gun_bone_name] = "rack_x"
m[w_barrel_offset] = 2.0
WEAPON_add(m, { 6.0, 0.4, 6.0 })
local l = WEAPON_preload("laser-1_3sec")
l[w_flare_exp_name] = "flash_large"
l[w_gun_type] = "fire_from_bone"
l[w_gun_bone_name] = "gun_l_x"
WEAPON_add(l, { 7.0, 5.0 })

c_add_fizz_between("laserfizz-3sec", "turret_1_big", "gun_l_x", "laser-1_3sec", "mainbone_x",
    "barrier_damage_gamer", 100, 0, 90, 0)
-- Neighbouring turrets hum with a line of light.
c_add_fizz_between("turret-fizz", "turret_1_big", "turret_x", "turret_1_sma", "turret_x",
    "fizz", 60, 5, 40, 0)

-- At a third of its health it loses half its guns.
c_set_trigger_mutate("turret_1_med", "my_health", 33, 33, 1, 1, 100, 100)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("bye_bye_damagable", "burst_medium", exp_no_align, 40, 0, 90, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 100, 130, { 0 })
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
