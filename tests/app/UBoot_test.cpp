#include "app/UBoot.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UNew_Project.h"
#include "app/UParGen.h"
#include "controls/button/LbButton.h"
#include "framework/controls/CheckBox.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/Graphics.h"
#include "framework/net/Ping.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/Tick.h"
#include "framework/xml/XmlDom.h"
#include "grid/model/VevCGrid.h"
#include "tests/app/AppFormsFixture.h"
#include "tests/support/Input.h"
#include "tests/support/Responder.h"

namespace {
// What the dialog says when the updater ended without error.
const char* const Text_Finished = "The update has ended: the updater finished without error.";

// Where the build puts the stand-in programs.
std::string Test_Bin_Dir() {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  if (dir != nullptr && *dir != 0) return dir;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

// An echo client whose answers the test chooses, echo by echo. Each echo
// moves the test clock on: 250 ms for an answer (a slow device), the whole
// wait without one.
class TFakePinger : public IPinger {
 public:
  enum TKind { Answer, Silence, Unresolvable, No_Socket };
  explicit TFakePinger(std::function<TKind(int Echo)> Script, testinput::TTestClock* Clock = nullptr)
      : script_(std::move(Script)), clock_(Clock) {}

  TEchoReply Echo(const std::string& Host, int PayloadSize, int TimeoutMs) override {
    Hosts.push_back(Host);
    EXPECT_EQ(PayloadSize, 1024);
    EXPECT_EQ(TimeoutMs, 400);
    TEchoReply r;
    switch (script_(static_cast<int>(Hosts.size()) - 1)) {
      case Answer:
        Advance(250);
        r.Answered = true;
        r.BytesReceived = 8 + PayloadSize;
        r.RoundTripMs = 250;
        break;
      case Silence:
        Advance(static_cast<unsigned>(TimeoutMs));
        break;
      case Unresolvable:
        throw ESocketError("Host not found: " + Host);
      case No_Socket:
        throw EIcmpUnavailable("Cannot open an ICMP socket: Operation not permitted");
    }
    return r;
  }

  std::vector<std::string> Hosts;

 private:
  void Advance(unsigned Ms) {
    if (clock_ != nullptr) clock_->Advance(Ms);
  }
  std::function<TKind(int)> script_;
  testinput::TTestClock* clock_;
};

class TBootTest : public TAppFormsTest {
 protected:
  void SetUp() override {
    TAppFormsTest::SetUp();
    Make_Project_Folder("Line 1");
    Write_Settings("Line 1");
    // An installation that brings the firmware image.
    Write_File(File("MASTER/Sim30406.sim"), "firmware");
    Start();
    boot_ = FBoot;
    ASSERT_NE(boot_, nullptr);
    FLumetraFirmWare->Program_Time_Cap_Ms = 2000;
  }

  TFakePinger* Use_Pinger(std::function<TFakePinger::TKind(int)> Script,
                          testinput::TTestClock* Clock = nullptr) {
    auto p = std::make_unique<TFakePinger>(std::move(Script), Clock);
    TFakePinger* raw = p.get();
    boot_->Set_Pinger(std::move(p));
    return raw;
  }
  TFakePinger* Device_Answers() {
    return Use_Pinger([](int) { return TFakePinger::Answer; });
  }

  void Install_Updater() {
    std::filesystem::copy_file(Test_Bin_Dir() + "/fake_updater", File("Ethernet_Update"),
                               std::filesystem::copy_options::overwrite_existing);
  }

  void Type_Address(const char* A, const char* B, const char* C, const char* D) {
    boot_->E_IP1->SetText(A);
    boot_->E_IP2->SetText(B);
    boot_->E_IP3->SetText(C);
    boot_->E_IP4->SetText(D);
  }

  // Shows the dialog as Update Device does, without the modal loop.
  void Show_Ethernet() {
    boot_->Set_Form_Type(1);
    testinput::ShowForm(boot_);
  }

  void TearDown() override {
    if (boot_ != nullptr && boot_->Visible()) boot_->Hide();
    TAppFormsTest::TearDown();
  }

  bool Updater_Ran() const { return FileExists(File("updater_ran.txt")); }

  // The folder the configurator keeps its files in when the executable's
  // own folder cannot be written (an installed program).
  void Move_Data_Folder(const std::string& Folder) {
    ForceDirectories(Folder);
    App_Dir = Folder;
    Init_App_Folders();
  }

  TFBoot* boot_ = nullptr;
};

// The script as (path, text) pairs in document order, elements only; the
// root first, each operation's children under "Operations/Operation[i]/".
std::vector<std::pair<std::string, std::string>> Script_Elements(const std::string& FileName) {
  TXMLDocument doc;
  doc.LoadFromFile(FileName);
  std::vector<std::pair<std::string, std::string>> out;
  std::function<void(const TXMLNode&, const std::string&)> walk = [&](const TXMLNode& n,
                                                                      const std::string& at) {
    int op = 0;
    for (int i = 0; i < n.ChildCount(); ++i) {
      TXMLNode c = n.ChildNodes(i);
      EXPECT_EQ(c.NodeType(), ntElement) << at;
      EXPECT_EQ(c.AttributeCount(), 0) << at << c.NodeName();
      std::string path = at + c.NodeName();
      if (c.NodeName() == "Operation") path += "[" + std::to_string(op++) + "]";
      bool has_elements = false;
      for (int k = 0; k < c.ChildCount(); ++k) has_elements |= c.ChildNodes(k).NodeType() == ntElement;
      if (has_elements || c.NodeName() == "Operations") {
        out.emplace_back(path, "<>");
        walk(c, path + "/");
      } else {
        out.emplace_back(path, c.Text());
      }
    }
  };
  EXPECT_EQ(doc.ChildCount(), 1);
  TXMLNode root = doc.ChildNodes(0);
  EXPECT_EQ(root.NodeName(), "Ethernet_Update");
  walk(root, "");
  return out;
}

struct TOp {
  std::string File, Start, Bank, Css, GoToApp;
};

std::vector<std::pair<std::string, std::string>> Expected_Script(const std::string& Ip,
                                                                 const std::vector<TOp>& Ops,
                                                                 const char* Read_Back) {
  std::vector<std::pair<std::string, std::string>> e = {
      {"Version", "1000"},
      {"Title", "Korvel - CF30406 Ethernet Update"},
      {"IP_Address_Dev", Ip},
      {"Application_Port", "10000"},
      {"Boot_Port", "2008"},
      {"Boot_Port_Sec", "2007"},
      {"Address_Protection", "0x07800"},
      {"Protections", "<>"},
      {"Protections/Protection", "0x3C5"},
      {"Operations", "<>"},
  };
  for (std::size_t i = 0; i < Ops.size(); ++i) {
    const std::string at = "Operations/Operation[" + std::to_string(i) + "]";
    e.emplace_back(at, "<>");
    const std::pair<const char*, std::string> children[] = {
        {"Ope_Protection_Enabled", ""},
        {"Ope_GoToBoot_Before", "0"},
        {"Ope_GoToApp_Before", "0"},
        {"Ope_IP_Address", ""},
        {"Ope_Port", "2008"},
        {"Ope_Port_Sec", "2007"},
        {"Ope_Erase_Memory", "0"},
        {"Ope_FileName", Ops[i].File},
        {"Ope_Start_Address", Ops[i].Start},
        {"Ope_Memory_Type", "0"},
        {"Ope_Bank_Type", Ops[i].Bank},
        {"Ope_Read_Back", Read_Back},
        {"Ope_Write_CSS", Ops[i].Css},
        {"Ope_Address_CSS", "0x07A00"},
        {"Ope_Command_CSS", "0x02"},
        {"Ope_Write_Internal_Data", "0"},
        {"Ope_WID_Address", "0x07810"},
        {"Ope_WID_Command", "0x02"},
        {"Ope_WID_Data", "0x00, 0x00, 0x00, 0x01"},
        {"Ope_GoToApp_After", Ops[i].GoToApp},
    };
    for (const auto& c : children) e.emplace_back(at + "/" + c.first, c.second);
  }
  return e;
}
}  // namespace

TEST_F(TBootTest, TheScriptHoldsTheOperationsOfTheChosenOption) {
  const std::string firmware = dir_.File("MASTER/Sim30406.sim");
  const std::string bank1 = Projects("Line 1") + "/bin/bank1.bin";
  const std::string bank2 = Projects("Line 1") + "/bin/bank2.bin";
  const struct {
    int Option;
    bool Read_Back;
    std::vector<TOp> Ops;
  } cases[] = {
      // The last operation tells the device to start its application.
      {0,
       true,
       {{firmware, "0x8000", "1", "1", "0"},
        {bank1, "0x07000", "2", "0", "0"},
        {bank2, "0x80000", "2", "0", "1"}}},
      {1, false, {{firmware, "0x8000", "1", "1", "1"}}},
      {2, true, {{bank1, "0x07000", "2", "0", "0"}, {bank2, "0x80000", "2", "0", "1"}}},
      {-1, false, {}},
  };
  Type_Address("10", "0", "0", "7");
  for (const auto& c : cases) {
    SCOPED_TRACE("option " + std::to_string(c.Option));
    boot_->CB_Update_Options->SetItemIndex(c.Option);
    boot_->CB_Update_Option_Read_Back->SetChecked(c.Read_Back);
    std::string error;
    ASSERT_TRUE(boot_->Compile_XML_Parameter_New_Boot(&error)) << error;
    const std::string file = File("Ethernet_Update.xml");
    // The root element first: no declaration, no comment.
    EXPECT_EQ(Read_File(file).rfind("<Ethernet_Update>", 0), 0u);
    EXPECT_EQ(Script_Elements(file), Expected_Script("10.0.0.7", c.Ops, c.Read_Back ? "1" : "0"));
  }
}

TEST_F(TBootTest, EchoesStopAfterTwoAnswersOrFiveSecondsAndTheLastOneDecides) {
  using K = TFakePinger;
  const struct {
    const char* Name;
    std::function<K::TKind(int)> Script;
    bool Found;
    std::size_t Echoes;
    int Ping_Res;
  } cases[] = {
      {"answers", [](int) { return K::Answer; }, true, 2, 1},
      // 400 ms each until more than 5 s have passed.
      {"never answers", [](int) { return K::Silence; }, false, 13, 2},
      {"alternates", [](int n) { return n % 2 == 0 ? K::Silence : K::Answer; }, true, 4, 1},
      // One answer, after 4.8 s of silence, that ends past the 5 s.
      {"answers only at the end", [](int n) { return n < 12 ? K::Silence : K::Answer; }, true, 13, 1},
      {"cannot resolve", [](int) { return K::Unresolvable; }, false, 1, 0},
  };
  Type_Address("127", "0", "0", "1");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    testinput::TTestClock clock;
    TFakePinger* pinger = Use_Pinger(c.Script, &clock);
    const uint64_t start = clock.Now();
    EXPECT_EQ(boot_->Send_Ping(), c.Found);
    EXPECT_EQ(pinger->Hosts.size(), c.Echoes);
    EXPECT_EQ(pinger->Hosts.front(), "127.0.0.1");
    EXPECT_EQ(boot_->ping_res, c.Ping_Res);
    EXPECT_LE(clock.Now() - start, 5400u);
  }
}

