-- level113.lua -- level 113: small weelees and trackflies, and first sight of ninjoos.

cur_level_num = 113
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
actor_plopper( "ninjoo_1", 2, plop_ring, 36, 0.47 )
    elseif t == 1035 then
actor_plopper( "weelee_small", 4, plop_cluster, 20, 0.28 )
    elseif t == 1906 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.24 )
    elseif t == 2801 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.47 )
    elseif t == 3614 then
actor_plopper( "ninjoo_1", 2, plop_ring, 45, 0.47 )
    elseif t > 3614 then
        c_no_more_beasties_to_come()
    end
end
