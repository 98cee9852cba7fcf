-- level142.lua -- level 142: split worms, green walkers, small turrets, red blockers and
-- mergeblobs.

cur_level_num = 142
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
actor_plopper( "worm_chain_split", 4, plop_ring, 30, 0.65, 50 )
    elseif t == 809 then
actor_plopper( "robot_green", c_zrand_int(3, 6), plop_cluster, 20, 0.33 )
actor_plopper( "mergeblob_1_big_emerge", 1, plop_cluster, 20, 0.81 )
    elseif t == 1459 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 20, 0.24 )
actor_plopper( "blocker_red", 2, plop_line, 70, 0.65, 25 )
    elseif t == 2086 then
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.65, 50 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.65, -25 )
    elseif t == 2758 then
actor_plopper( "mergeblob_1_big_emerge", 3, plop_cluster, 32, 0.81, 50 )
    elseif t == 3360 then
actor_plopper( "worm_chain_split", 3, plop_edge, 0, 0.65, -25 )
    elseif t == 3959 then
actor_plopper( "worm_chain_split", 2, plop_ring, 36, 0.65, 25 )
actor_plopper( "robot_green", c_zrand_int(3, 6), plop_ring, 36, 0.33 )
    elseif t == 4588 then
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.65, -25 )
actor_plopper( "turret_smallemerge", 3, plop_ring, 40, 0.24 )
    elseif t == 5176 then
actor_plopper( "mergeblob_1_big_emerge", c_zrand_int(2, 5), plop_ring, 45, 0.81, 50 )
    elseif t > 5176 then
        c_no_more_beasties_to_come()
    end
end
