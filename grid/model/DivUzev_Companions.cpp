// The grid's companion objects: the hidden-row store, the cell graphic
// object, and the settings objects the grid owns.
#include <algorithm>

#include "framework/classes/StringList.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// The hidden-row store

TGridItem::TGridItem(TCollection* Collection) : TCollectionItem(Collection), FItems(new TStringList()) {}

TGridItem::~TGridItem() {
  // Cells still in the store take their properties (and graphics) along.
  if (FItems != nullptr) {
    for (int i = 0; i < FItems->Count(); ++i) {
      auto* props = dynamic_cast<TCellProperties*>(FItems->Objects(i));
      if (props == nullptr) continue;
      TObject* graphic = props->GraphicObject();
      if (graphic != nullptr && graphic->ClassName() == "TCellGraphic") delete graphic;
      delete props;
    }
    delete FItems;
  }
}

void TGridItem::SetIdx(int Value) {
  FIdx = Value;
  if (auto* store = dynamic_cast<TGridItemCollection*>(Collection())) store->IdxChanged();
}

TGridItemCollection::TGridItemCollection() : TCollection(TCollection::ItemClass<TGridItem>()) {}

namespace {
// Frees cell properties (and the graphics they made) as a stored entry does.
void FreeStoredProperties(TObject* Object) {
  auto* props = dynamic_cast<TCellProperties*>(Object);
  if (props == nullptr) return;
  TObject* graphic = props->GraphicObject();
  if (graphic != nullptr && graphic->ClassName() == "TCellGraphic") delete graphic;
  delete props;
}
}  // namespace

const std::vector<int>& TGridItemCollection::TRowBlock::RealRows() const {
  if (Idx.empty() && Rows > 0) {
    Idx.reserve(static_cast<size_t>(Rows));
    for (size_t r = 0; r < Marked.size(); ++r)
      if (Marked[r] != 0) Idx.push_back(static_cast<int>(r));
  }
  return Idx;
}

TGridItemCollection::TRowBlock::~TRowBlock() {
  for (TObject* o : Objects)
    if (o != nullptr) FreeStoredProperties(o);
}

TGridItemCollection::~TGridItemCollection() = default;

void TGridItemCollection::Notify(TCollectionItem*, TCollectionNotification) { FSortedValid = false; }

void TGridItemCollection::Clear() {
  if (!FBlocks.empty() && FParkGrid != nullptr) FParkGrid->DropParkedRows();
  FBlocks.clear();
  FBlockRows = 0;
  FSortedValid = false;
  TCollection::Clear();
}

void TGridItemCollection::AddBlock(std::unique_ptr<TRowBlock> Block) {
  if (Block == nullptr || Block->Count() == 0) return;
  FBlockRows += Block->Count();
  FBlocks.push_back(std::move(Block));
  FSortedValid = false;
}

std::unique_ptr<TGridItemCollection::TRowBlock> TGridItemCollection::TakeLastBlock() {
  if (FBlocks.empty()) return nullptr;
  std::unique_ptr<TRowBlock> b = std::move(FBlocks.back());
  FBlocks.pop_back();
  FBlockRows -= b->Count();
  FSortedValid = false;
  return b;
}

namespace {
// Where each row of a block lies among its parked rows: the parking gathers
// the marked rows in a run that every kept row after them rotates by one,
// so replaying that queue over the rows it went over gives the order.
std::vector<int> ParkedSlots(const std::vector<uint8_t>& Marked, size_t n, int Span) {
  std::vector<int> queue(n);
  size_t head = 0, size = 0, next = 0;
  for (int r = 0; r < Span; ++r) {
    if (static_cast<size_t>(r) < Marked.size() && Marked[static_cast<size_t>(r)] != 0) {
      queue[(head + size) % n] = static_cast<int>(next++);
      ++size;
    } else if (size > 0) {
      const int first = queue[head];
      head = (head + 1) % n;
      queue[(head + size - 1) % n] = first;
    }
  }
  std::vector<int> slot(n);
  for (size_t j = 0; j < n; ++j) slot[static_cast<size_t>(queue[(head + j) % n])] = static_cast<int>(j);
  return slot;
}
}  // namespace

