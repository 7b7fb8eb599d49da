#include "app/file_io.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace mapedit
