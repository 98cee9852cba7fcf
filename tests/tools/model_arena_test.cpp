// The arena's content through the engine's loader and playback: the room's layouts put
// the 24 pylon points where README.md says and keep the arena inside every fence strand;
// the floors, pylons, beams, power-ups and explosions carry the names and spheres the
// engine needs (the face budgets are ModelContent's); an explosion lives as long by its pictures as by "explode",
// and its collide bone stays inside its radius; every model, bone, animation, explosion
// and sound that the levels' scripts name is in the tree; the explosions' sounds grow
// with the blast and the smart bomb is the loudest sound there is.

#include "assetgen/models.h"
#include "assetgen/sounds.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "game/settings.h"
#include "platform/sound.h"
#include "render/particle.h"
#include "render/tex.h"
#include "world/animplay.h"
#include "world/beastie.h"
#include "world/fizz.h"
#include "world/path.h"
#include "world/room.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/model_preview.h"
#include "tests/support/model_scene.h"
#include "tests/support/world_cleanup.h"

#include <array>
#include <cmath>
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;
constexpr float PI = 3.14159265f;

class ArenaContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        run_folder = std::make_unique<TreeRunFolder>(TREE);
    }
    void TearDown() override
    {
        if (g_lua) {
            lua_close(g_lua);
            g_lua = nullptr;
        }
        anim_sets_free_all();
        // The meshes' textures were found from the run folder and decoded into the cache.
        file_free_textures();
        run_folder.reset();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    std::unique_ptr<TreeRunFolder> run_folder;
};

AnimSet *set_of(const std::string &key)
{
    size_t slash = key.find('/');
    return actor_load_model_data(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str());
}

int bone_index(const AnimSet *set, const std::string &name)
{
    for (int i = 0; i < set->bone_count; i++) {
        if (name == set->bones[i].name) {
            return i;
        }
    }
    return -1;
}

// Glows laid only over the part of their picture that is not black (a floor's light, the
// bomb wave's bands): how texture t's faces cover its picture (from the run folder; the
// first frame of a set). uncovered: the lit texels no face covers in texture space (-1
// without a picture); per_layer: the texture-space area the faces cover (1 is the
// picture's square) over the bones they lie on.
struct GlowCover {
    int uncovered = -1;
    float per_layer = 0;
};

GlowCover glow_cover(const ModelFile *mesh, int t)
{
    GlowCover out;
    const ModelTexture &entry = mesh->texture_entries[t];
    // A set is named by its folder.
    std::string path = entry.colour;
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".bmp") != 0) {
        path += "/00000.bmp";
    }
    Preload *picture = file_mload(path.c_str(), 3);
    if (!picture) {
        return out;
    }
    std::vector<std::array<float, 6>> tris;
    std::set<uint32_t> layers;
    float area = 0;
    for (int f = 0; f < mesh->face_count; f++) {
        const ModelFace &face = mesh->faces[f];
        if ((int)(face.word & MODEL_FACE_TEXTURE_MASK) == t) {
            std::array<float, 6> tri;
            for (int k = 0; k < 3; k++) {
                tri[2 * k] = mesh->draw_vertices[face.index[k]].u;
                tri[2 * k + 1] = mesh->draw_vertices[face.index[k]].v;
            }
            area += 0.5f * std::fabs((tri[2] - tri[0]) * (tri[5] - tri[1]) - (tri[3] - tri[1]) * (tri[4] - tri[0]));
            layers.insert(mesh->draw_vertices[face.index[0]].bone);
            tris.push_back(tri);
        }
    }
    out.per_layer = layers.empty() ? 0.0f : area / (float)layers.size();
    auto inside = [](const std::array<float, 6> &tri, float u, float v) {
        float d[3];
        for (int k = 0; k < 3; k++) {
            const float *a = &tri[2 * k], *b = &tri[2 * ((k + 1) % 3)];
            d[k] = (b[0] - a[0]) * (v - a[1]) - (b[1] - a[1]) * (u - a[0]);
        }
        return (d[0] >= 0 && d[1] >= 0 && d[2] >= 0) || (d[0] <= 0 && d[1] <= 0 && d[2] <= 0);
    };
    out.uncovered = 0;
    for (int y = 0; y < picture->height; y++) {
        for (int x = 0; x < picture->width; x++) {
            const uint8_t *c = picture->pixels + 3 * ((size_t)y * picture->width + x);
            if (!(c[0] | c[1] | c[2])) {
                continue;
            }
            // Row 0 is where v is 0, as GL takes the rows.
            float u = ((float)x + 0.5f) / (float)picture->width, v = ((float)y + 0.5f) / (float)picture->height;
            bool covered = false;
            for (const auto &tri : tris) {
                covered = covered || inside(tri, u, v);
            }
            out.uncovered += !covered;
        }
    }
    return out;
}

