// Console: registration, line execution, settings files and the log.

#include "core/con.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct HandlerCall {
    std::string name;
    std::string value;
};
std::vector<HandlerCall> g_calls;

void on_string(const char *name, char *value)
{
    g_calls.push_back({name, value});
}

void on_float(const char *name, float *value)
{
    g_calls.push_back({name, std::to_string(*value)});
}

std::vector<std::vector<std::string>> g_command_calls;

void on_command(int argc, char **argv)
{
    std::vector<std::string> args;
    for (int i = 0; i < argc; i++) {
        args.emplace_back(argv[i]);
    }
    g_command_calls.push_back(args);
}

void exec(const std::string &line)
{
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back(0);
    con_exec(buf.data());
}

class Console : public ::testing::Test {
protected:
    void SetUp() override
    {
        con_config(0);
        g_calls.clear();
        g_command_calls.clear();
        brightness = 0.5f;
        speed = 1.0f;
        lang = con_add_string_var("language", "en", on_string);
        con_add_float_var("render_brightness", &brightness, on_float);
        con_add_float_var("mouse_speed", &speed, nullptr);
        con_add_command("bind", -1, on_command);
        con_add_command("one", 1, on_command);
        con_add_command("two", 2, on_command);
    }
    void TearDown() override { con_config(0); }

    LogCapture log;
    char *lang = nullptr;
    float brightness = 0.5f;
    float speed = 1.0f;
};

TEST_F(Console, LookupIgnoresCaseAndHandlerGetsTheNameAsTyped)
{
    exec("RENDER_BRIGHTNESS 0.7");
    EXPECT_FLOAT_EQ(brightness, 0.7f);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].name, "RENDER_BRIGHTNESS");

    exec("Language de");
    EXPECT_STREQ(lang, "de");
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[1].name, "Language");
    EXPECT_EQ(g_calls[1].value, "de");
}

TEST_F(Console, HandlerFiresOnlyOnARealChange)
{
    exec("render_brightness 0.5");
    exec("language en");
    EXPECT_TRUE(g_calls.empty());
    exec("render_brightness 0.6");
    exec("render_brightness 0.600000");
    exec("language En");
    EXPECT_EQ(g_calls.size(), 2u) << "values compare case-sensitively, numbers by value";
}

