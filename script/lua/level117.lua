-- level117.lua -- level 117: great crystals and trackflies, and first sight of stinging
-- trackflies.

cur_level_num = 117
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
actor_plopper( "trackfly_2", 2, plop_cluster, 32, 0.28 )
actor_plopper( "trackfly_1", 3, plop_cluster, 26, 0.23 )
    elseif t == 964 then
actor_plopper( "crystal_large", 1, plop_ring, 36, 0.74 )
actor_plopper( "trackfly_1", 3, plop_cluster, 26, 0.23 )
    elseif t == 1709 then
actor_plopper( "trackfly_1", 4, plop_edge, 0, 0.23 )
    elseif t == 2483 then
actor_plopper( "trackfly_2", 2, plop_cluster, 32, 0.28 )
actor_plopper( "trackfly_1", 2, plop_cluster, 26, 0.23 )
    elseif t == 3338 then
actor_plopper( "trackfly_2", 2, plop_edge, 0, 0.28 )
    elseif t == 4180 then
actor_plopper( "trackfly_1", 4, plop_edge, 0, 0.23 )
    elseif t > 4180 then
        c_no_more_beasties_to_come()
    end
end
