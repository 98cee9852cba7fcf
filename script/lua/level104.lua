-- level104.lua -- level 104: trackflies, and first sight of pathfly swarms.

cur_level_num = 104
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
    elseif t == 1226 then
actor_plopper( "trackfly_1", 4, plop_cluster, 20, 0.25 )
    elseif t == 2239 then
actor_plopper( "pathfly_tiny", 6, plop_path, "inner-path", 0.25 )
    elseif t == 3079 then
actor_plopper( "pathfly_tiny", c_zrand_int(5, 8), plop_path, "inner-path", 0.25 )
    elseif t > 3079 then
        c_no_more_beasties_to_come()
    end
end
