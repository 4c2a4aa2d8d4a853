#include "table/score_book_view.h"

#include <QPainter>
#include <QPaintEvent>

#include "table/score_sheet.h"
#include "table/score_sheet_layout.h"
#include "table/table_layout.h"
#include "table/twips_qt.h"

namespace tanvorel {

namespace {

TwipRect WindowRect(SheetLabel label, int index) {
  switch (label) {
    case SheetLabel::Score: return ScoreCellRect(index);
    case SheetLabel::Extras: return ExtrasCellRect(index);
    case SheetLabel::OverTotal: return OverTotalCellRect(index);
    case SheetLabel::ScoreTotal: return ScoreTotalCellRect(index);
    case SheetLabel::Wickets: return WicketsCellRect(index);
  }
  return {};
}

QRectF LocalRect(const TwipRect& r) {
  return QRectF(TwipsToPixels(r.left - kScoreBookRect.left), TwipsToPixels(r.top - kScoreBookRect.top),
                TwipsToPixels(r.width), TwipsToPixels(r.height));
}

QFont CaptionFont() {
  QFont f("Comic Sans MS");
  f.setPointSizeF(8.25);
  f.setBold(true);
  return f;
}

QFont TeamFont() {
  QFont f("Comic Sans MS");
  f.setPointSizeF(9.75);
  f.setBold(true);
  // The stand-in for Comic Sans runs wider; narrowed, the letters of the
  // team names keep to their places over the page headings.
  f.setStretch(88);
  return f;
}

}  // namespace

ScoreBookView::ScoreBookView(QWidget* parent) : QWidget(parent), picture_(ScoreBookPicture()) {
  setAccessibleName("Score book");
  score_.fill("X");
  extras_.fill("X");
  overTotal_.fill("X");
  scoreTotal_.fill("0");
  wickets_.fill("0");
  setHomeTeamName("The New Guy");
}

QString* ScoreBookView::find(SheetLabel label, int index) {
  if (index < 1 || index > ScoreSheet::Count(label)) return nullptr;
  const auto i = static_cast<std::size_t>(index);
  switch (label) {
    case SheetLabel::Score: return &score_[i];
    case SheetLabel::Extras: return &extras_[i];
    case SheetLabel::OverTotal: return &overTotal_[i];
    case SheetLabel::ScoreTotal: return &scoreTotal_[i];
    case SheetLabel::Wickets: return &wickets_[i];
  }
  return nullptr;
}

QRectF ScoreBookView::labelRect(SheetLabel label, int index) const { return LocalRect(WindowRect(label, index)); }

void ScoreBookView::setCaption(SheetLabel label, int index, const QString& text) {
  QString* caption = find(label, index);
  if (caption == nullptr || *caption == text) return;
  *caption = text;
  update(labelRect(label, index).toAlignedRect().adjusted(-2, -2, 2, 2));
  if (label == SheetLabel::ScoreTotal || label == SheetLabel::Wickets) UpdateAccessibleText();
}

QString ScoreBookView::caption(SheetLabel label, int index) const {
  QString* caption = const_cast<ScoreBookView*>(this)->find(label, index);
  return caption ? *caption : QString();
}

void ScoreBookView::setHomeTeamName(const QString& name) {
  homeTeam_ = name;
  // One line, shortened with an ellipsis to the narrow box over the heading.
  QString line = name;
  for (QChar& c : line)
    if (c.category() == QChar::Other_Control) c = QChar(' ');
  homeTeamShown_ = QFontMetricsF(TeamFont()).elidedText(line, Qt::ElideRight, LocalRect(kTeamNameLabels[0].rect).width());
  update();
  UpdateAccessibleText();
}

QString ScoreBookView::teamName(int index) const {
  if (index < 0 || index >= static_cast<int>(kTeamNameLabels.size())) return {};
  const char* text = kTeamNameLabels[static_cast<std::size_t>(index)].text;
  return text ? QString::fromLatin1(text) : homeTeam_;
}

void ScoreBookView::UpdateAccessibleText() {
  setAccessibleDescription(QString("Home team %1: %2 runs for %3 wickets. Away team Dad and Uncle Marlo: %4 runs for %5 wickets.")
                               .arg(homeTeam_, scoreTotal_[1], wickets_[1], scoreTotal_[2], wickets_[2]));
}

void ScoreBookView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::TextAntialiasing);
  picture_->draw(p, QRectF(rect()));

  const QRect dirty = event->rect();
  p.setPen(QColor(20, 30, 110));  // the ink of a blue pen
  p.setFont(CaptionFont());
  auto drawCaptions = [&](SheetLabel label) {
    for (int i = 1; i <= ScoreSheet::Count(label); ++i) {
      const QString& text = *find(label, i);
      if (text.isEmpty()) continue;
      const QRectF r = labelRect(label, i);
      if (!r.toAlignedRect().intersects(dirty)) continue;
      p.drawText(r.adjusted(-3, -2, 3, 2), Qt::AlignCenter, text);
    }
  };
  for (SheetLabel label : {SheetLabel::Score, SheetLabel::Extras, SheetLabel::OverTotal, SheetLabel::ScoreTotal,
                           SheetLabel::Wickets})
    drawCaptions(label);

  p.setFont(TeamFont());
  p.setPen(Qt::black);
  for (std::size_t i = 0; i < kTeamNameLabels.size(); ++i) {
    const QRectF r = LocalRect(kTeamNameLabels[i].rect);
    const QString text = teamName(static_cast<int>(i));
    if (i == 0) {
      p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, homeTeamShown_);
    } else {
      p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
  }
}

}  // namespace tanvorel
