// "score.cfg" and its extract: the pad, the layout byte by byte, the round trip, plain
// files, and files that are short, random or cannot be written.

#include "game/scorefile.h"

#include "core/mem.h"
#include "game/gameinfo.h"
#include "game/highscore.h"
#include "game/menu.h"
#include "tests/game/game_folder.h"
#include "tests/support/log_capture.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// The pad's first bytes and byte 63, worked out apart from the game from the key
// schedule over "quartzlanternfigs".
constexpr uint8_t PAD_0_TO_3[4] = {0x48, 0x9D, 0x4A, 0xBF};
constexpr uint8_t PAD_63 = 0xC6;

void put_word(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; i++) {
        out += (char)(uint8_t)(v >> (8 * i));
    }
}

// The 28 bytes of one record as the file lays them out.
std::string record_bytes(const HighScore &h)
{
    std::string out;
    uint32_t bits;
    memcpy(&bits, &h.peak_skill, 4);
    put_word(out, bits);
    for (int32_t v : {h.score, h.play_ticks, h.levels, h.extra, h.date}) {
        put_word(out, (uint32_t)v);
    }
    out.append(h.name, 4);
    return out;
}

uint32_t word_at(const std::string &s, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; i--) {
        v = v << 8 | (uint8_t)s[at + i];
    }
    return v;
}

class ScoreFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        g_game_type = 0.0f;
        g_two_player = 0;
        // Every field of every record differs, so a misplaced byte shows.
        for (int i = 0; i < SCORE_RECORDS; i++) {
            HighScore &h = records[i];
            h.peak_skill = 0.5f + (float)i;
            h.score = 1000000 - 977 * i;
            h.play_ticks = 12345 + i;
            h.levels = i % 37;
            h.extra = i * 3;
            h.date = 1700000000 + i;
            snprintf(h.name, sizeof(h.name), "%c%02d", 'a' + i % 26, i % 100);
        }
        for (int k = 0; k < SCORE_TABLES; k++) {
            words[k] = 0x01020304 * (k + 1) - 7;
        }
    }
    void TearDown() override
    {
        EXPECT_EQ(mem_usage, 0u) << "a pool block was left behind";
        score_tables_reset();   // no loaded file's tables stay behind for later tests
    }

    std::string plain_file(uint32_t flag) const
    {
        std::string out;
        put_word(out, flag);
        for (const HighScore &h : records) {
            out += record_bytes(h);
        }
        for (int32_t w : words) {
            put_word(out, (uint32_t)w);
        }
        return out;
    }
    void expect_loaded(const HighScore *got, const int32_t *got_words) const
    {
        for (int i = 0; i < SCORE_RECORDS; i++) {
            ASSERT_EQ(record_bytes(got[i]), record_bytes(records[i])) << "record " << i;
        }
        for (int k = 0; k < SCORE_TABLES; k++) {
            EXPECT_EQ(got_words[k], words[k]) << "word " << k;
        }
    }

    int lines_starting(const std::string &start) const
    {
        int n = 0;
        for (const std::string &line : log.lines()) {
            n += line.rfind(start, 0) == 0;
        }
        return n;
    }

    GameFolder folder;
    LogCapture log;
    HighScore records[SCORE_RECORDS] = {};
    int32_t words[SCORE_TABLES] = {};
};

TEST_F(ScoreFile, PadIsTheKeySchedule)
{
    uint8_t pad[SCORE_PAD_SIZE];
    score_pad(pad);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(pad[i], PAD_0_TO_3[i]) << i;
    }
    EXPECT_EQ(pad[63], PAD_63);
}

