// The generated bitmaps as GL 1.1 takes them (power-of-two sides), and the footprints as
// the game draws them: white shapes on black, with a black border for the clamped edge.

#include "assetgen/catalogue.h"

#include "core/file.h"
#include "core/mem.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const std::string TREE = GLIMMERFALL_ASSETS;

class Bitmaps : public ::testing::Test {
protected:
    void SetUp() override { mem_init(); }
    void TearDown() override
    {
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
};

bool power_of_two(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

TEST_F(Bitmaps, EverySideIsAPowerOfTwo)
{
    int seen = 0;
    for (const AssetEntry &e : asset_catalogue()) {
        if (e.kind != AssetKind::Bitmap && e.kind != AssetKind::Mask) {
            continue;
        }
        int w = 0;
        int h = 0;
        int ch = 0;
        uint8_t *px = file_load_bmp((TREE + "/" + e.path).c_str(), &w, &h, &ch);
        ASSERT_NE(px, nullptr) << e.path;
        EXPECT_TRUE(power_of_two(w) && power_of_two(h)) << e.path << " is " << w << " x " << h;
        mem_free(px);
        seen++;
    }
    EXPECT_GE(seen, 11);
}

TEST_F(Bitmaps, FootprintsAreWhiteShapesInsideABlackBorder)
{
    std::vector<int> inked;
    for (const char *name : {"z_footprint1.bmp", "z_footprint2.bmp"}) {
        int w = 0;
        int h = 0;
        int ch = 3;
        uint8_t *px = file_load_bmp((TREE + "/styles/bitmaps/" + name).c_str(), &w, &h, &ch);
        ASSERT_NE(px, nullptr) << name;
        int border = w / 8;
        int bright = 0;
        int inside = 0;
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w; x++) {
                const uint8_t *p = px + 3 * (y * w + x);
                ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << name << " is grey";
                if (x < border || y < border || x >= w - border || y >= h - border) {
                    ASSERT_EQ(p[0], 0) << name << " border at " << x << "," << y;
                }
                bright += p[0] >= 200;
                inside += p[0] > 0;
            }
        }
        // A print covers a good part of the inner square, with a solid body.
        EXPECT_GT(inside, w * h / 8) << name;
        EXPECT_GT(bright, w * h / 16) << name;
        inked.push_back(inside);
        mem_free(px);
    }
    EXPECT_NE(inked[0], inked[1]) << "two different prints";
}

}  // namespace
