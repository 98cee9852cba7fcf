-- level155.lua -- level 155: split worms, crystal storms, sliding walls, beemspiders,
-- small turrets and patrolling walkers.

cur_level_num = 155
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
actor_plopper( "worm_chain_split", 2, plop_ring, 40, 0.6, 25 )
actor_plopper( "beemspider_1", c_zrand_int(2, 5), plop_ring, 45, 0.6 )
    elseif t == 779 then
actor_plopper( "crystal_medium", c_zrand_int(5, 8), plop_edge, 0, 0.3, 50 )
    elseif t == 1278 then
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0, -25 )
actor_plopper( "turret_smallemerge", 4, plop_cluster, 26, 0.23, -25 )
    elseif t == 1814 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.6, -25 )
actor_plopper( "crystal_medium", 4, plop_ring, 40, 0.3, 25 )
    elseif t == 2310 then
actor_plopper( "turret_smallemerge", c_zrand_int(3, 6), plop_cluster, 32, 0.23, 50 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, 25 )
    elseif t == 2781 then
actor_plopper( "robot_green_path", c_zrand_int(4, 7), plop_path, "star-path", 0.45, 50 )
actor_plopper( "turret_smallemerge", 4, plop_ring, 40, 0.23, 25 )
    elseif t == 3257 then
actor_plopper( "crystal_medium", c_zrand_int(5, 8), plop_ring, 30, 0.3, -25 )
    elseif t == 3800 then
actor_plopper( "crystal_medium", 4, plop_ring, 36, 0.3, 25 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
    elseif t == 4313 then
actor_plopper( "turret_smallemerge", 6, plop_ring, 40, 0.23, 50 )
    elseif t == 4805 then
actor_plopper( "turret_smallemerge", c_zrand_int(3, 6), plop_cluster, 26, 0.23, -25 )
actor_plopper( "crystal_medium", 4, plop_ring, 36, 0.3, 25 )
    elseif t > 4805 then
        c_no_more_beasties_to_come()
    end
end
