// A whole run of the program, from the splash to the farewell's "End",
// creates and changes no file in the program's folder or in the user's home.
// Only the libraries' own caches may appear there (GStreamer's plug-in
// registry and fontconfig's font cache). ctest runs this with HOME set to a
// folder of its own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <map>

#include "screens/goodbye_window.h"
#include "screens/startup_window.h"
#include "table/table_window.h"

namespace tanvorel::testing {
namespace {

namespace fs = std::filesystem;

struct FileState {
  std::uintmax_t size = 0;
  fs::file_time_type written;
  bool operator==(const FileState&) const = default;
};

std::map<std::string, FileState> Snapshot(const fs::path& root) {
  std::map<std::string, FileState> files;
  std::error_code ec;
  if (!fs::exists(root, ec)) return files;
  for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec)) {
    const fs::path& p = it->path();
    FileState state;
    if (it->is_regular_file(ec)) state.size = it->file_size(ec);
    state.written = it->last_write_time(ec);
    files[p.lexically_relative(root).string()] = state;
  }
  return files;
}

// What changed between two snapshots, but for the libraries' caches.
std::vector<std::string> Changes(const std::map<std::string, FileState>& before,
                                 const std::map<std::string, FileState>& after, bool isHome) {
  auto allowed = [isHome](const std::string& path) {
    if (!isHome) return false;
    if (path == ".cache") return true;
    for (const std::string cache : {".cache/gstreamer-1.0", ".cache/fontconfig"})
      if (path == cache || path.rfind(cache + "/", 0) == 0) return true;
    return false;
  };
  std::vector<std::string> changes;
  for (const auto& [path, state] : after) {
    auto it = before.find(path);
    if ((it == before.end() || !(it->second == state)) && !allowed(path))
      changes.push_back((it == before.end() ? "created " : "changed ") + path);
  }
  for (const auto& [path, state] : before)
    if (!after.count(path) && !allowed(path)) changes.push_back("removed " + path);
  return changes;
}

TEST(NothingWritten, AWholeRunLeavesTheProgramFolderAndHomeAlone) {
  const fs::path home = qEnvironmentVariable("HOME").toStdString();
  ASSERT_FALSE(home.empty());
  fs::create_directories(home);

  // The program's folder: its side files, as installed beside it.
  QTemporaryDir program;
  ASSERT_TRUE(program.isValid());
  const fs::path folder = program.path().toStdString();
  fs::copy(fs::path(TANVOREL_SOURCE_DIR) / "Details", folder / "Details", fs::copy_options::recursive);

  const auto homeBefore = Snapshot(home);
  const auto folderBefore = Snapshot(folder);

  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [] {
    if (auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) prompt->accept();
  });
  answerer.start(10);

  auto* farewell = new Goodbye(folder);
  QSignalSpy ended(farewell, &Goodbye::programEnds);
  QPointer<Startup> splash = new Startup(farewell, folder);
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->Open();
  QTest::qWait(1500);  // the video and the music play
  if (splash) QTest::mouseClick(splash->Command1(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return farewell->table() != nullptr && !splash; }, 10000));

  // The match, in demo mode at top speed, to its result and the table's closing.
  QPointer<TableWindow> table = farewell->table();
  table->HScroll1()->setValue(7);
  const auto start = std::chrono::steady_clock::now();
  while (table && !table->isClosed() && std::chrono::steady_clock::now() - start < std::chrono::seconds(120)) {
    if (!table->match().ResultDeclared() && !table->match().State().DemoMode) table->match().SelectMode(1);
    if (table->match().ResultDeclared()) table->match().Command1_Click();
    QTest::qWait(20);
  }
  ASSERT_TRUE(!table || table->isClosed());
  ASSERT_TRUE(QTest::qWaitFor([&] { return farewell->isVisible(); }, 5000));
  QTest::mouseClick(farewell->Command1(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ended.count() > 0; }, 5000));
  delete farewell;
  QTest::qWait(50);

  for (const std::string& change : Changes(homeBefore, Snapshot(home), true)) ADD_FAILURE() << "home: " << change;
  for (const std::string& change : Changes(folderBefore, Snapshot(folder), false))
    ADD_FAILURE() << "program folder: " << change;
}

}  // namespace
}  // namespace tanvorel::testing
