// tanvorel-icons DIR
//
// Writes the program's icon, drawn by the art library, into a hicolor icon
// theme under DIR: DIR/<size>x<size>/apps/tanvorel.png for every size the
// program draws. The build runs it so that the installed program has its
// icon in the desktop's menu.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "art/fonts.h"
#include "cards/art_library.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: tanvorel-icons DIR\n");
    return 2;
  }
  tanvorel::InstallFontSubstitutions();
  const QDir theme(QString::fromLocal8Bit(argv[1]));
  for (int side : tanvorel::kIconSizes) {
    const QString folder = QString("%1x%1/apps").arg(side);
    const QString path = theme.filePath(folder + "/tanvorel.png");
    if (!theme.mkpath(folder) || !tanvorel::IconPicture()->render(QSize(side, side)).save(path)) {
      std::fprintf(stderr, "tanvorel-icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
