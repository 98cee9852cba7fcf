-- beasties_all.lua -- the enemy types a level can plop, each defined by the script of
-- the same name. A type is preloaded when the level plops it (levels below 101 preload
-- them all); the types it fires, spawns or turns into are preloaded by its own script.

beasties_all = {
    "robot_green", "robot_green_path", "robot_yellow",
    "trackfly_1", "trackfly_2", "pathfly_tiny",
    "spinner_1", "ninjoo_1", "weelee_small", "weelee_big",
    "crystal_large", "crystal_medium", "crystal_small",
    "blocker_red", "wall_1_flat", "chunk_1",
    "weblob_tiny2", "beemspider_1",
    "mergeblob_1_big_emerge", "mergeblob_1_big", "mergeblob_1_spawn",
    "trailer_1_emerge", "trailer_1",
    "turret_smallemerge", "turret_bigemerge", "turret_1_sma", "turret_1_med", "turret_1_big",
    "worm_chain_split",
    "motha_2_emerge", "motha_2", "robo_mom", "geopus", "powerpimp_emerge", "powerpimp",
}

for i = 1, #beasties_all do
    local name = beasties_all[i]
    if c_is_model_needed(name) ~= 0 and c_is_model_preloaded(name) ~= 0 then
        dofilx(name .. ".lua")
    end
end

-- The game itself sends the chaser after the players when the clock runs out.
if c_is_model_preloaded("end_chaser") ~= 0 then
    dofilx("end_chaser.lua")
end

-- With every type defined, the explosions they use take their particle effects.
EXPLOSION_add_particles()
