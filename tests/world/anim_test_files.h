// anim_test_files.h -- animation sets for the world tests, written with the generator's
// writers into a temporary folder and read back through the engine's loader.
#pragma once

#include "assetgen/formats.h"
#include "core/mem.h"
#include "world/animplay.h"

#include "tests/support/model_preview.h"
#include "tests/support/temp_dir.h"

#include <cmath>
#include <string>
#include <vector>

// A pose: turn of deg degrees about axis (0 x, 1 y, 2 z), a position and a uniform scale.
inline std::array<float, 10> anim_test_pose(int axis, float deg, float x, float y, float z, float scale = 1.0f)
{
    float h = deg * 3.14159265f / 360.0f;
    std::array<float, 10> p{{0, 0, 0, cosf(h), x, y, z, scale, scale, scale}};
    p[axis] = sinf(h);
    return p;
}

// A track over key frames (1-based pose numbers) with one step for every key.
inline AnimTrackOut anim_test_track(const std::string &name, int root, std::vector<int32_t> frames, float step,
                                    int loop_key)
{
    AnimTrackOut t;
    t.name = name;
    t.root_bone = root;
    t.loop_key = loop_key;
    t.key_frames = frames;
    t.steps.assign(frames.size(), step);
    t.arrive_ease.assign(frames.size(), 0.0f);
    t.leave_ease.assign(frames.size(), 0.0f);
    t.root_offsets.assign(frames.size(), {{0, 0, 0}});
    t.second_offsets.assign(frames.size(), {{0, 0, 0}});
    return t;
}

// A chain of bones, each hanging from the one before (bone 0 from the actor), with
// poses poses[i] for bone i.
inline AnimFile anim_test_chain(const std::vector<std::vector<std::array<float, 10>>> &poses)
{
    AnimFile a;
    for (size_t i = 0; i < poses.size(); i++) {
        AnimBoneOut b;
        b.parent = (int32_t)i;
        b.name = "bone" + std::to_string(i);
        b.keys = poses[i];
        a.bones.push_back(b);
        a.health.push_back(1.0f);
    }
    a.defaults = {{-1, -1, -1, -1, -1, -1, -1, -1}};
    return a;
}

// Writes dir/folder/anim.bin (and model.bin when mesh is given) and loads the set.
inline AnimSet *anim_test_load(const TempDir &dir, const std::string &folder, const AnimFile &a,
                               const MeshFile *mesh = nullptr)
{
    Bytes bytes = anim_write(a);
    dir.write(folder + "/anim.bin", std::string(bytes.begin(), bytes.end()));
    if (mesh) {
        Bytes m = model_write(*mesh);
        dir.write(folder + "/model.bin", std::string(m.begin(), m.end()));
    }
    return anim_set_load(dir.file(folder).c_str());
}

// The tests' actor: tests/support/model_preview.h.
using AnimTestActor = PreviewActor;
