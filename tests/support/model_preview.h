// model_preview.h -- a small software renderer for looking at generated models without
// a window: skinned faces through an actor's bone matrices, the mesh drawing's three
// light kinds, textures from the asset tree, back faces culled, glows added, and PNG
// output under build/screens/.
#pragma once

#include "world/animplay.h"

#include <cstdint>
#include <string>
#include <vector>

struct ModelFile;

// An actor for tests and pictures: a bound animation state with its own matrix array,
// every matrix the identity until placed. place() sets the actor's matrix as enemies
// and bullets have it (the model pitched by -90 and turned by the heading, so model -Y
// points along (sin h, 0, cos h)).
class PreviewActor {
public:
    explicit PreviewActor(AnimSet *set);
    ~PreviewActor();
    PreviewActor(const PreviewActor &) = delete;
    PreviewActor &operator=(const PreviewActor &) = delete;
    // Matrix 0: heading h degrees, scale s, at pos; the bone matrices rebuilt.
    void place(float heading, float scale, const float pos[3]);
    // n actor updates: animation, matrices (no movement).
    void tick(int n = 1);
    // Plays an animation by name at speed 1.
    void play(const char *name);
    // The running play of an animation, or null.
    const AnimPlay *play_of(int index) const;
    AnimState st{};
    std::vector<float> m;
};

// An actor moving as the engine moves a bullet: each tick by minus its matrix's second
// column (its forward axis under the -90 pitch, scale included) times the forward
// distance its root moved.
struct PreviewFlyer {
    PreviewFlyer(AnimSet *set, float heading, const float start[3]);
    void tick();
    PreviewActor actor;
    float pos[3];
};

class ModelPreview {
public:
    // A picture of width x height over a floor of the given colour (0xRRGGBB).
    ModelPreview(int width, int height, uint32_t floor);
    // The play camera: straight down from height, turned as the game turns it.
    void camera_top(float x, float z, float height, float fov_y);
    // A camera at eye looking at target (y up).
    void camera_look(const float eye[3], const float target[3], float fov_y);
    // The camera's rotation (camera to world, column-major 3x3), as g_camera.world holds
    // it for camera-facing bones.
    const float *camera_rotation() const { return rot_; }
    // Textures are read relative to run_dir (the names in model files start "../styles").
    void set_run_dir(const std::string &dir) { run_dir_ = dir; }
    // Ready to draw a scene as the galleries do: textures from run_dir, the gallery's
    // light from above, and the game camera's rotation (camera-facing bones read it)
    // set to this camera's.
    void prepare_scene(const std::string &run_dir);
    // The world light direction (toward the light).
    void set_light(const float dir[3]);
    // Draws a mesh skinned by an actor's matrices (built with this camera's rotation).
    void draw(const ModelFile &mesh, const AnimState &st);
    // Rebuilds an actor's matrices (after prepare_scene, so camera-facing bones face this
    // camera) and draws its set's mesh.
    void draw_actor(PreviewActor &a);
    // Pixels drawn by meshes so far (not floor).
    int covered() const;
    // The bounding box of the covered pixels: x0, y0, x1, y1 (all -1 when none).
    void covered_box(int box[4]) const;
    // Writes build/screens/<name>.png; false on failure.
    bool save(const std::string &name) const;

private:
    struct Tex {
        std::string name;
        int w = 0, h = 0;
        std::vector<uint8_t> rgb;
    };
    const Tex *texture(const std::string &name);
    void project(const float p[3], float out[3]) const;
    void raster(const float v[3][3], const float height[3], const float uv[3][2], const float col[3][4],
                const Tex *tex, bool additive, bool clamp);

    int w_, h_;
    std::vector<float> rgb_;
    std::vector<float> depth_;
    std::vector<uint8_t> mask_;
    float eye_[3] = {0, 0, 0};
    float rot_[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    float fov_ = 45.0f;
    float light_[3] = {0, 1, 0};
    std::string run_dir_;
    std::vector<Tex> textures_;
};
