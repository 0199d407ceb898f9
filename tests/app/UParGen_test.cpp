#include "app/UParGen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/ULumetraFirmWare.h"
#include "app/USaveBincc.h"
#include "controls/button/LbButton.h"
#include "framework/backend/qt/QtTestProbe.h"
#include "framework/classes/StringList.h"
#include "framework/controls/CategoryPanel.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/ImgList.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/xml/XmlDom.h"
#include "tests/app/AppFormsFixture.h"
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

  // Shows the form, lets Edit change it and presses OK; answers the modal
  // result.
  int Edit_And_OK(const std::function<void(TFParGen*)>& Edit) {
    return Show([&](TFParGen* F) {
      Edit(F);
      Click_OK(F);
    });
  }

  TCommonGlobalsScope globals_;
  TScratchDir dir_;
  TDialogResponder responder_;
  TFParGen* form_ = nullptr;
};

std::string Address(TEdit* A, TEdit* B, TEdit* C, TEdit* D) {
  return A->Text() + "." + B->Text() + "." + C->Text() + "." + D->Text();
}

// Puts the four dot-separated parts of Text (any of them may be empty or
// odd) into the octet edits.
void Set_Address(const std::string& Text, TEdit* A, TEdit* B, TEdit* C, TEdit* D) {
  TEdit* const edits[] = {A, B, C, D};
  std::size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = i < 3 ? Text.find('.', start) : std::string::npos;
    edits[i]->SetText(Text.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
    start = dot + 1;
  }
}

// The saved values of a form left at its defaults, in file order.
std::vector<std::pair<std::string, std::string>> Default_Elements() {
  const char* const values[] = {"192", "168", "0", "5", "255", "255", "255", "0", "192",
                                "168", "0",   "1", "0", "",    "0",   "0",   "0", "8",
                                "8",   "8",   "8", "8", "8",   "8",   "8",   "9"};
  std::vector<std::pair<std::string, std::string>> e;
  for (std::size_t i = 0; i < Element_Order.size(); ++i) e.emplace_back(Element_Order[i], values[i]);
  return e;
}

}  // namespace

TEST_F(ParGenTest, WithoutAFileOrWithOnlyTheRootTheDefaultsAreShownAndSaved) {
  for (const bool only_root : {false, true}) {
    SCOPED_TRACE(only_root ? "only the root" : "no file");
    if (only_root)
      Write_File(Path_ParGen, "<Par_Gen/>");
    else
      DeleteFile(Path_ParGen);
    EXPECT_EQ(Edit_And_OK([](TFParGen* F) {
                EXPECT_EQ(Address(F->E_S7_Protocol_IP1, F->E_S7_Protocol_IP2, F->E_S7_Protocol_IP3,
                                  F->E_S7_Protocol_IP4),
                          "192.168.0.5");
                EXPECT_EQ(Address(F->E_S7_Protocol_SM1, F->E_S7_Protocol_SM2, F->E_S7_Protocol_SM3,
                                  F->E_S7_Protocol_SM4),
                          "255.255.255.0");
                EXPECT_EQ(Address(F->E_S7_Protocol_GAT1, F->E_S7_Protocol_GAT2, F->E_S7_Protocol_GAT3,
                                  F->E_S7_Protocol_GAT4),
                          "192.168.0.1");
                EXPECT_FALSE(F->CB_S7_Protocol_En_GAT->Checked());
                EXPECT_FALSE(F->CB_EthConn_Enable_DNS->Checked());
                EXPECT_EQ(Address(F->E_EthConn_Pri_DNS_IP1, F->E_EthConn_Pri_DNS_IP2,
                                  F->E_EthConn_Pri_DNS_IP3, F->E_EthConn_Pri_DNS_IP4),
                          "8.8.8.8");
                EXPECT_EQ(Address(F->E_EthConn_Sec_DNS_IP1, F->E_EthConn_Sec_DNS_IP2,
                                  F->E_EthConn_Sec_DNS_IP3, F->E_EthConn_Sec_DNS_IP4),
                          "8.8.8.8");
                EXPECT_FALSE(F->CB_EthConn_En_DHCP_Cable->Checked());
                EXPECT_FALSE(F->CB_EthConn_En_DHCP_WiFi->Checked());
                EXPECT_EQ(F->E_EthConn_Device_Name->Text(), "");
                EXPECT_EQ(F->CB_CAN_Baudrate->Text(), "1000K");
              }),
              mrOk);
    const TSaved_ParGen saved = Read_Saved(Path_ParGen);
    EXPECT_EQ(saved.Document_Nodes, (std::vector<std::string>{"Par_Gen", "#comment:SW_VERSION = 1.000"}));
    EXPECT_EQ(saved.Elements, Default_Elements());
    // No indentation and no line breaks: nothing between the elements.
    EXPECT_EQ(
        Read_File(Path_ParGen),
        "<Par_Gen><S7_Protocol_IP1>192</S7_Protocol_IP1><S7_Protocol_IP2>168</S7_Protocol_IP2>"
        "<S7_Protocol_IP3>0</S7_Protocol_IP3><S7_Protocol_IP4>5</S7_Protocol_IP4>"
        "<S7_Protocol_SM1>255</S7_Protocol_SM1><S7_Protocol_SM2>255</S7_Protocol_SM2>"
        "<S7_Protocol_SM3>255</S7_Protocol_SM3><S7_Protocol_SM4>0</S7_Protocol_SM4>"
        "<S7_Protocol_GAT1>192</S7_Protocol_GAT1><S7_Protocol_GAT2>168</S7_Protocol_GAT2>"
        "<S7_Protocol_GAT3>0</S7_Protocol_GAT3><S7_Protocol_GAT4>1</S7_Protocol_GAT4>"
        "<S7_Protocol_EN_GAT>0</S7_Protocol_EN_GAT><Eth_Conn_Device_Name/>"
        "<Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
        "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1>"
        "<Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2><Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3>"
        "<Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
        "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1>"
        "<Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
        "<Eth_Conn_Secondary_DNS3>8</Eth_Conn_Secondary_DNS3>"
        "<Eth_Conn_Secondary_DNS4>8</Eth_Conn_Secondary_DNS4><CAN_BAUDRATE>9</CAN_BAUDRATE>"
        "</Par_Gen><!--SW_VERSION = 1.000-->");
  }
}

