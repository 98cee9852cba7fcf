-- level149.lua -- level 149: stinging trackflies, small turrets, yellow robots, crystal
-- storms, red blockers and beemspiders, with the motha and Robo Mom to beat.

cur_level_num = 149
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(13000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "trackfly_2", c_zrand_int(3, 6), plop_cluster, 38, 0.23, 25 )
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.63 )
    elseif t == 768 then
actor_plopper( "turret_smallemerge", 6, plop_ring, 45, 0.23, 25 )
    elseif t == 1280 then
actor_plopper( "robot_yellow", 3, plop_edge, 0, 0.31, 50 )
actor_plopper( "trackfly_2", 4, plop_cluster, 38, 0.23, -25 )
    elseif t == 1845 then
actor_plopper( "crystal_medium", c_zrand_int(5, 8), plop_edge, 0, 0.31, 25 )
    elseif t == 2367 then
actor_plopper( "blocker_red", 4, plop_line, 50, 0.63 )
    elseif t == 2921 then
actor_plopper( "beemspider_1", 2, plop_ring, 45, 0.63, 25 )
actor_plopper( "turret_smallemerge", 4, plop_ring, 36, 0.23, 50 )
    elseif t == 3487 then
actor_plopper( "motha_2_emerge", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 4387 then
actor_plopper( "trackfly_2", 5, plop_cluster, 32, 0.3 )
    elseif t == 5287 then
actor_plopper( "trackfly_2", 5, plop_cluster, 20, 0.3 )
    elseif t == 6187 then
actor_plopper( "robo_mom", 1, plop_ring, 25, 0 )
    elseif t == 7087 then
actor_plopper( "turret_smallemerge", 5, plop_ring, 30, 0.3 )
    elseif t == 7987 then
actor_plopper( "turret_smallemerge", 5, plop_cluster, 32, 0.3 )
    elseif t > 7987 then
        c_no_more_beasties_to_come()
    end
end
