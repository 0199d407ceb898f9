#pragma once
// Device-context routines for drawing code written against a DC: the DC is
// the canvas (HDC = TCanvas*). Text layout (DrawText), 3-D edges, frame
// controls, clip regions, block transfers and the DC state calls.
#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/Region.h"
#include "framework/rtl/Math.h"

// ---------------------------------------------------------------------------
// DrawText
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_TABSTOP = 0x80;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_NOFULLWIDTHCHARBREAK = 0x80000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

struct TDrawTextParams {
  int iTabLength = 8;  // in average character widths
  int iLeftMargin = 0;
  int iRightMargin = 0;
  unsigned uiLengthDrawn = 0;  // characters handled (out)
};

// Draws Text in R by Flags and answers the height of the text. DT_CALCRECT
// draws nothing and sets R's right and bottom to the measured size (a
// word-broken text keeps R's width and grows the height). "&" marks the next
// character as a prefix (underlined) and "&&" draws "&", unless DT_NOPREFIX.
int DrawText(HDC DC, const std::string& Text, TRect& R, unsigned Flags);
// DT_MODIFYSTRING writes the shortened text (with its ellipsis) back.
int DrawTextEx(HDC DC, std::string& Text, TRect& R, unsigned Flags, TDrawTextParams* Params);

// ---------------------------------------------------------------------------
// 3-D edges
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned BDR_OUTER = 0x3;
constexpr unsigned BDR_INNER = 0xC;
constexpr unsigned BDR_RAISED = 0x5;
constexpr unsigned BDR_SUNKEN = 0xA;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr unsigned BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_DIAGONAL = 0x10;
constexpr unsigned BF_DIAGONAL_ENDTOPRIGHT = BF_DIAGONAL | BF_TOP | BF_RIGHT;
constexpr unsigned BF_DIAGONAL_ENDTOPLEFT = BF_DIAGONAL | BF_TOP | BF_LEFT;
constexpr unsigned BF_DIAGONAL_ENDBOTTOMLEFT = BF_DIAGONAL | BF_BOTTOM | BF_LEFT;
constexpr unsigned BF_DIAGONAL_ENDBOTTOMRIGHT = BF_DIAGONAL | BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Draws the edges of R in the system 3-D colours; BF_ADJUST shrinks R by the
// edges drawn, BF_MIDDLE fills the inside with clBtnFace.
bool DrawEdge(HDC DC, TRect& R, unsigned Edge, unsigned Flags);

// ---------------------------------------------------------------------------
// Frame controls
constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFC_POPUPMENU = 5;

constexpr unsigned DFCS_CAPTIONCLOSE = 0x0;
constexpr unsigned DFCS_CAPTIONMIN = 0x1;
constexpr unsigned DFCS_CAPTIONMAX = 0x2;
constexpr unsigned DFCS_CAPTIONRESTORE = 0x3;
constexpr unsigned DFCS_CAPTIONHELP = 0x4;
constexpr unsigned DFCS_MENUARROW = 0x0;
constexpr unsigned DFCS_MENUCHECK = 0x1;
constexpr unsigned DFCS_MENUBULLET = 0x2;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_SCROLLSIZEGRIP = 0x8;
constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIOIMAGE = 0x1;
constexpr unsigned DFCS_BUTTONRADIOMASK = 0x2;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_TRANSPARENT = 0x800;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

// Draws a classic frame control into R; DFCS_ADJUSTRECT shrinks R (push
// buttons) by their edge.
bool DrawFrameControl(HDC DC, TRect& R, unsigned Type, unsigned State);
bool DrawFocusRect(HDC DC, const TRect& R);

// ---------------------------------------------------------------------------
// Gradients: from C1 at the left (or top) to C2 at the right (or bottom).
constexpr unsigned GRADIENT_FILL_RECT_H = 0;
constexpr unsigned GRADIENT_FILL_RECT_V = 1;
bool GradientFill(HDC DC, const TRect& R, TColor C1, TColor C2, unsigned Mode);

