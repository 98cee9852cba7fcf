-- level134.lua -- level 134: trailers, stinging trackflies, yellow robots and beemspiders.

cur_level_num = 134
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
actor_plopper( "trailer_1_emerge", 3, plop_path, "square-path", 1.02 )
    elseif t == 967 then
actor_plopper( "trackfly_2", 5, plop_edge, 0, 0.26 )
    elseif t == 1685 then
actor_plopper( "robot_yellow", 3, plop_cluster, 32, 0.34 )
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.68 )
    elseif t == 2334 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.68 )
actor_plopper( "robot_yellow", c_zrand_int(2, 5), plop_edge, 0, 0.34 )
    elseif t == 2985 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "square-path", 1.02 )
actor_plopper( "trackfly_2", 3, plop_cluster, 32, 0.26 )
    elseif t == 3611 then
actor_plopper( "trailer_1_emerge", 3, plop_path, "edge-path-back", 1.02 )
    elseif t == 4341 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.68 )
actor_plopper( "robot_yellow", 3, plop_edge, 0, 0.34 )
    elseif t == 5094 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.68 )
    elseif t > 5094 then
        c_no_more_beasties_to_come()
    end
end
