// zgl.cpp -- the GL context state: fixed state, projection and view volume, clear
// colours, background hue, overlay plane, fade quad and the GL error log.

#include "render/zgl.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "render/hue.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>
#include <cstring>

int g_gl_width = 640;
int g_gl_height = 480;
float g_aspect = 640.0f / 480.0f;
int g_gl_ready;
int g_voodoo;

float g_zoom;
float g_fov = 45.0f;
float g_camera_height = 115.0f;
const float g_near_plane = 1.0f;
const float g_far_plane = 1000.0f;

float g_frustum_eye_corners[8][3];

float g_clear_colour[3];
float g_menu_clear_colour[3] = {0.12941177f, 0.12941177f, 0.12941177f};
float g_game_over_clear_colour[3] = {0.20784315f, 0.20784315f, 0.20784315f};
float g_background_colour[3] = {0.12941177f, 0.12941177f, 0.12941177f};

float g_background_hue;
float g_hue_bag[ZGL_HUE_BAG_SIZE];
int g_hue_bag_count;
int g_pixel_alignment = 9;

zgl_lock_arrays_fn_t g_lock_arrays_fn;
zgl_unlock_arrays_fn_t g_unlock_arrays_fn;

constexpr float ZGL_BYTE_TO_UNIT = 0.003921569f;     // 1/255
constexpr float ZGL_EASE_KEEP = 0.99f;               // a target is reached with a time constant of 100 calls
constexpr float ZGL_EASE_TAKE = 0.01f;
constexpr float ZGL_FADE_GREY = 0.20784315f;         // 53/255
constexpr float ZGL_OVERLAY_HALF = 15.0f;            // half height of the overlay plane's quad
constexpr float ZGL_HUE_JITTER = 30.0f;
constexpr float ZGL_RANDOM_SIGNED = 6.1037019e-05f;  // 2/32767: (r & 0x7fff) * this - 1 is in -1..1
constexpr int ZGL_TEXGEN_PLANES = 4;

// A random hue in -180..180.
static float zgl_random_hue(void)
{
    return ((float)(mt_rand() & 0x7fff) * ZGL_RANDOM_SIGNED - 1.0f) * 180.0f;
}

static float zgl_clamp_unit(float v)
{
    // NaN too: a clear colour eased from NaN would stay NaN.
    if (!(v >= 0.0f)) {
        return 0.0f;
    }
    if (v > 1.0f) {
        return 1.0f;
    }
    return v;
}

// Logs the pending GL error, if any, with a place number.
static void zgl_log_error(int where)
{
    GLenum err = glGetError();
    if (err != GL_NO_ERROR) {
        con_printf("*** [gl] error num %x at %d", (unsigned)err, where);
    }
}

int zgl_extension_in_list(const char *list, const char *name)
{
    if (!list || !name || !name[0] || strchr(name, ' ')) {
        return 0;
    }
    size_t len = strlen(name);
    const char *start = list;
    for (;;) {
        const char *at = strstr(start, name);
        if (!at) {
            return 0;
        }
        const char *end = at + len;
        if ((at == start || at[-1] == ' ') && (*end == ' ' || *end == 0)) {
            return 1;
        }
        start = end;
    }
}

int zgl_has_extension(const char *name)
{
    return zgl_extension_in_list((const char *)glGetString(GL_EXTENSIONS), name);
}

static const char *zgl_string(GLenum which)
{
    const char *s = (const char *)glGetString(which);
    return s ? s : "(none)";
}

