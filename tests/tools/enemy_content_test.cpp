// Every enemy script as game content, through the script-content recorder: each model it
// loads (its own, its shots', missiles' and beams', its flares' and explosions'), each
// animation and bone it names on them (weapons, spawns, wheels, particles, footprints,
// sounds, both ends of its beams, the pylons a beam reaches), the types it mutates or
// spawns into, and every sound and particle effect are in the tree; every enemy model it
// uses has the engine's event animations ("spin1_x" for drifters) and two hit spheres
// or more. Every footprint a script asks for is laid by a foot standing on the floor, and
// the bosses change their ways at the health marks their scripts give.

#include "core/file.h"
#include "world/animset.h"

#include "tests/support/asset_tree.h"
#include "tests/support/log_capture.h"
#include "tests/support/model_preview.h"
#include "tests/support/script_recorder.h"
#include "tests/world/tree_arena.h"
#include "world/trigger.h"

#include <cstdio>
#include <dirent.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Beyond the shared recorder's names. A model's key is its folder and name; an
// explosion's is "explosions/<name>".
const char *CONTENT_RECORDERS = R"(
local models = {}
local function on(model, kind, name) if name ~= nil and name ~= "" then rec_add(kind .. " " .. model .. " " .. name) end end
local function explosion(name) if name ~= nil and name ~= "" then rec_add("model explosions/" .. name) end end
rec_wrap("c_preload_model", function(t)
    local key = t[cp_model_dir] .. "/" .. t[cp_model_name]
    models[t[cp_actor_name]] = key
    rec_add("defined " .. t[cp_actor_name])
    if math.fmod(math.floor(t[cp_move_type] / cmt_fixed_dirn), 2) == 1 or t[cp_actor_type] == cat_crystal then
        rec_add("drifter " .. key)
    end
end)
rec_wrap("c_add_a_weapon", function(bullet, gun, bone, shaft, fire, aim, flare) explosion(flare) end)
rec_wrap("c_set_trigger_spawn", function(type, anim, bone)
    rec_add("type " .. type)
    on(rec_model, "anim", anim)
    on(rec_model, "bone", bone)
end)
rec_wrap("c_set_trigger_mutate", function(type) if type ~= "byebye" then rec_add("type " .. type) end end)
rec_wrap("c_add_some_wheels", function(l, r) on(rec_model, "bone", l) on(rec_model, "bone", r) end)
rec_wrap("c_add_particle_to_anim", function(anim, bone, particle)
    on(rec_model, "anim", anim)
    on(rec_model, "bone", bone)
    rec_add("particle " .. particle)
end)
rec_wrap("c_add_footprint_to_anim", function(anim, bone) on(rec_model, "anim", anim) on(rec_model, "bone", bone) end)
rec_wrap("c_set_use_explosion_for", function(event, name) explosion(name) end)
rec_wrap("c_add_sound_to_explosion", function(name, anim, sound)
    explosion(name)
    on("explosions/" .. name, "anim", anim)
    rec_add("sound " .. sound)
end)
rec_wrap("c_add_particle_to_explosion", function(name, anim, bone, particle)
    explosion(name)
    on("explosions/" .. name, "anim", anim)
    on("explosions/" .. name, "bone", bone)
    rec_add("particle " .. particle)
end)
rec_wrap("c_add_fizz_between", function(beam, a, bone_a, b, bone_b)
    rec_add("type " .. beam)
    rec_add("type " .. a)
    on(models[a] or "?", "bone", bone_a)
    if string.sub(b, 1, 6) == "pylon-" then
        rec_add("pylonbone " .. bone_b)
    else
        rec_add("type " .. b)
        on(models[b] or "?", "bone", bone_b)
    end
end)
)";

const char *const LIFE_CYCLE[] = {"emerge", "submerge", "mutate", "byebye", "hitbounce"};

std::vector<std::string> folders_in(const std::string &path)
{
    std::vector<std::string> out;
    if (DIR *d = opendir(path.c_str())) {
        while (dirent *e = readdir(d)) {
            if (e->d_name[0] != '.') {
                out.push_back(e->d_name);
            }
        }
        closedir(d);
    }
    return out;
}

bool is_enemy_model(const std::string &key)
{
    return key.rfind("beasties/", 0) == 0 || key.rfind("bosses/", 0) == 0;
}

using EnemyContent = AssetTreeTest;