TEST_F(TBootTest, TheUpdateButtonTellsWhatTheEchoesFound) {
  Install_Updater();
  Show_Ethernet();
  using K = TFakePinger;
  const struct {
    const char* Name;
    K::TKind Echo;
    std::vector<const char*> Address;
    TDialogIcon Icon;  // diInformation: the updater ran and ended well
    std::string Text;
    std::size_t Echoes;
  } cases[] = {
      {"found", K::Answer, {"127", "0", "0", "1"}, diInformation, Text_Finished, 2},
      {"not found", K::Silence, {"127", "0", "0", "1"}, diWarning, "Device Not Found!", 13},
      {"echo fails", K::Unresolvable, {"127", "0", "0", "1"}, diError, "Error!!! Check the Ip Address", 1},
      {"octet too big", K::Answer, {"192", "168", "2", "256"}, diError, "Error!!! Check the Ip Address", 0},
      {"empty octet", K::Answer, {"192", "", "2", "5"}, diError, "Error!!! Check the Ip Address", 0},
      {"blank in octet", K::Answer, {"192", "168 ", "2", "5"}, diError, "Error!!! Check the Ip Address", 0},
      {"leading zero", K::Answer, {"192", "168", "02", "5"}, diError, "Error!!! Check the Ip Address", 0},
      {"dot in octet", K::Answer, {"192.168", "2", "5", "1"}, diError, "Error!!! Check the Ip Address", 0},
      {"this host", K::Answer, {"0", "0", "0", "0"}, diError, "Error!!! Check the Ip Address", 0},
      {"broadcast", K::Answer, {"255", "255", "255", "255"}, diError, "Error!!! Check the Ip Address", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::filesystem::remove(File("updater_ran.txt"));
    Last_IP_Address = "10.9.9.9";
    Update_Option_Index = 0;
    Update_Read_Back = true;
    testinput::TTestClock clock;
    TFakePinger* pinger = Use_Pinger([&](int) { return c.Echo; }, &clock);
    Type_Address(c.Address[0], c.Address[1], c.Address[2], c.Address[3]);
    boot_->CB_Update_Options->SetItemIndex(2);
    boot_->CB_Update_Option_Read_Back->SetChecked(false);

    TDialogResponder r;
    r.AnswerBox(mrOk);
    boot_->Btn_Update->Click();
    EXPECT_EQ(pinger->Hosts.size(), c.Echoes);
    EXPECT_TRUE(boot_->Btn_Update->Enabled());
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Icon, c.Icon);
    EXPECT_EQ(r.Boxes()[0].Text, c.Text);
    if (c.Icon == diInformation) {
      EXPECT_TRUE(Updater_Ran());
      EXPECT_EQ(Last_IP_Address, "127.0.0.1");
      EXPECT_EQ(Update_Option_Index, 2);
      EXPECT_FALSE(Update_Read_Back);
    } else {
      // A device that was not found changes nothing and starts nothing.
      EXPECT_FALSE(Updater_Ran());
      EXPECT_EQ(Last_IP_Address, "10.9.9.9");
      EXPECT_EQ(Update_Option_Index, 0);
      EXPECT_TRUE(Update_Read_Back);
    }
  }
}

