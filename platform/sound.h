// sound.h -- the sound mixer: named interface and event sounds, the level's ambient
// track and the voices that play them.
#pragma once

constexpr int SFX_MAX_NUM = 256;   // sounds loaded at once: the front end's plus a level's

// Named sounds (sound_play_named ids).
constexpr int SOUND_MENU_SELECT = 0;
constexpr int SOUND_MENU_UPDOWN = 1;
constexpr int SOUND_MENU_LEFTRIGHT = 2;
constexpr int SOUND_PICKUP_POWERUP = 3;
constexpr int SOUND_SCORE_MULTIPLY = 4;
constexpr int SOUND_TIME_BONUS = 5;
constexpr int SOUND_EXTRA_SHIP = 6;
constexpr int SOUND_LEVEL_START = 7;
constexpr int SOUND_LEVEL_END = 8;
constexpr int SOUND_PING_MULTIPLY = 10;
constexpr int SOUND_PING_MULTIPLY_COUNT = 11;
constexpr int SOUND_PING_TIMER = 12;
constexpr int SOUND_PING_BOMB_COUNT = 13;
constexpr int SOUND_AMBIENT = 14;
constexpr int SOUND_NAMED_COUNT = 15;

// The volumes (console variables of game/settings.cpp's table, saved in "config.cfg").
extern float g_sound_sfxvol;               // 0.75 .. 1
extern float g_sound_menuvol;              // 0.75 .. 1

// Empties the sound table, opens the audio device and loads the named sounds (at every
// video restart). Without a device the game runs silent.
void sound_init(void);
// Frees every sound and closes the device.
void sound_shutdown(void);
// Frees every sound, then loads the named sounds 0..8 and 10..13.
void sound_load_named(void);
// Replaces the ambient track with a new random one, never the previous one (at every
// level set-up).
void sound_load_ambient(void);
// Stops and frees every table entry from index from on; the table then holds from entries.
void sound_free_all(int from);
// Stops every loaded sound whose group is at least group.
void sound_stop_from(int group);

// Loads "<sfx folder><name>.wav" once (a loaded name gives its index again, whatever the
// group and mode asked). mode 1: one instance at a time; above 9: the sound's priority,
// with a limited number of instances. The game's and the scripts' sound loader.
// Returns the table index, or -1 (no device, empty or overlong name, missing or bad
// file, full table).
int audio_Load(const char *name, int group, int mode);
// Plays named sound id (0..14) at the menu volume (ids 0..2) or the effects volume.
void sound_play_named(int id);
// The same, louder with f (0..1): factor f * 0.25 + 0.75.
void sound_play_named_scaled(int id, float f);
// Plays a loaded sound at a position, quieter with its distance from the camera across
// the floor; extra_priority raises it over other instances of the same sound.
void sound_play_at(int index, const float pos[3], int extra_priority);
// Where the listener stands: the camera's position (camera_position), handed over at
// start-up (init_imports).
extern void (*g_sound_listener)(float out[3]);
// Stops every voice playing a loaded sound.
void sound_stop(int index);
