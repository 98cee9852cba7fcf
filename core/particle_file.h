// particle_file.h -- the particle emitter file "<particles folder><name>.bin": the
// 552-byte emitter block decoded field by field into a plain emitter record, plus the
// texture it draws with. The particle system keeps such records as templates and
// copies them into live holders.
#pragma once

#include <cstdint>

struct Particle;
struct TextureRecord;

constexpr int PARTICLE_FILE_SIZE = 684;       // the emitter block plus its texture entry
constexpr int PARTICLE_BLOCK_SIZE = 552;
constexpr int PARTICLE_STAGES = 4;            // slot 0 current value, slots 1-3 stage values
constexpr int PARTICLE_NAME_SIZE = 64;
constexpr float PARTICLE_COLOUR_SCALE = 0.0039f;  // file colours 0..255 to 0..1

// Emitter flags.
constexpr uint32_t PARTICLE_SPIN = 0x20u;
constexpr uint32_t PARTICLE_ALPHA_FADE = 0x40u;
constexpr uint32_t PARTICLE_NORMALISE = 0x80u;
constexpr uint32_t PARTICLE_GROW = 0x200u;
constexpr uint32_t PARTICLE_ZIGZAG = 0x1000u;
constexpr uint32_t PARTICLE_INVERSE = 0x2000u;
constexpr uint32_t PARTICLE_OWNERLESS = 0x4000u;

// One emitter: the parameters of the file's block and the run-time state of a live
// holder. Times are seconds, speeds, spins and gravity per tick; staged fields hold the
// current value in slot 0 and the stage values in slots 1-3.
struct ParticleEmitter {
    float box[PARTICLE_STAGES][3];         // half extents of the emission box
    float direction[3];                    // (0, 0, 0) = undirected
    float spread[PARTICLE_STAGES];
    float speed[PARTICLE_STAGES];
    float speed_var[PARTICLE_STAGES];
    float spin[PARTICLE_STAGES];
    float spin_var[PARTICLE_STAGES];
    float rate[PARTICLE_STAGES];           // particles per tick
    float life;
    float fade;                            // fade value = fade x remaining life, capped at 1
    float life_var[PARTICLE_STAGES];
    float size[PARTICLE_STAGES];
    float size_var[PARTICLE_STAGES];
    float grow;
    float colour[PARTICLE_STAGES][4];      // RGBA, 0..1 once loaded
    float colour_var[PARTICLE_STAGES][4];
    float position[3];
    float rise;
    float stage_times[4];                  // T1 .. T4
    float duration;
    float gravity;
    float uv_extent;
    uint32_t flags;                        // PARTICLE_*

    // Run time.
    float time_left;                       // emission time left; starts at the duration
    float emission_credit;                 // fractional particles owed
    int live_index;                        // position in the live list, -1 when free
    Particle *particles;                   // the ring, none until the holder goes live
    TextureRecord *texture_record;         // the emitter's one-entry texture list
    uint32_t texture;                      // TextureHandle to draw with
    const float *matrix;                   // 4 x 4 column-major matrix followed, or none
    const void *owner;                     // owner token given at start
    int capacity;                          // ring slots, 0 until the ring is taken
    int count;
    int read_index;
    int write_index;
    char name[PARTICLE_NAME_SIZE];         // the effect's name

    // The texture entry of the file.
    uint32_t texture_flags;
    char texture_colour[PARTICLE_NAME_SIZE];   // backslashes turned into '/'
    char texture_mask[PARTICLE_NAME_SIZE];
};

// Decodes the first 684 bytes of a particle file (anything behind them is ignored).
// Refused with a "*** " line: fewer bytes, or a number that is not finite. The
// run-time fields start empty (no ring, live index -1, time left = duration); colours
// are left as in the file. Returns 1 or 0; path only labels the log lines.
int particle_parse(const uint8_t *data, int size, const char *path, ParticleEmitter *emitter);
// Hue-rotates the colour and colour variance of the four slots by the texture cache's
// preload hue (when it is not 0), then scales all colours from 0..255 to 0..1.
void particle_prepare_colours(ParticleEmitter *emitter);
// Reads the effect name from the particles folder into emitter: decoded, colours
// prepared, texture loaded through the texture cache. Returns 1, or 0 after
// "*** [particle] <name> doesnt exist", "*** particle file too small <path>" or a
// refusal of particle_parse.
int particle_load(const char *name, ParticleEmitter *emitter);