TEST_F(TBootTest, ASystemWithoutIcmpSaysHowToAllowIt) {
  Show_Ethernet();
  Use_Pinger([](int) { return TFakePinger::No_Socket; });
  Type_Address("127", "0", "0", "1");
  TDialogResponder r;
  r.AnswerBox(mrOk);
  boot_->Btn_Update->Click();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  EXPECT_NE(r.Boxes()[0].Text.find("net.ipv4.ping_group_range"), std::string::npos);
  EXPECT_NE(r.Boxes()[0].Text.find("CAP_NET_RAW"), std::string::npos);
}

TEST_F(TBootTest, AScriptThatCannotBeWrittenStartsNoUpdater) {
  Install_Updater();
  Show_Ethernet();
  Device_Answers();
  Type_Address("10", "0", "0", "1");
  boot_->CB_Update_Options->SetItemIndex(0);
  ASSERT_TRUE(boot_->Compile_XML_Parameter_New_Boot());
  const std::string before = Read_File(File("Ethernet_Update.xml"));

  Type_Address("10", "0", "0", "2");
  TSafeWriteHookScope full_disk([](TSafeWriteStage Stage, const std::string& Name) {
    return Stage == swsWrite && Name.find("Ethernet_Update.xml") != std::string::npos ? ENOSPC : 0;
  });
  TDialogResponder r;
  r.AnswerBox(mrOk);
  boot_->Btn_Update->Click();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  EXPECT_EQ(r.Boxes()[0].Text.rfind("Error! The update script could not be written: ", 0), 0u);
  // The older script, with another address, is neither replaced nor run.
  EXPECT_EQ(Read_File(File("Ethernet_Update.xml")), before);
  EXPECT_FALSE(Updater_Ran());
}

