// models_list.cpp -- every model family the generator writes: its folder below styles/,
// its name and the function that builds it (one file per family, models_*.cpp).

#include "assetgen/models.h"

void model_robot_green(ModelBuilder &m);
void model_bullet_robo(ModelBuilder &m);
void model_turret_1_big(ModelBuilder &m);
void model_turret_1_sma(ModelBuilder &m);
void model_turret_base(ModelBuilder &m);
void model_blocker_red(ModelBuilder &m);
void model_wall_1_flat(ModelBuilder &m);
void model_chunk_1(ModelBuilder &m);
void model_chunk_2(ModelBuilder &m);
void model_chunk_3(ModelBuilder &m);

const ModelFamily MODEL_FAMILIES[] = {
    {"beasties", "robot_green", model_robot_green},
    {"bullets", "bullet_robo", model_bullet_robo},
    {"beasties", "turret_1_big", model_turret_1_big},
    {"beasties", "turret_1_sma", model_turret_1_sma},
    {"beasties", "turret_base", model_turret_base},
    {"beasties", "blocker_red", model_blocker_red},
    {"beasties", "wall_1_flat", model_wall_1_flat},
    {"beasties", "chunk_1", model_chunk_1},
    {"beasties", "chunk_2", model_chunk_2},
    {"beasties", "chunk_3", model_chunk_3},
};
const int MODEL_FAMILY_COUNT = (int)(sizeof(MODEL_FAMILIES) / sizeof(MODEL_FAMILIES[0]));
