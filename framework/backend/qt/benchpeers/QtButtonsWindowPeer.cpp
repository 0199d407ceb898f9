// The start-up peer: the smallest Qt Widgets program with a window of a
// dozen push buttons, shown until its first paint.
#include "framework/backend/qt/benchpeers/QtButtonsWindowPeer.h"

#include <QApplication>
#include <QGridLayout>
#include <QPaintEvent>
#include <QPushButton>
#include <QWidget>

namespace {
class TPeerWindow : public QWidget {
 public:
  bool Painted = false;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QWidget::paintEvent(e);
    Painted = true;
  }
};
}  // namespace

int RunQtButtonsWindowPeer(int argc, char** argv) {
  static int count = argc;
  auto* app = new QApplication(count, argv);
  (void)app;
  auto* window = new TPeerWindow;
  window->setWindowTitle("Peer");
  auto* grid = new QGridLayout(window);
  for (int i = 0; i < 12; ++i)
    grid->addWidget(new QPushButton(QString("Button %1").arg(i + 1), window), i / 3, i % 3);
  window->resize(640, 480);
  window->show();
  while (!window->Painted) QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  return 0;
}
