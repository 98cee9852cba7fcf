// model_scene.cpp -- the model gallery's scene.

#include "tests/support/model_scene.h"

#include "core/file.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

TreeStyles::TreeStyles(const std::string &tree) : saved_(g_styles_dir)
{
    // The tests that use it do not change folder meanwhile.
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/styles/", relative_path(tree).c_str());
}

TreeStyles::~TreeStyles()
{
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_.c_str());
}

TreeRunFolder::TreeRunFolder(const std::string &tree) : saved_styles_(g_styles_dir)
{
    char cwd[4096];
    if (!getcwd(cwd, sizeof(cwd))) {
        ADD_FAILURE() << "no working folder";
        return;
    }
    saved_cwd_ = cwd;
    EXPECT_EQ(chdir((tree + "/run").c_str()), 0) << tree;
    snprintf(g_styles_dir, FILE_DIR_SIZE, "../styles/");
}

TreeRunFolder::~TreeRunFolder()
{
    snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles_.c_str());
    if (!saved_cwd_.empty()) {
        EXPECT_EQ(chdir(saved_cwd_.c_str()), 0);
    }
}

PreviewActor &ModelScene::stand(AnimSet *set, float x, float y, float z, float heading, const char *anim, int ticks)
{
    actors_.push_back(std::make_unique<PreviewActor>(set));
    PreviewActor &a = *actors_.back();
    const float pos[3] = {x, y, z};
    a.place(heading, 1.0f, pos);
    if (anim) {
        a.play(anim);
    }
    a.tick(ticks);
    return a;
}

void ModelScene::draw_all(ModelPreview &p)
{
    p.prepare_scene(tree_ + "/run");
    for (auto &a : actors_) {
        p.draw_actor(*a);
    }
}

void ModelScene::measure(AnimSet *set, float heading, int ticks, float extent[2], float centre[2])
{
    clear();
    stand(set, 0, 0, 0, heading, nullptr, ticks);
    ModelPreview alone(1024, 768, 0x202428);
    alone.camera_top(0, 0, 115, 45);
    draw_all(alone);
    int box[4];
    alone.covered_box(box);
    extent[0] = std::min(box[2] - box[0], box[3] - box[1]) / 8.0f;
    extent[1] = std::max(box[2] - box[0], box[3] - box[1]) / 8.0f;
    centre[0] = (box[0] + box[2]) * 0.5f;
    centre[1] = (box[1] + box[3]) * 0.5f;
    clear();
}

void ModelScene::save(const ModelPreview &p, const char *name)
{
    EXPECT_GT(p.covered(), 2000) << name;
    EXPECT_TRUE(p.save(name)) << name;
}
