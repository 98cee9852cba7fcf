-- level163.lua -- level 163: split worms, red blockers, beemspiders, small turrets, big
-- weelees, trackflies and crystal storms.

cur_level_num = 163
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
actor_plopper( "worm_chain_split", 4, plop_edge, 0, 0.57, -25 )
    elseif t == 683 then
actor_plopper( "blocker_red", 4, plop_edge, 0, 0.57 )
    elseif t == 1151 then
actor_plopper( "beemspider_1", c_zrand_int(2, 5), plop_edge, 0, 0.57, 50 )
actor_plopper( "turret_smallemerge", 2, plop_ring, 45, 0.22, -25 )
    elseif t == 1641 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 40, 0.22, 50 )
actor_plopper( "worm_chain_split", 2, plop_ring, 30, 0.57, -25 )
    elseif t == 2067 then
actor_plopper( "weelee_big", 3, plop_edge, 0, 0.72 )
    elseif t == 2553 then
actor_plopper( "trackfly_1", 6, plop_cluster, 26, 0.18 )
actor_plopper( "turret_smallemerge", 2, plop_cluster, 38, 0.22, 50 )
    elseif t == 3041 then
actor_plopper( "crystal_medium", c_zrand_int(5, 8), plop_edge, 0, 0.29, 25 )
    elseif t == 3528 then
actor_plopper( "crystal_medium", 4, plop_ring, 45, 0.29, -25 )
actor_plopper( "weelee_big", 2, plop_ring, 36, 0.72, -25 )
    elseif t == 3951 then
actor_plopper( "blocker_red", 4, plop_line, 70, 0.57 )
    elseif t == 4386 then
actor_plopper( "blocker_red", 2, plop_line, 60, 0.57 )
actor_plopper( "turret_smallemerge", 4, plop_ring, 45, 0.22, 50 )
    elseif t == 4849 then
actor_plopper( "worm_chain_split", 4, plop_edge, 0, 0.57, 25 )
    elseif t > 4849 then
        c_no_more_beasties_to_come()
    end
end
