// stream.h -- memory streams: a whole data file in one pool block, read front to back
// as little-endian 4-byte words and floats. One stream serves the mesh files, one the
// animation files. Every read is bounded: a read that would pass the end is refused,
// logged once, and leaves the stream failed so the loader can refuse the file.
#pragma once

#include <cstdint>

struct MemStream {
    const uint8_t *cursor;   // next byte to read
    uint8_t *base;           // the whole file
    int size;                // bytes in base
    int owned;               // base is a pool block the stream frees on close
    int failed;              // a read passed the end; every later read is refused silently
    char name[64];           // the file, for the log line
};

// The mesh stream and the animation stream; one file each at a time, main thread only.
extern MemStream g_model_stream;
extern MemStream g_anim_stream;

// Opens a stream over bytes the caller keeps (not freed on close).
void memstream_init(MemStream *s, const uint8_t *data, int size, const char *name);
// Loads the file whole into the stream; 1, or 0 when it is missing, empty or unreadable
// (the file layer logs why unless quiet).
int memstream_open_file(MemStream *s, const char *path);
// Frees an owned block and empties the stream.
void memstream_close(MemStream *s);
// Bytes not read yet.
int memstream_left(const MemStream *s);
// Each read copies n items and advances; 1 on success, 0 (nothing copied) when the
// stream failed before or the items do not fit in what is left.
int memstream_read(MemStream *s, void *dest, int n);
int memstream_read_words(MemStream *s, uint32_t *dest, int n);
int memstream_read_ints(MemStream *s, int32_t *dest, int n);
int memstream_read_floats(MemStream *s, float *dest, int n);
int memstream_read_vec3(MemStream *s, float (*dest)[3], int n);

// The animation stream over "<folder>/anim.bin": 1, or 0 after logging
// "[file1] anim ??? cant read <path>".
int astream_open(const char *folder);
void astream_close(void);
int astream_read(void *dest, int n);
int astream_read_words(uint32_t *dest, int n);
int astream_read_ints(int32_t *dest, int n);
int astream_read_floats(float *dest, int n);

// The mesh stream over the file at path: 1 or 0.
int mstream_open(const char *path);
void mstream_close(void);
int mstream_read(void *dest, int n);
int mstream_read_words(uint32_t *dest, int n);
int mstream_read_vec3(float (*dest)[3], int n);
