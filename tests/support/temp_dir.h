// temp_dir.h -- a fresh temporary directory for a test, optionally made the working
// directory, removed with its contents afterwards.
#pragma once

#include <filesystem>
#include <string>

class TempDir {
public:
    // enter: chdir into it for the test's lifetime (the old working directory comes back).
    explicit TempDir(bool enter = false);
    ~TempDir();
    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }
    void write(const std::string &name, const std::string &bytes) const;
    std::string read(const std::string &name) const;
    bool exists(const std::string &name) const;

private:
    std::string path_;
    std::string old_cwd_;
};

// Whole file as bytes; empty when missing.
std::string read_file(const std::string &path);

// A folder as the engine should be handed it: relative to the working folder when that
// is shorter, as the game's own "../styles/" are, else as given. The engine's folder
// fields hold 63 characters, which a checkout in a deep folder exceeds when named
// absolutely. Valid while the working folder stays where it was.
inline std::string relative_path(const std::string &path)
{
    std::error_code ec;
    std::string relative = std::filesystem::relative(path, ec).string();
    return !ec && !relative.empty() && relative.size() < path.size() ? relative : path;
}
