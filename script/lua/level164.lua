-- level164.lua -- level 164: pathfly swarms, small weelees, small turrets, weblobs,
-- beemspiders, yellow robots and green walkers.
-- Among its waves also ninjoos, spinners, trackflies and stinging trackflies.

cur_level_num = 164
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 63)

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
actor_plopper( "pathfly_tiny", c_zrand_int(8, 11), plop_path, "zigzag-path", 0.18, 50 )
actor_plopper( "weelee_small", c_zrand_int(3, 6), plop_cluster, 38, 0.21 )
    elseif t == 632 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.36 )
actor_plopper( "weelee_small", 8, plop_cluster, 32, 0.21 )
    elseif t == 1092 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 20, 0.21 )
actor_plopper( "pathfly_tiny", c_zrand_int(8, 11), plop_path, "edge-path", 0.18 )
    elseif t == 1500 then
actor_plopper( "weblob_tiny2", c_zrand_int(8, 11), plop_cluster, 38, 0.11, 25 )
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_edge, 0, 0.29 )
    elseif t == 1974 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18 )
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.57 )
actor_plopper( "weelee_small", c_zrand_int(3, 6), plop_cluster, 20, 0.21, 25 )
    elseif t == 2384 then
actor_plopper( "trackfly_2", 4, plop_edge, 0, 0.21 )
actor_plopper( "robot_yellow", 6, plop_edge, 0, 0.29, -25 )
    elseif t == 2856 then
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.21 )
actor_plopper( "robot_green", c_zrand_int(7, 10), plop_edge, 0, 0.29 )
    elseif t == 3275 then
actor_plopper( "pathfly_tiny", 9, plop_path, "inner-path", 0.18, 25 )
actor_plopper( "turret_smallemerge", c_zrand_int(3, 6), plop_ring, 36, 0.21 )
    elseif t == 3745 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18 )
actor_plopper( "weelee_small", 7, plop_cluster, 32, 0.21, -25 )
    elseif t == 4209 then
actor_plopper( "spinner_1", 6, plop_ring, 36, 0.21 )
actor_plopper( "pathfly_tiny", 8, plop_path, "level-path", 0.18 )
actor_plopper( "robot_yellow", 4, plop_edge, 0, 0.29 )
    elseif t == 4641 then
actor_plopper( "robot_green", 8, plop_edge, 0, 0.29 )
    elseif t > 4641 then
        c_no_more_beasties_to_come()
    end
end
