// gl_recorder.cpp -- the GL and GLU functions of render/, as a recorder (see gl_recorder.h).
// Functions that only set state GL keeps for itself are empty; queries answer with the
// values a fresh context would.

#include "tests/render/gl_recorder.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <cstring>
#include <map>

namespace {

struct ArrayPointer {
    int size = 0;
    GLenum type = 0;
    int stride = 0;
    const uint8_t *base = nullptr;
};

struct Recorder {
    std::vector<GlEvent> events;
    GlRecorderState state;
    bool recording = true;
    ArrayPointer vertex;
    ArrayPointer colour;
    std::map<unsigned, std::array<int, 3>> params;   // per texture name: wrap s, wrap t, min filter
    int run_vertices = 0;
    GlEvent run;          // the vertices of the immediate-mode run in progress
};

Recorder &rec()
{
    static Recorder r;
    return r;
}

GlEvent gl_event(GlOp op)
{
    GlEvent e;
    e.op = op;
    return e;
}

void record(GlEvent e)
{
    if (rec().recording) {
        rec().events.push_back(std::move(e));
    }
}

std::array<int, 3> &texture_params(unsigned name)
{
    auto it = rec().params.find(name);
    if (it == rec().params.end()) {
        it = rec().params.emplace(name, std::array<int, 3>{GL_REPEAT, GL_REPEAT, GL_NEAREST_MIPMAP_LINEAR}).first;
    }
    return it->second;
}

// A draw: what is bound and how it blends, and each vertex it reads.
GlEvent draw_event(GlOp op, int count)
{
    GlEvent e = gl_event(op);
    e.texture = rec().state.bound;
    e.src = rec().state.blend_src;
    e.dst = rec().state.blend_dst;
    e.blend_on = rec().state.blend_on;
    e.count = count;
    return e;
}

void read_vertex(GlEvent &e, int index)
{
    const ArrayPointer &v = rec().vertex;
    const ArrayPointer &c = rec().colour;
    if (v.base && v.type == GL_FLOAT && v.size == 3) {
        std::array<float, 3> p;
        memcpy(p.data(), v.base + (size_t)index * v.stride, sizeof(float) * 3);
        e.positions.push_back(p);
    }
    if (c.base && c.type == GL_UNSIGNED_BYTE && c.size == 4) {
        uint32_t rgba;
        memcpy(&rgba, c.base + (size_t)index * c.stride, sizeof(rgba));
        e.colours.push_back(rgba);
    }
    if (e.positions.size() == 1 || index < e.lo) {
        e.lo = index;
    }
    if (e.positions.size() == 1 || index > e.hi) {
        e.hi = index;
    }
}

void upload(int internal, int width, int height, GLenum format, int mipmap)
{
    GlEvent e = gl_event(GlOp::Upload);
    e.texture = rec().state.bound;
    e.internal_format = internal;
    e.width = width;
    e.height = height;
    e.format = (int)format;
    e.mipmap = mipmap;
    const std::array<int, 3> &p = texture_params(rec().state.bound);
    e.wrap_s = p[0];
    e.wrap_t = p[1];
    e.min_filter = p[2];
    record(std::move(e));
}

void lock_arrays(GLint first, GLsizei count)
{
    (void)first;
    rec().state.locked = 1;
    GlEvent e = gl_event(GlOp::Lock);
    e.count = count;
    record(std::move(e));
}

void unlock_arrays()
{
    rec().state.locked = 0;
    record(gl_event(GlOp::Unlock));
}

void enable(GLenum cap, bool on)
{
    if (cap == GL_BLEND) {
        rec().state.blend_on = on ? 1 : 0;
    }
    GlEvent e = gl_event(on ? GlOp::Enable : GlOp::Disable);
    e.what = cap;
    record(std::move(e));
}

}  // namespace

std::vector<GlEvent> &glrec_events()
{
    return rec().events;
}

GlRecorderState &glrec_state()
{
    return rec().state;
}

void glrec_reset()
{
    Recorder &r = rec();
    r.events.clear();
    r.state = GlRecorderState{};
    r.vertex = ArrayPointer{};
    r.colour = ArrayPointer{};
    r.params.clear();
    r.recording = true;
}

