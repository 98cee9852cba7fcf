-- level169.lua -- level 169: ninjoos, red blockers, split worms, patrolling walkers,
-- yellow robots, weblobs and crystal storms, with the powerpimp and Robo Mom to beat.
-- Among its waves also beemspiders, spinners and trackflies.

cur_level_num = 169
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(12500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "ninjoo_1", 4, plop_ring, 30, 0.35, 50 )
actor_plopper( "robot_green_path", c_zrand_int(5, 8), plop_path, "inner-path", 0.41 )
    elseif t == 614 then
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.55, 25 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.55, 50 )
    elseif t == 999 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.55 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.55 )
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.35 )
    elseif t == 1385 then
actor_plopper( "robot_green_path", 6, plop_path, "star-path", 0.41, -25 )
actor_plopper( "weblob_tiny2", 9, plop_cluster, 20, 0.1 )
    elseif t == 1750 then
actor_plopper( "spinner_1", 6, plop_ring, 36, 0.21 )
actor_plopper( "robot_yellow", c_zrand_int(6, 9), plop_edge, 0, 0.28, -25 )
    elseif t == 2145 then
actor_plopper( "weblob_tiny2", 9, plop_ring, 36, 0.1 )
actor_plopper( "ninjoo_1", 3, plop_ring, 45, 0.35, 50 )
    elseif t == 2541 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18 )
actor_plopper( "crystal_medium", 7, plop_ring, 30, 0.28, 50 )
    elseif t == 2947 then
actor_plopper( "powerpimp_emerge", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 3847 then
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.21 )
actor_plopper( "ninjoo_1", 4, plop_edge, 0, 0.5 )
    elseif t == 4747 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18 )
actor_plopper( "ninjoo_1", 4, plop_edge, 0, 0.5 )
    elseif t == 5647 then
actor_plopper( "ninjoo_1", 4, plop_edge, 0, 0.35 )
actor_plopper( "robo_mom", 1, plop_ring, 25, 0 )
    elseif t == 6547 then
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.8 )
    elseif t == 7447 then
actor_plopper( "blocker_red", 3, plop_line, 60, 0.8 )
    elseif t > 7447 then
        c_no_more_beasties_to_come()
    end
end
