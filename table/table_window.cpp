#include "table/table_window.h"

#include <QApplication>
#include <malloc.h>

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

#include "art/fonts.h"
#include "cards/picture_view.h"
#include "table/qt_text.h"
#include "table/score_sheet_layout.h"
#include "table/table_layout.h"
#include "table/twips_qt.h"

namespace tanvorel {

// The pen that writes on the score sheet: a thick blue line whose tip is its
// first end point, the shaft sloping down to the right. It lies over every
// other control and takes no clicks.
class PenOverlay : public QWidget {
 public:
  explicit PenOverlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
  }
  void placeTip(int x, int y) {
    const QRect before = PenBounds();
    tip_ = {x, y};
    update(before.united(PenBounds()));
  }
  QRect PenBounds() const {
    const QPointF a = ToPixelsF(tip_.x(), tip_.y()), b = ToPixelsF(tip_.x() + kPenDx, tip_.y() + kPenDy);
    return QRectF(a, b).normalized().toAlignedRect().adjusted(-6, -6, 6, 6);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF tip = ToPixelsF(tip_.x(), tip_.y());
    const QPointF end = ToPixelsF(tip_.x() + kPenDx, tip_.y() + kPenDy);
    p.setPen(QPen(QColor(0, 0, 255), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + (end - tip) * 0.12, end);
    p.setPen(QPen(QColor(0, 0, 120), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip, tip + (end - tip) * 0.14);  // the nib
  }

 private:
  QPoint tip_;
};

namespace {

template <typename W>
W* Place(W* widget, const TwipRect& r) {
  widget->setGeometry(ToPixels(r));
  return widget;
}

QFont Comic(double points, bool bold = false) {
  QFont f("Comic Sans MS");
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

}  // namespace

TableWindow::TableWindow(QWidget* parent) : QWidget(parent), match_(*this) {
  InstallFontSubstitutions();
  setWindowTitle("Tanvorel");
  setWindowIcon(ProgramIcon());
  setAccessibleName("Tanvorel card table");
  setFixedSize(TwipsToPixelsRounded(kTableWidthTwips), TwipsToPixelsRounded(kTableHeightTwips));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  BuildControls();
  BuildKeyboard();

  // The demo timer runs from the moment the window exists; its ticks do
  // nothing until demo mode is chosen.
  autoPlayTimer_.setInterval(100);
  connect(&autoPlayTimer_, &QTimer::timeout, this, [this] { match_.AutoPlayTimer_Timer(); });
  autoPlayTimer_.start();
}

TableWindow::~TableWindow() {
  // The match outlives nothing of the window: whatever still calls it finds
  // a table that has gone.
  match_.DetachTable();
}

void TableWindow::BuildControls() {
  // Back to front: the title picture and the score book, the card backs, the
  // played cards and the hand, then the notepad, labels and buttons, the pen.
  title_ = Place(new PictureView(TitlePicture(), this), kTitleRect);
  title_->setAccessibleName("Tanvorel Card Cricket");

  scoreBook_ = Place(new ScoreBookView(this), kScoreBookRect);

  for (int i = 0; i < 9; ++i) {
    const auto k = static_cast<std::size_t>(i);
    backsOpposite_[k] = Place(new CardBack(this), kBacksOpposite[k]);
    backsLeft_[k] = Place(new CardBack(this), kBacksLeft[k]);
    backsRight_[k] = Place(new CardBack(this), kBacksRight[k]);
    backsOpposite_[k]->setAccessibleName(QString("Opposite hand, card %1").arg(i + 1));
    backsLeft_[k]->setAccessibleName(QString("Left hand, card %1").arg(i + 1));
    backsRight_[k]->setAccessibleName(QString("Right hand, card %1").arg(i + 1));
  }
  const char* playedNames[] = {"", "Bowling card played", "Batting card played", "Fielding card played",
                               "Batting card played"};
  for (int k = 1; k <= 4; ++k) {
    playedCard_[static_cast<std::size_t>(k)] = Place(new CardFace(this), kPlayedCards[static_cast<std::size_t>(k)]);
    playedCard_[static_cast<std::size_t>(k)]->setAccessibleName(playedNames[k]);
  }
  // The fan from left to right, each card lying over its left neighbour.
  for (int slot : kFanOrder) {
    CardFace* face = Place(new CardFace(this), kHandFan[static_cast<std::size_t>(slot)]);
    face->setAccessibleName(QString("Your card, slot %1").arg(slot));
    connect(face, &CardFace::pictureClicked, this, [this, face] { OnFaceClicked(face); });
    cardGraphic_[static_cast<std::size_t>(slot)] = face;
  }
  temporaryCard_ = Place(new CardFace(this), kTemporaryCardRect);
  temporaryCard_->SetAlwaysHidden(true);
  // Nothing lies on the table before the first deal.
  for (CardFace* face : cardGraphic_)
    if (face) face->HidePicture();
  for (int k = 1; k <= 4; ++k) playedCard_[static_cast<std::size_t>(k)]->HidePicture();
  for (auto* row : {&backsLeft_, &backsOpposite_, &backsRight_})
    for (CardBack* back : *row) back->hide();

  notepad_ = Place(new class Notepad(this), kNotepadRect);
  connect(notepad_, &Notepad::continuePressed, this, [this] { match_.Command1_Click(); });
  connect(notepad_, &Notepad::backPressed, this, [this] { match_.cmd_Previous_Click(); });

  const Qt::Alignment nameAlignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignLeft,
                                          Qt::AlignHCenter};
  for (int person = 1; person <= 4; ++person) {
    auto* label = Place(new NameLabel(nameAlignments[person], this), kPlayerNameRects[static_cast<std::size_t>(person)]);
    label->setFont(Comic(9.75));
    label->setOpaque(false);  // the names and their marks come with the set-up
    playerName2_[static_cast<std::size_t>(person)] = label;
  }

  copyright_ = Place(new QLabel(this), kCopyrightRect);
  copyright_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  copyright_->setWordWrap(true);
  QFont arial("Arial");
  arial.setPointSizeF(8.25);
  copyright_->setFont(arial);
  copyright_->setAccessibleName("Rights notice");
  copyright_->setAutoFillBackground(true);
  QPalette notice = copyright_->palette();
  notice.setColor(QPalette::Window, palette().color(QPalette::HighlightedText));
  notice.setColor(QPalette::WindowText, QColor(90, 90, 90));
  copyright_->setPalette(notice);

  playMode_ = Place(new QRadioButton("Play Mode", this), kPlayModeRect);
  demoMode_ = Place(new QRadioButton("Demo Mode", this), kDemoModeRect);
  for (QRadioButton* b : {playMode_, demoMode_}) {
    b->setAutoFillBackground(true);
    b->setAccessibleName(b->text());
    b->setCursor(Qt::PointingHandCursor);
  }
  modeGroup_.addButton(playMode_, 0);
  modeGroup_.addButton(demoMode_, 1);
  connect(&modeGroup_, &QButtonGroup::idClicked, this, [this](int index) { match_.SelectMode(index); });

  demoSpeedLabel_ = Place(new QLabel("Demo Speed", this), kDemoSpeedLabelRect);
  demoSpeedLabel_->setAlignment(Qt::AlignCenter);
  demoSpeedLabel_->setAccessibleName("Demo Speed");
  demoSpeed_ = Place(new QScrollBar(Qt::Horizontal, this), kDemoSpeedBarRect);
  demoSpeed_->setRange(0, 7);
  demoSpeed_->setSingleStep(1);
  demoSpeed_->setPageStep(1);
  demoSpeed_->setValue(2);
  demoSpeed_->setAccessibleName("Demo speed, slow to fast");
  demoSpeed_->setToolTip("Demo speed: slow on the left, fast on the right");
  connect(demoSpeed_, &QScrollBar::valueChanged, this, [this] { match_.HScroll1_Change(); });
  // Until the set-up selects play mode the table shows it so already.
  playMode_->setChecked(true);
  demoSpeedLabel_->hide();
  demoSpeed_->hide();

  pen_ = new PenOverlay(this);
  pen_->setGeometry(rect());
  pen_->setAccessibleName("Pen");
}

void TableWindow::BuildKeyboard() {
  auto bind = [this](QKeySequence key, std::function<void()> action) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, std::move(action));
  };
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) bind(QKeySequence(key), [this] { PressContinue(); });
  bind(QKeySequence(Qt::Key_Backspace), [this] { PressBack(); });
  for (int n = 1; n <= 9; ++n) bind(QKeySequence(Qt::Key_0 + n), [this, n] { PlayFaceAt(n); });
}

