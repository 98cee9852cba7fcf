// model_preview.cpp -- a software renderer for generated models (see model_preview.h).
// It follows the mesh drawing's rules where they decide what a player sees: opaque faces
// culled unless counter-clockwise toward the camera, normal and radial lighting with the
// dark side at an eighth of the colour, blended faces unlit and added.

#include "tests/support/model_preview.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "render/camera.h"
#include "world/animplay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

constexpr uint32_t TEX_UNLIT_BIT = 0x00040000;
constexpr uint32_t TEX_BATCHED_BITS = 0x00a00000;   // mask or depth-sorted
constexpr uint32_t TEX_ADDITIVE_BIT = 0x01000000;
constexpr uint32_t TEX_CLAMP_BITS = 0x06000000;

void normalise(float v[3])
{
    float l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (l > 0) {
        v[0] /= l;
        v[1] /= l;
        v[2] /= l;
    }
}

uint32_t crc32_of(const uint8_t *p, size_t n, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < n; i++) {
        crc ^= p[i];
        for (int k = 0; k < 8; k++) {
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
        }
    }
    return ~crc;
}

void put32(std::vector<uint8_t> &b, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8) {
        b.push_back((uint8_t)(v >> s));
    }
}

void chunk(std::vector<uint8_t> &png, const char *type, const std::vector<uint8_t> &data)
{
    put32(png, (uint32_t)data.size());
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    put32(png, crc32_of(body.data(), body.size()));
}

// An RGB PNG with its rows in stored (uncompressed) deflate blocks.
std::vector<uint8_t> png_encode(int w, int h, const std::vector<uint8_t> &rgb)
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < h; y++) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + (size_t)y * w * 3, rgb.begin() + (size_t)(y + 1) * w * 3);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    for (size_t at = 0; at < raw.size(); at += 65535) {
        size_t n = std::min<size_t>(65535, raw.size() - at);
        z.push_back(at + n == raw.size() ? 1 : 0);
        z.push_back((uint8_t)(n & 0xff));
        z.push_back((uint8_t)(n >> 8));
        z.push_back((uint8_t)(~n & 0xff));
        z.push_back((uint8_t)((~n >> 8) & 0xff));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
    }
    uint32_t a = 1, b = 0;
    for (uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    put32(z, b << 16 | a);
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    std::vector<uint8_t> ihdr;
    put32(ihdr, (uint32_t)w);
    put32(ihdr, (uint32_t)h);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", {});
    return png;
}

}  // namespace

PreviewActor::PreviewActor(AnimSet *set)
{
    anim_bind_set(&st, set);
    int count = set ? set->bone_count + 1 : 1;
    m.assign((size_t)count * 16, 0.0f);
    for (int i = 0; i < count; i++) {
        m[i * 16] = m[i * 16 + 5] = m[i * 16 + 10] = m[i * 16 + 15] = 1.0f;
    }
    anim_set_matrices(&st, m.data());
}

PreviewActor::~PreviewActor()
{
    anim_unbind_set(&st);
}

void PreviewActor::place(float heading, float scale, const float pos[3])
{
    float h = heading * 3.14159265f / 180.0f;
    float s = std::sin(h), c = std::cos(h);
    const float root[16] = {c * scale, 0, -s * scale, 0, -s * scale, 0, -c * scale, 0, 0, scale, 0, 0,
                            pos[0], pos[1], pos[2], 1};
    memcpy(m.data(), root, sizeof(root));
    anim_build_matrices(&st);
    anim_build_light_dirs(&st);
}

void PreviewActor::tick(int n)
{
    for (int i = 0; i < n; i++) {
        anim_update(&st);
        anim_build_matrices(&st);
        anim_build_light_dirs(&st);
    }
}

void PreviewActor::play(const char *name)
{
    anim_play_by_name(&st, name, 1.0f, 0);
}

const AnimPlay *PreviewActor::play_of(int index) const
{
    for (const AnimPlay *p = st.plays; p; p = p->next) {
        if (p->track->index == index) {
            return p;
        }
    }
    return nullptr;
}

PreviewFlyer::PreviewFlyer(AnimSet *set, float heading, const float start[3]) : actor(set)
{
    memcpy(pos, start, sizeof(pos));
    actor.place(heading, 1.0f, pos);
}

