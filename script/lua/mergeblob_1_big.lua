-- mergeblob_1_big.lua -- the big mergeblob: a quivering mass that crawls after the ship,
-- sheds droplets as it goes and bursts into them when broken.

if c_is_model_preloaded("mergeblob_1_spawn") ~= 0 then
    dofilx("mergeblob_1_spawn.lua")
end

local t = ACTOR_preload("mergeblob_1_big", "beasties", "mergeblob_1")
t[cp_actor_type] = cat_mergeblob
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.05
t[cp_move_speed_max] = 0.08
t[cp_move_inertia_accn] = 0.95
t[cp_turn_speed_moving] = 1.5
t[cp_weight] = 3.0
t[cp_hit_power] = 1.0
t[cp_num_spawn_min] = 1
t[cp_num_spawn_max] = 2
t[cp_scale_spawn_min] = 45
t[cp_scale_spawn_max] = 55
t[cp_health_percent] = 300
t[cp_score] = 400
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "mergeblob_1_hit")
c_add_sound_to_event("hit_null_bone", "mergeblob_1_ping")
c_add_sound_to_event("hit_fence", "mergeblob_1_fence")
c_add_sound_to_anim("byebye", "mergeblob_1_die")
c_add_sound_to_anim("wobble", "mergeblob_1_wobble", 1)

-- Sheds a droplet every two seconds once its wobble is a third through.
c_set_trigger_spawn("mergeblob_1_spawn", "wobble", "mainbone_x", 33, 2.0, 0, 4)
-- Broken, it bursts into four to six droplets.
c_set_trigger_mutate("mergeblob_1_spawn", "my_health", 0, 0, 4, 6, 45, 60)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 100, 130, { 0 })
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
