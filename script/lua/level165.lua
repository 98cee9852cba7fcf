-- level165.lua -- level 165: crystal storms, stinging trackflies, green walkers, weblobs,
-- big turrets, red blockers and small weelees.

cur_level_num = 165
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
actor_plopper( "crystal_medium", 4, plop_ring, 30, 0.28, -25 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.57, 25 )
    elseif t == 671 then
actor_plopper( "trackfly_2", 5, plop_cluster, 26, 0.21, 25 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.57, 25 )
    elseif t == 1067 then
actor_plopper( "robot_green", 5, plop_ring, 36, 0.28 )
actor_plopper( "turret_bigemerge", 1, plop_ring, 40, 0.35, 50 )
    elseif t == 1530 then
actor_plopper( "weblob_tiny2", c_zrand_int(8, 11), plop_ring, 30, 0.11 )
actor_plopper( "turret_bigemerge", 1, plop_ring, 30, 0.35, -25 )
    elseif t == 1981 then
actor_plopper( "turret_bigemerge", 1, plop_cluster, 20, 0.35 )
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.28, -25 )
    elseif t == 2393 then
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.57 )
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.21, 25 )
    elseif t == 2802 then
actor_plopper( "weelee_small", 4, plop_edge, 0, 0.21, 50 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.57 )
    elseif t == 3213 then
actor_plopper( "turret_bigemerge", 1, plop_ring, 40, 0.35 )
actor_plopper( "robot_green", 5, plop_ring, 40, 0.28, 25 )
    elseif t == 3686 then
actor_plopper( "turret_bigemerge", 2, plop_cluster, 26, 0.35 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.57 )
    elseif t == 4112 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.21 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.57, 50 )
    elseif t == 4506 then
actor_plopper( "turret_bigemerge", 2, plop_cluster, 38, 0.35, 50 )
    elseif t == 4909 then
actor_plopper( "robot_green", c_zrand_int(7, 10), plop_cluster, 38, 0.28 )
    elseif t > 4909 then
        c_no_more_beasties_to_come()
    end
end
