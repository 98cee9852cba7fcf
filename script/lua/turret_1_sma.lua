-- turret_1_sma.lua -- the small turret: a gun on a post that turns to the ship and fires
-- pellets and short laser bolts.

if c_is_model_preloaded("bullet_turret1") ~= 0 then
    dofilx("bullet_turret1.lua")
end
if c_is_model_preloaded("laser-1_1sec") ~= 0 then
    dofilx("laser-1_1sec.lua")
end
if c_is_model_preloaded("laserfizz-1sec") ~= 0 then
    dofilx("laserfizz-1sec.lua")
end

local t = ACTOR_preload("turret_1_sma", "beasties", "turret_1_sma")
t[cp_actor_type] = cat_beastie
t[cp_hit_power] = 1.0
t[cp_health_percent] = 120
t[cp_score] = 200
t[cp_level_end_score] = 100
t[cp_these_collide_with_me] = cat_player + cat_bullet
c_preload_model(t)

local w = WEAPON_preload("bullet_turret1")

w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "around_only_aim"
w[w_gun_bone_name] = "gun_x"
w[w_shaft_bone_name] = "turret_x"
w[w_aim_delay] = 0.8
w[w_reload_random] = 10
WEAPON_add(w, { 1.5, 1.5, 0.4 })
local l = WEAPON_preload("laser-1_1sec")
l[w_flare_exp_name] = "flash_large"
l[w_gun_type] = "fire_from_bone"
l[w_gun_bone_name] = "gun_x"
WEAPON_add(l, { 5.0, 4.0 })

-- A burning beam ties each laser bolt to its gun for as long as the bolt lives.
c_add_fizz_between("laserfizz-1sec", "turret_1_sma", "gun_x", "laser-1_1sec", "mainbone_x",
    "barrier_damage_gamer", 60, 0, 60, 0)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("bye_bye_damagable", "burst_medium", exp_no_align, 40, 0, 90, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 100, 130, { 0 })
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
