// The texture cache in a real context: which requests share records and GL textures,
// animated sets, masks and the fallback as drawn, the formats, filters and wraps GL was
// given, and which names zgl_texture_free_all deletes.

#include "tests/render/gl_fixture.h"

#include "assetgen/images.h"

#include <cmath>

namespace {

constexpr uint32_t OWNED = TEX_OWNED;

class GlTex : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        Bytes light = image_light();
        dir.write(bitmap_path("z_light.bmp"), std::string(light.begin(), light.end()));
    }
    // A 16 x 16 bitmap of one colour with a diagonal stripe, so that it reads as a picture.
    void write_bitmap(const std::string &name, uint8_t r, uint8_t g, uint8_t b, int side = 16)
    {
        write_rgb_bitmap(dir, name, side, side, [&](int x, int y) {
            return x == y ? std::array<uint8_t, 3>{255, 255, 255} : std::array<uint8_t, 3>{r, g, b};
        });
    }
    static bool is_texture(uint32_t handle)
    {
        return (handle & TEX_NAME_MASK) && glIsTexture(handle & TEX_NAME_MASK);
    }
    // A quad of the overlay plane from (x0, y0) to (x1, y1), textured with handle.
    static void draw_quad(uint32_t handle, float x0, float y0, float x1, float y1)
    {
        zgl_set_overlay_matrix();
        zgl_enable_blend();
        zgl_texture_bind(handle);
        glColor4f(1, 1, 1, 1);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex3f(x0, y0, 0);
        glTexCoord2f(1, 0);
        glVertex3f(x1, y0, 0);
        glTexCoord2f(1, 1);
        glVertex3f(x1, y1, 0);
        glTexCoord2f(0, 1);
        glVertex3f(x0, y1, 0);
        glEnd();
    }
    // The window pixel of an overlay point.
    static void window_of(float x, float y, int *wx, int *wy)
    {
        float half_h = 30.0f * std::tan(22.5f * 0.017453292f);
        float half_w = half_h * (float)W / (float)H;
        *wx = (int)std::lround(W * 0.5f * (1.0f + x / half_w));
        *wy = (int)std::lround(H * 0.5f * (1.0f + y / half_h));
    }
};

TEST_F(GlTex, RequestsShareRecordsAndTexturesAsTheirFlagsAllow)
{
    write_bitmap("z_bullet.bmp", 40, 200, 90);

    TextureRecord *plain = request_texture("Z_Bullet.bmp", OWNED);
    EXPECT_EQ(request_texture("z_bullet.bmp", OWNED), plain) << "names are lower-cased";
    EXPECT_EQ(g_texture_record_count, 1);
    ASSERT_TRUE(is_texture(plain->handle));

    uint32_t next_name = g_next_gl_name;
    TextureRecord *glow = request_texture("z_bullet.bmp", OWNED | TEX_ADDITIVE);
    ASSERT_NE(glow, plain);
    EXPECT_TRUE(glow->flags & TEX_SHARED);
    EXPECT_EQ(glow->handle & TEX_NAME_MASK, plain->handle & TEX_NAME_MASK);
    EXPECT_TRUE(glow->handle & TEX_ADDITIVE);
    EXPECT_EQ(g_next_gl_name, next_name) << "nothing uploaded again";

    TextureRecord *again = request_texture("z_bullet.bmp", OWNED | TEX_ADDITIVE);
    EXPECT_NE(again, glow) << "the copy's own TEX_SHARED keeps it from being reused";
    EXPECT_TRUE(again->flags & TEX_SHARED);
    EXPECT_EQ(g_texture_record_count, 3);

    TextureRecord *mip = request_texture("z_bullet.bmp", OWNED | TEX_MIPMAP);
    EXPECT_NE(mip->handle & TEX_NAME_MASK, plain->handle & TEX_NAME_MASK);
    EXPECT_TRUE(is_texture(mip->handle));
    EXPECT_FALSE(mip->flags & TEX_SHARED);

    // Fallback requests do reuse their shared copy.
    TextureRecord *light = request_texture("z_light.bmp", OWNED);
    TextureRecord *missing = request_texture("missing.bmp", OWNED | TEX_ADDITIVE | TEX_MIPMAP);
    EXPECT_EQ(image_name(missing), bitmap_path("z_light.bmp"));
    EXPECT_TRUE(missing->flags & TEX_SHARED);
    EXPECT_FALSE(missing->flags & TEX_MIPMAP) << "the fallback drops mip-maps";
    EXPECT_EQ(missing->handle & TEX_NAME_MASK, light->handle & TEX_NAME_MASK);
    int records = g_texture_record_count;
    EXPECT_EQ(request_texture("missing.bmp", OWNED | TEX_ADDITIVE), missing);
    EXPECT_EQ(g_texture_record_count, records);

    TextureRecord *nomask = request_texture("z_bullet.bmp", OWNED | TEX_MASK, "(null)");
    EXPECT_EQ(nomask->mask, nullptr) << "\"(null)\" names no mask";
    EXPECT_EQ(nomask->colour->type, 4);
}

