// Printing on Qt: system printers through QPrinter (CUPS), PDF files through
// QPdfWriter into the safe writer, so a PDF appears whole or not at all.
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <string>

#include "framework/backend/PrintDevice.h"
#include "framework/backend/qt/QtPainter.h"
#include "framework/graphics/Printers.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/SysUtils.h"

namespace {
// PDF pages are laid out at this resolution; text and lines stay vectors.
constexpr int kPdfResolution = 600;

QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Hands what QPdfWriter writes to the safe writer as it comes.
class TSafeWriterDevice : public QIODevice {
 public:
  explicit TSafeWriterDevice(const std::string& FileName) : writer_(FileName) {}
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }
  void Commit() { writer_.Commit(); }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* Data, qint64 Len) override {
    if (Failed()) return -1;
    try {
      writer_.Write(std::string_view(Data, static_cast<size_t>(Len)));
    } catch (const std::exception& e) {
      error_ = e.what();
      return -1;
    }
    return Len;
  }

 private:
  TSafeFileWriter writer_;
  std::string error_;
};

void SetupLayout(QPagedPaintDevice& Device, bool Landscape) {
  QPageLayout layout(QPageSize(QPageSize::A4), Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
  Device.setPageLayout(layout);
}

class TPdfJob : public IPrintJob {
 public:
  // Raises EFCreateError when the file cannot be started.
  TPdfJob(const TPrintJobSetup& Setup) : device_(Setup.FileName) {
    QtEnsureApplication();
    device_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&device_);
    writer_->setResolution(kPdfResolution);
    writer_->setTitle(ToQ(Setup.Title));
    writer_->setCreator(QStringLiteral("CF30406"));
    SetupLayout(*writer_, Setup.Landscape);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) throw EPrinter("Printing failed");
    Attach();
  }
  ~TPdfJob() override {
    if (painter_ && painter_->isActive()) painter_->end();
  }
  TPainter* Painter() override { return tpainter_.get(); }
  TPrintPageMetrics Metrics() override {
    return {writer_->width(), writer_->height(), writer_->logicalDpiX(), writer_->logicalDpiY()};
  }
  bool NewPage(std::string& Error) override {
    if (!writer_->newPage() || device_.Failed()) {
      Error = device_.Failed() ? device_.Error() : "Printing failed";
      return false;
    }
    Attach();
    return true;
  }
  void End() override {
    tpainter_.reset();
    painter_->end();
    writer_.reset();
    device_.close();
    if (device_.Failed()) throw EFCreateError(device_.Error());
    device_.Commit();
  }
  void Abort() override {
    tpainter_.reset();
    if (painter_->isActive()) painter_->end();
    // The safe writer drops its temporary file when it goes uncommitted.
  }

 private:
  void Attach() {
    painter_->resetTransform();
    tpainter_ = NewQtPainter(painter_.get(), QSize(writer_->width(), writer_->height()), kPdfResolution);
  }
  TSafeWriterDevice device_;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<TPainter> tpainter_;
};

class TPrinterJob : public IPrintJob {
 public:
  TPrinterJob(const QPrinterInfo& Info, const TPrintJobSetup& Setup)
      : printer_(Info, QPrinter::HighResolution) {
    printer_.setDocName(ToQ(Setup.Title));
    printer_.setPageOrientation(Setup.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  bool Begin() {
    if (!painter_.begin(&printer_)) return false;
    Attach();
    return true;
  }
  TPainter* Painter() override { return tpainter_.get(); }
  TPrintPageMetrics Metrics() override {
    return {printer_.width(), printer_.height(), printer_.logicalDpiX(), printer_.logicalDpiY()};
  }
  bool NewPage(std::string& Error) override {
    if (!printer_.newPage()) {
      Error = "Printing failed";
      return false;
    }
    Attach();
    return true;
  }
  void End() override {
    tpainter_.reset();
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) throw EPrinter("Printing failed");
  }
  void Abort() override {
    tpainter_.reset();
    printer_.abort();
    if (painter_.isActive()) painter_.end();
  }

 private:
  void Attach() {
    painter_.resetTransform();
    tpainter_ = NewQtPainter(&painter_, QSize(printer_.width(), printer_.height()), printer_.resolution());
  }
  QPrinter printer_;
  QPainter painter_;
  std::unique_ptr<TPainter> tpainter_;
};

QPrinterInfo FindPrinter(const std::string& Name) {
  return Name.empty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(ToQ(Name));
}

class TQtPrintBackend : public IPrintBackend {
 public:
  std::vector<std::string> PrinterNames() override {
    QtEnsureApplication();
    std::vector<std::string> names;
    for (const QString& n : QPrinterInfo::availablePrinterNames()) names.push_back(n.toStdString());
    return names;
  }
  std::string DefaultPrinterName() override {
    QtEnsureApplication();
    return QPrinterInfo::defaultPrinterName().toStdString();
  }
  TPrintPageMetrics PageMetrics(const TPrintJobSetup& Setup) override {
    QtEnsureApplication();
    if (!Setup.FileName.empty()) {
      // A4 at the PDF resolution, without margins, as the PDF job lays it out.
      QPageSize a4(QPageSize::A4);
      QSize px = a4.sizePixels(kPdfResolution);
      if (Setup.Landscape) px.transpose();
      return {px.width(), px.height(), kPdfResolution, kPdfResolution};
    }
    QPrinterInfo info = FindPrinter(Setup.PrinterName);
    if (info.isNull()) return {};
    QPrinter p(info, QPrinter::HighResolution);
    p.setPageOrientation(Setup.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return {p.width(), p.height(), p.logicalDpiX(), p.logicalDpiY()};
  }
  std::unique_ptr<IPrintJob> StartJob(const TPrintJobSetup& Setup, std::string& Error) override {
    QtEnsureApplication();
    if (!Setup.FileName.empty()) return std::make_unique<TPdfJob>(Setup);
    QPrinterInfo info = FindPrinter(Setup.PrinterName);
    if (info.isNull()) {
      Error = "Printer selected is not valid";
      return nullptr;
    }
    auto job = std::make_unique<TPrinterJob>(info, Setup);
    if (!job->Begin()) {
      Error = "Printing failed";
      return nullptr;
    }
    return job;
  }
};
}  // namespace

std::unique_ptr<IPrintBackend> CreateQtPrintBackend() { return std::make_unique<TQtPrintBackend>(); }
