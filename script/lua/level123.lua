-- level123.lua -- level 123: red blockers, yellow robots and trackflies.

cur_level_num = 123
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
actor_plopper( "blocker_red", 3, plop_line, 50, 0.72 )
    elseif t == 1011 then
actor_plopper( "robot_yellow", 4, plop_cluster, 32, 0.36 )
    elseif t == 1717 then
actor_plopper( "trackfly_1", 6, plop_cluster, 20, 0.23 )
    elseif t == 2488 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.23 )
actor_plopper( "blocker_red", 3, plop_line, 70, 0.72 )
    elseif t == 3266 then
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.72 )
    elseif t == 4110 then
actor_plopper( "robot_yellow", 2, plop_cluster, 26, 0.36 )
actor_plopper( "trackfly_1", 4, plop_cluster, 20, 0.23 )
    elseif t > 4110 then
        c_no_more_beasties_to_come()
    end
end
