// menu_text.cpp -- the language texts: the languages of "languages.txt" held in memory,
// and the parse that pours the selected one into the pages, the text slots and the key
// names.

#include "game/menu.h"
#include "game/menu_local.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/str.h"
#include "game/lifecycle.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// One loaded language: its menu and keys files whole, the last byte of each replaced by
// a NUL.
struct MenuLanguage {
    char *menu;
    int menu_length;
    char *keys;
    int keys_length;
};

static MenuLanguage menu_languages[MAX_LANGUAGES];
int g_language_count;

char g_key_names[MENU_KEY_NAMES][MENU_KEY_NAME_SIZE];
int g_label_columns[4];

constexpr int MENU_CODE_GROUP = 3;           // "en#": two letters and a separator
constexpr int MENU_PATH_SIZE = FILE_DIR_SIZE + 32;
constexpr int MENU_SLOT_SECTION = 18;        // the section of the text slots; 14..17 are read past
constexpr int MENU_VERSION_MAJOR = 1;
constexpr int MENU_VERSION_MINOR = 33;
constexpr float MENU_DEPTH_LIMIT = 100.0f;   // a depth beyond this would put the menus out of view
constexpr int MENU_COUNT_LIMIT = 1000000;    // a section count beyond this is as good as endless
static const char MENU_MISSING[] = "xxxx";   // a slot or key name the file does not give

void menu_free_languages(void)
{
    for (int i = 0; i < g_language_count; i++) {
        mem_free(menu_languages[i].menu);
        mem_free(menu_languages[i].keys);
        menu_languages[i] = MenuLanguage{};
    }
    g_language_count = 0;
}

// The file of a language, or the English one when it is missing or empty. A missing one
// is a language that brings no file of this kind; an empty one is damaged, and named as
// file_load names it so the log says why English words show (an empty English file is
// named when it is loaded).
static void menu_language_path(char *path, const char *kind, const char *code)
{
    snprintf(path, MENU_PATH_SIZE, "%s%s_%s.txt", g_menu_dir, kind, code);
    con_printf("[menu] init %s", path);
    const int size = file_exists_size(path);
    if (size < 1) {
        if (size == 0 && strcmp(code, "en") != 0) {
            con_printf("*** [file] '%s' is empty", path);
        }
        snprintf(path, MENU_PATH_SIZE, "%s%s_en.txt", g_menu_dir, kind);
    }
}

// Loads one language's two files; a language whose files do not load is left out.
static void menu_load_language(const char *code)
{
    char menu_path[MENU_PATH_SIZE];
    char keys_path[MENU_PATH_SIZE];
    menu_language_path(menu_path, "menu", code);
    menu_language_path(keys_path, "keys", code);
    int menu_length = 0;
    int keys_length = 0;
    uint8_t *menu = file_load(menu_path, &menu_length);
    if (!menu) {
        return;
    }
    uint8_t *keys = file_load(keys_path, &keys_length);
    if (!keys) {
        mem_free(menu);
        return;
    }
    menu[menu_length - 1] = 0;
    keys[keys_length - 1] = 0;
    menu_languages[g_language_count++] = MenuLanguage{(char *)menu, menu_length, (char *)keys, keys_length};
}

void menu_init_languages(void)
{
    menu_free_languages();
    char path[MENU_PATH_SIZE];
    snprintf(path, sizeof(path), "%slanguages.txt", g_menu_dir);
    int size = 0;
    uint8_t *list = file_load(path, &size);
    int n = -1;
    if (list) {
        list[size - 1] = 0;
        for (int i = 0; i < size - 1; i++) {
            if (list[i] == '#') {
                n = i + 1;
            }
        }
        con_printf("%d %d %s", n, size, (const char *)list);
    }
    // The codes stand in groups of three from the start; the last '#' ends the list.
    for (int at = 0, left = n;; at += MENU_CODE_GROUP) {
        if (g_language_count >= MAX_LANGUAGES) {
            con_printf("*** [menu] MAX_LANGUAGES reached. Increase #define value. :)");
            break;
        }
        char code[3] = {'e', 'n', 0};
        if (list && n > 0) {
            code[0] = (char)list[at];
            code[1] = (char)list[at + 1];
        }
        menu_load_language(code);
        left -= MENU_CODE_GROUP;
        if (left <= 0) {
            break;
        }
    }
    mem_free(list);
}

// Brings language_num into range, wrapping both ways; -1 while no language is loaded.
static int menu_language_index(void)
{
    if (g_language_count < 1) {
        return -1;
    }
    if (g_language_num < 0.0f) {
        g_language_num = (float)(g_language_count - 1);
    } else if (g_language_num >= (float)g_language_count) {
        g_language_num = 0.0f;
    }
    return (int)g_language_num;
}

const char *menu_get_language_text(int *length)
{
    int i = menu_language_index();
    if (length) {
        *length = i < 0 ? 0 : menu_languages[i].menu_length;
    }
    return i < 0 ? nullptr : menu_languages[i].menu;
}

const char *menu_get_language_keys(int *length)
{
    int i = menu_language_index();
    if (length) {
        *length = i < 0 ? 0 : menu_languages[i].keys_length;
    }
    return i < 0 ? nullptr : menu_languages[i].keys;
}

const char *text_next_line(const char *p)
{
    while (*p && *p != '\n') {
        p++;
    }
    return *p ? p + 1 : p;
}

