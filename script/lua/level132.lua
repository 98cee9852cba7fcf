-- level132.lua -- level 132: beemspiders, small weelees, green walkers and red blockers.

cur_level_num = 132
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(6500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "beemspider_1", 2, plop_ring, 40, 0.69 )
actor_plopper( "robot_green", 4, plop_ring, 45, 0.34 )
    elseif t == 986 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.26 )
    elseif t == 1678 then
actor_plopper( "robot_green", 6, plop_edge, 0, 0.34 )
    elseif t == 2396 then
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.69 )
    elseif t == 3092 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.26 )
    elseif t == 3839 then
actor_plopper( "beemspider_1", 2, plop_ring, 40, 0.69 )
actor_plopper( "blocker_red", 2, plop_line, 60, 0.69 )
    elseif t == 4490 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.26 )
    elseif t > 4490 then
        c_no_more_beasties_to_come()
    end
end
