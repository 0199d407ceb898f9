// Forms and the application: modal forms through the responder, message
// boxes, closing, timers, the standard error box and grabbing a form.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "framework/controls/Dialogs.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

class TOkCancelForm : public TForm {
 public:
  explicit TOkCancelForm(TComponent* Owner) : TForm(Owner) {
    SetCaption("Question");
    edit = new TEdit(this);
    edit->SetParent(this);
    ok = new TButton(this);
    ok->SetParent(this);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->SetTop(40);
    cancel = new TButton(this);
    cancel->SetParent(this);
    cancel->SetCaption("Cancel");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    cancel->SetTop(80);
  }
  TEdit* edit;
  TButton* ok;
  TButton* cancel;
};

TEST(Forms, ModalFormClosedByItsButtonsModalResult) {
  ResetKeyboardState();
  TDialogResponder r;
  TOkCancelForm form(nullptr);
  std::vector<std::string> events;
  form.OnShow = [&](TObject*) { events.push_back("show"); };
  form.OnCloseQuery = [&](TObject*, bool&) { events.push_back("closequery"); };
  form.OnClose = [&](TObject*, TCloseAction&) { events.push_back("close"); };
  form.OnHide = [&](TObject*) { events.push_back("hide"); };
  r.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(f, &form);
    EXPECT_TRUE(form.Showing());
    EXPECT_TRUE(form.edit->Focused());
    TypeText("abc");
    Click(form.ok, 5, 5);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(form.edit->Text(), "abc");
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(events, (std::vector<std::string>{"show", "closequery", "close", "hide"}));
  // Return on the edit answers the default button, Escape the cancel one.
  r.OnModal([&](TCustomForm*) { PressKey(VK_ESCAPE); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  r.OnModal([&](TCustomForm*) { PressKey(VK_RETURN); });
  EXPECT_EQ(form.ShowModal(), mrOk);
}

// A dialog that already exists when another one goes modal, and is then
// opened from it, takes the keyboard; afterwards it waits again until the
// first one closes.
TEST(Forms, ADialogOpenedFromAModalOneTakesInput) {
  ResetKeyboardState();
  TDialogResponder r;
  TOkCancelForm outer(nullptr);
  TOkCancelForm inner(nullptr);
  r.OnModal([&](TCustomForm*) {
    r.OnModal([&](TCustomForm*) {
      EXPECT_TRUE(inner.AcceptsInput());
      EXPECT_FALSE(outer.AcceptsInput());
      TypeText("inner");
      Click(inner.ok, 5, 5);
    });
    EXPECT_EQ(inner.ShowModal(), mrOk);
    EXPECT_FALSE(inner.AcceptsInput());
    EXPECT_TRUE(outer.AcceptsInput());
    TypeText("outer");
    Click(outer.ok, 5, 5);
  });
  EXPECT_EQ(outer.ShowModal(), mrOk);
  EXPECT_EQ(inner.edit->Text(), "inner");
  EXPECT_EQ(outer.edit->Text(), "outer");
  EXPECT_TRUE(inner.AcceptsInput());
}

TEST(Forms, CloseQueryVetoKeepsModalFormOpenUntilAllowed) {
  TDialogResponder r;
  TOkCancelForm form(nullptr);
  bool allow = false;
  int asked = 0;
  form.OnCloseQuery = [&](TObject*, bool& can) {
    ++asked;
    can = allow;
  };
  r.OnModal([&](TCustomForm*) {
    form.ok->Click();
    form.CloseModal();
    EXPECT_EQ(form.ModalResult(), mrNone);
    allow = true;
    form.ok->Click();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(asked, 2);
}

TEST(Forms, ShowModalOnAVisibleFormRaises) {
  TForm form(nullptr);
  form.Show();
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST(Forms, MessageDlgAnsweredYesAndNo) {
  TDialogResponder r;
  r.AnswerBox(mrYes).AnswerBox(mrNo);
  EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, {mbYes, mbNo}, 0), mrYes);
  EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, {mbYes, mbNo}, 0), mrNo);
  ASSERT_EQ(r.Boxes().size(), 2u);
  EXPECT_EQ(r.Boxes()[0].Caption, "Confirm");
  EXPECT_EQ(r.Boxes()[0].Icon, diQuestion);
  EXPECT_EQ(r.Boxes()[0].Buttons, (std::vector<int>{mrYes, mrNo}));
  r.AnswerBox(mrCancel);
  EXPECT_EQ(Application->MessageBox("Save?", "Title", MB_YESNOCANCEL | MB_ICONWARNING), IDCANCEL);
  EXPECT_EQ(r.Boxes()[2].Icon, diWarning);
  EXPECT_EQ(r.Boxes()[2].Caption, "Title");
}

TEST(Forms, UncaughtExceptionInAHandlerShowsTheStandardErrorBox) {
  TDialogResponder r;
  r.AnswerBox(mrOk);
  TForm form(nullptr);
  auto* b = new TButton(&form);
  b->SetParent(&form);
  b->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
  ShowForm(&form);
  Click(b, 3, 3);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "'x' is not a valid integer value.");
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  // OnException takes over when assigned.
  std::string seen;
  Application->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
  Click(b, 3, 3);
  Application->OnException = nullptr;
  EXPECT_EQ(seen, "'x' is not a valid integer value");
  EXPECT_EQ(r.Boxes().size(), 1u);
}

