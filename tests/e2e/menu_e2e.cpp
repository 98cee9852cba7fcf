// The menus' words in the whole program under X with the generated asset tree: the main
// menu's rows show in their green soon after the menu screen comes up, and the language
// chosen on the settings page changes the words on screen, is saved in "config.cfg" and
// is the one the menus speak after a restart. The screenshots go to
// build/screens/e2e_menu_*.png.

#include "tests/e2e/menu_session.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The same heights right of every English row.
Box right_box(int w, int h) { return project(4.0f, -8.5f, 13.0f, 1.2f, 6.0f, w, h); }

// Ends the game with SIGTERM, which saves "config.cfg"; returns the file.
std::string quit(Menu &m, const TempDir &root)
{
    m.game->signal(SIGTERM);
    EXPECT_EQ(m.game->wait_exit(), 0);
    EXPECT_EQ(count_lines(m.game->log(), "[init] done free_game"), 1) << m.game->log();
    return root.read("run/config.cfg");
}

TEST(MenuText, RowsShowInGreenAndTheChosenLanguageSurvivesARestart)
{
    TempDir root;
    link_menu_art(root);
    std::filesystem::create_directory_symlink(std::string(GLIMMERFALL_ASSETS) + "/styles", root.file("styles"));
    root.write("run/config.cfg", "#console\nrender_fullscreen 0\n");

    Menu m = reach_menu(root);
    ASSERT_TRUE(m.game);
    const Box rows = rows_box(m.w, m.h);
    const Box right = right_box(m.w, m.h);
    // Letters where the rows are and not where none are.
    auto letters = [&](const Shot &s) {
        int in_rows = letter_pixels(s, rows);
        return in_rows >= LETTERS_ENOUGH && letter_pixels(s, right) * 10 < in_rows;
    };
    // Soon after the menu screen: its rows take input and show after 60 frames and have
    // all appeared 60 frames later, a second and a quarter on a quiet machine; 10 s allow
    // a busy one.
    Shot first = wait_for_shot(m.window, m.w, m.h, 10.0, letters);
    ASSERT_TRUE(first.ok());
    first.save("e2e_menu_first");
    EXPECT_TRUE(letters(first)) << letter_pixels(first, rows) << " pixels of the rows' green in the rows, "
                                << letter_pixels(first, right) << " right of them, "
                                << seconds_since(m.shown) << " s after the menu screen came up";
    Shot main_en = settled_page(m, rows);
    ASSERT_TRUE(main_en.ok());
    main_en.save("e2e_menu_en");

    // Settings (row 5), a row down at a time, then its language row (row 1).
    for (int row = 2; row <= 5; row++) {
        ASSERT_TRUE(press_until(m.window, "Down", shot_is(m, [row](const Shot &s) { return main_page_row(s) == row; })))
            << "Down did not move the highlight to row " << row;
    }
    ASSERT_TRUE(press_until(m.window, "Return", log_lines(*m.game, "[submenu] page 1", 1))) << m.game->log();
    Shot settings_en = settled_page(m, rows);
    ASSERT_TRUE(settings_en.ok());
    // The same words differ by about 0.02 from one shot to the next, other words by 0.6.
    ASSERT_TRUE(press_until(m.window, "Return", shot_is(m, [&](const Shot &s) {
                                return letters_changed(settings_en, s, rows) > 0.4;
                            })))
        << "the language row changed no words";
    Shot settings_de = settled_page(m, rows);
    ASSERT_TRUE(settings_de.ok());
    settings_en.save("e2e_menu_settings_en");
    settings_de.save("e2e_menu_settings_de");
    EXPECT_GT(letters_changed(settings_en, settings_de, rows), 0.4) << "other words after the choice";
    EXPECT_GE(letter_pixels(settings_de, rows), LETTERS_ENOUGH);
    EXPECT_NE(quit(m, root).find("\nlanguage_num 1.000000\n"), std::string::npos)
        << "the second language of languages.txt, de, saved";

    // A restart speaks German from the start.
    Menu again = reach_menu(root);
    ASSERT_TRUE(again.game);
    Shot main_de = settled_page(again, rows);
    ASSERT_TRUE(main_de.ok());
    main_de.save("e2e_menu_de");
    EXPECT_GE(letter_pixels(main_de, rows), LETTERS_ENOUGH);
    EXPECT_GT(letters_changed(main_en, main_de, rows), 0.4) << "the main menu in other words";
    EXPECT_NE(quit(again, root).find("\nlanguage_num 1.000000\n"), std::string::npos);
}

} // namespace
