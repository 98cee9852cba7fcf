// The generated asset tree: the catalogue and the disk agree, a second run writes the
// same bytes, the names the engine looks up exist, the font pages hold readable glyphs,
// and the sounds have the shape of game sounds and seamless loops.

#include "assetgen/catalogue.h"
#include "assetgen/fonts.h"
#include "assetgen/sounds.h"

#include "core/file.h"
#include "core/mem.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string TREE = GLIMMERFALL_ASSETS;

std::string tree_file(const std::string &rel)
{
    return TREE + "/" + rel;
}

std::set<std::string> files_below(const std::string &root)
{
    std::set<std::string> out;
    for (const auto &e : fs::recursive_directory_iterator(root)) {
        if (e.is_regular_file()) {
            out.insert(fs::relative(e.path(), root).generic_string());
        }
    }
    return out;
}

TEST(AssetTree, CatalogueAndDiskAgree)
{
    std::set<std::string> listed;
    for (const AssetEntry &e : asset_catalogue()) {
        EXPECT_TRUE(listed.insert(e.path).second) << "listed twice: " << e.path;
        std::string name = fs::path(e.path).filename().string();
        std::string lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        EXPECT_EQ(name, lower) << "file names are lower case";
    }
    EXPECT_EQ(files_below(TREE), listed);
}

TEST(AssetTree, SecondRunWritesTheSameBytes)
{
    TempDir again;
    ASSERT_EQ(asset_write_tree(again.path()), (int)asset_catalogue().size());
    for (const AssetEntry &e : asset_catalogue()) {
        std::string a = read_file(tree_file(e.path));
        std::string b = read_file(again.file(e.path));
        EXPECT_FALSE(a.empty()) << e.path;
        EXPECT_TRUE(a == b) << e.path << " differs between runs";
    }
}

TEST(AssetTree, NamesTheEngineLooksUp)
{
    std::vector<std::string> wanted = {"styles/bitmaps/z_light.bmp", "menu/readme.htm",  "menu/languages.txt",
                                       "menu/menu_en.txt",           "menu/menu_de.txt", "menu/menu_fr.txt",
                                       "menu/keys_en.txt"};
    for (int page = 1; page <= 4; page++) {
        wanted.push_back("menu/font_en_" + std::to_string(page) + ".bmp");
        wanted.push_back("menu/font_en_" + std::to_string(page) + "m.bmp");
    }
    for (const char *s : {"menu_select", "menu_updown", "menu_leftright", "pickup_powerup", "score_multiply",
                          "time_bonus", "extra_ship", "levelstart_01", "levelend_01", "ping_multiply",
                          "ping_multiplycount", "ping_timer", "ping_bombcount", "ambi-00", "ambi-01", "ambi-02",
                          "ambi-03"}) {
        wanted.push_back(std::string("styles/sfx/") + s + ".wav");
    }
    for (int level = 101; level <= 189; level++) {
        wanted.push_back("run/level" + std::to_string(level) + ".lua");
    }
    for (const std::string &rel : wanted) {
        EXPECT_GT(file_exists_size(tree_file(rel).c_str()), 0) << rel;
    }
    EXPECT_EQ(file_exists_size(tree_file("run/level190.lua").c_str()), -1) << "the level sequence ends at 189";
    for (const AssetEntry &e : asset_catalogue()) {
        if (e.kind == AssetKind::Page || e.kind == AssetKind::Marker || e.kind == AssetKind::Text) {
            std::string text = read_file(tree_file(e.path));
            ASSERT_FALSE(text.empty());
            EXPECT_EQ(text.back(), '\n') << e.path << ": text files end with a newline";
        }
    }
}