TEST_F(ParGenTest, WhatStandsBeforeTheRootElementIsPassedOver) {
  // Written by other tools: the values must be shown, not silently replaced
  // by the defaults that OK would then save over the user's file.
  for (const std::string lead : {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", "<!-- edited by hand -->",
                                 "<!DOCTYPE Par_Gen>\n", "<?xml-stylesheet href=\"a.xsl\"?>"}) {
    SCOPED_TRACE(lead);
    Write_File(Path_ParGen,
               lead +
                   "<Par_Gen>\n  <S7_Protocol_IP1>10</S7_Protocol_IP1>\n  <CAN_BAUDRATE>3</CAN_BAUDRATE>\n"
                   "</Par_Gen><!--SW_VERSION = 1.000-->");
    Show([](TFParGen* F) {
      EXPECT_EQ(F->E_S7_Protocol_IP1->Text(), "10");
      EXPECT_EQ(F->CB_CAN_Baudrate->Text(), "62.5K");
    });
    EXPECT_TRUE(responder_.Boxes().empty());
  }
}

TEST_F(ParGenTest, AFileWithEveryElementIsShownAndWrittenBack) {
  const std::string name40 = "Converter-0123456789-0123456789-ABCDEFGH";
  ASSERT_EQ(name40.size(), 40u);
  const std::vector<std::string> values = {"10", "20", "30",  "40", "255",  "255", "0", "0", "10",
                                           "20", "0",  "254", "1",  name40, "1",   "1", "1", "1",
                                           "1",  "1",  "1",   "9",  "9",    "9",   "9", "3"};
  std::string xml;
  for (std::size_t i = 0; i < Element_Order.size(); ++i) xml += Element(Element_Order[i], values[i]);
  Write_ParGen(xml);

  EXPECT_EQ(Edit_And_OK([&](TFParGen* F) {
              EXPECT_EQ(Address(F->E_S7_Protocol_IP1, F->E_S7_Protocol_IP2, F->E_S7_Protocol_IP3,
                                F->E_S7_Protocol_IP4),
                        "10.20.30.40");
              EXPECT_EQ(Address(F->E_S7_Protocol_GAT1, F->E_S7_Protocol_GAT2, F->E_S7_Protocol_GAT3,
                                F->E_S7_Protocol_GAT4),
                        "10.20.0.254");
              EXPECT_TRUE(F->CB_S7_Protocol_En_GAT->Checked());
              // A longer name than can be typed stays whole.
              EXPECT_EQ(F->E_EthConn_Device_Name->Text(), name40);
              EXPECT_TRUE(F->CB_EthConn_En_DHCP_Cable->Checked());
              // Shown after loading: the address the DHCP server gives
              // cannot be typed.
              EXPECT_FALSE(F->E_S7_Protocol_IP1->Enabled());
              // There is no Wi-Fi on this converter: the box is never set.
              EXPECT_FALSE(F->CB_EthConn_En_DHCP_WiFi->Checked());
              EXPECT_TRUE(F->CB_EthConn_Enable_DNS->Checked());
              EXPECT_EQ(Address(F->E_EthConn_Sec_DNS_IP1, F->E_EthConn_Sec_DNS_IP2, F->E_EthConn_Sec_DNS_IP3,
                                F->E_EthConn_Sec_DNS_IP4),
                        "9.9.9.9");
              EXPECT_EQ(F->CB_CAN_Baudrate->Text(), "62.5K");
            }),
            mrOk);
  std::vector<std::pair<std::string, std::string>> expected;
  for (std::size_t i = 0; i < Element_Order.size(); ++i)
    expected.emplace_back(Element_Order[i], Element_Order[i] == "Eth_Conn_DHCP_WiFi" ? "0" : values[i]);
  EXPECT_EQ(Read_Saved(Path_ParGen).Elements, expected);
}

TEST_F(ParGenTest, EachElementFallsBackToItsOwnDefault) {
  const auto box = [](TCheckBox* TFParGen::*Box) {
    return [Box](TFParGen* F) { return std::string((F->*Box)->Checked() ? "checked" : "unchecked"); };
  };
  const auto edit = [](TEdit* TFParGen::*Edit) { return [Edit](TFParGen* F) { return (F->*Edit)->Text(); }; };
  const auto can = [](TFParGen* F) { return std::to_string(F->CB_CAN_Baudrate->ItemIndex()); };
  const struct {
    std::string Xml;
    std::function<std::string(TFParGen*)> Read;
    std::string Expected;
  } cases[] = {
      {Element("S7_Protocol_EN_GAT", "1"), box(&TFParGen::CB_S7_Protocol_En_GAT), "checked"},
      {Element("S7_Protocol_EN_GAT", "01"), box(&TFParGen::CB_S7_Protocol_En_GAT), "unchecked"},
      {Element("S7_Protocol_EN_GAT", "1 "), box(&TFParGen::CB_S7_Protocol_En_GAT), "unchecked"},
      {Element("Eth_Conn_Enable_DNS", "yes"), box(&TFParGen::CB_EthConn_Enable_DNS), "unchecked"},
      {Element("Eth_Conn_DHCP_Cable", "1"), box(&TFParGen::CB_EthConn_En_DHCP_Cable), "checked"},
      {Element("Eth_Conn_DHCP_WiFi", "1"), box(&TFParGen::CB_EthConn_En_DHCP_WiFi), "unchecked"},
      {Element("CAN_BAUDRATE", "3"), can, "3"},
      {Element("CAN_BAUDRATE", "$4"), can, "4"},
      {Element("CAN_BAUDRATE", "fast"), can, "9"},
      {Element("CAN_BAUDRATE", ""), can, "9"},
      // Outside the list: no selection.
      {Element("CAN_BAUDRATE", "12"), can, "-1"},
      {Element("S7_Protocol_IP2", ""), edit(&TFParGen::E_S7_Protocol_IP2), ""},
      {Element("S7_Protocol_IP2", " 7 "), edit(&TFParGen::E_S7_Protocol_IP2), " 7 "},
      // An element holding elements has no text to read.
      {Element("S7_Protocol_IP2", "<x>1</x>"), edit(&TFParGen::E_S7_Protocol_IP2), "168"},
      {Element("S7_Protocol_SM4", "128"), edit(&TFParGen::E_S7_Protocol_SM4), "128"},
      {Element("Eth_Conn_Device_Name", "Z&#252;rich &amp; Co"), edit(&TFParGen::E_EthConn_Device_Name),
       "Z\u00fcrich & Co"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Xml);
    Write_ParGen(c.Xml);
    Show([&](TFParGen* F) {
      EXPECT_EQ(c.Read(F), c.Expected);
      // Every other element is missing: its control shows its default,
      // whatever the show before left there.
      if (c.Xml.find("S7_Protocol_IP1") == std::string::npos) EXPECT_EQ(F->E_S7_Protocol_IP1->Text(), "192");
      if (c.Xml.find("Eth_Conn_Device_Name") == std::string::npos)
        EXPECT_EQ(F->E_EthConn_Device_Name->Text(), "");
      // Leave something behind for the next show to clear.
      F->E_S7_Protocol_IP1->SetText("77");
      F->E_EthConn_Device_Name->SetText("left over");
    });
  }
}

