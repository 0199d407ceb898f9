// Pictures for cell markup: THTMLPicture with its GIF frames, the picture
// cache and the picture container.
#include "grid/base/PictureContainer.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/Published.h"
#include "framework/classes/Streams.h"
#include "framework/graphics/GifFrames.h"
#include "framework/os/Resources.h"
#include "framework/rtl/StrUtils.h"

namespace {

// Raw-data resources by file name without extension (lower case): the
// files below rcdata/ first, then the pictures.
const std::string_view* FindRawResource(const std::string& Name) {
  static const std::map<std::string, std::string> byName = [] {
    std::map<std::string, std::string> m;
    for (const char* folder : {"rcdata/", "pictures/"}) {
      for (const std::string& n : EmbeddedResourceNames()) {
        if (n.rfind(folder, 0) != 0) continue;
        std::string base = n.substr(n.find_last_of('/') + 1);
        const std::size_t dot = base.rfind('.');
        if (dot != std::string::npos && dot > 0) base.erase(dot);
        m.emplace(LowerCase(base), n);
      }
    }
    return m;
  }();
  if (Name.empty()) return nullptr;
  auto it = byName.find(LowerCase(Name));
  return it == byName.end() ? nullptr : FindEmbeddedResource(it->second);
}

bool ReadWholeFile(const std::string& FileName, std::string& Out) {
  std::ifstream f(FileName, std::ios::binary);
  if (!f) return false;
  Out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return !f.bad();
}

// The part R of Src (clipped to it).
TPixelData CropPixels(const TPixelData& Src, TRect R) {
  R.Left = std::clamp(R.Left, 0, Src.Width);
  R.Right = std::clamp(R.Right, R.Left, Src.Width);
  R.Top = std::clamp(R.Top, 0, Src.Height);
  R.Bottom = std::clamp(R.Bottom, R.Top, Src.Height);
  TPixelData out;
  out.Resize(R.Right - R.Left, R.Bottom - R.Top, Src.BytesPerPixel);
  out.HasAlpha = Src.HasAlpha;
  const std::size_t rowBytes =
      static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(Src.BytesPerPixel);
  for (int y = 0; y < out.Height; ++y)
    std::memcpy(out.Row(y), Src.Row(R.Top + y) + static_cast<std::size_t>(R.Left) * Src.BytesPerPixel,
                rowBytes);
  return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// THTMLPicture

THTMLPicture::THTMLPicture() : FDatastream(std::make_unique<TMemoryStream>()) {}

THTMLPicture::~THTMLPicture() = default;

const uint8_t* THTMLPicture::Bytes() const { return reinterpret_cast<const uint8_t*>(FDatastream->Memory()); }

size_t THTMLPicture::ByteCount() const { return FDatastream->Bytes().size(); }

void THTMLPicture::Reset() {
  FIsEmpty = true;
  gpPicture.reset();
  FFrameCount = -1;
  FNextCount = -1;
  FTimerCount = -1;
  FFrame = 1;
}

void THTMLPicture::TakeBytes(const uint8_t* Data, size_t Size) {
  FDatastream->Clear();
  if (Size > 0) FDatastream->WriteBuffer(Data, static_cast<std::int64_t>(Size));
  FFrameCount = -1;
}

void THTMLPicture::Decode() {
  gpPicture.reset();
  FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = 0;
  FAnimMaxX = FAnimMaxY = 0;
  const uint8_t* data = Bytes();
  std::size_t size = ByteCount();
  if (size == 0) {
    FIsEmpty = true;
    throw EInvalidGraphic("Empty image stream created");
  }
  TGifFrames gif(data, size);
  std::vector<uint8_t> fromFrame;
  bool framed = gif.IsGIF() && gif.Count() > 0;
  TRect frameRect;
  if (framed) {
    FAnimMaxX = gif.ScreenWidth();
    FAnimMaxY = gif.ScreenHeight();
    const int index = FFrame >= 1 && FFrame <= gif.Count() ? FFrame - 1 : 0;
    const TGifFrame& f = gif.Frame(index);
    FFrameXPos = f.Left;
    FFrameYPos = f.Top;
    FFrameXSize = f.Width;
    FFrameYSize = f.Height;
    frameRect = Bounds(f.Left, f.Top, f.Width, f.Height);
    if (index > 0) {
      fromFrame = gif.FromFrame(data, size, index);
      data = fromFrame.data();
      size = fromFrame.size();
    }
  }
  auto bitmap = std::make_unique<TBitmap>();
  try {
    TPicture picture;
    picture.LoadFromBytes(data, size);
    bitmap->Assign(picture.Graphic());
  } catch (const Exception&) {
    FIsEmpty = true;
    throw EInvalidGraphic("Could not load image. Invalid format");
  }
  if (framed) {
    // The reader shows the frame on the whole logical screen; the picture is
    // the frame's own rectangle, placed by its offset when drawn.
    TPixelData px = CropPixels(bitmap->PixelData(), frameRect);
    bitmap->SetPixelData(std::move(px));
  }
  gpPicture = std::move(bitmap);
}

int THTMLPicture::Width() const {
  if (!gpPicture) return 0;
  return gpPicture->Width() * 96 / std::max(1, FLogPixX);
}

int THTMLPicture::Height() const {
  if (!gpPicture) return 0;
  return gpPicture->Height() * 96 / std::max(1, FLogPixY);
}

int THTMLPicture::MaxWidth() const { return FAnimMaxX != 0 ? FAnimMaxX : Width(); }

int THTMLPicture::MaxHeight() const { return FAnimMaxY != 0 ? FAnimMaxY : Height(); }

void THTMLPicture::LoadFromBytes(const uint8_t* Data, size_t Size) {
  TakeBytes(Data, Size);
  FIsEmpty = false;
  Decode();
  Changed();
}

std::vector<uint8_t> THTMLPicture::SaveToBytes() {
  return std::vector<uint8_t>(Bytes(), Bytes() + ByteCount());
}

void THTMLPicture::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  const std::int64_t left = std::max<std::int64_t>(0, Stream->Size() - Stream->Position());
  std::string bytes = Stream->ReadString(left);
  LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void THTMLPicture::SaveToStream(TStream* Stream) {
  if (Stream && ByteCount() > 0) Stream->WriteBuffer(Bytes(), static_cast<std::int64_t>(ByteCount()));
}

void THTMLPicture::LoadFromFile(const std::string& FileName) {
  std::string bytes;
  if (!ReadWholeFile(FileName, bytes)) {
    FIsEmpty = true;
    return;
  }
  try {
    LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  } catch (const Exception&) {
    FIsEmpty = true;
  }
}

void THTMLPicture::LoadFromResourceName(const std::string& ResName) {
  const std::string_view* res = FindRawResource(ResName);
  if (!res) return;
  LoadFromBytes(reinterpret_cast<const uint8_t*>(res->data()), res->size());
}

void THTMLPicture::LoadFromResourceID(int ResID) {
  const std::string name = std::to_string(ResID);
  const std::string_view* res = FindRawResource(name);
  if (!res) throw EResNotFound("Resource " + name + " not found");
  LoadFromBytes(reinterpret_cast<const uint8_t*>(res->data()), res->size());
}

void THTMLPicture::LoadFromURL(const std::string& url) {
  const std::string upper = UpperCase(url);
  if (upper.rfind("RES://", 0) == 0) {
    FID = url;
    const std::string name = url.substr(6);
    if (!name.empty()) LoadFromResourceName(name);
    return;
  }
  if (upper.rfind("FILE://", 0) == 0) {
    FID = url;
    LoadFromFile(url.substr(7));
    return;
  }
  // Nothing loads other sources: the picture stays empty and is never
  // reported as loading.
  FURL = url;
  FID = url;
  FThreadBusy = false;
}

std::string THTMLPicture::Data() const { return FDatastream->Bytes(); }

void THTMLPicture::SetData(const std::string& Bytes) {
  Reset();
  TakeBytes(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size());
  if (Bytes.empty()) return;
  FIsEmpty = false;
  try {
    Decode();
  } catch (const Exception&) {
    FIsEmpty = true;
  }
}

void THTMLPicture::Assign(TPersistent* Source) {
  Reset();
  if (Source == nullptr) {
    FDatastream->Clear();
    return;
  }
  if (auto* p = dynamic_cast<THTMLPicture*>(Source)) {
    if (p == this) return;
    const std::string bytes = p->Data();
    TakeBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (!bytes.empty()) {
      FIsEmpty = false;
      Decode();
    }
    Changed();
  }
  // Other sources leave it empty.
}

void THTMLPicture::Draw(TCanvas* ACanvas, const TRect& R) {
  if (FIsEmpty || !gpPicture || gpPicture->Empty()) return;
  if (FStretched) {
    ACanvas->StretchDraw(R, gpPicture.get());
    return;
  }
  const int ppi = ACanvas->PixelsPerInch();
  ACanvas->StretchDraw(Bounds(R.Left, R.Top, Width() * ppi / 96, Height() * ppi / 96), gpPicture.get());
}

bool THTMLPicture::IsGIF() const { return TGifFrames::IsGIF(Bytes(), ByteCount()); }

int THTMLPicture::FrameCount() const {
  if (!IsGIF()) return -1;
  if (FFrameCount < 0) FFrameCount = TGifFrames(Bytes(), ByteCount()).Count();
  return FFrameCount;
}

int THTMLPicture::GetFrameTime(int i) {
  if (!IsGIF()) return -1;
  TGifFrames gif(Bytes(), ByteCount());
  if (i < 1 || i > gif.Count()) return -1;
  const TGifFrame& f = gif.Frame(i - 1);
  FFrameTransp = f.Transparent;
  FFrameDisposal = f.Disposal;
  return f.Delay;
}

void THTMLPicture::SetFrame(int Value) {
  FFrame = Value;
  if (ByteCount() == 0) return;
  FIsEmpty = false;
  Decode();
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
  const int count = FrameCount();
  FFrame = FFrame >= count ? 1 : FFrame + 1;
}

void THTMLPicture::FramePrev() {
  const int count = FrameCount();
  FFrame = FFrame <= 1 ? std::max(1, count) : FFrame - 1;
}

bool THTMLPicture::Step() {
  bool changed = false;
  if (FFrameCount >= 2 && !FIsEmpty) {
    if (FNextCount == -1) GetFrameTime(FFrame);
    if (static_cast<std::int64_t>(FTimerCount) * 10 >= FNextCount) {
      const int before = FFrame;
      FrameNext();
      try {
        Decode();
        FIsEmpty = false;
        const int delay = GetFrameTime(FFrame);
        FNextCount += std::max(0, delay);
        changed = true;
      } catch (const Exception&) {
        // A frame that does not decode: back to the one shown before.
        FFrame = before;
        FIsEmpty = false;
        try {
          Decode();
        } catch (const Exception&) {
        }
      }
    }
  }
  ++FTimerCount;
  return changed;
}

// ---------------------------------------------------------------------------
// THTMLPictureCache

THTMLPictureCache::~THTMLPictureCache() = default;

THTMLPicture* THTMLPictureCache::AddPicture() {
  items_.push_back(std::make_unique<THTMLPicture>());
  return items_.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const {
  for (const auto& p : items_)
    if (p->ID() == ID) return p.get();
  return nullptr;
}

void THTMLPictureCache::ClearPictures() { items_.clear(); }

THTMLPicture* THTMLPictureCache::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return items_[static_cast<std::size_t>(Index)].get();
}

void THTMLPictureCache::SetItems(int Index, THTMLPicture* Value) {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (items_[static_cast<std::size_t>(Index)].get() == Value) return;
  items_[static_cast<std::size_t>(Index)].reset(Value);
}

bool THTMLPictureCache::Animate() {
  bool changed = false;
  for (const auto& p : items_) changed |= p->Step();
  return changed;
}

// ---------------------------------------------------------------------------
// TPictureItem, TPictureCollection, TPictureContainer

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<THTMLPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TPictureItem*>(Source)) {
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(item->FPicture.get());
    return;
  }
  TCollectionItem::Assign(Source);
}

