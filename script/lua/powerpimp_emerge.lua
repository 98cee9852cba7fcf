-- powerpimp_emerge.lua -- the powerpimp's grand entrance: it rises in a blaze of light and
-- after two seconds begins to shoot.

if c_is_model_preloaded("powerpimp") ~= 0 then
    dofilx("powerpimp.lua")
end

local t = ACTOR_preload("powerpimp_emerge", "bosses", "powerpimp")
t[cp_actor_type] = cat_beastie
-- While it rises only the floor touches it (no shot or ship carries cat_ground), and
-- its clock runs from the launch: it becomes its type on time.
t[cp_these_collide_with_me] = cat_ground
-- No health while it rises: a smart bomb passes over it, and the boss always comes.
t[cp_health_percent] = 0
t[cp_score] = 0
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "powerpimp_hit")
c_add_sound_to_event("hit_null_bone", "powerpimp_ping")
c_add_sound_to_event("hit_fence", "powerpimp_fence")
c_add_sound_to_anim("byebye", "powerpimp_die")
c_add_sound_to_anim("emerge", "powerpimp_fanfare")

c_set_trigger_mutate("powerpimp", "my_time_alive", 2.0, 2.0, 1, 1, 100, 100)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_set_use_explosion_for("bye_bye", "burst_large", exp_no_align, 60, 3.0, 100, 160, { 0, 0.15, 0.3, 0.5, 0.7 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 80, 0, 200, 250, { 0.3, 0.6 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_large", "explode", "exp_large")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
