#pragma once
// One sort of the grid, for the sorting sources only. The rows to sort are
// read once into prepared copies of the compared cells (per column, the
// first time a comparison needs that column); the quick sort then orders row
// identities by those copies and the grid is rearranged once at the end.
// Nothing of the grid changes while the order is decided, so a comparison
// event may read any row: row identity k is grid row RowOf(k) throughout.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/model/DivUzev.h"

class TSortRun {
 public:
  // The rows From .. From + Count - 1.
  TSortRun(TDedAdararAdoz& Grid, int From, int Count);
  // Any rows (the comparison of two single rows).
  TSortRun(TDedAdararAdoz& Grid, std::vector<int> Rows);
  ~TSortRun();
  TSortRun(const TSortRun&) = delete;
  TSortRun& operator=(const TSortRun&) = delete;

  int Count() const { return count_; }
  int RowOf(int Id) const { return rows_.empty() ? from_ + Id : rows_[static_cast<size_t>(Id)]; }

  // The comparisons of the grid, on row identities.
  int CompareCells(int ACol, int A, bool Descending, int B);
  int CompareRows(int ACol, int A, int B);
  int CompareRowsIndexed(int Index, int A, int B);

  // The sorted order: entry k is the grid row that goes to From + k.
  // SingleCol >= 0: only that column moves with the rows; the others are
  // compared where they stand.
  std::vector<int> SortOnColumn(int ACol, int SingleCol);
  std::vector<int> SortIndexed(int SingleCol);

 private:
  struct TColumn;
  struct THandle {
    int Id;   // the row whose moving cells these are
    int Pos;  // the place it stands (for columns that stay)
  };
  // What the quick sort moves: a row identity with the first bytes of its
  // sort text, so most comparisons of plain texts touch nothing else.
  struct TItem {
    uint64_t Key;
    int Id;
  };
  void ReadSettings();
  void BuildUpper(TColumn& C);
  void BuildNumbers(TColumn& C);
  // The column's settings; its cells are read as they are needed.
  TColumn& Column(int ACol);
  std::string CellText(int ACol, int K);
  void ReadCell(TColumn& C, int K);
  void SetFlags(TColumn& C, int K, const std::string& Text);
  void ReadColumn(TColumn& C);
  void ReadNumber(TColumn& C, int K);
  // The texts a column compares ordinally for every row, when it does.
  const std::vector<std::string>* OrdinalTexts(int ACol);
  // The numbers a column compares for every row, when every pair of its
  // cells compares as numbers that all read.
  const std::vector<double>* NumericKeys(int ACol);
  int KeyIndex(int ACol, const THandle& H) const;
  int CompareHandles(int ACol, const THandle& A, bool Descending, const THandle& B);
  int CompareRowHandles(int ACol, const THandle& A, const THandle& B);
  int CompareIndexedHandles(int Index, const THandle& A, const THandle& B);
  bool Ignored(int ACol) const;
  template <class Cmp>
  void QuickSort(std::vector<TItem>& Items, int Start, int End, int Dir, bool SwapEqual, Cmp& Compare);
  std::vector<int> ToRows(const std::vector<TItem>& Items) const;
  std::vector<TItem> Identities() const;
  bool SameRow(const TItem& A, int PosA, const TItem& B, int PosB) const;

  TDedAdararAdoz& grid_;
  int from_ = 0;
  int count_ = 0;
  std::vector<int> rows_;
  int singleCol_ = -1;
  std::vector<std::unique_ptr<TColumn>> columns_;
  // Settings read once per sort.
  bool descending_ = false;
  bool full_ = true;
  bool ignoreCase_ = false;
  bool ignoreBlanks_ = false;
  bool blanksFirst_ = true;
  bool shownTexts_ = true;
  bool autoFormat_ = true;
  int lastCol_ = 0;
  std::vector<char> ignored_;
};
