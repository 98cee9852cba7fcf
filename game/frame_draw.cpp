// frame_draw.cpp -- what the frame function draws in each screen state, in order.

#include "game/frame.h"
#include "game/frame_local.h"

#include "game/hud.h"
#include "game/level_driver.h"
#include "game/menu.h"
#include "platform/input.h"
#include "platform/zwin.h"
#include "render/batch.h"
#include "render/font.h"
#include "render/model.h"
#include "render/footprint.h"
#include "render/particle.h"
#include "render/tex.h"
#include "render/title.h"
#include "render/zgl.h"
#include "world/gamer.h"

constexpr float FRAME_PAUSE_DIM = 0.6f;        // the world under the pause page
constexpr float FRAME_SCOREPOP_RATE = 0.03f;   // score-number life per logic step

void frame_draw_game_clear(void)
{
    // After game over the game tick eases toward the game-over grey instead.
    if (!g_game_over) {
        zgl_fade_clear_to_background();
    }
    zgl_clear();
}

void frame_draw_game(void)
{
    zgl_enable_cull_face();
    zgl_enable_depth_test();
    // The world's models are tested against the camera's view: those wholly outside it
    // are not drawn. Their opaque faces are drawn by texture at the end of the pass.
    g_model_cull = 1;
    zgl_models_gather_begin();
    game_draw_world();
    zgl_models_gather_end();
    zbatch_flush_gl();

    // Translucent passes: sorted faces, no depth writes.
    zgl_disable_cull_face();
    zgl_enable_blend();
    zgl_depth_mask_off();
    particle_update_draw();
    footprint_draw();
    zbatch_flush();
    zbatch_unlock_arrays();
    zgl_blend_additive();
    gamer_draw_rings();
    zbatch_flush_gl();

    // Bullets and the aim marker stay visible through everything. The bullets' opaque
    // faces are gathered by texture wherever that leaves the screen as drawn in turn.
    zgl_disable_depth_test();
    zbatch_reset();
    zgl_models_layered_begin();
    game_draw_bullets();
    zgl_models_end();
    g_model_cull = 0;
    zbatch_flush();
    zbatch_unlock_arrays();
    gamer_draw_aim();
    zgl_blend_normal();
    font_bind();
    scorepop_update_draw(FRAME_SCOREPOP_RATE * g_frame_dt);

    zgl_set_overlay_matrix();
    if (g_fade > 0.0f) {
        zgl_draw_fade_quad(g_fade, 1);
    }
    hud_draw();
    if (g_back_latch) {
        zgl_draw_fade_quad(FRAME_PAUSE_DIM, 0);
        menu_draw();
    }
    zgl_reset_draw_state();
    zwin_swap();
}

void frame_draw_front_clear(int screen)
{
    if (screen == SCREEN_TITLE_1) {
        zgl_set_background_rgb(255.0f, 255.0f, 255.0f, 1.0f);
    } else if (screen == SCREEN_TITLE_2) {
        zgl_set_background_rgb(0.0f, 0.0f, 0.0f, 1.0f);
    } else {
        zgl_fade_clear_to_a();
    }
    zgl_clear();
}

void frame_draw_front_overlay(int screen)
{
    zgl_enable_blend();
    zgl_blend_normal();
    zgl_set_overlay_matrix();
    if (screen == SCREEN_MENU && g_fade > 0.0f) {
        title_load_draw();
    }
}

void frame_draw_front_pages(int screen)
{
    menu_draw_page_models();
    if (screen == SCREEN_MENU && g_mode_frames > FRAME_MENU_DELAY) {
        menu_draw();
    } else if (screen == SCREEN_END_OF_LOOP) {
        menu_end_page();
    }
    zgl_reset_draw_state();
    zwin_swap();
}
