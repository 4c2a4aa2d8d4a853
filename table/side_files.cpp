#include "table/side_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tanvorel {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// An entry of `folder` named `name` in any letter case; the exact name wins.
fs::path FindEntry(const fs::path& folder, const std::string& name, bool wantFolder) {
  std::error_code ec;
  const fs::path exact = folder / name;
  if (wantFolder ? fs::is_directory(exact, ec) : fs::exists(exact, ec)) return exact;
  const std::string wanted = Lower(name);
  fs::directory_iterator it(folder, ec);
  if (ec) return {};
  for (const fs::directory_entry& entry : it) {
    if (Lower(entry.path().filename().string()) != wanted) continue;
    if (wantFolder && !entry.is_directory(ec)) continue;
    return entry.path();
  }
  return {};
}

}  // namespace

fs::path ProgramFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return exe.parent_path();
  return fs::current_path(ec);
}

fs::path FindDetailsFolder(const fs::path& programFolder) {
  if (fs::path beside = FindEntry(programFolder, "Details", true); !beside.empty()) return beside;
  if (Lower(programFolder.filename().string()) == "bin") {
    const fs::path data = programFolder.parent_path() / "share" / "tanvorel";
    if (fs::path installed = FindEntry(data, "Details", true); !installed.empty()) return installed;
  }
  return {};
}

fs::path SideFile(const fs::path& programFolder, const std::string& name) {
  const fs::path folder = FindDetailsFolder(programFolder);
  if (folder.empty()) return programFolder / "Details" / name;
  if (fs::path file = FindEntry(folder, name, false); !file.empty()) return file;
  return folder / name;
}

}  // namespace tanvorel