class FontPages : public ::testing::Test {
protected:
    void SetUp() override { mem_init(); }
    void TearDown() override
    {
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    LogCapture log;
};

TEST_F(FontPages, EveryLatin1CharacterHasADistinctGlyphInItsCell)
{
    std::set<std::string> shapes;
    for (int page = 0; page < 4; page++) {
        std::string base = tree_file("menu/font_en_" + std::to_string(page + 1));
        int w, h;
        int ch = 1;
        uint8_t *mask = file_load_bmp((base + "m.bmp").c_str(), &w, &h, &ch);
        ASSERT_NE(mask, nullptr);
        ASSERT_EQ(w, 256);
        ASSERT_EQ(h, 256);
        int cw, chh;
        int cch = 3;
        uint8_t *colour = file_load_bmp((base + ".bmp").c_str(), &cw, &chh, &cch);
        ASSERT_NE(colour, nullptr);
        for (int slot = 0; slot < 64; slot++) {
            int code = 32 + 64 * page + slot;
            int col = code & 7;
            int row = ((code - 32) & 63) >> 3;   // from the top of the picture
            int covered = 0;
            int ring = 0;
            int bright = 0;
            std::string shape;
            for (int y = 0; y < 32; y++) {
                // Decoded rows run from the bottom of the picture.
                int out_row = 255 - (row * 32 + y);
                for (int x = 0; x < 32; x++) {
                    int k = out_row * 256 + col * 32 + x;
                    uint8_t a = mask[k];
                    covered += a > 128;
                    if (x == 0 || y == 0 || x == 31 || y == 31) {
                        ring += a != 0;
                    }
                    bright = std::max<int>(bright, colour[3 * k]);
                    shape += (char)(a > 128 ? '#' : '.');
                }
            }
            EXPECT_EQ(ring, 0) << "code " << code << " touches its cell border";
            if (font_code_has_glyph(code)) {
                EXPECT_GT(covered, 12) << "code " << code;
                EXPECT_LT(covered, 32 * 32 / 2) << "code " << code;
                EXPECT_GT(bright, 200) << "code " << code;
                EXPECT_TRUE(shapes.insert(shape).second || code == 173) << "code " << code << " repeats a glyph";
            } else {
                EXPECT_EQ(covered, 0) << "code " << code;
            }
        }
        mem_free(mask);
        mem_free(colour);
    }
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(FontPages, LightBitmapIsASoftRoundLight)
{
    int w, h;
    int ch = 0;
    uint8_t *px = file_load_bmp(tree_file("styles/bitmaps/z_light.bmp").c_str(), &w, &h, &ch);
    ASSERT_NE(px, nullptr);
    EXPECT_EQ(ch, 3);
    ASSERT_EQ(w, 64);
    ASSERT_EQ(h, 64);
    EXPECT_GT(px[3 * (32 * 64 + 32)], 240);
    EXPECT_EQ(px[0], 0);
    EXPECT_EQ(px[3 * (63 * 64 + 63)], 0);
    for (int x = 0; x < 32; x++) {
        EXPECT_EQ(px[3 * (32 * 64 + x)], px[3 * (31 * 64 + 63 - x)]) << "symmetric";
        EXPECT_LE(px[3 * (32 * 64 + x)], px[3 * (32 * 64 + x + 1)]) << "brighter toward the centre";
    }
    mem_free(px);
}

// The samples of a WAV file in the tree, after checking SDL takes it as the mixer's
// own format with no conversion.
std::vector<float> load_sound(const std::string &name)
{
    SDL_AudioSpec spec;
    Uint8 *buf = nullptr;
    Uint32 len = 0;
    std::string path = tree_file("styles/sfx/" + name + ".wav");
    if (!SDL_LoadWAV(path.c_str(), &spec, &buf, &len)) {
        ADD_FAILURE() << path << ": " << SDL_GetError();
        return {};
    }
    EXPECT_EQ(spec.freq, 22050) << name;
    EXPECT_EQ(spec.format, AUDIO_S16LSB) << name;
    EXPECT_EQ(spec.channels, 1) << name;
    std::vector<float> out(len / 2);
    for (size_t i = 0; i < out.size(); i++) {
        int16_t s;
        memcpy(&s, buf + 2 * i, 2);
        out[i] = s / 32768.0f;
    }
    SDL_FreeWAV(buf);
    return out;
}

void fft(std::vector<std::complex<double>> &a)
{
    size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; i++) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(a[i], a[j]);
        }
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        double ang = -2.0 * M_PI / (double)len;
        std::complex<double> wl(cos(ang), sin(ang));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> w(1.0);
            for (size_t k = 0; k < len / 2; k++) {
                std::complex<double> u = a[i + k];
                std::complex<double> v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= wl;
            }
        }
    }
}

// Spectral peaks within 30 dB of the strongest in the loudest 2048-sample window.
int spectral_peaks(const std::vector<float> &s)
{
    const size_t n = 2048;
    size_t best = 0;
    double best_energy = -1.0;
    for (size_t start = 0; start + n <= std::max(s.size(), n); start += n / 4) {
        double e = 0.0;
        for (size_t i = start; i < std::min(s.size(), start + n); i++) {
            e += s[i] * s[i];
        }
        if (e > best_energy) {
            best_energy = e;
            best = start;
        }
        if (start + n >= s.size()) {
            break;
        }
    }
    std::vector<std::complex<double>> a(n);
    for (size_t i = 0; i < n; i++) {
        double w = 0.5 - 0.5 * cos(2.0 * M_PI * (double)i / (double)(n - 1));
        a[i] = best + i < s.size() ? s[best + i] * w : 0.0;
    }
    fft(a);
    std::vector<double> mag(n / 2);
    double top = 0.0;
    for (size_t i = 0; i < n / 2; i++) {
        mag[i] = std::abs(a[i]);
        top = std::max(top, mag[i]);
    }
    int peaks = 0;
    for (size_t i = 2; i + 2 < n / 2; i++) {
        if (mag[i] > top * 0.0316 && mag[i] >= mag[i - 1] && mag[i] > mag[i + 1] && mag[i] >= mag[i - 2] &&
            mag[i] > mag[i + 2]) {
            peaks++;
        }
    }
    return peaks;
}

