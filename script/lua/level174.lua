-- level174.lua -- level 174: weblobs, big weelees, spinners, green walkers, yellow robots,
-- crystal storms, ninjoos and patrolling walkers.

cur_level_num = 174
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 73)

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(6500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "weblob_tiny2", c_zrand_int(8, 11), plop_ring, 40, 0.1, 50 )
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.33, -25 )
    elseif t == 607 then
actor_plopper( "weelee_big", 3, plop_ring, 40, 0.67 )
    elseif t == 940 then
actor_plopper( "spinner_1", c_zrand_int(6, 9), plop_ring, 45, 0.2 )
    elseif t == 1318 then
actor_plopper( "robot_green", 6, plop_edge, 0, 0.27 )
actor_plopper( "weblob_tiny2", c_zrand_int(8, 11), plop_cluster, 26, 0.1 )
    elseif t == 1661 then
actor_plopper( "robot_yellow", c_zrand_int(4, 6), plop_edge, 0, 0.27, 25 )
    elseif t == 2049 then
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_edge, 0, 0.27 )
actor_plopper( "ninjoo_1", 2, plop_ring, 36, 0.33 )
    elseif t == 2379 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.33, -25 )
actor_plopper( "robot_yellow", 2, plop_edge, 0, 0.27, 25 )
    elseif t == 2720 then
actor_plopper( "robot_green_path", 7, plop_path, "level-path", 0.4, 25 )
actor_plopper( "weelee_big", 2, plop_ring, 30, 0.67, 25 )
    elseif t == 3096 then
actor_plopper( "robot_green", 7, plop_ring, 36, 0.27 )
actor_plopper( "robot_green_path", 6, plop_path, "level-path", 0.4 )
    elseif t == 3488 then
actor_plopper( "robot_green", 6, plop_ring, 36, 0.27 )
actor_plopper( "ninjoo_1", 2, plop_ring, 45, 0.33 )
    elseif t == 3883 then
actor_plopper( "ninjoo_1", 2, plop_ring, 45, 0.33, 25 )
    elseif t == 4247 then
actor_plopper( "spinner_1", 4, plop_ring, 30, 0.2, -25 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.67 )
    elseif t == 4593 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.33, -25 )
actor_plopper( "robot_green", 6, plop_cluster, 20, 0.27, 50 )
    elseif t > 4593 then
        c_no_more_beasties_to_come()
    end
end
