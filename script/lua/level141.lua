-- level141.lua -- level 141: yellow robots, red blockers, small turrets and mergeblobs,
-- and first sight of split worms.

cur_level_num = 141
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(7500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "worm_chain_split", 4, plop_edge, 0, 0.65 )
    elseif t == 796 then
actor_plopper( "robot_yellow", 3, plop_edge, 0, 0.33, -25 )
actor_plopper( "turret_smallemerge", 3, plop_cluster, 20, 0.25 )
    elseif t == 1459 then
actor_plopper( "blocker_red", 4, plop_edge, 0, 0.65 )
    elseif t == 2056 then
actor_plopper( "turret_smallemerge", c_zrand_int(4, 7), plop_ring, 30, 0.25, 50 )
    elseif t == 2684 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 20, 0.82, 25 )
    elseif t == 3359 then
actor_plopper( "robot_yellow", 3, plop_edge, 0, 0.33 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.65 )
    elseif t == 4038 then
actor_plopper( "worm_chain_split", 3, plop_ring, 36, 0.65, 50 )
    elseif t == 4613 then
actor_plopper( "mergeblob_1_big_emerge", 1, plop_cluster, 20, 0.82 )
actor_plopper( "robot_yellow", c_zrand_int(2, 5), plop_cluster, 26, 0.33, 25 )
    elseif t == 5218 then
actor_plopper( "turret_smallemerge", 3, plop_ring, 36, 0.25, 25 )
actor_plopper( "worm_chain_split", 2, plop_ring, 40, 0.65, 50 )
    elseif t > 5218 then
        c_no_more_beasties_to_come()
    end
end
