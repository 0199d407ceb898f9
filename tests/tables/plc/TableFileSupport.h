#pragma once
// Helpers for the table editors' tests: a grid in memory shaped like an
// editor's grid, project files built through the XML document object (so
// that they have the bytes the program writes), and a project folder with
// the texts loaded.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Memory_Grid.h"
#include "framework/classes/StringList.h"
#include "framework/xml/XmlDom.h"
#include "tables/plc/UTable_Editor.h"
#include "tests/app/AppTestSupport.h"

inline TTable_Memory_Grid Memory_Grid_For(const TTable_Grid_Format& Format) {
  TTable_Memory_Grid grid(Format.Rows, static_cast<int>(Format.Columns.size()) + 1);
  for (std::size_t k = 0; k < Format.Columns.size(); ++k)
    if (Format.Columns[k].Check_Box)
      grid.Set_Data_Check_Box_Column(static_cast<int>(k) + 1);
    else if (Format.Columns[k].Own_Box)
      grid.Add_Check_Box_Column(static_cast<int>(k) + 1, false);
  return grid;
}

// A row of a file: attribute names and values in file order.
using TFile_Row = std::vector<std::pair<std::string, std::string>>;

// The row's attributes named by the grid's columns, from its cells.
inline TFile_Row File_Row(const TTable_Grid_Format& Format, const std::vector<std::string>& Values) {
  TFile_Row row;
  for (std::size_t k = 0; k < Values.size(); ++k) row.emplace_back(Format.Columns[k].Attribute, Values[k]);
  return row;
}

struct TFile_Section {
  const char* Name;  // nullptr: the rows stand under the root
  std::vector<TFile_Row> Rows;
};

// A project table file as the XML document object saves it.
inline std::string Build_Table_File(const char* Root, const char* Comment,
                                    const std::vector<TFile_Section>& Sections) {
  TXMLDocument doc;
  TXMLNode root = doc.AddChild(Root);
  doc.AppendComment(Comment);
  for (const TFile_Section& section : Sections) {
    TXMLNode parent = section.Name ? root.AddChild(section.Name) : root;
    for (const TFile_Row& row : section.Rows) {
      TXMLNode node = parent.AddChild("row");
      for (const auto& [name, value] : row) node.SetAttribute(name, value);
    }
  }
  return doc.SaveToXML();
}

// A project folder with the path globals pointing into it and the built-in
// texts loaded.
class TableEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Language();
    Project_Dir = dir_.Path();
    Set_Files();
  }
  std::string Text(int Id) const { return Lang_Table->Strings(Id); }

  TCommonGlobalsScope globals_;
  TScratchDir dir_;
};
