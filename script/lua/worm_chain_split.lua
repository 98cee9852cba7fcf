-- worm_chain_split.lua -- the split worm: a long chain that winds after the ship spitting
-- globs; at half health it bursts into its homing segments.

if c_is_model_preloaded("bullet_splitworm") ~= 0 then
    dofilx("bullet_splitworm.lua")
end
if c_is_model_preloaded("trackfly_1") ~= 0 then
    dofilx("trackfly_1.lua")
end

local t = ACTOR_preload("worm_chain_split", "beasties", "worm_chain_split")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.875
t[cp_move_speed_max] = 1.125
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 3.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 200
t[cp_score] = 250
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "worm_chain_split_hit")
c_add_sound_to_event("hit_null_bone", "worm_chain_split_ping")
c_add_sound_to_event("hit_fence", "worm_chain_split_fence")
c_add_sound_to_anim("byebye", "worm_chain_split_die")
c_add_sound_to_anim("slither", "worm_chain_split_hiss", 1)

c_set_use_anim_for("move_forward", "slither", 80, 120)
local w = WEAPON_preload("bullet_splitworm")
w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "head_x"
w[w_reload_random] = 20
WEAPON_add(w, { 2.0, 2.0, 0.5 })

c_set_trigger_mutate("trackfly_1", "my_health", 50, 50, 3, 4, 55, 65)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