TEST(Forms, CloseBoxOfAModalFormCancels) {
  TDialogResponder r;
  TOkCancelForm form(nullptr);
  r.OnModal([&](TCustomForm* f) { SendMessage(f->Handle(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Forms, ReleaseFreesTheFormAfterTheCurrentMessage) {
  auto* form = new TForm(nullptr);
  HWND h = form->Handle();
  form->Release();
  EXPECT_TRUE(IsWindow(h));
  Pump();
  EXPECT_FALSE(IsWindow(h));
}

TEST(Timer, EnablingAndIntervalFollowThePlatform) {
  TTestClock clock;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(100);
  timer.OnTimer = [&](TObject*) { ++ticks; };
  clock.Advance(100);
  EXPECT_EQ(ticks, 1);
  // Enabling a running timer changes nothing.
  clock.Advance(60);
  timer.SetEnabled(true);
  clock.Advance(40);
  EXPECT_EQ(ticks, 2);
  // Enabling a stopped timer starts a full interval.
  timer.SetEnabled(false);
  clock.Advance(500);
  EXPECT_EQ(ticks, 2);
  timer.SetEnabled(true);
  clock.Advance(99);
  EXPECT_EQ(ticks, 2);
  clock.Advance(1);
  EXPECT_EQ(ticks, 3);
  // The handler may change the interval.
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    timer.SetInterval(300);
  };
  clock.Advance(100);
  EXPECT_EQ(ticks, 4);
  clock.Advance(200);
  EXPECT_EQ(ticks, 4);
  clock.Advance(100);
  EXPECT_EQ(ticks, 5);
}

TEST(Grab, FormPaintsIntoAPngOfItsClientSize) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(120);
  form.SetClientHeight(80);
  form.SetColor(clWhite);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(10, 10, 40, 30);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(clRed);
  auto* shape = new TShape(&form);
  shape->SetParent(&form);
  shape->SetBounds(60, 10, 40, 40);
  shape->Brush()->SetColor(clBlue);
  shape->Pen()->SetColor(clBlack);
  auto bmp = form.GrabToBitmap();
  ASSERT_EQ(bmp->Width(), 120);
  ASSERT_EQ(bmp->Height(), 80);
  EXPECT_EQ(bmp->PixelData().GetPixel(2, 2), clWhite);
  EXPECT_EQ(bmp->PixelData().GetPixel(20, 20), clRed);
  EXPECT_EQ(bmp->PixelData().GetPixel(80, 30), clBlue);
  EXPECT_EQ(bmp->PixelData().GetPixel(60, 30), clBlack);
  std::string path = (std::filesystem::temp_directory_path() / "cf_grab_test.png").string();
  form.GrabToPng(path);
  TPicture pic;
  pic.LoadFromFile(path);
  EXPECT_EQ(pic.Width(), 120);
  EXPECT_EQ(pic.Height(), 80);
  std::remove(path.c_str());
}

TEST(Dialogs, OpenAndSaveGoThroughTheResponder) {
  TDialogResponder r;
  r.AnswerFile("/tmp/project/table").AnswerFile("");
  TSaveDialog save(nullptr);
  save.SetFilter("CSV files (*.csv)|*.csv");
  save.SetDefaultExt("csv");
  save.SetInitialDir("/tmp/project");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), "/tmp/project/table.csv");
  EXPECT_TRUE(r.FileDialogs()[0].Save);
  EXPECT_EQ(r.FileDialogs()[0].Filter, "CSV files (*.csv)|*.csv");
  TOpenDialog open(nullptr);
  EXPECT_FALSE(open.Execute());
}

}  // namespace

