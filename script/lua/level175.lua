-- level175.lua -- level 175: small turrets, small weelees, green walkers, big turrets,
-- sliding walls, ninjoos, yellow robots and trackflies.

cur_level_num = 175
dofilx("everything.lua")

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
actor_plopper( "turret_smallemerge", 3, plop_cluster, 38, 0.2 )
actor_plopper( "trackfly_1", c_zrand_int(6, 9), plop_cluster, 20, 0.17 )
    elseif t == 555 then
actor_plopper( "weelee_small", c_zrand_int(5, 8), plop_cluster, 32, 0.2, 50 )
actor_plopper( "robot_yellow", 4, plop_cluster, 32, 0.27 )
    elseif t == 895 then
actor_plopper( "robot_green", c_zrand_int(8, 11), plop_cluster, 38, 0.27, 25 )
    elseif t == 1265 then
actor_plopper( "turret_bigemerge", 3, plop_ring, 36, 0.33 )
    elseif t == 1650 then
actor_plopper( "wall_1_flat", 3, plop_line, 70, 0 )
actor_plopper( "robot_yellow", 3, plop_edge, 0, 0.27, 50 )
    elseif t == 2002 then
actor_plopper( "ninjoo_1", 2, plop_ring, 30, 0.33, -25 )
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.17 )
    elseif t == 2389 then
actor_plopper( "robot_yellow", 4, plop_cluster, 20, 0.27, 25 )
    elseif t == 2718 then
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.17, -25 )
actor_plopper( "robot_green", 7, plop_cluster, 26, 0.27 )
    elseif t == 3065 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.33 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0, 25 )
    elseif t == 3455 then
actor_plopper( "ninjoo_1", 3, plop_ring, 40, 0.33, 25 )
    elseif t == 3801 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.2 )
actor_plopper( "turret_smallemerge", 4, plop_cluster, 32, 0.2 )
    elseif t == 4181 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.17 )
actor_plopper( "robot_green", 10, plop_edge, 0, 0.27 )
    elseif t == 4503 then
actor_plopper( "wall_1_flat", 3, plop_line, 60, 0, 50 )
actor_plopper( "turret_smallemerge", 2, plop_ring, 45, 0.2 )
    elseif t > 4503 then
        c_no_more_beasties_to_come()
    end
end
