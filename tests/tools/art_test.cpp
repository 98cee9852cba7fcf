// The drawn front-end and HUD pictures in the generated tree, read back through the
// engine's BMP decoder: every name the title, menu and HUD drawing look up is there with
// power-of-two sides and a mask of its size; sprites drawn with clamping or past uv 1
// keep a clear border; the HUD atlas holds a picture in every region its drawing reads,
// with dark margins, and a bar fill that tiles in u at the scroll's wrap; the belts share
// one silhouette in their game types' colours; the ship pictures take the hue rotation.

#include "assetgen/art.h"

#include "core/file.h"
#include "core/mem.h"
#include "render/hue.h"

#include "tests/support/log_capture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

// A decoded picture: rows from the file's first (bottom) row, as the engine uploads it.
struct Decoded {
    int w = 0;
    int h = 0;
    int ch = 0;
    std::vector<uint8_t> px;
    bool ok() const { return w > 0; }
    const uint8_t *at(int x, int y) const { return &px[((size_t)y * w + x) * ch]; }
};

Decoded decode(const std::string &rel, int channels)
{
    Decoded d;
    int ch = channels;
    uint8_t *p = file_load_bmp((TREE + "/" + rel).c_str(), &d.w, &d.h, &ch);
    if (!p) {
        d.w = 0;
        return d;
    }
    d.ch = ch;
    d.px.assign(p, p + (size_t)d.w * d.h * ch);
    mem_free(p);
    return d;
}