void PreviewFlyer::tick()
{
    memcpy(&actor.m[12], pos, sizeof(pos));
    actor.tick();
    float forward = std::max(anim_forward_distance(&actor.st), 0.0f);
    for (int c = 0; c < 3; c++) {
        pos[c] -= actor.m[4 + c] * forward;
    }
}

void ModelPreview::prepare_scene(const std::string &run_dir)
{
    for (int col = 0; col < 3; col++) {
        for (int row = 0; row < 3; row++) {
            g_camera.world[col * 4 + row] = rot_[col * 3 + row];
        }
    }
    set_run_dir(run_dir);
    const float light[3] = {sinf(0.7f), 1.9f, cosf(0.7f)};
    set_light(light);
}

ModelPreview::ModelPreview(int width, int height, uint32_t floor)
    : w_(width), h_(height), rgb_((size_t)width * height * 3), depth_((size_t)width * height, 1e30f),
      mask_((size_t)width * height, 0)
{
    for (int i = 0; i < w_ * h_; i++) {
        rgb_[i * 3] = (float)(floor >> 16 & 0xff);
        rgb_[i * 3 + 1] = (float)(floor >> 8 & 0xff);
        rgb_[i * 3 + 2] = (float)(floor & 0xff);
    }
}

void ModelPreview::camera_top(float x, float z, float height, float fov_y)
{
    // As the game's camera: pitch -90, yaw 0, roll 90 (screen right is -z, screen up -x).
    const float rot[9] = {0, 0, -1, -1, 0, 0, 0, 1, 0};
    memcpy(rot_, rot, sizeof(rot_));
    eye_[0] = x;
    eye_[1] = height;
    eye_[2] = z;
    fov_ = fov_y;
}

void ModelPreview::camera_look(const float eye[3], const float target[3], float fov_y)
{
    float back[3] = {eye[0] - target[0], eye[1] - target[1], eye[2] - target[2]};
    normalise(back);
    float right[3] = {back[2], 0, -back[0]};   // (0, 1, 0) x back
    normalise(right);
    float up[3] = {back[1] * right[2] - back[2] * right[1], back[2] * right[0] - back[0] * right[2],
                   back[0] * right[1] - back[1] * right[0]};
    for (int i = 0; i < 3; i++) {
        rot_[i] = right[i];
        rot_[3 + i] = up[i];
        rot_[6 + i] = back[i];
        eye_[i] = eye[i];
    }
    fov_ = fov_y;
}

void ModelPreview::set_light(const float dir[3])
{
    memcpy(light_, dir, sizeof(light_));
    normalise(light_);
}

void ModelPreview::project(const float p[3], float out[3]) const
{
    float d[3] = {p[0] - eye_[0], p[1] - eye_[1], p[2] - eye_[2]};
    float cx = d[0] * rot_[0] + d[1] * rot_[1] + d[2] * rot_[2];
    float cy = d[0] * rot_[3] + d[1] * rot_[4] + d[2] * rot_[5];
    float cz = d[0] * rot_[6] + d[1] * rot_[7] + d[2] * rot_[8];
    float f = 1.0f / std::tan(fov_ * 0.5f * 3.14159265f / 180.0f) * h_ * 0.5f;
    float depth = -cz;
    out[0] = w_ * 0.5f + cx / depth * f;
    out[1] = h_ * 0.5f - cy / depth * f;
    out[2] = depth;
}

const ModelPreview::Tex *ModelPreview::texture(const std::string &name)
{
    for (const Tex &t : textures_) {
        if (t.name == name) {
            return &t;
        }
    }
    std::string file = name;
    if (file.size() < 4 || file.compare(file.size() - 4, 4, ".bmp") != 0) {
        file += "/00000.bmp";
    }
    Tex t;
    t.name = name;
    int channels = 3;
    uint8_t *px = file_load_bmp((run_dir_ + "/" + file).c_str(), &t.w, &t.h, &channels);
    if (px) {
        t.rgb.assign(px, px + (size_t)t.w * t.h * 3);
        mem_free(px);
    }
    textures_.push_back(t);
    return &textures_.back();
}

