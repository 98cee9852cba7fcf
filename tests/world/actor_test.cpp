// The actor base over sets made in memory: hit spheres on their bone matrices, damage
// bone by bone (scale, breakable bones and the bones that share their health, worn and
// collapsed bones), the bounce, a ship touching a damaging enemy, the masks that decide
// who collides, the bone-health sums, the movement-slot animations, the refusal of an
// actor the pool has no matrix block for, and the bones that wait for the draw.

#include "world/actor.h"

#include "core/mem.h"
#include "game/gameinfo.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/gamer.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/world/anim_synth.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Matrix indexes of the turret set below.
constexpr int GUN = 2;      // breakable, health 2, with barrel (3) and tip (4) below it
constexpr int TURRET = 5;   // health 5
constexpr int BASE = 6;     // the set gives it no health

// A turret seen from above: the gun at x = 3 with its barrel and tip hanging from it, the
// turret block at x = -3, a base without health at z = 3.
AnimSet *turret_set()
{
    AnimSynth s;
    s.bone("mainbone_x", 0, 0, 0, 0)
        .bone("gun_l_x", 1, 3, 0, 0, 2.0f, true)
        .bone("barrel_l", GUN, 0, 0, -1, 2.0f)
        .bone("tip_l", 3, 0, 0, -1, 2.0f)
        .bone("turret_x", 1, -3, 0, 0, 5.0f)
        .bone("base", 1, 0, 0, 3, 0.0f);
    s.sphere(0, 0, 0, 0, 6.0f).sphere(GUN, 0, 0, 0, 1.0f).sphere(TURRET, 0, 0, 0, 1.0f).sphere(BASE, 0, 0, 0, 1.0f);
    s.track("walk", 0).track("turn", 0);
    return s.build("synth/turret");
}

class ActorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        beasties_reset();
        gamer_reset_globals();
        game_reset();   // the ships start with a new game's lives
        g_collide_mode = 0;
        g_collide_owner = nullptr;
        g_gamer_damage = 0.0f;
    }
    void TearDown() override
    {
        for (Actor *a : actors) {
            actor_destroy(a, 1);
        }
        beasties_free_all();
        gamer_free_all();
        anim_sets_free_all();
        EXPECT_EQ(anim_plays_in_use(), 0);
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    // Sets the actor's own matrix (a turn about the up axis, scale, position) and builds
    // its bone matrices and hit spheres, as an update does.
    static void place(Actor *a, float x, float z, float scale = 1.0f, float turn = 0.0f)
    {
        float c = cosf(turn * 3.14159265f / 180.0f) * scale;
        float s = sinf(turn * 3.14159265f / 180.0f) * scale;
        float m[16] = {c, 0, -s, 0, 0, scale, 0, 0, s, 0, c, 0, x, 0, z, 1};
        memcpy(a->matrix_block, m, sizeof(m));
        a->position[0] = x;
        a->position[2] = z;
        a->scale = scale;
        a->inv_scale = 1.0f / scale;
        a->radius = a->anim.set->sphere_count > 0 ? scale * a->anim.set->spheres[0].radius : scale;
        anim_build_matrices(&a->anim);
        anim_update_hit_spheres(a, 0, scale);
    }
    // An enemy of category 32 that bullets may hit.
    Actor *enemy(AnimSet *set, float x, float z, float scale = 1.0f)
    {
        Actor *a = new Actor;
        actors.push_back(a);
        EXPECT_EQ(actor_setup_skeleton(a, set, (int)cat_beastie, 0, cat_bullet), 0);
        a->params = &params;
        place(a, x, z, scale);
        return a;
    }
    // A listed enemy, as the enemy lists hold them.
    Beastie *listed(AnimSet *set, ActorType *type, float x, float z)
    {
        type->set = set;
        type->params = &params;
        Beastie *b = new Beastie;
        const float pos[3] = {x, 0, z};
        EXPECT_EQ(beastie_init(b, "", pos, 1.0f, 0.0f, 0.0f, 0.0f, type, nullptr), 0);
        b->hit_clock = -1.0f;
        place(b, x, z);
        return b;
    }
    // A shot of power p from (x, z0) along +z by length.
    uint32_t shoot(Actor *target, float x, float z0, float length, float p)
    {
        shot_pos[0] = x;
        shot_pos[1] = 0;
        shot_pos[2] = z0;
        shot_vel[0] = 0;
        shot_vel[1] = 0;
        shot_vel[2] = length;
        g_collider = Collider{0.2f, length, p, nullptr, shot_pos, shot_vel};
        return actor_spheres_damage_test(target);
    }
    float health(const Actor *a, int matrix) const { return a->anim.bone_health[matrix - 1]; }

    ActorParams params{};
    std::vector<Actor *> actors;
    float shot_pos[3];
    float shot_vel[3];
};

