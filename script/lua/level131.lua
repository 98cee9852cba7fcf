-- level131.lua -- level 131: big weelees, ninjoos and spinners, and first sight of
-- beemspiders.

cur_level_num = 131
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
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.69 )
actor_plopper( "spinner_1", c_zrand_int(2, 5), plop_ring, 30, 0.26 )
    elseif t == 901 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.86 )
    elseif t == 1649 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.43 )
    elseif t == 2333 then
actor_plopper( "spinner_1", c_zrand_int(4, 7), plop_ring, 45, 0.26 )
    elseif t == 2988 then
actor_plopper( "beemspider_1", 2, plop_ring, 45, 0.69 )
    elseif t == 3727 then
actor_plopper( "beemspider_1", 3, plop_ring, 45, 0.69 )
    elseif t == 4463 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.69 )
    elseif t > 4463 then
        c_no_more_beasties_to_come()
    end
end
