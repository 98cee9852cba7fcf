// Whole levels headless with the real scripts and models. The blind pattern flies, fires
// and bombs through a few levels until they end: nothing stays in the memory pool and the
// same seed replays the same level. Every trigger state of the loaded types can fire, and
// the rising forms become their types on time. The kill-as-hit player, who ends every
// enemy the tick it can be hit, finishes every level with every boss of its script met,
// and one game of all of them through the frame function reaches the end of the loop.
// What the levels throw at the player grows from decade to decade.

#include "tests/world/level_run.h"

#include "core/mem.h"
#include "game/frame.h"
#include "game/lifecycle.h"
#include "game/menu.h"
#include "script/script_store.h"
#include "world/animplay.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/trigger.h"
#include "tests/game/game_folder.h"
#include "tests/game/headless.h"
#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LEVEL_TICK_LIMIT = 40000;
constexpr int KILL_AS_HIT_TICK_LIMIT = 40000;
constexpr time_t LEVEL_SEED = 1700000000;
constexpr int FIRST_LEVEL = 101;
constexpr int LAST_LEVEL = 189;

// Under a sanitizer the whole run of levels takes minutes: it plays the milestones alone,
// and leaves the whole loop and the difficulty survey to the normal build.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool SANITIZED = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif
#else
constexpr bool SANITIZED = false;
#endif

struct Played {
    uint64_t hash;
    int ticks;
    int end_request;
    int peak_enemies;
    int score;
    int bombs;
    int deaths;
};

Played play(int level, time_t seed)
{
    mem_init();
    LogCapture log;
    Played p{};
    {
        LevelRun run(GLIMMERFALL_ASSETS, level, seed, 3);
        EXPECT_NE(g_gamer_first, nullptr) << "level " << level << " launched the ship";
        run.run(LEVEL_TICK_LIMIT);
        p = Played{run.hash(), run.ticks(), g_level_end_request, run.peak_enemies(), g_gameinfo[0].score,
                   run.bombs_dropped(), run.deaths()};
    }
    EXPECT_EQ(mem_usage, 0u) << "level " << level;
    mem_report(1);
    EXPECT_EQ(log.count("Free() not called"), 0) << "level " << level;
    mem_init();
    return p;
}

class WholeLevel : public ::testing::TestWithParam<int> {};

TEST_P(WholeLevel, RunsWithoutLeaksAndReplaysFromItsSeed)
{
    int level = GetParam();
    Played a = play(level, LEVEL_SEED);
    EXPECT_GT(a.peak_enemies, 0) << "the script launched its waves";
    if (a.end_request == LEVEL_END_COMPLETE) {
        EXPECT_GT(a.bombs, 0) << "the bomb button dropped bombs";   // a lost game may end before one
    }
    printf("level %d: %d ticks, %s, at most %d enemies, %d bombs, %d deaths, score %d, state %016llx\n", level,
           a.ticks, a.end_request == LEVEL_END_COMPLETE ? "completed" : "game over", a.peak_enemies, a.bombs,
           a.deaths, a.score, (unsigned long long)a.hash);
    // Completed, or lost with the game's three lives: a run that reaches the limit never ended.
    EXPECT_LT(a.ticks, LEVEL_TICK_LIMIT) << "level " << level << " never ended";
    EXPECT_NE(a.end_request, 0) << "level " << level;
    Played b = play(level, LEVEL_SEED);
    EXPECT_EQ(a.hash, b.hash);
    EXPECT_EQ(a.ticks, b.ticks);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.deaths, b.deaths);
}

// The first level, the boss of the third decade, and the level whose waves launch the
// most enemies.
INSTANTIATE_TEST_SUITE_P(Levels, WholeLevel, ::testing::Values(101, 129, 181));