void zgl_init_gl(void)
{
    g_aspect = (float)g_gl_width / (float)g_gl_height;
    g_gl_ready = 1;

    g_background_hue = zgl_random_hue();
    g_hue_bag_count = 0;
    g_hue_bag[0] = zgl_random_hue();

    for (int i = 0; i < 3; i++) {
        g_background_colour[i] = zgl_clamp_unit(0.0f);
    }
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);

    glDisable(GL_NORMALIZE);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DITHER);
    glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_FOG);
    glDisable(GL_LINE_STIPPLE);
    glDisable(GL_COLOR_LOGIC_OP);
    glDisable(GL_POLYGON_STIPPLE);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_SCISSOR_TEST);

    // A new context has alignment 1 whatever the cache remembers from the last one.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    g_pixel_alignment = 1;
    glShadeModel(GL_SMOOTH);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glEnable(GL_TEXTURE_2D);
    zgl_log_error(2);

    // Texture coordinates 0.1 x world x and 0.1 x world z for the ship rings; switched
    // on only while they are drawn.
    static const GLfloat plane_s[ZGL_TEXGEN_PLANES] = {0.1f, 0.0f, 0.0f, 0.0f};
    static const GLfloat plane_t[ZGL_TEXGEN_PLANES] = {0.0f, 0.0f, 0.1f, 0.0f};
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
    glTexGenfv(GL_S, GL_OBJECT_PLANE, plane_s);
    glTexGenfv(GL_T, GL_OBJECT_PLANE, plane_t);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_GEN_R);
    glDisable(GL_TEXTURE_GEN_Q);
    zgl_log_error(3);

    glHint(GL_FOG_HINT, GL_FASTEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POINT_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);

    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // The batch code sets the pointers; the three arrays stay enabled for the whole run.
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    zgl_log_error(4);

    const char *renderer = zgl_string(GL_RENDERER);
    g_voodoo = 0;
    if (strncmp(renderer, "3Dfx", 4) == 0) {
        g_voodoo = 1;
        con_printf("voodoo");
    }
    con_printf("[gl] vendor %s, version %s, renderer %s", zgl_string(GL_VENDOR), zgl_string(GL_VERSION),
               renderer);

    g_lock_arrays_fn = nullptr;
    g_unlock_arrays_fn = nullptr;
    if (zgl_has_extension("GL_EXT_compiled_vertex_array")) {
        g_lock_arrays_fn = (zgl_lock_arrays_fn_t)glXGetProcAddressARB((const GLubyte *)"glLockArraysEXT");
        g_unlock_arrays_fn = (zgl_unlock_arrays_fn_t)glXGetProcAddressARB((const GLubyte *)"glUnlockArraysEXT");
        con_printf("[gl] GL_EXT_compiled_vertex_array %p %p", reinterpret_cast<void *>(g_lock_arrays_fn),
                   reinterpret_cast<void *>(g_unlock_arrays_fn));
    }
}

void zgl_setup_view(int width, int height)
{
    // A zero height would make the aspect infinite; SDL never reports one.
    g_gl_width = width > 0 ? width : 1;
    g_gl_height = height > 0 ? height : 1;
    glClearDepth(1.0);
    glDepthRange(0.0, 1.0);
    glDepthMask(GL_TRUE);
    glViewport(0, 0, g_gl_width, g_gl_height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g_fov = 45.0f + g_zoom;
    g_camera_height = (30.0f - g_zoom) * 55.0f * 0.033333335f + 60.0f;
    zgl_set_projection();
    glDepthMask(GL_FALSE);
}

void zgl_set_projection_only(float zoom)
{
    g_fov = 45.0f + zoom;
    g_camera_height = (30.0f - zoom) * 55.0f * 0.033333335f + 60.0f;
    zgl_set_projection();
}

void zgl_set_projection(void)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    g_aspect = (float)g_gl_width / (float)g_gl_height;
    gluPerspective(g_fov, g_aspect, g_near_plane, g_far_plane);
    GLint viewport[4];
    GLdouble projection[16];
    GLdouble modelview[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);

    // Window corners in the order near, far of (0,0), (w,0), (w,h), (0,h).
    const double w = g_gl_width;
    const double h = g_gl_height;
    const double window[4][2] = {{0.0, 0.0}, {w, 0.0}, {w, h}, {0.0, h}};
    for (int c = 0; c < 4; c++) {
        for (int far = 0; far < 2; far++) {
            GLdouble x = 0.0;
            GLdouble y = 0.0;
            GLdouble z = 0.0;
            gluUnProject(window[c][0], window[c][1], (double)far, modelview, projection, viewport, &x, &y, &z);
            float *corner = g_frustum_eye_corners[c + 4 * far];
            corner[0] = (float)x;
            corner[1] = (float)y;
            corner[2] = (float)z;
        }
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The level script and the game tick set clear colours, and both also run without a
// window (the level driver runs headless): GL is told only when a context exists.
static void zgl_clear_colour(float r, float g, float b, float a)
{
    if (g_gl_ready) {
        glClearColor(r, g, b, a);
    }
}

void zgl_set_background_rgb(float r, float g, float b, float alpha)
{
    g_background_colour[0] = zgl_clamp_unit(r * ZGL_BYTE_TO_UNIT);
    g_background_colour[1] = zgl_clamp_unit(g * ZGL_BYTE_TO_UNIT);
    g_background_colour[2] = zgl_clamp_unit(b * ZGL_BYTE_TO_UNIT);
    zgl_clear_colour(g_background_colour[0], g_background_colour[1], g_background_colour[2], alpha);
}

float zgl_set_background_colour(float ignored, float percent)
{
    (void)ignored;
    // The level colour is the orange (255, 153, 0) turned to the background hue.
    uint8_t pixel[4] = {255, 153, 0, 0};
    hue_set_angle(g_background_hue);
    hue_apply_rgb(pixel, 1, 4, 0);
    for (int i = 0; i < 3; i++) {
        g_background_colour[i] = zgl_clamp_unit((float)pixel[i] * percent * 0.01f * ZGL_BYTE_TO_UNIT);
    }
    zgl_clear_colour(g_background_colour[0], g_background_colour[1], g_background_colour[2], 1.0f);
    return g_background_hue;
}

static void zgl_fade_clear_to(const float target[3])
{
    for (int i = 0; i < 3; i++) {
        g_clear_colour[i] = ZGL_EASE_KEEP * g_clear_colour[i] + ZGL_EASE_TAKE * target[i];
    }
    zgl_clear_colour(g_clear_colour[0], g_clear_colour[1], g_clear_colour[2], 1.0f);
}

void zgl_fade_clear_to_a(void)
{
    zgl_fade_clear_to(g_menu_clear_colour);
}

void zgl_fade_clear_to_b(void)
{
    zgl_fade_clear_to(g_game_over_clear_colour);
}

void zgl_fade_clear_to_background(void)
{
    zgl_fade_clear_to(g_background_colour);
}

void zgl_restore_clear_colour(void)
{
    for (int i = 0; i < 3; i++) {
        g_clear_colour[i] = g_menu_clear_colour[i];
    }
    zgl_clear_colour(g_clear_colour[0], g_clear_colour[1], g_clear_colour[2], 1.0f);
}

void zgl_brighten_background(void)
{
    for (int i = 0; i < 3; i++) {
        g_background_colour[i] *= 1.5f;
    }
}

float zgl_pick_background_hue(void)
{
    float pick;
    if (g_hue_bag_count <= 1) {
        pick = g_hue_bag[0];
        for (int i = 0; i < ZGL_HUE_BAG_SIZE; i++) {
            g_hue_bag[i] = 60.0f * (float)i;
        }
        g_hue_bag_count = ZGL_HUE_BAG_SIZE;
    } else {
        int k = (int)(((uint32_t)g_hue_bag_count * (mt_rand() & 0x7fff)) >> 15);
        g_hue_bag_count--;
        pick = g_hue_bag[k];
        for (int i = k; i < g_hue_bag_count; i++) {
            g_hue_bag[i] = g_hue_bag[i + 1];
        }
    }
    float jitter = ((float)(mt_rand() & 0x7fff) * ZGL_RANDOM_SIGNED - 1.0f) * ZGL_HUE_JITTER;
    g_background_hue = angle_wrap180(pick + jitter);
    return g_background_hue;
}

void zgl_set_overlay_matrix(void)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, ZGL_OVERLAY_Z);
}

