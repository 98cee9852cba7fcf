-- level156.lua -- level 156: small turrets, patrolling walkers, crystal storms, big
-- turrets, red blockers and ninjoos.

cur_level_num = 156
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
actor_plopper( "turret_smallemerge", c_zrand_int(3, 6), plop_ring, 36, 0.22, -25 )
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.38 )
    elseif t == 739 then
actor_plopper( "robot_green_path", 4, plop_path, "inner-path", 0.45 )
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.3, 25 )
    elseif t == 1219 then
actor_plopper( "crystal_medium", 6, plop_edge, 0, 0.3, 25 )
    elseif t == 1706 then
actor_plopper( "turret_bigemerge", 1, plop_ring, 45, 0.38 )
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_edge, 0, 0.3 )
    elseif t == 2180 then
actor_plopper( "blocker_red", 2, plop_line, 70, 0.6, -25 )
actor_plopper( "turret_bigemerge", 1, plop_ring, 40, 0.38, -25 )
    elseif t == 2732 then
actor_plopper( "ninjoo_1", 2, plop_ring, 45, 0.38, 25 )
actor_plopper( "turret_bigemerge", 1, plop_cluster, 20, 0.38, 25 )
    elseif t == 3203 then
actor_plopper( "blocker_red", 4, plop_line, 60, 0.6, 25 )
    elseif t == 3747 then
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_edge, 0, 0.3, 25 )
actor_plopper( "turret_bigemerge", 1, plop_cluster, 32, 0.38 )
    elseif t == 4241 then
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.6, 50 )
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_edge, 0, 0.3, 50 )
    elseif t == 4796 then
actor_plopper( "robot_green_path", 4, plop_path, "figure-eight", 0.45 )
actor_plopper( "turret_bigemerge", 1, plop_cluster, 20, 0.38, 25 )
    elseif t > 4796 then
        c_no_more_beasties_to_come()
    end
end
