// model.cpp -- model instances. No mesh is drawable yet: an instance holds no model, so
// there are no colours to turn and nothing to free.

#include "render/model.h"

#include <cstring>

void model_instance_init(ModelInstance *inst, Model *model)
{
    memset(inst, 0, sizeof(*inst));
    inst->model = model;
}

void model_instance_set_hue(ModelInstance *inst, float hue)
{
    (void)inst;
    (void)hue;
}

void model_instance_free(ModelInstance *inst)
{
    memset(inst, 0, sizeof(*inst));
}
