-- level111.lua -- level 111: small weelees, and first sight of great crystals.

cur_level_num = 111
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
actor_plopper( "crystal_large", 1, plop_edge, 0, 0.76 )
actor_plopper( "weelee_small", 2, plop_cluster, 32, 0.29 )
    elseif t == 1093 then
actor_plopper( "weelee_small", 3, plop_cluster, 26, 0.29 )
    elseif t == 1925 then
actor_plopper( "crystal_large", 1, plop_ring, 45, 0.76 )
    elseif t == 2740 then
actor_plopper( "weelee_small", 3, plop_cluster, 38, 0.29 )
    elseif t == 3538 then
actor_plopper( "weelee_small", 3, plop_cluster, 38, 0.29 )
    elseif t > 3538 then
        c_no_more_beasties_to_come()
    end
end