TEST_F(GlTex, AnAnimatedSetLoadsItsFramesInOrder)
{
    for (int i = 0; i < 8; i++) {
        char name[32];
        snprintf(name, sizeof(name), "spin/%05d.bmp", i);
        write_bitmap(name, (uint8_t)(30 * i), 80, 200);
    }
    write_bitmap("spin/00009.bmp", 1, 2, 3);   // after a gap: not a frame
    TextureRecord *set = request_texture("spin", OWNED, nullptr, 0.25f, 1);
    ASSERT_NE(set, nullptr);
    EXPECT_TRUE(set->flags & TEX_ANIMATED);
    EXPECT_EQ(set->anim_mode, 2) << "the caller's mode + 1";
    EXPECT_EQ(set->anim_speed, 0.25f);
    EXPECT_EQ(set->frame_count, 8.0f);
    EXPECT_EQ(set->frames[0], set->handle);
    for (int i = 0; i < 8; i++) {
        EXPECT_TRUE(is_texture(set->frames[i])) << "frame " << i;
        EXPECT_EQ(set->frames[i] & ~TEX_NAME_MASK, set->flags) << "frame " << i;
        if (i > 0) {
            EXPECT_EQ(set->frames[i] & TEX_NAME_MASK, (set->frames[i - 1] & TEX_NAME_MASK) + 1);
        }
    }
    EXPECT_EQ(set->frames[8], 0u);
    EXPECT_EQ(log.count("[texture] animated bmp bitmaps/spin/00000.bmp"), 1);
    EXPECT_EQ(log.errors(), 0) << "the probe for frame 8 is quiet";
}

TEST_F(GlTex, RenamingSwitchesOff)
{
    write_bitmap("a.bmp", 200, 0, 0);
    write_bitmap("b.bmp", 0, 200, 0);
    zgl_bitmap_rename("a.bmp", "b.bmp");
    EXPECT_EQ(image_name(request_texture("a.bmp", OWNED)), bitmap_path("b.bmp"));
    zgl_bitmap_rename("a.bmp", "");
    EXPECT_EQ(g_rename_count, 0);
    EXPECT_EQ(image_name(request_texture("a.bmp", OWNED)), bitmap_path("a.bmp"));
}

TEST_F(GlTex, AMissingBitmapDrawsAsTheFallback)
{
    uint32_t light = zgl_texture_record_handle(request_texture("z_light.bmp", OWNED));
    uint32_t missing = zgl_texture_record_handle(request_texture("no_such.bmp", OWNED));
    EXPECT_EQ(missing, light);
    clear_to(0.1f, 0.1f, 0.3f);
    draw_quad(light, -14, -8, -1, 8);
    draw_quad(missing, 1, -8, 14, 8);
    gl_save_screen("tex_fallback", W, H);
    int lx, rx, y;
    window_of(-7.5f, 0, &lx, &y);
    window_of(7.5f, 0, &rx, &y);
    for (int dy = -60; dy <= 60; dy += 20) {
        for (int dx = -60; dx <= 60; dx += 20) {
            std::array<int, 3> left = gl_pixel(lx + dx, y + dy);
            // The two quads sit on the pixel grid a fraction apart.
            expect_rgb(rx + dx, y + dy, left[0], left[1], left[2], 3, "the fallback as the light");
        }
    }
    EXPECT_GT(gl_pixel(lx, y)[0], 200) << "the light's bright core";
}

TEST_F(GlTex, TheMaskLetsTheBackgroundThroughWhereItIsBlack)
{
    write_rgb_bitmap(dir, "hull.bmp", 16, 16, [](int, int) { return std::array<uint8_t, 3>{220, 120, 30}; });
    write_grey_bitmap(dir, "hullm.bmp", 16, 16, [](int x, int) { return (uint8_t)(x < 8 ? 0 : 255); });
    TextureRecord *r = request_texture("hull.bmp", OWNED | TEX_MASK | TEX_CLAMP_S | TEX_CLAMP_T, "hullm.bmp");
    ASSERT_NE(r->mask, nullptr);
    clear_to(0.0f, 0.0f, 200.0f / 255.0f);
    draw_quad(r->handle, -12, -8, 12, 8);
    gl_save_screen("tex_mask", W, H);
    int x0, x1, y;
    window_of(-6, 0, &x0, &y);
    window_of(6, 0, &x1, &y);
    expect_rgb(x0, y, 0, 0, 200, 1, "mask 0: the background");
    expect_rgb(x1, y, 220, 120, 30, 1, "mask 255: the colour");
}

