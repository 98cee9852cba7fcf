-- level189.lua -- level 189: yellow robots, weblobs, crystal storms, big weelees, red
-- blockers, stinging trackflies, small weelees and split worms, with the motha, Robo Mom,
-- the geopus and the powerpimp to beat.

cur_level_num = 189
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(17500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "robot_yellow", 4, plop_cluster, 38, 0.24, -25 )
actor_plopper( "worm_chain_split", c_zrand_int(2, 5), plop_ring, 40, 0.48, 25 )
    elseif t == 477 then
actor_plopper( "weblob_tiny2", 11, plop_cluster, 38, 0.09, -25 )
actor_plopper( "blocker_red", 3, plop_line, 60, 0.48 )
    elseif t == 762 then
actor_plopper( "crystal_medium", c_zrand_int(7, 10), plop_ring, 30, 0.24 )
    elseif t == 1012 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.6 )
actor_plopper( "worm_chain_split", c_zrand_int(2, 5), plop_edge, 0, 0.48 )
    elseif t == 1274 then
actor_plopper( "blocker_red", 3, plop_line, 70, 0.48 )
actor_plopper( "robot_yellow", c_zrand_int(4, 7), plop_edge, 0, 0.24, -25 )
    elseif t == 1535 then
actor_plopper( "trackfly_2", 6, plop_edge, 0, 0.18, -25 )
actor_plopper( "weblob_tiny2", 11, plop_ring, 45, 0.09 )
    elseif t == 1772 then
actor_plopper( "weelee_small", 9, plop_edge, 0, 0.18, 50 )
    elseif t == 2043 then
actor_plopper( "worm_chain_split", 3, plop_ring, 45, 0.48 )
actor_plopper( "robot_yellow", c_zrand_int(4, 7), plop_cluster, 32, 0.24, 50 )
    elseif t == 2303 then
actor_plopper( "motha_2_emerge", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 3203 then
actor_plopper( "robot_yellow", 6, plop_edge, 0, 0.4 )
    elseif t == 4103 then
actor_plopper( "robot_yellow", 6, plop_edge, 0, 0.4 )
    elseif t == 5003 then
actor_plopper( "robo_mom", 1, plop_ring, 25, 0 )
    elseif t == 5903 then
actor_plopper( "weblob_tiny2", 12, plop_cluster, 20, 0.15 )
    elseif t == 6803 then
actor_plopper( "weblob_tiny2", 12, plop_cluster, 32, 0.15 )
    elseif t == 7703 then
actor_plopper( "geopus", 1, plop_ring, 25, 0 )
    elseif t == 8603 then
actor_plopper( "crystal_medium", 6, plop_edge, 0, 0.4 )
    elseif t == 9503 then
actor_plopper( "crystal_medium", 6, plop_ring, 40, 0.4 )
    elseif t == 10403 then
actor_plopper( "powerpimp_emerge", 1, plop_ring, 25, 0 )
    elseif t == 11303 then
actor_plopper( "weelee_big", 3, plop_ring, 45, 1 )
    elseif t == 12203 then
actor_plopper( "weelee_big", 3, plop_ring, 36, 1 )
    elseif t > 12203 then
        c_no_more_beasties_to_come()
    end
end
