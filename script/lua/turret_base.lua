-- turret_base.lua -- the wreck of a big turret: a smoking stump that stands a few seconds
-- before it crumbles.

local t = ACTOR_preload("turret_base", "beasties", "turret_base")
t[cp_actor_type] = cat_beastie
t[cp_these_collide_with_me] = 0
t[cp_in_beastie_count] = 0
c_preload_model(t)

c_set_trigger_mutate("byebye", "my_time_alive", 3, 4, 1, 1, 100, 100)
