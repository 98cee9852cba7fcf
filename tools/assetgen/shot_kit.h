// shot_kit.h -- what the player ships, their shots and the enemies' shots and missiles
// share: their bitmaps (grey plating and white glows tinted by vertex colour, the hot
// flickering glows of enemy shots), paints, and the two tracks every shot has: a flight
// with forward root motion and "die".
//
// Colour roles: the ships and everything the engine turns to a player's hue are tinted
// through vertex colours over grey or white bitmaps (a hue turn changes vertex colours;
// a grey bitmap stays grey). Enemy shots carry their heat in their own bitmaps and stay
// brighter than any enemy body: unlit cores and additive glows.
#pragma once

#include "assetgen/models.h"

#include <functional>
#include <initializer_list>

// Grey plating for ships and missiles (tinted), a plain white fill, a white strip for
// trails and flames, and a soft white glow (tinted by the vertex colour).
extern const Bitmap KIT_PANEL;
extern const Bitmap KIT_WHITE;
extern const Bitmap KIT_STRIP;
extern const Bitmap KIT_GLOW;
// Eight-frame flickering glows of the enemy shots, white-hot in the middle.
extern const Bitmap KIT_GLOW_ORANGE;
extern const Bitmap KIT_GLOW_RED;
extern const Bitmap KIT_GLOW_MAGENTA;
extern const Bitmap KIT_GLOW_VIOLET;
extern const Bitmap KIT_GLOW_YELLOW;
// Eight frames of forked violet sparks (the spider's crackling shot).
extern const Bitmap KIT_CRACKLE;

// Faces lit by their normals, by the direction from their bone, or not at all.
Paint kit_lit(const Bitmap *b, uint32_t colour);
Paint kit_radial(const Bitmap *b, uint32_t colour);
Paint kit_unlit(const Bitmap *b, uint32_t colour);
// An additive glow (clamped); animated bitmaps run at frames_per_tick.
Paint kit_glow(const Bitmap *b, uint32_t colour, float frames_per_tick = 0);

// A shot's flight, the one-shot "fire" that a bullet plays from the moment it appears:
// one tick at the muzzle, then keys every beat seconds for seconds in all, each covering
// speed units a tick (model units: the world's are these times the shot's scale). pose
// adds the shot's own motion to key k (1, 2, ...).
Track &kit_flight(ModelBuilder &m, float speed, float seconds, float beat, const std::function<void(Key &, int)> &pose);
// "die": the bones flare to flare times their size in 0.05 s, then shrink to nothing by
// seconds.
Track &kit_die(ModelBuilder &m, std::initializer_list<int> bones, float flare, float seconds);
