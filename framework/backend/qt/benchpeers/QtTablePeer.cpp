// The Qt side of the table benchmarks.
#include "framework/backend/qt/benchpeers/QtTablePeer.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QString>
#include <QTableView>

namespace {
// The benchmarks run headless; one application object serves every view.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "cf_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}
}  // namespace

struct QtTablePeer::TImpl {
  QStandardItemModel model;
  QTableView view;
  QImage image;
};

QtTablePeer::QtTablePeer() {
  EnsureApplication();
  impl_ = std::make_unique<TImpl>();
  impl_->view.setModel(&impl_->model);
}

QtTablePeer::~QtTablePeer() = default;

void QtTablePeer::Load(int Rows, int Cols, const std::vector<std::string>& Texts) {
  // Row by row, as a Qt program fills a model that a view shows (setItem
  // on pre-sized rows makes the view re-lay out for every item).
  QStandardItemModel& m = impl_->model;
  m.setColumnCount(Cols);
  size_t k = 0;
  for (int r = 0; r < Rows; ++r) {
    QList<QStandardItem*> row;
    row.reserve(Cols);
    for (int c = 0; c < Cols; ++c) {
      const std::string& s = Texts[k];
      row.append(new QStandardItem(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))));
      if (++k == Texts.size()) k = 0;
    }
    m.appendRow(row);
  }
}

int QtTablePeer::RowCount() const { return impl_->model.rowCount(); }

std::string QtTablePeer::Text(int Row, int Col) const {
  const QStandardItem* item = impl_->model.item(Row, Col);
  return item != nullptr ? item->text().toStdString() : std::string();
}

void QtTablePeer::Clear() { impl_->model.clear(); }

void QtTablePeer::SetupView(int Width, int Height, int ColWidth, int RowHeight) {
  QTableView& v = impl_->view;
  v.horizontalHeader()->setDefaultSectionSize(ColWidth);
  v.verticalHeader()->setDefaultSectionSize(RowHeight);
  v.horizontalHeader()->setMinimumSectionSize(1);
  v.verticalHeader()->setMinimumSectionSize(1);
  v.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  v.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  v.resize(Width, Height);
  v.setAttribute(Qt::WA_DontShowOnScreen);
  v.show();
  impl_->image = QImage(Width, Height, QImage::Format_RGB32);
}

void QtTablePeer::SetCheckColumn(int Col) {
  QStandardItemModel& m = impl_->model;
  for (int r = 0; r < m.rowCount(); ++r) {
    if (QStandardItem* item = m.item(r, Col)) {
      item->setCheckable(true);
      item->setCheckState(r % 2 ? Qt::Checked : Qt::Unchecked);
    }
  }
}

void QtTablePeer::Paint() {
  QPainter p(&impl_->image);
  impl_->view.render(&p);
}