void TGridItemCollection::ForEachHiddenText(int Column,
                                            const std::function<void(const std::string&)>& Fn) const {
  if (Column < 0) return;
  for (int i = 0; i < TCollection::Count(); ++i) {
    TStringList* cells = static_cast<TGridItem*>(TCollection::Items(i))->Items();
    if (Column < cells->Count()) Fn(cells->Strings(Column));
  }
  if (FParkGrid == nullptr) return;
  // Parked rows in the order they lie (the newest block's first).
  int at = 0;
  for (size_t b = FBlocks.size(); b-- > 0;) {
    const int n = FBlocks[b]->Count();
    if (Column < FBlocks[b]->Cols)
      for (int k = 0; k < n; ++k) Fn(FParkGrid->ParkedCell(at + k, Column));
    at += n;
  }
}

bool TGridItemCollection::LevelOnlyInLastBlock(int Level) const {
  if (FBlocks.empty() || FBlocks.back()->Level != Level) return false;
  for (size_t b = 0; b + 1 < FBlocks.size(); ++b)
    if (FBlocks[b]->Level == Level) return false;
  for (int i = 0; i < TCollection::Count(); ++i)
    if (static_cast<TGridItem*>(TCollection::Items(i))->Level() == Level) return false;
  return true;
}

void TGridItemCollection::Flatten() const {
  if (FBlocks.empty()) return;
  auto* self = const_cast<TGridItemCollection*>(this);
  std::vector<std::unique_ptr<TRowBlock>> blocks;
  blocks.swap(FBlocks);
  FBlockRows = 0;
  // The newest block's rows lie first among the parked ones.
  std::vector<int> first(blocks.size());
  int at = 0;
  for (size_t b = blocks.size(); b-- > 0;) {
    first[b] = at;
    at += blocks[b]->Count();
  }
  for (size_t i = 0; i < blocks.size(); ++i) {
    TRowBlock* b = blocks[i].get();
    const size_t cols = static_cast<size_t>(b->Cols);
    const std::vector<int>& idx = b->RealRows();
    const std::vector<int> slot = ParkedSlots(b->Marked, idx.size(), b->Span);
    for (size_t k = 0; k < idx.size(); ++k) {
      auto* item = static_cast<TGridItem*>(self->TCollection::Add());
      TStringList* cells = item->Items();
      const int parked = first[i] + slot[k];
      for (size_t c = 0; c < cols; ++c) {
        TObject* o = b->Objects.empty() ? nullptr : b->Objects[k * cols + c];
        cells->AddObject(
            FParkGrid != nullptr ? FParkGrid->TakeParkedCell(parked, static_cast<int>(c)) : std::string(), o);
      }
      item->SetHeight(b->Heights.empty() ? b->Height : b->Heights[k]);
      item->SetIdx(idx[k]);
      item->SetLevel(b->Level);
    }
    // The entries own the properties now.
    b->Objects.clear();
  }
  if (FParkGrid != nullptr) FParkGrid->DropParkedRows();
  FSortedValid = false;
}

void TGridItemCollection::Refresh() const {
  if (FSortedValid) return;
  FSorted.clear();
  FSorted.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < TCollection::Count(); ++i)
    FSorted.push_back(static_cast<TGridItem*>(TCollection::Items(i))->Idx());
  std::sort(FSorted.begin(), FSorted.end());
  // A block's rows are ascending already: merging costs one pass.
  for (const auto& b : FBlocks) {
    const auto mid = static_cast<std::ptrdiff_t>(FSorted.size());
    const std::vector<int>& idx = b->RealRows();
    FSorted.insert(FSorted.end(), idx.begin(), idx.end());
    std::inplace_merge(FSorted.begin(), FSorted.begin() + mid, FSorted.end());
  }
  FDistinct.assign(FSorted.begin(), FSorted.end());
  FDistinct.erase(std::unique(FDistinct.begin(), FDistinct.end()), FDistinct.end());
  FSortedValid = true;
}

int TGridItemCollection::CountBelow(int Value) const {
  Refresh();
  return static_cast<int>(std::lower_bound(FSorted.begin(), FSorted.end(), Value) - FSorted.begin());
}