// ---------------------------------------------------------------------------
// DC state
int SetBkMode(HDC DC, int Mode);
int GetBkMode(HDC DC);
TColor SetBkColor(HDC DC, TColor Color);
TColor GetBkColor(HDC DC);
TColor SetTextColor(HDC DC, TColor Color);
TColor GetTextColor(HDC DC);
int SaveDC(HDC DC);
bool RestoreDC(HDC DC, int SavedDC);
bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool GetWindowOrgEx(HDC DC, TPoint* Org);
bool OffsetWindowOrgEx(HDC DC, int DX, int DY, TPoint* Old);
bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool GetViewportOrgEx(HDC DC, TPoint* Org);
bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Old);
// MM_TEXT, MM_LOMETRIC, ...; answers the mode before (0 for an unknown one).
int SetMapMode(HDC DC, int Mode);
int GetMapMode(HDC DC);
// Device points to logical ones and back, in place.
bool DPtoLP(HDC DC, TPoint* Points, int Count);
bool LPtoDP(HDC DC, TPoint* Points, int Count);
bool GetTextExtentPoint32(HDC DC, const std::string& Text, TSize& Size);
bool GetTextMetrics(HDC DC, TTextMetric& TM);

constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
int GetDeviceCaps(HDC DC, int Index);

// ---------------------------------------------------------------------------
// Text output
constexpr unsigned ETO_OPAQUE = 0x2;
constexpr unsigned ETO_CLIPPED = 0x4;
bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* R, const std::string& Text);
bool TextOut(HDC DC, int X, int Y, const std::string& Text);

// ---------------------------------------------------------------------------
// Lines, shapes and pixels on a DC (through the canvas's pen and brush)
bool MoveToEx(HDC DC, int X, int Y, TPoint* Old);
bool LineTo(HDC DC, int X, int Y);
bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom);
bool Polygon(HDC DC, const TPoint* Points, int Count);
bool Polyline(HDC DC, const TPoint* Points, int Count);
TColor SetPixel(HDC DC, int X, int Y, TColor Color);
TColor GetPixel(HDC DC, int X, int Y);

// Brushes as handles: a colour (a system colour resolves at fill time).
struct HBRUSH {
  TColor Color = clNone;
};
HBRUSH CreateSolidBrush(TColor Color);
HBRUSH GetSysColorBrush(int Index);
bool DeleteObject(HBRUSH Brush);
int FillRect(HDC DC, const TRect& R, HBRUSH Brush);
int FrameRect(HDC DC, const TRect& R, HBRUSH Brush);
// Inverts the pixels of R.
bool InvertRect(HDC DC, const TRect& R);

// ---------------------------------------------------------------------------
// Block transfers with a raster operation (cmSrcCopy and the others);
// PatBlt uses the DC's brush as the pattern.
bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, TCopyMode Rop);
bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                int HeightSrc, TCopyMode Rop);
bool PatBlt(HDC DC, int X, int Y, int Width, int Height, TCopyMode Rop);
// Copies Src leaving out the pixels of the key colour.
bool TransparentBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                    int HeightSrc, TColor KeyColor);

// ---------------------------------------------------------------------------
// Regions: made by the Create calls, freed by DeleteObject.
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRectRgnIndirect(const TRect& R);
HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int CX, int CY);
HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateEllipticRgnIndirect(const TRect& R);
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode);
bool DeleteObject(HRGN Region);
// Dest = Src1 op Src2 (Src2 unused for RGN_COPY); answers Dest's kind.
int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode);
int OffsetRgn(HRGN Region, int DX, int DY);
int GetRgnBox(HRGN Region, TRect* R);
bool PtInRegion(HRGN Region, int X, int Y);
bool RectInRegion(HRGN Region, const TRect& R);
bool EqualRgn(HRGN A, HRGN B);
bool FillRgn(HDC DC, HRGN Region, HBRUSH Brush);

// The DC keeps a copy; a null region removes the clip. Answers the clip's kind.
int SelectClipRgn(HDC DC, HRGN Region);
int ExtSelectClipRgn(HDC DC, HRGN Region, int Mode);
// 1 and the clip copied into Region, 0 when there is no clip, -1 on error.
int GetClipRgn(HDC DC, HRGN Region);
int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int GetClipBox(HDC DC, TRect* R);
