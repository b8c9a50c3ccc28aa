#pragma once
// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>

class scratch_folder {
public:
    scratch_folder() {
        char pattern[] = "/tmp/terrain-import-test-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        ::chmod(pattern, 0755);  // other users (see run_tool) may need to reach in
    }
    ~scratch_folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    scratch_folder(const scratch_folder&) = delete;
    scratch_folder& operator=(const scratch_folder&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string file = *this / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    // The names of everything in the folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};