// The matrices and hit spheres of every enemy as a frame draws them (the late bones made
// first), folded into one hash; waiting counts the late bones that had waited.
uint64_t drawn_matrices_hash(uint64_t h, int *waiting)
{
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (!b->anim.set || !b->matrix_block) {
            continue;
        }
        *waiting += (b->anim.late_waiting & ANIM_WAITING_BUILD) ? b->anim.set->bone_count - b->anim.tick_count : 0;
        anim_finish_matrices(&b->anim);
        const unsigned char *c = (const unsigned char *)b->matrix_block;
        for (size_t i = 0; i < sizeof(float) * 16 * ((size_t)b->anim.set->bone_count + 1); i++) {
            h = (h ^ c[i]) * 1099511628211ull;
        }
        c = (const unsigned char *)b->anim.hit_spheres;
        for (size_t i = 0; c && i < sizeof(HitSphere) * (size_t)b->anim.set->sphere_count; i++) {
            h = (h ^ c[i]) * 1099511628211ull;
        }
    }
    return h;
}

// b blends and builds every bone in its tick from now on, as enemies did before their
// late bones waited for the draw.
void tick_every_bone(Beastie *b)
{
    AnimState *st = &b->anim;
    if (!st->set) {
        return;
    }
    anim_finish_matrices(st);
    st->defer_late = 0;
    for (int i = 0; i < st->set->bone_count; i++) {
        st->bone_order[i] = (uint8_t)i;
    }
    st->tick_count = st->set->bone_count;
}

struct Drawn {
    uint64_t state;
    uint64_t matrices;
    int waiting;
};

// The level played as play() plays it, its enemies' matrices and spheres hashed as a
// frame every third tick draws them. every_bone: each enemy blends and builds every bone
// in its tick (none is late).
Drawn play_drawn(int level, int limit, bool every_bone)
{
    mem_init();
    Drawn d{1469598103934665603ull, 1469598103934665603ull, 0};
    {
        LevelRun run(GLIMMERFALL_ASSETS, level, LEVEL_SEED, 3);
        while (run.ticks() < limit && run.tick()) {
            if (every_bone) {
                for (Beastie *b = g_beasties; b; b = b->next) {
                    tick_every_bone(b);
                }
            }
            if (run.ticks() % 3 == 0) {
                d.matrices = drawn_matrices_hash(d.matrices, &d.waiting);
            }
        }
        d.state = run.hash();
    }
    mem_init();
    return d;
}

// The tick builds only the bones the logic reads and the draw the late rest: the game
// plays the same and every frame shows the matrices and spheres a tick of every bone
// would have made.
TEST(WholeLevels, FramesDrawWhatATickOfEveryBoneWouldHaveBuilt)
{
    for (int level : {129, 181}) {
        Drawn deferred = play_drawn(level, 6000, false);
        Drawn every = play_drawn(level, 6000, true);
        EXPECT_EQ(deferred.state, every.state) << "level " << level;
        EXPECT_EQ(deferred.matrices, every.matrices) << "level " << level;
        EXPECT_GT(deferred.waiting, 0) << "level " << level << ": late bones waited";
        EXPECT_EQ(every.waiting, 0) << "level " << level;
    }
}

// ---------------------------------------------------------------------------------------
// The emerging forms

struct EmergingForm {
    const char *form;
    const char *type;
    float seconds;   // the form's time alive before it turns, from its script
    bool boss;
};
const EmergingForm EMERGING_FORMS[] = {
    {"turret_bigemerge", "turret_1_big", 2.0f, false},
    {"turret_smallemerge", "turret_1_sma", 1.5f, false},
    {"trailer_1_emerge", "trailer_1", 1.0f, false},
    {"mergeblob_1_big_emerge", "mergeblob_1_big", 1.5f, false},
    {"motha_2_emerge", "motha_2", 2.0f, true},
    {"powerpimp_emerge", "powerpimp", 2.0f, true},
};
// The wreck a big turret leaves stands 3 to 4 s, then crumbles.
const EmergingForm TURRET_WRECK = {"turret_base", "byebye", 3.0f, false};

Beastie *first_of_type(const char *name)
{
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (strcmp(b->type->name, name) == 0) {
            return b;
        }
    }
    return nullptr;
}

struct Emerged {
    int ticks;           // from the launch until an enemy of the type stood in the arena
                         // (with type "byebye": until the form was dying)
    int form_died;       // the form was ended (dying) instead of turning
    int shot_at;         // ticks the form stood in the ship's stream of fire
};