static int menu_is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Copies the word at p (up to a blank or the line's end) into word, keeping at most
// size - 1 characters of a longer one.
static void menu_read_word(const char *p, char *word, int size)
{
    while (menu_is_blank(*p)) {
        p++;
    }
    int n = 0;
    for (; *p && *p != '\n' && !menu_is_blank(*p); p++) {
        if (n < size - 1) {
            word[n++] = *p;
        }
    }
    word[n] = '\0';
}

// The word of a "[number]word" line; the bracketed number is not used.
static void menu_line_word(const char *p, char *word)
{
    if (*p == '[') {
        while (*p && *p != '\n' && *p != ']') {
            p++;
        }
        if (*p != ']') {
            word[0] = '\0';
            return;
        }
        p++;
    }
    menu_read_word(p, word, MENU_TEXT_SIZE);
    for (char *c = word; *c; c++) {
        if (*c == '#') {
            *c = ' ';
        }
    }
}

// A section's count at the start of a line, or -1 when the line does not begin with one.
static int menu_line_count(const char *p)
{
    while (menu_is_blank(*p)) {
        p++;
    }
    int sign = 1;
    if (*p == '-' || *p == '+') {
        sign = *p == '-' ? -1 : 1;
        p++;
    }
    if (*p < '0' || *p > '9') {
        return -1;
    }
    long count = 0;
    for (; *p >= '0' && *p <= '9'; p++) {
        if (count < MENU_COUNT_LIMIT) {
            count = count * 10 + (*p - '0');
        }
    }
    return sign < 0 ? 0 : count > MENU_COUNT_LIMIT ? MENU_COUNT_LIMIT : (int)count;
}

// The depth number of the first line, "[%lf]"; 0 when it is missing or out of reason.
static float menu_read_depth(const char *p)
{
    if (p[0] != '[' || p[1] == '\n' || p[1] == '\0') {
        return 0.0f;
    }
    char *end = nullptr;
    float depth = strtof(p + 1, &end);
    if (end == p + 1 || !std::isfinite(depth) || std::fabs(depth) > MENU_DEPTH_LIMIT) {
        return 0.0f;
    }
    return depth;
}

// One line r of section s.
static void menu_parse_line(int s, int r, const char *word, int *device_set)
{
    int count = 0;
    MenuItem *items = menu_page(s, &count);
    const char *colon = strrchr(word, ':');
    if (r < count && colon) {
        int column = (int)(colon - word) + 2;
        if (s == MENU_PAGE_VIDEO) {
            g_label_columns[MENU_COLUMN_VIDEO] = column;
        } else if (s == MENU_PAGE_SOUND) {
            g_label_columns[MENU_COLUMN_SOUND] = column;
        } else if (s == MENU_PAGE_CONTROLS) {
            g_label_columns[MENU_COLUMN_KEYS] = column;
            if (!*device_set) {
                g_label_columns[MENU_COLUMN_DEVICE] = column;
                *device_set = 1;
            }
        }
    }
    if (r < count) {
        char *text = items[r].text;
        if ((s == MENU_PAGE_MAIN && r == 6) || (s == MENU_PAGE_SCORES && r == 0)) {
            // The version follows the word; a word that fills the row leaves it out.
            char line[MENU_TEXT_SIZE + 16];
            snprintf(line, sizeof(line), "%s v%d.%d", word, MENU_VERSION_MAJOR, MENU_VERSION_MINOR);
            str_copy_n(text, line, MENU_TEXT_SIZE);
        } else {
            snprintf(text, MENU_TEXT_SIZE, "%s", word);
        }
    }
    if (s == MENU_SLOT_SECTION && r < MENU_TEXT_SLOTS) {
        snprintf(g_menu_texts[r], MENU_TEXT_SIZE, "%s", word);
    }
}

static void menu_parse_sections(const char *text)
{
    g_menu_text_depth = menu_read_depth(text);
    const char *p = text_next_line(text_next_line(text));
    int device_set = 0;
    char word[MENU_TEXT_SIZE];
    for (int s = 0; *p;) {
        int count = menu_line_count(p);
        p = text_next_line(p);
        if (count < 0) {
            continue;
        }
        for (int r = 0; r < count && *p; r++) {
            menu_line_word(p, word);
            menu_parse_line(s, r, word, &device_set);
            p = text_next_line(p);
        }
        s++;
        p = text_next_line(p);
    }
    int count = 0;
    MenuItem *scores = menu_page(MENU_PAGE_SCORES, &count);
    MenuItem *name = menu_page(MENU_PAGE_NAME, &count);
    memcpy(name[3].text, scores[2].text, MENU_TEXT_SIZE);
}

static void menu_parse_keys(const char *keys)
{
    for (char *name : g_key_names) {
        snprintf(name, MENU_KEY_NAME_SIZE, "%s", MENU_MISSING);
    }
    if (!keys) {
        return;
    }
    char word[MENU_TEXT_SIZE];
    for (int slot = 0; *keys && slot < MENU_KEY_NAMES; keys = text_next_line(keys)) {
        menu_read_word(keys, word, sizeof(word));
        if (!word[0]) {
            continue;
        }
        // A name too long for its slot leaves the slot as it was but still uses it.
        if (strlen(word) < (size_t)MENU_KEY_NAME_SIZE) {
            str_copy_n(g_key_names[slot], word, MENU_KEY_NAME_SIZE);
        }
        slot++;
    }
}

void menu_parse_text(void)
{
    for (char *slot : g_menu_texts) {
        snprintf(slot, MENU_TEXT_SIZE, "%s", MENU_MISSING);
    }
    g_menu_text_depth = 0.0f;
    for (int &column : g_label_columns) {
        column = 0;
    }
    const char *text = menu_get_language_text(nullptr);
    if (text) {
        menu_parse_sections(text);
    }
    menu_parse_keys(menu_get_language_keys(nullptr));
}
