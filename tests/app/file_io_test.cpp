#include "app/file_io.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace mapedit {
namespace {

TEST(PathSplitting, FileNameAndDirectoryOfAPath) {
    struct Case {
        std::string path, directory, name;
    };
    const Case cases[] = {
        {"castle.des", ".", "castle.des"},
        {"/castle.des", "/", "castle.des"},
        {"levels/castle.des", "levels", "castle.des"},
        {"/home/a/levels/castle.des", "/home/a/levels", "castle.des"},
        {"levels/", "levels", ""},
        {"", ".", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(directoryOf(c.path), c.directory) << c.path;
        EXPECT_EQ(fileNameOf(c.path), c.name) << c.path;
    }
}

TEST(PathSplitting, BackslashesSeparateFileNamesToo) {
    EXPECT_EQ(fileNameOf("C:\\levels\\castle.des"), "castle.des");
    EXPECT_EQ(fileNameOf("levels\\sub/castle.des"), "castle.des");
    EXPECT_EQ(fileNameOf("levels/sub\\castle.des"), "castle.des");
}

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("mapedit-file-io-" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "folder");
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string at(const char* name) const { return (dir_ / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
    fs::path dir_;
};

TEST_F(FileIo, AFailedReadNamesTheFileAndTheReason) {
    const struct {
        std::string path, error;
    } cases[] = {
        {at("missing.des"), "Cannot open " + at("missing.des") + ": No such file or directory"},
        {at("folder"), "Cannot read " + at("folder") + ": Is a directory"},
    };
    for (const auto& c : cases) {
        const Result<std::string> text = readWholeFile(c.path);
        ASSERT_FALSE(text) << c.path;
        EXPECT_EQ(text.error(), c.error);
    }
}

// The target stays as it was and no temporary file is left beside it.
TEST_F(FileIo, AFailedWriteNamesTheFileAndLeavesNothingBehind) {
    const struct {
        std::string path, error;
    } cases[] = {
        {at("gone/level.des"),
         "Cannot write " + at("gone/level.des") + ": No such file or directory"},
        {at("folder"), "Cannot write " + at("folder") + ": Is a directory"},
    };
    for (const auto& c : cases) {
        const Status written = writeFileAtomically(c.path, "MAZE: \"x\", ' '\n");
        ASSERT_FALSE(written) << c.path;
        EXPECT_EQ(written.error(), c.error);
    }
    EXPECT_EQ(names(), std::vector<std::string>{"folder"});
    EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
}

TEST_F(FileIo, AWriteReplacesTheWholeFileByteForByte) {
    const std::string path = at("level.des");
    ASSERT_TRUE(writeFileAtomically(path, "a longer text that was there before\n"));
    const std::string text("MAZE\0\r\n\x1a", 8);
    const Status written = writeFileAtomically(path, text);
    ASSERT_TRUE(written) << written.error();
    const Result<std::string> back = readWholeFile(path);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(*back, text);
    EXPECT_EQ(names(), (std::vector<std::string>{"folder", "level.des"}));
}

// Paths are UTF-8 bytes wherever the program holds them, on Windows too,
// where the file system takes UTF-16.
TEST_F(FileIo, NamesAreUtf8) {
    const std::u8string name = u8"H\u00f6hle \u0436\u8ff7\u5bae.des";
    const auto folder = dir_.u8string();
    const std::string path =
        std::string(folder.begin(), folder.end()) + "/" + std::string(name.begin(), name.end());
    ASSERT_TRUE(writeFileAtomically(path, "MAZE\n"));
    ASSERT_TRUE(writeFileAtomically(path, "MAZE again\n"));
    EXPECT_TRUE(fs::is_regular_file(dir_ / fs::path(name)));
    const Result<std::string> back = readWholeFile(path);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(*back, "MAZE again\n");
    EXPECT_EQ(directoryOf(path), std::string(folder.begin(), folder.end()));
    EXPECT_EQ(fileNameOf(path), std::string(name.begin(), name.end()));
}

}  // namespace
}  // namespace mapedit
