// The Qt side of the sort benchmark.
#include "framework/backend/qt/benchpeers/QtSortPeer.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QString>
#include <QTableView>

namespace {
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "cf_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}
}  // namespace

struct QtSortPeer::TImpl {
  QStandardItemModel model;
  QSortFilterProxyModel proxy;
  QTableView view;
};

QtSortPeer::QtSortPeer() {
  EnsureApplication();
  impl_ = std::make_unique<TImpl>();
}

QtSortPeer::~QtSortPeer() = default;

void QtSortPeer::Load(const std::vector<std::string>& Texts) {
  // The column in one step, before the proxy and the view look at it.
  QList<QStandardItem*> column;
  column.reserve(static_cast<qsizetype>(Texts.size()));
  for (const std::string& s : Texts)
    column.append(new QStandardItem(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))));
  impl_->model.appendColumn(column);
  impl_->proxy.setSourceModel(&impl_->model);
  impl_->view.setModel(&impl_->proxy);
}

void QtSortPeer::Sort() { impl_->proxy.sort(0, Qt::AscendingOrder); }

void QtSortPeer::Unsort() { impl_->proxy.sort(-1); }

std::string QtSortPeer::Text(int Row) const {
  return impl_->proxy.data(impl_->proxy.index(Row, 0)).toString().toStdString();
}