void TableWindow::PressContinue() {
  if (notepad_->continueVisible()) notepad_->continueButton()->click();
}

void TableWindow::PressBack() { notepad_->backButton()->click(); }

std::vector<CardFace*> TableWindow::VisibleHandFaces() const {
  std::vector<CardFace*> faces;
  for (int slot : kFanOrder) {
    CardFace* face = cardGraphic_[static_cast<std::size_t>(slot)];
    if (face->PictureShown()) faces.push_back(face);
  }
  return faces;
}

void TableWindow::PlayFaceAt(int n) {
  const std::vector<CardFace*> faces = VisibleHandFaces();
  if (n >= 1 && n <= static_cast<int>(faces.size())) OnFaceClicked(faces[static_cast<std::size_t>(n - 1)]);
}

void TableWindow::OnFaceClicked(CardFace* face) {
  match_.CardFaceClicked(face->ShownType(), face->HandSlot(), [face] { face->HidePicture(); });
  RefreshPlayable();
}

void TableWindow::RefreshPlayable() {
  const MatchState& s = match_.State();
  const bool awaited = !closed_ && !s.DemoMode && s.PlayStage == s.CurrentPlayer && IsWhole(s.MessageNumber) &&
                       !match_.ResultDeclared();
  for (int slot = 1; slot <= 9; ++slot) cardGraphic_[static_cast<std::size_t>(slot)]->SetPlayable(awaited);
}

