// Drag and drop routing: registered targets and their child windows, moves
// between targets, drops only where the last report took the drag, the
// steps a source of ours sees, what other programs are offered, and a
// target that fails.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/DragDrop.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/WinApi.h"
#include "framework/rtl/StrUtils.h"
#include "support/DragDriver.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using Log = std::vector<std::string>;

// A target names one effect: move before copy.
DWORD Pick(DWORD Effects) {
  return (Effects & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : Effects & DROPEFFECT_COPY;
}

class TRecordingTarget : public IDropTarget {
 public:
  TRecordingTarget(Log& L, std::string Name) : log_(L), name_(std::move(Name)) {}
  DWORD Answer = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  bool ThrowOnDrop = false;
  std::shared_ptr<IDataObject> Seen;
  TPoint LastPoint;

  HRESULT DragEnter(const std::shared_ptr<IDataObject>& DataObj, DWORD, const TPoint& Pt,
                    DWORD& Effect) override {
    log_.push_back(name_ + " enter");
    Seen = DataObj;
    LastPoint = Pt;
    Effect = Pick(Effect & Answer);
    return S_OK;
  }
  HRESULT DragOver(DWORD, const TPoint& Pt, DWORD& Effect) override {
    log_.push_back(name_ + " over");
    LastPoint = Pt;
    Effect = Pick(Effect & Answer);
    return S_OK;
  }
  HRESULT DragLeave() override {
    log_.push_back(name_ + " leave");
    return S_OK;
  }
  HRESULT Drop(const std::shared_ptr<IDataObject>& DataObj, DWORD KeyState, const TPoint& Pt,
               DWORD& Effect) override {
    log_.push_back(name_ + " drop" + ((KeyState & MK_LBUTTON) ? " with button" : ""));
    Seen = DataObj;
    LastPoint = Pt;
    if (ThrowOnDrop) throw std::runtime_error("Cannot read the dropped file");
    Effect = Pick(Effect & Answer);
    return S_OK;
  }

 private:
  Log& log_;
  std::string name_;
};

class TRecordingSource : public IDropSource {
 public:
  explicit TRecordingSource(Log& L) : log_(L) {}
  HRESULT QueryContinueDrag(bool EscapePressed, DWORD KeyState) override {
    if (EscapePressed) {
      log_.push_back("source escape");
      return DRAGDROP_S_CANCEL;
    }
    if (!(KeyState & MK_LBUTTON)) {
      log_.push_back("source release");
      return DRAGDROP_S_DROP;
    }
    log_.push_back("source step");
    return S_OK;
  }
  HRESULT GiveFeedback(DWORD Effect) override {
    log_.push_back("feedback " + std::to_string(Effect));
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }

 private:
  Log& log_;
};

// Offers one wide text.
class TTextData : public IDataObject {
 public:
  explicit TTextData(std::string Text) : text_(std::move(Text)) {}
  HRESULT GetData(const TFormatEtc& F, TStgMedium& M) override {
    if (QueryGetData(F) != S_OK) return DV_E_FORMATETC;
    M.tymed = TYMED_HGLOBAL;
    for (char16_t c : Utf8ToUtf16(text_)) {
      M.hGlobal.push_back(static_cast<uint8_t>(c & 0xFF));
      M.hGlobal.push_back(static_cast<uint8_t>(c >> 8));
    }
    M.hGlobal.insert(M.hGlobal.end(), 2, 0);
    return S_OK;
  }
  HRESULT GetDataHere(const TFormatEtc&, TStgMedium&) override { return E_NOTIMPL; }
  HRESULT QueryGetData(const TFormatEtc& F) override {
    return F.cfFormat == CF_UNICODETEXT && (F.tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc&) override { return E_NOTIMPL; }
  HRESULT SetData(const TFormatEtc&, TStgMedium&, bool) override { return E_NOTIMPL; }
  HRESULT EnumFormatEtc(DWORD, std::shared_ptr<IEnumFORMATETC>& E) override {
    struct One : IEnumFORMATETC {
      bool done = false;
      HRESULT Next(ULONG n, TFormatEtc* e, ULONG* got) override {
        ULONG k = 0;
        if (n > 0 && !done) {
          e[0].cfFormat = CF_UNICODETEXT;
          done = true;
          k = 1;
        }
        if (got) *got = k;
        return k == n ? S_OK : S_FALSE;
      }
      HRESULT Skip(ULONG) override { return S_FALSE; }
      HRESULT Reset() override {
        done = false;
        return S_OK;
      }
      HRESULT Clone(std::shared_ptr<IEnumFORMATETC>&) override { return E_NOTIMPL; }
    };
    E = std::make_shared<One>();
    return S_OK;
  }
  HRESULT DAdvise(const TFormatEtc&, DWORD, IAdviseSink*, DWORD&) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>&) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::string text_;
};

std::string WideText(const std::vector<uint8_t>& B) {
  std::u16string u;
  for (size_t i = 0; i + 1 < B.size(); i += 2) {
    char16_t c = static_cast<char16_t>(B[i] | (B[i + 1] << 8));
    if (c == 0) break;
    u.push_back(c);
  }
  return Utf16ToUtf8(u);
}

// A form with two panels that take drops; the first has a child panel of
// its own without a target.
class DragDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = testinput::NewPointerForm(300, 200);
    a = new TPanel(form);
    a->SetParent(form);
    a->SetBounds(0, 0, 150, 200);
    inner = new TPanel(form);
    inner->SetParent(a);
    inner->SetBounds(20, 20, 60, 60);
    b = new TPanel(form);
    b->SetParent(form);
    b->SetBounds(150, 0, 150, 200);
    testinput::ShowForm(form);
    ta = std::make_shared<TRecordingTarget>(log, "a");
    tb = std::make_shared<TRecordingTarget>(log, "b");
    ASSERT_EQ(RegisterDragDrop(a->Handle(), ta), S_OK);
    ASSERT_EQ(RegisterDragDrop(b->Handle(), tb), S_OK);
  }
  void TearDown() override { testinput::FreePointerForm(form); }

  Log log;
  TForm* form = nullptr;
  TPanel* a = nullptr;
  TPanel* inner = nullptr;
  TPanel* b = nullptr;
  std::shared_ptr<TRecordingTarget> ta, tb;
};