double rms(const std::vector<float> &s, size_t from, size_t count)
{
    double e = 0.0;
    for (size_t i = from; i < from + count && i < s.size(); i++) {
        e += s[i] * s[i];
    }
    return std::sqrt(e / (double)count);
}

TEST(AssetSounds, NamedSoundsAreShapedLikeGameSounds)
{
    for (const std::string &name : sound_names()) {
        if (name.rfind("ambi-", 0) == 0) {
            continue;
        }
        std::vector<float> s = load_sound(name);
        ASSERT_FALSE(s.empty()) << name;
        double seconds = s.size() / 22050.0;
        EXPECT_GE(seconds, 0.05) << name;
        EXPECT_LE(seconds, 4.0) << name;
        float peak = 0.0f;
        for (float x : s) {
            peak = std::max(peak, std::fabs(x));
        }
        EXPECT_GT(peak, 0.4f) << name;
        EXPECT_LT(peak, 0.95f) << name;
        // Silent edges: no click at the start or the end.
        EXPECT_LT(std::fabs(s.front()), 0.02f) << name;
        EXPECT_LT(rms(s, s.size() - 110, 110), 0.02) << name;
        // An envelope, not a held tone: the loudest 10 ms is far above the last.
        double loudest = 0.0;
        for (size_t i = 0; i + 220 <= s.size(); i += 110) {
            loudest = std::max(loudest, rms(s, i, 220));
        }
        EXPECT_GT(loudest, 8.0 * rms(s, s.size() - 220, 220)) << name;
        // More than one partial: layered or modulated, not a sine.
        EXPECT_GE(spectral_peaks(s), 3) << name;
    }
}

TEST(AssetSounds, AmbientLoopsAreLongAndSeamless)
{
    int loops = 0;
    for (const std::string &name : sound_names()) {
        if (name.rfind("ambi-", 0) != 0) {
            continue;
        }
        loops++;
        std::vector<float> s = load_sound(name);
        ASSERT_FALSE(s.empty()) << name;
        double seconds = s.size() / 22050.0;
        EXPECT_GE(seconds, 20.0) << name;
        EXPECT_LE(seconds, 60.0) << name;
        // The jump from the last sample to the first is no larger than the steps
        // inside the loop.
        float largest_step = 0.0f;
        for (size_t i = 1; i < s.size(); i++) {
            largest_step = std::max(largest_step, std::fabs(s[i] - s[i - 1]));
        }
        EXPECT_LE(std::fabs(s.front() - s.back()), largest_step) << name;
        // The level across the seam matches the level around it.
        double end = rms(s, s.size() - 22050, 22050);
        double start = rms(s, 0, 22050);
        EXPECT_GT(start, 0.01) << name;
        EXPECT_LT(std::max(start, end) / std::min(start, end), 2.0) << name;
        EXPECT_GE(spectral_peaks(s), 6) << name;
    }
    EXPECT_EQ(loops, 4);
}

TEST(AssetTexts, ReadmeIsAHelpPage)
{
    std::string page = read_file(tree_file("menu/readme.htm"));
    for (const char *part : {"<!DOCTYPE html>", "</html>", "<h2>Controls</h2>", "<h2>Scoring</h2>",
                             "<h2>Power-ups</h2>", "<kbd>W</kbd>", "multiplier", "smart bomb", "Shield"}) {
        EXPECT_NE(page.find(part), std::string::npos) << part;
    }
    for (const char *tag : {"h2", "table", "p", "tr"}) {
        size_t open = 0;
        size_t close = 0;
        for (size_t at = 0; (at = page.find(std::string("<") + tag + ">", at)) != std::string::npos; at++) {
            open++;
        }
        for (size_t at = 0; (at = page.find(std::string("</") + tag + ">", at)) != std::string::npos; at++) {
            close++;
        }
        EXPECT_EQ(open, close) << tag;
    }
}

}  // namespace
