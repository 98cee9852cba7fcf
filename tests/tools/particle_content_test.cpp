// The generated effects as the game loads them: every catalogue effect and every effect
// a script attaches is a 684-byte file whose texture is its own (not the fallback), no
// steady emitter can fill its ring, and the textures keep a clear border for clamping.

#include "assetgen/particles.h"

#include "core/file.h"
#include "core/mem.h"
#include "render/particle.h"
#include "render/tex.h"
#include "tests/support/log_capture.h"

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

// The effect names the scripts attach: the last string argument of
// c_add_particle_to_anim and c_add_particle_to_explosion.
std::set<std::string> script_effect_names()
{
    std::set<std::string> names;
    const std::regex call("c_add_particle_to_(anim|explosion)\\s*\\(([^)]*)\\)");
    const std::regex last_string("\"([^\"]*)\"\\s*$");
    for (const auto &entry : std::filesystem::directory_iterator(std::string(GLIMMERFALL_SOURCE_DIR) + "/script/lua")) {
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        for (auto it = std::sregex_iterator(s.begin(), s.end(), call); it != std::sregex_iterator(); ++it) {
            std::string args = (*it)[2];
            std::smatch m;
            if (std::regex_search(args, m, last_string)) {
                names.insert(m[1]);
            } else {
                ADD_FAILURE() << entry.path().filename() << ": an effect named by a variable: " << args;
            }
        }
    }
    return names;
}

class ParticleContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        ASSERT_EQ(chdir((TREE + "/run").c_str()), 0);
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", "../styles/particles/");
        zgl_texture_init();
        particle_init_holders();
    }
    void TearDown() override
    {
        particle_info();
        zgl_texture_free_all();
        file_free_textures();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        g_bitmaps_dir[0] = 0;
        g_particles_dir[0] = 0;
    }
    LogCapture log;
};

TEST_F(ParticleContent, EveryEffectLoadsWithItsOwnTexture)
{
    std::set<std::string> names;
    for (const ParticleEffect &e : particle_effects()) {
        names.insert(e.name);
    }
    std::set<std::string> used = script_effect_names();
    EXPECT_GE(used.size(), 8u) << "the scripts attach effects";
    names.insert(used.begin(), used.end());
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
        int border = w / 8, lit_border = 0, brightest = 0;
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
