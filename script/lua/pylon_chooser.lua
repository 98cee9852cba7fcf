-- pylon_chooser.lua -- the pylons round the arena and the fence between them. Each run of
-- ten levels has its own family of pylons, varied from level to level; boss levels
-- (ending in 9) have the boss pylons, whose fence hurts the ships that touch it.
-- pylon_chooser hangs a pylon on each of the room's 24 pylon bones and joins each to the
-- next with a fence beam.

cur_level_num = cur_level_num or 100

-- Pylon variants of each family, by family number.
pylon_families = {
    { "pylon-1_1", "pylon-1_2", "pylon-1_3", "pylon-1_4" },
    { "pylon-2_1", "pylon-2_2", "pylon-2_3" },
    { "pylon-3_1" },
    { "pylon-4_1", "pylon-4_2", "pylon-4_3", "pylon-4_4", "pylon-4_5", "pylon-4_6" },
    { "pylon-5_1", "pylon-5_2", "pylon-5_3" },
    { "pylon-6_1", "pylon-6_2", "pylon-6_3" },
}
-- The family of each run of ten levels, from level 100 on.
pylon_decades = { 1, 2, 3, 4, 5, 6, 1, 4, 2 }

local decade = math.floor((cur_level_num - 100) / 10)
if cur_level_num < 101 then
    pylon_type = "pylon-0_0"
    pylon_fence = "fencefizz-1_7"
elseif cur_level_num % 10 == 9 then
    pylon_type = "pylon-9_9"
    pylon_fence = "fencefizz-9_9"
else
    local family = pylon_decades[1 + decade % 9]
    local variants = pylon_families[family]
    pylon_type = variants[1 + cur_level_num % #variants]
    if decade < 6 then
        pylon_fence = "fencefizz-1_" .. family
    else
        pylon_fence = "fencefizz-2_1"
    end
end

if c_is_model_preloaded(pylon_type) ~= 0 then
    dofilx(pylon_type .. ".lua")
end
if c_is_model_preloaded(pylon_fence) ~= 0 then
    dofilx(pylon_fence .. ".lua")
end
-- Boss levels add a barrier between their pylons and any enemy that comes near them.
if pylon_type == "pylon-9_9" and c_is_model_preloaded("fencefizz-9_1") ~= 0 then
    dofilx("fencefizz-9_1.lua")
end

-- The name of pylon bone i (1..24) and the unique name of the pylon hung on it.
function pylon_bone(i)
    return "pylon" .. math.floor(i / 10) .. (i % 10)
end

function pylon_name(i)
    return pylon_bone(i) .. "_" .. pylon_type
end

function pylon_chooser()
    local hue = c_zrand(-30, 30)
    for i = 1, 24 do
        c_room_attach(pylon_type, pylon_bone(i), 100, 100, 100, hue)
    end
    for i = 1, 24 do
        local next = i % 24 + 1
        c_add_fizz_to_room(pylon_fence, pylon_name(i), "top_x", pylon_name(next), "top_x",
            100, hue)
    end
    if c_get_gfx_level() > 1 then
        -- Full detail: a second, lower strand of fence.
        for i = 1, 24, 2 do
            local next = (i + 1) % 24 + 1
            c_add_fizz_to_room(pylon_fence, pylon_name(i), "mid_x", pylon_name(next), "mid_x",
                60, hue)
        end
    end
end
