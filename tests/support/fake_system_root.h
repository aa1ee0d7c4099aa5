#pragma once
// A temporary folder that stands in for the file-system root, so a backend
// reads its /proc and /sys files from text the test wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tidemark::testing {

class FakeSystemRoot {
public:
    // A new folder of its own, never one another test holds.
    FakeSystemRoot() { EXPECT_TRUE(std::filesystem::create_directory(root_)) << root_ << " was taken"; }
    ~FakeSystemRoot() { std::filesystem::remove_all(root_); }
    FakeSystemRoot(const FakeSystemRoot&) = delete;

    // `absolute` as the backend names it, such as "/proc/stat".
    void write(const std::string& absolute, const std::string& text) const {
        const std::filesystem::path file = root_ + absolute;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    const std::string& path() const { return root_; }

private:
    std::string root_ =
        (std::filesystem::temp_directory_path() / ("tidemark-root-" + std::to_string(std::random_device()()))).string();
};

}  // namespace tidemark::testing
