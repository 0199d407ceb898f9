// TPicture: one graphic of a registered kind, chosen by extension or content.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <typeinfo>

#include "framework/classes/Streams.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Jpeg.h"

namespace {
struct Format {
  std::string description;
  TGraphicClass factory;
};

std::map<std::string, Format>& Formats() {
  static std::map<std::string, Format> formats = [] {
    std::map<std::string, Format> f;
    auto bmp = [] { return std::unique_ptr<TGraphic>(new TBitmap); };
    auto jpg = [] { return std::unique_ptr<TGraphic>(new TJPEGImage); };
    f["bmp"] = {"Bitmaps", bmp};
    f["jpg"] = {"JPEG Image File", jpg};
    f["jpeg"] = {"JPEG Image File", jpg};
    f["jpe"] = {"JPEG Image File", jpg};
    f["jfif"] = {"JPEG Image File", jpg};
    f["ico"] = {"Icons", [] { return std::unique_ptr<TGraphic>(new TIcon); }};
    f["png"] = {"Portable Network Graphics", [] { return std::unique_ptr<TGraphic>(new TPngImage); }};
    f["gif"] = {"GIF Image", [] { return std::unique_ptr<TGraphic>(new TGIFImage); }};
    return f;
  }();
  return formats;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string ExtensionOf(const std::string& FileName) {
  size_t slash = FileName.find_last_of("/\\");
  size_t dot = FileName.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
  return FileName.substr(dot + 1);
}

std::unique_ptr<TGraphic> ForFormat(const std::string& kind) {
  static const std::map<std::string, std::string> ext = {
      {"BMP", "bmp"}, {"JPEG", "jpg"}, {"PNG", "png"}, {"GIF", "gif"}, {"ICO", "ico"}};
  auto it = ext.find(kind);
  if (it == ext.end()) return nullptr;
  return Formats()[it->second].factory();
}
}  // namespace

std::string SniffPictureFormat(const uint8_t* d, size_t n) {
  if (n >= 2 && d[0] == 'B' && d[1] == 'M') return "BMP";
  if (n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF) return "JPEG";
  if (n >= 8 && std::memcmp(d, "\x89PNG\r\n\x1a\n", 8) == 0) return "PNG";
  if (n >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0)) return "GIF";
  if (n >= 6 && d[0] == 0 && d[1] == 0 && d[2] == 1 && d[3] == 0 && (d[4] | d[5]) != 0) return "ICO";
  return std::string();
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                  TGraphicClass Factory) {
  Formats()[Lower(Extension)] = {Description, std::move(Factory)};
}

void TPicture::Changed(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::Take(std::unique_ptr<TGraphic> G) {
  graphic_ = std::move(G);
  if (graphic_) graphic_->OnChange = [this](TObject* s) { Changed(s); };
  Changed(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == graphic_.get()) return;
  if (!Value) {
    Take(nullptr);
    return;
  }
  // A new graphic of the same kind: its own factory, else a registered one.
  std::unique_ptr<TGraphic> copy = Value->NewGraphic();
  if (!copy)
    for (auto& [ext, f] : Formats()) {
      auto g = f.factory();
      if (g && typeid(*g) == typeid(*Value)) {
        copy = std::move(g);
        break;
      }
    }
  if (!copy) throw EInvalidGraphic("Cannot assign a " + Value->ClassName() + " to a TPicture");
  copy->Assign(Value);
  copy->SetTransparent(Value->Transparent());
  Take(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_.get())) Take(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(graphic_.get())) Take(std::make_unique<TIcon>());
  return static_cast<TIcon*>(graphic_.get());
}

void TPicture::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    SetGraphic(nullptr);
    return;
  }
  if (auto* p = dynamic_cast<TPicture*>(Source)) {
    if (p != this) SetGraphic(p->Graphic());
    return;
  }
  if (auto* g = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(g);
    return;
  }
  TPersistent::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (graphic_ && dynamic_cast<TGraphic*>(Dest)) {
    Dest->Assign(graphic_.get());
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TPicture::LoadFromBytes(const uint8_t* Data, size_t Size) {
  std::unique_ptr<TGraphic> g = ForFormat(SniffPictureFormat(Data, Size));
  if (!g) throw EInvalidGraphic("Unknown picture format");
  g->LoadFromBytes(Data, Size);
  Take(std::move(g));
}

void TPicture::LoadFromFile(const std::string& FileName) {
  std::string ext = Lower(ExtensionOf(FileName));
  std::unique_ptr<TGraphic> g;
  auto it = Formats().find(ext);
  if (it != Formats().end()) g = it->second.factory();
  if (!g) {
    // Unknown extension: the content decides.
    std::ifstream f(FileName, std::ios::binary);
    std::vector<uint8_t> head(16);
    if (f) {
      f.read(reinterpret_cast<char*>(head.data()), 16);
      head.resize(static_cast<size_t>(f.gcount()));
      g = ForFormat(SniffPictureFormat(head.data(), head.size()));
    }
    if (!g) throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
  }
  g->LoadFromFile(FileName);
  Take(std::move(g));
}

void TPicture::SaveToFile(const std::string& FileName) {
  if (graphic_) graphic_->SaveToFile(FileName);
}

void TPicture::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  int64_t left = Stream->Size() - Stream->Position();
  std::vector<uint8_t> bytes(static_cast<size_t>(std::max<int64_t>(0, left)));
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  LoadFromBytes(bytes.data(), bytes.size());
}

void TPicture::SaveToStream(TStream* Stream) {
  if (graphic_) graphic_->SaveToStream(Stream);
}
