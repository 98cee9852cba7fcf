// The mesh drawing through the GL recorder, for what pixels cannot tell: the face lists by
// kind, one record per texture entry, index slices, the hit flash from the start of the
// index buffer, hue copies, texture animation frames, lighting bounds and half alpha.

#include "tests/render/rec_fixture.h"

#include "assetgen/formats.h"
#include "core/model_file.h"
#include "core/str.h"
#include "game/frame.h"
#include "render/camera.h"
#include "render/hudgfx.h"
#include "render/model.h"
#include "tests/render/model_files.h"
#include "world/animplay.h"
#include "world/animset.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

// flat_mesh with every quad on the vertices of the first `shapes` quads, so that many
// faces fit the 8192 vertices a model may have.
MeshFile folded_mesh(const std::vector<int> &quads, const std::vector<MeshTexture> &textures, int shapes)
{
    MeshFile mesh = flat_mesh(quads, textures);
    for (MeshFace &face : mesh.faces) {
        for (uint32_t &k : face.index) {
            k %= (uint32_t)(4 * shapes);
        }
    }
    mesh.positions.resize((size_t)(4 * shapes));
    mesh.bones.resize((size_t)(4 * shapes));
    mesh.draw_vertices.resize((size_t)(4 * shapes));
    return mesh;
}

constexpr uint32_t OPAQUE = 0x08010000u;        // owned, mip-mapped
constexpr uint32_t MASKED = 0x08810000u;        // ... with a mask: batched
constexpr uint32_t GLOW = 0x0f250000u;          // additive, depth-sorted, unlit, clamped

class ModelRec : public Recorded {
protected:
    void SetUp() override
    {
        Recorded::SetUp();
        use_test_bitmaps();
        write_flat_bitmap(dir, "z_light.bmp", 8, 8, 255, 255, 255);
        write_flat_bitmap(dir, "a.bmp", 8, 8, 255, 0, 0);
        write_flat_bitmap(dir, "b.bmp", 8, 8, 0, 255, 0);
        write_grey_bitmap(dir, "am.bmp", 8, 8, [](int, int) { return (uint8_t)255; });
        for (int b = 0; b < 4; b++) {
            for (int k = 0; k < 16; k++) {
                m[b * 16 + k] = (k % 5 == 0) ? 1.0f : 0.0f;
            }
        }
        g_camera = CameraState{};
        g_camera.pos[0] = 1.0f;
        g_camera.pos[1] = 1.0f;
        g_camera.pos[2] = 100.0f;   // in front of faces that face +z
        g_frame_dt = 0.0f;
        g_frame_steps = 0;
    }
    void TearDown() override
    {
        for (Model *model : models) {
            model_free(model);
        }
        for (ModelFile &f : files) {
            model_file_free(&f);
        }
        anim_sets_free_all();
        g_hit_texture_handle = 0;
        g_render_backgroundgfx = 0.0f;
        g_camera = CameraState{};
        g_frame_dt = 0.0f;
        Recorded::TearDown();
    }
    // Writes folder/model.bin, loads it (textures through the cache) and builds the model.
    Model *create(const std::string &folder, const MeshFile &mesh, uint32_t flags, int bones = 1)
    {
        Bytes b = model_write(mesh);
        dir.write(folder + "/model.bin", std::string(b.begin(), b.end()));
        files.emplace_back();
        ModelFile &f = files.back();
        EXPECT_EQ(model_load(folder.c_str(), bones + 1, &f), 0);
        Model *model = model_create(&f, bones, folder.c_str(), flags);
        if (model) {
            models.push_back(model);
        }
        return model;
    }
    std::vector<GlEvent> draw(ModelInstance *inst, int hit = 0, const float (*light)[3] = nullptr)
    {
        glrec_events().clear();
        zgl_draw_model(inst, m, light, hit, model_draw_mode(inst->model));
        return glrec_only(GlOp::DrawElements);
    }
    static unsigned gl_name(uint32_t handle) { return handle & TEX_NAME_MASK; }
    TempDir dir{true};
    std::deque<ModelFile> files;
    std::vector<Model *> models;
    float m[4 * 16];
};

