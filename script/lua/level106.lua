-- level106.lua -- level 106: spinners, and first sight of small weelees.

cur_level_num = 106
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
actor_plopper( "weelee_small", 3, plop_edge, 0, 0.29 )
    elseif t == 1076 then
actor_plopper( "spinner_1", 3, plop_ring, 36, 0.29 )
    elseif t == 2043 then
actor_plopper( "spinner_1", c_zrand_int(2, 5), plop_edge, 0, 0.29 )
    elseif t == 2932 then
actor_plopper( "weelee_small", 3, plop_cluster, 38, 0.29 )
    elseif t > 2932 then
        c_no_more_beasties_to_come()
    end
end
