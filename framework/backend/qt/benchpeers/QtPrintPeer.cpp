// The Qt side of the printing benchmark.
#include "framework/backend/qt/benchpeers/QtPrintPeer.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <QTextDocument>

namespace {
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "cf_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}
}  // namespace

struct QtPrintPeer::TImpl {
  QString html;
};

QtPrintPeer::QtPrintPeer() : impl_(std::make_unique<TImpl>()) { EnsureApplication(); }

QtPrintPeer::~QtPrintPeer() = default;

void QtPrintPeer::Load(int Rows, int Cols, const std::vector<std::string>& Texts) {
  QString& h = impl_->html;
  h = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
  size_t k = 0;
  for (int r = 0; r < Rows; ++r) {
    h += QStringLiteral("<tr>");
    for (int c = 0; c < Cols; ++c) {
      h +=
          QStringLiteral("<td>") + QString::fromStdString(Texts[k]).toHtmlEscaped() + QStringLiteral("</td>");
      if (++k == Texts.size()) k = 0;
    }
    h += QStringLiteral("</tr>");
  }
  h += QStringLiteral("</table>");
}

int QtPrintPeer::PrintToPdf(const std::string& FileName) {
  QPdfWriter writer(QString::fromStdString(FileName));
  writer.setResolution(600);
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
  QTextDocument doc;
  doc.setHtml(impl_->html);
  // A4 less the margins, in points: the document is paginated as printed.
  doc.setPageSize(QSizeF(595.0 - 2 * 28.35, 842.0 - 2 * 28.35));
  doc.print(&writer);
  return doc.pageCount();
}
