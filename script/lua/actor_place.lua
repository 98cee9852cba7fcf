-- actor_place.lua -- actor_plopper, which launches one wave of an enemy type into the
-- arena. Level scripts call it on lines of their own starting in column 0: the game
-- reads those lines to learn which types the level needs before the script runs.

-- How a wave is placed (the how argument of actor_plopper).
plop_edge = 0       -- each on the arena's edge at a random bearing, facing the centre
plop_ring = 1       -- evenly round a ring of radius arg (default 45), facing the centre
plop_cluster = 2    -- bunched round a random spot arg units from the centre (default 30)
plop_path = 3       -- on the edge, following the path named arg ("edge-path" by default)
plop_centre = 4     -- round the centre, spread over arg units (default 6)
plop_line = 5       -- a line arg units long (default 60) across the arena, all facing one way

-- Distance of the arena's edge from its centre, inside the pylon ring.
plop_edge_radius = 52

local function plop_facing_centre(x, z)
    return math.deg(math.atan2(-x, -z))
end

-- actor_plopper (name, count, how, arg, delay, hue, size)
--   count: how many; delay: seconds between one launch and the next (0: all at once);
--   hue: hue shift in degrees; size: percent (0: the type's own launch scale).
function actor_plopper(name, count, how, arg, delay, hue, size)
    how = how or plop_edge
    delay = delay or 0
    hue = hue or 0
    size = size or 0
    local bearing = c_zrand(-180, 180)
    local cx = 0
    local cz = 0
    if how == plop_cluster then
        local d = arg or 30
        cx = math.sin(math.rad(bearing)) * d
        cz = math.cos(math.rad(bearing)) * d
    end
    for i = 1, count do
        local x = 0
        local z = 0
        local angle = 0
        local path = ""
        if how == plop_ring then
            local r = arg or 45
            local a = math.rad(bearing + (i - 1) * 360 / count)
            x = math.sin(a) * r
            z = math.cos(a) * r
            angle = plop_facing_centre(x, z)
        elseif how == plop_cluster then
            x = cx + c_zrand(-8, 8)
            z = cz + c_zrand(-8, 8)
            angle = plop_facing_centre(x, z) + c_zrand(-30, 30)
        elseif how == plop_centre then
            local spread = arg or 6
            x = c_zrand(-spread, spread)
            z = c_zrand(-spread, spread)
            angle = c_zrand(-180, 180)
        elseif how == plop_line then
            local length = arg or 60
            local a = math.rad(bearing)
            local along = (i - 0.5) / count - 0.5
            x = math.cos(a) * along * length - math.sin(a) * plop_edge_radius * 0.8
            z = -math.sin(a) * along * length - math.cos(a) * plop_edge_radius * 0.8
            angle = bearing
        else
            local a = math.rad(c_zrand(-180, 180))
            x = math.sin(a) * plop_edge_radius
            z = math.cos(a) * plop_edge_radius
            angle = plop_facing_centre(x, z)
            if how == plop_path then
                path = arg or "edge-path"
            end
        end
        local t = ACTOR_PreLaunch(name)
        t:setall(x, 0, z, angle, size, hue, (i - 1) * delay, path)
        local launcher = plop_launchers[name]
        if launcher then
            launcher(t)
        else
            t:launch()
        end
    end
end
