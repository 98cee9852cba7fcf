// hud_local.h -- the HUD's state, shared by its setters and its drawing.
#pragma once

struct GameInfo;

constexpr int HUD_CAPTION_SIZE = 64;
constexpr int HUD_SCRATCH_SIZE = 128;
constexpr float HUD_START_OFFSET = 6.0f;       // icons and labels start pushed off the screen
constexpr float HUD_START_BLINK = 1.5f;

// Where the caption, the score and the share stand at level set-up; at the level end
// they glide back there.
constexpr float HUD_CAPTION_START[3] = {-4.5f, 2.0f, 14.0f};
constexpr float HUD_SCORE_START[3] = {-4.5f, -2.0f, 14.0f};
constexpr float HUD_SHARE_START_ONE[3] = {-4.5f, -3.0f, 14.0f};
constexpr float HUD_SHARE_START_TWO[3] = {-5.6f, -4.0f, 10.0f};

// One set, reset per level by hud_init_level.
struct HudState {
    char caption[HUD_CAPTION_SIZE];
    char scratch[2][HUD_SCRATCH_SIZE];
    float caption_pos[3];
    float score_pos[3];
    float share_pos[3];
    float glide;               // how fast the elements move toward their targets
    float offset;              // icons and labels are pushed away by it
    float end_timer;           // ticks since the level end; 0 while the level runs
    int clock_seconds;
    int clock_hundredths;
    float clock_pulse;
    int time_bonus;            // -1 none
    int kill_count;            // -1 none; the smart bombs counted at a tenth level
    int kill_step;
    int bomb_ready;            // the bomb phase's first step is set up
    int kill_bonus;            // the current step's bonus; below 0 the negated total once all are paid
    const char *banner1;
    const char *banner2;
    GameInfo *player1;
    GameInfo *player2;
    int shown_score;
    float caption_fade;
    float blink;
    float bonus_pulse;
    int shown_step;            // the multiplier step the end payments have reached
    int level_ticks;           // as the level driver last gave it
};

extern HudState g_hud;
