// scorefile.cpp -- "score.cfg" and "../scorestosend.txt": the high-score records and
// level words written field by field, little-endian, the payload XORed with a fixed pad.

#include "game/scorefile.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/stream.h"
#include "game/highscore.h"

#include <cstdio>
#include <cstring>

static const char SCORE_FILE[] = "score.cfg";
static const char SCORE_FILE_TEMP[] = "score.cfg.tmp";
// A refused file is kept here for the player rather than overwritten by the next save.
static const char SCORE_FILE_BAD[] = "score.cfg.bad";
static const char SCORE_EXTRACT_NAME[] = "scorestosend.txt";
// The pad's key; its terminator is not part of it.
static const char SCORE_PAD_KEY[] = "quartzlanternfigs";
constexpr int SCORE_PAD_KEY_LENGTH = (int)sizeof(SCORE_PAD_KEY) - 1;
constexpr uint32_t SCORE_FLAG_PLAIN = 0;
constexpr uint32_t SCORE_FLAG_SCRAMBLED = 1;
constexpr int SCORE_FLAG_BYTES = 4;

static_assert(SCORE_FILE_BYTES == 9028, "score.cfg layout");
static_assert(SCORE_EXTRACT_BYTES == 1348, "scorestosend.txt layout");
static_assert(SCORE_RECORDS * SCORE_RECORD_BYTES + SCORE_TABLES * 4 + SCORE_FLAG_BYTES == SCORE_FILE_BYTES,
              "the file holds every table and level word");

void score_pad(uint8_t pad[SCORE_PAD_SIZE])
{
    for (int i = 0; i < SCORE_PAD_SIZE; i++) {
        pad[i] = (uint8_t)i;
    }
    int j = 0;
    for (int i = 0; i < SCORE_PAD_SIZE; i++) {
        j = (j + pad[i] + (uint8_t)SCORE_PAD_KEY[i % SCORE_PAD_KEY_LENGTH]) & 255;
        uint8_t swap = pad[i];
        pad[i] = pad[j];
        pad[j] = swap;
    }
}

// XORs bytes with the pad, counting from 0 at the first of them; its own inverse.
static void score_scramble(uint8_t *bytes, int size, const uint8_t pad[SCORE_PAD_SIZE])
{
    for (int k = 0; k < size; k++) {
        bytes[k] ^= pad[k & (SCORE_PAD_SIZE - 1)];
    }
}

static uint8_t *score_put_word(uint8_t *p, uint32_t v)
{
    p[0] = (uint8_t)v;
    p[1] = (uint8_t)(v >> 8);
    p[2] = (uint8_t)(v >> 16);
    p[3] = (uint8_t)(v >> 24);
    return p + 4;
}

static uint8_t *score_put_record(uint8_t *p, const HighScore *r)
{
    uint32_t bits;
    memcpy(&bits, &r->peak_skill, 4);
    p = score_put_word(p, bits);
    p = score_put_word(p, (uint32_t)r->score);
    p = score_put_word(p, (uint32_t)r->play_ticks);
    p = score_put_word(p, (uint32_t)r->levels);
    p = score_put_word(p, (uint32_t)r->extra);
    p = score_put_word(p, (uint32_t)r->date);
    memcpy(p, r->name, 4);
    return p + 4;
}

// Decodes a payload whose size was checked: every read fits.
static void score_get_payload(const uint8_t *payload, int n, int m, HighScore *records, int32_t *words)
{
    MemStream s;
    memstream_init(&s, payload, n * SCORE_RECORD_BYTES + m * 4, SCORE_FILE);
    for (int i = 0; i < n; i++) {
        HighScore *r = &records[i];
        memstream_read_floats(&s, &r->peak_skill, 1);
        memstream_read_ints(&s, &r->score, 1);
        memstream_read_ints(&s, &r->play_ticks, 1);
        memstream_read_ints(&s, &r->levels, 1);
        memstream_read_ints(&s, &r->extra, 1);
        memstream_read_ints(&s, &r->date, 1);
        memstream_read(&s, r->name, 4);
    }
    memstream_read_ints(&s, words, m);
}

static int score_file_bytes(int n, int m)
{
    return SCORE_FLAG_BYTES + n * SCORE_RECORD_BYTES + m * 4;
}

// Whole tables and at most the file's level words; anything else is a caller's fault.
static int score_valid_counts(const void *records, int n, const void *words, int m)
{
    if (!records || n < SCORE_ROWS || n > SCORE_RECORDS || n % SCORE_ROWS != 0 || m < 0 || m > SCORE_TABLES ||
        (m > 0 && !words)) {
        con_printf("*** [score] %d records and %d level words cannot be kept", n, m);
        return 0;
    }
    return 1;
}

// Writes the bytes beside path and renames them over it, so a failed or cut write
// leaves the old file whole. 1 when written.
static int score_write_file(const char *path, const char *temp, const uint8_t *bytes, int size)
{
    FILE *f = file_open(temp, "wb");
    if (!f) {
        return 0;
    }
    int bad = fwrite(bytes, 1, (size_t)size, f) != (size_t)size;
    bad |= fflush(f) != 0;
    bad |= ferror(f) != 0;
    bad |= fclose(f) != 0;
    if (bad || rename(temp, path) != 0) {
        remove(temp);
        return 0;
    }
    return 1;
}

