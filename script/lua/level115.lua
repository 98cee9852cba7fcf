-- level115.lua -- level 115: small weelees and trackflies, and first sight of small
-- turrets.

cur_level_num = 115
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
actor_plopper( "turret_smallemerge", 1, plop_cluster, 20, 0.28 )
actor_plopper( "weelee_small", 2, plop_cluster, 32, 0.28 )
    elseif t == 1051 then
actor_plopper( "weelee_small", c_zrand_int(3, 6), plop_edge, 0, 0.28 )
    elseif t == 1899 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.23 )
    elseif t == 2658 then
actor_plopper( "turret_smallemerge", 3, plop_cluster, 32, 0.28 )
    elseif t == 3440 then
actor_plopper( "turret_smallemerge", 1, plop_cluster, 32, 0.28 )
actor_plopper( "weelee_small", 2, plop_edge, 0, 0.28 )
    elseif t > 3440 then
        c_no_more_beasties_to_come()
    end
end