TEST_F(TBootTest, TheUpdatersOutcomeIsTold) {
  Show_Ethernet();
  Device_Answers();
  Type_Address("127", "0", "0", "1");

  // Not there: it cannot start.
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    boot_->Btn_Update->Click();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    EXPECT_EQ(r.Boxes()[0].Text.rfind("Error! The updater could not be started: ", 0), 0u);
  }
  Install_Updater();
  {
    Write_File(File("updater_exit_code.txt"), "4");
    TDialogResponder r;
    r.AnswerBox(mrOk);
    boot_->Btn_Update->Click();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    EXPECT_EQ(r.Boxes()[0].Text.rfind("Error! The updater ended with exit code 4", 0), 0u);
    // It ran without arguments, in the folder of the script it read.
    EXPECT_EQ(Read_File(File("updater_ran.txt")), dir_.Path() + "\n");
    EXPECT_EQ(Read_File(File("updater_script.xml")), Read_File(File("Ethernet_Update.xml")));
  }
}

// While the updater works the dialog says so, and Cancel, which could not
// stop it, is off; afterwards the dialog tells that it ended well.
TEST_F(TBootTest, TheDialogShowsTheUpdaterRunningAndThenThatItEnded) {
  Install_Updater();
  Show_Ethernet();
  Device_Answers();
  Type_Address("127", "0", "0", "1");
  Write_File(File("updater_wait_ms.txt"), "600");
  EXPECT_FALSE(boot_->L_Update_State->Visible());

  // What a person sees and does while the updater runs.
  struct {
    int Looks = 0;
    bool Shown = true, Cancel_Enabled = false, Closed = false;
    std::string Text;
  } seen;
  TTimer look(nullptr);
  look.SetInterval(100);
  look.OnTimer = [&](TObject*) {
    if (!FLumetraFirmWare->Program_Running()) return;
    ++seen.Looks;
    seen.Shown &= boot_->L_Update_State->Visible();
    seen.Text = boot_->L_Update_State->Caption();
    seen.Cancel_Enabled |= boot_->Btn_Cancel->Enabled();
    testinput::Click(boot_->Btn_Cancel, 10, 10);
    seen.Closed |= boot_->ModalResult() != mrNone;
  };
  TDialogResponder r;
  r.AnswerBox(mrOk);
  boot_->Btn_Update->Click();
  look.SetEnabled(false);

  EXPECT_GE(seen.Looks, 2);
  EXPECT_TRUE(seen.Shown);
  EXPECT_EQ(seen.Text, "The updater is running: wait until it has ended.");
  EXPECT_FALSE(seen.Cancel_Enabled);
  EXPECT_FALSE(seen.Closed);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Icon, diInformation);
  EXPECT_EQ(r.Boxes()[0].Text, Text_Finished);
  // The dialog is as before, and Cancel closes it again.
  EXPECT_FALSE(boot_->L_Update_State->Visible());
  EXPECT_TRUE(boot_->Btn_Cancel->Enabled());
  EXPECT_EQ(boot_->ModalResult(), mrNone);
  testinput::Click(boot_->Btn_Cancel, 10, 10);
  EXPECT_EQ(boot_->ModalResult(), mrCancel);
}

