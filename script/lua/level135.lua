-- level135.lua -- level 135: ninjoos, small turrets and beemspiders, and first sight of
-- sliding walls.

cur_level_num = 135
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
actor_plopper( "wall_1_flat", 3, plop_line, 70, 0 )
    elseif t == 866 then
actor_plopper( "ninjoo_1", 2, plop_ring, 36, 0.42 )
actor_plopper( "beemspider_1", 2, plop_ring, 40, 0.68 )
    elseif t == 1521 then
actor_plopper( "turret_smallemerge", 3, plop_cluster, 38, 0.25 )
actor_plopper( "beemspider_1", 2, plop_ring, 45, 0.68 )
    elseif t == 2249 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.68 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
    elseif t == 2935 then
actor_plopper( "turret_smallemerge", c_zrand_int(2, 5), plop_cluster, 38, 0.25 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
    elseif t == 3558 then
actor_plopper( "wall_1_flat", 3, plop_line, 60, 0 )
    elseif t == 4196 then
actor_plopper( "ninjoo_1", 2, plop_ring, 30, 0.42 )
actor_plopper( "turret_smallemerge", 3, plop_ring, 45, 0.25 )
    elseif t == 4926 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.42 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0 )
    elseif t > 4926 then
        c_no_more_beasties_to_come()
    end
end