void glrec_set_recording(bool on)
{
    rec().recording = on;
}

std::vector<GlEvent> glrec_only(GlOp op)
{
    std::vector<GlEvent> out;
    for (const GlEvent &e : rec().events) {
        if (e.op == op) {
            out.push_back(e);
        }
    }
    return out;
}

void *glrec_lock_address()
{
    return reinterpret_cast<void *>(&lock_arrays);
}

void *glrec_unlock_address()
{
    return reinterpret_cast<void *>(&unlock_arrays);
}

// ---- state and queries

void glBindTexture(GLenum, GLuint texture)
{
    rec().state.bound = texture;
    GlEvent e = gl_event(GlOp::Bind);
    e.texture = texture;
    record(std::move(e));
}

void glBlendFunc(GLenum sfactor, GLenum dfactor)
{
    rec().state.blend_src = sfactor;
    rec().state.blend_dst = dfactor;
    GlEvent e = gl_event(GlOp::BlendFunc);
    e.src = sfactor;
    e.dst = dfactor;
    record(std::move(e));
}

void glEnable(GLenum cap)
{
    enable(cap, true);
}

void glDisable(GLenum cap)
{
    enable(cap, false);
}

void glDeleteTextures(GLsizei n, const GLuint *textures)
{
    for (GLsizei i = 0; i < n; i++) {
        if (textures[i] == rec().state.bound) {
            rec().state.bound = 0;
        }
        GlEvent e = gl_event(GlOp::Delete);
        e.texture = textures[i];
        record(std::move(e));
    }
}

void glTexParameteri(GLenum, GLenum pname, GLint param)
{
    std::array<int, 3> &p = texture_params(rec().state.bound);
    if (pname == GL_TEXTURE_WRAP_S) {
        p[0] = param;
    } else if (pname == GL_TEXTURE_WRAP_T) {
        p[1] = param;
    } else if (pname == GL_TEXTURE_MIN_FILTER) {
        p[2] = param;
    }
}

void glTexImage2D(GLenum, GLint, GLint internalformat, GLsizei width, GLsizei height, GLint, GLenum format, GLenum,
                  const GLvoid *)
{
    upload(internalformat, width, height, format, 0);
}

GLint gluBuild2DMipmaps(GLenum, GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum,
                        const void *)
{
    upload(internalFormat, width, height, format, 1);
    return 0;
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid *ptr)
{
    rec().vertex = {size, type, stride, static_cast<const uint8_t *>(ptr)};
}

void glColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid *ptr)
{
    rec().colour = {size, type, stride, static_cast<const uint8_t *>(ptr)};
}

void glTexCoordPointer(GLint, GLenum, GLsizei, const GLvoid *)
{
}

void glDrawElements(GLenum, GLsizei count, GLenum type, const GLvoid *indices)
{
    if (!rec().recording) {
        return;
    }
    GlEvent e = draw_event(GlOp::DrawElements, count);
    for (GLsizei i = 0; i < count && type == GL_UNSIGNED_SHORT; i++) {
        read_vertex(e, static_cast<const GLushort *>(indices)[i]);
    }
    record(std::move(e));
}

void glDrawArrays(GLenum, GLint first, GLsizei count)
{
    if (!rec().recording) {
        return;
    }
    GlEvent e = draw_event(GlOp::DrawArrays, count);
    for (GLsizei i = 0; i < count; i++) {
        read_vertex(e, first + i);
    }
    record(std::move(e));
}

void glBegin(GLenum mode)
{
    rec().run_vertices = 0;
    rec().run = GlEvent{};
    GlEvent e = gl_event(GlOp::Begin);
    e.what = mode;
    record(std::move(e));
}

