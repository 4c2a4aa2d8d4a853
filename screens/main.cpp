// Tanvorel Card Cricket: the program.
//
// The splash opens first; when it hands over (its second video has ended or
// its skip button was pressed) it loads the farewell window hidden, whose
// loading opens the table. When the table closes, the farewell window shows;
// its "End" button ends the program. A card catalogue that cannot be read is
// reported and ends the program with status 1.

#include <QApplication>
#include <QMessageBox>

#include "art/fonts.h"
#include "cards/art_library.h"
#include "screens/goodbye_window.h"
#include "screens/startup_window.h"
#include "table/table_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("Tanvorel");
  QCoreApplication::setOrganizationName("Tanvorel Games");
  tanvorel::InstallFontSubstitutions();
  QApplication::setWindowIcon(tanvorel::ProgramIcon());
  // The program ends when the farewell window says so, not when some window
  // happens to be the last one open: between the splash closing and the
  // farewell showing there can be a moment with no window at all.
  QApplication::setQuitOnLastWindowClosed(false);

  tanvorel::Goodbye farewell;
  QObject::connect(&farewell, &tanvorel::Goodbye::programEnds, &app, &QApplication::quit, Qt::QueuedConnection);
  QObject::connect(&farewell, &tanvorel::Goodbye::setUpFailed, &app, [&farewell](const QString& report) {
    QMessageBox::critical(farewell.table(), "Tanvorel", report);
    QCoreApplication::exit(1);
  });

  auto* splash = new tanvorel::Startup(&farewell);
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->Open();
  return app.exec();
}
