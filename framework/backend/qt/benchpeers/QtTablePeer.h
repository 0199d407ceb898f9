#pragma once
// A plain Qt table for benchmarks to measure the grid against: a
// QStandardItemModel behind a QTableView, reached without Qt types so the
// benchmark files stay free of Qt headers.
#include <memory>
#include <string>
#include <vector>

class QtTablePeer {
 public:
  QtTablePeer();
  ~QtTablePeer();
  QtTablePeer(const QtTablePeer&) = delete;
  QtTablePeer& operator=(const QtTablePeer&) = delete;

  // Appends Rows rows of Cols items to the model, the texts taken in turn
  // from Texts.
  void Load(int Rows, int Cols, const std::vector<std::string>& Texts);
  int RowCount() const;
  std::string Text(int Row, int Col) const;
  // Drops the model's items (outside the timed part).
  void Clear();

  // Painting: the view at Width x Height with every column ColWidth and
  // every row RowHeight pixels; the items of column Col carry a check box
  // (checked in every other row); Paint renders the whole view offscreen.
  void SetupView(int Width, int Height, int ColWidth, int RowHeight);
  void SetCheckColumn(int Col);
  void Paint();

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};
