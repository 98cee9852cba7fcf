-- level151.lua -- level 151: trackflies, small turrets, crystal storms, sliding walls,
-- great crystals and trailers.

cur_level_num = 151
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
actor_plopper( "trackfly_1", 4, plop_cluster, 20, 0.19 )
actor_plopper( "turret_smallemerge", 3, plop_ring, 30, 0.23 )
    elseif t == 738 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 26, 0.23, -25 )
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.62, 50 )
    elseif t == 1252 then
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.31, 50 )
    elseif t == 1843 then
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0 )
    elseif t == 2399 then
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.62, 50 )
    elseif t == 2991 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "edge-path-back", 0.93 )
actor_plopper( "trackfly_1", c_zrand_int(4, 7), plop_edge, 0, 0.19 )
    elseif t == 3577 then
actor_plopper( "crystal_medium", 3, plop_edge, 0, 0.31, -25 )
    elseif t == 4123 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 32, 0.23, -25 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "inner-path", 0.93, 50 )
    elseif t == 4644 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 45, 0.23, 50 )
    elseif t == 5168 then
actor_plopper( "crystal_large", 2, plop_ring, 30, 0.62, 50 )
    elseif t > 5168 then
        c_no_more_beasties_to_come()
    end
end
