#pragma once
// The farewell window "Goodbye". Loading it reads the farewell text and opens
// the table; it is shown when the table closes, and its "End" button ends the
// program.

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

#include "table/side_files.h"
#include "table/table_window.h"

namespace tanvorel {


class Goodbye : public QWidget {
  Q_OBJECT

 public:
  explicit Goodbye(std::filesystem::path programFolder = ProgramFolder(), QWidget* parent = nullptr);
  ~Goodbye() override;

  // Loads the window, hidden: reads the farewell text, then opens the table
  // and returns once the table's set-up has run (its name prompt included).
  // Runs once; later calls do nothing.
  void LoadHidden();
  // Shows the window, loading it first when that has not happened yet.
  void ShowFarewell();

  enum class Load { NotLoaded, Loading, Loaded };
  Load loadState() const { return load_; }

  QLabel* FarewellMessage() const { return message_; }
  QPushButton* Command1() const { return end_; }
  QWidget* Image1() const { return batter_; }
  QWidget* Image2() const { return box_; }
  // The table this window opened; null before loading and once it has gone.
  TableWindow* table() const { return table_.data(); }

 signals:
  // The table could not be set up: `report` says why. The program should
  // tell the user and end.
  void setUpFailed(const QString& report);
  // The window has closed with no table open: the program is over.
  void programEnds();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void OnTableClosed();
  bool TableOpen() const;

  std::filesystem::path programFolder_;
  QLabel* message_ = nullptr;
  QPushButton* end_ = nullptr;
  QWidget* batter_ = nullptr;
  QWidget* box_ = nullptr;
  QPointer<TableWindow> table_;
  Load load_ = Load::NotLoaded;
  bool showWhenLoaded_ = false;
  bool centred_ = false;
};

}  // namespace tanvorel
