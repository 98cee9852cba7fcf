-- geopus.lua -- the geopus: a great crawling octopus that grows a ring of weblobs on its
-- arms, strings them together with burning strands and spits when they are gone.

if c_is_model_preloaded("weblob_tiny2") ~= 0 then
    dofilx("weblob_tiny2.lua")
end
if c_is_model_preloaded("bullet_splitworm") ~= 0 then
    dofilx("bullet_splitworm.lua")
end

local t = ACTOR_preload("geopus", "bosses", "geopus")
t[cp_actor_type] = cat_geopus
t[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.75
t[cp_move_speed_max] = 1.25
t[cp_move_inertia_accn] = 0.97
t[cp_turn_speed_moving] = 0.8
t[cp_target_stop_dist] = 22.0
t[cp_weight] = 30.0
t[cp_hit_power] = 1.0
t[cp_geopus_style] = 2
t[cp_num_spawn_min] = 1
t[cp_num_spawn_max] = 1
t[cp_scale_spawn_min] = 70
t[cp_scale_spawn_max] = 80
t[cp_health_percent] = 3000
t[cp_score] = 8000
t[cp_level_end_score] = 4000
t[cp_in_screen_zoom_box] = 1
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "geopus_hit")
c_add_sound_to_event("hit_null_bone", "geopus_ping")
c_add_sound_to_event("hit_fence", "geopus_fence")
c_add_sound_to_anim("byebye", "geopus_die")
c_add_sound_to_anim("grow", "geopus_grow", 1)
c_add_sound_to_anim("crawl", "geopus_squelch", 1)

c_set_use_anim_for("move_forward", "crawl", 80, 120)
-- Its suckers print the floor as each group of arms pulls (not the budding arm).
FOOTPRINT_add("crawl", "2", 1.1, 4, { "arm1_pad", 2, "arm3_pad", 2, "arm5_pad", 2, "arm7_pad", 2,
    "arm2_pad", 4, "arm6_pad", 4, "arm8_pad", 4 })
-- A weblob grows on an arm tip every five seconds and hangs there for ten.
c_set_trigger_spawn("weblob_tiny2", "grow", "arm_tip_x", 50, 5.0, 10.0, 3)
-- With fewer than two weblobs left it spits at the ship.
local bare = ACTOR_preload("geopus", "bosses", "geopus")
bare[cp_actor_type] = cat_geopus
bare[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
bare[cp_move_speed_min] = 1.25
bare[cp_move_speed_max] = 1.75
bare[cp_turn_speed_moving] = 1.2
bare[cp_weight] = 30.0
bare[cp_hit_power] = 1.0
bare[cp_geopus_style] = 2
bare[cp_health_percent] = 3000
bare[cp_score] = 8000
bare[cp_level_end_score] = 4000
bare[cp_move_target] = "track_player"
c_set_trigger_state("less_beasties_active", "weblob_tiny2", 2, 2, bare)
      local w = WEAPON_preload("bullet_splitworm")
      w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "mouth_x"
w[w_reload_random] = 20
WEAPON_add(w, { 1.0, 0.3, 0.3, 2.0 })

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_set_use_explosion_for("bye_bye", "burst_large", exp_no_align, 60, 3.0, 100, 160, { 0, 0.15, 0.3, 0.5, 0.7 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 80, 0, 200, 250, { 0.3, 0.6 })
c_set_use_explosion_for("bye_bye_arm_tip_x", "burst_medium", exp_no_align, 0, 0, 100, 120, { 0.1 })
c_set_use_explosion_for("bye_bye_damagable", "burst_large", exp_no_align, 40, 0, 120, 150, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_large", "explode", "exp_large")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
