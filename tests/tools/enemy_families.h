// enemy_families.h -- every generated enemy family as the pictures and the size checks
// take it: the scale its scripts launch it at, the widest extent its kind has from the
// play camera, how it moves, its own animation and the life-cycle key frames.
#pragma once

#include <vector>

struct EnemyPose {
    const char *anim;   // null: the defaults only
    int ticks;
};

struct EnemyFamily {
    const char *folder;
    const char *name;
    float scale;                    // as its scripts launch it
    float across_min, across_max;   // widest extent from the play camera, units
    EnemyPose moving;               // how it moves
    EnemyPose own;                  // its own animation (fire, hatch, glint ...)
};

inline const std::vector<EnemyPose> &enemy_life_poses()
{
    static const std::vector<EnemyPose> life = {{"emerge", 30}, {"byebye", 18}, {"hitbounce", 5}, {"mutate", 12}};
    return life;
}

inline const std::vector<EnemyFamily> &enemy_families()
{
    static const std::vector<EnemyFamily> families = {
        {"beasties", "robot_yellow", 1.0f, 5, 9, {"walk", 9}, {"aim", 20}},
        {"beasties", "weelee_small", 1.0f, 5, 9, {"roll", 9}, {"look", 50}},
        {"beasties", "weelee_big", 1.0f, 5, 9, {"roll", 9}, {"vent", 60}},
        {"beasties", "trackfly_1", 1.0f, 2, 4, {"flap", 1}, {"buzz", 12}},
        {"beasties", "trackfly_2", 1.0f, 2, 4, {"flap", 2}, {"buzz", 12}},
        {"beasties", "spinner_1", 1.0f, 2, 4.5f, {"spin1_x", 30}, {"whirl", 20}},
        {"beasties", "end_chaser", 1.0f, 3, 7, {"hang", 30}, {"grind", 50}},
        {"beasties", "crystal", 1.15f, 5, 9, {"spin1_x", 40}, {"glint", 6}},
        {"beasties", "weblob_tiny2", 0.7f, 2, 4, {"quiver", 20}, {"peer", 50}},
        {"beasties", "mergeblob_1", 1.0f, 5, 9, {"wobble", 60}, {"wobble", 120}},
        {"beasties", "trailer_1", 1.0f, 5, 10, {"trail", 60}, {"trail", 140}},
        {"beasties", "trailer_trash", 1.0f, 2, 3.5f, {"blink", 3}, {"pulse", 10}},
        {"beasties", "beemspider_1", 1.0f, 5, 9, {"walk", 12}, {"turn_l", 40}},
        {"beasties", "worm_chain_split", 1.0f, 5, 11, {"slither", 20}, {"chew", 20}},
        {"beasties", "ninjoo_1", 1.0f, 4, 7, {"guard", 20}, {"twirl", 10}},
        {"beasties", "motha_2_spawn", 0.45f, 2, 4.5f, {"flap", 5}, {"dart", 20}},
        {"bosses", "motha_2", 1.0f, 15, 30, {"flap", 30}, {"hatch", 170}},
        {"bosses", "robo_mom", 1.0f, 15, 30, {"stomp", 40}, {"hatch", 260}},
        {"bosses", "robo_mom_pod", 1.0f, 2, 4, {"pulse", 20}, {"pulse", 35}},
        {"bosses", "geopus", 1.0f, 15, 30, {"crawl", 30}, {"grow", 300}},
        {"bosses", "powerpimp", 1.0f, 15, 30, {"strut", 30}, {"tip", 60}},
        {"beasties", "pathfly_tiny", 0.55f, 2, 4, {"flap", 2}, {"buzz", 12}},
    };
    return families;
}
