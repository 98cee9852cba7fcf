// ship_hull.h -- where a player ship's hull stands above its turret: the height its
// script gives (cp_bullet_spray_angle of the hull's preload), as the engine stands it.
#pragma once

#include "tests/support/script_recorder.h"

#include <string>

// The height of ship n's hull above its turret: its script's cp_bullet_spray_angle.
inline float hull_height(int n)
{
    static float heights[6] = {-1, -1, -1, -1, -1, -1};
    if (heights[n] < 0) {
        std::string hull = "players/ship_" + std::to_string(n) + "_hull";
        const char *note = "rec_wrap(\"c_preload_model\", function(t) "
                           "rec_add(\"height \" .. t[2] .. \"/\" .. t[3] .. \" \" .. t[cp_bullet_spray_angle]) end)";
        for (const std::string &line : script_record(("player_" + std::to_string(n) + ".lua").c_str(), note)) {
            if (line.rfind("height " + hull + " ", 0) == 0) {
                heights[n] = std::stof(line.substr(8 + hull.size()));
            }
        }
    }
    return heights[n];
}