TEST_F(ParGenTest, ABaudrateOutsideTheListIsWrittenBackAsNoSelection) {
  Write_ParGen(Element("CAN_BAUDRATE", "12"));
  EXPECT_EQ(Edit_And_OK([](TFParGen*) {}), mrOk);
  EXPECT_EQ(Read_Saved(Path_ParGen).Value("CAN_BAUDRATE"), "-1");
}

TEST_F(ParGenTest, ADamagedFileIsReportedAndNeverLeavesAnEarlierProjectsValues) {
  // An earlier show of another project leaves its values in the controls.
  Write_ParGen(Element("S7_Protocol_IP1", "10") + Element("Eth_Conn_Device_Name", "Other plant") +
               Element("Eth_Conn_Enable_DNS", "1") + Element("CAN_BAUDRATE", "2"));
  Show([](TFParGen* F) { EXPECT_EQ(F->E_EthConn_Device_Name->Text(), "Other plant"); });

  const std::string damaged = dir_.File("B/ParGen.xml");
  Write_File(damaged, "<Par_Gen><S7_Protocol_IP1>11</S7_Protocol_IP1><Eth_Conn_Device_Name>");
  Project_Dir = dir_.File("B");
  Set_Files();
  ASSERT_EQ(Path_ParGen, damaged);

  // OK asks before the defaults shown replace the damaged file: No keeps
  // it and the form open, Yes replaces it.
  responder_.AnswerBox(mrOk);
  responder_.AnswerBox(mrNo);
  responder_.AnswerBox(mrYes);
  EXPECT_EQ(Show([this](TFParGen* F) {
              EXPECT_EQ(F->E_S7_Protocol_IP1->Text(), "192");
              EXPECT_EQ(F->E_EthConn_Device_Name->Text(), "");
              EXPECT_FALSE(F->CB_EthConn_Enable_DNS->Checked());
              EXPECT_EQ(F->CB_CAN_Baudrate->ItemIndex(), 9);
              Click_OK(F);
              EXPECT_EQ(F->ModalResult(), mrNone);
              Click_OK(F);
            }),
            mrOk);
  ASSERT_EQ(responder_.Boxes().size(), 3u);
  EXPECT_EQ(responder_.Boxes()[0].Icon, diError);
  EXPECT_EQ(
      responder_.Boxes()[0].Text.rfind(
          "Error! The communication parameters file could not be read, so the default values are shown: ", 0),
      0u)
      << responder_.Boxes()[0].Text;
  EXPECT_EQ(responder_.Boxes()[1].Icon, diQuestion);
  EXPECT_EQ(Read_Saved(damaged).Elements, Default_Elements());
}

