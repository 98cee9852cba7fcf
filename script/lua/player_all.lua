-- player_all.lua -- the players' side of every level: the ships the players chose in the
-- menu, their shots in the fixed order of the player bullet table (player 1's bullet,
-- three-way, laser, missile, shield, spinner, player 2's bullet), the power-ups, and
-- player_start, which puts the ships into the arena.

player_ship_count = 5

-- The ship script of a model number, player 1's first ship when it is out of range.
local function player_ship_type(num)
    if num < 1 or num > player_ship_count then
        num = 1
    end
    return "player_" .. num
end

-- Preloads one of player_bullet_1.lua's shots under its own name.
local function player_bullet(name, model, rate, scale, spray)
    player_bullet_name = name
    player_bullet_model = model
    player_bullet_rate = rate
    player_bullet_scale = scale
    player_bullet_spray = spray
    if c_is_model_preloaded(name) ~= 0 then
        dofilx("player_bullet_1.lua")
    end
end

-- Player 1: the ship takes player 1's colours.
player_ship_1 = player_ship_type(c_get_player_num(1))
if c_is_model_preloaded(player_ship_1) ~= 0 then
    dofilx(player_ship_1 .. ".lua")
end

player_bullet("player_bullet_p1", "bullet_1", 0.09, 100, 0)
player_bullet("player_bullet_3way", "bullet_3way", 0.11, 90, 14)
player_bullet("player_laser", "laser_1", 0.05, 100, 0)
if c_is_model_preloaded("player_missile_1") ~= 0 then
    dofilx("player_missile_1.lua")
end
if c_is_model_preloaded("player_shield") ~= 0 then
    dofilx("player_shield.lua")
end
if c_is_model_preloaded("player_spinner") ~= 0 then
    dofilx("player_spinner.lua")
end

-- Player 2, in a two-player game only: the ship and its bullet take player 2's colours.
player_ship_2 = ""
local second = c_get_player_num(2)
if second > 0 then
    player_ship_2 = player_ship_type(second)
    if c_is_model_preloaded(player_ship_2) ~= 0 then
        dofilx(player_ship_2 .. ".lua")
    end
    player_bullet("player_bullet_p2", "bullet_1", 0.09, 100, 0)
end

-- The power-ups that drop where enemies die.
local powerups = {
    "powerup_3way", "powerup_laser", "powerup_missile",
    "powerup_shield", "powerup_spinner", "powerup_extralife",
}
for i = 1, #powerups do
    if c_is_model_preloaded(powerups[i]) ~= 0 then
        dofilx(powerups[i] .. ".lua")
    end
end

-- Puts the ships into the arena, side by side in a two-player game.
function player_start()
    local t = ACTOR_PreLaunch(player_ship_1)
    if player_ship_2 ~= "" then
        t:setall(-8, 0, 0, 0, 0, 0, 0)
        t:launch()
        t = ACTOR_PreLaunch(player_ship_2)
        t:setall(8, 0, 0, 0, 0, 0, 0)
        t:launch()
    else
        t:setall(0, 0, 0, 0, 0, 0, 0)
        t:launch()
    end
end
