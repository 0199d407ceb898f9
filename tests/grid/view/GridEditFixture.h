#pragma once
// A grid on a shown form for the editing tests: 5 columns and 8 rows with
// one fixed row and column, editing on, the grid focused; a second control
// on the form to move the focus to, and a record of the editing events in
// the order they fired.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"
#include "support/Input.h"

struct GridEditFixture : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;
  TEdit* other = nullptr;
  std::vector<std::string> events;

  void SetUp() override {
    ResetKeyboardState();
    form = testinput::NewPointerForm(520, 360);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 420, 260);
    g->SetColCount(5);
    g->SetRowCount(8);
    g->SetOptions(g->Options() << goEditing);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 300, 100, 24);
    testinput::ShowForm(form);
    g->SetFocus();
    testinput::Pump();
  }
  void TearDown() override { testinput::FreePointerForm(form); }

  // Records the events of the edit road by name.
  void Record() {
    g->OnEditChange = [this](TObject*, int c, int r, const std::string& v) {
      events.push_back("change " + std::to_string(c) + "," + std::to_string(r) + " " + v);
    };
    g->OnCellValidate = [this](TObject*, int c, int r, std::string& v, bool&) {
      events.push_back("validate " + std::to_string(c) + "," + std::to_string(r) + " " + v);
    };
    g->OnEditingDone = [this](TObject*) { events.push_back("done"); };
    g->OnEditCellDone = [this](TObject*, int c, int r) {
      events.push_back("celldone " + std::to_string(c) + "," + std::to_string(r));
    };
    g->OnRowChanged = [this](TObject*, int o, int n) {
      events.push_back("row " + std::to_string(o) + ">" + std::to_string(n));
    };
  }
  void Goto(int c, int r) {
    g->SetCol(c);
    g->SetRow(r);
    testinput::Pump();
  }
  // The centre of a cell, in grid client coordinates.
  TPoint CellCentre(int c, int r) {
    TRect rc = g->CellRect(c, r);
    return TPoint((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
  }
  void ClickCell(int c, int r) {
    TPoint p = CellCentre(c, r);
    testinput::Click(g, p.X, p.Y);
  }
  ZIvoVorazirUded* Editor() { return g->NormalEdit(); }
  bool EditorShown() { return Editor() != nullptr && Editor()->Visible(); }
};
