// The fatal-signal reporter, in child processes: crash signals are reported to the log
// with a backtrace and end the process with status 1; requests such as SIGTERM are not
// caught; SIGHUP is ignored.

#include "platform/usig.h"

#include "tests/support/temp_dir.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs body in a child with the reporter installed; returns the raw wait status.
template <typename Body>
int run_child(const std::string &log_path, Body body)
{
    pid_t pid = fork();
    if (pid == 0) {
        // The report goes to the log; keep the test's output clean.
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDERR_FILENO);
        usig_install(log_path.c_str());
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

TEST(UsigReporter, CrashSignalsAreReportedWithABacktrace)
{
    const std::pair<int, const char *> crashes[] = {
        {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGFPE, "SIGFPE"}, {SIGILL, "SIGILL"}, {SIGABRT, "SIGABRT/SIGIOT"}};
    for (const auto &crash : crashes) {
        TempDir dir;
        int sig = crash.first;
        int status = run_child(dir.file("console.txt"), [sig] { raise(sig); });
        ASSERT_TRUE(WIFEXITED(status)) << crash.second;
        EXPECT_EQ(WEXITSTATUS(status), 1) << crash.second;
        std::string log = dir.read("console.txt");
        EXPECT_EQ(log.rfind(std::string("[usig] Caught Unix signal ") + crash.second + "\n", 0), 0u) << log;
        int lines = 0;
        for (char c : log) {
            lines += c == '\n';
        }
        EXPECT_GE(lines, 3) << "backtrace lines follow the signal's name:\n" << log;
    }
}

TEST(UsigReporter, RequestsAreNotCaughtAndHangupIsIgnored)
{
    TempDir dir;
    int status = run_child(dir.file("console.txt"), [] { raise(SIGTERM); });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_EQ(dir.read("console.txt"), "");

    status = run_child(dir.file("console.txt"), [] { raise(SIGHUP); });
    ASSERT_TRUE(WIFEXITED(status)) << "SIGHUP is ignored";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
