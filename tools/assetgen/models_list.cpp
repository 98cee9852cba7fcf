// models_list.cpp -- every model family the generator writes: its folder below styles/,
// its name and the function that builds it (one file per family, models_*.cpp).

#include "assetgen/models.h"

void model_robot_green(ModelBuilder &m);
void model_bullet_robo(ModelBuilder &m);
void model_ship_1(ModelBuilder &m);
void model_ship_1_hull(ModelBuilder &m);
void model_ship_2(ModelBuilder &m);
void model_ship_2_hull(ModelBuilder &m);
void model_ship_3(ModelBuilder &m);
void model_ship_3_hull(ModelBuilder &m);
void model_ship_4(ModelBuilder &m);
void model_ship_4_hull(ModelBuilder &m);
void model_ship_5(ModelBuilder &m);
void model_ship_5_hull(ModelBuilder &m);
void model_shield(ModelBuilder &m);
void model_spinner(ModelBuilder &m);
void model_bullet_1(ModelBuilder &m);
void model_bullet_3way(ModelBuilder &m);
void model_laser_1(ModelBuilder &m);
void model_missile_1(ModelBuilder &m);
void model_bullet_ninjoo(ModelBuilder &m);
void model_bullet_pathfly(ModelBuilder &m);
void model_bullet_pimp(ModelBuilder &m);
void model_bullet_robomom(ModelBuilder &m);
void model_bullet_splitworm(ModelBuilder &m);
void model_bullet_trackfly(ModelBuilder &m);
void model_bullet_turret1(ModelBuilder &m);
void model_bullet_turret2(ModelBuilder &m);
void model_bullet_weelee(ModelBuilder &m);
void model_beemspider_bullet(ModelBuilder &m);
void model_laser_1sec(ModelBuilder &m);
void model_laser_2sec(ModelBuilder &m);
void model_laser_3sec(ModelBuilder &m);
void model_missile_ninjoo(ModelBuilder &m);
void model_missile_pimp(ModelBuilder &m);
void model_missile_robomum(ModelBuilder &m);
void model_missile_turret(ModelBuilder &m);
void model_missile_weelee(ModelBuilder &m);

const ModelFamily MODEL_FAMILIES[] = {
    {"beasties", "robot_green", model_robot_green},
    {"bullets", "bullet_robo", model_bullet_robo},
    {"players", "ship_1", model_ship_1},
    {"players", "ship_1_hull", model_ship_1_hull},
    {"players", "ship_2", model_ship_2},
    {"players", "ship_2_hull", model_ship_2_hull},
    {"players", "ship_3", model_ship_3},
    {"players", "ship_3_hull", model_ship_3_hull},
    {"players", "ship_4", model_ship_4},
    {"players", "ship_4_hull", model_ship_4_hull},
    {"players", "ship_5", model_ship_5},
    {"players", "ship_5_hull", model_ship_5_hull},
    {"players", "shield", model_shield},
    {"players", "spinner", model_spinner},
    {"bullets", "bullet_1", model_bullet_1},
    {"bullets", "bullet_3way", model_bullet_3way},
    {"bullets", "laser_1", model_laser_1},
    {"bullets", "missile_1", model_missile_1},
    {"bullets", "bullet_ninjoo", model_bullet_ninjoo},
    {"bullets", "bullet_pathfly", model_bullet_pathfly},
    {"bullets", "bullet_pimp", model_bullet_pimp},
    {"bullets", "bullet_robomom", model_bullet_robomom},
    {"bullets", "bullet_splitworm", model_bullet_splitworm},
    {"bullets", "bullet_trackfly", model_bullet_trackfly},
    {"bullets", "bullet_turret1", model_bullet_turret1},
    {"bullets", "bullet_turret2", model_bullet_turret2},
    {"bullets", "bullet_weelee", model_bullet_weelee},
    {"bullets", "beemspider_bullet", model_beemspider_bullet},
    {"bullets", "laser-1_1sec", model_laser_1sec},
    {"bullets", "laser-1_2sec", model_laser_2sec},
    {"bullets", "laser-1_3sec", model_laser_3sec},
    {"bullets", "missile_ninjoo", model_missile_ninjoo},
    {"bullets", "missile_pimp", model_missile_pimp},
    {"bullets", "missile_robomum", model_missile_robomum},
    {"bullets", "missile_turret", model_missile_turret},
    {"bullets", "missile_weelee", model_missile_weelee},
};
const int MODEL_FAMILY_COUNT = (int)(sizeof(MODEL_FAMILIES) / sizeof(MODEL_FAMILIES[0]));
