-- level179.lua -- level 179: beemspiders, stinging trackflies, pathfly swarms, trackflies,
-- droplet swarms, weblobs, big weelees and big turrets, with the geopus and the powerpimp
-- to beat.

cur_level_num = 179
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(12500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "beemspider_1", 4, plop_ring, 30, 0.52, -25 )
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.16 )
    elseif t == 527 then
actor_plopper( "trackfly_2", 8, plop_cluster, 26, 0.19, -25 )
    elseif t == 835 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.52 )
actor_plopper( "pathfly_tiny", c_zrand_int(9, 12), plop_path, "square-path", 0.16, 25 )
actor_plopper( "beemspider_1", 4, plop_ring, 30, 0.52 )
    elseif t == 1152 then
actor_plopper( "trackfly_1", c_zrand_int(6, 9), plop_edge, 0, 0.16 )
actor_plopper( "weelee_big", 2, plop_ring, 45, 0.65 )
    elseif t == 1461 then
actor_plopper( "mergeblob_1_spawn", 14, plop_edge, 0, 0.06 )
    elseif t == 1770 then
actor_plopper( "weblob_tiny2", c_zrand_int(10, 13), plop_cluster, 20, 0.1, -25 )
actor_plopper( "turret_bigemerge", 2, plop_cluster, 38, 0.32 )
    elseif t == 2102 then
actor_plopper( "weelee_big", 2, plop_ring, 45, 0.65, 25 )
actor_plopper( "mergeblob_1_spawn", 9, plop_edge, 0, 0.06, 25 )
    elseif t == 2456 then
actor_plopper( "turret_bigemerge", 3, plop_ring, 40, 0.32 )
    elseif t == 2782 then
actor_plopper( "geopus", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 3682 then
actor_plopper( "beemspider_1", 4, plop_ring, 36, 0.8 )
    elseif t == 4582 then
actor_plopper( "beemspider_1", 4, plop_ring, 30, 0.8 )
    elseif t == 5482 then
actor_plopper( "powerpimp_emerge", 1, plop_ring, 25, 0 )
    elseif t == 6382 then
actor_plopper( "trackfly_2", 6, plop_cluster, 26, 0.3 )
    elseif t == 7282 then
actor_plopper( "trackfly_2", 6, plop_edge, 0, 0.3 )
    elseif t > 7282 then
        c_no_more_beasties_to_come()
    end
end
