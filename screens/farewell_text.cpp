#include "screens/farewell_text.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace tanvorel {

bool IsEndLine(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::size_t last = line.find_last_not_of(' ');
  return line.compare(first, last - first + 1, "End") == 0;
}

namespace {

constexpr int kEof = std::char_traits<char>::eof();

// One character from the file; a read error (a failing disk, say) ends the
// file there, like its end.
int Take(std::streambuf* buf) {
  try {
    return buf->sbumpc();
  } catch (...) {
    return kEof;
  }
}
int Peek(std::streambuf* buf) {
  try {
    return buf->sgetc();
  } catch (...) {
    return kEof;
  }
}

bool HasVisibleText(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](unsigned char c) { return c > ' ' && c != 0x7f; });
}

}  // namespace

FarewellText ReadFarewell(std::istream& in) {
  FarewellText result;
  result.fileRead = true;
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr) return result;

  std::string line;
  bool lineStarted = false;
  bool firstLine = true;
  // Ends the line read so far: false when it was the "End" line.
  auto endLine = [&]() {
    // A UTF-8 byte order mark is how some editors start a text file; it is
    // not part of the first line.
    if (firstLine && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    firstLine = false;
    if (IsEndLine(line)) {
      result.foundEnd = true;
      return false;
    }
    result.message += '\r';
    result.message += line;
    line.clear();
    lineStarted = false;
    return true;
  };

  for (;;) {
    const int c = Take(buf);
    if (c == kEof) break;
    if (c == '\r' || c == '\n') {
      // CR LF is one line ending; a lone CR or a lone LF is one too.
      if (c == '\r' && Peek(buf) == '\n') Take(buf);
      if (!endLine()) return result;
      continue;
    }
    lineStarted = true;
    line += static_cast<char>(c);
    if (result.message.size() + 1 + line.size() >= kMaxFarewellBytes) {
      // Full: keep what fits and read no further.
      result.message += '\r';
      result.message += line;
      result.message.resize(kMaxFarewellBytes);
      result.truncated = true;
      return result;
    }
  }
  if (lineStarted) endLine();
  return result;
}

FarewellText ReadFarewellFile(const std::filesystem::path& file) {
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(file, ec)) in.open(file, std::ios::binary);
  if (!in.is_open()) {
    FarewellText missing;
    missing.message = kDefaultFarewell;
    return missing;
  }
  FarewellText text = ReadFarewell(in);
  if (!text.foundEnd && !HasVisibleText(text.message)) text.message = kDefaultFarewell;
  return text;
}

}  // namespace tanvorel
