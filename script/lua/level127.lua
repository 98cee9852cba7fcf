-- level127.lua -- level 127: mergeblobs, red blockers, green walkers and weblobs.
-- Among its waves also ninjoos, yellow robots, trackflies and small turrets.

cur_level_num = 127
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(6500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 26, 0.88 )
    elseif t == 1018 then
actor_plopper( "blocker_red", 3, plop_line, 50, 0.71 )
    elseif t == 1733 then
actor_plopper( "robot_yellow", 4, plop_cluster, 20, 0.35 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.71 )
    elseif t == 2403 then
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.26 )
actor_plopper( "weblob_tiny2", 9, plop_cluster, 38, 0.13 )
    elseif t == 3108 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.45 )
actor_plopper( "robot_green", c_zrand_int(3, 6), plop_cluster, 20, 0.35 )
actor_plopper( "blocker_red", 2, plop_line, 50, 0.71 )
    elseif t == 3879 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.22 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 30, 0.88 )
    elseif t == 4625 then
actor_plopper( "blocker_red", 2, plop_line, 70, 0.71 )
actor_plopper( "mergeblob_1_big_emerge", 1, plop_cluster, 26, 0.88 )
    elseif t > 4625 then
        c_no_more_beasties_to_come()
    end
end
