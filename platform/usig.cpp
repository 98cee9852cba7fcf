// usig.cpp -- the fatal-signal reporter. Its handler uses only async-signal-safe calls:
// write() on descriptors opened beforehand, backtrace() (loaded beforehand) and
// backtrace_symbols_fd(), then _exit().

#include "platform/usig.h"

#include "core/con.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

constexpr int USIG_MAX_FRAMES = 32;

// Only these mean the program itself went wrong; the others are requests (SIGTERM),
// job control or notifications and keep their usual handling.
static const int USIG_CRASH_SIGNALS[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

static const char *const USIG_NAMES[] = {
    "SIGHUP", "SIGINT", "SIGQUIT", "SIGILL", "SIGTRAP", "SIGABRT/SIGIOT", "SIGBUS", "SIGFPE",
    "SIGKILL", "SIGUSR1", "SIGSEGV", "SIGUSR2", "SIGPIPE", "SIGALM", "SIGTERM", "SIGSTKFLT",
    "SIGCHLD", "SIGCONT", "SIGSTOP", "SIGTSTP", "SIGTTIN", "SIGTTOU", "SIGURG", "SIGXCPU",
    "SIGXFSZ", "SIGVTALRM", "SIGPROF", "SIGWINCH", "SIGIO/SIGPOLL", "SIGPWR", "SIGUNUSED",
};
constexpr int USIG_NAME_COUNT = (int)(sizeof(USIG_NAMES) / sizeof(USIG_NAMES[0]));

// The log opened for appending by usig_install, -1 when none.
static int usig_log_fd = -1;
// Set on entry: a crash inside the handler ends the process at once.
static volatile sig_atomic_t usig_entered;

const char *usig_name(int sig)
{
    if (sig < 1 || sig > USIG_NAME_COUNT) {
        return "Unknown";
    }
    return USIG_NAMES[sig - 1];
}

// Writes all of text to fd, retrying after interruptions; errors are ignored, there
// is nowhere left to report them.
static void usig_write(int fd, const char *text)
{
    if (fd < 0) {
        return;
    }
    size_t left = strlen(text);
    while (left > 0) {
        ssize_t n = write(fd, text, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        text += n;
        left -= (size_t)n;
    }
}

static void usig_report(const char *text)
{
    usig_write(usig_log_fd, text);
    usig_write(STDERR_FILENO, text);
}

static void usig_handler(int sig)
{
    if (usig_entered) {
        usig_report("Recursive signal\n");
        _exit(1);
    }
    usig_entered = 1;
    usig_report("[usig] Caught Unix signal ");
    usig_report(usig_name(sig));
    usig_report("\n");
    void *frames[USIG_MAX_FRAMES];
    int count = backtrace(frames, USIG_MAX_FRAMES);
    if (usig_log_fd >= 0) {
        backtrace_symbols_fd(frames, count, usig_log_fd);
    }
    backtrace_symbols_fd(frames, count, STDERR_FILENO);
    _exit(1);
}

int usig_install(const char *log_path)
{
    if (usig_log_fd >= 0) {
        close(usig_log_fd);
        usig_log_fd = -1;
    }
    if (log_path && log_path[0]) {
        usig_log_fd = open(log_path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (usig_log_fd < 0) {
            con_printf("*** [usig] cannot open %s for crash reports", log_path);
        }
    }
    // The first backtrace() loads the unwinder, which allocates: do it here, not in
    // the handler.
    void *warm[1];
    backtrace(warm, 1);

    struct sigaction action;
    memset(&action, 0, sizeof(action));
    action.sa_handler = usig_handler;
    sigemptyset(&action.sa_mask);
    int result = 0;
    for (int sig : USIG_CRASH_SIGNALS) {
        if (sigaction(sig, &action, nullptr) != 0) {
            con_printf("*** [usig] cannot catch %s", usig_name(sig));
            result = -1;
        }
    }
    struct sigaction ignore;
    memset(&ignore, 0, sizeof(ignore));
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGHUP, &ignore, nullptr);
    return result;
}