TEST_F(EnemyContent, EveryEnemyScriptFindsEveryNameItUsesInTheTree)
{
    std::vector<std::string> scripts = enemy_script_names();
    ASSERT_GE(scripts.size(), 42u);
    std::vector<std::string> pylons = folders_in(tree() + "/styles/pylons");
    ASSERT_GE(pylons.size(), 20u);
    std::set<std::string> enemy_models, drifters;
    int names = 0;
    for (const std::string &script : scripts) {
        LogCapture log;
        std::vector<std::string> lines = script_record(script.c_str(), std::string(CONTENT_RECORDERS) + "\n");
        EXPECT_EQ(log.count_containing("lua error"), 0) << script << "\n" << log.joined();
        std::set<std::string> defined;
        std::vector<std::string> needed;
        for (const std::string &line : lines) {
            size_t a = line.find(' ');
            size_t b = line.find(' ', a + 1);
            std::string kind = line.substr(0, a);
            std::string key = line.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
            std::string name = b == std::string::npos ? "" : line.substr(b + 1);
            if (kind == "sound") {
                EXPECT_GT(file_exists_size((tree() + "/styles/sfx/" + key + ".wav").c_str()), 44)
                    << script << ": sound " << key;
            } else if (kind == "particle") {
                EXPECT_GT(file_exists_size((tree() + "/styles/particles/" + key + ".bin").c_str()), 0)
                    << script << ": particle " << key;
            } else if (kind == "type") {
                needed.push_back(key);
            } else if (kind == "defined") {
                defined.insert(key);
            } else if (kind == "drifter") {
                drifters.insert(key);
            } else if (kind == "pylonbone") {
                for (const std::string &p : pylons) {
                    AnimSet *set = asset_model_set("pylons/" + p);
                    ASSERT_NE(set, nullptr) << p;
                    EXPECT_GE(asset_bone_index(set, key), 0) << script << ": a beam reaches bone " << key << " of " << p;
                    names++;
                }
            } else {
                AnimSet *set = asset_model_set(key);
                ASSERT_NE(set, nullptr) << script << ": " << line;
                if (is_enemy_model(key)) {
                    enemy_models.insert(key);
                }
                if (kind == "anim" && !name.empty()) {
                    EXPECT_GE(anim_find(set, name.c_str(), 1), 0) << script << ": " << line;
                    names++;
                } else if (kind == "bone" && !name.empty()) {
                    EXPECT_GE(asset_bone_index(set, name), 0) << script << ": " << line;
                    names++;
                }
            }
        }
        // Every type it mutates or spawns into or joins with a beam is one it defines
        // itself (through the scripts it runs), so a level needs nothing else to load it.
        for (const std::string &t : needed) {
            EXPECT_EQ(defined.count(t), 1u) << script << " uses type " << t;
        }
        anim_sets_free_all();
    }
    EXPECT_GE(names, 300);
    EXPECT_GE(enemy_models.size(), 30u);
    for (const std::string &key : enemy_models) {
        AnimSet *set = asset_model_set(key);
        ASSERT_NE(set, nullptr) << key;
        EXPECT_GE(set->sphere_count, 2) << key;
        for (const char *anim : LIFE_CYCLE) {
            EXPECT_GE(anim_find(set, anim, 1), 0) << key << " " << anim;
        }
        if (drifters.count(key)) {
            EXPECT_GE(anim_find(set, "spin1_x", 1), 0) << key << " drifts";
        }
    }
    EXPECT_GE(drifters.size(), 4u);
}

// The footprint events of one playing: the matrix index and the height it stood at.
std::vector<std::pair<int, float>> g_prints;
const float *g_print_matrices;

void record_print(AnimEventKind kind, const AnimTrack *, int, const float *matrix)
{
    if (kind == ANIM_EVENT_FOOTPRINT) {
        g_prints.push_back({(int)((matrix - g_print_matrices) / 16), matrix[13]});
    }
}

