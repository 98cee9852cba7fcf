-- level129.lua -- level 129: pathfly swarms, small turrets, great crystals and yellow
-- robots, with the geopus to beat.

cur_level_num = 129
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", -1, 58)

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(10000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "pathfly_tiny", 9, plop_path, "zigzag-path", 0.22 )
    elseif t == 919 then
actor_plopper( "turret_smallemerge", c_zrand_int(4, 7), plop_cluster, 26, 0.26 )
    elseif t == 1693 then
actor_plopper( "crystal_large", 2, plop_ring, 36, 0.7 )
actor_plopper( "turret_smallemerge", c_zrand_int(2, 5), plop_cluster, 32, 0.26 )
    elseif t == 2357 then
actor_plopper( "robot_yellow", 4, plop_cluster, 20, 0.35 )
    elseif t == 3083 then
actor_plopper( "geopus", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 3983 then
actor_plopper( "pathfly_tiny", 8, plop_path, "star-path", 0.25 )
    elseif t == 4883 then
actor_plopper( "pathfly_tiny", 8, plop_path, "level-path", 0.25 )
    elseif t > 4883 then
        c_no_more_beasties_to_come()
    end
end
