-- paths.lua -- the paths every level offers its path-following enemies. Paths through the
-- pylons follow the room's layout; table paths are drawn here point by point.
--
-- c_add_a_path (name, direction, percent): a loop through the 24 pylons at percent of
-- their distance from the centre, backwards when direction is negative.
-- c_add_a_path (name, stop, z scale, x scale, angle, z offset, x offset, points): a loop
-- of points given three numbers each (a, b, c), placed at game x = b, height c, z = -a;
-- stop above 1 marks every stop-th point as a halt.

c_add_a_path("edge-path", 0, 75)
c_add_a_path("edge-path-back", -1, 75)
c_add_a_path("inner-path", 0, 45)
c_add_a_path("inner-path-back", -1, 45)

-- Appends one path point to a points table holding n points; returns n + 1.
function path_point(points, n, x, z)
    points[n * 3 + 1] = -z
    points[n * 3 + 2] = x
    points[n * 3 + 3] = 0
    return n + 1
end

-- A figure of eight across the middle of the arena.
local eight = {}
local n = 0
for i = 0, 23 do
    local a = math.rad(i * 15)
    n = path_point(eight, n, math.sin(a) * 40, math.sin(2 * a) * 18)
end
c_add_a_path("figure-eight", 0, 100, 100, 0, 0, 0, eight)

-- A square with a halt at each corner, turned 45 degrees so that it points at the walls.
local square = {}
n = 0
n = path_point(square, n, 30, 30)
n = path_point(square, n, 0, 30)
n = path_point(square, n, -30, 30)
n = path_point(square, n, -30, 0)
n = path_point(square, n, -30, -30)
n = path_point(square, n, 0, -30)
n = path_point(square, n, 30, -30)
n = path_point(square, n, 30, 0)
c_add_a_path("square-path", 2, 100, 100, 45, 0, 0, square)

-- A five-pointed star whose points reach towards the edge.
local star = {}
n = 0
for i = 0, 9 do
    local a = math.rad(i * 36)
    local r = 44
    if i % 2 == 1 then
        r = 18
    end
    n = path_point(star, n, math.sin(a) * r, math.cos(a) * r)
end
c_add_a_path("star-path", 0, 100, 100, 0, 0, 0, star)

-- A zigzag sweeping from one side of the arena to the other and back.
local zigzag = {}
n = 0
for i = 0, 7 do
    local z = -42 + i * 12
    local x = 36
    if i % 2 == 1 then
        x = -36
    end
    n = path_point(zigzag, n, x, z)
end
for i = 7, 0, -1 do
    n = path_point(zigzag, n, 0, -42 + i * 12)
end
c_add_a_path("zigzag-path", 0, 100, 100, 0, 0, 0, zigzag)