TEST_F(ModelRec, EachFaceGoesToTheListOfItsKind)
{
    // Opaque, masked, opaque: the third face is drawn at once like the first.
    MeshFile mesh = flat_mesh({0, 1, 0}, {texture_entry("a.bmp", OPAQUE), texture_entry("b.bmp", MASKED)});
    mesh.textures[1].mask = bitmap_path("am.bmp");
    Model *model = create("mixed", mesh, 0);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->opaque_count, 4);
    EXPECT_EQ(model->batched_count, 2);
    EXPECT_EQ(model->used_count, 4) << "the masked quad's four vertices in the first-use table";
    ModelInstance inst;
    model_instance_init(&inst, model);
    std::vector<GlEvent> draws = draw(&inst);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].count, 12) << "both opaque quads drawn at once";
    EXPECT_EQ(draws[0].texture, gl_name(model->states[0].handle));
    EXPECT_EQ(g_batch_face_count, 2) << "only the masked quad batched";
    for (int i = 0; i < g_batch_face_count; i++) {
        const BatchFace &face = g_batch_faces[i];
        EXPECT_EQ(face.handle, model->states[1].handle);
        // On the masked quad's own vertices (x 3 .. 5), through the first-use table.
        for (uint32_t k : {face.i01 & 0xffff, face.i01 >> 16, face.i2}) {
            EXPECT_GE(g_batch_vertices[k].x, 3.0f);
            EXPECT_LE(g_batch_vertices[k].x, 5.0f);
        }
    }
    model_instance_free(&inst);

    // Only batched faces: no first-use table, mode 2; only opaque: no batched list.
    Model *glow = create("glow", flat_mesh({0}, {texture_entry("a.bmp", GLOW)}), 0);
    Model *solid = create("solid", flat_mesh({0, 0}, {texture_entry("a.bmp", OPAQUE)}), 0);
    ASSERT_TRUE(glow && solid);
    EXPECT_EQ(model_draw_mode(glow), 2);
    EXPECT_EQ(glow->used_count, 0);
    EXPECT_EQ(model_draw_mode(solid), 1);
    EXPECT_EQ(solid->batched_count, 0);
}

TEST_F(ModelRec, EveryTextureEntryGetsItsOwnRecord)
{
    // Two missing bitmaps of equal flags both become the fallback; the third entry's faces
    // must still draw with their own bitmap.
    MeshFile mesh = flat_mesh({0, 1, 2}, {texture_entry("missing1.bmp", OPAQUE),
                                          texture_entry("missing2.bmp", OPAQUE), texture_entry("b.bmp", OPAQUE)});
    Model *model = create("dup", mesh, 0);
    ASSERT_NE(model, nullptr);
    const ModelFile &f = files.back();
    EXPECT_EQ(f.texture_used, 3);
    ASSERT_TRUE(f.textures[0] && f.textures[1] && f.textures[2]);
    EXPECT_EQ(f.textures[0], f.textures[1]) << "one fallback record";
    TextureRecord *b = request_texture("b.bmp", OPAQUE);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(f.textures[2]->gl_name, b->gl_name);
    ModelInstance inst;
    model_instance_init(&inst, model);
    // The two fallback entries draw alike: one draw for both, one for the third.
    std::vector<GlEvent> draws = draw(&inst);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].texture, f.textures[0]->gl_name);
    EXPECT_EQ(draws[0].count, 12);
    EXPECT_EQ(draws[1].texture, b->gl_name) << "the third quad with its own bitmap";
    EXPECT_EQ(draws[1].count, 6);
    model_instance_free(&inst);
}

TEST_F(ModelRec, AModelWhoseOpaqueFacesOverflowTheirSliceIsRefused)
{
    // Two textures: 32768 indices each, 10922 faces. 5462 quads of texture 0 are 10924.
    std::vector<int> quads(5462, 0);
    quads.push_back(1);
    MeshFile mesh = folded_mesh(quads, {texture_entry("a.bmp", OPAQUE), texture_entry("b.bmp", OPAQUE)}, 1);
    log.clear();
    EXPECT_EQ(create("big", mesh, 0), nullptr);
    EXPECT_EQ(log.count_containing("*** [model] big: texture 0 has 10924 opaque faces, its index slice holds 10922"), 1)
        << log.joined();

    // One quad fewer fits.
    mesh.faces.erase(mesh.faces.begin(), mesh.faces.begin() + 2);
    EXPECT_NE(create("fits", mesh, 0), nullptr);
}

