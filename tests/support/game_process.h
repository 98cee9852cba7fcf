// game_process.h -- runs the whole program for end-to-end tests: in a working folder,
// with SDL's dummy audio, waiting on its log, sending signals and keys.
#pragma once

#include <string>
#include <vector>

class GameProcess {
public:
    // Starts `program` (the game binary by default) with `dir` as working directory and
    // extra "NAME=value" environment entries.
    GameProcess(const std::string &dir, const std::vector<std::string> &env = {},
                 const std::string &program = GLIMMERFALL_BIN);
    ~GameProcess();
    bool started() const { return pid_ > 0; }
    int pid() const { return pid_; }
    // Waits until "console.txt" in the working folder contains text; false on timeout
    // or when the program ended first.
    bool wait_for_log(const std::string &text, double seconds = 20.0);
    std::string log() const;
    void signal(int sig);
    // Waits for the exit; returns the exit status, or -1000 - signal when killed by a
    // signal, or -1 on timeout (the process is then killed).
    int wait_exit(double seconds = 20.0);
    bool running();

private:
    std::string dir_;
    int pid_ = -1;
    int status_ = -1;
    bool reaped_ = false;
};

// Runs a shell command and returns its standard output (for xdotool, xwininfo, import).
std::string run_command(const std::string &command);
// Sleeps for the given number of seconds.
void sleep_seconds(double seconds);
