-- level138.lua -- level 138: big turrets, mergeblobs, patrolling walkers, stinging
-- trackflies and green walkers.

cur_level_num = 138
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
actor_plopper( "turret_bigemerge", 2, plop_ring, 36, 0.42 )
    elseif t == 872 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 36, 0.83 )
    elseif t == 1584 then
actor_plopper( "robot_green_path", 4, plop_path, "figure-eight", 0.5 )
actor_plopper( "robot_green", 4, plop_edge, 0, 0.33 )
    elseif t == 2275 then
actor_plopper( "trackfly_2", 6, plop_cluster, 26, 0.25 )
    elseif t == 2867 then
actor_plopper( "robot_green", 7, plop_ring, 30, 0.33 )
    elseif t == 3581 then
actor_plopper( "robot_green", 6, plop_cluster, 26, 0.33 )
    elseif t == 4228 then
actor_plopper( "turret_bigemerge", 2, plop_cluster, 26, 0.42 )
    elseif t == 4869 then
actor_plopper( "turret_bigemerge", 1, plop_ring, 40, 0.42 )
actor_plopper( "robot_green_path", 4, plop_path, "star-path", 0.5 )
    elseif t > 4869 then
        c_no_more_beasties_to_come()
    end
end
