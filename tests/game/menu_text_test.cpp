// The language texts: the shipped files of every language, and the loader and parser on
// small files in a temporary menu folder (fallbacks, limits, cuts, malformed sections).

#include "game/menu.h"
#include "game/menu_local.h"

#include "core/file.h"
#include "core/mem.h"
#include "game/lifecycle.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const int PAGE_ROWS[MENU_PAGE_COUNT] = {8, 7, 12, 4, 3, 13, 6, 2, 15, 4, 6, 4, 4, 3};
// Slots some page, the HUD or the controls page reads; 3, 4, 22 and 23 stand empty.
const std::vector<int> USED_SLOTS = [] {
    std::vector<int> used;
    for (int i = 0; i <= 56; i++) {
        if (i != 3 && i != 4 && i != 22 && i != 23) {
            used.push_back(i);
        }
    }
    return used;
}();

std::string row(const MenuItem *items, int r)
{
    return items[r].text;
}

std::string page_row(int page, int r)
{
    int count = 0;
    MenuItem *items = menu_page(page, &count);
    return r < count ? row(items, r) : std::string("<no row>");
}

class MenuTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        saved_menu_dir = g_menu_dir;
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s/data/menu/", relative_path(GLIMMERFALL_SOURCE_DIR).c_str());
        g_language_num = 0.0f;
        menu_init_languages();
    }
    void TearDown() override
    {
        menu_free_languages();
        g_language_num = 0.0f;
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s", saved_menu_dir.c_str());
        EXPECT_EQ(mem_usage, 0u);
    }
    std::string saved_menu_dir;
    void select_language(int i)
    {
        g_language_num = (float)i;
        menu_parse_text();
    }
};

// A section's rows as the file lists them, counted apart from the game's parser.
std::vector<int> section_sizes(const std::string &text)
{
    std::vector<int> sizes;
    size_t at = text.find('\n', text.find('\n') + 1) + 1;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        int n = std::stoi(text.substr(at, end - at));
        sizes.push_back(n);
        for (int i = 0; i <= n; i++) {
            end = text.find('\n', end + 1);
        }
        at = end + 1;
    }
    return sizes;
}

TEST_F(MenuTexts, EveryShippedLanguageFillsEveryUsedRowAndSlot)
{
    ASSERT_EQ(g_language_count, 3);
    for (const char *code : {"en", "de", "fr"}) {
        std::string text = read_file(std::string(g_menu_dir) + "menu_" + code + ".txt");
        std::vector<int> sizes = section_sizes(text);
        ASSERT_EQ(sizes.size(), 19u) << code;
        for (int p = 0; p < MENU_PAGE_COUNT; p++) {
            EXPECT_EQ(sizes[p], PAGE_ROWS[p]) << code << " section " << p;
        }
        for (int s = 14; s < 18; s++) {
            EXPECT_EQ(sizes[s], 0) << code << " section " << s;
        }
        EXPECT_EQ(sizes[18], 57) << code;
    }
    for (int lang = 0; lang < 3; lang++) {
        select_language(lang);
        for (int p = 0; p < MENU_PAGE_COUNT; p++) {
            int count = 0;
            MenuItem *items = menu_page(p, &count);
            ASSERT_EQ(count, PAGE_ROWS[p]);
            for (int r = 0; r < count; r++) {
                EXPECT_FALSE(row(items, r).empty()) << "language " << lang << " page " << p << " row " << r;
                EXPECT_EQ(row(items, r).find("xxxx"), std::string::npos) << lang << " " << p << " " << r;
            }
        }
        for (int slot : USED_SLOTS) {
            std::string t = menu_text(slot);
            EXPECT_TRUE(!t.empty() && t != "xxxx" && t != " ") << "language " << lang << " slot " << slot;
        }
        EXPECT_EQ(std::string(menu_text(0)), "Bonus") << "the end-of-loop line and the score mark";
        EXPECT_STRNE(g_key_names[97], "xxxx") << "the English key names serve every language";
    }
}

TEST_F(MenuTexts, LabelColumnsAgreeWithinEachSection)
{
    for (int lang = 0; lang < 3; lang++) {
        select_language(lang);
        const struct {
            int page;
            int column;
        } sections[] = {{MENU_PAGE_VIDEO, g_label_columns[MENU_COLUMN_VIDEO]},
                        {MENU_PAGE_SOUND, g_label_columns[MENU_COLUMN_SOUND]},
                        {MENU_PAGE_CONTROLS, g_label_columns[MENU_COLUMN_KEYS]}};
        for (const auto &s : sections) {
            int count = 0;
            MenuItem *items = menu_page(s.page, &count);
            int labelled = 0;
            for (int r = 0; r < count; r++) {
                std::string t = row(items, r);
                size_t colon = t.rfind(':');
                if (colon == std::string::npos) {
                    continue;
                }
                labelled++;
                EXPECT_EQ((int)colon + 2, s.column) << "language " << lang << " page " << s.page << " row " << r;
                EXPECT_EQ(t.substr(colon, 2), ": ") << lang << " " << s.page << " " << r;
            }
            EXPECT_GE(labelled, 2) << lang << " " << s.page;
        }
        EXPECT_EQ(g_label_columns[MENU_COLUMN_DEVICE], g_label_columns[MENU_COLUMN_KEYS]) << lang;
        EXPECT_EQ(page_row(MENU_PAGE_CONTROLS, 13).find(':'), std::string::npos) << "rewritten whole";
        // The dead-zone and mouse-speed rows put their values in the key column too.
        for (int slot : {1, 2}) {
            std::string t = menu_text(slot);
            EXPECT_EQ((int)t.size(), g_label_columns[MENU_COLUMN_KEYS]) << lang << " slot " << slot;
        }
    }
}