// The form launched in level 100 (which defines every type) once its lead-in is over, 20
// units ahead of the ship, which fires at it; with bomb, the ship drops a smart bomb the
// tick the form has risen.
Emerged emerge(const EmergingForm &f, bool bomb)
{
    mem_init();
    Emerged e{-1, 0, 0};
    {
        LogCapture log;
        LevelRun run(GLIMMERFALL_ASSETS, 100, LEVEL_SEED);
        run.play_still();
        while (g_level_ticks < 0 && run.tick()) {
        }
        float ci[12] = {};
        ci[5] = g_gamer_first->position[0];
        ci[7] = g_gamer_first->position[2] + 20.0f;
        ci[8] = 180.0f;
        actor_launch(f.form, "", "", ci);
        g_no_more_beasties = 1;   // the level's own waves stay away
        Beastie *form = first_of_type(f.form);
        EXPECT_NE(form, nullptr) << f.form;
        const BeastieLink link = beastie_link(form);   // reads as none once it has gone
        PlayerInput *in = &g_player_input[0];
        in->fire[1] = -1.0f;   // aim at +z
        in->buttons = INPUT_BUTTON_FIRE;
        for (int t = 1; t <= 1000 && (form = beastie_get(link)) && e.ticks < 0; t++) {
            if (bomb && form->lifecycle == BEASTIE_IDLE && !(in->buttons & INPUT_BUTTON_BOMB)) {
                in->buttons |= INPUT_BUTTON_BOMB;
            }
            run.tick();
            e.shot_at += g_bullet_count > 0;
            form = beastie_get(link);
            e.form_died |= form && form->lifecycle == BEASTIE_DYING;
            if (strcmp(f.type, "byebye") == 0 ? e.form_died : first_of_type(f.type) != nullptr) {
                e.ticks = t;
            }
        }
    }
    mem_init();
    return e;
}

TEST(WholeLevels, EmergingFormsBecomeTheirTypesOnTimeUnderFireAndBossesUnderBombsAndTheWreckCrumbles)
{
    for (const EmergingForm &f : EMERGING_FORMS) {
        Emerged shot = emerge(f, false);
        printf("%s: %s after %d ticks\n", f.form, f.type, shot.ticks);
        EXPECT_GT(shot.shot_at, 50) << f.form << " stood in the ship's fire";
        EXPECT_EQ(shot.form_died, 0) << f.form << ": shots cannot end a rising form";
        EXPECT_GE(shot.ticks, (int)(f.seconds * 100.0f)) << f.form;
        EXPECT_LE(shot.ticks, (int)(f.seconds * 100.0f) + 3) << f.form << " turns into " << f.type << " on time";
        Emerged bombed = emerge(f, true);
        if (f.boss) {
            EXPECT_EQ(bombed.form_died, 0) << f.form << ": a bomb does not end a rising boss";
            EXPECT_EQ(bombed.ticks, shot.ticks) << f.form;
        } else {
            EXPECT_EQ(bombed.form_died, 1) << f.form << ": a bomb ends a form that has risen";
            EXPECT_EQ(bombed.ticks, -1) << f.form;
        }
    }
    Emerged wreck = emerge(TURRET_WRECK, false);
    printf("%s: crumbles after %d ticks\n", TURRET_WRECK.form, wreck.ticks);
    EXPECT_GE(wreck.ticks, 300) << "the wreck stands at least 3 s";
    EXPECT_LE(wreck.ticks, 403) << "the wreck crumbles within 4 s";
}

// ---------------------------------------------------------------------------------------
// Trigger states that can fire

