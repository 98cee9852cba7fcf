-- level180.lua -- level 180: ninjoos, crystal storms, split worms, trailers, red blockers,
-- spinners, beemspiders and great crystals.
-- Among its waves also green walkers and small turrets.

cur_level_num = 180
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 55)

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
actor_plopper( "ninjoo_1", c_zrand_int(5, 8), plop_edge, 0, 0.32, 25 )
    elseif t == 550 then
actor_plopper( "crystal_medium", 5, plop_ring, 40, 0.26, -25 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "inner-path", 0.77 )
    elseif t == 840 then
actor_plopper( "worm_chain_split", 3, plop_edge, 0, 0.51, -25 )
actor_plopper( "blocker_red", c_zrand_int(2, 5), plop_edge, 0, 0.51, 50 )
    elseif t == 1159 then
actor_plopper( "trailer_1_emerge", 3, plop_path, "edge-path", 0.77, 25 )
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.32, 50 )
    elseif t == 1473 then
actor_plopper( "blocker_red", c_zrand_int(2, 5), plop_line, 70, 0.51 )
actor_plopper( "crystal_medium", 4, plop_ring, 30, 0.26 )
    elseif t == 1775 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 32, 0.19 )
actor_plopper( "spinner_1", c_zrand_int(6, 9), plop_edge, 0, 0.19, -25 )
    elseif t == 2073 then
actor_plopper( "beemspider_1", 4, plop_ring, 30, 0.51, 25 )
actor_plopper( "trailer_1_emerge", c_zrand_int(2, 5), plop_path, "edge-path", 0.77, -25 )
    elseif t == 2394 then
actor_plopper( "robot_green", 7, plop_edge, 0, 0.26 )
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_edge, 0, 0.51 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.51, 25 )
    elseif t == 2698 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.32 )
actor_plopper( "trailer_1_emerge", 5, plop_path, "zigzag-path", 0.77 )
    elseif t == 3008 then
actor_plopper( "ninjoo_1", 3, plop_ring, 30, 0.32 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "level-path", 0.77, -25 )
    elseif t == 3294 then
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.19 )
actor_plopper( "crystal_medium", 5, plop_edge, 0, 0.26 )
actor_plopper( "ninjoo_1", c_zrand_int(3, 6), plop_edge, 0, 0.32 )
    elseif t == 3583 then
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_ring, 45, 0.26 )
actor_plopper( "worm_chain_split", c_zrand_int(2, 5), plop_ring, 36, 0.51 )
    elseif t == 3918 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 40, 0.19 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "edge-path", 0.77 )
actor_plopper( "ninjoo_1", 4, plop_ring, 36, 0.32 )
    elseif t > 3918 then
        c_no_more_beasties_to_come()
    end
end