TEST_F(ModelRec, TheHitFlashWritesItsIndicesFromTheStartOfTheBuffer)
{
    // The first opaque face uses the last texture (slice 32768 .. 65535); all the faces
    // together need more than that slice: the flash writes from index 0.
    std::vector<int> quads(2500, 1);
    quads.insert(quads.end(), 3000, 0);
    MeshFile mesh = folded_mesh(quads, {texture_entry("a.bmp", OPAQUE), texture_entry("b.bmp", OPAQUE)}, 2);
    Model *model = create("flash", mesh, 0);
    ASSERT_NE(model, nullptr);
    write_flat_bitmap(dir, "hit.bmp", 8, 8, 255, 0, 255);
    TextureRecord *hit = request_texture("hit.bmp", 0x08510000u);
    ASSERT_NE(hit, nullptr);
    g_hit_texture_handle = hit->handle;
    ModelInstance inst;
    model_instance_init(&inst, model);
    g_batch_indices[0] = g_batch_indices[1] = g_batch_indices[2] = 0xffff;
    std::vector<GlEvent> draws = draw(&inst, 1);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].count, 3 * 11000);
    for (int k = 0; k < 3; k++) {
        EXPECT_EQ(g_batch_indices[k], model->opaque[0].index[k]) << "the first face at the buffer's start";
    }
    EXPECT_EQ(draws[0].texture, hit->gl_name);
    for (uint32_t c : draws[0].colours) {
        ASSERT_EQ(c, 0xffffffffu) << "white under the hit texture";
    }
    // Without a hit texture the flash is not shown: the model draws as it is.
    g_hit_texture_handle = 0;
    draws = draw(&inst, 1);
    EXPECT_EQ(draws.size(), 2u);
    model_instance_free(&inst);
}

