-- level118.lua -- level 118: stinging trackflies, spinners and great crystals.

cur_level_num = 118
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
actor_plopper( "trackfly_2", 4, plop_cluster, 38, 0.28 )
    elseif t == 1021 then
actor_plopper( "spinner_1", 3, plop_ring, 40, 0.28 )
    elseif t == 1822 then
actor_plopper( "crystal_large", 1, plop_edge, 0, 0.74 )
    elseif t == 2668 then
actor_plopper( "crystal_large", 1, plop_edge, 0, 0.74 )
    elseif t == 3411 then
actor_plopper( "trackfly_2", 2, plop_cluster, 38, 0.28 )
actor_plopper( "spinner_1", 2, plop_ring, 36, 0.28 )
    elseif t == 4160 then
actor_plopper( "trackfly_2", 3, plop_edge, 0, 0.28 )
    elseif t > 4160 then
        c_no_more_beasties_to_come()
    end
end
