#pragma once
// A new temporary folder, never one another test holds, standing in for the
// file-system root: write("/proc/stat", text) gives a backend its /proc/stat.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tidemark::testing {
namespace fs = std::filesystem;

struct FakeSystemRoot {
    FakeSystemRoot() { EXPECT_TRUE(fs::create_directory(path)) << path << " was taken"; }
    ~FakeSystemRoot() { fs::remove_all(path); }
    void write(const std::string& absolute, const std::string& text) const {
        fs::create_directories(fs::path(path + absolute).parent_path());
        std::ofstream(path + absolute, std::ios::binary) << text;
    }
    const std::string path = fs::temp_directory_path().string() + "/tidemark-" + std::to_string(std::random_device()());
};

}  // namespace tidemark::testing