// Whether an enemy of the type ever plays the animation: the defaults its set starts with,
// its life-cycle animations, its movement animations, and the random, fire and aim
// animations of its blocks.
bool type_plays(const ActorType *t, int anim)
{
    if (anim < 0 || !t->set) {
        return false;
    }
    for (int i = 0; i < ANIM_DEFAULTS && (i == 0 || t->set->defaults[i] >= 0); i++) {
        if (t->set->defaults[i] == anim) {
            return true;
        }
    }
    for (int named : t->named_anims) {
        if (named == anim) {
            return true;
        }
    }
    for (const auto &slot : t->move_anims) {
        for (int32_t a : slot) {
            if (a == anim) {
                return true;
            }
        }
    }
    auto block_plays = [anim](const ActorParams *p) {
        for (int i = 0; i < p->random_anim_count; i++) {
            if (p->random_anims[i].anim == anim) {
                return true;
            }
        }
        for (int i = 0; i < p->weapon_count; i++) {
            if (p->weapons[i].fire_anim == anim || p->weapons[i].aim_anim == anim) {
                return true;
            }
        }
        return false;
    };
    if (block_plays(t->params)) {
        return true;
    }
    for (const TriggerState *s = t->states; s; s = s->next) {
        if (s->params && block_plays(s->params)) {
            return true;
        }
    }
    return false;
}

// The trigger states of the level's types whose condition can never hold, or whose
// action can do nothing, one line each.
std::vector<std::string> dead_trigger_states(int level)
{
    std::vector<std::string> dead;
    for (const ActorType *t = g_actor_types; t; t = t->next) {
        const ActorParams *p = t->params;
        // The clocks of time alive start once an enemy can be hit; health falls only
        // under the player's shots (and bombs, which end only what shots can end).
        const bool becomes_live = p->hit_delay < 3600.0f && p->mutate_hit_delay < 3600.0f;
        float health = 0.0f;
        for (int i = 0; t->set && i < t->set->bone_count; i++) {
            health += t->set->bone_health[i] > 0.0f ? t->set->bone_health[i] : 0.0f;
        }
        const bool loses_health = becomes_live && (p->collided_by_mask & cat_bullet) && health * p->health_fraction > 0.0f;
        // States are tested once an enemy has emerged or mutated: an endless "emerge" or
        // "mutate" would hold them all.
        for (int named : {ACTORTYPE_ANIM_EMERGE, ACTORTYPE_ANIM_MUTATE}) {
            int a = t->named_anims[named];
            if (t->states && a >= 0 && t->set->tracks[a].loop_key >= 0 && t->set->tracks[a].repeat_count == 0) {
                dead.push_back("level " + std::to_string(level) + ": " + t->name + ": its " + t->set->tracks[a].name +
                               " never ends");
            }
        }
        for (const TriggerState *s = t->states; s; s = s->next) {
            std::string why;
            switch (s->condition) {
            case TRIGGER_MY_TIME_ALIVE:
            case TRIGGER_MY_TIME_ALIVE_PATH:
            case TRIGGER_TYPE_TIME_ALIVE:
                why = becomes_live ? "" : "a clock of time alive on a type that is never hittable";
                break;
            case TRIGGER_MY_HEALTH:
            case TRIGGER_HEALTH_CHANGE_PARENT:
            case TRIGGER_HEALTH_CHANGE_CHILD:
                why = !loses_health ? "a health state on a type that never loses health"
                    : s->value_min < 0.0f ? "a health below 0" : "";
                break;
            case TRIGGER_PLAYER_DIST:
                why = s->value_min + s->value_range > 0.0f ? "" : "a player nearer than 0";
                break;
            case TRIGGER_TRACK_DIST:
                why = (p->move_type & cmt_track_player) || !actortype_find(p->move_target_name)
                          ? "a tracked type's distance on a type that tracks none" : "";
                break;
            case TRIGGER_LESS_ACTIVE:
            case TRIGGER_MORE_ACTIVE:
                why = !actortype_find(s->other_name) ? "a count of " + std::string(s->other_name) + ", never defined"
                    : s->condition == TRIGGER_LESS_ACTIVE && s->value_min + s->value_range <= 0.0f ? "fewer than 0" : "";
                break;
            case TRIGGER_COUNT_CHILDREN:
                why = !(p->geopus_style & GEOPUS_COUNT) ? "a count of children on a type that does not count them"
                    : s->value_min + s->value_range <= 1.0f ? "fewer than 1 child" : "";
                break;
            case TRIGGER_SPAWN:
                why = !type_plays(t, s->spawn_anim) ? "a spawn on an animation the type never plays"
                    : s->value_min > 1.0f ? "a spawn past the animation's end" : "";
                break;
            default:
                why = "an unknown condition";
                break;
            }
            if (why.empty() && !s->params && strcmp(s->type_name, "byebye") != 0 && !actortype_find(s->type_name)) {
                why = "it makes " + std::string(s->type_name) + ", never defined";
            }
            if (!why.empty()) {
                dead.push_back("level " + std::to_string(level) + ": " + t->name + " state " +
                               std::to_string(s->condition) + ": " + why);
            }
        }
    }
    return dead;
}