namespace {

TEST(Forms, NewBorderStyleOnAShownFormKeepsItShownWithoutAnotherOnShow) {
  TOkCancelForm form(nullptr);
  int shows = 0, hides = 0;
  form.OnShow = [&](TObject*) { ++shows; };
  form.OnHide = [&](TObject*) { ++hides; };
  ShowForm(&form);
  form.edit->SetFocus();
  form.SetClientWidth(200);
  form.SetBorderStyle(bsDialog);
  Pump();
  EXPECT_TRUE(form.Showing());
  EXPECT_TRUE(form.edit->Showing());
  EXPECT_TRUE(form.edit->Focused());
  EXPECT_EQ(form.ClientWidth(), 200);
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(hides, 0);
}

}  // namespace

namespace {

TEST(Grab, EditShowsItsSunkenEdgeAndTheBackgroundOfItsState) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 200, 100);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(10, 10, 100, 21);
  auto* off = new TEdit(&form);
  off->SetParent(&form);
  off->SetBounds(10, 50, 100, 21);
  off->SetEnabled(false);
  auto bmp = form.GrabToBitmap();
  const TPixelData& px = bmp->PixelData();
  EXPECT_EQ(px.GetPixel(10, 10), ColorToRGB(clBtnShadow));
  EXPECT_EQ(px.GetPixel(10 + 99, 10 + 20), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(px.GetPixel(10 + 95, 10 + 10), ColorToRGB(clWindow));
  EXPECT_EQ(px.GetPixel(10 + 95, 50 + 10), ColorToRGB(clBtnFace));
}

}  // namespace

namespace {

class TFailingPaint : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    throw EConvertError("'abc' is not a valid integer value");
  }
};

TEST(Forms, AnErrorWhilePaintingIsShownAfterThePaintAndOnlyOnce) {
  TDialogResponder r;
  r.AnswerBox(mrOk);
  TForm form(nullptr);
  auto* c = new TFailingPaint(&form);
  c->SetParent(&form);
  c->SetBounds(5, 5, 50, 20);
  ShowForm(&form);
  for (int i = 0; i < 3; ++i) {
    c->Repaint();
    Pump();
  }
  EXPECT_GE(c->paints, 2);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "'abc' is not a valid integer value.");
}

}  // namespace

// A form's window is its client area (the window system draws the frame), so
// a child's window lies at its plain position; a bordered panel in between
// still shifts its own children by its border.
TEST(Forms, ChildWindowsSitAtTheirClientPositions) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetBounds(100, 100, 400, 300);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBorderStyle(bsSingle);
  panel->SetBounds(10, 20, 200, 100);
  auto* edit = new TEdit(&form);
  edit->SetParent(panel);
  edit->SetBounds(5, 6, 50, 20);
  form.HandleNeeded();
  panel->HandleNeeded();
  edit->HandleNeeded();
  EXPECT_EQ(panel->PeerBounds(), TRect(10, 20, 210, 120));
  TRect ins = panel->NonClientInsets();
  EXPECT_GT(ins.Left, 0);
  EXPECT_EQ(edit->PeerBounds(), TRect(5 + ins.Left, 6 + ins.Top, 55 + ins.Left, 26 + ins.Top));
}

// A window without a frame of the window system (a pop-up list, a hint) gets
// its border and scroll bars from us, so its peer holds them too.
TEST(Forms, PopUpWindowsHoldTheirOwnFrame) {
  TForm framed(nullptr);
  framed.SetBorderStyle(bsSingle);
  framed.SetBounds(100, 100, 400, 300);
  framed.HandleNeeded();
  TRect fins = framed.NonClientInsets();
  EXPECT_TRUE(framed.PeerIsClientArea());
  EXPECT_EQ(framed.PeerBounds(), TRect(100 + fins.Left, 100 + fins.Top, 500 - fins.Right, 400 - fins.Bottom));

  TPanel popup(nullptr);
  popup.SetBorderStyle(bsSingle);
  popup.SetBounds(50, 60, 120, 80);
  popup.HandleNeeded();
  EXPECT_FALSE(popup.PeerIsClientArea());
  EXPECT_EQ(popup.PeerBounds(), TRect(50, 60, 170, 140));
  TRect ins = popup.NonClientInsets();
  EXPECT_EQ(popup.PeerToClient(TPoint(ins.Left, ins.Top)), TPoint(0, 0));
}