TEST_F(Console, NameAloneLogsTheCurrentValue)
{
    exec("render_brightness");
    exec("language");
    exec("language \"\"");
    EXPECT_EQ(log.count("render_brightness = 0.500000"), 1);
    EXPECT_EQ(log.count("language = en"), 2);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(Console, NullEmptiesAStringOnce)
{
    exec("language NULL");
    EXPECT_STREQ(lang, "");
    exec("language NULL");
    EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(Console, QuotedAndBareValuesAreTheSame)
{
    exec("language \"fr\"");
    EXPECT_STREQ(lang, "fr");
    exec("language fr");
    exec("language \"fr and more\"");
    EXPECT_STREQ(lang, "fr") << "a quoted value stops at its first blank";
    EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(Console, NonNumbersReadAsZeroButNonFiniteAndHugeValuesAreRefused)
{
    exec("mouse_speed abc");
    EXPECT_EQ(speed, 0.0f);
    speed = 2.0f;
    for (const char *bad : {"nan", "inf", "-inf", "1e999", "1e7", "-2000000"}) {
        log.clear();
        exec(std::string("mouse_speed ") + bad);
        EXPECT_EQ(speed, 2.0f) << bad;
        EXPECT_EQ(log.errors(), 1) << bad;
    }
    exec("mouse_speed 1000000");
    EXPECT_EQ(speed, 1.0e6f);
}

TEST_F(Console, CommandsCountTheirArguments)
{
    exec("bind key97 fire_left");
    exec("BIND key97");
    exec("one a b");
    exec("two a");
    exec("two a\tb");
    ASSERT_EQ(g_command_calls.size(), 3u);
    EXPECT_EQ(g_command_calls[0], (std::vector<std::string>{"key97", "fire_left"}));
    EXPECT_EQ(g_command_calls[1], (std::vector<std::string>{"key97"}));
    EXPECT_EQ(g_command_calls[2], (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(log.count("'one' takes 1 argument"), 1);
    EXPECT_EQ(log.count("'two' takes 2 arguments"), 1);
}

TEST_F(Console, CommandWithTooManyArgumentsIsRefused)
{
    std::string line = "bind";
    for (int i = 0; i < CON_MAX_ARGS + 1; i++) {
        line += " x";
    }
    exec(line);
    EXPECT_TRUE(g_command_calls.empty());
    EXPECT_EQ(log.errors(), 1);
}

TEST_F(Console, UnknownNamesAreLogged)
{
    exec("nosuchthing 1");
    EXPECT_EQ(log.count("Unknown command 'nosuchthing' -- Use TAB twice for command list"), 1);
    exec("   ");
    exec("");
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(Console, RegistrationIsGetOrCreate)
{
    float other = 5.0f;
    EXPECT_EQ(con_add_string_var("LANGUAGE", "xx", nullptr), lang);
    EXPECT_STREQ(lang, "en");
    EXPECT_EQ(con_add_float_var("Render_Brightness", &other, nullptr), 0);
    exec("render_brightness 0.25");
    EXPECT_FLOAT_EQ(brightness, 0.25f) << "the first registration's storage stays bound";
    EXPECT_EQ(other, 5.0f);
    EXPECT_EQ(con_add_command("nohandler", 0, nullptr), -1);
}

TEST_F(Console, FullTablesRefuseLogOnceAndChangeNothing)
{
    con_config(0);
    static float values[MAX_CON_FLOAT_VARS + 1];
    for (int i = 0; i < MAX_CON_FLOAT_VARS; i++) {
        ASSERT_EQ(con_add_float_var(("v" + std::to_string(i)).c_str(), &values[i], nullptr), 0);
    }
    log.clear();
    EXPECT_EQ(con_add_float_var("overflow", &values[MAX_CON_FLOAT_VARS], nullptr), -1);
    EXPECT_EQ(log.errors(), 1);
    EXPECT_EQ(con_float_var_count, MAX_CON_FLOAT_VARS);

    for (int i = 0; i < MAX_CON_STRING_VARS; i++) {
        ASSERT_NE(con_add_string_var(("s" + std::to_string(i)).c_str(), "", nullptr), nullptr);
    }
    EXPECT_EQ(con_add_string_var("overflow", "", nullptr), nullptr);
    EXPECT_EQ(con_string_var_count, MAX_CON_STRING_VARS);
}

TEST_F(Console, LongNamesAndValuesAreCut)
{
    std::string value(300, 'v');
    exec("language " + value);
    EXPECT_EQ(std::string(lang), value.substr(0, 255));
}

TEST(ConToken, SplitsAndAdvances)
{
    char text[] = "  alpha \"beta\"  gamma";
    char *cursor = text;
    EXPECT_STREQ(con_token(&cursor, " \""), "alpha");
    EXPECT_STREQ(con_token(&cursor, " \""), "beta");
    EXPECT_STREQ(con_token(&cursor, " \""), "gamma");
    EXPECT_STREQ(cursor, "");
    EXPECT_EQ(con_token(&cursor, " \""), nullptr);
    char *null_cursor = nullptr;
    EXPECT_EQ(con_token(&null_cursor, " "), nullptr);
    EXPECT_EQ(con_token(nullptr, " "), nullptr);
}

TEST(StrStripEol, CutsAtFirstCarriageReturnOrLineFeed)
{
    char a[] = "abc\r\n";
    char b[] = "abc\ndef\r";
    str_strip_eol(a);
    str_strip_eol(b);
    str_strip_eol(nullptr);
    EXPECT_STREQ(a, "abc");
    EXPECT_STREQ(b, "abc");
}

class ConsoleFiles : public Console {
protected:
    TempDir dir{true};
};

TEST_F(ConsoleFiles, ExecFileSkipsCommentsEmptyLinesAndCarriageReturns)
{
    dir.write("settings.cfg", "#console\r\n\r\n\nrender_brightness 0.25\r\n# language xx\nlanguage \"de\"\r\nmouse_speed 3");
    char name[] = "settings.cfg";
    char *argv[] = {name, nullptr};
    EXPECT_EQ(con_exec_file(1, argv), 0);
    EXPECT_FLOAT_EQ(brightness, 0.25f);
    EXPECT_STREQ(lang, "de");
    EXPECT_FLOAT_EQ(speed, 3.0f) << "a last line without newline still runs";
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(ConsoleFiles, MissingFileReturnsOneAfterTheFileLayerMessage)
{
    char name[] = "missing.cfg";
    char *argv[] = {name, nullptr};
    EXPECT_EQ(con_exec_file(1, argv), 1);
    EXPECT_EQ(log.count("*** [file] failed to fopen 'missing.cfg'"), 1);
}

TEST_F(ConsoleFiles, OverlongLineKeepsItsHeadAndDropsItsTail)
{
    // The tail would read as "mouse_speed 9" if it ran as a line of its own.
    std::string line = "language " + std::string(246, 'x') + "mouse_speed 9";
    dir.write("long.cfg", line + "\nrender_brightness 0.75\n");
    char name[] = "long.cfg";
    char *argv[] = {name, nullptr};
    EXPECT_EQ(con_exec_file(1, argv), 0);
    EXPECT_EQ(std::string(lang), std::string(246, 'x'));
    EXPECT_FLOAT_EQ(speed, 1.0f);
    EXPECT_FLOAT_EQ(brightness, 0.75f);
    EXPECT_EQ(log.errors(), 1);
}

TEST_F(ConsoleFiles, LineOfExactly255CharactersIsWhole)
{
    std::string line = "language " + std::string(246, 'y');
    ASSERT_EQ(line.size(), 255u);
    dir.write("edge.cfg", line + "\r\nmouse_speed 2\n");
    char name[] = "edge.cfg";
    char *argv[] = {name, nullptr};
    con_exec_file(1, argv);
    EXPECT_EQ(std::string(lang), std::string(246, 'y'));
    EXPECT_FLOAT_EQ(speed, 2.0f);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(ConsoleFiles, WriterUsesRegistrationOrderAndRoundTripsByteForByte)
{
    exec("render_brightness 0.3");
    exec("language pt");
    con_save_config();
    std::string first = dir.read("config.cfg");
    EXPECT_EQ(first, "#console\nlanguage \"pt\"\nrender_brightness 0.300000\nmouse_speed 1.000000\n");
    EXPECT_FALSE(dir.exists("config.cfg.tmp"));

    exec("render_brightness 0.9");
    exec("language xx");
    con_config(1);
    EXPECT_FLOAT_EQ(brightness, 0.3f);
    EXPECT_STREQ(lang, "pt");
    con_save_config();
    EXPECT_EQ(dir.read("config.cfg"), first);
}

TEST_F(ConsoleFiles, MissingConfigRunsTheFallbackLine)
{
    float fullscreen = -1.0f;
    con_add_float_var("render_fullscreen", &fullscreen, on_float);
    con_config(1);
    EXPECT_EQ(fullscreen, 1.0f);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].name, "render_fullscreen");
}

TEST_F(ConsoleFiles, FailedWriteKeepsTheOldFile)
{
    dir.write("sub/keep.cfg", "old contents\n");
    dir.write("sub/keep.cfg.tmp/blocker", "");  // a folder where the temporary file would go
    std::string path = dir.file("sub/keep.cfg");
    std::vector<char> name(path.begin(), path.end());
    name.push_back(0);
    char *argv[] = {name.data(), nullptr};
    con_write_config(1, argv);
    EXPECT_EQ(dir.read("sub/keep.cfg"), "old contents\n");
    EXPECT_EQ(log.count(" *** failed to create file " + path + "!"), 1);
}

TEST(ConsoleLog, BannerAndLinesReachTheFileFlushedAndCut)
{
    TempDir dir(true);
    log2file("log2file", "console.txt");
    con_printf("[test] %d %s", 42, "x");
    con_printf("%s", std::string(400, 'z').c_str());
    std::string text = dir.read("console.txt");
    log2file("log2file", nullptr);
    con_printf("not written after closing");

    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
        lines.push_back(text.substr(start, nl - start));
    }
    ASSERT_GE(lines.size(), 6u);
    for (int i = 0; i < 2; i++) {
        EXPECT_EQ(lines[i].compare(0, 4, "*** "), 0);
        EXPECT_EQ(lines[i].substr(lines[i].size() - 4), " ***");
    }
    EXPECT_NE(lines[0].find("Glimmerfall"), std::string::npos);
    EXPECT_NE(lines[1].find("Korvel"), std::string::npos);
    EXPECT_EQ(lines[2].rfind("[console] v1.33 log started ", 0), 0u);
    EXPECT_EQ(lines[3], "") << "ctime's own newline leaves an empty line";
    EXPECT_EQ(lines[4], "[test] 42 x");
    EXPECT_EQ(lines[5], std::string(255, 'z'));
    EXPECT_EQ(dir.read("console.txt"), text);
}

} // namespace