TEST_F(ActorTest, SphereCentresFollowTheirBoneMatrices)
{
    Actor *a = enemy(turret_set(), 0, 0);
    place(a, 10, -4, 2.0f, 90.0f);
    // Turned by 90 degrees about up: model x goes to world -z; scale 2.
    const HitSphere *gun = &a->anim.hit_spheres[1];
    EXPECT_NEAR(gun->centre[0], 10.0f, 1e-4f);
    EXPECT_NEAR(gun->centre[2], -4.0f - 6.0f, 1e-4f);
    EXPECT_FLOAT_EQ(gun->radius, 2.0f);
    const HitSphere *base = &a->anim.hit_spheres[3];
    EXPECT_NEAR(base->centre[0], 10.0f + 6.0f, 1e-4f);
    EXPECT_NEAR(base->centre[2], -4.0f, 1e-4f);
    EXPECT_FLOAT_EQ(a->anim.hit_spheres[0].radius, 12.0f);
}

TEST_F(ActorTest, DamageIsTheHitPowerOrItsShareOfTheScale)
{
    AnimSet *set = turret_set();
    Actor *small = enemy(set, 0, 0, 1.0f);
    EXPECT_EQ(shoot(small, -3, -8, 16, 1.5f), ACTOR_HIT_TOUCH | ACTOR_HIT_DAMAGE);
    EXPECT_FLOAT_EQ(health(small, TURRET), 3.5f);
    EXPECT_EQ(small->hit_flash, ACTOR_HIT_FLASH);
    EXPECT_NEAR(shot_vel[2], 8.0f, 1e-4f) << "the shot stops at the contact";

    // Health by scale: the actor twice the size takes half.
    params.health_type = health_chunk_regain;
    Actor *big = enemy(set, 0, 0, 2.0f);
    EXPECT_NE(shoot(big, -6, -20, 40, 1.5f) & ACTOR_HIT_DAMAGE, 0u);
    EXPECT_FLOAT_EQ(health(big, TURRET), 5.0f - 0.75f);
    EXPECT_NE(shoot(small, -3, -8, 16, 1.5f) & ACTOR_HIT_DAMAGE, 0u);
    EXPECT_FLOAT_EQ(health(small, TURRET), 3.5f - 1.5f);

    // Negative hit power harms nothing and says so.
    EXPECT_EQ(shoot(small, -3, -8, 16, -1.0f), ACTOR_HIT_TOUCH | ACTOR_HIT_NEGATIVE);
    params.hit_power = 1.0f;
    EXPECT_EQ(shoot(small, -3, -8, 16, -1.0f), ACTOR_HIT_TOUCH | ACTOR_HIT_NEGATIVE | ACTOR_HIT_DAMAGE);
    EXPECT_FLOAT_EQ(health(small, TURRET), 2.0f);
}