// Sending the firmware needs its image: without it nothing starts, not even
// the echoes, and the message names where the image belongs.
TEST_F(TBootTest, AnUpdateWithTheFirmwareNeedsItsImage) {
  Install_Updater();
  Show_Ethernet();
  TFakePinger* pinger = Device_Answers();
  Type_Address("127", "0", "0", "1");
  const std::string firmware = File("MASTER/Sim30406.sim");
  const struct {
    int Option;
    bool Image;
    bool Runs;
  } cases[] = {
      {0, false, false}, {1, false, false}, {2, false, true}, {0, true, true}, {1, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("option " + std::to_string(c.Option) + (c.Image ? " with" : " without") + " image");
    std::filesystem::remove(File("updater_ran.txt"));
    std::filesystem::remove(File("Ethernet_Update.xml"));
    if (c.Image)
      Write_File(firmware, "firmware");
    else
      std::filesystem::remove(firmware);
    boot_->CB_Update_Options->SetItemIndex(c.Option);
    const std::size_t echoes = pinger->Hosts.size();
    TDialogResponder r;
    r.AnswerBox(mrOk);
    boot_->Btn_Update->Click();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(Updater_Ran(), c.Runs);
    if (c.Runs) {
      EXPECT_EQ(r.Boxes()[0].Text, Text_Finished);
      continue;
    }
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    EXPECT_EQ(r.Boxes()[0].Text,
              "Error! The firmware image to send is missing. Put it in its place, or update the "
              "Configuration only:\n" +
                  firmware);
    EXPECT_EQ(pinger->Hosts.size(), echoes);
    EXPECT_FALSE(FileExists(File("Ethernet_Update.xml")));
  }
}

// An installed program keeps its files in the user's data folder, but the
// updater and the firmware image come with the installation, beside the
// executable: they are found there first.
TEST_F(TBootTest, TheUpdaterAndTheFirmwareBesideTheExecutableComeFirst) {
  Install_Updater();
  const std::string data = File("user");
  Move_Data_Folder(data);
  Show_Ethernet();
  Device_Answers();
  Type_Address("127", "0", "0", "1");
  boot_->CB_Update_Options->SetItemIndex(1);
  const auto firmware_sent = [&] {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    boot_->Btn_Update->Click();
    EXPECT_EQ(r.Boxes().size(), 1u);
    if (r.Boxes().size() == 1u) EXPECT_EQ(r.Boxes()[0].Text, Text_Finished);
    // The updater works in the data folder, where its script was written.
    EXPECT_EQ(Read_File(data + "/updater_ran.txt"), data + "\n");
    TXMLDocument script;
    script.LoadFromFile(data + "/updater_script.xml");
    return script.DocumentElement().FindNode("Operations").ChildNodes(0).FindNode("Ope_FileName").Text();
  };
  EXPECT_EQ(firmware_sent(), File("MASTER/Sim30406.sim"));
  // An image the user put in the data folder serves when the installation
  // has none.
  std::filesystem::remove(File("MASTER/Sim30406.sim"));
  Write_File(data + "/MASTER/Sim30406.sim", "firmware");
  EXPECT_EQ(firmware_sent(), data + "/MASTER/Sim30406.sim");
}

TEST_F(TBootTest, AnUpdaterPastItsTimeBlocksTheNextUpdateUntilItEnds) {
  Install_Updater();
  Show_Ethernet();
  TFakePinger* pinger = Device_Answers();
  Type_Address("127", "0", "0", "1");
  // It ends by itself a while after its time is up.
  Write_File(File("updater_wait_ms.txt"), "1500");
  FLumetraFirmWare->Program_Time_Cap_Ms = 300;
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    boot_->Btn_Update->Click();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Icon, diWarning);
    EXPECT_EQ(r.Boxes()[0].Text.rfind("The updater has not ended after 1 s. It is left running", 0), 0u);
  }
  const std::string script = Read_File(File("Ethernet_Update.xml"));
  const std::size_t echoes = pinger->Hosts.size();

  // A second Execute neither pings, nor rewrites the script under the
  // running updater, nor starts another one.
  Type_Address("127", "0", "0", "2");
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    boot_->Btn_Update->Click();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Text.rfind("The updater started before is still running", 0), 0u);
  }
  EXPECT_EQ(pinger->Hosts.size(), echoes);
  EXPECT_EQ(Read_File(File("Ethernet_Update.xml")), script);

  // Once it has ended, the next update runs.
  Write_File(File("updater_wait_ms.txt"), "0");
  for (int i = 0; i < 500 && FLumetraFirmWare->Program_Running(); ++i) Sleep(10);
  ASSERT_FALSE(FLumetraFirmWare->Program_Running());
  TDialogResponder r;
  r.AnswerBox(mrOk);
  boot_->Btn_Update->Click();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, Text_Finished);
  EXPECT_NE(Read_File(File("updater_script.xml")).find("127.0.0.2"), std::string::npos);
}

