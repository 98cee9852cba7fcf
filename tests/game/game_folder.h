// game_folder.h -- a temporary tree whose folder "game" is the working directory for a
// test, so files the game writes one folder up ("../scorestosend.txt") stay inside it.
#pragma once

#include "game/highscore.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <string>
#include <unistd.h>

class GameFolder {
public:
    GameFolder()
    {
        std::filesystem::create_directories(root_.file("game"));
        char cwd[4096];
        if (getcwd(cwd, sizeof(cwd)) && chdir(root_.file("game").c_str()) == 0) {
            old_cwd_ = cwd;
        }
    }
    ~GameFolder()
    {
        if (!old_cwd_.empty() && chdir(old_cwd_.c_str()) != 0) {
            old_cwd_.clear();
        }
    }
    // A file in the game folder.
    std::string file(const std::string &name) const { return root_.file("game/" + name); }
    void write(const std::string &name, const std::string &bytes) const { root_.write("game/" + name, bytes); }
    std::string read(const std::string &name) const { return root_.read("game/" + name); }
    bool exists(const std::string &name) const { return root_.exists("game/" + name); }
    // A file in the folder above it.
    std::string read_up(const std::string &name) const { return root_.read(name); }

private:
    TempDir root_;
    std::string old_cwd_;
};

// The high-score tables at their defaults and every level reached 0, as a first start
// finds them: score_init in a fresh folder, which holds no "score.cfg".
inline void score_tables_reset()
{
    GameFolder fresh;
    score_init();
}