TEST_F(ActorTest, BreakableBoneCollapsesWithTheBonesBelowItWornBonesStillStopShots)
{
    Actor *a = enemy(turret_set(), 0, 0);
    EXPECT_NE(shoot(a, 3, -8, 16, 1.5f) & ACTOR_HIT_DAMAGE, 0u);
    EXPECT_FLOAT_EQ(health(a, GUN), 0.5f);
    EXPECT_FLOAT_EQ(health(a, GUN + 1), 0.5f) << "the barrel shares the gun's health";
    EXPECT_FLOAT_EQ(health(a, GUN + 2), 0.5f) << "and so does the tip below it";
    EXPECT_FLOAT_EQ(health(a, TURRET), 5.0f) << "the next sphere's bone keeps its own";

    EXPECT_NE(shoot(a, 3, -8, 16, 1.5f) & ACTOR_HIT_DAMAGE, 0u);
    EXPECT_EQ(health(a, GUN), -1.0f) << "a breakable bone at 0 collapses";
    EXPECT_EQ(health(a, GUN + 1), -1.0f);
    EXPECT_EQ(health(a, GUN + 2), -1.0f);
    EXPECT_FLOAT_EQ(health(a, TURRET), 5.0f);

    // A collapsed bone is not there: the shot flies on.
    EXPECT_EQ(shoot(a, 3, -8, 16, 1.5f), 0u);
    EXPECT_EQ(shot_vel[2], 16.0f);

    // A bone shot down to 0 that cannot break, and one the set gives no health, still
    // stop shots but take no more damage.
    EXPECT_NE(shoot(a, -3, -8, 16, 5.0f) & ACTOR_HIT_DAMAGE, 0u);
    EXPECT_EQ(health(a, TURRET), 0.0f);
    EXPECT_EQ(shoot(a, -3, -8, 16, 5.0f), ACTOR_HIT_TOUCH);
    EXPECT_NEAR(shot_vel[2], 8.0f, 1e-4f);
    EXPECT_EQ(health(a, TURRET), 0.0f);
    EXPECT_EQ(shoot(a, 0, -8, 16, 5.0f), ACTOR_HIT_TOUCH);
    EXPECT_NEAR(shot_vel[2], 8.0f + 3.0f, 1e-4f);
    EXPECT_EQ(a->anim.bone_health[BASE - 1], 0.0f);
}

TEST_F(ActorTest, OneSphereIsNeverHit)
{
    AnimSynth s;
    s.bone("mainbone_x", 0, 0, 0, 0, 3.0f).sphere(1, 0, 0, 0, 4.0f);
    Actor *a = enemy(s.build("synth/one"), 0, 0);
    EXPECT_EQ(shoot(a, 0, -8, 16, 1.0f), 0u);
    EXPECT_EQ(shot_vel[2], 16.0f);
    g_collider.actor = nullptr;
    EXPECT_EQ(actor_spheres_hit_test(a), 0u);
    EXPECT_EQ(health(a, 1), 3.0f);
}

TEST_F(ActorTest, BounceReflectsAboutTheDirectionFromSphereZero)
{
    Actor *a = enemy(turret_set(), 0, 0);
    Actor mover;
    mover.category = (int)cat_beastie;
    // Coming in from the left and down toward the turret block at x = -3.
    float pos[3] = {-6, 0, -1};
    float vel[3] = {2, 0.5f, 2};
    g_collider = Collider{0.5f, sqrtf(8.25f), 0.0f, &mover, pos, vel};
    EXPECT_EQ(actor_spheres_hit_test(a), ACTOR_HIT_BOUNCE);
    // n = (pos - sphere 0 centre) in x/z, normalised; v - 2 (v . n) n; y unchanged.
    float len = sqrtf(37.0f);
    float nx = -6 / len, nz = -1 / len;
    float d = 2 * nx + 2 * nz;
    EXPECT_NEAR(vel[0], 2 - 2 * d * nx, 1e-5f);
    EXPECT_NEAR(vel[2], 2 - 2 * d * nz, 1e-5f);
    EXPECT_EQ(vel[1], 0.5f);
    // The actor never bounces off itself.
    g_collider.actor = a;
    EXPECT_EQ(actor_spheres_hit_test(a), 0u);
}

