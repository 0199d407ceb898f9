#include "framework/graphics/Graphics_Published.h"

#include <utility>

#include "framework/backend/Painter.h"  // completes the canvas's painter type

namespace {

const std::pair<int, const char*> kCharsets[] = {
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

std::string Bytes(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

template <class G>
void LoadGraphicData(G* g, const TLayoutValue& v) {
  if (v.Kind != TLayoutValueKind::Binary) throw EReadError("Invalid property value (binary data expected)");
  g->LoadFromBytes(reinterpret_cast<const uint8_t*>(v.Str.data()), v.Str.size());
}

}  // namespace

void RegisterGraphicsPublished() {
  TIntegerIdents colors;
  colors.ToIdent = [](int64_t v, std::string& id) { return ColorToIdent(static_cast<TColor>(v), id); };
  colors.FromIdent = [](const std::string& id, int64_t& v) {
    TColor c;
    if (!IdentToColor(id, c)) return false;
    v = c;
    return true;
  };
  RegisterIntegerIdents("TColor", colors);

  TIntegerIdents charsets;
  charsets.ToIdent = [](int64_t v, std::string& id) {
    for (const auto& [n, name] : kCharsets)
      if (n == v) return id = name, true;
    return false;
  };
  charsets.FromIdent = [](const std::string& id, int64_t& v) {
    for (const auto& [n, name] : kCharsets)
      if (id == name) return v = n, true;
    return false;
  };
  RegisterIntegerIdents("TFontCharset", charsets);

  PublishClass<TGraphicsObject>("TPersistent", [](TPublish<TGraphicsObject>&) {});
  PublishClass<TPen>("TGraphicsObject", [](TPublish<TPen>& P) {
    P.Color("Color", &TPen::Color, &TPen::SetColor).Default(clBlack);
    P.Enum("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    P.Enum("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    P.Integer("Width", &TPen::Width, &TPen::SetWidth).Default(1);
  });
  PublishClass<TBrush>("TGraphicsObject", [](TPublish<TBrush>& P) {
    P.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite);
    P.Enum("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
  });
  // Layouts keep the point size; the pixel height follows from it.
  PublishClass<TFont>("TGraphicsObject", [](TPublish<TFont>& P) {
    P.Integer("Charset", &TFont::Charset, &TFont::SetCharset).Idents("TFontCharset").Default(DEFAULT_CHARSET);
    P.Color("Color", &TFont::Color, &TFont::SetColor).Default(clWindowText);
    P.Integer("Height", &TFont::Height, &TFont::SetHeight).Stored(false);
    P.String("Name", &TFont::Name, &TFont::SetName).Default("Tahoma");
    P.Integer("Orientation", &TFont::Orientation, &TFont::SetOrientation).Default(0);
    P.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    P.Integer("Size", &TFont::Size, &TFont::SetSize).Default(8);
    P.Set("Style", &TFont::Style, &TFont::SetStyle).Default(TFontStyles{});
  });

  // Graphics keep their file bytes under "Data".
  PublishClass<TGraphic>("TPersistent", [](TPublish<TGraphic>&) {});
  PublishClass<TBitmap>("TGraphic", [](TPublish<TBitmap>& P) {
    P.Define(
        "Data", [](TBitmap* b) { return !b->Empty(); },
        [](TBitmap* b) { return TLayoutValue::Binary(Bytes(b->SaveToBytes())); },
        [](TBitmap* b, const TLayoutValue& v) {
          if (v.Kind == TLayoutValueKind::Binary && v.Str.empty())
            b->SetSize(0, 0);
          else
            LoadGraphicData(b, v);
        });
  });
  PublishClass<TIcon>("TGraphic", [](TPublish<TIcon>& P) {
    P.Define(
        "Data", [](TIcon* i) { return !i->Empty(); },
        [](TIcon* i) { return TLayoutValue::Binary(Bytes(i->SaveToBytes())); },
        [](TIcon* i, const TLayoutValue& v) { LoadGraphicData(i, v); });
  });
  // A picture's data names the graphic's class first (1-byte length), then
  // holds the graphic's bytes; the reader knows the kind by those bytes.
  PublishClass<TPicture>("TPersistent", [](TPublish<TPicture>& P) {
    P.Define(
        "Data", [](TPicture* p) { return p->Graphic() != nullptr && !p->Graphic()->Empty(); },
        [](TPicture* p) {
          std::string cls = p->Graphic()->ClassName();
          std::string data(1, static_cast<char>(cls.size()));
          data += cls;
          data += Bytes(p->Graphic()->SaveToBytes());
          return TLayoutValue::Binary(std::move(data));
        },
        [](TPicture* p, const TLayoutValue& v) {
          if (v.Kind != TLayoutValueKind::Binary)
            throw EReadError("Invalid property value (binary data expected)");
          if (v.Str.empty()) {
            p->SetGraphic(nullptr);
            return;
          }
          size_t n = static_cast<unsigned char>(v.Str[0]);
          if (1 + n > v.Str.size()) throw EReadError("Invalid picture data");
          p->LoadFromBytes(reinterpret_cast<const uint8_t*>(v.Str.data()) + 1 + n, v.Str.size() - 1 - n);
        });
  });
}
