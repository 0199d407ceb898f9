// The stand-in of the visual-styles library: each of its 45 names answered
// by our themed drawing (framework/graphics/Themes.h). Where the service has
// no counterpart, the entry gives what a theme without that property gives:
// "property not supported", no theme for a window, or the classic value.
#include <map>

#include "framework/graphics/ImgList.h"
#include "grid/base/VevXPVS.h"

namespace {
using E = TUxThemeEntries;

HRESULT OwnBackgroundExtent(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect& Content,
                            TRect* Extent) {
  if (!Theme) return E_HANDLE;
  if (!Extent) return E_INVALIDARG;
  // The content insets of the part, applied outwards.
  TRect inner;
  HRESULT hr = GetThemeBackgroundContentRect(Theme, DC, PartId, StateId, Content, &inner);
  if (FAILED(hr)) return hr;
  *Extent =
      TRect(Content.Left - (inner.Left - Content.Left), Content.Top - (inner.Top - Content.Top),
            Content.Right + (Content.Right - inner.Right), Content.Bottom + (Content.Bottom - inner.Bottom));
  return S_OK;
}

HRESULT OwnTextExtent(HTHEME Theme, HDC DC, int, int, const std::string& Text, unsigned TextFlags,
                      const TRect* Bounding, TRect* Extent) {
  if (!Theme || !DC) return E_HANDLE;
  if (!Extent) return E_INVALIDARG;
  TRect r = Bounding ? *Bounding : TRect(0, 0, 0, 0);
  DrawText(DC, Text, r, TextFlags | DT_CALCRECT);
  *Extent = r;
  return S_OK;
}

HRESULT OwnTextMetrics(HTHEME Theme, HDC DC, int, int, TTextMetric* Metrics) {
  if (!Theme || !DC) return E_HANDLE;
  if (!Metrics) return E_INVALIDARG;
  return GetTextMetrics(DC, *Metrics) ? S_OK : E_FAIL;
}

HRESULT OwnBackgroundRegion(HTHEME Theme, HDC, int, int, const TRect& R, HRGN* Region) {
  if (!Theme) return E_HANDLE;
  if (!Region) return E_INVALIDARG;
  *Region = CreateRectRgnIndirect(R);
  return S_OK;
}

HRESULT OwnHitTest(HTHEME Theme, HDC, int, int, unsigned, const TRect& R, HRGN Region, TPoint Test,
                   WORD* HitTestCode) {
  if (!Theme) return E_HANDLE;
  if (!HitTestCode) return E_INVALIDARG;
  bool inside = Region ? PtInRegion(Region, Test.X, Test.Y) : PtInRect(R, Test);
  *HitTestCode = inside ? HTCLIENT : HTNOWHERE;
  return S_OK;
}

HRESULT OwnDrawIcon(HTHEME Theme, HDC DC, int, int, const TRect& R, TImageList* Images, int ImageIndex) {
  if (!Theme || !DC) return E_HANDLE;
  if (!Images) return E_INVALIDARG;
  Images->Draw(DC, R.Left, R.Top, ImageIndex);
  return S_OK;
}

// Property queries: the stand-in theme keeps no such properties.
template <class... A>
HRESULT NoProperty(HTHEME Theme, A...) {
  return Theme ? E_PROP_ID_UNSUPPORTED : E_HANDLE;
}

HRESULT OwnSetWindowTheme(uintptr_t, const std::string&, const std::string&) { return S_OK; }
HBRUSH OwnSysColorBrush(HTHEME, int ColorId) { return GetSysColorBrush(ColorId); }
bool OwnSysBool(HTHEME, int) { return false; }
int OwnSysSize(HTHEME, int) { return 0; }
HTHEME OwnWindowTheme(uintptr_t) { return nullptr; }
HRESULT OwnDialogTexture(uintptr_t, unsigned) { return S_OK; }
bool OwnDialogTextureEnabled(uintptr_t) { return false; }
unsigned OwnAppProperties() { return IsThemeActive() ? STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS : 0; }
void OwnSetAppProperties(unsigned) {}
HRESULT OwnDocumentationProperty(const std::string&, const std::string&, std::string*) {
  return E_PROP_ID_UNSUPPORTED;
}
HRESULT OwnEnableTheming(bool Enable) {
  SetThemeActive(Enable);
  return S_OK;
}

// Each entry cast through its slot's type, so a signature that drifts from
// the table fails to compile.
template <class F>
TThemeProc Proc(F Fn) {
  return reinterpret_cast<TThemeProc>(Fn);
}

const std::map<std::string, TThemeProc>& Procs() {
  static const std::map<std::string, TThemeProc> procs = {
      {"OpenThemeData", Proc<decltype(E::OpenThemeData)>(&OpenThemeData)},
      {"CloseThemeData", Proc<decltype(E::CloseThemeData)>(&CloseThemeData)},
      {"DrawThemeBackground", Proc<decltype(E::DrawThemeBackground)>(&DrawThemeBackground)},
      {"DrawThemeText", Proc<decltype(E::DrawThemeText)>(&DrawThemeText)},
      {"GetThemeBackgroundContentRect",
       Proc<decltype(E::GetThemeBackgroundContentRect)>(&GetThemeBackgroundContentRect)},
      {"GetThemeBackgroundExtent", Proc<decltype(E::GetThemeBackgroundExtent)>(&OwnBackgroundExtent)},
      {"GetThemeTextExtent", Proc<decltype(E::GetThemeTextExtent)>(&OwnTextExtent)},
      {"GetThemeTextMetrics", Proc<decltype(E::GetThemeTextMetrics)>(&OwnTextMetrics)},
      {"GetThemeBackgroundRegion", Proc<decltype(E::GetThemeBackgroundRegion)>(&OwnBackgroundRegion)},
      {"HitTestThemeBackground", Proc<decltype(E::HitTestThemeBackground)>(&OwnHitTest)},
      {"DrawThemeEdge", Proc<decltype(E::DrawThemeEdge)>(&DrawThemeEdge)},
      {"DrawThemeIcon", Proc<decltype(E::DrawThemeIcon)>(&OwnDrawIcon)},
      {"IsThemePartDefined", Proc<decltype(E::IsThemePartDefined)>(&IsThemePartDefined)},
      {"IsThemeBackgroundPartiallyTransparent",
       Proc<decltype(E::IsThemeBackgroundPartiallyTransparent)>(&IsThemeBackgroundPartiallyTransparent)},
      {"GetThemeColor", Proc<decltype(E::GetThemeColor)>(&GetThemeColor)},
      {"GetThemeMetric", Proc<decltype(E::GetThemeMetric)>(&NoProperty<HDC, int, int, int, int*>)},
      {"GetThemeString", Proc<decltype(E::GetThemeString)>(&NoProperty<int, int, int, std::string*>)},
      {"GetThemeBool", Proc<decltype(E::GetThemeBool)>(&NoProperty<int, int, int, bool*>)},
      {"GetThemeInt", Proc<decltype(E::GetThemeInt)>(&NoProperty<int, int, int, int*>)},
      {"GetThemeEnumValue", Proc<decltype(E::GetThemeEnumValue)>(&NoProperty<int, int, int, int*>)},
      {"GetThemePosition", Proc<decltype(E::GetThemePosition)>(&NoProperty<int, int, int, TPoint*>)},
      {"GetThemeFont", Proc<decltype(E::GetThemeFont)>(&NoProperty<HDC, int, int, int, TFont*>)},
      {"GetThemeRect", Proc<decltype(E::GetThemeRect)>(&NoProperty<int, int, int, TRect*>)},
      {"GetThemeMargins",
       Proc<decltype(E::GetThemeMargins)>(&NoProperty<HDC, int, int, int, const TRect*, MARGINS*>)},
      {"GetThemeIntList", Proc<decltype(E::GetThemeIntList)>(&NoProperty<int, int, int, INTLIST*>)},
      {"SetWindowTheme", Proc<decltype(E::SetWindowTheme)>(&OwnSetWindowTheme)},
      {"GetThemeFilename", Proc<decltype(E::GetThemeFilename)>(&NoProperty<int, int, int, std::string*>)},
      {"GetThemeSysColor", Proc<decltype(E::GetThemeSysColor)>(&GetThemeSysColor)},
      {"GetThemeSysColorBrush", Proc<decltype(E::GetThemeSysColorBrush)>(&OwnSysColorBrush)},
      {"GetThemeSysBool", Proc<decltype(E::GetThemeSysBool)>(&OwnSysBool)},
      {"GetThemeSysSize", Proc<decltype(E::GetThemeSysSize)>(&OwnSysSize)},
      {"GetThemeSysFont", Proc<decltype(E::GetThemeSysFont)>(&NoProperty<int, TFont*>)},
      {"GetThemeSysString", Proc<decltype(E::GetThemeSysString)>(&NoProperty<int, std::string*>)},
      {"GetThemeSysInt", Proc<decltype(E::GetThemeSysInt)>(&NoProperty<int, int*>)},
      {"IsThemeActive", Proc<decltype(E::IsThemeActive)>(&IsThemeActive)},
      {"IsAppThemed", Proc<decltype(E::IsAppThemed)>(&IsAppThemed)},
      {"GetWindowTheme", Proc<decltype(E::GetWindowTheme)>(&OwnWindowTheme)},
      {"EnableThemeDialogTexture", Proc<decltype(E::EnableThemeDialogTexture)>(&OwnDialogTexture)},
      {"IsThemeDialogTextureEnabled",
       Proc<decltype(E::IsThemeDialogTextureEnabled)>(&OwnDialogTextureEnabled)},
      {"GetThemeAppProperties", Proc<decltype(E::GetThemeAppProperties)>(&OwnAppProperties)},
      {"SetThemeAppProperties", Proc<decltype(E::SetThemeAppProperties)>(&OwnSetAppProperties)},
      {"GetCurrentThemeName", Proc<decltype(E::GetCurrentThemeName)>(&GetCurrentThemeName)},
      {"GetThemeDocumentationProperty",
       Proc<decltype(E::GetThemeDocumentationProperty)>(&OwnDocumentationProperty)},
      {"DrawThemeParentBackground", Proc<decltype(E::DrawThemeParentBackground)>(&DrawThemeParentBackground)},
      {"EnableTheming", Proc<decltype(E::EnableTheming)>(&OwnEnableTheming)},
  };
  return procs;
}
}  // namespace

TThemeProc OwnThemeLibraryProc(const std::string& Name) {
  auto it = Procs().find(Name);
  return it == Procs().end() ? nullptr : it->second;
}
