-- player_1.lua -- ship 1, the arrowhead: quick to turn, light on momentum. Its hull turns
-- to the direction of travel while the turret turns to the aim; both take the colours of
-- the player who flies it.

local hull = ACTOR_preload("player_1_hull", "players", "ship_1_hull")
hull[cp_actor_type] = cat_player
hull[cp_in_beastie_count] = 0
-- Height of the hull above the turret: the hull model hangs its body this far below its
-- origin, so turret and hull share one plane.
hull[cp_bullet_spray_angle] = 2.0
hull[cp_move_target] = ""
c_preload_model(hull)

local t = ACTOR_preload("player_1", "players", "ship_1")
t[cp_actor_type] = cat_player
t[cp_in_beastie_count] = 0
-- Top speed in units per tick, and the momentum kept per tick while steering and coasting.
t[cp_move_speed_min] = 0.0
t[cp_move_speed_max] = 0.55
t[cp_move_inertia_accn] = 0.78
t[cp_move_inertia_decn] = 0.86
t[cp_fence_bounce_percent] = 60
-- The hull above is this ship's linked type.
t[cp_move_target] = "player_1_hull"
c_preload_model(t)

c_set_random_anim("idle", 80, 120, 2, 5)
-- Every shot: the turret's recoil and its sound.
c_add_sound_to_anim("fire", "player_fire")

-- Explosions: the ship's death, its smart bomb and the bonus sparkles.
c_set_use_explosion_for("bye_bye", "burst_ship", exp_no_align, 0, 2.0, 100, 100, { 0 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 40, 0, 140, 160, { 0.3 })
c_set_use_explosion_for("smart_bomb", "bomb_wave", exp_no_align, 0, -1, 100, 100, { 0 })
c_set_use_explosion_for("bonus_extra", "sparkle_bonus", exp_no_align, 0, 0, 120, 160, { 0, 0.2, 0.4 })
c_set_use_explosion_for("multiply_extra", "sparkle_bonus", exp_no_align, 0, 0, 70, 90, { 0 })
c_add_sound_to_explosion("burst_ship", "explode", "exp_ship")
c_add_sound_to_explosion("bomb_wave", "explode", "exp_bomb")
