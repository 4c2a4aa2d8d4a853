#pragma once
// Texts cross from the core (UTF-8 std::string) to Qt here, and only here.

#include <QString>
#include <string>

namespace tanvorel {

inline QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string FromQt(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}
// The core separates sentences with carriage returns; Qt breaks lines at
// line separators.
inline QString WithLineBreaks(const std::string& text) {
  QString q = ToQt(text);
  q.replace(QChar('\r'), QChar('\n'));
  return q;
}

}  // namespace tanvorel
