// Finding the side files beside the program or in its installed data folder,
// whatever the letter case of the names on disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "table/side_files.h"

namespace tanvorel {
namespace {

namespace fs = std::filesystem;

class SideFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tanvorel-side-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path Make(const fs::path& file) {
    fs::create_directories((root_ / file).parent_path());
    std::ofstream(root_ / file) << "x";
    return root_ / file;
  }
  fs::path root_;
};

TEST_F(SideFiles, FoundBesideTheProgramInAnyLetterCase) {
  struct Case {
    const char* onDisk;
    const char* asked;
  };
  const Case cases[] = {
      {"game/Details/startup1.avi", "startup1.avi"},
      {"game/details/farewellmessage.ini", "farewellmessage.ini"},
      {"game/DETAILS/Startupslide1.JPG", "Startupslide1.jpg"},
      {"game/Details/BackingMusic.wav", "backingmusic.wav"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.onDisk);
    fs::remove_all(root_ / "game");
    const fs::path file = Make(c.onDisk);
    EXPECT_EQ(SideFile(root_ / "game", c.asked), file);
  }
}

TEST_F(SideFiles, AnInstalledProgramFindsItsDataFolder) {
  const fs::path file = Make("prefix/share/tanvorel/Details/CardDetails.ini");
  fs::create_directories(root_ / "prefix/bin");
  EXPECT_EQ(FindDetailsFolder(root_ / "prefix/bin"), root_ / "prefix/share/tanvorel/Details");
  EXPECT_EQ(SideFile(root_ / "prefix/bin", "CardDetails.ini"), file);
  // A Details folder beside the program comes first.
  const fs::path beside = Make("prefix/bin/Details/CardDetails.ini");
  EXPECT_EQ(SideFile(root_ / "prefix/bin", "CardDetails.ini"), beside);
}

TEST_F(SideFiles, AMissingFileNamesWhereItWasExpected) {
  fs::create_directories(root_ / "game");
  EXPECT_EQ(SideFile(root_ / "game", "startup2.avi"), root_ / "game/Details/startup2.avi");
  Make("game/details/other.txt");
  EXPECT_EQ(SideFile(root_ / "game", "startup2.avi"), root_ / "game/details/startup2.avi");
}

}  // namespace
}  // namespace tanvorel