TEST_F(ModelRec, DrawsOfOneTextureBetweenBeginAndEndGoToGlTogether)
{
    Model *a = create("runa", flat_mesh({0, 0}, {texture_entry("a.bmp", OPAQUE)}), 0);
    Model *b = create("runb", flat_mesh({0}, {texture_entry("b.bmp", OPAQUE)}), 0);
    ASSERT_TRUE(a && b);
    ModelInstance ia, ib;
    model_instance_init(&ia, a);
    model_instance_init(&ib, b);
    unsigned name_a = gl_name(a->states[0].handle);
    unsigned name_b = gl_name(b->states[0].handle);
    // gathered: 0 each draw at once, 1 between zgl_models_begin and end, 2 by texture.
    auto draws_of = [&](const std::vector<ModelInstance *> &list, int gathered) {
        glrec_events().clear();
        if (gathered == 1) {
            zgl_models_begin();
        } else if (gathered == 2) {
            zgl_models_gather_begin();
        }
        for (ModelInstance *inst : list) {
            zgl_draw_model(inst, m, nullptr, 0, 1);
        }
        if (gathered) {
            zgl_models_end();
        }
        std::vector<std::pair<unsigned, int>> out;
        for (const GlEvent &e : glrec_only(GlOp::DrawElements)) {
            out.push_back({e.texture, e.count});
        }
        return out;
    };
    using Draws = std::vector<std::pair<unsigned, int>>;
    EXPECT_EQ(draws_of({&ia, &ia, &ia}, 0), (Draws{{name_a, 12}, {name_a, 12}, {name_a, 12}}));
    EXPECT_EQ(draws_of({&ia, &ia, &ia}, 1), (Draws{{name_a, 36}}));
    EXPECT_EQ(draws_of({&ia, &ib, &ia, &ia}, 1), (Draws{{name_a, 12}, {name_b, 6}, {name_a, 24}}));
    // By texture: each texture bound once, in the order first met; a pair inside joins.
    EXPECT_EQ(draws_of({&ib, &ia, &ib, &ia}, 2), (Draws{{name_b, 12}, {name_a, 24}}));
    zgl_models_gather_begin();
    EXPECT_EQ(draws_of({&ia, &ib, &ia}, 1), (Draws{})) << "nothing drawn before the outer end";
    glrec_events().clear();
    zgl_models_gather_end();
    EXPECT_EQ(glrec_only(GlOp::DrawElements).size(), 2u);
    // The gathered draw shows each model where it was drawn, both ways.
    for (int gathered = 1; gathered <= 2; gathered++) {
        glrec_events().clear();
        gathered == 1 ? zgl_models_begin() : zgl_models_gather_begin();
        zgl_draw_model(&ia, m, nullptr, 0, 1);
        zgl_draw_model(&ib, m, nullptr, 0, 1);
        m[16 + 12] = 10.0f;
        zgl_draw_model(&ia, m, nullptr, 0, 1);
        m[16 + 12] = 0.0f;
        zgl_models_end();
        std::vector<GlEvent> draws = glrec_only(GlOp::DrawElements);
        ASSERT_EQ(draws.size(), gathered == 1 ? 3u : 2u);
        const GlEvent &last = gathered == 1 ? draws[2] : draws[0];
        ASSERT_EQ(last.positions.size(), gathered == 1 ? 12u : 24u);
        const GlEvent &first = draws[0];
        for (int k = 0; k < 12; k++) {
            EXPECT_FLOAT_EQ(last.positions[last.positions.size() - 12 + k][0], first.positions[k][0] + 10.0f);
        }
    }
    // GL is flushed every 12,000 faces it was handed, so that a software renderer's
    // threads draw them while the frame goes on.
    zbatch_flush_gl();
    glrec_events().clear();
    for (int i = 0; i < 6400; i++) {
        zgl_draw_model(&ia, m, nullptr, 0, 1);
    }
    EXPECT_EQ(glrec_only(GlOp::Flush).size(), 2u) << "25,600 faces";
    model_instance_free(&ia);
    model_instance_free(&ib);
}

// While the world is drawn (g_model_cull), the faces of a bone that comes out smaller than
// a pixel are left out, opaque and batched alike; at a size that shows, or outside the
// world's passes, they are drawn.
TEST_F(ModelRec, FacesOfBonesSmallerThanAPixelAreLeftOutOfTheWorld)
{
    Model *solid = create("speck", flat_mesh({0}, {texture_entry("a.bmp", OPAQUE)}), 0);
    Model *glow = create("spark", flat_mesh({0}, {texture_entry("a.bmp", GLOW)}), 0);
    ASSERT_TRUE(solid && glow);
    ModelInstance is, ig;
    model_instance_init(&is, solid);
    model_instance_init(&ig, glow);
    // The faces drawn at once or put into the batch with bone matrix 1 at the given scale
    // (the quad is 2 units across, 100 from the eye: 1 is about 30 pixels, 0.01 a third).
    auto faces = [&](ModelInstance *inst, float scale, int cull) {
        m[16] = m[21] = m[26] = scale;
        g_model_cull = cull;
        zbatch_reset();
        int n = 0;
        for (const GlEvent &e : draw(inst)) {
            n += e.count / 3;
        }
        n += g_batch_face_count;
        g_model_cull = 0;
        m[16] = m[21] = m[26] = 1.0f;
        zbatch_reset();
        return n;
    };
    for (ModelInstance *inst : {&is, &ig}) {
        EXPECT_EQ(faces(inst, 1.0f, 1), 2);
        EXPECT_EQ(faces(inst, 0.01f, 1), 0) << "a third of a pixel";
        EXPECT_EQ(faces(inst, 0.01f, 0), 2) << "outside the world's passes";
    }
    model_instance_free(&is);
    model_instance_free(&ig);
}