std::vector<std::string> level_dead_trigger_states(int level)
{
    mem_init();
    std::vector<std::string> dead;
    {
        LogCapture log;
        LevelRun run(GLIMMERFALL_ASSETS, level, LEVEL_SEED);
        dead = dead_trigger_states(level);
    }
    mem_init();
    return dead;
}

TEST(WholeLevels, EveryTriggerStateOfEveryLevelCanFire)
{
    // Level 100 defines every type; each level defines what it launches and what those
    // fire, spawn and turn into.
    std::vector<std::string> dead;
    for (int level = FIRST_LEVEL - 1; level <= LAST_LEVEL; level++) {
        std::vector<std::string> d = level_dead_trigger_states(level);
        dead.insert(dead.end(), d.begin(), d.end());
    }
    for (const std::string &line : dead) {
        ADD_FAILURE() << line;
    }
}

// ---------------------------------------------------------------------------------------
// Every level with the kill-as-hit player

// One level's end as a worker process reports it (plain bytes through a pipe).
struct LevelEnd {
    int level;
    int ticks;
    int end_request;
    size_t pool_left;   // bytes of the memory pool still held after the level's release
    LevelSurvey survey;
};

LevelEnd play_kill_as_hit(int level)
{
    mem_init();
    LogCapture log;
    LevelEnd e{};
    e.level = level;
    {
        LevelRun run(GLIMMERFALL_ASSETS, level, LEVEL_SEED);
        run.play_kill_as_hit();
        run.start_survey();
        run.run(KILL_AS_HIT_TICK_LIMIT);
        e.ticks = run.ticks();
        e.end_request = g_level_end_request;
        e.survey = run.survey();
    }
    e.pool_left = mem_usage;
    mem_init();
    return e;
}

// play(level) for each level, in worker processes (one per two cores, at most 4: the
// other tests run beside them, some of them timed) that write their rows into a pipe
// each; the rows come back in the order of the levels. A worker that dies leaves its
// levels out.
template <class Row, class Play> std::vector<Row> in_workers(const std::vector<int> &levels, Play play)
{
    int workers = (int)std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency() / 2), 4u);
    workers = std::min(workers, (int)levels.size());
    std::vector<int> fds;
    std::vector<pid_t> pids;
    fflush(stdout);
    for (int k = 0; k < workers; k++) {
        int fd[2];
        if (pipe(fd) != 0) {
            ADD_FAILURE() << "no pipe";
            break;
        }
        pid_t pid = fork();
        if (pid == 0) {
            close(fd[0]);
            for (size_t i = (size_t)k; i < levels.size(); i += (size_t)workers) {
                Row row = play(levels[i]);
                if (write(fd[1], &row, sizeof(row)) != (ssize_t)sizeof(row)) {
                    _exit(1);
                }
            }
            fflush(stdout);
            _exit(0);
        }
        close(fd[1]);
        if (pid < 0) {
            close(fd[0]);
            ADD_FAILURE() << "no worker";
            break;
        }
        fds.push_back(fd[0]);
        pids.push_back(pid);
    }
    std::vector<Row> rows;
    for (size_t k = 0; k < fds.size(); k++) {
        Row row;
        size_t got = 0;
        ssize_t n;
        while ((n = read(fds[k], (char *)&row + got, sizeof(row) - got)) > 0) {
            got += (size_t)n;
            if (got == sizeof(row)) {
                rows.push_back(row);
                got = 0;
            }
        }
        close(fds[k]);
        int status = 0;
        waitpid(pids[k], &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "worker " << k;
    }
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.level < b.level; });
    return rows;
}

