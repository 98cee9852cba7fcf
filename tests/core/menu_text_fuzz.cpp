// Fuzz target: the language texts as the front end's start reads them. One input holds
// "languages.txt", "menu_en.txt" and "keys_en.txt", joined by the separator line (a
// missing part is a missing file, so every listed language falls back to English or is
// left out). Every language the list loads is parsed as the settings page selects it;
// the pages, the text slots and the key names stay inside their buffers, the depth is a
// usable number, and values written at the label columns stay inside their rows.

#include "core/file.h"
#include "core/mem.h"
#include "game/lifecycle.h"
#include "game/menu.h"
#include "game/menu_local.h"
#include "platform/bind.h"
#include "tests/core/fuzz_files.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

static void check_texts(void)
{
    for (int page = 0; page < MENU_PAGE_COUNT; page++) {
        int count = 0;
        MenuItem *items = menu_page(page, &count);
        for (int r = 0; items && r < count; r++) {
            fuzz::check(strnlen(items[r].text, MENU_TEXT_SIZE) < (size_t)MENU_TEXT_SIZE);
            // A value after the label, as the settings pages write them each tick.
            for (int column : g_label_columns) {
                fuzz::check(column >= 0);
                char row[MENU_TEXT_SIZE];
                memcpy(row, items[r].text, sizeof(row));
                menu_write_at(row, column, "100%");
                fuzz::check(strnlen(row, MENU_TEXT_SIZE) < (size_t)MENU_TEXT_SIZE);
            }
        }
    }
    for (int id = -1; id <= MENU_TEXT_SLOTS; id++) {
        fuzz::check(strnlen(menu_text(id), MENU_TEXT_SIZE) < (size_t)MENU_TEXT_SIZE);
    }
    for (const char *name : g_key_names) {
        fuzz::check(strnlen(name, MENU_KEY_NAME_SIZE) < (size_t)MENU_KEY_NAME_SIZE);
    }
    fuzz::check(std::isfinite(g_menu_text_depth));
    // The controls page names keys from the key-name texts.
    for (int set = 0; set < 3; set++) {
        input_describe_binds(set, 0);
        for (const char *text : g_bind_texts) {
            fuzz::check(strnlen(text, BIND_TEXT_SIZE) < (size_t)BIND_TEXT_SIZE);
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), std::filesystem::create_directories(fuzz::enter_private_folder() + "/menu"),
                         snprintf(g_menu_dir, FILE_DIR_SIZE, "../menu/"), true);
    (void)ready;
    if (size > (1u << 16)) {
        return 0;
    }
    std::vector<fuzz::Part> parts = fuzz::split(data, size, 3);
    fuzz::put_file("../menu/languages.txt", parts[0].bytes, parts[0].size);
    fuzz::put_file("../menu/menu_en.txt", parts[1].bytes, parts[1].size);
    fuzz::put_file("../menu/keys_en.txt", parts[2].bytes, parts[2].size);

    menu_init_languages();
    fuzz::check(g_language_count >= 0 && g_language_count <= MAX_LANGUAGES);
    for (int i = -1; i <= g_language_count; i++) {
        g_language_num = (float)i;
        menu_parse_text();
        check_texts();
    }
    menu_free_languages();
    menu_parse_text();
    g_language_num = 0.0f;
    fuzz::check(mem_usage == 0);
    return 0;
}
