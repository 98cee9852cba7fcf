-- floor_chooser.lua -- the room and its floor. The room ("roomer") is the arena's own
-- model: its skeleton carries the 24 pylon bones, and its layout animations move them
-- into a circle, a square, a triangle or a hexagon. floor_chooser puts the room and the
-- floor into the arena at the level start and plays the level's layout.

cur_level_num = cur_level_num or 100

if c_is_model_preloaded("roomer") ~= 0 then
    local room = ACTOR_preload("roomer", "room", "roomer")
    room[cp_actor_type] = cat_ground
    room[cp_in_beastie_count] = 0
    room[cp_these_collide_with_me] = 0
    c_preload_model(room)
end

-- Three floors, one for each run of ten levels in turn.
floor_type = "floor-1_" .. (1 + math.floor(cur_level_num / 10) % 3)
-- Boss levels (ending in 9) light their floor in warning reds: the boss floor picture
-- stands in for the floor's own light before the floor is loaded.
if cur_level_num % 10 == 9 then
    c_change_bitmap(floor_type .. ".bmp", "floor_boss.bmp")
end
if c_is_model_preloaded(floor_type) ~= 0 then
    local floor = ACTOR_preload(floor_type, "room", floor_type)
    floor[cp_actor_type] = cat_ground
    floor[cp_in_beastie_count] = 0
    floor[cp_these_collide_with_me] = 0
    c_preload_model(floor)
end

-- The layouts of the room, one per level in turn; boss levels (ending in 9) fight in the
-- wide circle.
floor_layouts = { "circle", "square", "triangle", "hexagon" }

function floor_layout()
    if cur_level_num % 10 == 9 then
        return "circle_wide"
    end
    return floor_layouts[1 + cur_level_num % 4]
end

function floor_chooser()
    local room = ACTOR_PreLaunch("roomer")
    room[ci_unique_name] = "roomer"
    room:launch()
    local floor = ACTOR_PreLaunch(floor_type)
    floor[ci_unique_name] = "floor"
    floor:launch()
    c_room_goto(floor_layout(), 0)
end
