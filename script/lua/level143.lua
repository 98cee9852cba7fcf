-- level143.lua -- level 143: split worms, spinners, trailers, sliding walls and stinging
-- trackflies.

cur_level_num = 143
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
actor_plopper( "worm_chain_split", 3, plop_edge, 0, 0.65, -25 )
    elseif t == 799 then
actor_plopper( "spinner_1", 4, plop_ring, 30, 0.24 )
actor_plopper( "trackfly_2", 4, plop_edge, 0, 0.24, 50 )
    elseif t == 1398 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "edge-path-back", 0.97, -25 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, 25 )
    elseif t == 2028 then
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, -25 )
actor_plopper( "spinner_1", 3, plop_edge, 0, 0.24, 25 )
    elseif t == 2583 then
actor_plopper( "trackfly_2", 6, plop_edge, 0, 0.24, 50 )
    elseif t == 3199 then
actor_plopper( "spinner_1", 3, plop_edge, 0, 0.24, -25 )
actor_plopper( "worm_chain_split", 2, plop_ring, 36, 0.65, -25 )
    elseif t == 3761 then
actor_plopper( "worm_chain_split", 2, plop_ring, 40, 0.65, 50 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0, 25 )
    elseif t == 4428 then
actor_plopper( "trailer_1_emerge", c_zrand_int(3, 6), plop_path, "square-path", 0.97 )
    elseif t == 5048 then
actor_plopper( "spinner_1", 5, plop_ring, 36, 0.24 )
    elseif t > 5048 then
        c_no_more_beasties_to_come()
    end
end