bool power_of_two(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

class ArtTree : public ::testing::Test {
protected:
    void SetUp() override { mem_init(); }
    void TearDown() override
    {
        EXPECT_EQ(mem_usage, 0u);
        EXPECT_EQ(log.errors(), 0);
        mem_init();
    }
    LogCapture log;
};

// Colour file and its mask ("" when the engine loads it without one).
struct Wanted {
    std::string colour;
    std::string mask;
};

std::vector<Wanted> wanted_names()
{
    std::vector<Wanted> w = {{"menu/titletoppa.bmp", ""},
                             {"menu/titletoppb.bmp", ""},
                             {"menu/titlebott.bmp", "menu/titlebottm.bmp"},
                             {"menu/titlebotu.bmp", "menu/titlebotum.bmp"},
                             {"menu/logo_3a.bmp", ""},
                             {"menu/logo_3b.bmp", ""},
                             {"menu/logo_4a.bmp", ""},
                             {"menu/logo_4b.bmp", ""},
                             {"menu/leftright.bmp", "menu/leftrightm.bmp"},
                             {"menu/curs.bmp", "menu/cursm.bmp"},
                             {"menu/z_playover.bmp", ""},
                             {"styles/bitmaps/floor-1_3.bmp", ""},
                             {"styles/bitmaps/z_crosshair.bmp", "styles/bitmaps/z_crosshairm.bmp"},
                             {"styles/bitmaps/z_enemyhit.bmp", ""},
                             {"styles/bitmaps/z_bullet.bmp", ""}};
    for (int i = 1; i <= 5; i++) {
        std::string n = std::to_string(i);
        w.push_back({"menu/ship" + n + ".bmp", "menu/ship" + n + "m.bmp"});
        if (i <= 4) {
            w.push_back({"styles/bitmaps/z_gridder" + n + ".bmp", ""});
        }
    }
    for (int i = 0; i <= 8; i++) {
        w.push_back({"menu/belt000" + std::to_string(i) + ".bmp", "menu/beltmask.bmp"});
    }
    return w;
}

TEST_F(ArtTree, EveryNameDecodesWithPowerOfTwoSidesAndAMaskOfItsSize)
{
    for (const Wanted &n : wanted_names()) {
        Decoded c = decode(n.colour, 3);
        ASSERT_TRUE(c.ok()) << n.colour;
        EXPECT_TRUE(power_of_two(c.w) && power_of_two(c.h)) << n.colour << " " << c.w << " x " << c.h;
        EXPECT_GE(std::min(c.w, c.h), 32) << n.colour;
        EXPECT_LE(std::max(c.w, c.h), 512) << n.colour;
        if (!n.mask.empty()) {
            Decoded m = decode(n.mask, 1);
            ASSERT_TRUE(m.ok()) << n.mask;
            EXPECT_EQ(m.w, c.w) << n.mask;
            EXPECT_EQ(m.h, c.h) << n.mask;
        }
    }
    // The 2:1 pictures: the title's top picture, the logo pages and the belts; the
    // small-texture variants stay within 256.
    for (const char *rel : {"menu/titletoppa.bmp", "menu/titletoppb.bmp", "menu/logo_3a.bmp", "menu/logo_4b.bmp",
                            "menu/belt0003.bmp"}) {
        Decoded c = decode(rel, 3);
        ASSERT_TRUE(c.ok()) << rel;
        EXPECT_EQ(c.w, 2 * c.h) << rel;
    }
    for (const char *rel : {"menu/titletoppb.bmp", "menu/logo_3b.bmp", "menu/logo_4b.bmp"}) {
        EXPECT_LE(decode(rel, 3).w, 256) << rel;
    }
}

// Alpha as the engine makes it: the mask, or the brightness (r + g + b) / 3.
Decoded alpha_of(const Wanted &n)
{
    return n.mask.empty() ? decode(n.colour, 1) : decode(n.mask, 1);
}

TEST_F(ArtTree, ClampedAndRepeatedSpritesKeepAClearBorder)
{
    // Clamped quads (the title's pictures, ships, belts, arrows, the bullet sprite that
    // runs to uv 2) and the repeated crosshair and pointer: their outermost pixels are
    // clear, so the quad's edge and the opposite edge never show.
    std::vector<Wanted> sprites = {{"menu/titletoppa.bmp", ""},
                                   {"menu/titletoppb.bmp", ""},
                                   {"menu/titlebott.bmp", "menu/titlebottm.bmp"},
                                   {"menu/titlebotu.bmp", "menu/titlebotum.bmp"},
                                   {"menu/leftright.bmp", "menu/leftrightm.bmp"},
                                   {"menu/curs.bmp", "menu/cursm.bmp"},
                                   {"menu/belt0001.bmp", "menu/beltmask.bmp"},
                                   {"styles/bitmaps/z_crosshair.bmp", "styles/bitmaps/z_crosshairm.bmp"},
                                   {"styles/bitmaps/z_bullet.bmp", ""}};
    for (int i = 1; i <= 5; i++) {
        sprites.push_back({"menu/ship" + std::to_string(i) + ".bmp", "menu/ship" + std::to_string(i) + "m.bmp"});
    }
    for (const Wanted &n : sprites) {
        Decoded a = alpha_of(n);
        ASSERT_TRUE(a.ok()) << n.colour;
        int border = 0;
        int inside = 0;
        for (int y = 0; y < a.h; y++) {
            for (int x = 0; x < a.w; x++) {
                bool edge = x == 0 || y == 0 || x == a.w - 1 || y == a.h - 1;
                border += edge && *a.at(x, y) > 2;
                inside += !edge && *a.at(x, y) > 128;
            }
        }
        EXPECT_EQ(border, 0) << n.colour;
        EXPECT_GT(inside, a.w * a.h / 50) << n.colour << " is nearly empty";
    }
    // The bullet shadow is darkest (most opaque) at its centre.
    Decoded b = decode("styles/bitmaps/z_bullet.bmp", 1);
    ASSERT_TRUE(b.ok());
    int centre = *b.at(b.w / 2, b.h / 2);
    for (int x = b.w / 2; x < b.w - 1; x++) {
        EXPECT_GE(centre, *b.at(x, b.h / 2));
    }
    // The title's top picture: the name across most of the width, the bottom eighth
    // (under which the first menu row passes) dark.
    Decoded t = decode("menu/titletoppa.bmp", 1);
    ASSERT_TRUE(t.ok());
    int left = t.w;
    int right = -1;
    int low = 0;
    for (int y = 0; y < t.h; y++) {
        for (int x = 0; x < t.w; x++) {
            if (*t.at(x, y) > 150) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
            low = std::max(low, y < t.h / 8 ? (int)*t.at(x, y) : 0);
        }
    }
    EXPECT_GT(right - left, t.w * 7 / 10);
    EXPECT_LT(low, 8);
}

TEST_F(ArtTree, LogoPagesFillTheirWholeRectangle)
{
    // Shown on white and on black: every border pixel differs from that clear colour,
    // so the page reads as its full rectangle.
    for (const char *rel : {"menu/logo_3a.bmp", "menu/logo_3b.bmp"}) {
        Decoded c = decode(rel, 3);
        ASSERT_TRUE(c.ok());
        for (int x = 0; x < c.w; x++) {
            for (int y : {0, c.h - 1}) {
                const uint8_t *p = c.at(x, y);
                EXPECT_LT(std::min({p[0], p[1], p[2]}), 200) << rel << " " << x << "," << y;
            }
        }
    }
    for (const char *rel : {"menu/logo_4a.bmp", "menu/logo_4b.bmp"}) {
        Decoded c = decode(rel, 3);
        ASSERT_TRUE(c.ok());
        for (int y = 0; y < c.h; y++) {
            for (int x : {0, c.w - 1}) {
                const uint8_t *p = c.at(x, y);
                EXPECT_GT(p[0] + p[1] + p[2], 12) << rel << " " << x << "," << y;
            }
        }
    }
}

TEST_F(ArtTree, HudAtlasRegionsHoldTheirPicturesWithDarkMargins)
{
    Decoded a = decode("menu/z_playover.bmp", 4);
    ASSERT_TRUE(a.ok());
    ASSERT_EQ(a.w, a.h) << "square, so the icons' quarter cells draw square";
    struct Region {
        const char *name;
        float u0, v0, u1, v1;
    };
    // The regions the HUD drawing reads, v from the file's first row.
    const Region regions[] = {{"bar background", 0, 0, 1, 0.125f},
                              {"bar fill", 0, 0.125f, 1, 0.25f},
                              {"life", 0, 0.25f, 0.25f, 0.5f},
                              {"bomb", 0.25f, 0.25f, 0.5f, 0.5f},
                              {"difficulty box", 0, 0.5f, 1, 1}};
    for (const Region &r : regions) {
        int x0 = (int)(r.u0 * a.w), x1 = (int)(r.u1 * a.w) - 1;
        int y0 = (int)(r.v0 * a.h), y1 = (int)(r.v1 * a.h) - 1;
        int solid = 0;
        int margin = 0;
        for (int y = y0; y <= y1; y++) {
            for (int x = x0; x <= x1; x++) {
                int alpha = a.at(x, y)[3];
                solid += alpha > 128;
                bool rows_edge = y == y0 || y == y1;
                bool cols_edge = (x == x0 || x == x1) && r.u1 - r.u0 < 1.0f;
                if (rows_edge || cols_edge) {
                    margin = std::max(margin, alpha);
                }
            }
        }
        int area = (x1 - x0 + 1) * (y1 - y0 + 1);
        EXPECT_GT(solid, area / 10) << r.name << " is empty";
        EXPECT_LT(margin, 24) << r.name << " reaches its region's edge";
    }
    // The fill scrolls by up to 1/16 of u and then wraps back: it repeats every 1/16,
    // so the wrap is invisible, and its last column runs on into its first.
    int fy0 = a.h / 8;
    int fy1 = a.h / 4;
    int period = a.w / 16;
    int lit = 0;
    for (int y = fy0; y < fy1; y++) {
        int largest_step = 0;
        for (int x = 0; x < a.w; x++) {
            int v = a.at(x, y)[3];
            lit += v > 128;
            EXPECT_NEAR(v, a.at((x + period) % a.w, y)[3], 1) << "row " << y << " column " << x;
            if (x > 0) {
                largest_step = std::max(largest_step, std::abs(v - (int)a.at(x - 1, y)[3]));
            }
        }
        EXPECT_LE(std::abs((int)a.at(0, y)[3] - (int)a.at(a.w - 1, y)[3]), largest_step) << "row " << y;
    }
    EXPECT_GT(lit, 0);
}

TEST_F(ArtTree, BeltsShareOneSilhouetteInTheirGameTypesColours)
{
    Decoded mask = decode("menu/beltmask.bmp", 1);
    ASSERT_TRUE(mask.ok());
    const int colours[8][3] = {{255, 255, 255}, {255, 255, 5},  {255, 155, 5}, {15, 200, 15},
                               {180, 5, 255},   {55, 105, 255}, {125, 50, 5},  {9, 9, 18}};
    for (int belt = 0; belt <= 8; belt++) {
        std::string rel = "menu/belt000" + std::to_string(belt) + ".bmp";
        // Drawn over the shared mask, each belt's own silhouette must be that mask.
        const ArtPicture *p = art_picture(rel);
        ASSERT_NE(p, nullptr) << rel;
        ASSERT_EQ(p->mask.width, mask.w);
        int differ = 0;
        for (int y = 0; y < mask.h; y++) {
            for (int x = 0; x < mask.w; x++) {
                differ += std::abs((int)p->mask.at(x, mask.h - 1 - y) - (int)*mask.at(x, y)) > 1;
            }
        }
        EXPECT_EQ(differ, 0) << rel;
        if (belt == 0) {
            continue;
        }
        // The colour of the belt's flat faces (the median of its solid pixels) is
        // nearest to its own game type's colour.
        Decoded c = decode(rel, 3);
        ASSERT_TRUE(c.ok());
        std::vector<int> channel[3];
        for (int y = 0; y < c.h; y++) {
            for (int x = 0; x < c.w; x++) {
                if (*mask.at(x, y) > 250) {
                    for (int k = 0; k < 3; k++) {
                        channel[k].push_back(c.at(x, y)[k]);
                    }
                }
            }
        }
        ASSERT_GT((int)channel[0].size(), c.w * c.h / 10) << rel;
        double median[3];
        for (int k = 0; k < 3; k++) {
            std::nth_element(channel[k].begin(), channel[k].begin() + channel[k].size() / 2, channel[k].end());
            median[k] = channel[k][channel[k].size() / 2];
        }
        int nearest = -1;
        double best = 1e18;
        for (int t = 0; t < 8; t++) {
            double d = 0;
            for (int k = 0; k < 3; k++) {
                double e = median[k] - colours[t][k];
                d += e * e;
            }
            if (d < best) {
                best = d;
                nearest = t;
            }
        }
        EXPECT_EQ(nearest, belt - 1) << rel;
        EXPECT_LT(best, 3 * 40 * 40) << rel << ": the flat faces show the colour itself";
    }
}

// Mean hue in degrees of the coloured, opaque pixels (saturation-weighted circular
// mean), and their mean saturation.
void mean_hue(const std::vector<uint8_t> &rgb, const Decoded &mask, double *hue, double *saturation)
{
    double sx = 0, sy = 0, ss = 0, n = 0;
    for (int i = 0; i < mask.w * mask.h; i++) {
        if (mask.px[i] < 250) {
            continue;
        }
        double r = rgb[i * 3] / 255.0, g = rgb[i * 3 + 1] / 255.0, b = rgb[i * 3 + 2] / 255.0;
        double mx = std::max({r, g, b}), mn = std::min({r, g, b});
        double s = mx > 0 ? (mx - mn) / mx : 0;
        n++;
        ss += s;
        if (mx - mn < 1e-6) {
            continue;
        }
        double h;
        if (mx == r) {
            h = std::fmod((g - b) / (mx - mn), 6.0);
        } else if (mx == g) {
            h = (b - r) / (mx - mn) + 2;
        } else {
            h = (r - g) / (mx - mn) + 4;
        }
        h *= 60.0 * M_PI / 180.0;
        sx += s * std::cos(h);
        sy += s * std::sin(h);
    }
    *hue = std::atan2(sy, sx) * 180.0 / M_PI;
    *saturation = n > 0 ? ss / n : 0;
}

TEST_F(ArtTree, ShipPicturesTakeTheTwelveHueRotations)
{
    for (int ship = 1; ship <= 5; ship++) {
        std::string n = std::to_string(ship);
        Decoded c = decode("menu/ship" + n + ".bmp", 3);
        Decoded m = decode("menu/ship" + n + "m.bmp", 1);
        ASSERT_TRUE(c.ok() && m.ok());
        double hue0, sat0;
        mean_hue(c.px, m, &hue0, &sat0);
        EXPECT_GT(sat0, 0.45) << "ship " << ship << ": a grey picture would not take the hue";
        for (int h = 1; h < 12; h++) {
            std::vector<uint8_t> turned = c.px;
            hue_set_angle(30.0f * (float)h);
            hue_apply_rgb(turned.data(), c.w * c.h, 3, 0);
            double hue, sat;
            mean_hue(turned, m, &hue, &sat);
            double shift = std::fmod(std::fabs(hue - hue0), 360.0);
            shift = std::min(shift, 360.0 - shift);
            double expected = std::min(30.0 * h, 360.0 - 30.0 * h);
            EXPECT_NEAR(shift, expected, 10.0) << "ship " << ship << " hue " << h;
        }
    }
}

TEST_F(ArtTree, TilingPicturesAreSeamless)
{
    // The hit flash tiles over any model's uv and the ring grids repeat every 10 world
    // units: the step across each wrap is no larger than the steps inside.
    std::vector<std::string> tiles = {"styles/bitmaps/z_enemyhit.bmp"};
    for (int g = 1; g <= 4; g++) {
        tiles.push_back("styles/bitmaps/z_gridder" + std::to_string(g) + ".bmp");
    }
    for (const std::string &rel : tiles) {
        Decoded c = decode(rel, 1);
        ASSERT_TRUE(c.ok()) << rel;
        int inner = 0;
        int seam = 0;
        for (int y = 0; y < c.h; y++) {
            for (int x = 0; x < c.w; x++) {
                int v = *c.at(x, y);
                int right = *c.at((x + 1) % c.w, y);
                int up = *c.at(x, (y + 1) % c.h);
                int step = std::max(std::abs(v - right), std::abs(v - up));
                bool wraps = x == c.w - 1 || y == c.h - 1;
                (wraps ? seam : inner) = std::max(wraps ? seam : inner, step);
            }
        }
        EXPECT_LE(seam, inner) << rel;
    }
    // The title floor is drawn mirrored about its u = 1, v = 0 corner: its far edges
    // (u = 0 and v = 1) are clear, so the turned squares show no outline.
    Decoded f = decode("styles/bitmaps/floor-1_3.bmp", 1);
    ASSERT_TRUE(f.ok());
    for (int i = 0; i < f.w; i++) {
        EXPECT_EQ(*f.at(0, i), 0) << "u = 0, row " << i;
        EXPECT_EQ(*f.at(i, f.h - 1), 0) << "v = 1, column " << i;
    }
    EXPECT_GT(*f.at(f.w - 8, 8), 20) << "bright toward the centre corner";
}

}  // namespace
