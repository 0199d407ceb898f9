#include "framework/graphics/Printers.h"

#include "framework/backend/Painter.h"
#include "framework/backend/PrintDevice.h"

namespace {
std::unique_ptr<IPrintBackend>& BackendSlot() {
  static std::unique_ptr<IPrintBackend> backend;
  return backend;
}
std::unique_ptr<TPrinter>& PrinterSlot() {
  static std::unique_ptr<TPrinter> printer;
  return printer;
}
}  // namespace

IPrintBackend* PrintBackend() {
  auto& b = BackendSlot();
  if (!b) b = CreateQtPrintBackend();
  return b.get();
}

void SetPrintBackend(std::unique_ptr<IPrintBackend> NewBackend) { BackendSlot() = std::move(NewBackend); }

TPrinter* Printer() {
  auto& p = PrinterSlot();
  if (!p) p = std::make_unique<TPrinter>();
  return p.get();
}

std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> NewPrinter) {
  std::unique_ptr<TPrinter> old = std::move(PrinterSlot());
  PrinterSlot() = std::move(NewPrinter);
  return old;
}

struct TPrinter::TSetupInfo {
  TPrintJobSetup Setup;
};

TPrinter::TPrinter() : canvas_(std::make_unique<TCanvas>()) {}

TPrinter::~TPrinter() {
  if (job_) {
    canvas_->DetachPainter();
    job_->Abort();
  }
}

void TPrinter::Check(bool Idle) {
  if (Idle && job_) throw EPrinter("Printing in progress");
  if (!Idle && !job_) throw EPrinter("Printer is not currently printing");
}

std::vector<std::string> TPrinter::Printers() { return PrintBackend()->PrinterNames(); }

void TPrinter::SetPrinterIndex(int Value) {
  Check(true);
  if (Value < -1 || Value >= static_cast<int>(Printers().size()))
    throw EPrinter("Printer selected is not valid");
  printerIndex_ = Value;
}

void TPrinter::SetFileName(const std::string& Value) {
  Check(true);
  fileName_ = Value;
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  Check(true);
  orientation_ = Value;
}

void TPrinter::FillSetup(TSetupInfo& S) {
  S.Setup.FileName = fileName_;
  S.Setup.Landscape = orientation_ == poLandscape;
  S.Setup.Title = title_;
  if (fileName_.empty()) {
    if (printerIndex_ >= 0) {
      auto names = Printers();
      if (printerIndex_ < static_cast<int>(names.size())) S.Setup.PrinterName = names[printerIndex_];
    } else {
      S.Setup.PrinterName = PrintBackend()->DefaultPrinterName();
    }
  }
}

namespace {
TPrintPageMetrics MetricsOf(IPrintJob* Job, TPrinter* P, const TPrintJobSetup& Setup) {
  (void)P;
  if (Job) return Job->Metrics();
  return PrintBackend()->PageMetrics(Setup);
}
}  // namespace

int TPrinter::PageWidth() {
  TSetupInfo s;
  FillSetup(s);
  return MetricsOf(job_.get(), this, s.Setup).Width;
}

int TPrinter::PageHeight() {
  TSetupInfo s;
  FillSetup(s);
  return MetricsOf(job_.get(), this, s.Setup).Height;
}

int TPrinter::XDPI() {
  TSetupInfo s;
  FillSetup(s);
  return MetricsOf(job_.get(), this, s.Setup).DpiX;
}

int TPrinter::YDPI() {
  TSetupInfo s;
  FillSetup(s);
  return MetricsOf(job_.get(), this, s.Setup).DpiY;
}

void TPrinter::BeginDoc() {
  Check(true);
  TSetupInfo s;
  FillSetup(s);
  if (s.Setup.FileName.empty() && s.Setup.PrinterName.empty())
    throw EPrinter("There is no default printer currently selected");
  std::string error;
  job_ = PrintBackend()->StartJob(s.Setup, error);
  if (!job_) throw EPrinter(error.empty() ? "Printing failed" : error);
  aborted_ = false;
  pageNumber_ = 1;
  // A new job starts from the device's own state, as a fresh device context.
  canvas_->SetMapMode(MM_TEXT);
  canvas_->SetWindowOrg(TPoint());
  canvas_->SetViewportOrg(TPoint());
  canvas_->SelectClipRegion(nullptr);
  canvas_->AttachPainter(job_->Painter());
}

void TPrinter::NewPage() {
  Check(false);
  std::string error;
  if (!job_->NewPage(error)) {
    Abort();
    throw EPrinter(error.empty() ? "Printing failed" : error);
  }
  ++pageNumber_;
  // The page's device starts afresh: the canvas sends its whole state again.
  canvas_->AttachPainter(job_->Painter());
}

void TPrinter::EndDoc() {
  Check(false);
  canvas_->DetachPainter();
  std::unique_ptr<IPrintJob> job = std::move(job_);
  pageNumber_ = 0;
  job->End();
}

void TPrinter::Abort() {
  if (!job_) return;
  canvas_->DetachPainter();
  std::unique_ptr<IPrintJob> job = std::move(job_);
  pageNumber_ = 0;
  aborted_ = true;
  job->Abort();
}