int TGridItemCollection::DistinctAtOrBelow(int Value) const {
  Refresh();
  return static_cast<int>(std::upper_bound(FDistinct.begin(), FDistinct.end(), Value) - FDistinct.begin());
}

int TGridItemCollection::DistinctCount() const {
  Refresh();
  return static_cast<int>(FDistinct.size());
}

bool TGridItemCollection::HasIdx(int Value) const {
  Refresh();
  return std::binary_search(FDistinct.begin(), FDistinct.end(), Value);
}

TGridItem* TGridItemCollection::FindIdx(int Value) const {
  if (!HasIdx(Value)) return nullptr;
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Idx() == Value) return Items(i);
  return nullptr;
}

int TGridItemCollection::InsertPosition(int Value) const {
  // The store keeps range-hidden entries in ascending order; the first entry
  // past Value is where the new one goes.
  int i = 0;
  while (i < Count() && Items(i)->Idx() < Value) ++i;
  return i;
}

// ---------------------------------------------------------------------------
// Settings objects of the grid

void TGrouping::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TGrouping*>(Source);
  if (s == nullptr) return;
  // The line colours and widths and Summary stay.
  FGroupCountFormat = s->FGroupCountFormat;
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderTextColor = s->FHeaderTextColor;
  FHeaderUnderline = s->FHeaderUnderline;
  FMergeHeader = s->FMergeHeader;
  FMergeSummary = s->FMergeSummary;
  FShowGroupCount = s->FShowGroupCount;
  FSummaryColor = s->FSummaryColor;
  FSummaryColorTo = s->FSummaryColorTo;
  FSummaryTextColor = s->FSummaryTextColor;
  FSummaryLine = s->FSummaryLine;
  FAutoCheckGroup = s->FAutoCheckGroup;
  FAutoSelectGroup = s->FAutoSelectGroup;
}

void TDragDropSettings::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TDragDropSettings*>(Source);
  if (s == nullptr) return;
  FShowCells = s->FShowCells;
  FOleAcceptFiles = s->FOleAcceptFiles;
  FOleAcceptText = s->FOleAcceptText;
  FOleAcceptURLs = s->FOleAcceptURLs;
  FOleAppendRows = s->FOleAppendRows;
  FOleColumnDragDrop = s->FOleColumnDragDrop;
  FOleColumnReorder = s->FOleColumnReorder;
  FOleColumnsOnly = s->FOleColumnsOnly;
  FOleCopyAlways = s->FOleCopyAlways;
  FOleDropSource = s->FOleDropSource;
  FOleEntireRows = s->FOleEntireRows;
  FOleInsertRows = s->FOleInsertRows;
  FOleRemoveRows = s->FOleRemoveRows;
  FOleDropRTF = s->FOleDropRTF;
  SetOleDropTarget(s->FOleDropTarget);
}

void TBalloonSettings::SetEnable(bool Value) {
  FEnable = Value;
  if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TBalloonSettings*>(Source);
  if (s == nullptr) return;
  FTextColor = s->FTextColor;
  FBackgroundColor = s->FBackgroundColor;
  FInitialDelay = s->FInitialDelay;
  FAutoHideDelay = s->FAutoHideDelay;
  FReshowDelay = s->FReshowDelay;
  FEnable = s->FEnable;
}

void TShowModified::SetColor(TColor Value) {
  FColor = Value;
  if (OnChange) OnChange(this);
}

void TShowModified::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TShowModified*>(Source);
  if (s == nullptr) return;
  FColor = s->FColor;
  FEnabled = s->FEnabled;
}

void TSizeWhileTyping::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TSizeWhileTyping*>(Source);
  if (s == nullptr) return;
  FHeight = s->FHeight;
  FWidth = s->FWidth;
}

void TColumnSize::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TColumnSize*>(Source);
  if (s == nullptr) return;
  FSave = s->FSave;
  FKey = s->FKey;
  FSection = s->FSection;
  FStretch = s->FStretch;
  FStretchColumn = s->FStretchColumn;
  FSynchWithGrid = s->FSynchWithGrid;
  FSynchNormalCellsOnly = s->FSynchNormalCellsOnly;
  FLocation = s->FLocation;
  FRows = s->FRows;
}

