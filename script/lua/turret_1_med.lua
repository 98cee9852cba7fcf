-- turret_1_med.lua -- the damaged big turret: half its guns are gone, and what is left
-- fires faster.

if c_is_model_preloaded("bullet_turret2") ~= 0 then
    dofilx("bullet_turret2.lua")
end
if c_is_model_preloaded("turret_base") ~= 0 then
    dofilx("turret_base.lua")
end

local t = ACTOR_preload("turret_1_med", "beasties", "turret_1_big")
t[cp_actor_type] = cat_beastie
t[cp_hit_power] = 1.0
t[cp_health_percent] = 150
t[cp_score] = 300
t[cp_level_end_score] = 150
c_preload_model(t)

local w = WEAPON_preload("bullet_turret2")

w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "around_only_aim"
w[w_gun_bone_name] = "gun_x"
w[w_shaft_bone_name] = "turret_x"
w[w_aim_delay] = 0.5
w[w_reload_random] = 10
WEAPON_add(w, { 0.8, 0.8, 0.3 })

-- Destroyed, it leaves its smoking base.
c_set_trigger_mutate("turret_base", "my_health", 0, 0, 1, 1, 100, 100)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("bye_bye_damagable", "burst_medium", exp_no_align, 40, 0, 90, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 100, 130, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
