-- level136.lua -- level 136: sliding walls, spinners, weblobs and ninjoos.

cur_level_num = 136
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
actor_plopper( "wall_1_flat", c_zrand_int(2, 5), plop_line, 60, 0 )
    elseif t == 945 then
actor_plopper( "spinner_1", 3, plop_edge, 0, 0.25 )
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.42 )
    elseif t == 1562 then
actor_plopper( "weblob_tiny2", 9, plop_cluster, 26, 0.13 )
    elseif t == 2253 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.42 )
actor_plopper( "weblob_tiny2", 7, plop_cluster, 32, 0.13 )
    elseif t == 2978 then
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.42 )
    elseif t == 3670 then
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
actor_plopper( "spinner_1", c_zrand_int(2, 5), plop_ring, 30, 0.25 )
    elseif t == 4308 then
actor_plopper( "ninjoo_1", c_zrand_int(3, 6), plop_ring, 36, 0.42 )
    elseif t == 4978 then
actor_plopper( "wall_1_flat", 3, plop_line, 50, 0 )
    elseif t > 4978 then
        c_no_more_beasties_to_come()
    end
end
