// gamer.h -- the player ships.
#pragma once

#include "core/game_record.h"
#include "world/actor.h"

#include <cstdint>

constexpr int GAMER_MAX_BULLETS = 16;     // player bullet types of a level
// Slots of the player bullet table, in the order the scripts register them.
constexpr int GAMER_BULLET_P1 = 0;
constexpr int GAMER_BULLET_THREEWAY = 1;
constexpr int GAMER_BULLET_LASER = 2;
constexpr int GAMER_BULLET_MISSILE = 3;
constexpr int GAMER_BULLET_SHIELD = 4;    // slot of the shield type
constexpr int GAMER_BULLET_SPINNER = 5;   // slot of the spinner type
constexpr int GAMER_BULLET_P2 = 6;        // the second ship's bullet in a two-player game
// The power-up a raised shield keeps from dropping (the shield itself).
constexpr int GAMER_NO_DROP_SHIELD = 3;

// One of the ship's extra models (hull, spinner, shield): on while its type was given.
struct GamerPart {
    int on = 0;
    Actor actor;                                    // position, scale, type and block
    float random_anim_timers[MAX_RANDOM_ANIMS] = {};
};

// A player ship: the turret is the Actor part. Times are seconds, falling by 0.01 a tick.
struct Gamer : Actor {
    Gamer *next = nullptr;
    float energy = 0.0f;         // 1.0 alive; -1.0 out of lives; a damaging contact takes its damage
    int death_timer = 0;         // 0 alive; 1000 once a life is lost; 1 while frozen
    int out_of_play = 0;         // 1 after a death until the level starts again
    int player_number = 0;       // 1, 2, ... in creation order
    GameInfo info = {};          // the player's record, copied in at creation
    float threeway_timer = 0.0f; // weapon power-ups
    float laser_timer = 0.0f;
    float missile_timer = 0.0f;
    float spinner_timer = 0.0f;
    float shield_timer = 0.0f;   // 1.0 while up; 0.1 after it took a hit, then down to 0
    float aim[3] = {};           // mouse aim point x and -z, and its squared distance x 0.00015
    int lock_latch = 0;          // the fire-lock button was held on the last tick
    GamerPart hull;              // turns to the direction of travel
    GamerPart spinner;
    GamerPart shield;
    ActorType *last_killed = nullptr;   // same-type kill run
    int kill_run = 0;
    float momentum[3] = {};
    float tilt = -90.0f;         // model pitch of every matrix of the ship
    float knock[3] = {};         // push from contacts (x and z)
    float random_anim_timers[MAX_RANDOM_ANIMS] = {};
    float fire_cooldown = 0.0f;
    float bomb_cooldown = 0.0f;
    float move_heading = 0.0f;   // degrees
    float aim_heading = 0.0f;
};

// One entry of the player bullet table (slots in the order the scripts register them).
struct GamerBullet {
    float interval;   // seconds between shots
    float scale;
    ActorType *type;
};

// The ships, newest first; the first one created (player 1's, which holds the shared
// stock of lives and bombs in a two-player game).
extern Gamer *g_gamers;
extern Gamer *g_gamer_first;
// The mean position of the ships in play (the origin without one).
extern float g_gamer_view[3];
extern GamerBullet g_gamer_bullets[GAMER_MAX_BULLETS];
extern int g_gamer_bullet_count;
// The ships' hue steps, 0 .. 11 (consoles "render_modelhue1" and "render_modelhue2" of
// game/settings.cpp's table): their models and the player bullets load turned by them.
extern float g_render_modelhue1;
extern float g_render_modelhue2;

// What the ships need of the game they play in: the copy and the hand-back of a player's
// record (gameinfo_get, and gameinfo_set with its skill rule) and the HUD's reference to
// it (hud_set_player_ref). The game hands its functions over at start-up (init_imports).
struct GamerImports {
    void (*record_get)(int player, GameInfo *out);                                  // gameinfo_get
    void (*record_set)(int player, const GameInfo *in, int completed, int ticks);   // gameinfo_set
    void (*show_record)(GameInfo *info, int player);                                // hud_set_player_ref
};
extern GamerImports g_gamer_imports;

