// The face table against the shipped card catalogue, card by card: what a
// face prints must be what the match plays with.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "art/card_faces.h"
#include "table/catalogue.h"

namespace tanvorel {
namespace {

const std::string kCatalogue = std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini";

const CardCatalogue& Catalogue() {
  static const CardCatalogue catalogue = [] {
    CatalogueResult result = LoadCatalogueFile(kCatalogue);
    if (!result.ok()) ADD_FAILURE() << result.error->Report();
    return result.catalogue.value_or(CardCatalogue{});
  }();
  return catalogue;
}

// The card names the catalogue keeps after its Feature column (the program does not
// read them; they are there for people editing the file), by section.
std::vector<std::vector<std::string>> CatalogueNames() {
  std::ifstream in(kCatalogue);
  std::vector<std::vector<std::string>> sections(1);
  std::string line;
  std::getline(in, line);  // heading
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] < '0' || line[0] > '9') {
      if (!sections.back().empty()) sections.emplace_back();
      continue;
    }
    std::string name = line.size() > 25 ? line.substr(25) : std::string();
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    sections.back().push_back(name);
  }
  if (sections.back().empty()) sections.pop_back();
  return sections;
}

TEST(FaceTable, BowlingAgreesWithCatalogue) {
  const auto names = CatalogueNames();
  ASSERT_EQ(names.size(), 3u);
  ASSERT_EQ(names[0].size(), 40u);
  for (int n = 1; n <= kBowlingFaceCount; ++n) {
    const BowlingFace& face = BowlingFaces()[n - 1];
    const CardRecord& record = Catalogue()[kBowlingType][n];
    SCOPED_TRACE("bowling card " + std::to_string(n));
    EXPECT_EQ(record.Number, face.value);
    EXPECT_EQ(names[0][n - 1], face.name);
    if (face.extra == CardExtra::None) {
      EXPECT_EQ(record.Colour, SideWord(face.side));
      EXPECT_NE(face.value, 0);
    } else {
      EXPECT_EQ(record.Colour, ExtraWord(face.extra));
      EXPECT_EQ(record.Feature, ExtraWord(face.extra));
      EXPECT_EQ(face.name, ExtraWord(face.extra));
      EXPECT_EQ(face.side, CardSide::None);
    }
  }
}

TEST(FaceTable, BattingAgreesWithCatalogue) {
  const auto names = CatalogueNames();
  ASSERT_EQ(names.size(), 3u);
  ASSERT_EQ(names[1].size(), 60u);
  for (int n = 1; n <= kBattingFaceCount; ++n) {
    const BattingFace& face = BattingFaces()[n - 1];
    SCOPED_TRACE("batting card " + std::to_string(n));
    for (int type : {kBattingType, kSecondBattingType}) {
      const CardRecord& record = Catalogue()[type][n];
      EXPECT_EQ(record.Number, face.value);
      EXPECT_EQ(record.Colour, SideWord(face.tab));
      EXPECT_EQ(record.Feature, GroupWord(face.group));
    }
    EXPECT_EQ(names[1][n - 1], face.name);
  }
}

TEST(FaceTable, FieldingAgreesWithCatalogue) {
  const auto names = CatalogueNames();
  ASSERT_EQ(names.size(), 3u);
  ASSERT_EQ(names[2].size(), 60u);
  for (int n = 1; n <= kFieldingFaceCount; ++n) {
    const FieldingFace& face = FieldingFaces()[n - 1];
    const CardRecord& record = Catalogue()[kFieldingType][n];
    SCOPED_TRACE("fielding card " + std::to_string(n));
    EXPECT_EQ(record.Number, face.value);
    EXPECT_EQ(record.Colour, GroupWord(face.group));
    EXPECT_EQ(record.Feature, face.catching ? "Catch" : "");
    EXPECT_EQ(names[2][n - 1], face.name);
  }
}

// The rules every group follows: values in threes (or pairs), sides and tabs
// by number range. A slip in the table shows up here even where the
// catalogue has the same slip.
TEST(FaceTable, ValuesRunInSteps) {
  const int bowlingSteps[] = {1, 2, 3, 4, 5, 7};
  for (int n = 1; n <= 36; ++n) {
    const BowlingFace& face = BowlingFaces()[n - 1];
    EXPECT_EQ(face.value, bowlingSteps[((n - 1) % 18) / 3]) << "bowling " << n;
    EXPECT_EQ(face.side, n <= 18 ? CardSide::Black : CardSide::Grey) << "bowling " << n;
  }
  const int steps[] = {0, 1, 2, 3, 4, 6};
  struct Group {
    int first, last, run;
    CardGroup group;
    CardSide tab;
  };
  const Group groups[] = {{1, 18, 3, CardGroup::Blue, CardSide::Black},
                          {19, 36, 3, CardGroup::Orange, CardSide::Grey},
                          {37, 48, 2, CardGroup::Purple, CardSide::Black},
                          {49, 60, 2, CardGroup::Green, CardSide::Grey}};
  for (const Group& g : groups) {
    for (int n = g.first; n <= g.last; ++n) {
      const int step = steps[(n - g.first) / g.run];
      EXPECT_EQ(BattingFaces()[n - 1].value, step) << "batting " << n;
      EXPECT_EQ(BattingFaces()[n - 1].group, g.group) << "batting " << n;
      EXPECT_EQ(BattingFaces()[n - 1].tab, g.tab) << "batting " << n;
      EXPECT_EQ(FieldingFaces()[n - 1].value, step) << "fielding " << n;
      EXPECT_EQ(FieldingFaces()[n - 1].group, g.group) << "fielding " << n;
    }
  }
}

}  // namespace
}  // namespace tanvorel