std::optional<CatalogueError> TableWindow::OpenAndSetUp(const SetUpOptions& options) {
  show();
  inSetUp_ = true;
  auto error = match_.SetUp(options);
  inSetUp_ = false;
  RefreshPlayable();
  if (!error && !closed_) StartWarmingArt();
  DeleteIfDone();
  return error;
}

void TableWindow::StartWarmingArt() {
  auto pictureSize = [](double longSideScale, bool sideways) {
    const double longSide = TwipsToPixels(static_cast<float>(longSideScale * kCardLongSideTwips));
    const double shortSide = TwipsToPixels(static_cast<float>(static_cast<float>(longSideScale * kCardLongSideTwips) * kCardShortSideRatio));
    return sideways ? QSizeF(longSide, shortSide) : QSizeF(shortSide, longSide);
  };
  ArtLibrary& art = ArtLibrary::instance();
  for (const FaceHolder* holder : {&art.Batting(), &art.Bowling(), &art.Fielding()})
    for (int n = 1; n <= holder->count(); ++n)
      for (double scale : {1.0, 0.9}) toWarm_.emplace_back(holder->Card(n), pictureSize(scale, false));
  const BackHolder& backs = art.ImageForm();
  for (BackName name : {BackName::BowlingCardBackVert, BackName::BattingCardBackVert, BackName::FieldingCardBackVert})
    toWarm_.emplace_back(backs.Back(name), pictureSize(0.5, false));
  for (BackName name : {BackName::BowlingCardBackHorz, BackName::BattingCardBackHorz, BackName::FieldingCardBackHorz})
    for (int i = 1; i <= 9; ++i) toWarm_.emplace_back(backs.Back(name), pictureSize(0.7 + 0.005 * i, true));
  warmTimer_.setInterval(0);
  connect(&warmTimer_, &QTimer::timeout, this, &TableWindow::WarmSomeArt, Qt::UniqueConnection);
  warmTimer_.start();
}

void TableWindow::WarmSomeArt() {
  // A few milliseconds at a time, so that clicks are never kept waiting.
  QElapsedTimer clock;
  clock.start();
  const double dpr = devicePixelRatioF();
  while (!toWarm_.empty() && clock.elapsed() < 4) {
    const auto [picture, size] = toWarm_.back();
    toWarm_.pop_back();
    if (picture) picture->prepare(size, dpr);
  }
  if (toWarm_.empty()) {
    warmTimer_.stop();
    malloc_trim(0);  // hand back what drawing the pictures used on the way
  }
}

void TableWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TableWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  for (const TwipLine& line : kTableEdges) p.drawLine(ToPixelsF(line.x1, line.y1), ToPixelsF(line.x2, line.y2));
}

// --- What the match asks of the table -----------------------------------

void TableWindow::ShowPlayedCard(int position, int card) {
  if (position >= 1 && position <= 4) playedCard_[static_cast<std::size_t>(position)]->ShowCard(card, position, 0.9);
}

void TableWindow::ShowCards(int viewingPosition) {
  const TableView view = ComputeTableView(match_.State(), viewingPosition);
  for (int i = 1; i <= 9; ++i) {
    const FaceRequest& f = view.hand[static_cast<std::size_t>(i)];
    cardGraphic_[static_cast<std::size_t>(i)]->ShowCard(f.card, f.type, f.scaling, f.slot);
  }
  auto applyBacks = [](const std::array<BackRequest, 9>& requests, const std::array<CardBack*, 9>& backs) {
    for (std::size_t i = 0; i < 9; ++i) {
      backs[i]->setVisible(requests[i].visible);
      backs[i]->AssignImage(requests[i].code, requests[i].scale);
    }
  };
  applyBacks(view.left, backsLeft_);
  applyBacks(view.opposite, backsOpposite_);
  applyBacks(view.right, backsRight_);
  for (int k = 1; k <= 4; ++k) {
    const FaceRequest& f = view.played[static_cast<std::size_t>(k)];
    playedCard_[static_cast<std::size_t>(k)]->ShowCard(f.card, f.type, f.scaling);
  }
  RefreshPlayable();
}

