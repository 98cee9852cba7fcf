-- end_chaser.lua -- the end chaser: sent after the ships when the clock runs out, it hunts
-- them relentlessly and shrugs off shots.

local t = ACTOR_preload("end_chaser", "beasties", "end_chaser")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.28
t[cp_move_speed_max] = 0.34
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 5.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 1000
t[cp_score] = 0
t[cp_fade_in_translucent] = 1
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "end_chaser_hit")
c_add_sound_to_event("hit_null_bone", "end_chaser_ping")
c_add_sound_to_event("hit_fence", "end_chaser_fence")
c_add_sound_to_anim("byebye", "end_chaser_die")
c_add_sound_to_anim("emerge", "end_chaser_howl")

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
