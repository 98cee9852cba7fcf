-- trailer_trash.lua -- the trailer's litter: a glowing mine that lies where it fell and
-- fades after a while.

local t = ACTOR_preload("trailer_trash", "beasties", "trailer_trash")
t[cp_actor_type] = cat_beastie
t[cp_hit_power] = 1.0
t[cp_health_percent] = 30
t[cp_score] = 10
t[cp_in_beastie_count] = 0
c_preload_model(t)

c_set_random_anim("pulse", 80, 120, 0.5, 1.0)
c_set_trigger_mutate("byebye", "my_time_alive", 6, 9, 1, 1, 100, 100)
