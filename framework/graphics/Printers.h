#pragma once
// The printer: one print job at a time, its pages drawn through Canvas().
// Output goes to a system printer (the default one, or the one chosen by
// PrinterIndex) or, when FileName is set, into a PDF file written through
// the safe writer, so a failed write leaves no half file and is reported.
//
//   TPrinter* p = Printer();
//   p->SetFileName("/tmp/out.pdf");
//   p->BeginDoc();
//   p->Canvas()->TextOut(100, 100, "page 1");
//   p->NewPage();
//   ...
//   p->EndDoc();   // raises when the file or the job failed
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/Graphics.h"

CF_DECLARE_EXCEPTION(EPrinter, Exception)

enum TPrinterOrientation { poPortrait, poLandscape };

class IPrintJob;
class IPrintBackend;

class TPrinter {
 public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The system printers' names (empty where none is set up).
  std::vector<std::string> Printers();
  // -1 is the system's default printer.
  int PrinterIndex() const { return printerIndex_; }
  void SetPrinterIndex(int Value);
  // A PDF file to print into instead of a printer; empty prints on the
  // printer. Kept across jobs.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& Value);

  TPrinterOrientation Orientation() const { return orientation_; }
  // EPrinter "Printing in progress" while a job runs.
  void SetOrientation(TPrinterOrientation Value);
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value) { title_ = Value; }

  // The printable area of a page in device pixels, and the resolution; they
  // describe the next job when none runs.
  int PageWidth();
  int PageHeight();
  int XDPI();
  int YDPI();

  TCanvas* Canvas() { return canvas_.get(); }
  bool Printing() const { return job_ != nullptr; }
  bool Aborted() const { return aborted_; }
  // 1-based number of the page being drawn (0 outside a job).
  int PageNumber() const { return pageNumber_; }

  // EPrinter "Printing in progress" when a job runs already, "There is no
  // default printer currently selected" without printer and file, or the
  // device's own reason.
  void BeginDoc();
  void NewPage();
  // Finishes the job; a file or job that could not be written raises
  // (EFCreateError for a file, EPrinter for a printer).
  void EndDoc();
  // Drops the job: nothing more is printed, a PDF file is not written.
  void Abort();

 private:
  struct TSetupInfo;
  void Check(bool Idle);
  void FillSetup(TSetupInfo& S);
  std::unique_ptr<TCanvas> canvas_;
  std::unique_ptr<IPrintJob> job_;
  int printerIndex_ = -1;
  std::string fileName_;
  TPrinterOrientation orientation_ = poPortrait;
  std::string title_;
  bool aborted_ = false;
  int pageNumber_ = 0;
};

// The program's printer, made on first use.
TPrinter* Printer();
// Replaces it (nullptr: a new one on next use) and returns the one before.
std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> NewPrinter);