TEST_F(MenuTexts, EnglishWordsAndTheOtherLanguagesNames)
{
    select_language(0);
    const char *main_rows[] = {"One player", "Two players", "High scores", "Online scores",
                               "Settings",   "Help v1.33",  "Quit"};
    for (int r = 1; r <= 7; r++) {
        EXPECT_EQ(page_row(MENU_PAGE_MAIN, r), main_rows[r - 1]);
    }
    EXPECT_EQ(page_row(MENU_PAGE_SETTINGS, 1), "Language: English");
    EXPECT_EQ(page_row(MENU_PAGE_PAUSE, 1), "Resume");
    EXPECT_EQ(page_row(MENU_PAGE_PAUSE, 2), "Abandon game");
    EXPECT_EQ(page_row(MENU_PAGE_SCORES, 0), "High scores v1.33");
    EXPECT_EQ(page_row(MENU_PAGE_NAME, 3), page_row(MENU_PAGE_SCORES, 2));
    EXPECT_EQ(page_row(MENU_PAGE_STAGE, 4), "1 10 20 30 40 50 60 70 80");
    select_language(1);
    EXPECT_EQ(page_row(MENU_PAGE_SETTINGS, 1), "Sprache: Deutsch");
    select_language(2);
    EXPECT_EQ(page_row(MENU_PAGE_SETTINGS, 1), "Langue : Fran\xe7" "ais") << "one Latin-1 byte for the c cedilla";
}

// ---- the loader on small files ----

// A menu file: the depth line, a comment, then the given sections and the text slots.
std::string menu_file(const std::vector<std::vector<std::string>> &sections, const std::vector<std::string> &slots)
{
    std::string t = "[0]\ncomment\n";
    auto block = [&t](const std::vector<std::string> &rows) {
        t += std::to_string(rows.size()) + "\n";
        for (size_t r = 0; r < rows.size(); r++) {
            t += "[" + std::to_string(r) + "]" + rows[r] + "\n";
        }
        t += "--\n";
    };
    for (const auto &s : sections) {
        block(s);
    }
    for (size_t s = sections.size(); s < 18; s++) {
        block({});
    }
    block(slots);
    return t;
}

std::string main_page(const std::string &word)
{
    return menu_file({{"T", word, "b", "c", "d", "e", "f", "g"}}, {"Bonus#" + word, "one"});
}

class MenuLoader : public ::testing::Test {
protected:
    TempDir dir{true};

    void SetUp() override
    {
        mem_init();
        std::filesystem::create_directories("run");
        ASSERT_EQ(chdir("run"), 0);
        snprintf(g_menu_dir, FILE_DIR_SIZE, "../menu/");
        g_language_num = 0.0f;
        write("menu_en.txt", main_page("English"));
        write("keys_en.txt", "a\nb\n");
    }
    void TearDown() override
    {
        menu_free_languages();
        menu_parse_text();   // leaves every slot "xxxx" for the next test
        g_language_num = 0.0f;
        EXPECT_EQ(chdir(".."), 0);
        EXPECT_EQ(mem_usage, 0u);
    }
    void write(const std::string &name, const std::string &bytes) { dir.write("menu/" + name, bytes); }
    void remove(const std::string &name) { std::filesystem::remove(dir.file("menu/" + name)); }
    void load()
    {
        menu_init_languages();
        menu_parse_text();
    }
};

TEST_F(MenuLoader, TheListDecidesHowManyLanguagesLoad)
{
    write("menu_de.txt", main_page("Deutsch"));
    write("menu_fr.txt", main_page("Francais"));
    write("languages.txt", "en#de#fr#\n");
    LogCapture log;
    load();
    EXPECT_EQ(g_language_count, 3);
    EXPECT_EQ(log.count("9 10 en#de#fr#"), 1);
    EXPECT_EQ(log.count("[menu] init ../menu/menu_de.txt"), 1);
    EXPECT_EQ(log.count("[menu] init ../menu/keys_de.txt"), 1);

    write("languages.txt", "en#de\n");
    load();
    EXPECT_EQ(g_language_count, 1) << "a last code without '#' behind it is not loaded";

    remove("languages.txt");
    load();
    EXPECT_EQ(g_language_count, 1);
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 1), "English");
}

