-- missile_weelee.lua -- the big weelee's rolling mine that chases ships for a while.

local t = ACTOR_preload("missile_weelee", "bullets", "missile_weelee")
t[cp_actor_type] = cat_beastie
t[cp_hit_power] = 1.0
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.25
t[cp_move_speed_max] = 0.3
t[cp_move_inertia_accn] = 0.92
t[cp_turn_speed_moving] = 2.0
t[cp_health_percent] = 20
t[cp_score] = 25
c_preload_model(t)

-- Launch, hits and the final burst.
c_add_sound_to_anim("mutate", "missile_launch")
c_add_sound_to_anim("byebye", "missile_blast")
c_add_sound_to_event("hit_active_bone", "missile_hit")
c_add_sound_to_event("hit_null_bone", "missile_hit")

-- Burns out after 5.0 seconds.
c_set_trigger_mutate("byebye", "my_time_alive", 5.0, 5.0, 1, 1, 100, 100)

-- Explosions: the missile bursts where it ends.
c_set_use_explosion_for("bye_bye", "burst_missile", exp_no_align, 20, 0.5, 80, 100, { 0 })
