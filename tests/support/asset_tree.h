// asset_tree.h -- a fixture for tests that read the generated asset tree: the styles
// folder points into the tree for the test, and the memory pool starts empty and must
// be empty again once the loaded animation sets are freed. GLIMMERFALL_ASSETS names the
// tree (the tools tests define it).
#pragma once

#include "core/file.h"
#include "core/mem.h"
#include "world/animset.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

class AssetTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        snprintf(saved_styles_, sizeof(saved_styles_), "%s", g_styles_dir);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/styles/", tree().c_str());
    }
    void TearDown() override
    {
        anim_sets_free_all();
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles_);
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    static std::string tree() { return GLIMMERFALL_ASSETS; }

private:
    char saved_styles_[FILE_DIR_SIZE];
};
