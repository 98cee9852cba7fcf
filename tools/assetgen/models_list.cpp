// models_list.cpp -- every model family the generator writes: its folder below styles/,
// its name and the function that builds it (one file per family, models_*.cpp).

#include "assetgen/models.h"

void model_robot_green(ModelBuilder &m);
void model_bullet_robo(ModelBuilder &m);
void model_robot_yellow(ModelBuilder &m);
void model_weelee_small(ModelBuilder &m);
void model_weelee_big(ModelBuilder &m);
void model_trackfly_1(ModelBuilder &m);
void model_trackfly_2(ModelBuilder &m);
void model_pathfly_tiny(ModelBuilder &m);
void model_spinner_1(ModelBuilder &m);
void model_end_chaser(ModelBuilder &m);
void model_crystal(ModelBuilder &m);
void model_weblob_tiny2(ModelBuilder &m);
void model_mergeblob_1(ModelBuilder &m);
void model_trailer_1(ModelBuilder &m);
void model_trailer_trash(ModelBuilder &m);
void model_beemspider_1(ModelBuilder &m);
void model_worm_chain_split(ModelBuilder &m);
void model_ninjoo_1(ModelBuilder &m);
void model_motha_2_spawn(ModelBuilder &m);
void model_motha_2(ModelBuilder &m);
void model_robo_mom(ModelBuilder &m);
void model_geopus(ModelBuilder &m);
void model_powerpimp(ModelBuilder &m);

const ModelFamily MODEL_FAMILIES[] = {
    {"beasties", "robot_green", model_robot_green},
    {"bullets", "bullet_robo", model_bullet_robo},
    {"beasties", "robot_yellow", model_robot_yellow},
    {"beasties", "weelee_small", model_weelee_small},
    {"beasties", "weelee_big", model_weelee_big},
    {"beasties", "trackfly_1", model_trackfly_1},
    {"beasties", "trackfly_2", model_trackfly_2},
    {"beasties", "pathfly_tiny", model_pathfly_tiny},
    {"beasties", "spinner_1", model_spinner_1},
    {"beasties", "end_chaser", model_end_chaser},
    {"beasties", "crystal", model_crystal},
    {"beasties", "weblob_tiny2", model_weblob_tiny2},
    {"beasties", "mergeblob_1", model_mergeblob_1},
    {"beasties", "trailer_1", model_trailer_1},
    {"beasties", "trailer_trash", model_trailer_trash},
    {"beasties", "beemspider_1", model_beemspider_1},
    {"beasties", "worm_chain_split", model_worm_chain_split},
    {"beasties", "ninjoo_1", model_ninjoo_1},
    {"beasties", "motha_2_spawn", model_motha_2_spawn},
    {"bosses", "motha_2", model_motha_2},
    {"bosses", "robo_mom", model_robo_mom},
    {"bosses", "geopus", model_geopus},
    {"bosses", "powerpimp", model_powerpimp},
};
const int MODEL_FAMILY_COUNT = (int)(sizeof(MODEL_FAMILIES) / sizeof(MODEL_FAMILIES[0]));
