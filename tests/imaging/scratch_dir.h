// Files for a test: a fresh directory under the system temp folder, removed
// with its contents at the end, and a guard that makes it the current directory.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "skyrail-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const {
        return path_ / relative;
    }

    // Writes bytes to relative, creating its folders.
    void write(const std::filesystem::path& relative, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / relative).parent_path());
        std::ofstream(path_ / relative, std::ios::binary) << bytes;
    }
    void copy(const std::filesystem::path& from, const std::filesystem::path& relative) const {
        std::filesystem::create_directories((path_ / relative).parent_path());
        std::filesystem::copy_file(from, path_ / relative,
                                   std::filesystem::copy_options::overwrite_existing);
    }

  private:
    std::filesystem::path path_;
};

// The file's bytes, for cutting and corrupting copies.
inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::filesystem::path& dir)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~CurrentDirectory() { std::filesystem::current_path(previous_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

  private:
    std::filesystem::path previous_;
};