TEST_F(ModelRec, HueTwoStaysOnTheSharedColoursThreeGetsACopy)
{
    Model *model = create("hue", flat_mesh({0}, {texture_entry("a.bmp", OPAQUE)}), 0);
    ASSERT_NE(model, nullptr);
    const uint32_t before = model->colours[0];
    for (float h : {2.0f, -2.0f, 362.0f}) {
        ModelInstance inst;
        model_instance_init(&inst, model);
        model_instance_set_hue(&inst, h);
        EXPECT_EQ(inst.colours, model->colours) << h;
        model_instance_free(&inst);
    }
    for (float h : {3.0f, -3.0f, 120.0f}) {
        ModelInstance inst;
        model_instance_init(&inst, model);
        model_instance_set_hue(&inst, h);
        ASSERT_NE(inst.colours, model->colours) << h;
        EXPECT_NE(inst.colours[0] & 0xffffff, before & 0xffffff) << h;
        EXPECT_EQ(inst.colours[0] >> 24, before >> 24) << "alpha kept";
        // A second hue reuses the copy.
        uint32_t *copy = inst.colours;
        model_instance_set_hue(&inst, h + 40.0f);
        EXPECT_EQ(inst.colours, copy);
        model_instance_free(&inst);
    }
    EXPECT_EQ(model->colours[0], before) << "the model's colours untouched";
}

TEST_F(ModelRec, TextureFramesLoopAndRunBackAndForth)
{
    for (int k = 0; k < 8; k++) {
        char name[32];
        snprintf(name, sizeof(name), "anim/%05d.bmp", k);
        write_flat_bitmap(dir, name, 8, 8, (uint8_t)(k * 30), 0, 0);
    }
    auto frames_of = [&](int mode, float speed, int draws) {
        MeshFile mesh = flat_mesh({0}, {texture_entry("anim", OPAQUE, speed, mode)});
        Model *model = create("anim" + std::to_string(mode) + std::to_string(speed), mesh, 0);
        std::vector<int> seen;
        if (!model) {
            ADD_FAILURE();
            return seen;
        }
        const TextureRecord *r = model->textures[0];
        EXPECT_EQ(r->frame_count, 8.0f);
        ModelInstance inst;
        model_instance_init(&inst, model);
        g_frame_dt = 1.0f;
        for (int i = 0; i < draws; i++) {
            model_animate_textures(&inst);
            int entry = -1;
            for (int k = 0; k < 8; k++) {
                entry = model->states[0].handle == r->frames[k] ? k : entry;
            }
            seen.push_back(entry);
        }
        model_instance_free(&inst);
        return seen;
    };
    // Loop at 0.1 a step: up through the eight frames, each for about ten steps, frame 7
    // last, then frame 0 again.
    std::vector<int> loop = frames_of(0, 0.1f, 170);
    int wraps = 0;
    for (size_t i = 1; i < loop.size(); i++) {
        ASSERT_GE(loop[i], 0);
        if (loop[i] < loop[i - 1]) {
            EXPECT_EQ(loop[i - 1], 7);
            EXPECT_EQ(loop[i], 0);
            wraps++;
        } else {
            EXPECT_LE(loop[i] - loop[i - 1], 1);
        }
    }
    EXPECT_EQ(wraps, 2);
    EXPECT_GE(std::count(loop.begin(), loop.begin() + 80, 7), 8);

    // Ping-pong: from the last frame it runs back down to 0, and up again.
    std::vector<int> pong = frames_of(1, 0.1f, 240);
    size_t top = std::find(pong.begin(), pong.end(), 7) - pong.begin();
    ASSERT_LT(top, pong.size());
    size_t i = top;
    while (i + 1 < pong.size() && pong[i + 1] >= pong[i] - 1 && pong[i + 1] <= pong[i]) {
        i++;
    }
    EXPECT_EQ(pong[i], 0) << "ran back down to frame 0";
    EXPECT_GT(pong.back(), 0) << "and up again";

    // A step longer than the set never leaves it.
    for (int e : frames_of(1, 20.0f, 50)) {
        ASSERT_GE(e, 0);
        ASSERT_LE(e, 7);
    }
    g_frame_dt = 0.0f;
}

