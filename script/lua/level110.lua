-- level110.lua -- level 110: pathfly swarms and spinners.

cur_level_num = 110
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 75)

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
actor_plopper( "pathfly_tiny", 7, plop_path, "star-path", 0.24 )
    elseif t == 1010 then
actor_plopper( "spinner_1", 3, plop_edge, 0, 0.29 )
    elseif t == 1839 then
actor_plopper( "pathfly_tiny", c_zrand_int(6, 9), plop_path, "level-path", 0.24 )
    elseif t == 2692 then
actor_plopper( "spinner_1", 4, plop_ring, 40, 0.29 )
    elseif t == 3632 then
actor_plopper( "spinner_1", 3, plop_ring, 40, 0.29 )
    elseif t > 3632 then
        c_no_more_beasties_to_come()
    end
end
