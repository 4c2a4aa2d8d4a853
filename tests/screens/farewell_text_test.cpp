// The farewell file: lines up to the one that trims to "End".

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>

#include "screens/farewell_text.h"

namespace tanvorel {
namespace {

namespace fs = std::filesystem;

TEST(FarewellText, ReadsLinesUpToTheEndLine) {
  struct Case {
    const char* name;
    std::string file;
    std::string message;
    bool foundEnd;
  };
  const Case cases[] = {
      {"the example: each line after a carriage return", "a first sentence\r\n\r\na second sentence\r\nEnd\r\n",
       "\ra first sentence\r\ra second sentence", true},
      {"End first gives an empty message", "End\r\nnever shown\r\n", "", true},
      {"End with spaces around it ends the message", "one\r\n   End  \r\ntwo\r\n", "\rone", true},
      {"end in small letters is part of the message", "one\r\nend\r\nEnd\r\n", "\rone\rend", true},
      {"END in capitals is part of the message", "END\r\nEnd\r\n", "\rEND", true},
      {"only spaces are trimmed, not tabs", "\tEnd\r\nEnd\r\n", "\r\tEnd", true},
      {"End inside a line does not end it", "End of play\r\nEnd\r\n", "\rEnd of play", true},
      {"spaces around a line are kept", "  wide  \r\nEnd\r\n", "\r  wide  ", true},
      {"lines may end in LF alone", "a\nb\nEnd\nc\n", "\ra\rb", true},
      {"lines may end in CR alone", "a\rb\rEnd\rc", "\ra\rb", true},
      {"mixed line endings", "a\r\nb\nc\rEnd", "\ra\rb\rc", true},
      {"an End line without an ending", "a\r\nEnd", "\ra", true},
      {"a byte order mark before the first line", "\xEF\xBB\xBF" "End\r\n", "", true},
      {"markup is text like any other", "<b>bold</b>\r\nEnd\r\n", "\r<b>bold</b>", true},
      {"no End line: the text up to the end of the file", "a\r\nb\r\n", "\ra\rb", false},
      {"no End line and no last line ending", "a\r\nb", "\ra\rb", false},
      {"an empty file", "", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.file);
    const FarewellText text = ReadFarewell(in);
    EXPECT_EQ(text.message, c.message);
    EXPECT_EQ(text.foundEnd, c.foundEnd);
    EXPECT_FALSE(text.truncated);
  }
}

class FarewellFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tanvorel-farewell-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path Write(const std::string& bytes) {
    const fs::path file = dir_ / "farewellmessage.ini";
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  fs::path dir_;
};

TEST_F(FarewellFile, MissingOrEmptyGivesTheDefaultFarewell) {
  EXPECT_EQ(ReadFarewellFile(dir_ / "no-such-file.ini").message, kDefaultFarewell);
  EXPECT_EQ(ReadFarewellFile(dir_).message, kDefaultFarewell);  // a folder, not a file
  EXPECT_EQ(ReadFarewellFile(Write("")).message, kDefaultFarewell);
  EXPECT_EQ(ReadFarewellFile(Write("\r\n   \r\n\r\n")).message, kDefaultFarewell);
}

TEST_F(FarewellFile, WithoutAnEndLineGivesWhatWasRead) {
  EXPECT_EQ(ReadFarewellFile(Write("Well played.\r\nSee you soon.\r\n")).message, "\rWell played.\rSee you soon.");
  // An empty message chosen with a first End line stays empty.
  EXPECT_EQ(ReadFarewellFile(Write("End\r\n")).message, "");
}

// Huge or binary files: the reader stops reading at the cap.
TEST_F(FarewellFile, StaysBoundedWhateverTheFileHolds) {
  std::mt19937 random(7);
  std::string garbage(300000, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"many lines and no End", [] {
         std::string s;
         for (int i = 0; i < 200000; ++i) s += "Another line of the farewell\r\n";
         return s;
       }()},
      {"one line of a megabyte", std::string(1 << 20, 'x')},
      {"binary garbage", garbage},
      {"the End line beyond the cap", std::string(kMaxFarewellBytes * 2, 'y') + "\r\nEnd\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FarewellText text = ReadFarewellFile(Write(c.bytes));
    EXPECT_EQ(text.message.size(), kMaxFarewellBytes);
    EXPECT_TRUE(text.truncated);
    EXPECT_FALSE(text.foundEnd);
  }
}

TEST(FarewellText, TheShippedFarewellHasItsEndLine) {
  const FarewellText text = ReadFarewellFile(fs::path(TANVOREL_SOURCE_DIR) / "Details" / "farewellmessage.ini");
  EXPECT_TRUE(text.foundEnd);
  EXPECT_NE(text.message.find("Tanvorel"), std::string::npos);
}

}  // namespace
}  // namespace tanvorel
