-- level105.lua -- level 105: pathfly swarms and trackflies.

cur_level_num = 105
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
actor_plopper( "pathfly_tiny", 6, plop_path, "inner-path", 0.25 )
    elseif t == 1205 then
actor_plopper( "trackfly_1", c_zrand_int(3, 6), plop_cluster, 26, 0.25 )
    elseif t == 2176 then
actor_plopper( "pathfly_tiny", 6, plop_path, "edge-path-back", 0.25 )
    elseif t == 3150 then
actor_plopper( "pathfly_tiny", 6, plop_path, "edge-path", 0.25 )
    elseif t > 3150 then
        c_no_more_beasties_to_come()
    end
end
