#include "screens/goodbye_window.h"

#include <QCloseEvent>

#include "cards/art_library.h"
#include "cards/picture_view.h"
#include "screens/farewell_text.h"
#include "screens/screens_layout.h"
#include "screens/window_placement.h"
#include "table/qt_text.h"
#include "table/table_window.h"
#include "table/twips_qt.h"

namespace tanvorel {

Goodbye::Goodbye(std::filesystem::path programFolder, QWidget* parent)
    : QWidget(parent), programFolder_(std::move(programFolder)) {
  setWindowTitle("Tanvorel Card Cricket");
  setWindowIcon(ProgramIcon());
  setFixedSize(TwipsToPixelsRounded(kFarewellWidthTwips), TwipsToPixelsRounded(kFarewellHeightTwips));
  PaintWhite(this);

  // Back to front: the batter (its left part beyond the window's edge), the
  // boxed game at its own size, the message over them, the button.
  batter_ = new PictureView(FarewellBatterPicture(), this);
  batter_->setGeometry(ToPixels(kFarewellBatterRect));
  batter_->setAccessibleName("A batter at the crease");

  box_ = new PictureView(FarewellBoxPicture(), this);
  const QRect boxArea = ToPixels(kFarewellBoxRect);
  box_->setGeometry(QRect(boxArea.topLeft(), FarewellBoxPicture()->size()));
  box_->setAccessibleName("The boxed game with its cards and rules");

  message_ = new QLabel(this);
  message_->setGeometry(ToPixels(kFarewellMessageRect));
  message_->setTextFormat(Qt::PlainText);  // the file's text is shown as written, never as markup
  message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  message_->setWordWrap(true);
  message_->setAutoFillBackground(false);  // transparent over the pictures
  QFont arial("Arial");
  arial.setPointSizeF(kFarewellMessagePoints);
  message_->setFont(arial);
  message_->setText(WithLineBreaks(kDefaultFarewell));

  end_ = new QPushButton("End", this);
  end_->setGeometry(ToPixels(kFarewellEndRect));
  connect(end_, &QPushButton::clicked, this, &QWidget::close);

  setTabOrder(message_, end_);
  end_->setFocus();
}

Goodbye::~Goodbye() { delete table_.data(); }

bool Goodbye::TableOpen() const { return table_ && !table_->isClosed(); }

void Goodbye::LoadHidden() {
  if (load_ != Load::NotLoaded) return;
  load_ = Load::Loading;

  const FarewellText text = ReadFarewellFile(SideFile(programFolder_, "farewellmessage.ini"));
  message_->setText(WithLineBreaks(text.message));
  hide();

  auto* table = new TableWindow;
  table->setDeleteWhenClosed(true);
  table_ = table;
  connect(table, &TableWindow::tableClosed, this, &Goodbye::OnTableClosed);
  SetUpOptions options;
  options.cataloguePath = SideFile(programFolder_, "CardDetails.ini").string();
  const auto error = table->OpenAndSetUp(options);

  load_ = Load::Loaded;
  if (error) {
    emit setUpFailed(ToQt(error->Report()));
    return;
  }
  if (showWhenLoaded_) ShowFarewell();
}

void Goodbye::ShowFarewell() {
  showWhenLoaded_ = true;
  if (load_ == Load::NotLoaded) {
    LoadHidden();  // shows the window at its end
    return;
  }
  if (load_ == Load::Loading) return;  // shown once the loading is done
  show();
  raise();
  activateWindow();
}

void Goodbye::OnTableClosed() {
  // The table has gone, by message 11.9 or by its window being closed: the
  // farewell is what remains.
  ShowFarewell();
}

void Goodbye::closeEvent(QCloseEvent* event) {
  event->accept();
  showWhenLoaded_ = false;
  // Closed beside a table still in play (the splash was closed without
  // handing over): the table shows this window again when it closes.
  if (TableOpen() || load_ == Load::Loading) return;
  emit programEnds();
}

void Goodbye::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (centred_) return;
  centred_ = true;
  CentreOnScreen(this);
}

}  // namespace tanvorel
