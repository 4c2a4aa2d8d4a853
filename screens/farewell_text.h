#pragma once
// The farewell text: read from its side file, line by line, up to the line
// that trims to "End". Plain C++ so that every edge case can be tested
// without a window.

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>

namespace tanvorel {

// Shown when the farewell file is missing, or has no "End" line and nothing
// visible before the end of the file. Starts with a carriage return like
// every message read from the file.
inline constexpr const char* kDefaultFarewell =
    "\rThank you for playing Tanvorel Card Cricket.\r\rSee you at the crease again soon!";

// The message stops growing at this many bytes, so a huge file or one that
// is not text at all cannot hold the farewell window up or fill memory: the
// reader stops reading there.
inline constexpr std::size_t kMaxFarewellBytes = 64 * 1024;

struct FarewellText {
  // Carriage return + line, for each line before the "End" line; lines are
  // kept as read (untrimmed).
  std::string message;
  bool fileRead = false;   // the file could be opened
  bool foundEnd = false;   // a line trimming to "End" ended the message
  bool truncated = false;  // the message reached kMaxFarewellBytes
};

// Reads lines ending in CR LF, CR or LF (the last line may have no ending)
// until one that, with leading and trailing spaces removed, is exactly "End".
FarewellText ReadFarewell(std::istream& in);

// Reads the farewell file. A missing or unreadable file, or one without an
// "End" line and nothing visible in it, gives kDefaultFarewell; one without
// an "End" line gives the text read up to its end.
FarewellText ReadFarewellFile(const std::filesystem::path& file);

// True when `line` with its leading and trailing spaces removed is "End".
bool IsEndLine(const std::string& line);

}  // namespace tanvorel