// The bosses a level's script launches: its plopper lines of a boss type (rising or not)
// and their counts.
int script_bosses(int level)
{
    script_set_name(("level" + std::to_string(level) + ".lua").c_str());
    int record = script_find();
    if (record < 0) {
        return -1;
    }
    std::istringstream text(std::string(g_script_store[record].text, g_script_store[record].length));
    int bosses = 0;
    for (std::string line; std::getline(text, line);) {
        for (const char *boss : {"motha_2", "powerpimp", "robo_mom", "geopus"}) {
            for (const char *suffix : {"", "_emerge"}) {
                const std::string call = "actor_plopper( \"" + std::string(boss) + suffix + "\", ";
                if (line.rfind(call, 0) == 0) {
                    bosses += atoi(line.c_str() + call.size());
                }
            }
        }
    }
    return bosses;
}

TEST(WholeLevels, EveryLevelEndsCompletedWhenEachEnemyDiesAsSoonAsItCanBeHit)
{
    std::vector<int> levels;
    for (int level = FIRST_LEVEL; level <= LAST_LEVEL; level++) {
        if (!SANITIZED || level % 30 == 9) {
            levels.push_back(level);
        }
    }
    std::vector<LevelEnd> ends = in_workers<LevelEnd>(levels, play_kill_as_hit);
    ASSERT_EQ(ends.size(), levels.size()) << "every level reported";
    printf("level  ticks  launched  peak alive  bosses\n");
    for (const LevelEnd &e : ends) {
        const LevelSurvey &s = e.survey;
        printf("%5d  %5d  %8d  %10d  %6d\n", e.level, e.ticks, s.launched, s.peak_active, s.bosses);
        EXPECT_EQ(e.end_request, LEVEL_END_COMPLETE) << "level " << e.level << " after " << e.ticks << " ticks";
        EXPECT_EQ(e.pool_left, 0u) << "level " << e.level;
        EXPECT_EQ(s.bosses, script_bosses(e.level)) << "level " << e.level << ": the bosses of its script";
        if (e.level % 10 == 9) {
            EXPECT_GE(s.bosses, 1) << "level " << e.level << " has no boss";
        }
    }
}

// ---------------------------------------------------------------------------------------
// Difficulty over the run

// What one level throws at the player: every enemy of its script, met by the kill-as-hit
// player; and the enemy shots, and the hits that would cost a life, while the untouchable
// blind pattern flies, fires and bombs through the level's first minute (a real death
// starts the level again, so a pattern that dies meets only its first waves; one minute,
// the shortest clock of any level, so every level is measured over the same time).
struct LevelDifficulty {
    int level;
    LevelSurvey all;
    LevelSurvey pattern;
};

constexpr int PATTERN_STARTS = 3;
constexpr int PATTERN_WINDOW = 6000;   // ticks of play, or less when the level ends sooner

LevelDifficulty survey_level(int level)
{
    LevelDifficulty d{};
    d.level = level;
    d.all = play_kill_as_hit(level).survey;
    // The pattern's runs from a few starts: one start's hits and shots depend much on
    // where its sweep meets a wave.
    for (int start = 0; start < PATTERN_STARTS; start++) {
        mem_init();
        {
            LogCapture log;
            LevelRun run(GLIMMERFALL_ASSETS, level, LEVEL_SEED + start);
            run.play_untouchable();
            run.start_survey();
            while (run.tick() && g_level_ticks < PATTERN_WINDOW) {
            }
            d.pattern.shots += run.survey().shots;
            d.pattern.play_ticks += run.survey().play_ticks;
            d.pattern.fatal_hits += run.survey().fatal_hits;
        }
        mem_init();
    }
    return d;
}

double shots_per_minute(const LevelSurvey &s)
{
    return s.play_ticks ? s.shots * 6000.0 / s.play_ticks : 0.0;
}

