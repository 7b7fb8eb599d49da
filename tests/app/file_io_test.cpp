#include "app/file_io.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#endif

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

#ifndef _WIN32
// A designer's level kept behind a link (into a shared folder, say) stays
// behind it: Save writes the file the link names and keeps the link.
TEST_F(FileIo, AWriteThroughALinkWritesItsFileAndKeepsTheLink) {
    const struct {
        const char* link;
        const char* pointsTo;
        const char* file;  // what is written in the end
    } cases[] = {
        {"level.des", "folder/real.des", "folder/real.des"},
        {"absolute.des", "", "folder/abs.des"},  // pointsTo: the file's absolute path
        {"folder/up.des", "../top.des", "top.des"},
        {"twice.des", "level.des", "folder/real.des"},
        {"dangling.des", "folder/new.des", "folder/new.des"},
    };
    ASSERT_TRUE(writeFileAtomically(at("folder/real.des"), "old\n"));
    for (const auto& c : cases) {
        const std::string to = *c.pointsTo != 0 ? c.pointsTo : at(c.file);
        fs::create_symlink(to, dir_ / c.link);
        const std::string text = std::string("MAZE through ") + c.link + "\n";
        const Status written = writeFileAtomically(at(c.link), text);
        ASSERT_TRUE(written) << c.link << ": " << written.error();
        EXPECT_TRUE(fs::is_symlink(dir_ / c.link)) << c.link;
        EXPECT_EQ(fs::read_symlink(dir_ / c.link).string(), to) << c.link;
        const Result<std::string> back = readWholeFile(at(c.file));
        ASSERT_TRUE(back) << c.link;
        EXPECT_EQ(*back, text) << c.link;
    }
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
        EXPECT_EQ(entry.path().filename().string().rfind(".mapedit-save-", 0), std::string::npos)
            << entry.path();
    }
}

// A pipe (or a device: mapedit-cli rewrite -o /dev/stdout) takes the text as
// it is and stays what it was, rather than being replaced by a plain file.
TEST_F(FileIo, APipeIsWrittenToAndStaysAPipe) {
    const std::string pipe = at("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // The reading end is open before the write, which then needs no wait;
    // a text this short fits the pipe's buffer.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const Status written = writeFileAtomically(pipe, "MAZE: \"piped\"\n");
    char buffer[64] = {};
    const ssize_t n = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    ASSERT_TRUE(written) << written.error();
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0))),
              "MAZE: \"piped\"\n");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(names(), (std::vector<std::string>{"folder", "pipe"}));
}
#endif

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
