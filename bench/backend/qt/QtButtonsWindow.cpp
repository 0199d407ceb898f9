// The start-up peer: the smallest Qt Widgets program with a window of a
// dozen push buttons. It ends the moment its window has been painted, so
// that the time from its start to its end is the time to a window on screen.
#include <QApplication>
#include <QGridLayout>
#include <QPaintEvent>
#include <QPushButton>
#include <QWidget>

#include <unistd.h>

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

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TPeerWindow window;
  window.setWindowTitle("Peer");
  auto* grid = new QGridLayout(&window);
  for (int i = 0; i < 12; ++i)
    grid->addWidget(new QPushButton(QString("Button %1").arg(i + 1), &window), i / 3, i % 3);
  window.resize(640, 480);
  window.show();
  while (!window.Painted) QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  // Shown: tearing down is not part of start-up.
  _exit(0);
}
