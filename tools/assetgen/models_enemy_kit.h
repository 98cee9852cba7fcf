// models_enemy_kit.h -- what the enemy families (models_enemy_*.cpp, models_boss_*.cpp)
// share: tintable pictures and the paints made of them, and the life-cycle tracks the
// engine plays on every enemy ("emerge", "submerge", "mutate", "byebye", "hitbounce").
//
// Every picture here is grey or white, so a paint's vertex colour gives a family its
// hue. The life-cycle helpers write their keys on the bone they are given and hand each
// key to an optional callback, so a family adds its own flourish (wings folding, a head
// popping off) to the same keys.
#pragma once

#include "assetgen/models.h"

#include <functional>

namespace enemy_kit {

// Paints over the kit's pictures, in the colour given (0xRRGGBB).
Paint plate(uint32_t colour);      // riveted metal plating, lit by face normals
Paint smooth(uint32_t colour);     // plain colour, lit by face normals
Paint gloss(uint32_t colour);      // plain colour, lit radially (eyes, round shiny parts)
Paint skin(uint32_t colour);       // mottled hide, lit radially (round bodies on their bone)
Paint shell(uint32_t colour);      // banded chitin, lit by face normals
Paint membrane(uint32_t colour);   // veined wing membrane, lit by face normals
Paint eyespot(uint32_t colour);    // ringed spot (its rings follow a sphere's latitude)
Paint facet(uint32_t colour);      // streaked crystal face, lit by face normals
Paint lamp(uint32_t colour);       // unlit: eyes, lights, hot vents
Paint glow(uint32_t colour);       // additive soft glow (sprites)
Paint spark(uint32_t colour);      // additive rayed glow (sprites)
Paint trail(uint32_t colour);      // additive strip (ribbons)

// Extra poses for the key with index k (counted from 0) of a life-cycle track.
using KeyOps = std::function<void(int k, Key &key)>;

// "emerge" for things that stand on the floor: from depth below it at a reduced size,
// up past the rest height (overshoot), settling. Four keys; seconds is the whole time.
Track &emerge_rise(ModelBuilder &m, int root, float depth, float seconds, const KeyOps &extra = {});
// "emerge" for flyers and drifters: dropping in from height above, spinning a turn and
// growing from small. Four keys.
Track &emerge_swoop(ModelBuilder &m, int root, float height, float seconds, const KeyOps &extra = {});
// "submerge": a squat, then down into the floor by depth, shrinking. Two keys.
Track &submerge_sink(ModelBuilder &m, int root, float depth, float seconds, const KeyOps &extra = {});
// "byebye": a swell, then collapse: spin by turn degrees, sink by drop and shrink to
// nothing. Two keys.
Track &byebye_burst(ModelBuilder &m, int root, float turn, float drop, float seconds, const KeyOps &extra = {});
// "mutate": out of from_scale (a fraction of full size), bulging past full size, then
// settling. Four keys.
Track &mutate_pop(ModelBuilder &m, int root, float from_scale, const KeyOps &extra = {});
// "hitbounce", rooted at bone: jerked back (pitched by pitch degrees, lifted by lift)
// and recovering. Two keys.
Track &hitbounce_recoil(ModelBuilder &m, int bone, float pitch, float lift, const KeyOps &extra = {});
// "spin1_x", rooted at bone: a whole turn about the bone's axis (0 X, 1 Y, 2 Z) in
// seconds, looping.
Track &spin_loop(ModelBuilder &m, const char *name, int bone, int axis, float seconds);

}  // namespace enemy_kit
