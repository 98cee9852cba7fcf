// The texture cache through the GL recorder: GL's bound texture and blend function stay
// what the cache believes through loads, draws, flushes and deletes; the compiled-array
// log line; a full record table; renames; masks that do not fit; names too long to form.

#include "tests/render/rec_fixture.h"

#include "core/str.h"
#include "tests/render/tex_files.h"

#include <cstdio>
#include <cstring>
#include <string>


namespace {

class TexRec : public Recorded {
protected:
    void SetUp() override
    {
        Recorded::SetUp();
        use_test_bitmaps();
        write_rgb("z_light.bmp", 8, 8, 200);
    }
    void write_rgb(const std::string &name, int w, int h, int red)
    {
        write_rgb_bitmap(dir, name, w, h, [&](int x, int y) {
            return std::array<uint8_t, 3>{(uint8_t)red, (uint8_t)(x * 16), (uint8_t)(y * 16)};
        });
    }
    void write_grey(const std::string &name, int w, int h, int value)
    {
        write_grey_bitmap(dir, name, w, h, [&](int, int) { return (uint8_t)value; });
    }
    static TextureRecord *load(const std::string &colour, uint32_t flags, const char *mask = nullptr)
    {
        TextureRecord *r = request_texture(colour, flags, mask);
        EXPECT_NE(r, nullptr) << colour;
        return r;
    }
    static std::string path(const std::string &name) { return bitmap_path(name); }
    TempDir dir{true};
};

TEST_F(TexRec, GlKeepsWhatTheCacheBelieves)
{
    write_rgb("a.bmp", 8, 8, 10);
    write_rgb("b.bmp", 8, 8, 20);
    expect_cache_true("after init");
    uint32_t a = zgl_texture_record_handle(load("a.bmp", TEX_OWNED | TEX_ADDITIVE));
    uint32_t b = zgl_texture_record_handle(load("b.bmp", TEX_OWNED));
    ASSERT_NE(a & TEX_NAME_MASK, 0u);
    ASSERT_NE(b & TEX_NAME_MASK, 0u);
    expect_cache_true("after the uploads");

    zgl_texture_bind(a);
    expect_cache_true("bind a");
    // The immediate model paths draw through here: the blend follows the handle.
    static const uint16_t indices[3] = {0, 0, 0};
    zgl_draw_elements(b, indices, 3);
    expect_cache_true("draw b");
    ASSERT_FALSE(glrec_only(GlOp::DrawElements).empty());
    EXPECT_EQ(glrec_only(GlOp::DrawElements).back().texture, b & TEX_NAME_MASK);
    EXPECT_EQ(glrec_only(GlOp::DrawElements).back().dst, (unsigned)GL_ONE_MINUS_SRC_ALPHA);
    zgl_texture_bind(a);
    expect_cache_true("a again after the draw");
    EXPECT_EQ(glrec_state().blend_dst, (unsigned)GL_ONE);

    // A load in the middle of drawing binds its new texture.
    write_rgb("c.bmp", 8, 8, 30);
    load("c.bmp", TEX_OWNED);
    expect_cache_true("after a load");
    zgl_texture_bind(a);
    expect_cache_true("a after the load");

    zgl_blend_normal();
    expect_cache_true("normal");
    zgl_texture_bind(a);
    expect_cache_true("a after the normal blend");

    zgl_texture_free_all();
    expect_cache_true("after deleting the bound texture");
    EXPECT_EQ(g_bound_texture, 0u);
    zgl_reset_draw_state();
    expect_cache_true("end of frame");
    EXPECT_EQ(g_current_handle, 0u);
}

TEST_F(TexRec, CompiledArrayEntryPointsAreLoggedWhole)
{
    log.clear();
    zgl_init_gl();
    char want[128];
    snprintf(want, sizeof(want), "[gl] GL_EXT_compiled_vertex_array %p %p", glrec_lock_address(),
             glrec_unlock_address());
    EXPECT_EQ(log.count(want), 1) << log.joined();
    EXPECT_EQ((void *)g_lock_arrays_fn, glrec_lock_address());
}

TEST_F(TexRec, AFullTableHandsOutTheFallbackAndWritesNothingPastIt)
{
    write_rgb("a.bmp", 8, 8, 10);
    write_rgb("b.bmp", 8, 8, 20);
    TextureRecord *fallback = load("missing.bmp", TEX_OWNED);
    ASSERT_EQ(image_name(fallback), path("z_light.bmp"));
    // Records past the fallback are stand-ins that match no request.
    memset(&g_texture_records[1], 0, sizeof(TextureRecord) * (MAX_TEXTURE_RECORDS - 1));
    g_texture_record_count = MAX_TEXTURE_RECORDS - 1;
    TextureRecord *last = load("a.bmp", TEX_OWNED);
    EXPECT_EQ(last, &g_texture_records[MAX_TEXTURE_RECORDS - 1]);
    EXPECT_EQ(log.errors(), 1) << "only missing.bmp's stat";

    TextureRecord *list[3] = {nullptr, nullptr, nullptr};
    int count = 1;
    list[0] = last;
    char name[512];
    str_copy_n(name, path("b.bmp").c_str(), sizeof(name));
    EXPECT_EQ(zgl_texture_find_or_load(name, TEX_OWNED, list, &count, nullptr, 0.0f, 0), 1);
    EXPECT_EQ(count, 2) << "one entry appended, never more";
    EXPECT_EQ(list[1], fallback);
    EXPECT_EQ(list[2], nullptr);
    EXPECT_EQ(g_texture_record_count, MAX_TEXTURE_RECORDS);
    EXPECT_EQ(log.count("*** [texture] MAX_TEXTURE_RECORDS reached. Increase #define value. :)"), 1);
    str_copy_n(name, path("a.bmp").c_str(), sizeof(name));
    EXPECT_EQ(zgl_texture_find_or_load(name, TEX_OWNED, list, &count, nullptr, 0.0f, 0), 0)
        << "an existing record is still found";

    // Without a fallback record the entry has handle 0, which the batch does not draw.
    memset(&g_texture_records[0], 0, sizeof(TextureRecord));
    count = 0;
    str_copy_n(name, path("b.bmp").c_str(), sizeof(name));
    EXPECT_EQ(zgl_texture_find_or_load(name, TEX_OWNED, list, &count, nullptr, 0.0f, 0), 0);
    EXPECT_EQ(count, 1);
    ASSERT_NE(list[0], nullptr);
    EXPECT_EQ(zgl_texture_record_handle(list[0]), 0u);
}

TEST_F(TexRec, RenamesLookUpOnceIgnoringCaseAndAddOnePairACall)
{
    write_rgb("a.bmp", 8, 8, 10);
    write_rgb("b.bmp", 8, 8, 20);
    // The bitmaps folder is the test folder: scripts name bitmaps without it.
    zgl_bitmap_rename("A.bmp", "b.bmp");
    EXPECT_EQ(g_rename_count, 2) << "one pair per call";
    zgl_bitmap_rename("b.bmp", "a.bmp");
    EXPECT_EQ(g_rename_count, 4);
    // The requested name is lower-cased; the pair's is not: they still match. Each name is
    // replaced once, so a pair and its reverse do not run in circles.
    EXPECT_EQ(image_name(load("a.bmp", TEX_OWNED)), path("b.bmp"));
    EXPECT_EQ(image_name(load("B.BMP", TEX_OWNED)), path("a.bmp"));

    zgl_bitmap_rename("c.bmp", "missing.bmp");
    EXPECT_EQ(g_rename_count, 4) << "a replacement that does not exist adds no pair";
    for (int i = 0; i < 20; i++) {
        zgl_bitmap_rename(("x" + std::to_string(i) + ".bmp").c_str(), "a.bmp");
    }
    EXPECT_EQ(g_rename_count, TEX_RENAME_NAMES);
    EXPECT_EQ(log.count("*** [texture] TEX_RENAME_NAMES reached. Increase #define value. :)"), 6);

    std::string long_name(300, 'n');
    int before = g_rename_count;
    zgl_bitmap_rename("", "a.bmp");
    EXPECT_EQ(g_rename_count, 0) << "an empty name switches renaming off";
    zgl_bitmap_rename(long_name.c_str(), "a.bmp");
    EXPECT_EQ(g_rename_count, 0) << "a name that does not fit adds no pair";
    EXPECT_EQ(log.count_containing("*** [texture] change bitmap name too long"), 1);
    (void)before;
}

TEST_F(TexRec, AMaskOfAnotherSizeIsRefused)
{
    write_flat_bitmap(dir, "c.bmp", 8, 8, 90, 0, 0);
    write_grey("cm.bmp", 4, 4, 0);
    write_grey("fm.bmp", 8, 8, 7);
    TextureRecord *r = load("c.bmp", TEX_OWNED | TEX_MASK, "cm.bmp");
    ASSERT_NE(r, nullptr);
    ASSERT_NE(r->colour, nullptr);
    EXPECT_EQ(log.count_containing("*** [file] mask"), 1);
    // The colour keeps the decoder's alpha, its brightness: (90 + 0 + 0) / 3 at (0, 0).
    EXPECT_EQ(r->colour->pixels[3], 30);
    std::vector<GlEvent> uploads = glrec_only(GlOp::Upload);
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].format, GL_RGBA);
    TextureRecord *fits = load("c.bmp", TEX_OWNED | TEX_MASK, "fm.bmp");
    EXPECT_EQ(fits->colour->pixels[3], 7) << "a mask of the same size gives the alpha";
}

TEST_F(TexRec, NamesTooLongToFormFallBack)
{
    // An animated set's frame names must fit the 63 characters of a bitmap name.
    // "bitmaps/" + folder + "/00000.bmp" is 64 characters: one too many.
    std::string folder = std::string(TEX_NAME_SIZE - 18, 's');
    write_rgb(folder + "/00000.bmp", 8, 8, 40);
    TextureRecord *r = load(folder, TEX_OWNED);
    EXPECT_EQ(image_name(r), path("z_light.bmp"));
    EXPECT_FALSE(r->flags & TEX_ANIMATED);
    EXPECT_EQ(log.count_containing("*** [texture] name too long"), 1);

    std::string fits = folder.substr(0, folder.size() - 1);
    write_rgb(fits + "/00000.bmp", 8, 8, 40);
    write_rgb(fits + "/00001.bmp", 8, 8, 50);
    TextureRecord *set = load(fits, TEX_OWNED);
    EXPECT_EQ(image_name(set), path(fits + "/00000.bmp"));
    EXPECT_EQ(set->frame_count, 2.0f);
    EXPECT_EQ(strlen(set->colour->name), (size_t)TEX_NAME_SIZE - 1);
}

}  // namespace
