-- level154.lua -- level 154: split worms, red blockers, big turrets, small weelees,
-- spinners and droplet swarms.

cur_level_num = 154
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
actor_plopper( "worm_chain_split", 4, plop_ring, 30, 0.61, 50 )
    elseif t == 725 then
actor_plopper( "blocker_red", 2, plop_line, 60, 0.61, -25 )
actor_plopper( "weelee_small", c_zrand_int(3, 6), plop_edge, 0, 0.23, -25 )
    elseif t == 1245 then
actor_plopper( "turret_bigemerge", 1, plop_cluster, 20, 0.38, 25 )
actor_plopper( "weelee_small", 4, plop_cluster, 20, 0.23, 50 )
    elseif t == 1725 then
actor_plopper( "weelee_small", 4, plop_edge, 0, 0.23, 50 )
actor_plopper( "mergeblob_1_spawn", 8, plop_cluster, 32, 0.08, 50 )
    elseif t == 2263 then
actor_plopper( "spinner_1", c_zrand_int(5, 8), plop_ring, 36, 0.23 )
    elseif t == 2778 then
actor_plopper( "mergeblob_1_spawn", c_zrand_int(11, 14), plop_edge, 0, 0.08, 50 )
    elseif t == 3301 then
actor_plopper( "worm_chain_split", 2, plop_ring, 45, 0.61 )
actor_plopper( "weelee_small", 4, plop_edge, 0, 0.23 )
    elseif t == 3876 then
actor_plopper( "worm_chain_split", 2, plop_ring, 30, 0.61 )
actor_plopper( "weelee_small", 4, plop_edge, 0, 0.23, 50 )
    elseif t == 4378 then
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.61, -25 )
actor_plopper( "weelee_small", 4, plop_cluster, 26, 0.23, 25 )
    elseif t == 4918 then
actor_plopper( "mergeblob_1_spawn", 9, plop_edge, 0, 0.08 )
actor_plopper( "blocker_red", c_zrand_int(3, 6), plop_line, 50, 0.61 )
    elseif t > 4918 then
        c_no_more_beasties_to_come()
    end
end