// The additive texture of a floor (its light), -1 for none.
int floor_light_texture(const ModelFile *mesh)
{
    int light = -1;
    for (int t = 0; t < mesh->texture_count; t++) {
        if (mesh->texture_entries[t].flags & TEX_ADDITIVE) {
            light = t;
        }
    }
    return light;
}

bool is_arena_folder(const std::string &folder)
{
    return folder == "room" || folder == "pylons" || folder == "fizz" || folder == "powerups" || folder == "explosions";
}

// Plays an animation to its end as room_goto does (at most limit updates); the updates it
// took, or limit + 1 when it never ended.
int play_to_end(PreviewActor &a, const char *anim, int limit = 1000)
{
    int index = anim_find(a.st.set, anim, 1);
    if (index < 0) {
        return -1;
    }
    anim_play(&a.st, index, 1.0f, 0);
    for (int n = 1; n <= limit; n++) {
        a.tick();
        if (!anim_is_playing(&a.st, index)) {
            return n;
        }
    }
    return limit + 1;
}

float column_length(const float *m, int c)
{
    return std::sqrt(m[c * 4] * m[c * 4] + m[c * 4 + 1] * m[c * 4 + 1] + m[c * 4 + 2] * m[c * 4 + 2]);
}

// README.md, "Room layouts": n corners at distance R, the first at bearing b0, the others
// at smaller bearings; 24 / n pylons a side from the first corner on. A bearing b is the
// floor point (R sin b, R cos b).
struct Layout {
    const char *name;
    int corners;
    float radius;
    float first_bearing;
};
const Layout README_LAYOUTS[] = {
    {"circle", 24, 60.0f, 0.0f},
    {"square", 4, 55.0f * std::sqrt(2.0f), -45.0f},
    {"triangle", 3, 96.0f, 0.0f},
    {"hexagon", 6, 66.0f, 0.0f},
    {"circle_wide", 24, 80.0f, 0.0f},
};

void readme_point(const Layout &l, int k, float &x, float &z)
{
    int per = 24 / l.corners;
    int side = k / per;
    float t = (float)(k % per) / (float)per;
    float b0 = (l.first_bearing - 360.0f / l.corners * side) * PI / 180.0f;
    float b1 = (l.first_bearing - 360.0f / l.corners * (side + 1)) * PI / 180.0f;
    x = l.radius * ((1 - t) * std::sin(b0) + t * std::sin(b1));
    z = l.radius * ((1 - t) * std::cos(b0) + t * std::cos(b1));
}

