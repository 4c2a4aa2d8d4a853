#include "screens/goodbye_window.h"

#include <QCloseEvent>
#include <QPainter>
#include <vector>

#include "cards/art_library.h"
#include "cards/picture_view.h"
#include "screens/farewell_text.h"
#include "screens/screens_layout.h"
#include "screens/window_placement.h"
#include "table/qt_text.h"
#include "table/table_window.h"
#include "table/twips_qt.h"

namespace tanvorel {

namespace {

// The boxed game's photograph stands on a white backdrop, and the batter's
// picture reaches under its left edge: drawn as it is, the backdrop would cut
// a white notch into the batter. This shows the photograph cut out instead:
// the white that reaches its border is made transparent, the rest kept.
class CutOutPicture : public QWidget {
 public:
  CutOutPicture(PicturePtr picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const double dpr = devicePixelRatioF();
    if (image_.isNull() || image_.devicePixelRatio() != dpr) image_ = CutOut(picture_->render(size() * dpr, dpr));
    QPainter p(this);
    p.drawImage(QPointF(0, 0), image_);
  }

 private:
  static QImage CutOut(QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    std::vector<QPoint> todo;
    auto visit = [&](int x, int y) {
      QRgb* px = reinterpret_cast<QRgb*>(image.scanLine(y)) + x;
      if (qAlpha(*px) == 0 || qRed(*px) < 250 || qGreen(*px) < 250 || qBlue(*px) < 250) return;
      *px = qRgba(0, 0, 0, 0);
      todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
    for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
    while (!todo.empty()) {
      const QPoint at = todo.back();
      todo.pop_back();
      if (at.x() > 0) visit(at.x() - 1, at.y());
      if (at.x() + 1 < w) visit(at.x() + 1, at.y());
      if (at.y() > 0) visit(at.x(), at.y() - 1);
      if (at.y() + 1 < h) visit(at.x(), at.y() + 1);
    }
    return image;
  }

  PicturePtr picture_;
  QImage image_;
};

}  // namespace

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

  box_ = new CutOutPicture(FarewellBoxPicture(), this);
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
