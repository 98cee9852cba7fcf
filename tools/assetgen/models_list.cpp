// models_list.cpp -- every model family the generator writes: its folder below styles/,
// its name and the function that builds it (one file per family, models_*.cpp).

#include "assetgen/models.h"

void model_robot_green(ModelBuilder &m);
void model_bullet_robo(ModelBuilder &m);

const ModelFamily MODEL_FAMILIES[] = {
    {"beasties", "robot_green", model_robot_green},
    {"bullets", "bullet_robo", model_bullet_robo},
};
const int MODEL_FAMILY_COUNT = (int)(sizeof(MODEL_FAMILIES) / sizeof(MODEL_FAMILIES[0]));
