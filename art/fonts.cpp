#include "art/fonts.h"

namespace tanvorel {

void InstallFontSubstitutions() {
  static const bool installed = [] {
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
    return true;
  }();
  (void)installed;
}

QFont PictureFont(const QString& family, double pixelSize, int weight) {
  InstallFontSubstitutions();
  QFont font(family);
  font.setPixelSize(qMax(1, qRound(pixelSize)));
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferOutline);
  font.setKerning(true);
  return font;
}

}  // namespace tanvorel
