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

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};