// Builds a ship of the type at pos with size and heading angle and lists it. 0, or -1
// when it is not listed (a null type: "*** gamer help"; no skeleton): the caller deletes it.
int gamer_init(Gamer *g, ActorType *type, const float pos[3], float size, float angle);
// Releases the ship's parts; bit 0 of flags deletes it.
void gamer_destroy(Gamer *g, int flags);
// Appends a player bullet type; the fifth is the shield, the sixth the spinner. With 16:
// "*** [gamer] too many bullets".
void gamer_add_bullet_type(ActorType *type, float interval, float scale);
// The hue (degrees) of the player bullet type registered next.
float gamer_hue(void);
// The nearest ship with energy above 0 (squared floor distance, the first of equal ones),
// or null.
Gamer *gamer_nearest_live(const float point[3]);
// Its position; when no ship has energy, the first ship's; null without ships.
const float *gamer_nearest_live_position(const float point[3]);
// Scoring. Points pass through the multiplier: returns the points added (points x
// multiplier), 0 while the hidden keys are enabled. counts: the points also count toward
// the multiplier and the two-player share. In a two-player game the second ship's points
// go to the first gamer.
int gamer_add_score(Gamer *g, int points, int counts);
// The kill of an enemy by the ship (null: nothing): its score, or the bonus of a run of
// kills of one type, a floating score number and the power-up drop check.
struct Beastie;
void gamer_score_kill(Gamer *g, Beastie *b);
// Every kill handed to gamer_score_kill is also handed to this observer when set (tests;
// null in the game).
typedef void (*gamer_kill_hook_t)(Gamer *g, Beastie *b);
extern gamer_kill_hook_t g_gamer_kill_hook;
// The two-player share after the ship lost a life (0.1) or dropped a bomb (0.05).
void gamer_share_value(Gamer *g, float fraction);
// One multiplier step back after a death, keeping the fraction of the way through the step.
void gamer_step_back(GameInfo *info);

// Damage. A positive damage lowers the ship's energy (unless invulnerable); at 0 a life
// is lost.
void gamer_take_damage(Gamer *g, float damage);
// Loses a life (nothing while the death timer runs).
void gamer_lose_life(Gamer *g);
// The bounce test of the collider against every ship with energy; hit flags.
uint32_t gamer_spheres_hit_test_all(void);
// The collider (a damaging actor) against every ship: hit flags.
uint32_t gamer_hit_by_actor(float damage);

// The ships of the running level as the game flow sees them: how many exist (the first
// is player 1's, the first gamer), how many are in play, and how many still have lives
// (0 or more). A ship copies its player's record from the game information table.
extern int g_gamer_count;
extern int g_gamer_in_play;
extern int g_gamer_with_lives;

// 1 when a first gamer exists (the level script launched a ship), else 0.
int gamer_first_exists(void);
// Updates every ship. -1: no ship has lives left (game over); 1: a ship is in play;
// 0: every ship is out of play with lives left (a death: the level restarts).
int gamer_update_all(void);
// The camera follows the ships' view point, framing the box bounds (min x, y, z, max x,
// y, z); then bounds receives the view point's x and z as both corners.
void gamer_view_target(float bounds[6]);
// Mean skill of the ships plus the game type's base skill (at least 30 after a wrap of
// the level sequence in the easiest game types), handed to game_set_difficulty.
void gamer_skill_difficulty(void);
// Hands every ship's record back to the game information table (completed 1 at a level
// end, 0 after a death or game over) with the ticks played.
void gamer_gameinfo(int completed, int ticks);
// The level-end award: the enemies that carry a level-end score die and pay it to the
// living ships. Returns the first gamer's smart bombs on a level whose number ends in 9,
// else 0.
int gamer_award_level_end(void);
// Two-player share at the level end: 1 when it moved for the first gamer, 0 for the
// other ship, -1 when there is no pair to compare.
int gamer_balance_pair(void);
struct ActorType;
// Pick-up of a power-up of the type at point: the first ship in play within radius plus
// its own radius takes the effect of the type's kind and amount; 1 taken, else 0.
int gamer_collect_powerup(ActorType *type, const float point[3], float radius);
// The first gamer's "bonus_extra" explosions at the origin.
void gamer_bonus_extra_explosions(void);
// The pause menu's abandon: every ship loses all lives and dies, unless invulnerable.
void gamer_tick_countdowns(void);
// Level start: empties the list and the ships' globals.
void gamer_reset_globals(void);
// Level end: destroys every ship and resets the globals.
void gamer_free_all(void);

// Draws every ship with energy left.
void gamer_draw_all(void);
// The ships' glow rings around the level's start and end (additive pass).
void gamer_draw_rings(void);
// The local ship's aim marker, with mouse aim while the level plays.
void gamer_draw_aim(void);
// One ship's glow ring at pos: radius 18 from level tick -100 on, growing in over the 100
// ticks before the start and shrinking over the 100 after the end (end_ticks: ticks since
// the level's end, 0 while it runs); nothing outside that span.
void gamer_draw_ring_at(const float pos[3], int tick, int end_ticks);
// The aim marker at aim (a, b and the aim distance) of a ship steered with mouse aim
// (input type 1) while the level plays.
void gamer_draw_aim_at(const float aim[3], float input_type, int playing);
