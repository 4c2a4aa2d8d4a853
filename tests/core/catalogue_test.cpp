#include "table/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tanvorel {
namespace {

// A well-formed catalogue: card n of each section is "<n%10>   C<n>  F<n>".
std::string MakeCatalogue(const std::string& lineEnd = "\r\n") {
  std::string text = "heading" + lineEnd;
  auto card = [&](int n) {
    std::string colour = "C" + std::to_string(n);
    std::string feature = "F" + std::to_string(n);
    return std::to_string(n % 10) + "   " + colour + std::string(11 - colour.size(), ' ') + feature + lineEnd;
  };
  for (int n = 1; n <= 40; ++n) text += card(n);
  text += "--" + lineEnd + lineEnd;
  for (int n = 1; n <= 60; ++n) text += card(n);
  text += lineEnd + "==" + lineEnd + " anything " + lineEnd;
  for (int n = 1; n <= 60; ++n) text += card(n);
  return text;
}

CatalogueResult Read(const std::string& text) {
  std::istringstream in(text);
  return ReadCatalogue(in, "CardDetails.ini");
}

TEST(CatalogueLine, ColumnRule) {
  struct Case {
    std::string line;
    CardRecord expected;
  };
  const Case cases[] = {
      {"5", {5, "", ""}},
      {"7   ", {7, "", ""}},                                  // 4 characters: no text fields
      {"3   Black      ", {3, "Black", ""}},                  // 15 characters: no Feature
      {"3   Black      Blue ", {3, "Black", "Blue"}},         // 20 characters
      {"12    Red     x", {1, "Red", ""}},                    // only column 1 is the value
      {"1     Red          Purple    tail", {1, "Red", "Purple"}},
      {"1   LongerThanTen!Catch", {1, "LongerThan", "en!Catch"}},  // cut at column 14, Feature from 16
      {"2   \tTab       In Word   ", {2, "\tTab", "In Word"}},  // only spaces are trimmed
      {"0   No Ball    No Ball", {0, "No Ball", "No Ball"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseCardLine(c.line), c.expected) << '"' << c.line << '"';
}

TEST(Catalogue, LoadsSectionsByPosition) {
  for (const std::string end : {"\r\n", "\r", "\n"}) {
    const CatalogueResult result = Read(MakeCatalogue(end) + "extra line\r\n0bad\r\n");
    ASSERT_TRUE(result.ok()) << result.error->Report();
    const CardCatalogue& cat = *result.catalogue;
    EXPECT_EQ(cat[1][1], (CardRecord{1, "C1", "F1"}));
    EXPECT_EQ(cat[1][40], (CardRecord{0, "C40", "F40"}));
    EXPECT_EQ(cat[2][17], (CardRecord{7, "C17", "F17"}));
    EXPECT_EQ(cat[3][60], (CardRecord{0, "C60", "F60"}));
    for (int n = 0; n <= 60; ++n) {
      EXPECT_EQ(cat[4][n], cat[2][n]);
      EXPECT_EQ(cat[0][n], CardRecord{});
    }
    for (int t = 1; t <= 4; ++t) EXPECT_EQ(cat[t][0], CardRecord{});
    for (int n = 41; n <= 60; ++n) EXPECT_EQ(cat[1][n], CardRecord{});
  }
}

TEST(Catalogue, ReportsWhereAndWhatWentWrong) {
  std::string full = MakeCatalogue("\n");
  auto lineStart = [&](int line) {
    std::size_t pos = 0;
    for (int i = 1; i < line; ++i) pos = full.find('\n', pos) + 1;
    return pos;
  };
  struct Case {
    std::string text;
    CatalogueErrorKind kind;
    int line;
  };
  std::string spaceFirst = full, emptyBatting = full, letterFielding = full;
  spaceFirst[lineStart(2)] = ' ';
  emptyBatting.erase(lineStart(44), lineStart(45) - lineStart(44) - 1);
  letterFielding[lineStart(166)] = 'x';
  const Case cases[] = {
      {"", CatalogueErrorKind::EndsEarly, 1},
      {full.substr(0, lineStart(100)), CatalogueErrorKind::EndsEarly, 100},
      {full.substr(0, lineStart(166)), CatalogueErrorKind::EndsEarly, 166},
      {spaceFirst, CatalogueErrorKind::NotADigit, 2},
      {emptyBatting, CatalogueErrorKind::NotADigit, 44},
      {letterFielding, CatalogueErrorKind::NotADigit, 166},
  };
  for (const Case& c : cases) {
    const CatalogueResult result = Read(c.text);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->kind, c.kind);
    EXPECT_EQ(result.error->line, c.line);
    const std::string report = result.error->Report();
    EXPECT_NE(report.find("CardDetails.ini"), std::string::npos) << report;
    EXPECT_NE(report.find("Line: " + std::to_string(c.line)), std::string::npos) << report;
  }
}

TEST(Catalogue, MissingFileOrFolderCannotBeOpened) {
  for (const std::string& path : {std::string("/nonexistent/Details/CardDetails.ini"), std::string(TANVOREL_SOURCE_DIR) + "/Details"}) {
    const CatalogueResult result = LoadCatalogueFile(path);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->kind, CatalogueErrorKind::CannotOpen);
    EXPECT_NE(result.error->Report().find(path), std::string::npos);
  }
}

TEST(Catalogue, ShippedFileHoldsTheGame) {
  const CatalogueResult result = LoadCatalogueFile(std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini");
  ASSERT_TRUE(result.ok()) << result.error->Report();
  const CardCatalogue& cat = *result.catalogue;
  EXPECT_EQ(cat[1][1], (CardRecord{1, "Black", "Yorker"}));
  EXPECT_EQ(cat[1][19].Colour, "Grey");
  EXPECT_EQ(cat[1][37], (CardRecord{0, "Wide", "Wide"}));
  EXPECT_EQ(cat[1][40], (CardRecord{0, "No Ball", "No Ball"}));
  EXPECT_EQ(cat[2][1], (CardRecord{0, "Black", "Blue"}));
  EXPECT_EQ(cat[2][60], (CardRecord{6, "Grey", "Green"}));
  EXPECT_EQ(cat[3][1], (CardRecord{0, "Blue", "Catch"}));
  EXPECT_EQ(cat[3][2], (CardRecord{0, "Blue", ""}));
  EXPECT_EQ(cat[3][59], (CardRecord{6, "Green", "Catch"}));
}

}  // namespace
}  // namespace tanvorel