TEST_F(ScoreFile, SaveWritesScrambledFieldsAndLoadsBackWhole)
{
    ASSERT_EQ(score_save(records, SCORE_RECORDS, words, SCORE_TABLES), 1);
    std::string file = folder.read("score.cfg");
    std::string plain = plain_file(1);
    ASSERT_EQ(file.size(), 9028u);
    EXPECT_EQ(file.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    // Payload byte k is plain byte k XOR pad[k mod 256], one count through the words.
    EXPECT_EQ((uint8_t)file[4 + 0], (uint8_t)(plain[4 + 0] ^ PAD_0_TO_3[0]));
    EXPECT_EQ((uint8_t)file[4 + 8960], (uint8_t)(plain[4 + 8960] ^ PAD_0_TO_3[0]));
    EXPECT_EQ((uint8_t)file[4 + 9023], (uint8_t)(plain[4 + 9023] ^ PAD_63));
    EXPECT_FALSE(folder.exists("score.cfg.tmp"));

    HighScore back[SCORE_RECORDS] = {};
    int32_t back_words[SCORE_TABLES] = {};
    ASSERT_EQ(score_load(back, SCORE_RECORDS, back_words, SCORE_TABLES), 1);
    expect_loaded(back, back_words);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(ScoreFile, ExtractHoldsTheTopThreeRowsOfEveryTable)
{
    ASSERT_EQ(score_save(records, SCORE_RECORDS, words, SCORE_TABLES), 1);
    std::string extract = folder.read_up("scorestosend.txt");
    ASSERT_EQ(extract.size(), 1348u);
    EXPECT_EQ(word_at(extract, 0), 1u);
    uint8_t pad[SCORE_PAD_SIZE];
    score_pad(pad);
    for (size_t k = 4; k < extract.size(); k++) {
        extract[k] = (char)(extract[k] ^ pad[(k - 4) % 256]);
    }
    for (int k = 0; k < SCORE_TABLES; k++) {
        for (int j = 0; j < 3; j++) {
            EXPECT_EQ(extract.substr(4 + 84 * k + 28 * j, 28), record_bytes(records[SCORE_ROWS * k + j]))
                << "table " << k << " row " << j;
        }
    }
}

TEST_F(ScoreFile, PlainFileIsReadThenRewrittenScrambled)
{
    std::string plain = plain_file(0);
    folder.write("score.cfg", plain);
    HighScore got[SCORE_RECORDS] = {};
    int32_t got_words[SCORE_TABLES] = {};
    ASSERT_EQ(score_load(got, SCORE_RECORDS, got_words, SCORE_TABLES), 1);
    expect_loaded(got, got_words);

    std::string rewritten = folder.read("score.cfg");
    ASSERT_EQ(rewritten.size(), 9028u);
    EXPECT_EQ(word_at(rewritten, 0), 1u);
    EXPECT_NE(rewritten.substr(4), plain.substr(4)) << "the payload is scrambled";
    EXPECT_EQ(folder.read_up("scorestosend.txt").size(), 1348u);
    HighScore again[SCORE_RECORDS] = {};
    int32_t again_words[SCORE_TABLES] = {};
    ASSERT_EQ(score_load(again, SCORE_RECORDS, again_words, SCORE_TABLES), 1);
    expect_loaded(again, again_words);
}

TEST_F(ScoreFile, ShortFilesAreRefusedAndKeptAside)
{
    std::string whole = plain_file(1);
    for (size_t size : {size_t(4), size_t(9027)}) {
        log.clear();
        folder.write("score.cfg", whole.substr(0, size));
        score_init();
        EXPECT_EQ(lines_starting("*** [score]"), 1) << size << log.joined();
        EXPECT_EQ(g_score_tables[11][0].score, 20000) << "defaults stay";
        EXPECT_STREQ(g_score_tables[0][19].name, "---");
        EXPECT_EQ(folder.read("score.cfg.bad"), whole.substr(0, size));
        EXPECT_FALSE(folder.exists("score.cfg"));
    }
    // An empty file is no file: quietly the defaults.
    log.clear();
    folder.write("score.cfg", "");
    HighScore got[SCORE_RECORDS] = {};
    EXPECT_EQ(score_load(got, SCORE_RECORDS, words, SCORE_TABLES), 0);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(ScoreFile, RandomBytesLoadIntoBoundedLinesStagesAndTypes)
{
    std::mt19937 random(20);
    for (int round = 0; round < 8; round++) {
        std::string bytes(9028, '\0');
        for (char &c : bytes) {
            c = (char)(random() & 0xFF);
        }
        if (round == 0) {
            bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0;   // plain: names and words used as they are
        }
        folder.write("score.cfg", bytes);
        score_init();
        MenuItem items[SCORE_PAGE_ROWS] = {};
        for (int t = 0; t < SCORE_TABLES; t++) {
            for (int first = 0; first <= 10; first++) {
                score_format_table(items, first, t);
                for (int i = 1; i < SCORE_PAGE_ROWS; i++) {
                    ASSERT_LE(strnlen(items[i].text, sizeof(items[i].text)), 127u) << t << " " << first;
                }
            }
        }
        for (int two = 0; two < 2; two++) {
            g_two_player = two;
            for (int type = 0; type < 8; type++) {
                g_game_type = (float)type;
                int stages = level_reached_get();
                EXPECT_GE(stages, 1);
                EXPECT_LE(stages, 9);
            }
            int count = level_reached_count();
            EXPECT_GE(count, 0);
            EXPECT_LE(count, 7);
        }
        g_two_player = 0;
        g_game_type = 0.0f;
    }
}

TEST_F(ScoreFile, FailedSaveLeavesTheOldFileWhole)
{
    ASSERT_EQ(score_save(records, SCORE_RECORDS, words, SCORE_TABLES), 1);
    std::string before = folder.read("score.cfg");
    // A directory where the temporary file goes cannot be opened for writing, not even by root.
    std::filesystem::create_directory(folder.file("score.cfg.tmp"));
    records[0].score = 1;
    words[0] = 99;
    log.clear();
    EXPECT_EQ(score_save(records, SCORE_RECORDS, words, SCORE_TABLES), 0);
    EXPECT_EQ(lines_starting("*** [score]"), 1) << log.joined();
    EXPECT_EQ(folder.read("score.cfg"), before);
}

} // namespace