void TPictureItem::SetPicture(THTMLPicture* Value) { FPicture->Assign(Value); }

TPictureCollection::TPictureCollection(TComponent* AOwner)
    : TOwnedCollection(AOwner, TCollection::ItemClass<TPictureItem>()) {}

TPictureItem* TPictureCollection::Add() { return static_cast<TPictureItem*>(TCollection::Add()); }

TPictureItem* TPictureCollection::Insert(int Index) {
  return static_cast<TPictureItem*>(TCollection::Insert(Index));
}

TPictureItem* TPictureCollection::Items(int Index) const {
  return static_cast<TPictureItem*>(TCollection::Items(Index));
}

bool TPictureCollection::Animate() {
  bool changed = false;
  for (int i = 0; i < Count(); ++i) changed |= Items(i)->Picture()->Step();
  return changed;
}

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::SetItems(TPictureCollection* Value) {
  if (Value != FItems.get()) FItems->Assign(Value);
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& Name) const {
  for (int i = 0; i < FItems->Count(); ++i) {
    TPictureItem* item = FItems->Items(i);
    if (SameText(item->Name(), Name)) return item->Picture();
  }
  return nullptr;
}

// ---------------------------------------------------------------------------
// Stored layouts: the container's items with their names, tags and bytes.

CF_PUBLISH(THTMLPicture, TGraphic) {
  P.Bool("Stretch", &THTMLPicture::Stretch, &THTMLPicture::SetStretch).Default(false);
  P.Define(
      "Data", [](THTMLPicture* p) { return !p->Data().empty(); },
      [](THTMLPicture* p) { return TLayoutValue::Binary(p->Data()); },
      [](THTMLPicture* p, const TLayoutValue& v) {
        if (v.Kind != TLayoutValueKind::Binary)
          throw EReadError("Invalid property value (binary data expected)");
        p->SetData(v.Str);
      });
}

CF_PUBLISH(TPictureItem, TCollectionItem) {
  P.Object("Picture", &TPictureItem::Picture);
  P.Integer("Tag", &TPictureItem::Tag, &TPictureItem::SetTag).Default(0);
  P.String("Name", &TPictureItem::Name, &TPictureItem::SetName);
}

CF_PUBLISH(TPictureContainer, TComponent) { P.Collection("Items", &TPictureContainer::Items); }