// A folder where ParGen.xml should be, or a project folder that is gone, is
// no missing file: the form says the file cannot be read (it used to show
// the defaults without a word), and a NUL that cut the file short is damage.
TEST_F(ParGenTest, AFileThatIsThereButCannotBeReadIsReported) {
  struct Case {
    const char* What;
    std::function<void()> Make;
    const char* Says;
  };
  const std::vector<Case> cases = {
      {"a folder", [&] { std::filesystem::create_directory(Path_ParGen); }, "folder"},
      {"a NUL after the root's end-tag name",
       [&] { Write_File(Path_ParGen, std::string("<Par_Gen></Par_Gen") + '\0' + ">"); }, "NUL"},
      {"a project folder that is gone",
       [&] {
         Project_Dir = dir_.File("gone");
         Set_Files();
       },
       "cannot be read"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(Path_ParGen);
    c.Make();
    const std::size_t before = responder_.Boxes().size();
    responder_.AnswerBox(mrOk);
    Show([](TFParGen* F) { EXPECT_TRUE(F->Load_Damaged()); });
    ASSERT_EQ(responder_.Boxes().size(), before + 1) << c.What;
    const auto& box = responder_.Boxes().back();
    EXPECT_EQ(box.Icon, diError) << c.What;
    EXPECT_NE(box.Text.find(c.Says), std::string::npos) << c.What << ": " << box.Text;
  }
}

TEST_F(ParGenTest, TheCheckStopsAtTheFirstBadValueWithItsMessage) {
  const auto s7 = [](const std::string& Ip, const std::string& Mask) {
    return [=](TFParGen* F) {
      Set_Address(Ip, F->E_S7_Protocol_IP1, F->E_S7_Protocol_IP2, F->E_S7_Protocol_IP3, F->E_S7_Protocol_IP4);
      Set_Address(Mask, F->E_S7_Protocol_SM1, F->E_S7_Protocol_SM2, F->E_S7_Protocol_SM3,
                  F->E_S7_Protocol_SM4);
    };
  };
  const auto gateway = [](bool On, const std::string& Gat) {
    return [=](TFParGen* F) {
      F->CB_S7_Protocol_En_GAT->SetChecked(On);
      Set_Address(Gat, F->E_S7_Protocol_GAT1, F->E_S7_Protocol_GAT2, F->E_S7_Protocol_GAT3,
                  F->E_S7_Protocol_GAT4);
    };
  };
  const auto dns = [](bool On, const std::string& Primary, const std::string& Secondary) {
    return [=](TFParGen* F) {
      F->CB_EthConn_Enable_DNS->SetChecked(On);
      Set_Address(Primary, F->E_EthConn_Pri_DNS_IP1, F->E_EthConn_Pri_DNS_IP2, F->E_EthConn_Pri_DNS_IP3,
                  F->E_EthConn_Pri_DNS_IP4);
      Set_Address(Secondary, F->E_EthConn_Sec_DNS_IP1, F->E_EthConn_Sec_DNS_IP2, F->E_EthConn_Sec_DNS_IP3,
                  F->E_EthConn_Sec_DNS_IP4);
    };
  };
  const auto name = [](const std::string& Name) {
    return [=](TFParGen* F) { F->E_EthConn_Device_Name->SetText(Name); };
  };
  const auto both = [](std::function<void(TFParGen*)> A, std::function<void(TFParGen*)> B) {
    return [=](TFParGen* F) {
      A(F);
      B(F);
    };
  };
  const std::string device_name_message =
      "Error Ethernet Connection!! The Device Name is the device's network name (hostname): it may hold "
      "only the letters A to Z and a to z, the digits 0 to 9, \"-\" and \".\"";
  // Message id 0: the check passes and the file is written.
  const struct {
    const char* What;
    std::function<void(TFParGen*)> Edit;
    int Message;
  } cases[] = {
      {"ip 1 above 255", s7("256.168.0.5", "255.255.255.0"), 451},
      {"ip 2 empty", s7("192..0.5", "255.255.255.0"), 452},
      {"ip 3 a word", s7("192.168.x.5", "255.255.255.0"), 453},
      {"ip 4 negative", s7("192.168.0.-1", "255.255.255.0"), 454},
      {"mask 1 with a trailing blank", s7("192.168.0.5", "255 .255.255.0"), 455},
      {"mask 4 hexadecimal 256", s7("192.168.0.5", "255.255.255.$100"), 458},
      {"blanks, signs and hexadecimal", s7(" 10.0x0A.$ff.+0", "255.255.255.0X0"), 0},
      {"gateway 1 on", gateway(true, "300.168.0.1"), 459},
      {"gateway 4 on", gateway(true, "192.168.0.a"), 462},
      {"gateway off takes anything", gateway(false, "word.168.0.1"), 0},
      {"primary dns 1", dns(true, "256.8.8.8", "8.8.8.8"), 948},
      {"primary dns 4", dns(true, "8.8.8.", "8.8.8.8"), 951},
      {"secondary dns 1", dns(true, "8.8.8.8", ".8.8.8"), 952},
      {"secondary dns 4", dns(true, "8.8.8.8", "8.8.8.999"), 955},
      {"dns off takes anything", dns(false, "300.8.8.8", "8.8.8.8"), 0},
      {"dns comes before the s7 address", both(dns(true, "8.8.8.8", "x.8.8.8"), s7("999.0.0.0", "0.0.0.0")),
       952},
      {"disabled by dhcp, still checked",
       both([](TFParGen* F) { F->CB_EthConn_En_DHCP_Cable->SetChecked(true); },
            s7("192.168.0.500", "0.0.0.0")),
       454},
      {"host name", name("plc.Line3-converter-09"), 0},
      {"latin-1 letter", name("Z\u00fcrich-1"), -1},
      {"underscore", name("plant_1"), -1},
      {"blank", name("Plant 3"), -1},
      {"name beyond latin-1", name("\u0141\u00f3d\u017a"), -1},
      {"name with a euro sign", name("Plant\u20ac"), -1},
      {"name with a tab", name("Plant\t3"), -1},
      {"the name comes first", both(name("\u4e2d"), s7("999.0.0.0", "0.0.0.0")), -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    DeleteFile(Path_ParGen);
    const std::size_t boxes = responder_.Boxes().size();
    if (c.Message != 0) responder_.AnswerBox(mrOk);
    const int result = Show([&](TFParGen* F) {
      c.Edit(F);
      Click_OK(F);
      // A failed check leaves the form open with the values as typed.
      if (c.Message != 0) EXPECT_EQ(F->ModalResult(), mrNone);
    });
    if (c.Message == 0) {
      EXPECT_EQ(result, mrOk);
      EXPECT_EQ(responder_.Boxes().size(), boxes);
      EXPECT_TRUE(FileExists(Path_ParGen));
      continue;
    }
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(FileExists(Path_ParGen));
    ASSERT_EQ(responder_.Boxes().size(), boxes + 1);
    const TDialogResponder::Box& box = responder_.Boxes().back();
    EXPECT_EQ(box.Icon, diError);
    EXPECT_EQ(box.Text, c.Message < 0 ? device_name_message : Lang_Table->Strings(c.Message));
  }
  EXPECT_EQ(Lang_Table->Strings(452), "Error S7comm!! IP Address 2 must be between 0 and 255");
  EXPECT_EQ(Lang_Table->Strings(952), "Error Secondary DNS!! DNS 1 must be between 0 and 255");
}

TEST_F(ParGenTest, ValuesTheCheckDoesNotCoverAreSavedAsTyped) {
  EXPECT_EQ(Edit_And_OK([](TFParGen* F) {
              Set_Address("300.8.8.8", F->E_EthConn_Pri_DNS_IP1, F->E_EthConn_Pri_DNS_IP2,
                          F->E_EthConn_Pri_DNS_IP3, F->E_EthConn_Pri_DNS_IP4);
              F->E_S7_Protocol_GAT2->SetText("word");
            }),
            mrOk);
  const TSaved_ParGen saved = Read_Saved(Path_ParGen);
  EXPECT_EQ(saved.Value("Eth_Conn_Primary_DNS1"), "300");
  EXPECT_EQ(saved.Value("S7_Protocol_GAT2"), "word");
  EXPECT_EQ(saved.Value("Eth_Conn_Enable_DNS"), "0");
}

TEST_F(ParGenTest, AFailedSaveIsReportedAndTheFormStaysOpen) {
  TSafeWriteHookScope full_disk(
      [](TSafeWriteStage Stage, const std::string&) { return Stage == swsWrite ? ENOSPC : 0; });
  responder_.AnswerBox(mrOk);
  EXPECT_EQ(Show([&](TFParGen* F) {
              Click_OK(F);
              EXPECT_EQ(F->ModalResult(), mrNone);
            }),
            mrCancel);
  ASSERT_EQ(responder_.Boxes().size(), 1u);
  EXPECT_EQ(responder_.Boxes()[0].Icon, diError);
  EXPECT_EQ(responder_.Boxes()[0].Text.rfind("Error! The communication parameters could not be saved: ", 0),
            0u)
      << responder_.Boxes()[0].Text;
  EXPECT_FALSE(FileExists(Path_ParGen));
}

TEST_F(ParGenTest, CancelDiscardsTheChanges) {
  Write_ParGen(Element("S7_Protocol_IP1", "10"));
  const std::string before = Read_File(Path_ParGen);
  EXPECT_EQ(Show([](TFParGen* F) {
              F->E_S7_Protocol_IP1->SetText("99");
              F->CB_S7_Protocol_En_GAT->SetChecked(true);
              testinput::Click(F->Btn_Cancel, 10, 10);
            }),
            mrCancel);
  EXPECT_EQ(Read_File(Path_ParGen), before);
  Show([](TFParGen* F) {
    EXPECT_EQ(F->E_S7_Protocol_IP1->Text(), "10");
    EXPECT_FALSE(F->CB_S7_Protocol_En_GAT->Checked());
  });
}

// Escape or the close box with a value changed asks first; No keeps the
// form open with the value. Unchanged, or with the value typed back, they
// close at once. The Cancel button discards without a question.
TEST_F(ParGenTest, EscapeAndTheCloseBoxAskBeforeChangedValuesAreThrownAway) {
  Write_ParGen(Element("S7_Protocol_IP1", "10"));
  const std::string before = Read_File(Path_ParGen);
  const auto escape = [](TFParGen* F) {
    F->E_S7_Protocol_IP1->SetFocus();
    testinput::PressKey(VK_ESCAPE);
  };
  const auto close_box = [](TFParGen* F) { SendMessage(F->Handle(), WM_CLOSE, 0, 0); };
  for (const auto& close :
       {std::function<void(TFParGen*)>(escape), std::function<void(TFParGen*)>(close_box)}) {
    responder_.AnswerBox(mrNo);
    responder_.AnswerBox(mrYes);
    const std::size_t asked = responder_.Boxes().size();
    EXPECT_EQ(Show([&](TFParGen* F) {
                F->E_S7_Protocol_IP1->SetText("99");
                close(F);
                F->CloseModal();
                EXPECT_EQ(F->ModalResult(), mrNone);
                EXPECT_EQ(F->E_S7_Protocol_IP1->Text(), "99");
                close(F);
                F->CloseModal();
              }),
              mrCancel);
    ASSERT_EQ(responder_.Boxes().size(), asked + 2);
    EXPECT_EQ(responder_.Boxes().back().Text, Lang_Table->Strings(Text_Discard_Changes));
    // Typed back to what was read: nothing to lose, no question.
    EXPECT_EQ(Show([&](TFParGen* F) {
                F->E_S7_Protocol_IP1->SetText("99");
                F->E_S7_Protocol_IP1->SetText("10");
                close(F);
              }),
              mrCancel);
    EXPECT_EQ(responder_.Boxes().size(), asked + 2);
  }
  Show([](TFParGen* F) {
    F->E_S7_Protocol_IP1->SetText("99");
    testinput::Click(F->Btn_Cancel, 10, 10);
  });
  EXPECT_EQ(Read_File(Path_ParGen), before);
}

TEST_F(ParGenTest, ADotMovesAlongTheAddressChainAndIsNeverTyped) {
  const struct {
    TEdit* TFParGen::*From;
    TEdit* TFParGen::*To;
  } cases[] = {
      {&TFParGen::E_S7_Protocol_IP1, &TFParGen::E_S7_Protocol_IP2},
      {&TFParGen::E_S7_Protocol_IP4, &TFParGen::E_S7_Protocol_SM1},
      {&TFParGen::E_S7_Protocol_SM4, &TFParGen::E_S7_Protocol_GAT1},
      {&TFParGen::E_S7_Protocol_GAT4, &TFParGen::E_S7_Protocol_GAT4},
      {&TFParGen::E_EthConn_Pri_DNS_IP4, &TFParGen::E_EthConn_Sec_DNS_IP1},
      {&TFParGen::E_EthConn_Sec_DNS_IP4, &TFParGen::E_EthConn_Sec_DNS_IP4},
  };
  Show([&](TFParGen* F) {
    for (const auto& c : cases) {
      TEdit* from = F->*c.From;
      SCOPED_TRACE(from->Name());
      from->SetText("");
      from->SetFocus();
      testinput::TypeText("12.");
      EXPECT_EQ(from->Text(), "12");
      EXPECT_EQ(F->ActiveControl(), F->*c.To);
    }
    // The next octet cannot take the focus: the dot is dropped all the same.
    F->E_S7_Protocol_GAT1->SetEnabled(false);
    F->E_S7_Protocol_SM4->SetFocus();
    testinput::TypeText(".");
    EXPECT_EQ(F->ActiveControl(), F->E_S7_Protocol_SM4);
    EXPECT_EQ(F->E_S7_Protocol_SM4->Text(), "12");
    // The device name is no address: a dot is typed there, up to 31
    // characters in all.
    F->E_EthConn_Device_Name->SetText("");
    F->E_EthConn_Device_Name->SetFocus();
    testinput::TypeText("plc.line3.converter-0123456789-ABC");
    EXPECT_EQ(F->E_EthConn_Device_Name->Text(), "plc.line3.converter-0123456789-");
  });
}

TEST_F(ParGenTest, CableDhcpDisablesTheS7AddressAndKeepsItsValues) {
  Show([](TFParGen* F) {
    TControl* const s7[] = {F->E_S7_Protocol_IP1,    F->E_S7_Protocol_IP2,  F->E_S7_Protocol_IP3,
                            F->E_S7_Protocol_IP4,    F->E_S7_Protocol_SM1,  F->E_S7_Protocol_SM2,
                            F->E_S7_Protocol_SM3,    F->E_S7_Protocol_SM4,  F->E_S7_Protocol_GAT1,
                            F->E_S7_Protocol_GAT2,   F->E_S7_Protocol_GAT3, F->E_S7_Protocol_GAT4,
                            F->CB_S7_Protocol_En_GAT};
    EXPECT_FALSE(F->CB_EthConn_En_DHCP_WiFi->Enabled());
    for (TControl* c : s7) EXPECT_TRUE(c->Enabled()) << c->Name();
    testinput::Click(F->CB_EthConn_En_DHCP_Cable, 5, 5);
    ASSERT_TRUE(F->CB_EthConn_En_DHCP_Cable->Checked());
    for (TControl* c : s7) EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_EQ(F->E_S7_Protocol_IP4->Text(), "5");
    // The DNS edits follow neither box.
    EXPECT_TRUE(F->E_EthConn_Pri_DNS_IP1->Enabled());
    // A panel collapsed by its header stays so while the layout runs, and
    // opens at the height the layout gave it.
    F->CP_S7_Protocol->SetCollapsed(true);
    testinput::Click(F->CB_EthConn_En_DHCP_Cable, 5, 5);
    for (TControl* c : s7) EXPECT_TRUE(c->Enabled()) << c->Name();
    EXPECT_EQ(F->CP_S7_Protocol->Height(), F->CPG->HeaderHeight());
    F->CP_S7_Protocol->SetCollapsed(false);
    EXPECT_EQ(F->CP_S7_Protocol->Height(), 123);
  });
}

TEST_F(ParGenTest, ThisModelShowsItsThreePanelsNumberedInOrder) {
  const struct {
    TCategoryPanel* Panel;
    const char* Caption;
    int Top;
    int Height;
  } expected[] = {{form_->CP_Ethernet_Connection, "1. Ethernet Connection", 0, 206},
                  {form_->CP_S7_Protocol, "2. S7comm", 206, 123},
                  {form_->CP_CAN, "3. CAN", 329, 67}};
  int shown = 0;
  for (int i = 0; i < form_->CPG->PanelCount(); ++i) shown += form_->CPG->Panels(i)->Visible() ? 1 : 0;
  EXPECT_EQ(form_->CPG->PanelCount(), 21);
  EXPECT_EQ(shown, 3);
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(expected[k].Caption);
    TCategoryPanel* p = expected[k].Panel;
    EXPECT_TRUE(p->Visible());
    EXPECT_EQ(p->Caption(), expected[k].Caption);
    EXPECT_EQ(p->Top(), expected[k].Top);
    EXPECT_EQ(p->Height(), expected[k].Height);
    EXPECT_EQ(p->TabOrder(), k);
  }
  EXPECT_EQ(form_->CB_CAN_Baudrate->ItemIndex(), 9);
  EXPECT_EQ(form_->ImageList1->Count(), 2);
  EXPECT_EQ(form_->ClientWidth(), 460);
  EXPECT_EQ(form_->ClientHeight(), 700);
  EXPECT_EQ(form_->L_SW_Code->Caption(), "CF30406");
}

TEST_F(ParGenTest, SetLangAppliesTheBlocksTextsButKeepsThePanelCaptions) {
  for (int id = 400; id <= 955; ++id) Lang_Table->SetStrings(id, "#" + std::to_string(id));
  form_->Set_Lang();
  std::set<int> applied;
  const auto note = [&](const std::string& Text) {
    if (Text.size() > 1 && Text[0] == '#')
      EXPECT_TRUE(applied.insert(std::stoi(Text.substr(1))).second) << Text;
  };
  note(form_->Caption());
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* c = dynamic_cast<TControl*>(form_->Components(i));
    if (c == nullptr) continue;
    note(c->Caption());
    note(c->Hint());
  }
  // Every id of the block but the panel captions, the messages and the
  // texts that label no control.
  std::set<int> expected;
  for (int id = 400; id <= 955; ++id) expected.insert(id);
  for (int id : {406, 423, 442, 479, 489, 504, 507, 522, 534, 585, 627,
                 633, 660, 705, 720, 726, 790, 828, 872, 906, 929})
    expected.erase(id);
  const std::pair<int, int> unused[] = {{451, 478}, {488, 488}, {502, 503}, {519, 521}, {531, 533},
                                        {573, 584}, {608, 626}, {632, 632}, {677, 682}, {687, 704},
                                        {725, 725}, {769, 789}, {807, 812}, {815, 827}, {856, 871},
                                        {893, 905}, {919, 928}, {948, 955}};
  for (const auto& [first, last] : unused)
    for (int id = first; id <= last; ++id) expected.erase(id);
  ASSERT_EQ(expected.size(), 354u);
  EXPECT_EQ(applied, expected);

  const struct {
    TControl* Control;
    std::string Caption;
    std::string Hint;
  } spots[] = {
      {form_->L_SW_Desc, "#401", ""},
      {form_->Btn_OK, "#402", "#404"},
      {form_->Btn_Cancel, "#403", "#405"},
      {form_->L_EthConn_Device_Name, "#930", ""},
      {form_->E_EthConn_Device_Name, "", "#931"},
      {form_->CB_EthConn_En_DHCP_Cable, "#932", "#933"},
      {form_->E_EthConn_Sec_DNS_IP4, "", "#947"},
      {form_->CB_S7_Protocol_En_GAT, "#417", "#418"},
      {form_->CB_CAN_Baudrate, "", "#506"},
      {form_->CB_SNMP_Agent_Version1, "1", "#558"},
      {form_->CB_SNMP_Agent_Version3, "3", "#560"},
      {form_->E_Ethernet_TCP_Port, "", "#684"},
      {form_->E_OPC_UA_Server_Port, "", "#814"},
      {form_->L_IEC61850_Server_Port, "#873", ""},
      {form_->E_IEC61850_Server_GAT4, "", "#892"},
      {form_->E_PROFINET_Diagnostic, "0", "#855"},
      {form_->CB_BACnet_Slave_Desc_32_Chars, "#767", "#768"},
  };
  for (const auto& s : spots) {
    SCOPED_TRACE(s.Control->Name());
    if (dynamic_cast<TCustomEdit*>(s.Control) == nullptr || !s.Caption.empty())
      EXPECT_EQ(s.Control->Caption(), s.Caption);
    EXPECT_EQ(s.Control->Hint(), s.Hint);
  }
  // Numbered in the language of the start: a later change leaves them.
  EXPECT_EQ(form_->CP_Ethernet_Connection->Caption(), "1. Ethernet Connection");
  EXPECT_EQ(form_->CP_CAN->Caption(), "3. CAN");
  Load_Default_Language();
}

