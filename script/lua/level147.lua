-- level147.lua -- level 147: droplet swarms, trailers, split worms, great crystals and
-- yellow robots.

cur_level_num = 147
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", -1, 64)

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(7000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "mergeblob_1_spawn", c_zrand_int(10, 13), plop_cluster, 38, 0.08, 50 )
    elseif t == 789 then
actor_plopper( "trailer_1_emerge", 4, plop_path, "level-path", 0.95 )
    elseif t == 1372 then
actor_plopper( "worm_chain_split", c_zrand_int(2, 5), plop_ring, 45, 0.63, 50 )
    elseif t == 1948 then
actor_plopper( "crystal_large", 4, plop_ring, 45, 0.63, -25 )
    elseif t == 2532 then
actor_plopper( "robot_yellow", 3, plop_cluster, 32, 0.32 )
actor_plopper( "worm_chain_split", 2, plop_ring, 45, 0.63, -25 )
    elseif t == 3137 then
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_edge, 0, 0.63 )
    elseif t == 3708 then
actor_plopper( "mergeblob_1_spawn", 11, plop_cluster, 38, 0.08, 25 )
    elseif t == 4333 then
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.63, 25 )
    elseif t == 4888 then
actor_plopper( "crystal_large", 2, plop_ring, 36, 0.63 )
    elseif t > 4888 then
        c_no_more_beasties_to_come()
    end
end
