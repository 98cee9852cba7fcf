// The web-page launcher: PATH search with tilde and root entries, the browser chosen
// with and without an X display, QUIB_BROWSER, and addresses that must reach the
// browser as one argument however they are spelt.

#include "platform/browser.h"

#include "core/shell.h"
#include "game/settings.h"
#include "platform/zwin.h"
#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

const char *const BROWSER_ENV[] = {"PATH", "HOME", "DISPLAY", "QUIB_BROWSER"};

class Browser : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : BROWSER_ENV) {
            const char *v = getenv(name);
            saved_.push_back(v ? std::optional<std::string>(v) : std::nullopt);
        }
        unsetenv("QUIB_BROWSER");
        setenv("HOME", dir.path().c_str(), 1);
        setenv("DISPLAY", ":99", 1);
    }
    void TearDown() override
    {
        for (size_t i = 0; i < saved_.size(); i++) {
            if (saved_[i]) {
                setenv(BROWSER_ENV[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(BROWSER_ENV[i]);
            }
        }
    }

    // An executable fake browser that writes its first argument to "got".
    void fake_browser(const std::string &name, const std::string &folder = "bin")
    {
        std::string path = folder + "/" + name;
        dir.write(path, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + dir.file("got") + "\"\n");
        chmod(dir.file(path).c_str(), 0755);
    }

    std::string command(const char *url)
    {
        char out[BROWSER_COMMAND_SIZE];
        int r = browser_command(url, out, sizeof(out));
        return r == 1 ? std::string(out) : "(" + std::to_string(r) + ")";
    }

    TempDir dir{true};   // the working directory, where an injected command would leave its file
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(Browser, TildeEntriesAreSearchedBelowHome)
{
    fake_browser("galeon");
    setenv("PATH", "/nonexistent:~/bin", 1);
    EXPECT_EQ(browser_find_in_path("galeon"), 1);
    EXPECT_EQ(browser_find_in_path("opera"), 0);
    EXPECT_EQ(command("http://x/a"), "galeon 'http://x/a' &");
}

TEST_F(Browser, CandidatesJoinFolderAndProgramProperly)
{
    char out[BROWSER_PATH_SIZE];
    auto candidate = [&](const char *entry) {
        EXPECT_EQ(browser_path_candidate(entry, strlen(entry), "lynx", out, sizeof(out)), 0);
        return std::string(out);
    };
    std::string home = dir.path();
    EXPECT_EQ(candidate("/"), "/lynx");
    EXPECT_EQ(candidate("~"), home + "/lynx");
    EXPECT_EQ(candidate("~/bin"), home + "/bin/lynx");
    EXPECT_EQ(candidate("/usr/bin"), "/usr/bin/lynx");
    EXPECT_EQ(candidate("/usr/bin/"), "/usr/bin/lynx");
    EXPECT_EQ(candidate("b"), "b/lynx");
    EXPECT_EQ(candidate(""), "./lynx") << "an empty entry is the working directory";
    unsetenv("HOME");
    EXPECT_EQ(candidate("~/bin"), "./bin/lynx");
    EXPECT_EQ(browser_path_candidate("/usr/bin", 8, "lynx", out, 10), -1) << "too long is refused";
}

TEST_F(Browser, ProgramInARootEntryIsFound)
{
    fake_browser("konqueror", "root");
    setenv("HOME", dir.file("root").c_str(), 1);
    setenv("PATH", "~", 1);
    EXPECT_EQ(browser_find_in_path("konqueror"), 1);
}

TEST_F(Browser, DirectoriesAndPlainFilesAreNotBrowsers)
{
    dir.write("bin/mozilla/readme", "a folder, not a program\n");
    dir.write("bin/opera", "not executable\n");
    setenv("PATH", dir.file("bin").c_str(), 1);
    EXPECT_EQ(browser_find_in_path("mozilla"), 0);
    EXPECT_EQ(browser_find_in_path("opera"), 0);
    unsetenv("PATH");
    EXPECT_EQ(browser_find_in_path("opera"), 0);
}

TEST_F(Browser, WithoutDisplayOnlyConsoleBrowsersAreTried)
{
    fake_browser("links");
    fake_browser("galeon");
    setenv("PATH", dir.file("bin").c_str(), 1);
    EXPECT_EQ(command("http://x/a"), "galeon 'http://x/a' &");
    unsetenv("DISPLAY");
    EXPECT_EQ(command("http://x/a"), "links 'http://x/a'") << "no xterm without a display";
    setenv("PATH", "/nonexistent", 1);
    EXPECT_EQ(command("http://x/a"), "(0)");
    EXPECT_EQ(browser_launch("http://x/a"), -1);
}

TEST_F(Browser, QuotedFormatsKeepTheAddressOneWord)
{
    fake_browser("netscape");
    setenv("PATH", dir.file("bin").c_str(), 1);
    EXPECT_EQ(command("http://x/it's"),
              "netscape -remote 'openURL(http://x/it'\\''s,new-window)' || netscape 'http://x/it'\\''s' &");
    char out[256];
    ASSERT_EQ(browser_format("opera -page='%s' &", "a b", out, sizeof(out)), 0);
    EXPECT_STREQ(out, "opera -page='a b' &");
    ASSERT_EQ(browser_format("xterm -T \"Web %s\" -e lynx %s &", "u", out, sizeof(out)), 0);
    EXPECT_STREQ(out, "xterm -T \"Web \"'u'\"\" -e lynx 'u' &");
    EXPECT_EQ(browser_format("lynx %s", "0123456789", out, 12), -1);
    EXPECT_STREQ(out, "") << "a command that does not fit is not run cut short";
}

TEST_F(Browser, BrowserVariableIsAPatternNotAFormat)
{
    setenv("QUIB_BROWSER", "mybrowser %d %n %s --again %s", 1);
    EXPECT_EQ(command("http://x/a"), "mybrowser %d %n 'http://x/a' --again 'http://x/a'");
    setenv("QUIB_BROWSER", "mybrowser", 1);
    EXPECT_EQ(command("http://x/a"), "mybrowser");
}

TEST_F(Browser, HostileAddressReachesTheBrowserAsOneArgument)
{
    fake_browser("recorder");
    setenv("QUIB_BROWSER", (dir.file("bin/recorder") + " %s").c_str(), 1);
    const std::string url = dir.path() + "/it's a \"dir\"; touch pwned $(touch pwned2) `touch pwned3`/menu/readme.htm";
    EXPECT_EQ(browser_launch(url.c_str()), 0);
    EXPECT_EQ(dir.read("got"), url);
    EXPECT_FALSE(dir.exists("pwned"));
    EXPECT_FALSE(dir.exists("pwned2"));
    EXPECT_FALSE(dir.exists("pwned3"));
}

} // namespace

namespace {

TEST_F(Browser, HelpPageIsTheReadmeBelowTheBaseFolder)
{
    fake_browser("recorder");
    setenv("QUIB_BROWSER", (dir.file("bin/recorder") + " %s").c_str(), 1);
    float saved = g_render_fullscreen;
    g_render_fullscreen = 0.0f;   // windowed: nothing to leave
    shell_set_base_dir("/games/it's mine/run");
    zwin_open_url(8);
    EXPECT_EQ(dir.read("got"), "/games/it's mine/menu/readme.htm");
    zwin_open_url(1);
    std::string score = dir.read("got");
    EXPECT_EQ(score.substr(score.size() - 14), "/showscore.php");
    shell_set_base_dir(nullptr);
    g_render_fullscreen = saved;
}

} // namespace
