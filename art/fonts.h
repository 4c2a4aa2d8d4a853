#pragma once
// The fonts the program names, and what stands in for them on this system.

#include <QFont>
#include <QString>

namespace tanvorel {

// Maps the families the program's windows and pictures name onto fonts that
// ship with the system: "Comic Sans MS" to Comic Neue, "Arial" to Liberation
// Sans, "Arial Narrow" to Liberation Sans Narrow. Safe to call more than once;
// call it before the first font is resolved.
void InstallFontSubstitutions();

// A font for drawing into pictures: sized in pixels, without hinting so that
// glyph outlines scale cleanly to any size.
QFont PictureFont(const QString& family, double pixelSize, int weight = QFont::Bold);

}  // namespace tanvorel