TEST_F(ArenaContent, EveryLayoutEndsWithThePylonsWhereTheReadmePutsThemAndTheArenaInsideTheFence)
{
    AnimSet *room = set_of("room/roomer");
    ASSERT_NE(room, nullptr);
    ASSERT_NE(room->mesh, nullptr);
    int pylon[24];
    for (int k = 0; k < 24; k++) {
        char name[16];
        snprintf(name, sizeof(name), "pylon%d%d", (k + 1) / 10, (k + 1) % 10);
        pylon[k] = bone_index(room, name);
        ASSERT_GE(pylon[k], 0) << name;
    }
    for (const Layout &l : README_LAYOUTS) {
        // Launched as floor_chooser.lua launches it: at the origin, heading 0, full size.
        PreviewActor actor(room);
        const float origin[3] = {0, 0, 0};
        actor.place(0, 1.0f, origin);
        EXPECT_LT(room->tracks[anim_find(room, l.name, 1)].loop_key, 0) << l.name << " plays once";
        int ticks = play_to_end(actor, l.name);
        EXPECT_GE(ticks, 1) << l.name;
        EXPECT_LE(ticks, 20) << l.name << " settles at once";
        float x[24], z[24];
        for (int k = 0; k < 24; k++) {
            const float *m = &actor.m[(size_t)(pylon[k] + 1) * 16];
            float ex, ez;
            readme_point(l, k, ex, ez);
            EXPECT_NEAR(m[12], ex, 0.01f) << l.name << " pylon " << k + 1;
            EXPECT_NEAR(m[13], 0.0f, 0.01f) << l.name << " pylon " << k + 1;
            EXPECT_NEAR(m[14], ez, 0.01f) << l.name << " pylon " << k + 1;
            // Upright at full size, so pylons hang straight and waves start from rest.
            EXPECT_NEAR(m[9], 1.0f, 1e-3f) << l.name << " pylon " << k + 1;
            EXPECT_NEAR(column_length(m, 0), 1.0f, 1e-3f);
            x[k] = m[12];
            z[k] = m[14];
            // Inside the floor.
            EXPECT_LT(std::fabs(x[k]), 98.0f);
            EXPECT_LT(std::fabs(z[k]), 98.0f);
        }
        // Each strand from pylon k to k + 1 (and the lower ones, k to k + 2) has the
        // arena's centre on its positive side, where a fence turns movers back.
        for (int step : {1, 2}) {
            for (int k = 0; k < 24; k++) {
                int n = (k + step) % 24;
                float dx = x[n] - x[k], dz = z[n] - z[k];
                float angle = std::atan2(dx, dz) - PI / 2;
                float a = std::sin(angle), c = std::cos(angle);
                float d = -(x[k] * a + z[k] * c);
                EXPECT_GT(d, 20.0f) << l.name << " strand " << k + 1 << "-" << n + 1;
                EXPECT_LT(dx * dx + dz * dz, 11900.0f) << "within a beam's default reach";
            }
        }
    }
}

// Ticks for a piece whose first texture is an animated set of n frames at speed s: time
// grows by s each tick and the piece ends when it reaches n - s.
int texture_life(int frames, float speed)
{
    float time = 0;
    int ticks = 0;
    while (time < (float)frames - speed && ticks < 10000) {
        time += speed;
        ticks++;
    }
    return ticks;
}

int frame_files(const std::string &folder)
{
    int n = 0;
    while (true) {
        char name[32];
        snprintf(name, sizeof(name), "/%05d.bmp", n);
        if (file_exists_size((folder + name).c_str()) <= 0) {
            return n;
        }
        n++;
    }
}