// Each print asked for comes, every stride, from a bone within a step's lift of the floor
// (a fifth of a unit; the engine lays it at floor height wherever the bone is).
TEST_F(EnemyContent, EveryFootprintIsLaidByAFootOnTheFloor)
{
    const char *recorder = R"(
rec_wrap("c_add_footprint_to_anim", function(anim, bone, texture, key)
    rec_add("print " .. rec_model .. " " .. anim .. " " .. bone .. " " .. key)
end)
)";
    std::set<std::string> walkers;
    for (const std::string &script : enemy_script_names()) {
        for (const std::string &line : script_record(script.c_str(), recorder)) {
            if (line.rfind("print ", 0) == 0) {
                walkers.insert(line.substr(6));
            }
        }
    }
    // The sets stay loaded with the print events the scripts added to them.
    // model -> anim -> the (matrix index, key) pairs asked for.
    std::map<std::string, std::map<std::string, std::set<std::pair<int, int>>>> asked;
    for (const std::string &w : walkers) {
        char model[128], anim[64], bone[64];
        int key = -1;
        ASSERT_EQ(sscanf(w.c_str(), "%127s %63s %63s %d", model, anim, bone, &key), 4) << w;
        AnimSet *set = asset_model_set(model);
        ASSERT_NE(set, nullptr) << w;
        int b = asset_bone_index(set, bone);
        ASSERT_GE(b, 0) << w;
        asked[model][anim].insert({b + 1, key});
    }
    for (const char *model : {"beasties/robot_green", "beasties/robot_yellow", "beasties/beemspider_1",
                              "bosses/robo_mom", "bosses/geopus"}) {
        EXPECT_EQ(asked.count(model), 1u) << model << " walks without prints";
    }
    g_anim_event_hook = record_print;
    for (const auto &[model, anims] : asked) {
        AnimSet *set = asset_model_set(model);
        for (const auto &[anim, pairs] : anims) {
            PreviewActor a(set);
            const float at[3] = {0, 0, 0};
            a.place(0, 1, at);
            g_print_matrices = a.m.data();
            a.tick(3);
            g_prints.clear();
            a.play(anim.c_str());
            int index = anim_find(set, anim.c_str(), 1);
            ASSERT_GE(index, 0);
            const AnimTrack &t = set->tracks[index];
            int ticks = 0;
            for (int k = 0; k < t.key_count; k++) {
                ticks += (int)(1.0f / t.steps[k]) + 1;
            }
            a.tick(3 * ticks);   // three strides
            std::map<int, int> count;
            for (const auto &[matrix, y] : g_prints) {
                count[matrix]++;
                EXPECT_LT(y, 0.2f) << model << " " << anim << ": a print from matrix " << matrix << " lifted " << y;
            }
            for (const auto &[matrix, key] : pairs) {
                EXPECT_GE(count[matrix], 2) << model << " " << anim << ": matrix " << matrix << " key " << key;
            }
        }
    }
    g_anim_event_hook = nullptr;
}

// Each boss's health state takes over at its mark, not a hair before: robo_mom charges
// below a third, motha_2 turns frantic below half, powerpimp spins below a quarter.
TEST(BossContent, EachBossChangesItsWaysAtItsHealthMark)
{
    struct Mark {
        const char *boss;
        float percent;
    };
    for (Mark mark : {Mark{"robo_mom", 33}, Mark{"motha_2", 50}, Mark{"powerpimp", 25}}) {
        SCOPED_TRACE(mark.boss);
        mem_init();
        TreeStyles styles{GLIMMERFALL_ASSETS};
        LogCapture log;
        tree_arena_begin(119, 1, {"actor.lua", (std::string(mark.boss) + ".lua").c_str()});
        EXPECT_EQ(log.script_errors(), 0) << log.joined();
        ActorType *t = actortype_find(mark.boss);
        ASSERT_NE(t, nullptr);
        const ActorParams *later = nullptr;
        for (const TriggerState *s = t->states; s; s = s->next) {
            if (s->condition == TRIGGER_MY_HEALTH) {
                later = s->params;
            }
        }
        ASSERT_NE(later, nullptr) << "a health state with its own block";
        Beastie *b = tree_arena_launch(mark.boss, "", 0, 0);
        ASSERT_NE(b, nullptr);
        for (int i = 0; i < 300 && b->lifecycle < BEASTIE_IDLE; i++) {
            g_level_ticks++;
            beasties_update_all();
        }
        ASSERT_GE(b->lifecycle, BEASTIE_IDLE);
        // Hits that leave the boss at a share of its health, then a tick of its states.
        auto wound_to = [&](float share) {
            anim_scale_bone_health(b, share * b->full_health / anim_total_bone_health(b));
            beastie_take_hit(b, ACTOR_HIT_DAMAGE);
            g_level_ticks++;
            beasties_update_all();
        };
        wound_to((mark.percent + 1.0f) * 0.01f);
        EXPECT_EQ(b->params, t->params) << "still its first block above the mark";
        wound_to((mark.percent - 1.0f) * 0.01f);
        EXPECT_EQ(b->params, later) << "the health state's block below it";
        EXPECT_GT(b->lifecycle, 0);
        tree_arena_end();
    }
}

}  // namespace