namespace tanvorel {
namespace {

// Side files as a player may leave them: the report always names the file,
// the line and what is wrong, and nothing hangs or takes the memory.
class BadCatalogueFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tanvorel-catalogue-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& content) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }
  static std::string Shipped() {
    std::ifstream in(std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::filesystem::path dir_;
};

TEST_F(BadCatalogueFile, ReportsEachKindOfDamage) {
  std::string garbage(4096, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 2654435761u) >> 13);
  const std::string shipped = Shipped();
  struct Case {
    std::string name, content;
    CatalogueErrorKind kind;
    int line;
  };
  const Case cases[] = {
      {"empty.ini", "", CatalogueErrorKind::EndsEarly, 1},
      {"truncated.ini", shipped.substr(0, shipped.size() / 2), CatalogueErrorKind::EndsEarly, 0},
      {"garbage.ini", garbage, CatalogueErrorKind::NotADigit, 0},
      {"no-line-ends.ini", std::string(300000, '7'), CatalogueErrorKind::EndsEarly, 2},
  };
  for (const Case& c : cases) {
    const CatalogueResult result = LoadCatalogueFile(Write(c.name, c.content));
    ASSERT_FALSE(result.ok()) << c.name;
    EXPECT_EQ(result.error->kind, c.kind) << c.name << ": " << result.error->Report();
    if (c.line != 0) {
      EXPECT_EQ(result.error->line, c.line) << c.name;
    }
    EXPECT_NE(result.error->Report().find(c.name), std::string::npos);
    EXPECT_NE(result.error->Report().find("Line: "), std::string::npos);
  }
}

TEST_F(BadCatalogueFile, UnreadableFile) {
  // Opens, but every read fails.
  const CatalogueResult result = LoadCatalogueFile("/proc/self/mem");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error->kind, CatalogueErrorKind::CannotRead);
  EXPECT_NE(result.error->Report().find("cannot be read"), std::string::npos);
}

TEST_F(BadCatalogueFile, HundredMegabytesLoadInBoundedMemory) {
  // 100 MB after the 166 lines, and 100 MB on one heading line.
  const std::string shipped = Shipped();
  std::string big = shipped;
  big.append(100u << 20, 'x');
  EXPECT_TRUE(LoadCatalogueFile(Write("big-tail.ini", big)).ok());
  std::string longHeading(100u << 20, 'h');
  longHeading += "\r\n" + shipped.substr(shipped.find('\n') + 1);
  big.clear();
  big.shrink_to_fit();
  const CatalogueResult result = LoadCatalogueFile(Write("long-heading.ini", longHeading));
  EXPECT_TRUE(result.ok()) << result.error->Report();
}

TEST_F(BadCatalogueFile, LoneLineFeedsEndLines) {
  std::string shipped = Shipped();
  std::string lf;
  for (char c : shipped)
    if (c != '\r') lf += c;
  const CatalogueResult fromLf = LoadCatalogueFile(Write("lf.ini", lf));
  const CatalogueResult fromCrLf = LoadCatalogueFile(Write("crlf.ini", shipped));
  ASSERT_TRUE(fromLf.ok());
  ASSERT_TRUE(fromCrLf.ok());
  EXPECT_EQ(*fromLf.catalogue, *fromCrLf.catalogue);
}

}  // namespace
}  // namespace tanvorel
