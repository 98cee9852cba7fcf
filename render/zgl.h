// zgl.h -- the GL context state: the fixed state set after every mode change, viewport
// and projection with the view-volume corners, the clear colours and their easing, the
// background hue, the overlay plane, the fade quad, the GL error log, and the one-line
// wrappers through which the game switches GL capabilities.
#pragma once

#include <cstdint>

constexpr int ZGL_HUE_BAG_SIZE = 6;           // six hues 60 degrees apart

// Size of the view (640 x 480 until zgl_setup_view) and its width / height.
extern int g_gl_width;
extern int g_gl_height;
extern float g_aspect;
// 0 until the first zgl_init_gl, then 1: guards every call that needs a context.
extern int g_gl_ready;
// 1 when the renderer string starts with "3Dfx" (the title graphics take another path).
extern int g_voodoo;

extern float g_zoom;                          // always 0
extern float g_fov;                           // vertical field of view, 45 + zoom degrees
extern float g_camera_height;                 // start height of the camera follow, 115 at zoom 0
extern const float g_near_plane;              // 1
extern const float g_far_plane;               // 1000

// The eight corners of the view volume in eye space: 0..3 the window corners (0,0),
// (w,0), (w,h), (0,h) on the near plane, 4..7 the same on the far plane.
extern float g_frustum_eye_corners[8][3];

// Clear colours (r, g, b in 0..1).
extern float g_clear_colour[3];               // the current one
extern float g_menu_clear_colour[3];          // menus and the end-of-loop page: 33/255 grey
extern float g_game_over_clear_colour[3];     // after game over: 53/255 grey
extern float g_background_colour[3];          // the level's colour, set by its script

extern float g_background_hue;                // degrees, -180..180
extern float g_hue_bag[ZGL_HUE_BAG_SIZE];     // hues not yet drawn since the last refill
extern int g_hue_bag_count;
extern int g_pixel_alignment;                 // pack/unpack alignment last set; 9 = none yet

// glLockArraysEXT and glUnlockArraysEXT when GL_EXT_compiled_vertex_array is offered, else null.
typedef void (*zgl_lock_arrays_fn_t)(int first, int count);
typedef void (*zgl_unlock_arrays_fn_t)(void);
extern zgl_lock_arrays_fn_t g_lock_arrays_fn;
extern zgl_unlock_arrays_fn_t g_unlock_arrays_fn;

// The start-up state, after every video mode change: fixed capabilities, texture
// environment, a fresh background hue, black background, the compiled-array entry points.
void zgl_init_gl(void);
// 1 when name is a whole blank-separated word of the GL_EXTENSIONS string.
int zgl_has_extension(const char *name);
// The same over any list; 0 for an empty name or one holding a blank.
int zgl_extension_in_list(const char *list, const char *name);
// Viewport, clear, field of view and projection for a view of width x height.
void zgl_setup_view(int width, int height);
// Perspective projection and the view-volume corners; leaves modelview identity.
void zgl_set_projection(void);
void zgl_set_projection_only(float zoom);

// Clear colour from 0..255 components (clamped), stored as the background colour.
void zgl_set_background_rgb(float r, float g, float b, float alpha);
// The body of c_background_colour: the background colour from the background hue at
// the given brightness percentage; returns the hue in degrees.
float zgl_set_background_colour(float ignored, float percent);
// One easing step of the current clear colour toward the menu, game-over or
// background colour (1% per call).
void zgl_fade_clear_to_a(void);
void zgl_fade_clear_to_b(void);
void zgl_fade_clear_to_background(void);
// The clear colour jumps to the menu colour.
void zgl_restore_clear_colour(void);
// Background colour x 1.5 (GL clamps it).
void zgl_brighten_background(void);
// The next background hue: the six hues of the bag in random order, each with a
// jitter of up to 30 degrees; returns it and stores it in g_background_hue.
float zgl_pick_background_hue(void);

// Where the overlay plane lies in eye space: its z = 0 is eye z -30.
constexpr float ZGL_OVERLAY_Z = -30.0f;
// Modelview for overlay drawing: the plane z = -30 of eye space.
void zgl_set_overlay_matrix(void);
// A quad over the whole overlay plane: 53/255 grey when grey is non-zero, else black.
void zgl_draw_fade_quad(float alpha, int grey);
// Logs a pending GL error with the caller's place number.
void zgl_check_error(int where);
// "[gl] stop" and a flush, when GL is up.
void zgl_stop(void);
// glFlush when GL is up.
void zgl_flush(void);
// 8 sets pack and unpack alignment 8, anything else 1; GL is called only on a change.
void zgl_set_pixel_alignment(int n);

void zgl_color4f(float r, float g, float b, float a);
// Colour from a packed RGBA word (red in the low byte).
void zgl_color_rgba(uint32_t rgba);
void zgl_color_rgba_copy(uint32_t rgba);
void zgl_enable_cull_face(void);
void zgl_disable_cull_face(void);
void zgl_enable_depth_test(void);
void zgl_disable_depth_test(void);
void zgl_enable_blend(void);
void zgl_depth_mask_off(void);
// Depth writes on, then clears colour and depth.
void zgl_clear(void);
// Does nothing; vertical sync is not applied.
void zgl_nop(void);
