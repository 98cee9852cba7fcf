// The generated effects as the game loads them: every catalogue effect and every effect
// a script attaches is a 684-byte file whose texture is its own (not the fallback); the
// scripts' animations and bones exist on the generated models; no steady emitter can
// fill its ring; the textures keep a clear border for clamping.

#include "assetgen/particles.h"

#include "core/file.h"
#include "core/mem.h"
#include "render/particle.h"
#include "render/tex.h"
#include "tests/support/log_capture.h"
#include "world/actortype.h"
#include "world/animset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

// One effect a script attaches, with the model of the type it attaches to.
struct Attachment {
    std::string script;
    std::string folder;   // the type's model folder and name (ACTOR_preload); empty for
    std::string model;    // an explosion's
    std::string anim;
    std::string bone;
    std::string effect;
};

// Every c_add_particle_to_anim and c_add_particle_to_explosion of the scripts, with the
// type preloaded last before it.
std::vector<Attachment> script_attachments()
{
    std::vector<Attachment> out;
    const std::regex preload("ACTOR_preload\\(\\s*\"[^\"]*\"\\s*,\\s*\"([^\"]*)\"\\s*,\\s*\"([^\"]*)\"");
    const std::regex call("c_add_particle_to_(anim|explosion)\\s*\\(([^)]*)\\)");
    const std::regex string("\"([^\"]*)\"");
    for (const auto &entry : std::filesystem::directory_iterator(std::string(GLIMMERFALL_SOURCE_DIR) + "/script/lua")) {
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        for (auto it = std::sregex_iterator(s.begin(), s.end(), call); it != std::sregex_iterator(); ++it) {
            Attachment a;
            a.script = entry.path().filename().string();
            std::string before = s.substr(0, (size_t)it->position());
            for (auto p = std::sregex_iterator(before.begin(), before.end(), preload); p != std::sregex_iterator(); ++p) {
                a.folder = (*p)[1];
                a.model = (*p)[2];
            }
            std::vector<std::string> args;
            std::string list = (*it)[2];
            for (auto q = std::sregex_iterator(list.begin(), list.end(), string); q != std::sregex_iterator(); ++q) {
                args.push_back((*q)[1]);
            }
            bool explosion = (*it)[1] == "explosion";
            if (args.size() != (explosion ? 4u : 3u)) {
                ADD_FAILURE() << a.script << ": names given by variables: " << list;
                continue;
            }
            if (explosion) {
                a.folder.clear();
                a.model.clear();
                args.erase(args.begin());
            }
            a.anim = args[0];
            a.bone = args[1];
            a.effect = args[2];
            out.push_back(a);
        }
    }
    return out;
}

class ParticleContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        ASSERT_NE(getcwd(saved_cwd, sizeof(saved_cwd)), nullptr);
        ASSERT_EQ(chdir((TREE + "/run").c_str()), 0);
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", "../styles/particles/");
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", "../styles/");
        zgl_texture_init();
        particle_init_holders();
    }
    void TearDown() override
    {
        anim_sets_free_all();
        particle_info();
        zgl_texture_free_all();
        file_free_textures();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        g_bitmaps_dir[0] = 0;
        g_particles_dir[0] = 0;
        g_styles_dir[0] = 0;
        EXPECT_EQ(chdir(saved_cwd), 0);
    }
    char saved_cwd[4096] = "";
    LogCapture log;
};