TEST_F(DragDropTest, RegistrationRules) {
  EXPECT_EQ(RegisterDragDrop(a->Handle(), tb), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(RegisterDragDrop(0, ta), DRAGDROP_E_INVALIDHWND);
  EXPECT_EQ(RegisterDragDrop(inner->Handle(), nullptr), E_INVALIDARG);
  EXPECT_EQ(RegisteredDropTarget(a->Handle()), ta);
  EXPECT_EQ(RegisteredDropTarget(inner->Handle()), nullptr);
  EXPECT_EQ(RevokeDragDrop(a->Handle()), S_OK);
  EXPECT_EQ(RevokeDragDrop(a->Handle()), DRAGDROP_E_NOTREGISTERED);
  // Without a target of its own or above it, a window takes no drag.
  TDesktopDrag d({{"text/plain", "x"}});
  EXPECT_EQ(d.MoveTo(inner, 5, 5), DROPEFFECT_NONE);
  EXPECT_EQ(d.Drop(), DROPEFFECT_NONE);
  EXPECT_TRUE(log.empty());
}

TEST_F(DragDropTest, DesktopDragReachesTheNearestTargetAndMovesBetweenTargets) {
  TDesktopDrag d({{"text/plain", "caf\xC3\xA9"}}, DROPEFFECT_COPY);
  // The child window has no target: its parent's takes the drag, in screen
  // points.
  EXPECT_EQ(d.MoveTo(inner, 5, 5), DROPEFFECT_COPY);
  EXPECT_EQ(ta->LastPoint, TPoint(125, 125));
  d.MoveTo(inner, 6, 6);
  d.MoveTo(b, 10, 10);
  EXPECT_EQ(d.Drop(), DROPEFFECT_COPY);
  EXPECT_EQ(log, (Log{"a enter", "a over", "a over", "a leave", "b enter", "b over", "b drop"}));
  EXPECT_EQ(tb->LastPoint, TPoint(260, 110));
  // The other program's text reads as the platform's wide text; once the
  // drag is gone its data object reads nothing.
  TFormatEtc f;
  f.cfFormat = CF_UNICODETEXT;
  TStgMedium m;
  EXPECT_EQ(tb->Seen->QueryGetData(f), E_UNEXPECTED);
  TDesktopDrag again({{"text/plain", "caf\xC3\xA9"}});
  again.MoveTo(b, 10, 10);
  ASSERT_EQ(tb->Seen->GetData(f, m), S_OK);
  EXPECT_EQ(WideText(m.hGlobal), "caf\xC3\xA9");
}

TEST_F(DragDropTest, DropIsHandedOverOnlyWhereTheLastReportTookIt) {
  TDesktopDrag d({{"text/plain", "x"}});
  d.MoveTo(a, 5, 5);
  ta->Answer = DROPEFFECT_NONE;
  EXPECT_EQ(d.MoveTo(a, 6, 6), DROPEFFECT_NONE);
  EXPECT_EQ(d.Drop(), DROPEFFECT_NONE);
  EXPECT_EQ(log, (Log{"a enter", "a over", "a over", "a leave"}));
}

TEST_F(DragDropTest, OwnDragStepsTheSourceAndReleasesBeforeTheDrop) {
  TDragDriver driver;
  auto data = std::make_shared<TTextData>("abc\xE2\x82\xAC");
  auto source = std::make_shared<TRecordingSource>(log);
  HWND captureInDrag = 1;
  driver.OnDrag([&](TDragRun& run) {
    captureInDrag = GetCapture();
    run.MoveTo(inner, 5, 5);
    run.Drop();
  });
  SetCapture(a->Handle());
  SetKeyDown(VK_LBUTTON, true);
  DWORD effect = 99;
  EXPECT_EQ(DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
  EXPECT_EQ(effect, DROPEFFECT_MOVE);
  EXPECT_EQ(log, (Log{"source step", "a enter", "a over", "feedback 2", "source release", "a drop"}));
  // A drag within the program hands over the source's own object.
  EXPECT_EQ(ta->Seen, data);
  EXPECT_EQ(captureInDrag, 0u);
  EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
  // Other programs are offered UTF-8 text.
  ASSERT_EQ(driver.Drags().size(), 1u);
  EXPECT_EQ(driver.Drags()[0].at("text/plain"), "abc\xE2\x82\xAC");
}

TEST_F(DragDropTest, CancelledRefusedAndDesktopDrops) {
  struct Case {
    const char* name;
    std::function<void(TDragRun&, TControl*)> script;
    HRESULT result;
    DWORD effect;
    Log log;
  };
  const std::vector<Case> cases = {
      {"escape over a target",
       [](TDragRun& r, TControl* c) {
         r.MoveTo(c, 5, 5);
         r.Cancel();
       },
       DRAGDROP_S_CANCEL,
       DROPEFFECT_NONE,
       {"source step", "a enter", "a over", "feedback 2", "a leave", "source escape"}},
      {"a desktop program takes it",
       [](TDragRun& r, TControl*) {
         r.MoveToDesktop(DROPEFFECT_COPY);
         r.Drop();
       },
       DRAGDROP_S_DROP,
       DROPEFFECT_COPY,
       {"source step", "feedback 1", "source release"}},
      {"a desktop program refuses it",
       [](TDragRun& r, TControl*) {
         r.MoveToDesktop(DROPEFFECT_NONE);
         r.Drop();
       },
       DRAGDROP_S_CANCEL,
       DROPEFFECT_NONE,
       {"source step", "feedback 0", "source escape"}},
      {"dropped where nothing takes it",
       [](TDragRun& r, TControl*) { r.Drop(); },
       DRAGDROP_S_CANCEL,
       DROPEFFECT_NONE,
       {"source escape"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    TDragDriver driver;
    driver.OnDrag([&](TDragRun& run) { c.script(run, a); });
    DWORD effect = 99;
    EXPECT_EQ(DoDragDrop(std::make_shared<TTextData>("t"), std::make_shared<TRecordingSource>(log),
                         DROPEFFECT_COPY | DROPEFFECT_MOVE, effect),
              c.result);
    EXPECT_EQ(effect, c.effect);
    EXPECT_EQ(log, c.log);
  }
}

TEST_F(DragDropTest, FailingTargetShowsItsErrorAndTakesNothing) {
  TDialogResponder r;
  r.AnswerBox(mrOk);
  tb->ThrowOnDrop = true;
  TDesktopDrag d({{"text/uri-list", "file:///tmp/a.csv\r\n"}});
  d.MoveTo(b, 5, 5);
  EXPECT_EQ(d.Drop(), DROPEFFECT_NONE);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Cannot read the dropped file.");
  // The next drag starts clean.
  tb->ThrowOnDrop = false;
  TDesktopDrag next({{"text/plain", "x"}});
  EXPECT_NE(next.MoveTo(b, 5, 5), DROPEFFECT_NONE);
  EXPECT_NE(next.Drop(), DROPEFFECT_NONE);
}

}  // namespace