TEST_F(ArenaContent, FamiliesCarryTheirNamesAndSpheres)
{
    const std::set<std::string> idles = {"pylon-3_1", "pylon-5_1", "pylon-5_2", "pylon-5_3", "pylon-6_3", "pylon-9_9"};
    int families = 0;
    for (int i = 0; i < MODEL_FAMILY_COUNT; i++) {
        const std::string folder = MODEL_FAMILIES[i].folder, name = MODEL_FAMILIES[i].name;
        if (!is_arena_folder(folder)) {
            continue;
        }
        families++;
        const std::string key = folder + "/" + name;
        AnimSet *set = set_of(key);
        ASSERT_NE(set, nullptr) << key;
        ASSERT_NE(set->mesh, nullptr) << key;
        EXPECT_STREQ(set->bones[0].name, "mainbone_x") << key;
        // Scenery and explosions have one sphere: their types never move, collide or take
        // hits. Power-ups drift and are picked up: two.
        EXPECT_EQ(set->sphere_count, folder == "powerups" ? 2 : 1) << key;
        EXPECT_EQ(set->spheres[0].matrix, 0) << key;
        for (int t = 0; t < set->mesh->texture_count; t++) {
            std::string file = set->mesh->texture_entries[t].colour;
            bool animated = file.size() < 4 || file.compare(file.size() - 4, 4, ".bmp") != 0;
            EXPECT_GT(file_exists_size((TREE + "/run/" + file + (animated ? "/00000.bmp" : "")).c_str()), 0)
                << key << " names " << file;
        }
        const int32_t first_default = set->defaults[0];
        if (folder == "room") {
            EXPECT_GE(set->spheres[0].radius, name == "roomer" ? 100.0f : 141.5f) << key << " bounds what it draws";
            if (name != "roomer") {
                int light = floor_light_texture(set->mesh);
                ASSERT_GE(light, 0) << key;
                EXPECT_EQ(glow_cover(set->mesh, light).uncovered, 0) << key << ": its light faces cover every lit texel";
            }
        } else if (folder == "pylons") {
            int top = bone_index(set, "top_x"), mid = bone_index(set, "mid_x");
            ASSERT_GE(top, 0) << key;
            ASSERT_GE(mid, 0) << key;
            PreviewActor a(set);
            const float origin[3] = {0, 0, 0};
            a.place(0, 1.0f, origin);
            float top_h = a.m[(size_t)(top + 1) * 16 + 13], mid_h = a.m[(size_t)(mid + 1) * 16 + 13];
            EXPECT_GE(top_h, 5.0f) << key;
            EXPECT_LE(top_h, 9.0f) << key;
            EXPECT_GE(top_h - mid_h, 2.0f) << key << ": two fence heights";
            EXPECT_GT(mid_h, 2.0f) << key;
            ASSERT_GE(first_default, 0) << key << " is never frozen";
            EXPECT_GE(set->tracks[first_default].loop_key, 0) << key;
            int idle = anim_find(set, "idle", 1);
            EXPECT_EQ(idle >= 0, idles.count(name) == 1) << key;
            if (idle >= 0) {
                EXPECT_LT(set->tracks[idle].loop_key, 0) << key << ": a flourish now and then";
            }
        } else if (folder == "fizz") {
            // Hit sphere 0 is the half-length the engine stretches the beam by.
            EXPECT_FLOAT_EQ(set->spheres[0].radius, 1.0f) << key;
            if (name != "null-fizz") {
                ASSERT_GE(first_default, 0) << key;
                EXPECT_GE(set->tracks[first_default].loop_key, 0) << key;
            }
        } else if (folder == "powerups") {
            ASSERT_GE(first_default, 0) << key;
            EXPECT_GE(set->tracks[first_default].loop_key, 0) << key << " pulses";
        } else {
            // The bomb wave's rings cover every lit texel of their fading pictures
            // and a good deal less than their squares.
            for (int t = 0; name == "bomb_wave" && t < set->mesh->texture_count; t++) {
                std::string picture = set->mesh->texture_entries[t].colour;
                bool ring = picture.find("exp_ring") != std::string::npos;
                if (ring || picture.find("exp_disc") != std::string::npos) {
                    GlowCover c = glow_cover(set->mesh, t);
                    EXPECT_EQ(c.uncovered, 0) << key << " " << picture;
                    EXPECT_LT(c.per_layer, ring ? 0.55f : 0.8f) << key << " " << picture;
                }
            }
            // Explosions: "explode" plays once from the start; "bonecollide" is the blast.
            ASSERT_GE(first_default, 0) << key;
            EXPECT_STREQ(set->tracks[first_default].name, "explode") << key;
            EXPECT_LT(set->tracks[first_default].loop_key, 0) << key;
            int collide = bone_index(set, "bonecollide");
            ASSERT_GE(collide, 0) << key;
            PreviewActor a(set);
            const float origin[3] = {0, 0, 0};
            a.place(0, 1.0f, origin);
            int ticks = 0;
            float reach = 0;
            while (anim_is_playing(&a.st, first_default) && ticks < 1000) {
                a.tick();
                ticks++;
                const float *m = &a.m[(size_t)(collide + 1) * 16];
                float r = (column_length(m, 0) + column_length(m, 1) + column_length(m, 2)) / 3.0f;
                // A negative blast damages while the collide bone is inside the piece.
                EXPECT_GT(r, 0.0f) << key << " tick " << ticks;
                EXPECT_LE(r, set->spheres[0].radius * 1.001f) << key << " tick " << ticks;
                reach = std::max(reach, r);
            }
            EXPECT_GT(reach, 0.9f * set->spheres[0].radius) << key << " reaches its radius";
            EXPECT_LT(ticks, 200) << key << " ends";
            // A piece dies when its first texture's frames have run, if animated: the same
            // tick as "explode" ends, whichever texture comes first.
            for (int t = 0; t < set->mesh->texture_count; t++) {
                const ModelTexture &tex = set->mesh->texture_entries[t];
                std::string file = tex.colour;
                if (file.size() >= 4 && file.compare(file.size() - 4, 4, ".bmp") == 0) {
                    continue;
                }
                int frames = frame_files(TREE + "/run/" + file);
                EXPECT_GE(frames, 8) << key << " " << file;
                EXPECT_NEAR(texture_life(frames, tex.anim_speed), ticks, 1) << key << " " << file;
            }
            if (name == "bomb_wave") {
                EXPECT_GE(set->spheres[0].radius, 120.0f) << "the bomb reaches across the arena";
            }
        }
    }
    EXPECT_EQ(families, 4 + 22 + 17 + 6 + 17);
}

