#pragma once
// The table window: the card table on which the whole match is played.
// It shows what the match tells it (it is the match's TableOps) and passes
// the player's clicks and keys to the match; it holds no rules of its own.

#include <QButtonGroup>
#include <QInputDialog>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "cards/card_back.h"
#include "cards/card_face.h"
#include "engine/match.h"
#include "notepad/notepad_widget.h"
#include "table/name_label.h"
#include "table/score_book_view.h"

class QEventLoop;

namespace tanvorel {

class PenOverlay;

class TableWindow : public QWidget, public TableOps {
  Q_OBJECT

 public:
  explicit TableWindow(QWidget* parent = nullptr);
  ~TableWindow() override;

  // Shows the window and sets the match up on it. Returns the catalogue's
  // report when it could not be loaded (nothing after the loading has run).
  std::optional<CatalogueError> OpenAndSetUp(const SetUpOptions& options);

  Match& match() { return match_; }
  const Match& match() const { return match_; }
  // True once the window has closed (the match is over for good).
  bool isClosed() const { return closed_; }
  // Delete the window by itself once it has closed and nothing runs inside it.
  void setDeleteWhenClosed(bool yes) { deleteWhenClosed_ = yes; }
  // How long each stop of the pen lasts (100 ms); tests that drive many
  // matches shorten it. The pause always lets events run.
  void setPenPause(int milliseconds) { penPauseMs_ = milliseconds; }

  // The controls, by their names on the table.
  CardFace* CardGraphic(int slot) const { return cardGraphic_.at(static_cast<std::size_t>(slot)); }
  CardFace* PlayedCard(int position) const { return playedCard_.at(static_cast<std::size_t>(position)); }
  CardFace* TemporaryCard() const { return temporaryCard_; }
  CardBack* BackOfCardsLeft(int i) const { return backsLeft_.at(static_cast<std::size_t>(i)); }
  CardBack* BackOfCardsOpposite(int i) const { return backsOpposite_.at(static_cast<std::size_t>(i)); }
  CardBack* BackOfCardsRight(int i) const { return backsRight_.at(static_cast<std::size_t>(i)); }
  class Notepad* Notepad1() const { return notepad_; }
  NameLabel* PlayerName2(int person) const { return playerName2_.at(static_cast<std::size_t>(person)); }
  ScoreBookView* ScoreBook() const { return scoreBook_; }
  QLabel* CopyrightMessage() const { return copyright_; }
  QRadioButton* opt_PlayOrDemo(int index) const { return index == 0 ? playMode_ : demoMode_; }
  QLabel* Label1() const { return demoSpeedLabel_; }
  QScrollBar* HScroll1() const { return demoSpeed_; }
  QTimer* AutoPlayTimer() { return &autoPlayTimer_; }
  bool PenShown() const;
  QInputDialog* NamePrompt() const { return nameDialog_; }
  // The face-up cards of the hand from left to right, as the fan shows them.
  std::vector<CardFace*> VisibleHandFaces() const;

  // --- TableOps: what the match asks of the table.
  void ShowPlayedCard(int position, int card) override;
  void ShowCards(int viewingPosition) override;
  void SetCaption(SheetLabel label, int index, const std::string& text) override;
  void SetPenVisible(bool visible) override;
  void PlacePen(int x, int y) override;
  void SetNotepadText(const std::string& text) override;
  void SetContinueVisible(bool visible) override;
  void SetModeChecked(int index) override;
  void SetDemoControlsVisible(bool visible) override;
  void SetAutoPlayTimerRunning(bool running) override;
  void SetAutoPlayInterval(int milliseconds) override;
  int DemoSpeed() const override;
  void SetHighlight(const std::array<bool, 5>& marked) override;
  void SetCopyright(const std::string& text) override;
  std::string AskPlayerName(const std::string& prompt, const std::string& defaultName) override;
  void SetPlayerNameLabel(int person, const std::string& name) override;
  void SetHomeTeamName(const std::string& name) override;
  void PreloadCardArt(int cardType) override;
  void CloseTable() override;

 signals:
  // The window has closed, by any means; emitted once.
  void tableClosed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildKeyboard();
  void PressContinue();
  void PressBack();
  void PlayFaceAt(int n);
  void OnFaceClicked(CardFace* face);
  void RefreshPlayable();
  void DeleteIfDone();
  void StartWarmingArt();
  void WarmSomeArt();

  Match match_;

  std::array<CardFace*, 10> cardGraphic_{};
  std::array<CardFace*, 5> playedCard_{};
  CardFace* temporaryCard_ = nullptr;
  std::array<CardBack*, 9> backsLeft_{}, backsOpposite_{}, backsRight_{};
  class Notepad* notepad_ = nullptr;
  std::array<NameLabel*, 5> playerName2_{};
  ScoreBookView* scoreBook_ = nullptr;
  QWidget* title_ = nullptr;
  QLabel* copyright_ = nullptr;
  QRadioButton* playMode_ = nullptr;
  QRadioButton* demoMode_ = nullptr;
  QButtonGroup modeGroup_;
  QLabel* demoSpeedLabel_ = nullptr;
  QScrollBar* demoSpeed_ = nullptr;
  QTimer autoPlayTimer_;
  PenOverlay* pen_ = nullptr;
  // Pictures to draw ahead, at the sizes the table shows them, while the
  // player reads the notepad, so that no paint has to draw one first.
  std::vector<std::pair<PicturePtr, QSizeF>> toWarm_;
  QTimer warmTimer_;

  QPointer<QInputDialog> nameDialog_;
  std::vector<QEventLoop*> pauses_;  // the pen's pauses under way, innermost last
  bool inSetUp_ = false;
  bool closed_ = false;
  bool deleteWhenClosed_ = false;
  bool centred_ = false;
  int penPauseMs_ = 100;
};

}  // namespace tanvorel
