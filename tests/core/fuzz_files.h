// fuzz_files.h -- what the fuzz targets of file readers share: the failed-check abort, a
// private folder to work in, writing the input's files there, and cutting one input into
// several files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fuzz {

// A broken promise of the reader under test: libFuzzer keeps the input that did it.
inline void check(bool ok)
{
    if (!ok) {
        abort();
    }
}

// A new folder under the system's temporary folder, removed at exit; the process's
// working directory becomes its sub-folder "run", so the game's relative paths ("..",
// "../styles/") land inside it. libFuzzer reads its corpus folders after the first run,
// so a target that calls this is given them as absolute paths.
inline std::string enter_private_folder()
{
    static std::string root;
    if (!root.empty()) {
        return root;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "glimmerfall_fuzz_XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back(0);
    if (!mkdtemp(name.data())) {
        perror("mkdtemp");
        abort();
    }
    root = name.data();
    std::filesystem::create_directories(root + "/run");
    if (chdir((root + "/run").c_str()) != 0) {
        perror("chdir");
        abort();
    }
    atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    });
    return root;
}

// Writes bytes to path (relative to the working directory); a part given as null
// removes the file instead, so the reader also meets a missing one.
inline void put_file(const std::string &path, const uint8_t *bytes, size_t size)
{
    if (!bytes) {
        std::remove(path.c_str());
        return;
    }
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) {
        perror(path.c_str());
        abort();
    }
    if (size > 0 && fwrite(bytes, 1, size, f) != size) {
        perror(path.c_str());
        abort();
    }
    fclose(f);
}

// One file of an input cut into several.
struct Part {
    const uint8_t *bytes;   // null when the input has fewer parts
    size_t size;
};

// The line that separates the files of one input. Seeds are files joined with it.
constexpr char SEPARATOR[] = "\n=====\n";

// Cuts data at each separator into at most n parts.
inline std::vector<Part> split(const uint8_t *data, size_t size, int n)
{
    std::vector<Part> parts((size_t)n, Part{nullptr, 0});
    const size_t sep = sizeof(SEPARATOR) - 1;
    size_t start = 0;
    for (int k = 0; k < n; k++) {
        size_t end = size;
        if (k + 1 < n) {
            for (size_t i = start; i + sep <= size; i++) {
                if (memcmp(data + i, SEPARATOR, sep) == 0) {
                    end = i;
                    break;
                }
            }
        }
        parts[(size_t)k] = Part{data + start, end - start};
        if (end == size) {
            break;
        }
        start = end + sep;
    }
    return parts;
}

} // namespace fuzz