TEST_F(ActorTest, ShipTouchingADamagingEnemyTakesItsHitPowerOnceAndDoesNotBounce)
{
    ActorType type{};
    params.hit_power = 2.5f;
    params.collided_by_mask = cat_player | cat_bullet;
    Beastie *b = listed(turret_set(), &type, 0, 0);
    b->collided_by_mask = cat_player;
    Actor ship;
    ship.category = (int)cat_player;
    ship.collide_mask = cat_any_beastie | cat_player;
    ship.anim.set = b->anim.set;   // moves when its set has spheres
    ship.radius = 1.0f;
    // Across the turret block and the gun: two live spheres in its way.
    ship.position[0] = -8;
    ship.velocity[0] = 16;
    EXPECT_EQ(actor_move_collide(&ship), ACTOR_HIT_DAMAGE);
    EXPECT_EQ(g_gamer_damage, 2.5f);
    EXPECT_EQ(ship.velocity[0], 16.0f);
    EXPECT_EQ(ship.velocity[2], 0.0f);
    EXPECT_EQ(ship.position[0], 8.0f) << "it moved on";
    EXPECT_EQ(b->hit_clock, -11.0f) << "the enemy's clock runs on by 10 s";
    ship.anim.set = nullptr;
}

TEST_F(ActorTest, MasksDecideWhoCollides)
{
    AnimSet *set = turret_set();
    ActorType type{};
    params.actor_type = (int)cat_beastie;
    params.collided_by_mask = cat_bullet;
    Beastie *b = listed(set, &type, 0, 0);
    struct Case {
        const char *what;
        int category;
        uint32_t mask;          // the mover's collide mask
        uint32_t collided_by;   // the enemy's collided-by mask
        int damaging;
        uint32_t expect;
    };
    const Case cases[] = {
        {"a shot that collides with enemies", (int)cat_bullet, cat_any_beastie, cat_bullet, 1,
         ACTOR_HIT_TOUCH | ACTOR_HIT_DAMAGE},
        {"a shot without the enemy bit", (int)cat_bullet, cat_beastie, cat_bullet, 1, 0},
        {"an enemy that shots cannot hit", (int)cat_bullet, cat_any_beastie, cat_player, 1, 0},
        {"a ship against an enemy ships collide with", (int)cat_player, cat_any_beastie, cat_player, 0,
         ACTOR_HIT_BOUNCE},
        {"a ship against an enemy only shots hit", (int)cat_player, cat_any_beastie, cat_bullet, 0, 0},
        {"a ship without the enemy bit", (int)cat_player, cat_player, cat_player, 0, 0},
    };
    for (const Case &c : cases) {
        b->collided_by_mask = c.collided_by;
        for (int i = 0; i < set->bone_count; i++) {
            b->anim.bone_health[i] = set->bone_health[i];
        }
        Actor mover;
        ActorParams mp{};
        mp.hit_power = 1.0f;
        mover.params = &mp;
        mover.anim.set = set;
        mover.category = c.category;
        mover.collide_mask = c.mask;
        mover.radius = 0.5f;
        mover.position[0] = -3;
        mover.position[2] = -4;
        mover.velocity[2] = 5;
        uint32_t flags = c.damaging ? actor_move_collide_damaging(&mover) : actor_move_collide(&mover);
        EXPECT_EQ(flags, c.expect) << c.what;
        mover.anim.set = nullptr;
    }
    // No spheres: no movement at all.
    AnimSynth bare;
    bare.bone("mainbone_x", 0, 0, 0, 0);
    Actor still;
    still.anim.set = bare.build("synth/bare");
    still.velocity[0] = 1;
    EXPECT_EQ(actor_move_collide(&still), 0u);
    EXPECT_EQ(still.position[0], 0.0f);
    still.anim.set = nullptr;
}