void zgl_draw_fade_quad(float alpha, int grey)
{
    float c = grey ? ZGL_FADE_GREY : 0.0f;
    float a = g_aspect;
    glDisable(GL_TEXTURE_2D);
    glColor4f(c, c, c, alpha);
    glBegin(GL_QUADS);
    glVertex3f(-ZGL_OVERLAY_HALF * a, -ZGL_OVERLAY_HALF, 0.0f);
    glVertex3f(ZGL_OVERLAY_HALF * a, -ZGL_OVERLAY_HALF, 0.0f);
    glVertex3f(ZGL_OVERLAY_HALF * a, ZGL_OVERLAY_HALF, 0.0f);
    glVertex3f(-ZGL_OVERLAY_HALF * a, ZGL_OVERLAY_HALF, 0.0f);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

void zgl_check_error(int where)
{
    if (g_gl_ready) {
        zgl_log_error(where);
    }
}

void zgl_stop(void)
{
    if (g_gl_ready) {
        con_printf("[gl] stop");
        zgl_flush();
    }
}

void zgl_flush(void)
{
    if (g_gl_ready) {
        glFlush();
    }
}

void zgl_set_pixel_alignment(int n)
{
    int value = n == 8 ? 8 : 1;
    if (!g_gl_ready || value == g_pixel_alignment) {
        return;
    }
    glPixelStorei(GL_PACK_ALIGNMENT, value);
    glPixelStorei(GL_UNPACK_ALIGNMENT, value);
    g_pixel_alignment = value;
}

void zgl_color4f(float r, float g, float b, float a)
{
    glColor4f(r, g, b, a);
}

void zgl_color_rgba(uint32_t rgba)
{
    GLubyte c[4] = {(GLubyte)(rgba & 0xff), (GLubyte)((rgba >> 8) & 0xff), (GLubyte)((rgba >> 16) & 0xff),
                    (GLubyte)(rgba >> 24)};
    glColor4ubv(c);
}

void zgl_color_rgba_copy(uint32_t rgba)
{
    zgl_color_rgba(rgba);
}

void zgl_enable_cull_face(void)
{
    glEnable(GL_CULL_FACE);
}

void zgl_disable_cull_face(void)
{
    glDisable(GL_CULL_FACE);
}

void zgl_enable_depth_test(void)
{
    glEnable(GL_DEPTH_TEST);
}

void zgl_disable_depth_test(void)
{
    glDisable(GL_DEPTH_TEST);
}

void zgl_enable_blend(void)
{
    glEnable(GL_BLEND);
}

void zgl_depth_mask_off(void)
{
    glDepthMask(GL_FALSE);
}

void zgl_clear(void)
{
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void zgl_nop(void)
{
}
