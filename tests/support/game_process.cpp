// game_process.cpp -- child process control for end-to-end tests.

#include "tests/support/game_process.h"

#include "tests/support/temp_dir.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

void sleep_seconds(double seconds)
{
    struct timespec ts;
    ts.tv_sec = (time_t)seconds;
    ts.tv_nsec = (long)((seconds - (double)ts.tv_sec) * 1e9);
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

GameProcess::GameProcess(const std::string &dir, const std::vector<std::string> &env,
                         const std::string &program)
    : dir_(dir)
{
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) {
            _exit(127);
        }
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        for (const std::string &e : env) {
            putenv(strdup(e.c_str()));
        }
        execl(program.c_str(), program.c_str(), (char *)nullptr);
        _exit(127);
    }
    pid_ = pid;
}

GameProcess::~GameProcess()
{
    if (pid_ > 0 && !reaped_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool GameProcess::running()
{
    if (pid_ <= 0 || reaped_) {
        return false;
    }
    int status;
    pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
        reaped_ = true;
        status_ = status;
        return false;
    }
    return true;
}

std::string GameProcess::log() const
{
    return read_file(dir_ + "/console.txt");
}

bool GameProcess::wait_for_log(const std::string &text, double seconds)
{
    for (double waited = 0; waited < seconds; waited += 0.05) {
        if (log().find(text) != std::string::npos) {
            return true;
        }
        if (!running()) {
            return log().find(text) != std::string::npos;
        }
        sleep_seconds(0.05);
    }
    return false;
}

void GameProcess::signal(int sig)
{
    if (pid_ > 0 && !reaped_) {
        kill(pid_, sig);
    }
}

int GameProcess::wait_exit(double seconds)
{
    for (double waited = 0; waited < seconds && running(); waited += 0.05) {
        sleep_seconds(0.05);
    }
    if (!reaped_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        reaped_ = true;
        return -1;
    }
    if (WIFEXITED(status_)) {
        return (signed char)WEXITSTATUS(status_);
    }
    if (WIFSIGNALED(status_)) {
        return -1000 - WTERMSIG(status_);
    }
    return -1;
}

std::string run_command(const std::string &command)
{
    std::string out;
    FILE *p = popen(command.c_str(), "r");
    if (!p) {
        return out;
    }
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof(buf), p)) > 0) {
        out.append(buf, n);
    }
    pclose(p);
    return out;
}
