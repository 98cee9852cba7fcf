-- level150.lua -- level 150: split worms, red blockers, stinging trackflies, sliding
-- walls, patrolling walkers and small weelees.

cur_level_num = 150
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(7500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "worm_chain_split", c_zrand_int(3, 6), plop_edge, 0, 0.62 )
    elseif t == 826 then
actor_plopper( "blocker_red", 4, plop_edge, 0, 0.62, 50 )
    elseif t == 1430 then
actor_plopper( "trackfly_2", 4, plop_cluster, 38, 0.23 )
actor_plopper( "wall_1_flat", 2, plop_line, 60, 0, -25 )
    elseif t == 2018 then
actor_plopper( "wall_1_flat", c_zrand_int(3, 6), plop_line, 70, 0, 25 )
    elseif t == 2575 then
actor_plopper( "robot_green_path", c_zrand_int(3, 6), plop_path, "square-path", 0.47, -25 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.62 )
    elseif t == 3127 then
actor_plopper( "weelee_small", 4, plop_cluster, 20, 0.23 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.62 )
    elseif t == 3642 then
actor_plopper( "blocker_red", 4, plop_line, 50, 0.62, 50 )
    elseif t == 4221 then
actor_plopper( "blocker_red", 2, plop_line, 60, 0.62 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0, 50 )
    elseif t == 4776 then
actor_plopper( "trackfly_2", 4, plop_edge, 0, 0.23, 50 )
actor_plopper( "robot_green_path", c_zrand_int(4, 7), plop_path, "edge-path-back", 0.47, -25 )
    elseif t == 5292 then
actor_plopper( "robot_green_path", 7, plop_path, "zigzag-path", 0.47, 50 )
    elseif t > 5292 then
        c_no_more_beasties_to_come()
    end
end
