-- level122.lua -- level 122: ninjoos and small turrets, and first sight of red blockers.

cur_level_num = 122
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
actor_plopper( "blocker_red", 2, plop_line, 60, 0.72 )
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.27 )
    elseif t == 1010 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.45 )
    elseif t == 1843 then
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.27 )
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.45 )
    elseif t == 2675 then
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.27 )
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.72 )
    elseif t == 3398 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.45 )
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.72 )
    elseif t == 4130 then
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.72 )
    elseif t > 4130 then
        c_no_more_beasties_to_come()
    end
end
