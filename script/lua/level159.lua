-- level159.lua -- level 159: droplet swarms, beemspiders, ninjoos, great crystals, red
-- blockers and spinners, with the geopus and the motha to beat.

cur_level_num = 159
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(13000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "mergeblob_1_spawn", 8, plop_cluster, 32, 0.07, 25 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.59 )
    elseif t == 745 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.59, -25 )
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.37, -25 )
    elseif t == 1265 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.37 )
    elseif t == 1742 then
actor_plopper( "crystal_large", c_zrand_int(3, 6), plop_edge, 0, 0.59, -25 )
    elseif t == 2190 then
actor_plopper( "blocker_red", 2, plop_line, 60, 0.59 )
actor_plopper( "mergeblob_1_spawn", 8, plop_cluster, 20, 0.07 )
    elseif t == 2700 then
actor_plopper( "spinner_1", c_zrand_int(5, 8), plop_edge, 0, 0.22, -25 )
    elseif t == 3186 then
actor_plopper( "geopus", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 4086 then
actor_plopper( "mergeblob_1_spawn", 6, plop_cluster, 38, 0.1 )
    elseif t == 4986 then
actor_plopper( "mergeblob_1_spawn", 6, plop_edge, 0, 0.1 )
    elseif t == 5886 then
actor_plopper( "motha_2_emerge", 1, plop_ring, 25, 0 )
    elseif t == 6786 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.8 )
    elseif t == 7686 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.8 )
    elseif t > 7686 then
        c_no_more_beasties_to_come()
    end
end