TEST_F(MenuLoader, MissingFilesFallBackToEnglishOrLeaveTheLanguageOut)
{
    write("languages.txt", "en#de#\n");
    load();
    ASSERT_EQ(g_language_count, 2);
    g_language_num = 1.0f;
    menu_parse_text();
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 1), "English") << "no menu_de.txt: English words under de";

    // An emptied menu_de.txt also gives English words under de, and the log says why.
    write("menu_de.txt", "");
    LogCapture log;
    load();
    ASSERT_EQ(g_language_count, 2);
    menu_parse_text();
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 1), "English");
    EXPECT_EQ(log.count("*** [file] '../menu/menu_de.txt' is empty"), 1) << log.joined();
    EXPECT_EQ(log.count_containing("keys_de.txt"), 1) << "a missing file of a language is no damage";
    EXPECT_EQ(log.errors(), 1);

    // An emptied key-name file leaves both languages out, and the log says which file.
    write("keys_en.txt", "");
    log.clear();
    load();
    EXPECT_EQ(g_language_count, 0);
    EXPECT_EQ(log.count("*** [file] '../menu/keys_en.txt' is empty"), 2) << log.joined();
    EXPECT_EQ(menu_get_language_text(nullptr), nullptr);
    EXPECT_EQ(menu_get_language_keys(nullptr), nullptr);
    for (int slot = 0; slot < MENU_TEXT_SLOTS; slot++) {
        ASSERT_STREQ(menu_text(slot), "xxxx") << slot;
    }
    EXPECT_STREQ(g_key_names[0], "xxxx");
    g_language_num = -3.0f;
    menu_parse_text();
    EXPECT_EQ(g_language_num, -3.0f) << "nothing to wrap over";
}

TEST_F(MenuLoader, SlotsOutsideTheTableGiveSlotZeroAndTheChoiceWraps)
{
    write("menu_de.txt", main_page("Deutsch"));
    write("menu_fr.txt", main_page("Francais"));
    write("languages.txt", "en#de#fr#\n");
    load();
    EXPECT_STREQ(menu_text(100), "Bonus English");
    EXPECT_STREQ(menu_text(-5), "Bonus English");
    EXPECT_STREQ(menu_text(1), "one");

    g_language_num = -1.0f;
    menu_parse_text();
    EXPECT_EQ(g_language_num, 2.0f);
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 1), "Francais");
    g_language_num = 3.0f;
    menu_parse_text();
    EXPECT_EQ(g_language_num, 0.0f);
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 1), "English");
}

TEST_F(MenuLoader, ALongSectionLeavesTheNextPageAlone)
{
    std::vector<std::string> long_main = {"T", "one", "b", "c", "d", "e", "f", "g", "spill1", "spill2"};
    write("menu_en.txt", menu_file({long_main, {"Settings", "Lang"}}, {"Bonus"}));
    load();
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 7), "g");
    EXPECT_EQ(page_row(MENU_PAGE_SETTINGS, 0), "Settings");
    EXPECT_EQ(page_row(MENU_PAGE_SETTINGS, 1), "Lang");
}

TEST_F(MenuLoader, LongWordsAndFarColumnsAreCutAtTheirBuffers)
{
    std::string huge(400, 'w');
    std::string far_label = std::string(124, 'v') + ":#";   // column 126
    std::vector<std::string> video = {"Video", "Depth:#", far_label};
    std::vector<std::string> main = {"T", "a", "b", "c", "d", "e", huge, "g"};
    write("menu_en.txt", menu_file({main, {"S"}, video}, {huge}));
    write("keys_en.txt", std::string(40, 'k') + "\nshort\n" + huge + "\n");
    load();
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 6), std::string(127, 'w')) << "the version does not fit behind it";
    EXPECT_EQ(std::string(menu_text(0)), std::string(127, 'w'));
    EXPECT_STREQ(g_key_names[0], "xxxx") << "a name too long for its slot leaves it";
    EXPECT_STREQ(g_key_names[1], "short");
    EXPECT_STREQ(g_key_names[2], "xxxx");
    ASSERT_EQ(g_label_columns[MENU_COLUMN_VIDEO], 126) << "the last labelled line wins";

    // The values follow at that column: a short row is padded up to it, and what does not
    // fit in the row is cut.
    g_menu_page = MENU_PAGE_VIDEO;
    g_menu_item = 1;
    menu_control();
    EXPECT_EQ(page_row(MENU_PAGE_VIDEO, 1), "Depth:" + std::string(120, ' ') + "6") << "640x480, cut";
    for (int r = 1; r <= 10; r++) {
        EXPECT_EQ(page_row(MENU_PAGE_VIDEO, r).size(), 127u) << r;
    }
    menu_start(MENU_START_MAIN);
}

TEST_F(MenuLoader, MoreThanSixtyFourLanguagesStopAtTheLimit)
{
    std::string list;
    for (int i = 0; i < 70; i++) {
        list += "en#";
    }
    write("languages.txt", list + "\n");
    LogCapture log;
    load();
    EXPECT_EQ(g_language_count, MAX_LANGUAGES);
    EXPECT_EQ(log.count("*** [menu] MAX_LANGUAGES reached. Increase #define value. :)"), 1);
}

} // namespace