TEST_F(ParGenTest, TheWheelScrollsThePanelsByTheLinesSetting) {
  Show([](TFParGen* F) {
    F->SetClientHeight(300);
    testinput::Pump();
    TControlScrollBar* bar = F->CPG->VertScrollBar();
    ASSERT_GT(bar->ScrollMax(), 0);
    const int step = Mouse->WheelScrollLines() * 8;
    bool handled = false;
    F->FormMouseWheel(F, {}, -120, F->CPG->ClientToScreen(TPoint(20, 20)), handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(bar->Position(), step);
    // Whatever the size of the turn.
    F->FormMouseWheel(F, {}, -480, F->CPG->ClientToScreen(TPoint(20, 20)), handled);
    EXPECT_EQ(bar->Position(), std::min(2 * step, bar->ScrollMax()));
    F->FormMouseWheel(F, {}, 120, F->CPG->ClientToScreen(TPoint(20, 20)), handled);
    EXPECT_EQ(bar->Position(), std::min(2 * step, bar->ScrollMax()) - step);
    // Outside the panels the form's own handling applies.
    const int before = bar->Position();
    F->FormMouseWheel(F, {}, -120, F->Btn_OK->ClientToScreen(TPoint(5, 5)), handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(bar->Position(), before);
    // A turn of the wheel over a control of a panel comes the same way.
    bar->SetPosition(0);
    testinput::Wheel(F->L_EthConn_Device_Name, -120);
    EXPECT_EQ(bar->Position(), step);
  });
}

TEST_F(ParGenTest, TheWidthStaysFixedAndTheHeightFollowsTheUser) {
  form_->SetClientWidth(600);
  form_->SetClientHeight(520);
  EXPECT_EQ(form_->ClientWidth(), 460);
  EXPECT_EQ(form_->ClientHeight(), 520);
}

// Made as short as the user may, the form keeps its title, the first panel
// header and the buttons whole; it cannot be made wider or narrower.
TEST_F(ParGenTest, AtItsSmallestTheFormKeepsItsButtonsUsable) {
  form_->SetBounds(form_->Left(), form_->Top(), 100, 50);
  EXPECT_EQ(form_->ClientWidth(), 460);
  EXPECT_EQ(form_->ClientHeight(), 200);
  EXPECT_GE(form_->CPG->Height(), form_->CPG->HeaderHeight());
  const TRect client = form_->ClientRect();
  for (TControl* b : {static_cast<TControl*>(form_->Btn_OK), static_cast<TControl*>(form_->Btn_Cancel)}) {
    const TPoint p = form_->ScreenToClient(b->ClientToScreen(TPoint(0, 0)));
    EXPECT_TRUE(p.X >= 0 && p.Y >= form_->CPG->Top() + form_->CPG->Height() &&
                p.X + b->Width() <= client.Right && p.Y + b->Height() <= client.Bottom)
        << b->Name();
  }
  form_->HandleNeeded();
  TQtWindowFacts facts;
  ASSERT_TRUE(QtWindowFacts(form_->Handle(), facts));
  EXPECT_EQ(facts.MinWidth, 460);
  EXPECT_EQ(facts.MaxWidth, 460);
  EXPECT_EQ(facts.MinHeight, 200);
}

// The image compiler reads what the form wrote.
TEST_F(ParGenTest, TheParameterBlockOfASavedProjectFollowsTheForm) {
  const auto u32 = [](const std::string& b, int off) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[off + i]);
    return v;
  };
  const auto bytes = [](const std::string& b, int off, int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(static_cast<unsigned char>(b[off + i]));
    return v;
  };
  const struct {
    const char* What;
    std::function<void(TFParGen*)> Edit;
    std::vector<int> Device_IP, Mask, Gateway, Primary, Secondary;
    int DHCP;
    std::vector<int> Name;
    std::uint32_t Rate;
  } cases[] = {
      {"defaults",
       [](TFParGen*) {},
       {192, 168, 0, 5},
       {255, 255, 255, 0},
       {255, 255, 255, 255},
       {0, 0, 0, 0},
       {0, 0, 0, 0},
       0,
       {0, 0},
       1000000},
      {"everything set",
       [](TFParGen* F) {
         Set_Address("10.1.2.3", F->E_S7_Protocol_IP1, F->E_S7_Protocol_IP2, F->E_S7_Protocol_IP3,
                     F->E_S7_Protocol_IP4);
         Set_Address("255.255.0.0", F->E_S7_Protocol_SM1, F->E_S7_Protocol_SM2, F->E_S7_Protocol_SM3,
                     F->E_S7_Protocol_SM4);
         F->CB_S7_Protocol_En_GAT->SetChecked(true);
         Set_Address("10.1.0.$FE", F->E_S7_Protocol_GAT1, F->E_S7_Protocol_GAT2, F->E_S7_Protocol_GAT3,
                     F->E_S7_Protocol_GAT4);
         F->CB_EthConn_En_DHCP_Cable->SetChecked(true);
         F->CB_EthConn_Enable_DNS->SetChecked(true);
         Set_Address("1.1.1.1", F->E_EthConn_Pri_DNS_IP1, F->E_EthConn_Pri_DNS_IP2, F->E_EthConn_Pri_DNS_IP3,
                     F->E_EthConn_Pri_DNS_IP4);
         Set_Address("9.9.9.9", F->E_EthConn_Sec_DNS_IP1, F->E_EthConn_Sec_DNS_IP2, F->E_EthConn_Sec_DNS_IP3,
                     F->E_EthConn_Sec_DNS_IP4);
         F->E_EthConn_Device_Name->SetText("Koeln-1");
         F->CB_CAN_Baudrate->SetItemIndex(3);
       },
       {10, 1, 2, 3},
       {255, 255, 0, 0},
       {10, 1, 0, 254},
       {1, 1, 1, 1},
       {9, 9, 9, 9},
       1,
       {'K', 'o', 'e', 'l', 'n', '-', '1', 0},
       62500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    DeleteFile(Path_ParGen);
    ASSERT_EQ(Edit_And_OK(c.Edit), mrOk);
    Compile_Configuration();
    std::string reason;
    ASSERT_TRUE(Save_Bank_Files(&reason)) << reason;
    const std::string b = Read_File(dir_.File("bin/bank1.bin"));
    ASSERT_EQ(b.size(), 2048u);
    EXPECT_EQ(u32(b, 0x000), c.Rate);
    EXPECT_EQ(u32(b, 0x004), c.Rate);
    EXPECT_EQ(bytes(b, 0x028, 4), c.Device_IP);
    EXPECT_EQ(bytes(b, 0x02C, 4), c.Mask);
    EXPECT_EQ(bytes(b, 0x030, 4), c.Gateway);
    EXPECT_EQ(bytes(b, 0x4E8, 2), (std::vector<int>{c.DHCP, 0}));
    EXPECT_EQ(bytes(b, 0x514, static_cast<int>(c.Name.size())), c.Name);
    EXPECT_EQ(bytes(b, 0x58C, 4), c.Primary);
    EXPECT_EQ(bytes(b, 0x53C, 4), c.Secondary);
    EXPECT_EQ(b.substr(0x66C, 8), std::string("1.000\0\0\0", 8));
    std::uint32_t sum = 0;
    for (int i = 0; i < 0x7FC; ++i) sum += static_cast<unsigned char>(b[i]);
    EXPECT_EQ(u32(b, 0x7FC), sum);
  }
}

// What a person sees after making the form short and tall again: every
// shown panel's header runs across the whole group, the edits show their
// values where they stand, and the buttons sit at their places. The grab
// is kept as a test artefact.
TEST_F(ParGenTest, TheFormReadsWellInAScreenshot) {
  Write_ParGen(Element("Eth_Conn_Device_Name", "Converter-Line3") + Element("Eth_Conn_Enable_DNS", "1") +
               Element("S7_Protocol_EN_GAT", "1") + Element("CAN_BAUDRATE", "6"));
  Show([&](TFParGen* F) {
    F->SetClientHeight(250);
    testinput::Pump();
    ASSERT_TRUE(F->CPG->VertBarShown());
    F->SetClientHeight(700);
    testinput::Pump();
    ASSERT_FALSE(F->CPG->VertBarShown());

    std::unique_ptr<TBitmap> grab = F->GrabToBitmap();
    const char* dir = std::getenv("CF_TEST_BIN_DIR");
    const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
    ForceDirectories(folder);
    F->GrabToPng(folder + "/pargen.png");
    ASSERT_EQ(grab->Width(), F->ClientWidth());
    ASSERT_EQ(grab->Height(), F->ClientHeight());
    const TPixelData& px = grab->PixelData();
    auto at = [&](TControl* C, int X, int Y) {
      const TPoint p = F->ScreenToClient(C->ClientToScreen(TPoint(X, Y)));
      return px.GetPixel(p.X, p.Y);
    };
    const TColor group = ColorToRGB(F->CPG->Color());
    for (TCategoryPanel* panel : {F->CP_Ethernet_Connection, F->CP_S7_Protocol, F->CP_CAN}) {
      SCOPED_TRACE(panel->Name());
      EXPECT_EQ(panel->Width(), F->CPG->ClientWidth());
      // The header's shading reaches the right edge of the group.
      const int y = panel->HeaderHeight() - 3;
      EXPECT_NE(at(panel, 2, y), group);
      EXPECT_NE(at(panel, F->CPG->ClientWidth() - 3, y), group);
    }
    // An edit shows its text on a window-coloured field.
    TEdit* name = F->E_EthConn_Device_Name;
    EXPECT_EQ(at(name, name->ClientWidth() - 3, name->ClientHeight() / 2), ColorToRGB(clWindow));
    int ink = 0;
    for (int x = 2; x < 60; ++x)
      if (at(name, x, name->ClientHeight() / 2) != ColorToRGB(clWindow)) ++ink;
    EXPECT_GT(ink, 0);
    // Each button is drawn over its own rectangle, not the strip's colour.
    for (TControl* b : {static_cast<TControl*>(F->Btn_OK), static_cast<TControl*>(F->Btn_Cancel)}) {
      const TColor strip = at(F->P_Button, 2, 2);
      EXPECT_NE(at(b, b->Width() / 2, 3), strip) << b->Name();
      EXPECT_EQ(at(F->P_Button, b->Left() - 3, b->Top() + b->Height() / 2), strip) << b->Name();
    }
  });
}

using ParGenStepTest = TAppFormsTest;

TEST_F(ParGenStepTest, TheMainWindowsStepOpensTheFormOnTheOpenProject) {
  Make_Project_Folder("Line 1");
  Write_Settings("Line 1");
  Write_File(Projects("Line 1") + "/ParGen.xml",
             "<Par_Gen>" + Element("S7_Protocol_IP1", "10") + "</Par_Gen>");
  Start();
  ASSERT_NE(FParGen, nullptr);
  EXPECT_EQ(Find_Form("FParGen"), FParGen);

  TDialogResponder r;
  r.OnModal([](TCustomForm* Form) {
    ASSERT_EQ(Form, FParGen);
    EXPECT_EQ(FParGen->E_S7_Protocol_IP1->Text(), "10");
    testinput::Click(FParGen->Btn_OK, 10, 10);
  });
  FLumetraFirmWare->Btn_Prm_Gen->Click();
  EXPECT_EQ(r.ModalForms().size(), 1u);
  const TSaved_ParGen saved = Read_Saved(Projects("Line 1") + "/ParGen.xml");
  EXPECT_EQ(saved.Names(), Element_Order);
  EXPECT_EQ(saved.Value("S7_Protocol_IP1"), "10");

  // A language picked later reaches every text but the panel headers.
  Lang_Table->SetStrings(930, "Ger\u00e4tename");
  Lang_Table->SetStrings(929, "Ethernet-Verbindung");
  FLumetraFirmWare->Change_Language();
  EXPECT_EQ(FParGen->L_EthConn_Device_Name->Caption(), "Ger\u00e4tename");
  EXPECT_EQ(FParGen->CP_Ethernet_Connection->Caption(), "1. Ethernet Connection");
}
