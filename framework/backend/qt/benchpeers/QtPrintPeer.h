#pragma once
// Qt's own way to print a table, for the printing benchmark to measure the
// grid against: an HTML table of the same cells in a QTextDocument, printed
// page by page into a PDF file, reached without Qt types so the benchmark
// files stay free of Qt headers.
#include <memory>
#include <string>
#include <vector>

class QtPrintPeer {
 public:
  QtPrintPeer();
  ~QtPrintPeer();
  QtPrintPeer(const QtPrintPeer&) = delete;
  QtPrintPeer& operator=(const QtPrintPeer&) = delete;

  // An HTML table of Rows rows of Cols cells, the texts taken in turn from
  // Texts (outside the timed part).
  void Load(int Rows, int Cols, const std::vector<std::string>& Texts);
  // Lays the document out on A4 pages and prints it into FileName; answers
  // the page count.
  int PrintToPdf(const std::string& FileName);

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};