TEST_F(TBootTest, EachModeLaysOutItsPanels) {
  const struct {
    int Form_Type;
    const char* Caption;
    int Client_Height;
    std::vector<TPanel*> Shown;  // top to bottom below the title
    std::vector<TWinControl*> Tab_Order;
  } cases[] = {
      {1,
       "Update Device by Ethernet (UDP)",
       230,
       {boot_->P_IP_Address, boot_->P_Options},
       {boot_->P_Title, boot_->P_IP_Address, boot_->P_Eth_Search, boot_->P_Options, boot_->P_Button,
        boot_->P_Serial}},
      {0,
       "Update Device by Serial",
       232,
       {boot_->P_Serial, boot_->P_Options},
       {boot_->P_Title, boot_->P_Serial, boot_->P_Options, boot_->P_Button, boot_->P_IP_Address,
        boot_->P_Eth_Search}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Caption);
    Update_Option_Index = 2;
    Update_Read_Back = false;
    boot_->Set_Form_Type(c.Form_Type);
    testinput::ShowForm(boot_);
    EXPECT_EQ(boot_->Caption(), c.Caption);
    EXPECT_EQ(boot_->ClientWidth(), 449);
    EXPECT_EQ(boot_->ClientHeight(), c.Client_Height);
    int top = 69;
    for (TPanel* p : c.Shown) {
      EXPECT_TRUE(p->Visible()) << p->Name();
      EXPECT_EQ(p->Top(), top) << p->Name();
      top += p->Height();
    }
    EXPECT_EQ(boot_->P_Button->Top(), top);
    EXPECT_FALSE(boot_->P_Eth_Search->Visible());
    for (std::size_t i = 0; i < c.Tab_Order.size(); ++i)
      EXPECT_EQ(c.Tab_Order[i]->TabOrder(), static_cast<int>(i)) << c.Tab_Order[i]->Name();
    EXPECT_EQ(boot_->CB_Update_Options->ItemIndex(), 2);
    EXPECT_EQ(boot_->CB_Update_Options->Items()->Strings(0), "Firmware + Configuration");
    EXPECT_FALSE(boot_->CB_Update_Option_Read_Back->Checked());
    boot_->Hide();
  }
}