// What the level scripts name, recorded by wrapping the bindings in Lua: one line per
// name, "model TYPE DIR/NAME", "use TYPE EVENT EXPLOSION", "sound EXPLOSION ANIM SOUND",
// "flare TYPE EXPLOSION", "goto LAYOUT", "attach TYPE BONE", "room FIZZ A BONE B BONE",
// "rule FIZZ TYPEA BONE TYPEB BONE".
const char *RECORDERS = R"(
rec = {}
rec_n = 0
local current = "?"
local function add(line) rec_n = rec_n + 1 rec[rec_n] = line end
local function wrap(name, note)
    local real = _G[name]
    _G[name] = function(...) note(...) return real(...) end
end
wrap("c_preload_model", function(t) current = t[1] add("model " .. t[1] .. " " .. t[2] .. "/" .. t[3]) end)
wrap("c_set_use_explosion_for", function(ev, ex) add("use " .. current .. " " .. ev .. " " .. ex) end)
wrap("c_add_sound_to_explosion", function(ex, an, so) add("sound " .. ex .. " " .. an .. " " .. so) end)
wrap("c_add_a_weapon", function(b, g, gb, sb, fa, aa, flare) if flare ~= "" then add("flare " .. current .. " " .. flare) end end)
wrap("c_room_goto", function(l) add("goto " .. l) end)
wrap("c_room_attach", function(ty, bone) add("attach " .. ty .. " " .. bone) end)
wrap("c_add_fizz_to_room", function(f, a, ba, b, bb) add("room " .. f .. " " .. a .. " " .. ba .. " " .. b .. " " .. bb) end)
wrap("c_add_fizz_between", function(f, a, ba, b, bb) add("rule " .. f .. " " .. a .. " " .. ba .. " " .. b .. " " .. bb) end)
)";

std::vector<std::vector<std::string>> record_level(int level)
{
    // The bindings run against an empty styles folder: the test reads the names, the
    // engine loads no model; what the scripts made without one (the paths) goes with the
    // script.
    char styles[FILE_DIR_SIZE];
    snprintf(styles, sizeof(styles), "%s", g_styles_dir);
    snprintf(g_styles_dir, FILE_DIR_SIZE, "no-such-folder/");
    g_level_number = level;
    g_lua = lua_open(0);
    lua_register_all();
    lua_test_run(RECORDERS);
    lua_run_mem_script(("level" + std::to_string(level) + ".lua").c_str());
    lua_getglobal(g_lua, "LEVEL_start");
    lua_protected_call(g_lua, 0, 0);
    std::vector<std::vector<std::string>> lines;
    int n = (int)lua_test_number("rec_n");
    for (int i = 1; i <= n; i++) {
        lua_test_run("rec_line = rec[" + std::to_string(i) + "]");
        std::vector<std::string> words;
        std::string line = lua_test_string("rec_line"), word;
        for (char ch : line + " ") {
            if (ch == ' ') {
                words.push_back(word);
                word.clear();
            } else {
                word += ch;
            }
        }
        lines.push_back(words);
    }
    lua_close(g_lua);
    g_lua = nullptr;
    world_cleanup_actors();
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", styles);
    return lines;
}

