#pragma once
// The print backend behind TPrinter (framework/graphics/Printers.h): the
// system printers, the page metrics of a job set-up and the jobs themselves.
// framework/backend/qt/ implements it.
#include <memory>
#include <string>
#include <vector>

class TPainter;

struct TPrintJobSetup {
  // Empty: the default printer. Ignored when FileName is set.
  std::string PrinterName;
  // A PDF file to write instead of printing.
  std::string FileName;
  bool Landscape = false;
  std::string Title;
};

// The printable area in device pixels and the resolution.
struct TPrintPageMetrics {
  int Width = 0;
  int Height = 0;
  int DpiX = 0;
  int DpiY = 0;
};

class IPrintJob {
 public:
  virtual ~IPrintJob() = default;
  // Draws onto the current page; valid until the job ends.
  virtual TPainter* Painter() = 0;
  virtual TPrintPageMetrics Metrics() = 0;
  // False with the reason in Error when the device refuses a page.
  virtual bool NewPage(std::string& Error) = 0;
  // Ends the job and puts the output in place; raises on failure.
  virtual void End() = 0;
  // Drops the job; nothing is written.
  virtual void Abort() = 0;
};

class IPrintBackend {
 public:
  virtual ~IPrintBackend() = default;
  virtual std::vector<std::string> PrinterNames() = 0;
  // Empty when the system has no default printer.
  virtual std::string DefaultPrinterName() = 0;
  // The page of a job with this set-up (zeros when the printer is unknown).
  virtual TPrintPageMetrics PageMetrics(const TPrintJobSetup& Setup) = 0;
  // nullptr with the reason in Error when the job cannot start.
  virtual std::unique_ptr<IPrintJob> StartJob(const TPrintJobSetup& Setup, std::string& Error) = 0;
};

// The print backend in use; the Qt one is made on first use.
IPrintBackend* PrintBackend();
// Replaces it (nullptr: the Qt one again on next use).
void SetPrintBackend(std::unique_ptr<IPrintBackend> NewBackend);
std::unique_ptr<IPrintBackend> CreateQtPrintBackend();
