#pragma once
// Reader of the card catalogue, Details/CardDetails.ini.
//
// The file has 166 lines of fixed-column text: a heading, 40 bowling lines,
// two separator lines, 60 batting lines, three separator lines, 60 fielding
// lines. A card line holds the value at column 1, the Colour in columns 5-14
// and the Feature in columns 16-25, each cut to its columns and stripped of
// spaces. Lines end in CR LF, a lone CR or a lone LF. Only the first 166
// lines are read.

#include <array>
#include <istream>
#include <optional>
#include <string>

#include "engine/card_record.h"

namespace tanvorel {

inline constexpr int kCatalogueLines = 166;

enum class CatalogueErrorKind {
  CannotOpen,      // missing file or folder, a folder in its place
  CannotRead,      // the file opened but reading it failed
  EndsEarly,       // the file ends before its 166th line
  NotADigit,       // a card line that does not begin with a decimal digit
};

struct CatalogueError {
  CatalogueErrorKind kind;
  std::string file;  // the path as given
  int line = 0;      // 1-based line where it went wrong (0 when it could not be opened)
  std::string detail;

  // The report shown to the player: names the file, the line and the kind of error.
  std::string Report() const;
};

struct CatalogueResult {
  std::optional<CardCatalogue> catalogue;
  std::optional<CatalogueError> error;
  bool ok() const { return catalogue.has_value(); }
};

// Parses one card line by the column rule.
CardRecord ParseCardLine(const std::string& line);

// Reads a catalogue from a stream; `name` is the file named in error reports.
CatalogueResult ReadCatalogue(std::istream& in, const std::string& name);

// Opens and reads the file at `path`.
CatalogueResult LoadCatalogueFile(const std::string& path);

}  // namespace tanvorel
