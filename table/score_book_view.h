#pragma once
// The open score book at the top right of the table: its picture, the
// captions of every score-sheet label in its box, and the team names over
// the two page headings.

#include <QString>
#include <QWidget>
#include <array>

#include "cards/art_library.h"
#include "engine/table_ops.h"

namespace tanvorel {

class ScoreBookView : public QWidget {
  Q_OBJECT

 public:
  explicit ScoreBookView(QWidget* parent = nullptr);

  void setCaption(SheetLabel label, int index, const QString& text);
  QString caption(SheetLabel label, int index) const;
  void setHomeTeamName(const QString& name);
  QString teamName(int index) const;  // TeamName(0..11)
  QString homeTeamShown() const { return homeTeamShown_; }

  // Where a label lies in this widget, in pixels.
  QRectF labelRect(SheetLabel label, int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString* find(SheetLabel label, int index);
  void UpdateAccessibleText();

  PicturePtr picture_;
  std::array<QString, 121> score_;
  std::array<QString, 21> extras_;
  std::array<QString, 21> overTotal_;
  std::array<QString, 3> scoreTotal_;
  std::array<QString, 3> wickets_;
  QString homeTeam_;
  QString homeTeamShown_;  // shortened to its box
};

}  // namespace tanvorel
