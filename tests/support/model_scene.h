// model_scene.h -- the model gallery's scene: the generated asset tree as the styles
// folder, actors standing on the floor after an animation ran, drawn with the gallery's
// light into a preview, measured alone from the play camera, saved under build/screens/.
#pragma once

#include "render/camera.h"
#include "tests/support/model_preview.h"

#include <memory>
#include <string>
#include <vector>

// Points g_styles_dir at "<tree>/styles/" for its lifetime, named from the working folder
// when that is shorter (relative_path).
class TreeStyles {
public:
    explicit TreeStyles(const std::string &tree);
    ~TreeStyles();
    TreeStyles(const TreeStyles &) = delete;
    TreeStyles &operator=(const TreeStyles &) = delete;

private:
    std::string saved_;
};

// Works from "<tree>/run" with g_styles_dir "../styles/" for its lifetime, as the game
// does: model paths are then as long as the game's (the loader refuses 64 characters or
// more). Puts the working folder and the styles folder back when it ends.
class TreeRunFolder {
public:
    explicit TreeRunFolder(const std::string &tree);
    ~TreeRunFolder();
    TreeRunFolder(const TreeRunFolder &) = delete;
    TreeRunFolder &operator=(const TreeRunFolder &) = delete;

private:
    std::string saved_cwd_;
    std::string saved_styles_;
};

class ModelScene {
public:
    explicit ModelScene(const std::string &tree) : tree_(tree) {}
    ~ModelScene() { g_camera = saved_camera_; }
    // An actor of a set at (x, y, z) with a heading, after an animation (or none) ran for
    // ticks.
    PreviewActor &stand(AnimSet *set, float x, float y, float z, float heading, const char *anim, int ticks);
    // Every actor, with textures from the tree's run folder and the gallery's light.
    void draw_all(ModelPreview &p);
    // One actor alone under the play camera (115 units up, 45 degrees, 1024 x 768: a unit
    // of floor is about 8 pixels): its narrow and wide extents in units and the centre of
    // its picture in pixels. The scene is emptied.
    void measure(AnimSet *set, float heading, int ticks, float extent[2], float centre[2]);
    // Writes build/screens/<name>.png; a test failure when it shows no model or fails.
    static void save(const ModelPreview &p, const char *name);
    void clear() { actors_.clear(); }

private:
    std::string tree_;
    CameraState saved_camera_ = g_camera;
    std::vector<std::unique_ptr<PreviewActor>> actors_;
};
