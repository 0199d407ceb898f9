#include "app/UParGen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/USaveBincc.h"
#include "controls/button/LbButton.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CategoryPanel.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/StdCtrls.h"
#include "framework/os/Files.h"
#include "framework/xml/XmlDom.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/Input.h"
#include "tests/support/Responder.h"

namespace {

std::string Element(const std::string& Name, const std::string& Text) {
  return "<" + Name + ">" + Text + "</" + Name + ">";
}

// The 26 elements in the order the form writes them.
const std::vector<std::string> Element_Order = {"S7_Protocol_IP1",         "S7_Protocol_IP2",
                                                "S7_Protocol_IP3",         "S7_Protocol_IP4",
                                                "S7_Protocol_SM1",         "S7_Protocol_SM2",
                                                "S7_Protocol_SM3",         "S7_Protocol_SM4",
                                                "S7_Protocol_GAT1",        "S7_Protocol_GAT2",
                                                "S7_Protocol_GAT3",        "S7_Protocol_GAT4",
                                                "S7_Protocol_EN_GAT",      "Eth_Conn_Device_Name",
                                                "Eth_Conn_DHCP_Cable",     "Eth_Conn_DHCP_WiFi",
                                                "Eth_Conn_Enable_DNS",     "Eth_Conn_Primary_DNS1",
                                                "Eth_Conn_Primary_DNS2",   "Eth_Conn_Primary_DNS3",
                                                "Eth_Conn_Primary_DNS4",   "Eth_Conn_Secondary_DNS1",
                                                "Eth_Conn_Secondary_DNS2", "Eth_Conn_Secondary_DNS3",
                                                "Eth_Conn_Secondary_DNS4", "CAN_BAUDRATE"};

// What a saved ParGen.xml holds: the element names in order with their
// texts, and the document-level nodes.
struct TSaved_ParGen {
  std::vector<std::pair<std::string, std::string>> Elements;
  std::vector<std::string> Document_Nodes;  // "Par_Gen", "#comment:SW_VERSION = 1.000"
  std::string Value(const std::string& Name) const {
    for (const auto& [n, v] : Elements)
      if (n == Name) return v;
    return "<missing>";
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : Elements) names.push_back(e.first);
    return names;
  }
};

TSaved_ParGen Read_Saved(const std::string& Path) {
  TXMLDocument doc;
  doc.LoadFromFile(Path);
  TSaved_ParGen s;
  for (int i = 0; i < doc.ChildCount(); ++i) {
    TXMLNode n = doc.ChildNodes(i);
    s.Document_Nodes.push_back(n.NodeType() == ntComment ? "#comment:" + n.NodeValue() : n.NodeName());
  }
  TXMLNode root = doc.ChildNodes(0);
  for (int i = 0; i < root.ChildCount(); ++i)
    s.Elements.emplace_back(root.ChildNodes(i).NodeName(), root.ChildNodes(i).Text());
  return s;
}

class ParGenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Load_Default_Language();
    Init_SW_Identity();
  }

  void SetUp() override {
    Project_Dir = dir_.Path();
    Set_Files();
    form_ = new TFParGen(Application);
    form_->AfterConstruction();
  }
  void TearDown() override { delete form_; }

  void Write_ParGen(const std::string& Elements, const std::string& Path = "") {
    Write_File(Path.empty() ? Path_ParGen : Path,
               "<Par_Gen>" + Elements + "</Par_Gen><!--SW_VERSION = 1.000-->");
  }

  // Shows the form modally; While_Shown acts on it, then the form ends as
  // the test's clicks leave it (Cancel when nothing closed it).
  int Show(const std::function<void(TFParGen*)>& While_Shown) {
    responder_.OnModal([&](TCustomForm* f) {
      While_Shown(static_cast<TFParGen*>(f));
      if (f->ModalResult() == mrNone) f->SetModalResult(mrCancel);
    });
    return form_->ShowModal();
  }

  void Click_OK(TFParGen* F) { testinput::Click(F->Btn_OK, 10, 10); }

  TCommonGlobalsScope globals_;
  TScratchDir dir_;
  TDialogResponder responder_;
  TFParGen* form_ = nullptr;
};

}  // namespace

TEST_F(ParGenTest, TheFormReadsWellInAScreenshot) {
  Write_ParGen(Element("Eth_Conn_Device_Name", "Converter-Line3") + Element("Eth_Conn_Enable_DNS", "1") +
               Element("S7_Protocol_EN_GAT", "1") + Element("CAN_BAUDRATE", "6"));
  Show([&](TFParGen* F) {
    const char* dir = std::getenv("CF_TEST_BIN_DIR");
    const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
    ForceDirectories(folder);
    F->GrabToPng(folder + "/pargen.png");
    EXPECT_GT(FileSize(folder + "/pargen.png"), 0);
  });
}
