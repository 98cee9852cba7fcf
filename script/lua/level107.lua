-- level107.lua -- level 107: small weelees, and first sight of patrolling walkers.

cur_level_num = 107
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
actor_plopper( "robot_green_path", 4, plop_path, "edge-path-back", 0.58 )
    elseif t == 1197 then
actor_plopper( "weelee_small", 3, plop_edge, 0, 0.29 )
    elseif t == 2077 then
actor_plopper( "weelee_small", 3, plop_edge, 0, 0.29 )
    elseif t == 2895 then
actor_plopper( "robot_green_path", c_zrand_int(3, 6), plop_path, "edge-path", 0.58 )
    elseif t > 2895 then
        c_no_more_beasties_to_come()
    end
end
