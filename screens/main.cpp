// Tanvorel Card Cricket: the program.

#include <QApplication>
#include <QMessageBox>

#include "art/fonts.h"
#include "cards/art_library.h"
#include "table/qt_text.h"
#include "table/side_files.h"
#include "table/table_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("Tanvorel");
  QCoreApplication::setOrganizationName("Tanvorel Games");
  tanvorel::InstallFontSubstitutions();
  QApplication::setWindowIcon(tanvorel::ProgramIcon());

  auto* table = new tanvorel::TableWindow;
  table->setDeleteWhenClosed(true);
  tanvorel::SetUpOptions options;
  options.cataloguePath = tanvorel::SideFile(tanvorel::ProgramFolder(), "CardDetails.ini").string();
  if (const auto error = table->OpenAndSetUp(options)) {
    QMessageBox::critical(table, "Tanvorel", tanvorel::ToQt(error->Report()));
    return 1;
  }
  if (table->isClosed()) return 0;
  QObject::connect(table, &tanvorel::TableWindow::tableClosed, &app, &QApplication::quit, Qt::QueuedConnection);
  return app.exec();
}