TEST(WholeLevels, DifficultyRisesDecadeByDecade)
{
    if (SANITIZED) {
        GTEST_SKIP() << "every level three times over: the normal build's";
    }
    std::vector<int> levels;
    for (int level = FIRST_LEVEL; level <= LAST_LEVEL; level++) {
        levels.push_back(level);
    }
    std::vector<LevelDifficulty> rows = in_workers<LevelDifficulty>(levels, survey_level);
    ASSERT_EQ(rows.size(), levels.size()) << "every level reported";
    // Decade k holds the levels 100 + 10 k .. 109 + 10 k (the first starts at 101).
    constexpr int DECADES = (LAST_LEVEL - 100) / 10 + 1;
    double launched[DECADES] = {}, hit_points[DECADES] = {}, shots[DECADES] = {}, deaths[DECADES] = {};
    int count[DECADES] = {};
    printf("level  launched  hit points  shots/min  deaths  bosses\n");
    for (const LevelDifficulty &d : rows) {
        const double level_deaths = (double)d.pattern.fatal_hits / PATTERN_STARTS;
        printf("%5d  %8d  %10.0f  %9.1f  %6.1f  %6d\n", d.level, d.all.launched, d.all.hit_points,
               shots_per_minute(d.pattern), level_deaths, d.all.bosses);
        int k = (d.level - 100) / 10;
        launched[k] += d.all.launched;
        hit_points[k] += d.all.hit_points;
        shots[k] += shots_per_minute(d.pattern);
        deaths[k] += level_deaths;
        count[k]++;
        if (d.level % 10 == 9) {
            EXPECT_GE(d.all.bosses, 1) << "level " << d.level << " has no boss";
        }
    }
    printf("decade  launched  hit points  shots/min  deaths\n");
    for (int k = 0; k < DECADES; k++) {
        launched[k] /= count[k];
        hit_points[k] /= count[k];
        shots[k] /= count[k];
        deaths[k] /= count[k];
        printf("%4dx  %8.1f  %10.1f  %9.1f  %6.2f\n", 10 + k, launched[k], hit_points[k], shots[k], deaths[k]);
        if (k > 0) {
            EXPECT_GT(launched[k], launched[k - 1]) << "enemies launched, decade " << 10 + k << "x";
            EXPECT_GT(hit_points[k], hit_points[k - 1]) << "hit points, decade " << 10 + k << "x";
            EXPECT_GT(shots[k], shots[k - 1]) << "shots per minute, decade " << 10 + k << "x";
            EXPECT_GT(deaths[k], deaths[k - 1]) << "deaths, decade " << 10 + k << "x";
        }
    }
}

// ---------------------------------------------------------------------------------------
// The whole loop through the frame function

// One run of the game from the menu's "play" to the first tick of level 101 of the next
// loop, as a worker reports it.
struct LoopRun {
    int level;             // the run's number (the worker's key)
    int completed;         // levels completed
    int game_over;         // 1 when the game ended instead
    int slow_level;        // the first level that took more than the kill-as-hit limit, else 0
    int end_of_loop;       // frames on the end-of-loop page
    int next_loop_level;   // the level played after the page (0 before)
    float loop_value;
    uint64_t hash;         // the world 300 ticks into that level
    size_t level_left;     // bytes of the pool the levels hold once that level is released
    size_t pool_left;      // bytes the pool holds once the frame has let go as well
};

time_t g_loop_seed;

time_t loop_seed(time_t *out)
{
    if (out) {
        *out = g_loop_seed;
    }
    return g_loop_seed;
}

