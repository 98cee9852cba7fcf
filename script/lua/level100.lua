-- level100.lua -- the proving ground: every enemy family in turn, a few at a time, then
-- the four bosses. Levels below 101 preload every type, so this level shows them all.

cur_level_num = 100
dofilx("everything.lua")

level_tick = 0

function LEVEL_start()
    c_set_time_limit(30000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "robot_green", 4, plop_edge, 0, 0.4 )
    elseif t == 820 then
actor_plopper( "trackfly_1", 4, plop_edge, 0, 0.25 )
    elseif t == 1420 then
actor_plopper( "spinner_1", 3, plop_ring, 40, 0.3 )
    elseif t == 2020 then
actor_plopper( "pathfly_tiny", 6, plop_path, "edge-path", 0.25 )
    elseif t == 2620 then
actor_plopper( "weelee_small", 3, plop_edge, 0, 0.3 )
    elseif t == 3220 then
actor_plopper( "robot_green_path", 4, plop_path, "edge-path", 0.6 )
    elseif t == 3820 then
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.8 )
    elseif t == 4420 then
actor_plopper( "robot_yellow", 3, plop_edge, 0, 0.4 )
    elseif t == 5020 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.5 )
    elseif t == 5620 then
actor_plopper( "turret_smallemerge", 3, plop_ring, 40, 0.3 )
    elseif t == 6220 then
actor_plopper( "trackfly_2", 3, plop_edge, 0, 0.3 )
    elseif t == 6820 then
actor_plopper( "weblob_tiny2", 6, plop_cluster, 30, 0.15 )
    elseif t == 7420 then
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.8 )
    elseif t == 8020 then
actor_plopper( "weelee_big", 1, plop_edge, 0, 1 )
    elseif t == 8620 then
actor_plopper( "mergeblob_1_big_emerge", 1, plop_cluster, 30, 1 )
    elseif t == 9220 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.8 )
    elseif t == 9820 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "edge-path", 1.2 )
    elseif t == 10420 then
actor_plopper( "wall_1_flat", 2, plop_line, 60, 0 )
    elseif t == 11020 then
actor_plopper( "turret_bigemerge", 1, plop_ring, 40, 0.5 )
    elseif t == 11620 then
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.8 )
    elseif t == 12220 then
actor_plopper( "crystal_medium", 3, plop_ring, 40, 0.4 )
    elseif t == 12820 then
actor_plopper( "mergeblob_1_spawn", 6, plop_cluster, 30, 0.1 )
    elseif t == 13420 then
actor_plopper( "motha_2_emerge", 1, plop_ring, 25, 0 )
    elseif t == 14620 then
actor_plopper( "robo_mom", 1, plop_ring, 25, 0 )
    elseif t == 15820 then
actor_plopper( "geopus", 1, plop_ring, 25, 0 )
    elseif t == 17020 then
actor_plopper( "powerpimp_emerge", 1, plop_ring, 25, 0 )
    elseif t > 17020 then
        c_no_more_beasties_to_come()
    end
end
