// bullet.h -- the shots of ships and enemies: one list, newest at the head. A bullet is an
// Actor with its type's animation set: it flies forward by the root motion of its one-shot
// flight ("fire..."), damages what it meets, plays "die" after a hit and goes when its
// one-shot animations have ended.
//
// Ships fire with bullet_spawn_heading, enemy weapons with bullet_spawn_spread; the list
// is moved once a tick by bullet_update_all and drawn by bullet_draw_all. Main thread only.
#pragma once

#include "world/actor.h"
#include "world/recycle.h"

#include <cstdint>

struct Gamer;

// Life of a bullet.
constexpr float BULLET_FLYING = 1.0f;
constexpr float BULLET_DYING = 0.5f;   // after a hit, while "die" plays
// Collide masks: enemy shots hit ships; player shots every category but fences, beams,
// ships, bullets and debris (0x2001E), enemies included.
constexpr uint32_t BULLET_MASK_ENEMY = 8;
constexpr uint32_t BULLET_MASK_PLAYER = 0xFFFDFFE1u;
// The player bullet kind that passes through what it hits (the laser).
constexpr int BULLET_KIND_LASER = 2;
// Within this square a bullet collides; beyond it only moves; beyond the outer one it goes.
constexpr float BULLET_COLLIDE_EDGE = 80.0f;
constexpr float BULLET_MOVE_EDGE = 150.0f;

struct Bullet : Actor {
    RECYCLED_RECORD
    float life = 0.0f;           // BULLET_FLYING, BULLET_DYING; 0 or less: removed
    Bullet *next = nullptr;
    Actor *owner = nullptr;      // the ship or enemy that fired it (compared, never read)
    Gamer *ship = nullptr;       // the ship that scores its kills; null for enemy shots
    float heading = 0.0f;        // degrees
    int kind = 0;                // the player bullet slot; 0 for enemy shots
};

// The list, newest first, and how many it holds.
extern Bullet *g_bullets;
extern int g_bullet_count;

// Published while one shot is collided (cleared after): the ship that fired it, which
// scores the kills, or null for enemy shots; and the shot's heading in degrees, which a
// sidestepping enemy dodges.
extern Gamer *g_bullet_ship;
extern float g_bullet_heading;

// An enemy's shot of the type from the translation of matrix (or the owner's position
// when null), raised by height, at heading plus a random share of the type's
// bullet_spray_angle, sized by scale; it hits ships. Returns the listed bullet, or null
// when none could be made (a null type: "*** bullet help"; no skeleton).
Bullet *bullet_spawn_spread(ActorType *type, const float *matrix, Actor *owner, float heading, float height,
                            float scale);
// A ship's shot of the type (the ship calls it as it fires): from the translation of
// matrix, or the ship's position when null, raised by height, at exactly heading, sized
// by scale, of the player bullet kind (slot; BULLET_KIND_LASER flies through). It hits
// enemies, and the ship scores what it kills. Returns the listed bullet, or null.
Bullet *bullet_spawn_heading(ActorType *type, const float *matrix, Gamer *ship, float heading, float height,
                             float scale, int kind);

// Every enemy shot (no ship) whose floor distance to point, less its radius, lies within
// radius r goes at the next update, without explosions (blasts). Player shots stay.
void bullet_kill_in_radius(const float point[3], float r);

// Empties the list and the published globals (level start).
void bullet_reset(void);
// Destroys every bullet (level end, and every tick while the level is not running).
void bullet_free_all(void);
// Releases the bullet's actor part; bit 0 of flags deletes it. Only for unlisted bullets.
void bullet_destroy(Bullet *b, int flags);
// Per tick: moves, collides and removes the bullets.
void bullet_update_all(void);
// Per frame: draws the live bullets, enemy shots with their shadow sprite.
void bullet_draw_all(void);
