-- level103.lua -- level 103: trackflies, and first sight of spinners.

cur_level_num = 103
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
actor_plopper( "spinner_1", 3, plop_ring, 40, 0.3 )
    elseif t == 1113 then
actor_plopper( "trackfly_1", 4, plop_cluster, 32, 0.25 )
    elseif t == 2131 then
actor_plopper( "spinner_1", c_zrand_int(2, 5), plop_ring, 40, 0.3 )
    elseif t == 3000 then
actor_plopper( "spinner_1", 3, plop_edge, 0, 0.3 )
    elseif t > 3000 then
        c_no_more_beasties_to_come()
    end
end