TEST_F(ParticleContent, EveryEffectLoadsWithItsOwnTexture)
{
    std::set<std::string> names;
    for (const ParticleEffect &e : particle_effects()) {
        names.insert(e.name);
    }
    for (const Attachment &a : script_attachments()) {
        names.insert(a.effect);
    }
    for (const std::string &name : names) {
        EXPECT_EQ(file_exists_size((TREE + "/styles/particles/" + name + ".bin").c_str()), PARTICLE_FILE_SIZE)
            << name;
        int t = particle_find_or_load(name.c_str());
        ASSERT_GE(t, 0) << name;
        const ParticleEmitter &e = g_particle_templates[t];
        ASSERT_NE(e.texture_record, nullptr) << name;
        ASSERT_NE(e.texture_record->colour, nullptr) << name;
        EXPECT_EQ(e.texture_record->colour->texture_spare, 0u) << name << " draws with the fallback";
        EXPECT_EQ(std::string(e.texture_record->colour->name), std::string(e.texture_colour)) << name;
        EXPECT_EQ(e.uv_extent, 2.0f) << name;
        EXPECT_TRUE(e.texture_flags & TEX_CLAMP_S && e.texture_flags & TEX_CLAMP_T) << name;
    }
    EXPECT_EQ(log.errors(), 0) << log.joined();
}

// Where the type's model is generated already, each attachment finds its animation and
// bone and lands on the animation's event list.
TEST_F(ParticleContent, ScriptAttachmentsResolveOnTheGeneratedModels)
{
    std::vector<Attachment> all = script_attachments();
    std::set<std::string> effects;
    int on_models = 0;
    for (const Attachment &a : all) {
        effects.insert(a.effect);
        if (a.model.empty() ||
            file_exists_size((TREE + "/styles/" + a.folder + "/" + a.model + "/anim.bin").c_str()) < 1) {
            continue;
        }
        AnimSet *set = actor_load_model_data(a.folder.c_str(), a.model.c_str());
        ASSERT_NE(set, nullptr) << a.script;
        log.clear();
        actortype_attach_particle(set, a.anim.c_str(), a.bone.c_str(), a.effect.c_str());
        EXPECT_EQ(log.errors(), 0) << a.script << ": " << a.anim << " " << a.bone << " " << a.effect << "\n"
                                   << log.joined();
        int anim = anim_find(set, a.anim.c_str(), 1);
        ASSERT_GE(anim, 0);
        int tmpl = particle_find_or_load(a.effect.c_str());
        int matrix = anim_find_bone(set, a.bone.c_str(), 1) + 1;
        bool found = false;
        for (const AnimParticleEvent *e = set->tracks[anim].particles; e; e = e->next) {
            found |= e->particle == tmpl && e->matrix == matrix;
        }
        EXPECT_TRUE(found) << a.script << ": " << a.anim << " " << a.effect;
        on_models++;
    }
    EXPECT_GE(effects.size(), 8u) << "the scripts attach effects";
    EXPECT_GE(on_models, 10) << "the robots and their shot";
}

TEST_F(ParticleContent, NoSteadyEmitterFillsItsRing)
{
    for (const ParticleEffect &fx : particle_effects()) {
        const ParticleOut &p = fx.out;
        float rate = *std::max_element(p.rate, p.rate + 4);
        float life = p.life + *std::max_element(p.life_var, p.life_var + 4);
        EXPECT_LT(rate * life * 100.0f, (float)PARTICLE_RING_SIZE) << fx.name;
        EXPECT_GT(rate, 0.0f) << fx.name;
        EXPECT_GT(p.duration, 0.0f) << fx.name;
    }
}

TEST_F(ParticleContent, TexturesKeepAClearBorder)
{
    for (const std::string &name : particle_texture_names()) {
        int w = 0, h = 0, ch = 3;
        uint8_t *px = file_load_bmp((TREE + "/styles/bitmaps/" + name).c_str(), &w, &h, &ch);
        ASSERT_NE(px, nullptr) << name;
        int border = w / 16, lit_border = 0, brightest = 0;
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w; x++) {
                const uint8_t *p = &px[((size_t)y * w + x) * 3];
                int v = std::max({p[0], p[1], p[2]});
                brightest = std::max(brightest, v);
                if (x < border || y < border || x >= w - border || y >= h - border) {
                    lit_border += v > 0;
                }
            }
        }
        EXPECT_EQ(lit_border, 0) << name;
        EXPECT_GT(brightest, 200) << name;
        mem_free(px);
    }
}

}  // namespace
