-- level177.lua -- level 177: big turrets, green walkers, split worms, beemspiders, yellow
-- robots, spinners, big weelees and trackflies.

cur_level_num = 177
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
actor_plopper( "turret_bigemerge", 2, plop_cluster, 20, 0.33, -25 )
actor_plopper( "spinner_1", 4, plop_edge, 0, 0.2, -25 )
    elseif t == 562 then
actor_plopper( "robot_green", 7, plop_edge, 0, 0.26, 25 )
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.16, 50 )
    elseif t == 929 then
actor_plopper( "worm_chain_split", 5, plop_ring, 36, 0.52, 25 )
    elseif t == 1267 then
actor_plopper( "beemspider_1", 3, plop_ring, 36, 0.52, 50 )
actor_plopper( "robot_yellow", 4, plop_edge, 0, 0.26, 25 )
    elseif t == 1577 then
actor_plopper( "robot_yellow", 7, plop_cluster, 20, 0.26 )
    elseif t == 1946 then
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.16 )
actor_plopper( "spinner_1", c_zrand_int(7, 10), plop_ring, 36, 0.2, 50 )
    elseif t == 2293 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.65 )
actor_plopper( "turret_bigemerge", 2, plop_cluster, 38, 0.33, 25 )
    elseif t == 2602 then
actor_plopper( "trackfly_1", c_zrand_int(6, 9), plop_cluster, 20, 0.16 )
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.52 )
    elseif t == 2910 then
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.16 )
actor_plopper( "beemspider_1", 5, plop_edge, 0, 0.52, 50 )
    elseif t == 3224 then
actor_plopper( "worm_chain_split", 3, plop_ring, 45, 0.52 )
actor_plopper( "robot_green", 6, plop_ring, 30, 0.26 )
    elseif t == 3555 then
actor_plopper( "spinner_1", 6, plop_ring, 36, 0.2 )
actor_plopper( "robot_yellow", 5, plop_edge, 0, 0.26, 25 )
actor_plopper( "robot_green", c_zrand_int(5, 8), plop_cluster, 20, 0.26, 25 )
    elseif t == 3863 then
actor_plopper( "robot_yellow", 5, plop_edge, 0, 0.26, -25 )
actor_plopper( "beemspider_1", c_zrand_int(2, 5), plop_edge, 0, 0.52 )
    elseif t == 4190 then
actor_plopper( "trackfly_1", 12, plop_cluster, 32, 0.16 )
    elseif t > 4190 then
        c_no_more_beasties_to_come()
    end
end
