// temp_dir.cpp -- temporary working folders for tests.

#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

TempDir::TempDir(bool enter)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "glimmer-XXXXXX").string();
    char *made = mkdtemp(pattern.data());
    path_ = made ? made : "";
    if (enter && !path_.empty()) {
        char cwd[4096];
        if (getcwd(cwd, sizeof(cwd))) {
            old_cwd_ = cwd;
        }
        if (chdir(path_.c_str()) != 0) {
            old_cwd_.clear();
        }
    }
}

TempDir::~TempDir()
{
    if (!old_cwd_.empty() && chdir(old_cwd_.c_str()) != 0) {
        return;
    }
    std::error_code ec;
    if (!path_.empty()) {
        std::filesystem::remove_all(path_, ec);
    }
}

void TempDir::write(const std::string &name, const std::string &bytes) const
{
    std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
    std::ofstream out(file(name), std::ios::binary);
    out << bytes;
}

std::string TempDir::read(const std::string &name) const
{
    return read_file(file(name));
}

bool TempDir::exists(const std::string &name) const
{
    return std::filesystem::exists(file(name));
}

std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