void glEnd(void)
{
    GlEvent e = draw_event(GlOp::End, rec().run_vertices);
    e.positions = std::move(rec().run.positions);
    e.colours = std::move(rec().run.colours);
    e.uvs = std::move(rec().run.uvs);
    rec().run = GlEvent{};
    record(std::move(e));
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    Recorder &r = rec();
    r.run_vertices++;
    if (!r.recording) {
        return;
    }
    const float *c = r.state.colour;
    uint32_t rgba = 0;
    for (int k = 0; k < 4; k++) {
        float v = c[k] < 0.0f ? 0.0f : (c[k] > 1.0f ? 1.0f : c[k]);
        rgba |= (uint32_t)(v * 255.0f + 0.5f) << (8 * k);
    }
    r.run.positions.push_back({x, y, z});
    r.run.colours.push_back(rgba);
    r.run.uvs.push_back({r.state.uv[0], r.state.uv[1]});
}

void glTexCoord2f(GLfloat s, GLfloat t)
{
    rec().state.uv[0] = s;
    rec().state.uv[1] = t;
}

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    float *c = rec().state.colour;
    c[0] = r;
    c[1] = g;
    c[2] = b;
    c[3] = a;
}

void glColor4ubv(const GLubyte *v)
{
    glColor4f(v[0] / 255.0f, v[1] / 255.0f, v[2] / 255.0f, v[3] / 255.0f);
}

const GLubyte *glGetString(GLenum name)
{
    switch (name) {
    case GL_VENDOR:
        return reinterpret_cast<const GLubyte *>("Glimmerfall");
    case GL_VERSION:
        return reinterpret_cast<const GLubyte *>("1.1 recorder");
    case GL_RENDERER:
        return reinterpret_cast<const GLubyte *>("GL recorder");
    case GL_EXTENSIONS:
        return reinterpret_cast<const GLubyte *>(rec().state.extensions.c_str());
    default:
        return nullptr;
    }
}

GLenum glGetError(void)
{
    return GL_NO_ERROR;
}

void glGetIntegerv(GLenum pname, GLint *params)
{
    if (pname == GL_VIEWPORT) {
        memcpy(params, rec().state.viewport, sizeof(rec().state.viewport));
    } else {
        params[0] = 0;
    }
}

void glGetDoublev(GLenum, GLdouble *params)
{
    for (int i = 0; i < 16; i++) {
        params[i] = (i % 5 == 0) ? 1.0 : 0.0;
    }
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    GLint v[4] = {x, y, width, height};
    memcpy(rec().state.viewport, v, sizeof(v));
}

GLint gluUnProject(GLdouble, GLdouble, GLdouble, const GLdouble *, const GLdouble *, const GLint *, GLdouble *objX,
                   GLdouble *objY, GLdouble *objZ)
{
    *objX = *objY = *objZ = 0.0;
    return GL_TRUE;
}

__GLXextFuncPtr glXGetProcAddressARB(const GLubyte *name)
{
    const char *n = reinterpret_cast<const char *>(name);
    if (strcmp(n, "glLockArraysEXT") == 0) {
        return reinterpret_cast<__GLXextFuncPtr>(&lock_arrays);
    }
    if (strcmp(n, "glUnlockArraysEXT") == 0) {
        return reinterpret_cast<__GLXextFuncPtr>(&unlock_arrays);
    }
    return nullptr;
}

// ---- state GL keeps for itself

void gluPerspective(GLdouble, GLdouble, GLdouble, GLdouble) {}
void glClear(GLbitfield) {}
void glClearColor(GLclampf, GLclampf, GLclampf, GLclampf) {}
void glClearDepth(GLclampd) {}
void glCullFace(GLenum) {}
void glDepthFunc(GLenum) {}
void glDepthMask(GLboolean) {}
void glDepthRange(GLclampd, GLclampd) {}
void glEnableClientState(GLenum) {}
void glFlush(void)
{
    record(gl_event(GlOp::Flush));
}
void glFrontFace(GLenum) {}
void glHint(GLenum, GLenum) {}
void glLoadIdentity(void) {}
void glMatrixMode(GLenum) {}
void glPixelStorei(GLenum, GLint) {}
void glRotatef(GLfloat, GLfloat, GLfloat, GLfloat) {}
void glShadeModel(GLenum) {}
void glTexEnvi(GLenum, GLenum, GLint) {}
void glTexGenfv(GLenum, GLenum, const GLfloat *) {}
void glTexGeni(GLenum, GLenum, GLint) {}
void glTranslatef(GLfloat, GLfloat, GLfloat) {}
