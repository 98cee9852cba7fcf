-- level124.lua -- level 124: green walkers and yellow robots, and first sight of big
-- weelees.
-- Among its waves also trackflies.

cur_level_num = 124
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
actor_plopper( "weelee_big", 2, plop_ring, 45, 0.9 )
    elseif t == 994 then
actor_plopper( "robot_green", 6, plop_edge, 0, 0.36 )
    elseif t == 1738 then
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_cluster, 38, 0.36 )
    elseif t == 2441 then
actor_plopper( "robot_green", 4, plop_edge, 0, 0.36 )
actor_plopper( "weelee_big", 1, plop_edge, 0, 0.9 )
    elseif t == 3171 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.23 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.9 )
    elseif t == 3955 then
actor_plopper( "robot_green", c_zrand_int(5, 8), plop_cluster, 38, 0.36 )
    elseif t > 3955 then
        c_no_more_beasties_to_come()
    end
end