TEST_F(ActorTest, DamagingMoverReportsAShipHitWhateverTheBeamTestSays)
{
    ActorType type{};
    AnimSet *set = turret_set();
    type.set = set;
    type.params = &params;
    Gamer *ship = new Gamer;
    const float at[3] = {0, 0, 0};
    ASSERT_EQ(gamer_init(ship, &type, at, 1.0f, 0.0f), 0);
    place(ship, 0, 0);
    Actor laser;
    ActorParams lp{};
    lp.hit_power = 1.0f;
    laser.params = &lp;
    laser.category = (int)cat_bullet;
    laser.collide_mask = cat_player | cat_fence;   // ships and fences, no beam touched
    laser.radius = 0.3f;
    laser.position[0] = -3;
    laser.position[2] = -5;
    laser.velocity[2] = 10;
    EXPECT_EQ(actor_move_collide_damaging(&laser) & ACTOR_HIT_DAMAGE, ACTOR_HIT_DAMAGE);
}

TEST_F(ActorTest, BoneHealthSumsOverLiveBones)
{
    Actor *a = enemy(turret_set(), 0, 0);
    // Set health: gun 2, barrel 2, tip 2, turret 5, base 0.
    EXPECT_FLOAT_EQ(anim_total_bone_health(a), 11.0f);
    EXPECT_FLOAT_EQ(anim_reset_bone_health(a, 2.0f), 22.0f);
    EXPECT_EQ(health(a, BASE), 0.0f) << "no health stays none";
    a->anim.bone_health[GUN - 1] = -1.0f;
    EXPECT_FLOAT_EQ(anim_scale_bone_health(a, 0.5f), 2 + 2 + 5);
    EXPECT_EQ(health(a, GUN), -1.0f) << "a collapsed bone stays collapsed";
    EXPECT_FLOAT_EQ(anim_heal_bone_health(a, 2.5f, 1.5f), 3 + 3 + 7.5f) << "capped at 1.5 x the set's";
    EXPECT_EQ(health(a, GUN), -1.0f);

    AnimSynth s;
    s.bone("mainbone_x", 0, 0, 0, 0, 4.0f);
    Actor *none = enemy(s.build("synth/nosphere"), 0, 0);
    EXPECT_EQ(anim_reset_bone_health(none, 2.0f), 0.0f);
    EXPECT_EQ(anim_total_bone_health(none), 0.0f);
}

TEST_F(ActorTest, MovementSlotsStartQueryAndStopTheirAnimations)
{
    Actor *a = enemy(turret_set(), 0, 0);
    ActorType type{};
    for (auto &slot : type.move_anims) {
        for (int32_t &i : slot) {
            i = -1;
        }
    }
    int walk = anim_find(a->anim.set, "walk", 1);
    type.move_anims[MOVE_SLOT_FORWARD][0] = walk;
    a->type = &type;
    params.move_slots[MOVE_SLOT_FORWARD] = MoveSlot{0.5f, 0.0f, walk};
    params.move_slots[MOVE_SLOT_TURN_LEFT] = MoveSlot{0.5f, 0.0f, -1};

    EXPECT_EQ(actor_start_move_anim(a, 3, 1.0f), -1);
    EXPECT_EQ(actor_move_anim_playing(a, 3), -1);
    EXPECT_EQ(actor_move_anim_speed(a, 3), -1.0f);
    EXPECT_EQ(actor_move_anim_state(a, 3), 0);

    EXPECT_EQ(actor_start_move_anim(a, MOVE_SLOT_TURN_LEFT, 1.0f), 0) << "no animation in the slot";
    EXPECT_EQ(actor_start_move_anim(a, MOVE_SLOT_FORWARD, 0.0f), 0) << "speed 0";
    EXPECT_EQ(actor_start_move_anim(a, MOVE_SLOT_FORWARD, 2.0f), 1);
    EXPECT_EQ(actor_move_anim_playing(a, MOVE_SLOT_FORWARD), 1);
    EXPECT_EQ(actor_start_move_anim(a, MOVE_SLOT_FORWARD, 2.0f), 0) << "already playing";
    EXPECT_GE(actor_move_anim_speed(a, MOVE_SLOT_FORWARD), 0.0f);
    EXPECT_EQ(actor_move_anim_state(a, MOVE_SLOT_FORWARD), ANIM_STOPPED);
    EXPECT_EQ(actor_move_anim_playing(a, MOVE_SLOT_FORWARD), 0);
    EXPECT_EQ(actor_move_anim_state(a, MOVE_SLOT_FORWARD), 0);
    EXPECT_EQ(actor_move_anim_speed(a, MOVE_SLOT_FORWARD), -1.0f) << "not running";
}