TEST_F(ArenaContent, EveryNameTheLevelsGiveTheArenaAndTheExplosionsIsInTheTree)
{
    const float saved_gfx = g_render_backgroundgfx;
    g_render_backgroundgfx = 3;   // full detail: the lower fence strands too
    std::set<std::string> pending;
    std::set<std::string> explosions_used;
    int checked = 0;
    for (int level = 100; level <= 189; level++) {
        LogCapture log;
        auto lines = record_level(level);
        EXPECT_EQ(log.count_containing("lua error"), 0) << level << "\n" << log.joined();
        std::map<std::string, std::string> model_of;   // type -> DIR/NAME
        for (const auto &w : lines) {
            if (w[0] == "model") {
                model_of[w[1]] = w[2];
            }
        }
        // A model of a type, null (noted as pending) when its family, outside the arena's
        // folders, has not been generated into this tree yet.
        auto model = [&](const std::string &type) -> AnimSet * {
            auto found = model_of.find(type);
            if (found == model_of.end()) {
                ADD_FAILURE() << level << ": " << type << " is used but never preloaded";
                return nullptr;
            }
            const std::string &key = found->second;
            bool ours = is_arena_folder(key.substr(0, key.find('/')));
            std::string file = TREE + "/styles/" + key + "/anim.bin";
            if (!ours && file_exists_size(file.c_str()) <= 0) {
                pending.insert(key);
                return nullptr;
            }
            AnimSet *set = set_of(key);
            EXPECT_NE(set, nullptr) << level << ": " << key;
            return set;
        };
        auto has_bone = [&](const std::string &type, const std::string &bone) {
            AnimSet *set = model(type);
            if (set) {
                EXPECT_GE(bone_index(set, bone), 0) << level << ": " << type << " bone " << bone;
                checked++;
            }
        };
        int gotos = 0, attaches = 0, fences = 0;
        std::set<std::string> floors;
        for (const auto &w : lines) {
            if (w[0] == "model") {
                const std::string folder = w[2].substr(0, w[2].find('/'));
                if (is_arena_folder(folder)) {
                    model(w[1]);
                }
                if (w[2].rfind("room/floor-", 0) == 0) {
                    floors.insert(w[2]);
                }
            } else if (w[0] == "use" || w[0] == "flare") {
                const std::string &ex = w[0] == "use" ? w[3] : w[2];
                AnimSet *set = set_of("explosions/" + ex);
                EXPECT_NE(set, nullptr) << level << ": " << w[1] << " explodes with " << ex;
                explosions_used.insert(ex);
                checked++;
                // "bye_bye_BONE" spawns at a bone of the type's own model.
                if (w[0] == "use" && w[2].size() > 8 && w[2].rfind("bye_bye_", 0) == 0 && w[2] != "bye_bye_damagable") {
                    has_bone(w[1], w[2].substr(8));
                }
            } else if (w[0] == "sound") {
                AnimSet *set = set_of("explosions/" + w[1]);
                ASSERT_NE(set, nullptr) << level << ": " << w[1];
                EXPECT_GE(anim_find(set, w[2].c_str(), 1), 0) << level << ": " << w[1] << " " << w[2];
                EXPECT_GT(file_exists_size((TREE + "/styles/sfx/" + w[3] + ".wav").c_str()), 0) << level << ": " << w[3];
                checked++;
            } else if (w[0] == "goto") {
                gotos++;
                AnimSet *room = model("roomer");
                ASSERT_NE(room, nullptr);
                EXPECT_GE(anim_find(room, w[1].c_str(), 1), 0) << level << ": layout " << w[1];
            } else if (w[0] == "attach") {
                attaches++;
                has_bone("roomer", w[2]);
                model(w[1]);
            } else if (w[0] == "room") {
                fences++;
                model(w[1]);
                has_bone(w[2].substr(w[2].find('_') + 1), w[3]);
                has_bone(w[4].substr(w[4].find('_') + 1), w[5]);
            } else if (w[0] == "rule") {
                model(w[1]);
                has_bone(w[2], w[3]);
                if (w[4] == "pylon-") {
                    for (const auto &m : model_of) {
                        if (m.first.rfind("pylon-", 0) == 0) {
                            has_bone(m.first, w[5]);
                        }
                    }
                } else {
                    has_bone(w[4], w[5]);
                }
            }
        }
        // The room, its 24 pylons and their fences, one floor.
        EXPECT_EQ(gotos, 1) << level;
        EXPECT_EQ(attaches, 24) << level;
        EXPECT_EQ(fences, 36) << level << ": 24 upper strands and 12 lower ones";
        EXPECT_EQ(floors.size(), 1u) << level;
    }
    g_render_backgroundgfx = saved_gfx;
    EXPECT_GT(checked, 1000);
    // Every explosion the tree has is used by some script.
    for (int i = 0; i < MODEL_FAMILY_COUNT; i++) {
        if (std::string(MODEL_FAMILIES[i].folder) == "explosions") {
            EXPECT_TRUE(explosions_used.count(MODEL_FAMILIES[i].name)) << MODEL_FAMILIES[i].name << " is never used";
        }
    }
    for (const std::string &key : pending) {
        ADD_FAILURE() << "not in the tree: " << key;
    }
}

