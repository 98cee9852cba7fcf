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
