#pragma once
// A plain Qt sort for benchmarks to measure the grid's sort against: a
// QStandardItemModel seen through a QSortFilterProxyModel behind a
// QTableView, reached without Qt types so the benchmark files stay free of
// Qt headers.
#include <memory>
#include <string>
#include <vector>

class QtSortPeer {
 public:
  QtSortPeer();
  ~QtSortPeer();
  QtSortPeer(const QtSortPeer&) = delete;
  QtSortPeer& operator=(const QtSortPeer&) = delete;

  // One column holding Texts, one item a row.
  void Load(const std::vector<std::string>& Texts);
  // Sorts the proxy on column 0, ascending.
  void Sort();
  // Back to the model's own order (outside the timed part).
  void Unsort();
  // The text the proxy shows in Row.
  std::string Text(int Row) const;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
};