TEST_F(TBootTest, TheDeviceListIsAColumnGridHeadedInTheChosenLanguage) {
  const std::string ip = Lang_Table->Strings(1011), mac = Lang_Table->Strings(1012);
  Lang_Table->SetStrings(1011, "Adresse IP");
  Lang_Table->SetStrings(1012, "Adresse MAC");
  testinput::ShowForm(boot_);
  TRavUvurerEduz* list = boot_->ACG_List_Devices;
  ASSERT_EQ(list->Columns()->Count(), 2);
  EXPECT_EQ(list->ColCount(), 2);
  const char* headers[] = {"Adresse IP", "Adresse MAC"};
  for (int c = 0; c < 2; ++c) {
    EXPECT_EQ(list->Columns()->GetItem(c)->Width(), 180) << c;
    EXPECT_EQ(list->Columns()->GetItem(c)->Header(), headers[c]) << c;
    EXPECT_EQ(list->GetCellEx(c, 0), headers[c]) << c;
  }
  boot_->Hide();
  Lang_Table->SetStrings(1011, ip);
  Lang_Table->SetStrings(1012, mac);
}

TEST_F(TBootTest, TheLastAddressFillsTheEditsOnlyWhenItIsOne) {
  const struct {
    const char* Last;
    std::vector<std::string> Edits;
  } cases[] = {
      {"192.168.10.20", {"192", "168", "10", "20"}},
      {"192.168.10", {"1", "2", "3", "4"}},
      {"192.168.300.20", {"1", "2", "3", "4"}},
      {"", {"1", "2", "3", "4"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Last);
    Type_Address("1", "2", "3", "4");
    Last_IP_Address = c.Last;
    Show_Ethernet();
    EXPECT_EQ(boot_->E_IP1->Text(), c.Edits[0]);
    EXPECT_EQ(boot_->E_IP2->Text(), c.Edits[1]);
    EXPECT_EQ(boot_->E_IP3->Text(), c.Edits[2]);
    EXPECT_EQ(boot_->E_IP4->Text(), c.Edits[3]);
    boot_->Hide();
  }
}

TEST_F(TBootTest, ADotTypedInAnAddressEditMovesOn) {
  Show_Ethernet();
  EXPECT_TRUE(boot_->E_IP1->Focused());
  Type_Address("", "", "", "");
  testinput::TypeText("10.0.20.7.");
  EXPECT_EQ(boot_->E_IP1->Text(), "10");
  EXPECT_EQ(boot_->E_IP2->Text(), "0");
  EXPECT_EQ(boot_->E_IP3->Text(), "20");
  EXPECT_EQ(boot_->E_IP4->Text(), "7");
  EXPECT_TRUE(boot_->E_IP4->Focused());
}

TEST_F(TBootTest, TheDialogReadsWellInAScreenshot) {
  Last_IP_Address = "192.168.2.205";
  Show_Ethernet();
  const std::string folder = Test_Bin_Dir() + "/artefacts";
  ForceDirectories(folder);
  boot_->GrabToPng(folder + "/update_dialog.png");
  std::unique_ptr<TBitmap> grab = boot_->GrabToBitmap();
  EXPECT_EQ(grab->Width(), 449);
  EXPECT_EQ(grab->Height(), 230);
}

// The whole road: a new project, its communication parameters, Update
// Device, and the updater finding a script that names the images just
// written. The echo is real, to the loopback address.
using TUpdateRoadTest = TAppFormsTest;

TEST_F(TUpdateRoadTest, UpdateDeviceRunsTheUpdaterOnTheImagesJustWritten) {
  if (!IcmpAvailable()) GTEST_SKIP() << "no ping or raw socket allowed here";
  Start();
  std::filesystem::copy_file(Test_Bin_Dir() + "/fake_updater", File("Ethernet_Update"));
  TDialogResponder r;
  r.OnModal([](TCustomForm* F) {
    auto* d = dynamic_cast<TFNew_Project*>(F);
    ASSERT_NE(d, nullptr);
    d->E_New_Proj->SetText("Plant B");
    d->Btn_OK->Click();
  });
  FLumetraFirmWare->Btn_New->Click();
  ASSERT_EQ(Project_Dir, Projects("Plant B"));

  r.OnModal([](TCustomForm* F) {
    ASSERT_EQ(F, FParGen);
    testinput::Click(FParGen->Btn_OK, 10, 10);
  });
  FLumetraFirmWare->Btn_Prm_Gen->Click();
  ASSERT_TRUE(FileExists(Projects("Plant B") + "/ParGen.xml"));

  r.OnModal([](TCustomForm* F) {
    ASSERT_EQ(F, FBoot);
    FBoot->E_IP1->SetText("127");
    FBoot->E_IP2->SetText("0");
    FBoot->E_IP3->SetText("0");
    FBoot->E_IP4->SetText("1");
    FBoot->CB_Update_Options->SetItemIndex(2);
    testinput::Click(FBoot->Btn_Update, 10, 10);
    // The dialog stays open afterwards.
    EXPECT_EQ(F->ModalResult(), mrNone);
    testinput::Click(FBoot->Btn_Cancel, 10, 10);
  });
  r.AnswerBox(mrOk);
  FLumetraFirmWare->Btn_CreateBin->Click();
  EXPECT_EQ(r.ModalForms().size(), 3u);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, Text_Finished);

  const std::string bank1 = Projects("Plant B") + "/bin/bank1.bin";
  const std::string bank2 = Projects("Plant B") + "/bin/bank2.bin";
  EXPECT_EQ(FileSize(bank1), 2048);
  EXPECT_EQ(FileSize(bank2), 61440);
  ASSERT_TRUE(FileExists(File("updater_script.xml")));
  TXMLDocument script;
  script.LoadFromFile(File("updater_script.xml"));
  TXMLNode root = script.DocumentElement();
  EXPECT_EQ(root.FindNode("IP_Address_Dev").Text(), "127.0.0.1");
  TXMLNode ops = root.FindNode("Operations");
  ASSERT_EQ(ops.ChildCount(), 2);
  EXPECT_EQ(ops.ChildNodes(0).FindNode("Ope_FileName").Text(), bank1);
  EXPECT_EQ(ops.ChildNodes(1).FindNode("Ope_FileName").Text(), bank2);
  EXPECT_EQ(Last_IP_Address, "127.0.0.1");
}
