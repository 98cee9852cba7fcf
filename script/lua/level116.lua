-- level116.lua -- level 116: small turrets, ninjoos and small weelees.

cur_level_num = 116
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
actor_plopper( "turret_smallemerge", 2, plop_cluster, 32, 0.28 )
    elseif t == 1100 then
actor_plopper( "ninjoo_1", 1, plop_ring, 30, 0.47 )
    elseif t == 1907 then
actor_plopper( "weelee_small", c_zrand_int(3, 6), plop_cluster, 20, 0.28 )
    elseif t == 2747 then
actor_plopper( "ninjoo_1", 2, plop_ring, 45, 0.47 )
    elseif t == 3497 then
actor_plopper( "turret_smallemerge", 2, plop_ring, 36, 0.28 )
    elseif t > 3497 then
        c_no_more_beasties_to_come()
    end
end
