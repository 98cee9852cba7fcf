-- level114.lua -- level 114: ninjoos, great crystals and pathfly swarms.

cur_level_num = 114
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
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.47 )
    elseif t == 991 then
actor_plopper( "crystal_large", 1, plop_ring, 36, 0.75 )
    elseif t == 1795 then
actor_plopper( "pathfly_tiny", 7, plop_path, "figure-eight", 0.24 )
    elseif t == 2578 then
actor_plopper( "crystal_large", 1, plop_ring, 36, 0.75 )
    elseif t == 3480 then
actor_plopper( "ninjoo_1", 3, plop_ring, 40, 0.47 )
    elseif t > 3480 then
        c_no_more_beasties_to_come()
    end
end