TEST_F(ActorTest, NoMatrixBlockRefusesTheActor)
{
    AnimSet *set = turret_set();
    std::vector<void *> fill;
    while (void *p = mem_alloc(16)) {
        fill.push_back(p);
    }
    LogCapture log;
    Actor a;
    EXPECT_EQ(actor_setup_skeleton(&a, set, (int)cat_beastie, 0, 0), -1);
    EXPECT_EQ(log.count_containing("*** [actor] no matrix block"), 1);
    EXPECT_EQ(a.matrix_block, nullptr);
    EXPECT_EQ(a.anim.set, nullptr);
    EXPECT_EQ(anim_plays_in_use(), 0);
    for (void *p : fill) {
        mem_free(p);
    }
    // Without a set there is nothing to bind.
    EXPECT_EQ(actor_setup_skeleton(&a, nullptr, 0, 0, 0), -1);
    EXPECT_EQ(log.count("*** [actor] no skeleton to load"), 1);
    mem_ran_out = 0;
}

#ifdef GLIMMERFALL_ASSETS
TEST_F(ActorTest, BonesThatWaitForTheDrawShowWhatAnUpdateOfEveryBoneShows)
{
    // The spider of the generated tree, whose legs only drawing reads, as two twins: one
    // defers those late bones, one blends and builds every bone in its update. Both walk,
    // turn, start and stop animations after their build, have a leg steered directly, and
    // lose and regain a leg; whenever a frame draws (every other tick) the deferred twin
    // shows the other's matrices and spheres bit for bit.
    std::string path = relative_path(std::string(GLIMMERFALL_ASSETS) + "/styles/beasties/beemspider_1");
    AnimSet *set = anim_set_find_or_load(path.c_str());
    ASSERT_NE(set, nullptr);
    Actor *deferred = enemy(set, 0, 0);
    Actor *every = enemy(set, 0, 0);
    anim_defer_late_bones(&deferred->anim);
    ASSERT_LT(deferred->anim.tick_count, set->bone_count) << "the spider has late bones";
    int leg = 0;
    while (set->tick_bones[leg]) {
        leg++;
    }
    int drawn = 0;
    for (int t = 0; t < 160; t++) {
        for (Actor *a : {deferred, every}) {
            anim_update(&a->anim);
            place(a, 0.05f * (float)t, 0.0f, 1.0f, 2.0f * (float)t);
            if (t % 9 == 4) {
                anim_play(&a->anim, (t / 9) % set->track_count, 1.0f, 1);
            }
            if (t % 13 == 6 && a->anim.plays) {
                anim_stop(&a->anim, a->anim.plays->track->index);
            }
            if (t == 50 || t == 110) {
                actor_set_bone_health(a, leg, t == 50 ? -1.0f : 1.0f);
            }
        }
        if (t == 120) {
            // Steered from now on: the leg becomes a bone the tick builds.
            float angles[3] = {0.0f, 30.0f, 0.0f};
            for (Actor *a : {deferred, every}) {
                anim_set_bone_euler(&a->anim, angles, leg);
            }
            EXPECT_EQ(set->tick_bones[leg], 1);
        }
        if (t % 2 == 0) {
            anim_finish_matrices(&deferred->anim);
            size_t bytes = sizeof(float) * 16 * ((size_t)set->bone_count + 1);
            EXPECT_EQ(memcmp(deferred->matrix_block, every->matrix_block, bytes), 0) << "tick " << t;
            EXPECT_EQ(memcmp(deferred->anim.hit_spheres, every->anim.hit_spheres, sizeof(HitSphere) * set->sphere_count), 0)
                << "tick " << t;
            drawn++;
        }
    }
    EXPECT_EQ(drawn, 80);
}
#endif

}  // namespace