// The levels as the game starts them, from the tree: the script's room, its pylons and
// the fences between them.
class ArenaLevel : public ArenaContent {
protected:
    void SetUp() override
    {
        ArenaContent::SetUp();
        snprintf(saved_explosions, sizeof(saved_explosions), "%s", g_explosions_dir);
        snprintf(saved_sfx, sizeof(saved_sfx), "%s", g_sfx_dir);
        snprintf(saved_particles, sizeof(saved_particles), "%s", g_particles_dir);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "../styles/explosions/");
        snprintf(g_sfx_dir, FILE_DIR_SIZE, "../styles/sfx/");
        snprintf(g_particles_dir, FILE_DIR_SIZE, "../styles/particles/");
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        sound_init();
        saved_gfx = g_render_backgroundgfx;
        g_render_backgroundgfx = 3;   // full detail: the lower fence strands too
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = 101.0f;
        game_reset();
        g_gamer_count = g_gamer_in_play = g_gamer_with_lives = 1;
    }
    void TearDown() override
    {
        game_session_end();
        g_gamer_count = g_gamer_in_play = g_gamer_with_lives = 0;
        g_render_backgroundgfx = saved_gfx;
        sound_shutdown();
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved_explosions);
        snprintf(g_sfx_dir, FILE_DIR_SIZE, "%s", saved_sfx);
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", saved_particles);
        ArenaContent::TearDown();
    }
    static void start(int level)
    {
        // As init_level: each level's effects and texture table start empty.
        particle_info();
        zgl_texture_init();
        g_level_number = level;
        snprintf(g_level_name, sizeof(g_level_name), "level%d", level);
        g_level_start_time = 1700000000;
        game_session_start();
    }
    // The beams from pylon to pylon.
    static int fences()
    {
        auto pylon = [](const Actor *a) { return a && a->type && strncmp(a->type->name, "pylon-", 6) == 0; };
        int n = 0;
        for (const Fizz *f = g_fizz; f; f = f->next) {
            n += pylon(f->actor_a) && pylon(f->actor_b);
        }
        return n;
    }
    // The enemies hanging on the room's pylon bones.
    static int pylons_on(const Beastie *room)
    {
        int n = 0;
        for (const Beastie *b = g_ground_beasties; b; b = b->next) {
            if (b != room && b->type && strncmp(b->type->name, "pylon-", 6) == 0 && beastie_get(b->parent) == room) {
                n++;
            }
        }
        return n;
    }
    char saved_explosions[FILE_DIR_SIZE];
    char saved_sfx[FILE_DIR_SIZE];
    char saved_particles[FILE_DIR_SIZE];
    float saved_gfx = 0.0f;
};

TEST_F(ArenaLevel, EveryLevelStartsWithItsRoomItsPylonsAndTheirFencesAndNoErrorLine)
{
    for (int level = 101; level <= 189; level++) {
        LogCapture log;
        start(level);
        Beastie *room = room_beastie();
        ASSERT_NE(room, nullptr) << level;
        EXPECT_EQ(std::string(room->type->name), "roomer");
        EXPECT_EQ(pylons_on(room), 24) << level;
        EXPECT_EQ(fences(), 36) << level << ": 24 upper strands and 12 lower ones";
        EXPECT_EQ(log.count_containing("*** "), 0) << level << "\n" << log.joined();
        game_session_end();
    }
}

