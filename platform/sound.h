// sound.h -- the sound mixer: named interface and event sounds, the level's ambient
// track and the voices that play them.
#pragma once

// Opens the audio device and loads the named sounds (at every video restart).
void sound_init(void);
// Frees every sound and closes the device.
void sound_shutdown(void);
// Replaces the ambient track with a new random one (at every level set-up).
void sound_load_ambient(void);
// Stops every loaded sound whose group is at least group.
void sound_stop_from(int group);

// Loads "<sfx folder><name>.wav" once (a loaded name gives its index again); the game's
// and the scripts' sound loader. Returns the table index, or -1.
int audio_Load(const char *name, int group, int mode);
// Plays named sound id (0..14) at the menu or effects volume.
void sound_play_named(int id);
// The same, louder with f (0..1): factor f * 0.25 + 0.75.
void sound_play_named_scaled(int id, float f);
// Plays a loaded sound at a position, quieter with its distance from the camera.
void sound_play_at(int index, const float pos[3], int extra_priority);
// Stops every voice playing a loaded sound.
void sound_stop(int index);