void TDragScrollDelays::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TDragScrollDelays*>(Source);
  if (s == nullptr) return;
  FInitialDelay = s->FInitialDelay;
  FRepeatDelay = s->FRepeatDelay;
}

void TDragScrollMargins::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TDragScrollMargins*>(Source);
  if (s == nullptr) return;
  FTopMargin = s->FTopMargin;
  FBottomMargin = s->FBottomMargin;
  FLeftMargin = s->FLeftMargin;
  FRightMargin = s->FRightMargin;
}

TDragScrollOptions::TDragScrollOptions()
    : FDelays(std::make_unique<TDragScrollDelays>()), FMargins(std::make_unique<TDragScrollMargins>()) {}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TDragScrollOptions*>(Source);
  if (s == nullptr) return;
  FMargins->Assign(s->FMargins.get());
  FDelays->Assign(s->FDelays.get());
  FActive = s->FActive;
}

TCellNode::TCellNode(TDedAdararAdoz* AOwner)
    : FOwner(AOwner),
      FExpandGlyph(std::make_unique<TBitmap>()),
      FContractGlyph(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::Repaint() {
  if (FOwner != nullptr) FOwner->InvalidateGrid();
}

void TCellNode::SetNodeType(TNodeType Value) {
  if (Value == FNodeType) return;
  FNodeType = Value;
  Repaint();
}

void TCellNode::SetShowTree(bool Value) {
  if (Value == FShowTree) return;
  FShowTree = Value;
  Repaint();
}

void TCellNode::SetShowTreeFull(bool Value) {
  if (Value == FShowTreeFull) return;
  FShowTreeFull = Value;
  Repaint();
}

void TCellNode::SetNodeIndent(int Value) {
  if (Value == FNodeIndent) return;
  FNodeIndent = Value;
  Repaint();
}

void TCellNode::SetTreeColor(TColor Value) {
  if (Value == FTreeColor) return;
  FTreeColor = Value;
  Repaint();
}

void TCellNode::SetExpandGlyph(TBitmap* Value) { FExpandGlyph->Assign(Value); }
void TCellNode::SetContractGlyph(TBitmap* Value) { FContractGlyph->Assign(Value); }

void TCellNode::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TCellNode*>(Source);
  if (s == nullptr) return;
  FColor = s->FColor;
  FNodeType = s->FNodeType;
  FNodeColor = s->FNodeColor;
  FExpandGlyph->Assign(s->FExpandGlyph.get());
  FExpandOne = s->FExpandOne;
  FContractGlyph->Assign(s->FContractGlyph.get());
  FShowTree = s->FShowTree;
  FShowTreeFull = s->FShowTreeFull;
  FNodeIndent = s->FNodeIndent;
  FTreeColor = s->FTreeColor;
}

TBackGround::TBackGround(TDedAdararAdoz* AOwner) : FOwner(AOwner), FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::Repaint() {
  if (FOwner != nullptr) FOwner->InvalidateGrid();
}

void TBackGround::SetTop(int Value) {
  FTop = Value;
  Repaint();
}
void TBackGround::SetLeft(int Value) {
  FLeft = Value;
  Repaint();
}
void TBackGround::SetDisplay(TBackGroundDisplay Value) {
  FDisplay = Value;
  Repaint();
}
void TBackGround::SetBitmap(TBitmap* Value) {
  FBitmap->Assign(Value);
  Repaint();
}
void TBackGround::SetCells(TBackGroundCells Value) {
  FCells = Value;
  Repaint();
}
void TBackGround::SetColor(TColor Value) {
  FColor = Value;
  Repaint();
}
void TBackGround::SetColorTo(TColor Value) {
  FColorTo = Value;
  Repaint();
}

void TBackGround::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TBackGround*>(Source);
  if (s == nullptr) return;
  FTop = s->FTop;
  FLeft = s->FLeft;
  FDisplay = s->FDisplay;
  FBitmap->Assign(s->FBitmap.get());
  FCells = s->FCells;
  FColor = s->FColor;
  FColorTo = s->FColorTo;
}
