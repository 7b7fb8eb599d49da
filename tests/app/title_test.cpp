#include "app/title.h"

#include <gtest/gtest.h>

#include <string>

namespace mapedit {
namespace {

TEST(WindowTitle, NamesTheFileThenTheProgram) {
    EXPECT_EQ(windowTitle("castle.txt"), "castle.txt - Morvath Map Construction Helper");
}

TEST(WindowTitle, WithoutAFileIsTheProgramName) {
    EXPECT_EQ(windowTitle(""), "Morvath Map Construction Helper");
}

TEST(WindowTitle, CutsTheProgramNameToKeepTheTitleShort) {
    const std::string name(50, 'n');
    EXPECT_EQ(windowTitle(name), name + " - Morvath Map Constructio...");
}

TEST(WindowTitle, CutsAVeryLongFileNameAt73Characters) {
    const std::string name(100, 'n');
    EXPECT_EQ(windowTitle(name), std::string(73, 'n') + " - ...");
}

}  // namespace
}  // namespace mapedit
