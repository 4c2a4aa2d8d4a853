#include "table/catalogue.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace tanvorel {

namespace {

// Only the first 25 columns of a line carry data; longer lines are skipped
// to their end without being stored, so a huge line costs no memory.
constexpr std::size_t kColumnsKept = 25;

enum class LineRead { Line, End, Failed };

// Reads the next line into `line` (at most kColumnsKept characters kept).
// A line ends at CR LF, a lone CR or a lone LF. End means the file ended
// before any character of a new line; Failed that reading itself failed
// (the stream library reports that by throwing).
LineRead ReadLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr) return LineRead::Failed;
  bool any = false;
  try {
    for (;;) {
      const int c = buf->sbumpc();
      if (c == std::char_traits<char>::eof()) return any ? LineRead::Line : LineRead::End;
      any = true;
      if (c == '\n') return LineRead::Line;
      if (c == '\r') {
        if (buf->sgetc() == '\n') buf->sbumpc();
        return LineRead::Line;
      }
      if (line.size() < kColumnsKept) line.push_back(static_cast<char>(c));
    }
  } catch (const std::exception&) {
    return LineRead::Failed;
  }
}

// Up to `width` characters from 1-based column `start`, spaces stripped at both ends.
std::string Field(const std::string& line, std::size_t start, std::size_t width) {
  if (line.size() < start) return {};
  std::string field = line.substr(start - 1, width);
  const auto first = field.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = field.find_last_not_of(' ');
  return field.substr(first, last - first + 1);
}

bool StartsWithDigit(const std::string& line) { return !line.empty() && line[0] >= '0' && line[0] <= '9'; }

const char* KindText(CatalogueErrorKind kind) {
  switch (kind) {
    case CatalogueErrorKind::CannotOpen: return "the file cannot be opened";
    case CatalogueErrorKind::CannotRead: return "the file cannot be read";
    case CatalogueErrorKind::EndsEarly: return "the file ends too early";
    case CatalogueErrorKind::NotADigit: return "a card line does not begin with a digit";
  }
  return "unknown error";
}

}  // namespace

std::string CatalogueError::Report() const {
  std::string text = "The card catalogue could not be loaded.\n\nFile: " + file + "\n";
  if (line > 0) text += "Line: " + std::to_string(line) + "\n";
  text += "Error: ";
  text += KindText(kind);
  if (!detail.empty()) text += " (" + detail + ")";
  return text;
}

CardRecord ParseCardLine(const std::string& line) {
  CardRecord record;
  record.Number = static_cast<std::int16_t>(StartsWithDigit(line) ? line[0] - '0' : 0);
  record.Colour = Field(line, 5, 10);
  record.Feature = Field(line, 16, 10);
  return record;
}

CatalogueResult ReadCatalogue(std::istream& in, const std::string& name) {
  CardCatalogue catalogue{};
  int lineNumber = 0;
  std::string line;

  auto fail = [&](CatalogueErrorKind kind, std::string detail) {
    CatalogueResult result;
    result.error = CatalogueError{kind, name, lineNumber, std::move(detail)};
    return result;
  };

  auto readProblem = [&](LineRead read) -> std::optional<CatalogueResult> {
    if (read == LineRead::Line) return std::nullopt;
    if (read == LineRead::Failed) return fail(CatalogueErrorKind::CannotRead, "a read from the disk failed");
    return fail(CatalogueErrorKind::EndsEarly, "expected 166 lines, found " + std::to_string(lineNumber - 1));
  };

  // The sections in file order: lines to discard before, card type, count.
  struct Section {
    int skip;
    int type;
    int count;
    const char* what;
  };
  constexpr Section sections[] = {
      {1, kBowlingType, kBowlingCards, "bowling"},
      {2, kBattingType, kBattingCards, "batting"},
      {3, kFieldingType, kFieldingCards, "fielding"},
  };

  for (const Section& section : sections) {
    for (int i = 0; i < section.skip; ++i) {
      ++lineNumber;
      if (auto problem = readProblem(ReadLine(in, line))) return *problem;
    }
    for (int n = 1; n <= section.count; ++n) {
      ++lineNumber;
      if (auto problem = readProblem(ReadLine(in, line))) return *problem;
      if (!StartsWithDigit(line))
        return fail(CatalogueErrorKind::NotADigit, std::string(section.what) + " card " + std::to_string(n));
      const CardRecord record = ParseCardLine(line);
      catalogue[static_cast<std::size_t>(section.type)][static_cast<std::size_t>(n)] = record;
      if (section.type == kBattingType)
        catalogue[kSecondBattingType][static_cast<std::size_t>(n)] = record;
    }
  }
  CatalogueResult result;
  result.catalogue = std::move(catalogue);
  return result;
}

CatalogueResult LoadCatalogueFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    CatalogueResult result;
    result.error = CatalogueError{CatalogueErrorKind::CannotOpen, path, 0, "it is a folder"};
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    CatalogueResult result;
    result.error = CatalogueError{CatalogueErrorKind::CannotOpen, path, 0,
                                  std::filesystem::exists(path, ec) ? "it cannot be read" : "no such file"};
    return result;
  }
  return ReadCatalogue(in, path);
}

}  // namespace tanvorel
