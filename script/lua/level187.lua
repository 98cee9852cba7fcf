-- level187.lua -- level 187: spinners, big turrets, small turrets, beemspiders, split
-- worms, red blockers, great crystals and green walkers.

cur_level_num = 187
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(6000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "spinner_1", c_zrand_int(5, 8), plop_edge, 0, 0.18, 50 )
actor_plopper( "crystal_large", 3, plop_ring, 30, 0.49, 50 )
    elseif t == 470 then
actor_plopper( "turret_bigemerge", 3, plop_ring, 36, 0.3, 50 )
    elseif t == 740 then
actor_plopper( "turret_smallemerge", c_zrand_int(7, 10), plop_ring, 36, 0.18, 50 )
    elseif t == 1001 then
actor_plopper( "beemspider_1", 6, plop_edge, 0, 0.49, 50 )
    elseif t == 1265 then
actor_plopper( "worm_chain_split", c_zrand_int(2, 5), plop_ring, 30, 0.49, -25 )
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_ring, 36, 0.49, 25 )
    elseif t == 1504 then
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.49, 50 )
actor_plopper( "turret_smallemerge", 5, plop_cluster, 38, 0.18, 50 )
    elseif t == 1769 then
actor_plopper( "crystal_large", 3, plop_edge, 0, 0.49, 50 )
actor_plopper( "worm_chain_split", 3, plop_edge, 0, 0.49, 50 )
    elseif t == 2012 then
actor_plopper( "robot_green", 6, plop_cluster, 20, 0.24 )
actor_plopper( "blocker_red", 3, plop_line, 70, 0.49, 25 )
    elseif t == 2295 then
actor_plopper( "turret_smallemerge", 8, plop_cluster, 38, 0.18 )
    elseif t == 2547 then
actor_plopper( "beemspider_1", c_zrand_int(3, 6), plop_ring, 40, 0.49 )
actor_plopper( "worm_chain_split", 3, plop_ring, 40, 0.49, 50 )
    elseif t == 2809 then
actor_plopper( "robot_green", 6, plop_cluster, 38, 0.24, 25 )
actor_plopper( "beemspider_1", c_zrand_int(3, 6), plop_ring, 36, 0.49, 50 )
    elseif t == 3075 then
actor_plopper( "turret_bigemerge", 2, plop_ring, 30, 0.3, 50 )
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.49 )
    elseif t == 3338 then
actor_plopper( "blocker_red", 5, plop_edge, 0, 0.49, -25 )
    elseif t == 3591 then
actor_plopper( "turret_bigemerge", 2, plop_ring, 45, 0.3 )
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_edge, 0, 0.49, 50 )
    elseif t > 3591 then
        c_no_more_beasties_to_come()
    end
end
