-- trailer_trash.lua -- the trailer's litter: a glowing mine that lies where it fell and
-- fades after a while.

local t = ACTOR_preload("trailer_trash", "beasties", "trailer_trash")
t[cp_actor_type] = cat_beastie
t[cp_hit_power] = 1.0
t[cp_health_percent] = 30
t[cp_score] = 10
t[cp_in_beastie_count] = 0
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "trailer_trash_hit")
c_add_sound_to_event("hit_null_bone", "trailer_trash_ping")
c_add_sound_to_event("hit_fence", "trailer_trash_fence")
c_add_sound_to_anim("byebye", "trailer_trash_die")
c_add_sound_to_anim("pulse", "trailer_trash_beep", 1)

c_set_random_anim("pulse", 80, 120, 0.5, 1.0)
c_set_trigger_mutate("byebye", "my_time_alive", 6, 9, 1, 1, 100, 100)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
