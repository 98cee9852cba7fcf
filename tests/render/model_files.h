// model_files.h -- models for the mesh drawing tests: built with the generator's model
// builder, their textures pointed at the tests' "bitmaps/" folder, written as anim.bin and
// model.bin and read back through the animation-set loader.
#pragma once

#include "assetgen/formats.h"
#include "assetgen/models.h"
#include "core/model_file.h"
#include "render/model.h"
#include "tests/render/tex_files.h"
#include "tests/support/temp_dir.h"
#include "world/animset.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

// A bitmap the builder's paints name; only its name is used here (the tests write it).
inline Bitmap model_test_bitmap(const std::string &name)
{
    Bitmap b;
    b.name = name;
    return b;
}

// The files of a builder with every texture renamed to "bitmaps/<name>.bmp".
inline ModelFiles model_test_files(const ModelBuilder &builder)
{
    ModelFiles files;
    std::string error;
    EXPECT_TRUE(builder.finish(files, error)) << error;
    for (MeshTexture &t : files.mesh.textures) {
        std::string name = t.colour.substr(t.colour.find_last_of('/') + 1);
        t.colour = "bitmaps/" + name;
    }
    return files;
}

// Writes dir/folder/anim.bin and model.bin and loads the set (null when refused).
inline AnimSet *model_test_write_and_load(const TempDir &dir, const std::string &folder, const AnimFile &anim,
                                          const MeshFile &mesh)
{
    Bytes a = anim_write(anim);
    Bytes m = model_write(mesh);
    dir.write(folder + "/anim.bin", std::string(a.begin(), a.end()));
    dir.write(folder + "/model.bin", std::string(m.begin(), m.end()));
    return anim_set_load(folder.c_str());
}

// A skeleton of one bone at rest, no animations, with the given mesh flags.
inline AnimFile one_bone_anim(int32_t mesh_flags)
{
    AnimFile anim;
    AnimBoneOut bone;
    bone.name = "mainbone_x";
    bone.keys.push_back({{0, 0, 0, 1, 0, 0, 0, 1, 1, 1}});
    anim.bones.push_back(bone);
    anim.health.push_back(0.0f);
    anim.defaults = {{-1, -1, -1, -1, -1, -1, -1, -1}};
    anim.mesh_flags = mesh_flags;
    return anim;
}

inline AnimSet *model_test_load(const TempDir &dir, const std::string &folder, const ModelBuilder &builder)
{
    ModelFiles files = model_test_files(builder);
    return model_test_write_and_load(dir, folder, files.anim, files.mesh);
}

// Writes every bitmap (and mask, and animated frame) the files name under "bitmaps/".
inline void model_test_write_bitmaps(const TempDir &dir, const ModelFiles &files)
{
    for (const Bitmap *b : files.bitmaps) {
        int frames = b->frames > 0 ? b->frames : 1;
        for (int f = 0; f < frames; f++) {
            for (int mask = 0; mask < (b->draw_mask ? 2 : 1); mask++) {
                std::string path = model_bitmap_path(*b, f, mask != 0);
                Bytes bytes = model_bitmap_bytes(*b, f, mask != 0);
                dir.write("bitmaps/" + path.substr(path.find("/bitmaps/") + 9), std::string(bytes.begin(), bytes.end()));
            }
        }
    }
}

// A family of the generator ("beasties/robot_green") with its bitmaps, loaded from folder.
inline AnimSet *model_test_family(const TempDir &dir, const std::string &family, const std::string &folder)
{
    const ModelBuilder *builder = model_family_builder(family);
    EXPECT_NE(builder, nullptr) << family;
    if (!builder) {
        return nullptr;
    }
    ModelFiles files = model_test_files(*builder);
    model_test_write_bitmaps(dir, files);
    return model_test_write_and_load(dir, folder, files.anim, files.mesh);
}

// A flat mesh on bone matrix 1: quad q (two faces, counter-clockwise seen from +z) at x =
// 3q .. 3q + 2, y 0 .. 2, using texture quad_textures[q]; colours c, normals +z.
inline MeshFile flat_mesh(const std::vector<int> &quad_textures, const std::vector<MeshTexture> &textures,
                          std::array<uint8_t, 4> c = {{200, 100, 40, 255}})
{
    MeshFile m;
    for (size_t q = 0; q < quad_textures.size(); q++) {
        float x = 3.0f * (float)q;
        const float corners[4][2] = {{x, 0}, {x + 2, 0}, {x + 2, 2}, {x, 2}};
        uint32_t base = (uint32_t)m.positions.size();
        for (const auto &p : corners) {
            m.positions.push_back({{p[0], p[1], 0.0f}});
            m.bones.push_back(1);
            MeshDrawVertex d;
            d.u = p[0] - x;
            d.v = p[1];
            d.rgba = c;
            d.normal[0] = 0;
            d.normal[1] = 0;
            d.normal[2] = 1;
            d.position = (uint32_t)m.positions.size() - 1;
            m.draw_vertices.push_back(d);
        }
        uint32_t t = (uint32_t)quad_textures[q];
        m.faces.push_back(MeshFace{{base, base + 1, base + 2}, t});
        m.faces.push_back(MeshFace{{base, base + 2, base + 3}, t});
    }
    m.textures = textures;
    return m;
}

inline MeshTexture texture_entry(const std::string &bitmap, uint32_t flags, float speed = 0.0f, int mode = 0)
{
    MeshTexture t;
    t.flags = flags;
    t.colour = bitmap_path(bitmap);
    t.anim_speed = speed;
    t.anim_mode = mode;
    return t;
}
