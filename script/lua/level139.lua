-- level139.lua -- level 139: big turrets, sliding walls, small weelees, trailers and
-- spinners, with the powerpimp to beat.

cur_level_num = 139
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(10500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "turret_bigemerge", 1, plop_ring, 30, 0.41 )
actor_plopper( "spinner_1", 3, plop_edge, 0, 0.25 )
    elseif t == 861 then
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
actor_plopper( "turret_bigemerge", 1, plop_cluster, 38, 0.41 )
    elseif t == 1451 then
actor_plopper( "weelee_small", 6, plop_cluster, 38, 0.25 )
    elseif t == 2061 then
actor_plopper( "trailer_1_emerge", 3, plop_path, "zigzag-path", 0.99 )
    elseif t == 2682 then
actor_plopper( "spinner_1", 5, plop_edge, 0, 0.25 )
    elseif t == 3328 then
actor_plopper( "powerpimp_emerge", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 4228 then
actor_plopper( "turret_bigemerge", 2, plop_cluster, 20, 0.5 )
    elseif t == 5128 then
actor_plopper( "turret_bigemerge", 2, plop_ring, 36, 0.5 )
    elseif t > 5128 then
        c_no_more_beasties_to_come()
    end
end