void TableWindow::SetCaption(SheetLabel label, int index, const std::string& text) {
  scoreBook_->setCaption(label, index, ToQt(text));
}

void TableWindow::SetPenVisible(bool visible) {
  if (visible) pen_->raise();
  pen_->setVisible(visible);
}

bool TableWindow::PenShown() const { return !pen_->isHidden(); }

void TableWindow::PlacePen(int x, int y) {
  pen_->placeTip(x, y);
  if (closed_) return;
  // Wait 100 ms while the window goes on serving events; a close ends the wait.
  QEventLoop pause;
  pauses_.push_back(&pause);
  QTimer::singleShot(penPauseMs_, &pause, &QEventLoop::quit);
  pause.exec();
  pauses_.pop_back();
  DeleteIfDone();
}

void TableWindow::SetNotepadText(const std::string& text) {
  notepad_->setHelpMessage(ToQt(text));
  RefreshPlayable();
}

void TableWindow::SetContinueVisible(bool visible) {
  notepad_->setContinueVisible(visible);
  RefreshPlayable();
}

void TableWindow::SetModeChecked(int index) {
  QRadioButton* button = index == 0 ? playMode_ : demoMode_;
  if (!button->isChecked()) button->setChecked(true);
  RefreshPlayable();
}

void TableWindow::SetDemoControlsVisible(bool visible) {
  demoSpeedLabel_->setVisible(visible);
  demoSpeed_->setVisible(visible);
}

void TableWindow::SetAutoPlayTimerRunning(bool running) {
  if (running && !closed_)
    autoPlayTimer_.start();
  else
    autoPlayTimer_.stop();
}

void TableWindow::SetAutoPlayInterval(int milliseconds) { autoPlayTimer_.setInterval(milliseconds); }

int TableWindow::DemoSpeed() const { return demoSpeed_->value(); }

void TableWindow::SetHighlight(const std::array<bool, 5>& marked) {
  for (int person = 1; person <= 4; ++person)
    playerName2_[static_cast<std::size_t>(person)]->setOpaque(marked[static_cast<std::size_t>(person)]);
}

void TableWindow::SetCopyright(const std::string& text) { copyright_->setText(WithLineBreaks(text)); }

std::string TableWindow::AskPlayerName(const std::string& prompt, const std::string& defaultName) {
  if (closed_) return {};
  QInputDialog dialog(this);
  dialog.setWindowTitle(QCoreApplication::applicationName());
  dialog.setLabelText(ToQt(prompt));
  dialog.setTextValue(ToQt(defaultName));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setOkButtonText("OK");
  dialog.setCancelButtonText("Cancel");
  nameDialog_ = &dialog;
  const int answer = dialog.exec();
  nameDialog_ = nullptr;
  if (answer != QDialog::Accepted || closed_) return {};
  return FromQt(dialog.textValue());
}

void TableWindow::SetPlayerNameLabel(int person, const std::string& name) {
  if (person >= 1 && person <= 4) playerName2_[static_cast<std::size_t>(person)]->setText(ToQt(name));
}

void TableWindow::SetHomeTeamName(const std::string& name) { scoreBook_->setHomeTeamName(ToQt(name)); }

void TableWindow::PreloadCardArt(int cardType) { temporaryCard_->ShowCard(1, cardType, 1.0, 1); }

void TableWindow::CloseTable() { close(); }

void TableWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) return;
  closed_ = true;
  // The match ends here: it talks to this window no more, whatever is still
  // running inside it (a pen pause, the name prompt, a chain of messages).
  match_.DetachTable();
  autoPlayTimer_.stop();
  warmTimer_.stop();
  toWarm_.clear();
  notepad_->flashTimer()->stop();
  for (QEventLoop* pause : pauses_) pause->quit();
  pen_->hide();
  if (nameDialog_) nameDialog_->reject();
  RefreshPlayable();
  ArtLibrary::instance().ReleaseForClosing();
  emit tableClosed();
  DeleteIfDone();
}

void TableWindow::DeleteIfDone() {
  if (closed_ && deleteWhenClosed_ && pauses_.empty() && !inSetUp_ && !nameDialog_) deleteLater();
}

}  // namespace tanvorel
