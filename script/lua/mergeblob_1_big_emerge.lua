-- mergeblob_1_big_emerge.lua -- the big mergeblob rising out of the floor; after a second
-- and a half it is the big mergeblob.

if c_is_model_preloaded("mergeblob_1_big") ~= 0 then
    dofilx("mergeblob_1_big.lua")
end

local t = ACTOR_preload("mergeblob_1_big_emerge", "beasties", "mergeblob_1")
t[cp_actor_type] = cat_mergeblob
-- While it rises only the floor touches it (no shot or ship carries cat_ground), and
-- its clock runs from the launch: it becomes its type on time.
t[cp_these_collide_with_me] = cat_ground
t[cp_score] = 0
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "mergeblob_1_hit")
c_add_sound_to_event("hit_null_bone", "mergeblob_1_ping")
c_add_sound_to_event("hit_fence", "mergeblob_1_fence")
c_add_sound_to_anim("byebye", "mergeblob_1_die")
c_add_sound_to_anim("wobble", "mergeblob_1_wobble", 1)

c_set_trigger_mutate("mergeblob_1_big", "my_time_alive", 1.5, 1.5, 1, 1, 100, 100)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
