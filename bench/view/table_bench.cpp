// How the table window performs, on the real widgets (offscreen unless
// QT_QPA_PLATFORM says otherwise):
//  - start to first paint of the table, and the process's memory then;
//  - the time from a Continue press to the table updated and repainted,
//    p50 / p99 / max over a whole demo match;
//  - the wall time of a demo match at speed 7 (10 ms a press) against its
//    number of presses x 10 ms.
//
//   bench_table [seed]

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "art/fonts.h"
#include "table/table_window.h"

using namespace tanvorel;

namespace {

const auto kProcessStart = std::chrono::steady_clock::now();

double MsSinceStart() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - kProcessStart).count();
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

void AnswerNamePrompt() {
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) dialog->accept();
  });
}

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && at < 0) at = MsSinceStart();
    return false;
  }
  double at = -1;
};

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(std::min<double>(v.size() - 1, p * (v.size() - 1) + 0.5))];
}

TableWindow* OpenTable(long long seed) {
  auto* table = new TableWindow;
  SetUpOptions options;
  options.cataloguePath = std::string(TANVOREL_SOURCE_DIR) + "/Details/CardDetails.ini";
  options.seed = seed;
  AnswerNamePrompt();
  if (table->OpenAndSetUp(options)) std::exit(1);
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const long long seed = argc > 1 ? std::atoll(argv[1]) : 7;
  QApplication app(argc, argv);
  InstallFontSubstitutions();

  // 1. Start to first paint.
  FirstPaint firstPaint;
  app.installEventFilter(&firstPaint);
  TableWindow* table = OpenTable(seed);
  const double setUpDone = MsSinceStart();
  while (firstPaint.at < 0) QApplication::processEvents();
  QApplication::processEvents();
  const double dealtPaint = MsSinceStart();
  app.removeEventFilter(&firstPaint);
  std::printf("start to first paint of the table: %.1f ms (set-up done %.1f ms, table with its cards painted %.1f ms); "
              "resident memory then %.1f MB\n",
              firstPaint.at, setUpDone, dealtPaint, ResidentKb() / 1024.0);

  // Let the art warm up as it does while a player reads the first messages.
  QElapsedTimer warm;
  warm.start();
  while (warm.elapsed() < 1500) QApplication::processEvents();
  std::printf("resident memory with the art drawn ahead: %.1f MB\n", ResidentKb() / 1024.0);

  // 2. Continue press to the table updated and repainted, over a whole demo match.
  table->match().SelectMode(1);
  table->AutoPlayTimer()->stop();  // presses come from here, one at a time
  std::vector<double> press;
  for (int i = 0; i < 20000 && !table->isClosed(); ++i) {
    if (!table->match().State().DemoMode) table->match().SelectMode(1);
    table->AutoPlayTimer()->stop();
    QElapsedTimer t;
    t.start();
    table->match().Command1_Click();
    QApplication::processEvents();  // the repaint of what changed
    press.push_back(t.nsecsElapsed() / 1e6);
  }
  std::printf("Continue press to repainted table, %zu presses: p50 %.3f ms, p99 %.3f ms, max %.3f ms\n", press.size(),
              Percentile(press, 0.5), Percentile(press, 0.99), *std::max_element(press.begin(), press.end()));
  QApplication::processEvents();

  // 3. A demo match paced by the timer at speed 7.
  TableWindow* paced = OpenTable(seed + 1);
  long presses = 0;
  QObject::connect(paced->AutoPlayTimer(), &QTimer::timeout, [&] { ++presses; });
  paced->HScroll1()->setValue(7);
  paced->match().SelectMode(1);
  QElapsedTimer wall;
  wall.start();
  while (!paced->match().ResultDeclared()) {
    if (!paced->match().State().DemoMode) paced->match().SelectMode(1);  // after the change of innings
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  const double seconds = wall.elapsed() / 1000.0;
  std::printf("demo match at speed 7: %ld presses in %.2f s; presses x 10 ms = %.2f s; ratio %.3f\n", presses, seconds,
              presses * 0.010, seconds / (presses * 0.010));
  paced->close();
  table->close();
  return 0;
}
