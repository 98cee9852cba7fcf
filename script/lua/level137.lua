-- level137.lua -- level 137: mergeblobs, trackflies, sliding walls and great crystals, and
-- first sight of big turrets.
-- Among its waves also ninjoos and small turrets.

cur_level_num = 137
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
actor_plopper( "turret_bigemerge", 2, plop_cluster, 38, 0.42 )
    elseif t == 840 then
actor_plopper( "mergeblob_1_big_emerge", 1, plop_cluster, 20, 0.84 )
actor_plopper( "turret_bigemerge", 1, plop_cluster, 20, 0.42 )
    elseif t == 1455 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.21 )
actor_plopper( "mergeblob_1_big_emerge", 1, plop_ring, 45, 0.84 )
    elseif t == 2140 then
actor_plopper( "turret_smallemerge", 3, plop_cluster, 26, 0.25 )
actor_plopper( "wall_1_flat", c_zrand_int(2, 5), plop_line, 60, 0 )
    elseif t == 2782 then
actor_plopper( "crystal_large", 3, plop_edge, 0, 0.67 )
    elseif t == 3502 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.43 )
actor_plopper( "crystal_large", 3, plop_edge, 0, 0.67 )
    elseif t == 4120 then
actor_plopper( "turret_bigemerge", 2, plop_cluster, 26, 0.42 )
    elseif t == 4752 then
actor_plopper( "wall_1_flat", c_zrand_int(2, 5), plop_line, 70, 0 )
    elseif t > 4752 then
        c_no_more_beasties_to_come()
    end
end