// The extract: rows 0..2 of each table, scrambled with a count of its own.
static void score_write_extract(const uint8_t *plain_records, int tables, const uint8_t pad[SCORE_PAD_SIZE])
{
    uint8_t extract[SCORE_EXTRACT_BYTES];
    constexpr int TABLE_BYTES = SCORE_EXTRACT_ROWS * SCORE_RECORD_BYTES;
    uint8_t *p = score_put_word(extract, SCORE_FLAG_SCRAMBLED);
    for (int k = 0; k < tables; k++) {
        memcpy(p, plain_records + k * SCORE_ROWS * SCORE_RECORD_BYTES, TABLE_BYTES);
        p += TABLE_BYTES;
    }
    int payload = (int)(p - extract) - SCORE_FLAG_BYTES;
    score_scramble(extract + SCORE_FLAG_BYTES, payload, pad);

    char path[64];
    char temp[sizeof(path) + 4];
    snprintf(path, sizeof(path), "..%s%s", "/", SCORE_EXTRACT_NAME);
    snprintf(temp, sizeof(temp), "%s.tmp", path);
    // Optional: the game goes on silently when the folder above cannot take it.
    int quiet = g_file_quiet;
    g_file_quiet = 1;
    score_write_file(path, temp, extract, (int)(p - extract));
    g_file_quiet = quiet;
}

int score_save(const HighScore *records, int n, const int32_t *words, int m)
{
    if (!score_valid_counts(records, n, words, m)) {
        return 0;
    }
    int size = score_file_bytes(n, m);
    uint8_t *image = (uint8_t *)mem_alloc((size_t)size);
    if (!image) {
        return 0;
    }
    uint8_t *p = score_put_word(image, SCORE_FLAG_SCRAMBLED);
    for (int i = 0; i < n; i++) {
        p = score_put_record(p, &records[i]);
    }
    for (int i = 0; i < m; i++) {
        p = score_put_word(p, (uint32_t)words[i]);
    }

    // The extract is taken from the plain records, so the two pads count independently.
    uint8_t pad[SCORE_PAD_SIZE];
    score_pad(pad);
    uint8_t *plain_records = (uint8_t *)mem_alloc((size_t)n * SCORE_RECORD_BYTES);
    if (plain_records) {
        memcpy(plain_records, image + SCORE_FLAG_BYTES, (size_t)n * SCORE_RECORD_BYTES);
    }
    score_scramble(image + SCORE_FLAG_BYTES, size - SCORE_FLAG_BYTES, pad);

    int written = score_write_file(SCORE_FILE, SCORE_FILE_TEMP, image, size);
    if (!written) {
        con_printf("*** [score] could not write %s; the old file is kept", SCORE_FILE);
    } else if (plain_records) {
        score_write_extract(plain_records, n / SCORE_ROWS, pad);
    }
    mem_free(plain_records);
    mem_free(image);
    return written;
}

// Moves a file that cannot be read aside, replacing an older one.
static void score_keep_bad(void)
{
    if (rename(SCORE_FILE, SCORE_FILE_BAD) != 0) {
        con_printf("*** [score] could not keep %s as %s", SCORE_FILE, SCORE_FILE_BAD);
    }
}

int score_load(HighScore *records, int n, int32_t *words, int m)
{
    if (!score_valid_counts(records, n, words, m)) {
        return 0;
    }
    if (file_exists_size(SCORE_FILE) <= 0) {
        return 0;
    }
    FILE *f = file_open(SCORE_FILE, "rb");
    if (!f) {
        return 0;
    }
    // Only the bytes the tables need are read; a longer file keeps its tail unread.
    int need = score_file_bytes(n, m);
    uint8_t *image = (uint8_t *)mem_alloc((size_t)need);
    if (!image) {
        fclose(f);
        return 0;
    }
    int got = (int)fread(image, 1, (size_t)need, f);
    fclose(f);
    if (got < need) {
        con_printf("*** [score] %s holds %d bytes of %d: refused, kept as %s", SCORE_FILE, got, need,
                   SCORE_FILE_BAD);
        mem_free(image);
        score_keep_bad();
        return 0;
    }
    uint32_t flag = (uint32_t)image[0] | (uint32_t)image[1] << 8 | (uint32_t)image[2] << 16 |
                    (uint32_t)image[3] << 24;
    uint8_t *payload = image + SCORE_FLAG_BYTES;
    if (flag != SCORE_FLAG_PLAIN) {
        uint8_t pad[SCORE_PAD_SIZE];
        score_pad(pad);
        score_scramble(payload, need - SCORE_FLAG_BYTES, pad);
    }
    score_get_payload(payload, n, m, records, words);
    mem_free(image);
    if (flag == SCORE_FLAG_PLAIN) {
        score_save(records, n, words, m);
    }
    return 1;
}
