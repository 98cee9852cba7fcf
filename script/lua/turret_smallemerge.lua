-- turret_smallemerge.lua -- a small turret rising out of the floor; after a second and a
-- half it opens fire as the small turret.

if c_is_model_preloaded("turret_1_sma") ~= 0 then
    dofilx("turret_1_sma.lua")
end

local t = ACTOR_preload("turret_smallemerge", "beasties", "turret_1_sma")
t[cp_actor_type] = cat_beastie
-- While it rises only the floor touches it (no shot or ship carries cat_ground), and
-- its clock runs from the launch: it becomes its type on time.
t[cp_these_collide_with_me] = cat_ground
t[cp_score] = 0
c_preload_model(t)

c_set_trigger_mutate("turret_1_sma", "my_time_alive", 1.5, 1.5, 1, 1, 100, 100)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
