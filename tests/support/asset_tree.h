// asset_tree.h -- a fixture for tests that read the generated asset tree: the styles
// folder points into the tree for the test, and the memory pool starts empty and must
// be empty again once the loaded animation sets are freed. GLIMMERFALL_ASSETS names the
// tree (the tools tests define it).
#pragma once

#include "core/mem.h"
#include "tests/support/model_scene.h"
#include "world/animset.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

// The animation set of a model "FOLDER/NAME" through the engine's loader (null when it
// cannot be loaded).
inline AnimSet *asset_model_set(const std::string &key)
{
    size_t slash = key.find('/');
    if (slash == std::string::npos) {
        return nullptr;
    }
    return actor_load_model_data(key.substr(0, slash).c_str(), key.substr(slash + 1).c_str());
}

// The index of a bone by name, -1 when the set has none of that name (the engine's
// anim_find_bone answers 0 for a missing bone).
inline int asset_bone_index(const AnimSet *set, const std::string &name)
{
    for (int i = 0; i < set->bone_count; i++) {
        if (name == set->bones[i].name) {
            return i;
        }
    }
    return -1;
}

class AssetTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        styles_ = std::make_unique<TreeStyles>(tree());
    }
    void TearDown() override
    {
        anim_sets_free_all();
        styles_.reset();
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    static std::string tree() { return GLIMMERFALL_ASSETS; }

private:
    std::unique_ptr<TreeStyles> styles_;
};
