// scorefile.h -- "score.cfg", the high-score tables and level words on disk, and its
// extract "../scorestosend.txt" with the best three entries of each table.
#pragma once

#include <cstdint>

struct HighScore;

constexpr int SCORE_RECORD_BYTES = 28;
constexpr int SCORE_PAD_SIZE = 256;
constexpr int SCORE_EXTRACT_ROWS = 3;      // rows of each table in the extract
// The flag word, 320 records, 16 level words.
constexpr int SCORE_FILE_BYTES = 4 + 320 * SCORE_RECORD_BYTES + 16 * 4;
// The flag word, then rows 0..2 of each of the 16 tables.
constexpr int SCORE_EXTRACT_BYTES = 4 + 16 * SCORE_EXTRACT_ROWS * SCORE_RECORD_BYTES;

// The pad that scrambles both files: a permutation of 0..255 made from the program's key.
void score_pad(uint8_t pad[SCORE_PAD_SIZE]);
// Writes n records (whole tables of 20, at most 320) and m level words (at most 16) to
// "score.cfg" through a temporary file renamed over it, then the extract. 1 when
// "score.cfg" was written; 0 (logged) leaves the old file whole and writes no extract.
// A failed extract is silent.
int score_save(const HighScore *records, int n, const int32_t *words, int m);
// Reads "score.cfg" into records and words. 1 when read (a plain file is rewritten
// scrambled); 0 when there is none or it is empty, and 0 with a "*** [score]" line for
// a file too short to hold them, which is kept as "score.cfg.bad". On 0 nothing changes.
int score_load(HighScore *records, int n, int32_t *words, int m);
