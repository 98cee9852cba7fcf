// model.h -- the drawable view of a set's mesh that every actor embeds: its colours
// (shared, or a private hue-turned copy), lighting work array, texture animation states,
// materialise counter and model.
#pragma once

#include <cstdint>

struct Model;

// The animation state of one texture of the mesh.
struct ModelTexAnim {
    int mode;
    float frame;
    float speed;
    float frame_count;
};

struct ModelInstance {
    float (*positions)[3];     // the model's
    uint32_t *colours;         // the model's, or a private hue-turned copy
    float (*light_dirs)[3];    // lighting work array, null for unlit models
    ModelTexAnim *tex_anims;   // one per texture
    int materialise;           // 0..255: the faces fly in while it counts down; 0 = off
    Model *model;
};

// Binds an instance to a model; a null model clears the instance.
void model_instance_init(ModelInstance *inst, Model *model);
// Gives the instance its own colours turned by hue degrees (wrapped into -180..180);
// within 3 degrees of 0 it keeps the shared ones.
void model_instance_set_hue(ModelInstance *inst, float hue);
// Frees what the instance owns (private colours, animation states, work array).
void model_instance_free(ModelInstance *inst);