TEST_F(ModelRec, LightingStaysInsideItsBounds)
{
    // Normals of length 2 and the light straight at them: as bright as light can make a
    // colour, not dark; the way from it an eighth.
    MeshFile mesh = flat_mesh({0}, {texture_entry("a.bmp", OPAQUE)});
    for (MeshDrawVertex &d : mesh.draw_vertices) {
        d.normal[2] = 2.0f;
    }
    Model *model = create("long", mesh, MODEL_LIT);
    ASSERT_NE(model, nullptr);
    ASSERT_TRUE(model->flags & MODEL_LIT);
    EXPECT_EQ(model->bone_flags[0], 1);
    ModelInstance inst;
    model_instance_init(&inst, model);
    float light[2][3] = {{0, 0, 0}, {0, 0, 1}};
    std::vector<GlEvent> draws = draw(&inst, 0, light);
    ASSERT_EQ(draws.size(), 1u);
    const uint32_t c = model->colours[0];
    auto scaled = [&](uint32_t k) {
        return (((c & 0xff) * k) >> 8) | ((((c >> 8) & 0xff) * k) >> 8) << 8 | ((((c >> 16) & 0xff) * k) >> 8) << 16;
    };
    for (uint32_t got : draws[0].colours) {
        EXPECT_EQ(got, scaled(255));
    }
    light[1][2] = -1.0f;
    draws = draw(&inst, 0, light);
    ASSERT_EQ(draws.size(), 1u);
    for (uint32_t got : draws[0].colours) {
        EXPECT_EQ(got, (c >> 3) & 0x1f1f1fu);
    }
    model_instance_free(&inst);
}

TEST_F(ModelRec, ALitModelWithoutLitFacesIsUnlit)
{
    // Written as an animation set: its actors then take no light directions.
    AnimFile anim = one_bone_anim((int32_t)MODEL_LIT);
    MeshFile mesh = flat_mesh({0}, {texture_entry("a.bmp", OPAQUE | TEX_UNLIT)});
    Bytes a = anim_write(anim);
    Bytes mb = model_write(mesh);
    dir.write("unlit/anim.bin", std::string(a.begin(), a.end()));
    dir.write("unlit/model.bin", std::string(mb.begin(), mb.end()));
    AnimSet *set = anim_set_load("unlit");
    ASSERT_TRUE(set && set->model);
    EXPECT_EQ(set->model->flags, 0u);
    AnimState st{};
    anim_bind_set(&st, set);
    EXPECT_EQ(st.light_dirs, nullptr);
    anim_unbind_set(&st);
    anim_set_destroy(set);

    // Lit faces on the set's only bone: it gets its light direction.
    mesh.textures[0].flags = OPAQUE;
    mb = model_write(mesh);
    dir.write("lit/anim.bin", std::string(a.begin(), a.end()));
    dir.write("lit/model.bin", std::string(mb.begin(), mb.end()));
    set = anim_set_load("lit");
    ASSERT_TRUE(set && set->model);
    EXPECT_EQ(set->lit_count, 1);
    anim_bind_set(&st, set);
    EXPECT_NE(st.light_dirs, nullptr);
    anim_unbind_set(&st);
    anim_set_destroy(set);
}

TEST_F(ModelRec, FloorModelsAreHalfTransparentOnlyAtTheRichestBackground)
{
    MeshFile mesh = flat_mesh({0}, {texture_entry("a.bmp", OPAQUE)}, {{10, 20, 30, 255}});
    for (float setting : {0.0f, 2.0f, 3.0f}) {
        g_render_backgroundgfx = setting;
        log.clear();
        Model *floor = create("room/floor-1b", mesh, 0);
        Model *other = create("room/wall-1", mesh, 0);
        ASSERT_TRUE(floor && other);
        EXPECT_EQ(floor->colours[0] >> 24, setting == 3.0f ? 127u : 255u) << setting;
        EXPECT_EQ(other->colours[0] >> 24, 255u) << setting;
        EXPECT_EQ(floor->colours[0] & 0xffffff, 0x1e140au);
        EXPECT_EQ(log.count(" [model] halfalpha room/floor-1b"), setting == 3.0f ? 1 : 0);
    }
}

}  // namespace