void ModelPreview::raster(const float v[3][3], const float height[3], const float uv[3][2], const float col[3][4],
                          const Tex *tex, bool additive, bool clamp)
{
    for (int k = 0; k < 3; k++) {
        if (v[k][2] < 0.1f) {
            return;
        }
    }
    float area = (v[1][0] - v[0][0]) * (v[2][1] - v[0][1]) - (v[2][0] - v[0][0]) * (v[1][1] - v[0][1]);
    if (area == 0) {
        return;
    }
    int x0 = std::max(0, (int)std::floor(std::min({v[0][0], v[1][0], v[2][0]})));
    int x1 = std::min(w_ - 1, (int)std::ceil(std::max({v[0][0], v[1][0], v[2][0]})));
    int y0 = std::max(0, (int)std::floor(std::min({v[0][1], v[1][1], v[2][1]})));
    int y1 = std::min(h_ - 1, (int)std::ceil(std::max({v[0][1], v[1][1], v[2][1]})));
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            float px = x + 0.5f, py = y + 0.5f;
            float b[3];
            b[0] = ((v[1][0] - px) * (v[2][1] - py) - (v[2][0] - px) * (v[1][1] - py)) / area;
            b[1] = ((v[2][0] - px) * (v[0][1] - py) - (v[0][0] - px) * (v[2][1] - py)) / area;
            b[2] = 1 - b[0] - b[1];
            if (b[0] < 0 || b[1] < 0 || b[2] < 0) {
                continue;
            }
            // Perspective-correct weights.
            float iz = b[0] / v[0][2] + b[1] / v[1][2] + b[2] / v[2][2];
            float w[3] = {b[0] / v[0][2] / iz, b[1] / v[1][2] / iz, b[2] / v[2][2] / iz};
            float depth = 1.0f / iz;
            size_t at = (size_t)y * w_ + x;
            // The floor hides what is below it (an emerging or sinking model).
            if (depth >= depth_[at] || w[0] * height[0] + w[1] * height[1] + w[2] * height[2] < 0) {
                continue;
            }
            float u = w[0] * uv[0][0] + w[1] * uv[1][0] + w[2] * uv[2][0];
            float t = w[0] * uv[0][1] + w[1] * uv[1][1] + w[2] * uv[2][1];
            float texel[3] = {255, 255, 255};
            if (tex && tex->w > 0) {
                if (clamp) {
                    u = std::clamp(u, 0.0f, 0.999f);
                    t = std::clamp(t, 0.0f, 0.999f);
                } else {
                    u -= std::floor(u);
                    t -= std::floor(t);
                }
                int tx = std::min(tex->w - 1, (int)(u * tex->w));
                int ty = std::min(tex->h - 1, (int)(t * tex->h));
                const uint8_t *p = &tex->rgb[((size_t)ty * tex->w + tx) * 3];
                texel[0] = p[0];
                texel[1] = p[1];
                texel[2] = p[2];
            }
            float alpha = (w[0] * col[0][3] + w[1] * col[1][3] + w[2] * col[2][3]) / 255.0f;
            for (int c = 0; c < 3; c++) {
                float vc = w[0] * col[0][c] + w[1] * col[1][c] + w[2] * col[2][c];
                float out = texel[c] * vc / 255.0f;
                if (additive) {
                    rgb_[at * 3 + c] = std::min(255.0f, rgb_[at * 3 + c] + out * alpha);
                } else {
                    rgb_[at * 3 + c] = out;
                }
            }
            if (!additive) {
                depth_[at] = depth;
            }
            mask_[at] = 1;
        }
    }
}

void ModelPreview::draw_actor(PreviewActor &a)
{
    anim_build_matrices(&a.st);
    draw(*a.st.set->mesh, a.st);
}