// In a game folder of its own with the build's level markers and the tree's styles
// folder one up, as play.sh lays it out: the frame function without a window, one tick
// a frame, the kill-as-hit player in the game. Runs 1 and 2 start their levels at one
// time (the seed), run 3 a second later.
LoopRun run_loop(int run)
{
    g_loop_seed = LEVEL_SEED + (run == 3);
    LoopRun r{};
    r.level = run;
    mem_init();
    GameFolder dir;
    const std::filesystem::path root = std::filesystem::path(dir.file("x")).parent_path().parent_path();
    std::error_code ec;
    std::filesystem::create_directory_symlink(std::filesystem::absolute(std::string(GLIMMERFALL_ASSETS) + "/styles"),
                                              root / "styles", ec);
    for (int level = FIRST_LEVEL; level <= LAST_LEVEL; level++) {
        dir.write("level" + std::to_string(level) + ".lua", "marker");
    }
    LogCapture log;
    TreeDirs dirs(root.string());
    headless::install();
    init_console_vars();
    input_reset();
    g_lifecycle_clock = loop_seed;
    g_game_type = 0.0f;
    g_two_player = 0;
    g_start_level = (float)FIRST_LEVEL;
    game_frame_enter();
    const size_t frame_blocks = mem_usage;   // the frame's face batch
    g_last_frame_ms = 0;
    g_screen_mode = SCREEN_MENU;
    g_mode_frames = 0;
    g_fade = 0.0f;
    g_menu_choice = 1;
    InputFrame sample{};
    int level = 0, level_frames = 0, after_loop = 0;
    for (long frame = 0; frame < 89L * KILL_AS_HIT_TICK_LIMIT && !r.game_over && after_loop < 300; frame++) {
        headless::now_ms() += 10;
        input_ring_push(&sample);
        if (g_screen_mode == SCREEN_IN_GAME) {
            g_hidden_keys = 1;   // the kill-as-hit player's untouchable ship
            g_f1_flag = 1.0f;
        }
        game_frame_main();
        if (frame % 1000 == 0) {
            headless::calls().clear();
        }
        r.end_of_loop += g_screen_mode == SCREEN_END_OF_LOOP;
        r.game_over |= g_screen_mode == SCREEN_MENU && frame > 0;
        if (g_screen_mode != SCREEN_IN_GAME) {
            continue;
        }
        if (g_level_number != level) {
            r.completed += level != 0 && r.end_of_loop == 0;
            level = g_level_number;
            level_frames = 0;

        }
        if (++level_frames > KILL_AS_HIT_TICK_LIMIT && !r.slow_level) {
            r.slow_level = level;
        }
        if (r.end_of_loop > 0) {
            r.next_loop_level = level;
            r.loop_value = g_loop_value;
            after_loop++;
        }
        level_run_kill_hittable();
    }
    r.completed += r.end_of_loop > 0;   // the last level of the loop
    r.hash = level_run_hash();
    free_level();
    r.level_left = mem_usage - frame_blocks;
    game_frame_leave();
    r.pool_left = mem_usage;
    headless::restore();
    g_lifecycle_clock = time;
    con_config(0);
    input_reset();
    g_hidden_keys = 0;
    g_f1_flag = 0.0f;
    g_menu_input = 0;
    g_game_over = 0;
    mem_init();
    return r;
}

TEST(WholeLevels, OneGameThroughEveryLevelReachesTheEndOfTheLoopAndStartsItAgain)
{
    if (SANITIZED) {
        GTEST_SKIP() << "three games of 89 levels: the normal build's";
    }
    std::vector<LoopRun> runs = in_workers<LoopRun>({1, 2, 3}, run_loop);
    ASSERT_EQ(runs.size(), 3u);
    for (const LoopRun &r : runs) {
        printf("game %d: %d levels completed, %d frames of the end-of-loop page, then level %d of loop %.0f; "
               "pool after the release %zu, after the frame %zu; state %016llx\n",
               r.level, r.completed, r.end_of_loop, r.next_loop_level, r.loop_value, r.level_left, r.pool_left,
               (unsigned long long)r.hash);
        EXPECT_EQ(r.game_over, 0);
        EXPECT_EQ(r.slow_level, 0) << "a level outlasted " << KILL_AS_HIT_TICK_LIMIT << " ticks";
        EXPECT_EQ(r.completed, LAST_LEVEL - FIRST_LEVEL + 1);
        EXPECT_GT(r.end_of_loop, 0) << "the end-of-loop page";
        EXPECT_EQ(r.next_loop_level, FIRST_LEVEL);
        EXPECT_EQ(r.loop_value, 2.0f);
        EXPECT_EQ(r.level_left, 0u) << "the pool once the level is released";
        EXPECT_EQ(r.pool_left, 0u) << "the pool once the frame has let go";
    }
    EXPECT_EQ(runs[0].hash, runs[1].hash) << "one seed, one game";
    EXPECT_NE(runs[0].hash, runs[2].hash) << "another seed, another game";
}

}  // namespace
