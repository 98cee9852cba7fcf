-- pathfly_tiny.lua -- the tiny pathfly: swarms along a path in long lines and stings ships
-- in its way.

if c_is_model_preloaded("bullet_pathfly") ~= 0 then
    dofilx("bullet_pathfly.lua")
end

local t = ACTOR_preload("pathfly_tiny", "beasties", "pathfly_tiny")
t[cp_actor_type] = cat_flyer
t[cp_move_type] = cmt_path + cmt_random
t[cp_move_speed_min] = 0.25
t[cp_move_speed_max] = 0.3
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 6.0
t[cp_launch_scale_min] = 50
t[cp_launch_scale_max] = 60
t[cp_hit_power] = 1.0
t[cp_health_percent] = 50
t[cp_score] = 50
t[cp_bonus_seq_hit] = 8
t[cp_bonus_seq_score] = 1000
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "pathfly_tiny_hit")
c_add_sound_to_event("hit_null_bone", "pathfly_tiny_ping")
c_add_sound_to_event("hit_fence", "pathfly_tiny_fence")
c_add_sound_to_anim("byebye", "pathfly_tiny_die")
c_add_sound_to_anim("emerge", "pathfly_tiny_chirp")

local w = WEAPON_preload("bullet_pathfly")

w[w_flare_exp_name] = "flash_small"
w[w_reload_random] = 40
w[w_bullet_scale] = 80
WEAPON_add(w, { 4.0, 3.0, 5.0 })

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
