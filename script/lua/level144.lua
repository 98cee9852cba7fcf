-- level144.lua -- level 144: small weelees, red blockers, patrolling walkers and small
-- turrets, and first sight of crystal storms.
-- Among its waves also beemspiders and trackflies.

cur_level_num = 144
dofilx("everything.lua")

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
actor_plopper( "crystal_medium", 3, plop_ring, 30, 0.32, 25 )
actor_plopper( "weelee_small", 4, plop_edge, 0, 0.24 )
    elseif t == 808 then
actor_plopper( "weelee_small", c_zrand_int(5, 8), plop_cluster, 38, 0.24 )
    elseif t == 1453 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.64 )
actor_plopper( "blocker_red", 3, plop_line, 60, 0.64 )
    elseif t == 2061 then
actor_plopper( "robot_green_path", 7, plop_path, "inner-path", 0.48, 50 )
    elseif t == 2698 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.21 )
actor_plopper( "turret_smallemerge", 3, plop_ring, 40, 0.24 )
actor_plopper( "weelee_small", 4, plop_edge, 0, 0.24, -25 )
    elseif t == 3300 then
actor_plopper( "blocker_red", c_zrand_int(2, 5), plop_line, 50, 0.64, 25 )
    elseif t == 3908 then
actor_plopper( "crystal_medium", 3, plop_ring, 45, 0.32, 50 )
actor_plopper( "turret_smallemerge", 3, plop_ring, 45, 0.24 )
    elseif t == 4488 then
actor_plopper( "blocker_red", 2, plop_line, 60, 0.64, 50 )
actor_plopper( "weelee_small", 4, plop_edge, 0, 0.24, 25 )
    elseif t == 5090 then
actor_plopper( "crystal_medium", 3, plop_ring, 45, 0.32, -25 )
actor_plopper( "blocker_red", 2, plop_line, 50, 0.64 )
    elseif t > 5090 then
        c_no_more_beasties_to_come()
    end
end
