-- turret_base.lua -- the wreck of a big turret: a smoking stump that stands a few seconds
-- before it crumbles.

local t = ACTOR_preload("turret_base", "beasties", "turret_base")
t[cp_actor_type] = cat_beastie
-- Wreckage: only the floor touches it (no shot or ship carries cat_ground), and its
-- clock runs from the moment it stands, so it crumbles on time.
t[cp_these_collide_with_me] = cat_ground
t[cp_in_beastie_count] = 0
c_preload_model(t)

c_set_trigger_mutate("byebye", "my_time_alive", 3, 4, 1, 1, 100, 100)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("bye_bye_damagable", "burst_medium", exp_no_align, 40, 0, 90, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 100, 130, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
