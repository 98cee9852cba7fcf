// gl_recorder.h -- a link-time stand-in for the GL and GLU calls of render/: the
// test_render_rec binary links render's sources against it instead of libGL. It keeps the
// state those calls set (bound texture, blend function, arrays) and records, in order,
// what pixels cannot tell: binds, blend functions, draws with their counts, index ranges
// and vertices, begin/end runs, uploads, deletes and array locks. Every GL or GLU function
// render/ calls must be defined in gl_recorder.cpp, or the binary does not link.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum class GlOp { Bind, BlendFunc, DrawElements, DrawArrays, Begin, End, Upload, Delete, Lock, Unlock, Enable, Disable, Flush };

struct GlEvent {
    GlOp op = GlOp::Bind;
    unsigned texture = 0;     // Bind / Delete: the name; draws and uploads: the texture bound
    unsigned src = 0;         // BlendFunc: as set; draws: the blend function in effect
    unsigned dst = 0;
    unsigned what = 0;        // Enable / Disable: the capability; Begin: the mode
    int count = 0;            // draws: indices or vertices; End: vertices of the run; Lock: count
                              // End also carries the bound texture, the blend function and the
                              // run's vertices like a draw
    int lo = 0;               // draws: the smallest and largest vertex index used
    int hi = 0;
    int blend_on = 0;         // draws: GL_BLEND enabled
    std::vector<std::array<float, 3>> positions;   // draws and End: each drawn vertex, in order
    std::vector<uint32_t> colours;                 // packed RGBA, red in the low byte
    std::vector<std::array<float, 2>> uvs;         // End: the texture coordinates of each vertex
    int width = 0;            // Upload
    int height = 0;
    int internal_format = 0;
    int format = 0;
    int mipmap = 0;           // 1: through gluBuild2DMipmaps
    int wrap_s = 0;           // Upload: the bound texture's parameters at the upload
    int wrap_t = 0;
    int min_filter = 0;
};

// The state the stand-in keeps between calls.
struct GlRecorderState {
    unsigned bound = 0;
    unsigned blend_src = 1;   // GL_ONE, GL_ZERO: GL's start values
    unsigned blend_dst = 0;
    int blend_on = 0;
    int locked = 0;
    float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};   // the current colour of immediate mode
    float uv[2] = {0.0f, 0.0f};                   // the current texture coordinates
    int viewport[4] = {0, 0, 640, 480};
    std::string extensions = "GL_ARB_multitexture GL_EXT_compiled_vertex_array";
};

// Everything recorded since the last glrec_reset.
std::vector<GlEvent> &glrec_events();
GlRecorderState &glrec_state();
// Empties the events and puts the state back to GL's start values.
void glrec_reset();
// While off, calls only change the state (nothing is stored: no allocation).
void glrec_set_recording(bool on);
// The events of one kind.
std::vector<GlEvent> glrec_only(GlOp op);
// The addresses glXGetProcAddressARB hands out for glLockArraysEXT and glUnlockArraysEXT.
void *glrec_lock_address();
void *glrec_unlock_address();