void ModelPreview::draw(const ModelFile &mesh, const AnimState &st)
{
    if (!st.matrices || !st.set) {
        return;
    }
    const int lit_model = st.set->mesh_flags & ANIM_MESH_LIT;
    std::vector<float> world((size_t)mesh.vertex_count * 3);
    for (int i = 0; i < mesh.vertex_count; i++) {
        const float *m = st.matrices + 16 * mesh.vertex_bones[i];
        const float *p = mesh.positions[i];
        for (int r = 0; r < 3; r++) {
            world[i * 3 + r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
        }
    }
    for (int pass = 0; pass < 2; pass++) {
        for (int f = 0; f < mesh.face_count; f++) {
            const ModelFace &face = mesh.faces[f];
            const ModelTexture &entry = mesh.texture_entries[face.word & MODEL_FACE_TEXTURE_MASK];
            bool batched = (entry.flags & TEX_BATCHED_BITS) != 0;
            if (batched != (pass == 1)) {
                continue;
            }
            float p[3][3];
            for (int k = 0; k < 3; k++) {
                memcpy(p[k], &world[mesh.draw_vertices[face.index[k]].position * 3], sizeof(p[k]));
            }
            if (!batched) {
                float e1[3] = {p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]};
                float e2[3] = {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]};
                float n[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
                float to_eye[3] = {eye_[0] - p[0][0], eye_[1] - p[0][1], eye_[2] - p[0][2]};
                if (n[0] * to_eye[0] + n[1] * to_eye[1] + n[2] * to_eye[2] <= 0) {
                    continue;
                }
            }
            bool unlit = batched || !lit_model || (entry.flags & TEX_UNLIT_BIT);
            bool radial = !unlit && (face.word & MODEL_FACE_RADIAL);
            float sv[3][3], uv[3][2], col[3][4];
            const float height[3] = {p[0][1], p[1][1], p[2][1]};
            for (int k = 0; k < 3; k++) {
                const ModelDrawVertex &d = mesh.draw_vertices[face.index[k]];
                project(p[k], sv[k]);
                uv[k][0] = d.u;
                uv[k][1] = d.v;
                float light = 1.0f;
                if (!unlit) {
                    const float *m = st.matrices + 16 * d.bone;
                    float l;
                    if (radial) {
                        float dv[3] = {p[k][0] - m[12], p[k][1] - m[13], p[k][2] - m[14]};
                        normalise(dv);
                        l = dv[0] * light_[0] + dv[1] * light_[1] + dv[2] * light_[2];
                    } else {
                        float n[3];
                        for (int r = 0; r < 3; r++) {
                            n[r] = m[r] * d.normal[0] + m[4 + r] * d.normal[1] + m[8 + r] * d.normal[2];
                        }
                        normalise(n);
                        l = n[0] * light_[0] + n[1] * light_[1] + n[2] * light_[2];
                    }
                    light = l > 0 ? std::floor(256.0f * (0.8749f * l + 0.125f)) / 256.0f : 0.125f;
                }
                for (int c = 0; c < 3; c++) {
                    col[k][c] = (float)(d.colour >> (8 * c) & 0xff) * light;
                }
                col[k][3] = (float)(d.colour >> 24 & 0xff);
            }
            raster(sv, height, uv, col, texture(entry.colour), (entry.flags & TEX_ADDITIVE_BIT) != 0,
                   (entry.flags & TEX_CLAMP_BITS) != 0);
        }
    }
}

int ModelPreview::covered() const
{
    return (int)std::count(mask_.begin(), mask_.end(), 1);
}

void ModelPreview::covered_box(int box[4]) const
{
    box[0] = box[1] = box[2] = box[3] = -1;
    for (int y = 0; y < h_; y++) {
        for (int x = 0; x < w_; x++) {
            if (!mask_[(size_t)y * w_ + x]) {
                continue;
            }
            if (box[0] < 0) {
                box[0] = box[2] = x;
                box[1] = box[3] = y;
            }
            box[0] = std::min(box[0], x);
            box[1] = std::min(box[1], y);
            box[2] = std::max(box[2], x);
            box[3] = std::max(box[3], y);
        }
    }
}

bool ModelPreview::save(const std::string &name) const
{
    std::string dir = std::string(GLIMMERFALL_BINARY_DIR) + "/screens";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    std::vector<uint8_t> bytes((size_t)w_ * h_ * 3);
    for (size_t i = 0; i < bytes.size(); i++) {
        bytes[i] = (uint8_t)std::lround(std::clamp(rgb_[i], 0.0f, 255.0f));
    }
    std::vector<uint8_t> png = png_encode(w_, h_, bytes);
    FILE *f = fopen((dir + "/" + name + ".png").c_str(), "wb");
    if (!f) {
        return false;
    }
    size_t put = fwrite(png.data(), 1, png.size(), f);
    return fclose(f) == 0 && put == png.size();
}