TEST_F(ArenaLevel, RoomGotoSettlesEveryLayoutOnTheReadmePointsAndTheEdgePathRunsThroughThem)
{
    start(101);
    ASSERT_NE(room_beastie(), nullptr);
    for (const Layout &l : README_LAYOUTS) {
        LogCapture log;
        room_goto(l.name);
        EXPECT_EQ(log.count_containing("*** "), 0) << l.name << "\n" << log.joined();
        for (int k = 0; k < 24; k++) {
            float p[3], ex, ez;
            EXPECT_EQ(room_pylon_position(p, 1.0f, k, 0), k);
            readme_point(l, k, ex, ez);
            EXPECT_NEAR(p[0], ex, 0.01f) << l.name << " pylon " << k + 1;
            EXPECT_NEAR(p[2], ez, 0.01f) << l.name << " pylon " << k + 1;
        }
    }
    // "edge-path" (0, 75) runs forward through the pylons at 75 %, (-1, 75) backward.
    const float forward[2] = {0.0f, 75.0f}, backward[2] = {-1.0f, 75.0f};
    path_add("edge-path", forward, PATH_MODE_GENERATED);
    path_add("back-path", backward, PATH_MODE_GENERATED);
    const Path *fw = path_find("edge-path", 1), *bw = path_find("back-path", 1);
    ASSERT_NE(fw, nullptr);
    ASSERT_NE(bw, nullptr);
    const Layout &last = README_LAYOUTS[sizeof(README_LAYOUTS) / sizeof(README_LAYOUTS[0]) - 1];
    for (int k = 0; k < 24; k++) {
        float pf[3], pb[3], ex, ez, bx, bz;
        EXPECT_EQ(path_point_target(fw, pf, k), k);
        EXPECT_EQ(path_point_target(bw, pb, k), k);
        readme_point(last, k, ex, ez);
        readme_point(last, 23 - k, bx, bz);
        EXPECT_NEAR(pf[0], 0.75f * ex, 0.01f) << k;
        EXPECT_NEAR(pf[2], 0.75f * ez, 0.01f) << k;
        EXPECT_NEAR(pb[0], 0.75f * bx, 0.01f) << k;
        EXPECT_NEAR(pb[2], 0.75f * bz, 0.01f) << k;
    }
    // The nearest pylon point from just outside pylon 5 of the ring.
    float ex, ez, out[3];
    readme_point(last, 5, ex, ez);
    const float near5[3] = {ex * 0.8f, 0.0f, ez * 0.8f};
    EXPECT_EQ(room_nearest_pylon(near5, out, 0.75f, 0, 0x40 | 1), 17) << "the farthest: across the ring";
    EXPECT_EQ(room_nearest_pylon(near5, out, 0.75f, 0, 1), 5);
    EXPECT_NEAR(out[0], 0.75f * ex, 0.01f);
    EXPECT_EQ(room_nearest_pylon(near5, out, 0.75f, 1, 1), 23 - 5) << "counted from the end backward";
}

// The loudest quarter second of a sound (root mean square, full scale 1) and its energy.
void loudness(const std::vector<int16_t> &s, float &rms, float &energy, float &peak)
{
    const size_t window = 22050 / 4;
    double sum = 0, best = 0, all = 0;
    peak = 0;
    for (size_t i = 0; i < s.size(); i++) {
        double v = s[i] / 32768.0;
        sum += v * v;
        all += v * v;
        if (i >= window) {
            double old = s[i - window] / 32768.0;
            sum -= old * old;
        }
        best = std::max(best, sum);
        peak = std::max(peak, (float)std::fabs(v));
    }
    rms = (float)std::sqrt(best / (double)window);
    energy = (float)all;
}

TEST_F(ArenaContent, ExplosionSoundsGrowWithTheBlastAndTheSmartBombIsTheLoudestSound)
{
    std::map<std::string, float> rms, energy, peak;
    for (const std::string &name : sound_names()) {
        std::vector<int16_t> s = sound_samples(name);
        ASSERT_FALSE(s.empty()) << name;
        loudness(s, rms[name], energy[name], peak[name]);
    }
    for (const char *name : {"exp_small", "exp_medium", "exp_large", "exp_ship", "exp_emerge", "exp_submerge",
                             "exp_mutate", "exp_shield", "exp_bomb"}) {
        ASSERT_TRUE(rms.count(name)) << name;
    }
    EXPECT_LT(energy["exp_small"], energy["exp_medium"]);
    EXPECT_LT(energy["exp_medium"], energy["exp_large"]);
    EXPECT_LT(rms["exp_small"], rms["exp_large"]);
    for (const auto &r : rms) {
        if (r.first == "exp_bomb") {
            continue;
        }
        EXPECT_LT(r.second, rms["exp_bomb"]) << r.first << " is louder than the smart bomb";
        EXPECT_LE(peak[r.first], peak["exp_bomb"]) << r.first;
        if (r.first.rfind("exp_", 0) == 0) {
            EXPECT_LT(energy[r.first] * 1.5f, energy["exp_bomb"]) << r.first;
        }
    }
}

}  // namespace
