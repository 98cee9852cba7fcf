-- beemspider_1.lua -- the beemspider: stalks the edge of the arena, strings burning
-- strands to the pylons near it and spits crackling shots.

if c_is_model_preloaded("beemspider_bullet") ~= 0 then
    dofilx("beemspider_bullet.lua")
end
if c_is_model_preloaded("beemspider-fizz") ~= 0 then
    dofilx("beemspider-fizz.lua")
end

local t = ACTOR_preload("beemspider_1", "beasties", "beemspider_1")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_random + cmt_anim_to_move + cmt_anim_to_turn
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.82
t[cp_move_speed_max] = 1.18
t[cp_move_inertia_accn] = 0.9
t[cp_random_edge_inner_percent] = 70
t[cp_random_edge_outer_percent] = 95
t[cp_turn_speed_still] = 3.0
-- Far off its heading it stops and turns on the spot with its turn animations.
t[cp_turn_lock_angle_inner] = 20.0
t[cp_turn_lock_angle_outer] = 70.0
t[cp_turn_speed_moving] = 2.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 160
t[cp_score] = 350
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "beemspider_1_hit")
c_add_sound_to_event("hit_null_bone", "beemspider_1_ping")
c_add_sound_to_event("hit_fence", "beemspider_1_fence")
c_add_sound_to_anim("byebye", "beemspider_1_die")
c_add_sound_to_anim("walk", "beemspider_1_skitter", 1)

c_set_use_anim_for("move_forward", "walk", 80, 120)
-- Its leg tips dot the floor, four at a time as each group of legs is set down.
FOOTPRINT_add("walk", "2", 0.55, 2, { "leg_l2_tip", 0, "leg_l4_tip", 0, "leg_r1_tip", 0, "leg_r3_tip", 0,
    "leg_l2_tip", 5, "leg_l4_tip", 5, "leg_r1_tip", 5, "leg_r3_tip", 5,
    "leg_l1_tip", 3, "leg_l3_tip", 3, "leg_r2_tip", 3, "leg_r4_tip", 3 })
c_set_use_anim_for("turn_left", "turn_l", 80, 120)
c_set_use_anim_for("turn_right", "turn_r", 80, 120)
local w = WEAPON_preload("beemspider_bullet")
w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "jaw_x"
w[w_reload_random] = 30
WEAPON_add(w, { 3.0, 2.0 })

-- Strands to every pylon 10 to 30 units away.
c_add_fizz_between("beemspider-fizz", "beemspider_1", "mainbone_x", "pylon-", "top_x",
    "barrier_damage_gamer", 100, 10, 30, 0)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