TEST_F(GlTex, FormatsFiltersAndWrapsAsTheFlagsAsk)
{
    struct Case {
        const char *name;
        uint32_t flags;
        float sixteen;
        float trilinear;
        GLint internal;
        GLint wrap_s;
        GLint wrap_t;
        GLint min_filter;
    };
    const Case cases[] = {
        {"c1.bmp", OWNED, 1, 1, GL_RGB5, GL_REPEAT, GL_REPEAT, GL_LINEAR},
        {"c2.bmp", OWNED, 0, 1, GL_RGB8, GL_REPEAT, GL_REPEAT, GL_LINEAR},
        {"c3.bmp", OWNED | TEX_RGBA | TEX_CLAMP_S, 1, 1, GL_RGBA4, GL_CLAMP, GL_REPEAT, GL_LINEAR},
        {"c4.bmp", OWNED | TEX_RGBA | TEX_CLAMP_T | TEX_MIPMAP, 0, 1, GL_RGBA8, GL_REPEAT, GL_CLAMP,
         GL_LINEAR_MIPMAP_LINEAR},
        {"c5.bmp", OWNED | TEX_MIPMAP, 0, 0, GL_RGB8, GL_REPEAT, GL_REPEAT, GL_LINEAR_MIPMAP_NEAREST},
    };
    const float saved16 = g_render_16bittexture;
    const float savedtri = g_render_trilinear;
    for (const Case &c : cases) {
        write_bitmap(c.name, 90, 90, 90);
        g_render_16bittexture = c.sixteen;
        g_render_trilinear = c.trilinear;
        TextureRecord *r = request_texture(c.name, c.flags);
        zgl_texture_bind(r->handle);
        GLint internal = 0, wrap_s = 0, wrap_t = 0, min_filter = 0, mag_filter = 0, level1 = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internal);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap_s);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap_t);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag_filter);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1);
        EXPECT_EQ(internal, c.internal) << c.name;
        EXPECT_EQ(wrap_s, c.wrap_s) << c.name;
        EXPECT_EQ(wrap_t, c.wrap_t) << c.name;
        EXPECT_EQ(min_filter, c.min_filter) << c.name;
        EXPECT_EQ(mag_filter, GL_LINEAR) << c.name;
        EXPECT_EQ(level1, (c.flags & TEX_MIPMAP) ? 8 : 0) << c.name << ": mip-maps only when asked";
    }
    g_render_16bittexture = saved16;
    g_render_trilinear = savedtri;

    // One-channel images (masks) go up as luminance.
    write_grey_bitmap(dir, "grey.bmp", 8, 8, [](int x, int) { return (uint8_t)(x * 30); });
    Preload *grey = file_mload(bitmap_path("grey.bmp").c_str(), 1);
    ASSERT_NE(grey, nullptr);
    zgl_texture_upload(grey, 900, OWNED);
    GLint internal = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internal);
    EXPECT_EQ(internal, GL_LUMINANCE8);
    EXPECT_EQ(log.count("lum bitmaps/grey.bmp"), 1);
    GLuint name = 900;
    glDeleteTextures(1, &name);
}

TEST_F(GlTex, FreeAllDeletesExactlyTheOwnedUnsharedNames)
{
    write_bitmap("own.bmp", 10, 20, 30, 64);
    write_bitmap("foreign.bmp", 30, 20, 10, 64);
    for (int i = 0; i < 4; i++) {
        char name[32];
        snprintf(name, sizeof(name), "anim/%05d.bmp", i);
        write_bitmap(name, 50, (uint8_t)(i * 40), 50, 64);
    }
    TextureRecord *own = request_texture("own.bmp", OWNED);
    TextureRecord *shared = request_texture("own.bmp", OWNED | TEX_ADDITIVE);
    TextureRecord *foreign = request_texture("foreign.bmp", TEX_CLAMP_S);
    TextureRecord *anim = request_texture("anim", OWNED, nullptr, 0.5f, 0);
    ASSERT_TRUE(shared->flags & TEX_SHARED);
    ASSERT_EQ(anim->frame_count, 4.0f);
    std::vector<uint32_t> owned = {own->handle};
    for (int i = 0; i < 4; i++) {
        owned.push_back(anim->frames[i]);
    }
    for (uint32_t h : owned) {
        ASSERT_TRUE(is_texture(h));
    }
    log.clear();
    zgl_texture_free_all();
    for (uint32_t h : owned) {
        EXPECT_FALSE(is_texture(h)) << (h & TEX_NAME_MASK);
    }
    EXPECT_TRUE(is_texture(foreign->handle)) << "not owned: left alone";
    // 64 x 64 x 3 bytes for the image and each of the four frames.
    EXPECT_EQ(log.count("[zgl texture] size mem 60 gl 0"), 1) << log.joined();
    GLuint name = foreign->handle & TEX_NAME_MASK;
    glDeleteTextures(1, &name);
}

}  // namespace
