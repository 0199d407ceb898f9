#include "app/USaveBincc.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/SysUtils.h"
#include "tests/app/AppTestSupport.h"

namespace {

// Little-endian reads of an image, independent of the compiler's writers.
std::uint32_t U32(const TBank_Image& b, int off) {
  return b[off] | (b[off + 1] << 8) | (b[off + 2] << 16) | (std::uint32_t{b[off + 3]} << 24);
}
std::uint16_t U16(const TBank_Image& b, int off) {
  return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}
std::vector<int> Bytes(const TBank_Image& b, int off, int n) {
  return std::vector<int>(b.begin() + off, b.begin() + off + n);
}

constexpr int CAN_Rate = 0x000, CAN_Rate_Copy = 0x004, Device_IP = 0x028, Subnet = 0x02C, Gateway = 0x030,
              CAN_Count = 0x070, CAN_Address = 0x0C8, DHCP = 0x4E8, Device_Name = 0x514, DNS2 = 0x53C,
              DNS1 = 0x58C, S7_Address = 0x654, S7_Count = 0x658, Version = 0x66C, Checksum = 0x7FC;
constexpr int S7_Base = 0x8000;

std::string ParGen(const std::string& Elements) {
  return "<Par_Gen>" + Elements + "</Par_Gen><!--SW_VERSION = 1.000-->";
}
std::string Element(const std::string& Name, const std::string& Text) {
  return "<" + Name + ">" + Text + "</" + Name + ">";
}

struct TAttr {
  const char* Name;
  std::string Value;
};
std::string Row(const std::vector<TAttr>& Attrs) {
  std::string s = "<row";
  for (const TAttr& a : Attrs) s += std::string(" ") + a.Name + "=\"" + a.Value + "\"";
  return s + "/>";
}

// Base with Extra added or put in place.
std::vector<TAttr> With(std::vector<TAttr> Base, const std::vector<TAttr>& Extra) {
  for (const TAttr& e : Extra) {
    bool replaced = false;
    for (TAttr& a : Base)
      if (std::string(a.Name) == e.Name) {
        a.Value = e.Value;
        replaced = true;
      }
    if (!replaced) Base.push_back(e);
  }
  return Base;
}

// A CAN row its editor accepts, with Extra added or put in place.
std::string CAN_Row(const std::vector<TAttr>& Extra) {
  return Row(With({{"COBID", "1"}, {"Dim", "8"}}, Extra));
}

// A project folder with the path globals pointing into it.
class CompilerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The refusals are worded from the text table, as the editors' checks.
    Load_Default_Language();
    Project_Dir = dir_.Path();
    Set_Files();
  }
  void Compile() { Compile_Configuration(); }
  void Write_ParGen(const std::string& Elements) { Write_File(Path_ParGen, ParGen(Elements)); }
  void Write_Receive(const std::string& Rows) {
    Write_File(Path_CAN_Rec_Frames, "<Receive_Frames>" + Rows + "</Receive_Frames>");
  }
  void Write_Transmit(const std::string& Rows) {
    Write_File(Path_CAN_Send_Frames, "<Transmit_Frames>" + Rows + "</Transmit_Frames>");
  }
  void Write_S7(const std::string& Read_Rows, const std::string& Write_Rows) {
    Write_File(Path_S7_Protocol, "<S7_Protocol><S7_Protocol_Read>" + Read_Rows +
                                     "</S7_Protocol_Read><S7_Protocol_Write>" + Write_Rows +
                                     "</S7_Protocol_Write></S7_Protocol><!--SW_VERSION = 1.003-->");
  }
  std::uint32_t Sum_Of_Block() const {
    std::uint32_t sum = 0;
    for (int i = 0; i < Checksum; ++i) sum += Bank1_Image[i];
    return sum;
  }

  TCommonGlobalsScope globals_;
  TScratchDir dir_;
};

TEST_F(CompilerTest, ParameterBlockWithoutParGenKeepsTheBlockDefaults) {
  Compile();
  EXPECT_EQ(Bank1_Size, 2048);
  EXPECT_EQ(Bank2_Size, 61440);
  EXPECT_EQ(U32(Bank1_Image, CAN_Rate), 250000u);
  EXPECT_EQ(U32(Bank1_Image, CAN_Rate_Copy), 250000u);
  EXPECT_EQ(Bytes(Bank1_Image, Device_IP, 4), (std::vector<int>{192, 168, 2, 205}));
  EXPECT_EQ(Bytes(Bank1_Image, Subnet, 4), (std::vector<int>{255, 255, 255, 0}));
  EXPECT_EQ(Bytes(Bank1_Image, Gateway, 4), (std::vector<int>{255, 255, 255, 255}));
  EXPECT_EQ(Bytes(Bank1_Image, DNS1, 4), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(Bytes(Bank1_Image, DNS2, 4), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(Bytes(Bank1_Image, Version, 8), std::vector<int>(8, 0));
  EXPECT_EQ(U16(Bank1_Image, DHCP), 0);
  // Values of the sibling converters' fields that the device expects.
  EXPECT_EQ(U32(Bank1_Image, 0x00C), 9600u);
  EXPECT_EQ(U16(Bank1_Image, 0x034), 10000);
  EXPECT_EQ(U16(Bank1_Image, 0x036), 10001);
  EXPECT_EQ(U16(Bank1_Image, 0x038), 10001);
  EXPECT_EQ(Bytes(Bank1_Image, 0x1B4, 8), std::vector<int>(8, 8));
  EXPECT_EQ(U32(Bank1_Image, CAN_Address), 0x80000u);
  EXPECT_EQ(U32(Bank1_Image, S7_Address), 0x88000u);
  EXPECT_EQ(U32(Bank1_Image, CAN_Count), 0u);
  EXPECT_EQ(U32(Bank1_Image, S7_Count), 0u);
  EXPECT_EQ(U32(Bank1_Image, Checksum), Sum_Of_Block());
  EXPECT_EQ(Par_Gen_Block.Block_Checksum, Sum_Of_Block());
  // Every other byte of the block is zero.
  std::vector<std::pair<int, int>> set = {{0x000, 16}, {0x028, 18}, {0x070, 4}, {0x0C8, 4},
                                          {0x1B4, 8},  {0x654, 8},  {0x7FC, 4}};
  for (int i = 0; i < 2048; ++i) {
    bool in_field = false;
    for (auto [off, len] : set) in_field = in_field || (i >= off && i < off + len);
    if (!in_field) {
      EXPECT_EQ(Bank1_Image[i], 0) << "offset " << i;
    }
  }
}

TEST_F(CompilerTest, ParameterBlockFromParGenWithOnlyTheRootTakesTheElementFallbacks) {
  Write_ParGen("");
  Compile();
  EXPECT_EQ(U32(Bank1_Image, CAN_Rate), 1000000u);
  EXPECT_EQ(U32(Bank1_Image, CAN_Rate_Copy), 1000000u);
  EXPECT_EQ(Bytes(Bank1_Image, Device_IP, 4), (std::vector<int>{192, 168, 0, 10}));
  EXPECT_EQ(Bytes(Bank1_Image, Subnet, 4), (std::vector<int>{255, 255, 255, 0}));
  EXPECT_EQ(Bytes(Bank1_Image, Gateway, 4), (std::vector<int>{255, 255, 255, 255}));
  EXPECT_EQ(Bytes(Bank1_Image, Version, 8), (std::vector<int>{'1', '.', '0', '0', '0', 0, 0, 0}));
  EXPECT_EQ(Bytes(Bank1_Image, Device_Name, 32), std::vector<int>(32, 0));
  EXPECT_EQ(U32(Bank1_Image, Checksum), Sum_Of_Block());
}

TEST_F(CompilerTest, ParameterBlockReadsEachElementWithItsOwnFallback) {
  struct Case {
    const char* What;
    std::string Elements;
    int Offset;
    std::vector<int> Expected;
  };
  const std::vector<Case> cases = {
      {"gateway on, octets missing", Element("S7_Protocol_EN_GAT", "1"), Gateway, {192, 168, 0, 1}},
      {"gateway on, octets given",
       Element("S7_Protocol_EN_GAT", "1") + Element("S7_Protocol_GAT1", "10") +
           Element("S7_Protocol_GAT4", "254"),
       Gateway,
       {10, 168, 0, 254}},
      {"gateway flag not exactly 1",
       Element("S7_Protocol_EN_GAT", " 1") + Element("S7_Protocol_GAT1", "10"),
       Gateway,
       {255, 255, 255, 255}},
      {"DNS on, elements missing: primary", Element("Eth_Conn_Enable_DNS", "1"), DNS1, {8, 8, 8, 8}},
      {"DNS on, elements missing: secondary", Element("Eth_Conn_Enable_DNS", "1"), DNS2, {8, 8, 4, 4}},
      {"DNS on, values given",
       Element("Eth_Conn_Enable_DNS", "1") + Element("Eth_Conn_Primary_DNS1", "1") +
           Element("Eth_Conn_Primary_DNS4", "abc"),
       DNS1,
       {1, 8, 8, 8}},
      {"DNS off ignores the octets", Element("Eth_Conn_Primary_DNS1", "1"), DNS1, {0, 0, 0, 0}},
      {"octets: hexadecimal, low 8 bits, not a number",
       Element("S7_Protocol_IP1", "$0A") + Element("S7_Protocol_IP2", "300") +
           Element("S7_Protocol_IP3", "1 ") + Element("S7_Protocol_IP4", "0x7"),
       Device_IP,
       {10, 44, 0, 7}},
      {"subnet mask",
       Element("S7_Protocol_SM3", "0") + Element("S7_Protocol_SM4", ""),
       Subnet,
       {255, 255, 0, 0}},
      {"DHCP on cable", Element("Eth_Conn_DHCP_Cable", "1"), DHCP, {1, 0}},
      {"DHCP on both",
       Element("Eth_Conn_DHCP_Cable", "1") + Element("Eth_Conn_DHCP_WiFi", "1"),
       DHCP,
       {3, 0}},
      {"DHCP flag is a word", Element("Eth_Conn_DHCP_Cable", "true"), DHCP, {0, 0}},
  };
  for (const Case& c : cases) {
    Write_ParGen(c.Elements);
    Compile();
    EXPECT_EQ(Bytes(Bank1_Image, c.Offset, static_cast<int>(c.Expected.size())), c.Expected) << c.What;
  }
}

TEST_F(CompilerTest, CanBaudrateIndexSelectsTheBitRate) {
  const std::vector<std::pair<std::string, std::uint32_t>> cases = {
      {"0", 10000},     {"1", 20000},  {"2", 50000},   {"3", 62500},   {"4", 100000},   {"5", 125000},
      {"6", 250000},    {"7", 500000}, {"8", 800000},  {"9", 1000000}, {"10", 1000000}, {"-1", 1000000},
      {"abc", 1000000}, {"", 1000000}, {"0x3", 62500}, {" 7", 500000},
  };
  for (const auto& [text, rate] : cases) {
    Write_ParGen(Element("CAN_BAUDRATE", text));
    Compile();
    EXPECT_EQ(U32(Bank1_Image, CAN_Rate), rate) << "index " << text;
    EXPECT_EQ(U32(Bank1_Image, CAN_Rate_Copy), rate) << "index " << text;
  }
}

TEST_F(CompilerTest, DeviceNameKeepsAtMost31CharactersAndNeverAnEmbeddedZero) {
  const std::string forty = "abcdefghijklmnopqrstuvwxyz0123456789ABCD";
  Write_ParGen(Element("Eth_Conn_Device_Name", forty));
  Compile();
  std::vector<int> expected(forty.begin(), forty.begin() + 31);
  expected.push_back(0);
  EXPECT_EQ(Bytes(Bank1_Image, Device_Name, 32), expected);

  // Latin-1 characters keep their code; others cannot be held and become "?".
  Write_ParGen(Element("Eth_Conn_Device_Name",
                       "A\xC3\xA9"
                       "B\xC4\x80"
                       "C\xE6\x97\xA5"
                       "D"));
  Compile();
  std::vector<int> name = {'A', 0xE9, 'B', '?', 'C', '?', 'D'};
  name.resize(32, 0);
  EXPECT_EQ(Bytes(Bank1_Image, Device_Name, 32), name);
}

TEST_F(CompilerTest, ChecksumCoversTheTableCounts) {
  Write_Receive(CAN_Row({{"Enable", "N"}, {"COBID", "1"}}));
  Compile();
  std::uint32_t before = U32(Bank1_Image, Checksum);
  Write_Receive(CAN_Row({{"Enable", "Y"}, {"COBID", "1"}}));
  Compile();
  EXPECT_EQ(U32(Bank1_Image, CAN_Count), 1u);
  EXPECT_EQ(U32(Bank1_Image, Checksum), Sum_Of_Block());
  EXPECT_EQ(U32(Bank1_Image, Checksum), before + 1);
}

TEST_F(CompilerTest, EmptyTablesGiveZeroRecordsWithNoBytePositions) {
  Compile();
  for (int e = 0; e < 1024; ++e) {
    const int base = e * 32;
    for (int i = 0; i < 16; ++i) ASSERT_EQ(Bank2_Image[base + i], 0) << "CAN entry " << e;
    for (int i = 16; i < 32; ++i) ASSERT_EQ(Bank2_Image[base + i], 0xFF) << "CAN entry " << e;
  }
  for (int i = S7_Base; i < 61440; ++i) ASSERT_EQ(Bank2_Image[i], 0) << "S7 byte " << i;
}

TEST_F(CompilerTest, CanFramesAreLaidOutReceiveRowsFirst) {
  Write_Receive(Row({{"Enable", "Y"},
                     {"COBID", "0x123"},
                     {"CAN_Type", "2.0A (11 bits)"},
                     {"Dim", "2"},
                     {"TimeOut", "500"},
                     {"Byte1", "10"},
                     {"Byte2", "None"},
                     {"Byte3", "12"},
                     {"Byte4", "13"},
                     {"Byte5", "14"},
                     {"Byte6", "15"},
                     {"Byte7", "16"},
                     {"Byte8", "17"},
                     {"Mnemonic", "x"}}));
  Write_Transmit(Row({{"COBID", "0x1ABCDEF"},
                      {"CAN_Type", " 2.0B (29 bits) "},
                      {"Dim", "8"},
                      {"OnChange", "Y"},
                      {"OnCMD", "N"},
                      {"OnTimer", "Y"},
                      {"Time", "250"},
                      {"Byte1", "1499"},
                      {"Byte2", ""},
                      {"Byte8", "$10"}}));
  Compile();
  EXPECT_EQ(U32(Bank1_Image, CAN_Count), 2u);
  // Receive frame.
  EXPECT_EQ(U32(Bank2_Image, 0), 0x123u);
  EXPECT_EQ(U32(Bank2_Image, 4), 0u);
  EXPECT_EQ(U32(Bank2_Image, 8), 500u);
  EXPECT_EQ(Bank2_Image[12], 0);
  EXPECT_EQ(Bank2_Image[13], 0);
  EXPECT_EQ(Bank2_Image[14], 2);
  EXPECT_EQ(Bank2_Image[15], 0);
  EXPECT_EQ(U16(Bank2_Image, 16), 10);
  for (int n = 2; n <= 8; ++n) EXPECT_EQ(U16(Bank2_Image, 14 + 2 * n), 0xFFFF) << "byte " << n;
  // Transmit frame.
  EXPECT_EQ(U32(Bank2_Image, 32), 0x81ABCDEFu);
  EXPECT_EQ(U32(Bank2_Image, 36), 250u);
  EXPECT_EQ(U32(Bank2_Image, 40), 0u);
  EXPECT_EQ(Bank2_Image[45], 1 | 2 | 4);
  EXPECT_EQ(Bank2_Image[46], 8);
  EXPECT_EQ(U16(Bank2_Image, 48), 1499);
  EXPECT_EQ(U16(Bank2_Image, 50), 0xFFFF);
  for (int n = 3; n <= 7; ++n) EXPECT_EQ(U16(Bank2_Image, 46 + 2 * n), 0xFFFF) << "byte " << n;
  EXPECT_EQ(U16(Bank2_Image, 62), 16);
}

TEST_F(CompilerTest, CanRowsTakenAndTheirFields) {
  struct Case {
    const char* What;
    bool Transmit;
    std::vector<TAttr> Attrs;
    bool Taken;
    std::uint32_t Cob_Id;
    int Flags;
    int Length;
  };
  const std::vector<Case> cases = {
      {"no Enable attribute", false, {{"COBID", "5"}}, true, 5, 0, 8},
      {"Enable N", false, {{"Enable", "N"}, {"COBID", "5"}}, false, 0, 0, 0},
      {"Enable lower-case y, as the editor takes it",
       false,
       {{"Enable", "y"}, {"COBID", "5"}},
       true,
       5,
       0,
       8},
      {"29-bit type",
       false,
       {{"COBID", "0x1FFFFFFF"}, {"CAN_Type", "2.0B (29 bits)"}},
       true,
       0x9FFFFFFF,
       0,
       8},
      {"empty type, 11-bit identifier", false, {{"COBID", "0x7FF"}, {"CAN_Type", ""}}, true, 0x7FF, 0, 8},
      {"empty type, identifier beyond 11 bits",
       false,
       {{"COBID", "0x800"}, {"CAN_Type", ""}},
       true,
       0x80000800,
       0,
       8},
      {"transmit with every option N",
       true,
       {{"COBID", "1"}, {"OnChange", "N"}, {"OnCMD", "N"}, {"OnTimer", "N"}, {"Dim", "3"}},
       true,
       1,
       1,
       3},
      // A missing OnChange is "Y", as the editor reads it.
      {"transmit on command", true, {{"COBID", "1"}, {"OnCMD", "Y"}}, true, 1, 1 | 2 | 8, 8},
      {"transmit options need exactly Y",
       true,
       {{"COBID", "1"}, {"OnChange", "y"}, {"OnTimer", "Yes"}},
       true,
       1,
       1,
       8},
  };
  for (const Case& c : cases) {
    Write_Receive(c.Transmit ? "" : CAN_Row(c.Attrs));
    Write_Transmit(c.Transmit ? CAN_Row(c.Attrs) : "");
    Compile();
    EXPECT_EQ(U32(Bank1_Image, CAN_Count), c.Taken ? 1u : 0u) << c.What;
    if (!c.Taken) continue;
    EXPECT_EQ(U32(Bank2_Image, 0), c.Cob_Id) << c.What;
    EXPECT_EQ(Bank2_Image[13], c.Flags) << c.What;
    EXPECT_EQ(Bank2_Image[14], c.Length) << c.What;
  }
}

TEST_F(CompilerTest, BytePositionsBeyondTheLengthAreCleared) {
  std::vector<TAttr> attrs = {{"COBID", "1"}, {"Dim", "2"}};
  const char* const names[] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};
  for (int n = 1; n <= 8; ++n) attrs.push_back({names[n - 1], std::to_string(100 + n)});
  Write_Receive(Row(attrs));
  Compile();
  EXPECT_EQ(U16(Bank2_Image, 16), 101);
  EXPECT_EQ(U16(Bank2_Image, 18), 102);
  for (int n = 3; n <= 8; ++n) EXPECT_EQ(U16(Bank2_Image, 14 + 2 * n), 0xFFFF) << "byte " << n;
}

TEST_F(CompilerTest, CanTableHoldsAtMost1024Frames) {
  std::string rec, send;
  for (int i = 0; i < 512; ++i) rec += CAN_Row({{"COBID", std::to_string(i)}});
  for (int i = 0; i < 512; ++i) send += CAN_Row({{"COBID", std::to_string(1000 + i)}});
  Write_Receive(rec);
  Write_Transmit(send);
  Compile();
  EXPECT_EQ(U32(Bank1_Image, CAN_Count), 1024u);
  EXPECT_EQ(U32(Bank2_Image, 511 * 32), 511u);
  EXPECT_EQ(U32(Bank2_Image, 512 * 32), 1000u);
  EXPECT_EQ(U32(Bank2_Image, 1023 * 32), 1511u);

  EXPECT_EQ(Bank2_Size, 61440);
  EXPECT_EQ(U32(Bank2_Image, S7_Base), 0u);

  // A file with more rows than its table holds is one the editor cannot
  // read completely: no images, rather than images without the last rows.
  rec += CAN_Row({{"COBID", "2040"}});
  Write_Receive(rec);
  try {
    Compile();
    ADD_FAILURE() << "a 513th row was compiled or dropped without a word";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(Path_CAN_Rec_Frames), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("512 rows"), std::string::npos) << e.Message();
  }
}

std::vector<TAttr> S7_Row(const std::vector<TAttr>& Extra) {
  std::vector<TAttr> row = {{"Enable", "Y"},       {"PLC_Address", "192.168.1.10"},
                            {"PLC_Port", "102"},   {"PLC_Type", "S71500"},
                            {"Rack", "1"},         {"Slot", "2"},
                            {"Data_Type", "DInt"}, {"Data_Identifier", "DB"},
                            {"DB_Number", "7"},    {"PLC_Area", "Inputs (I)"},
                            {"PLC_Add", "300"},    {"PLC_Bit", "5"},
                            {"PollTime", "250"},   {"Position", "1499"},
                            {"Bit", "3"},          {"Swap", "N"},
                            {"SwapWord", "N"},     {"Mnemonic", "m"},
                            {"OnChange", "N"},     {"OnCMD", "N"}};
  return With(row, Extra);
}

TEST_F(CompilerTest, S7EntriesAreLaidOutReadRowsFirst) {
  Write_S7(Row(S7_Row({})), Row(S7_Row({{"OnChange", "Y"}, {"OnCMD", "N"}, {"Swap", "Y"}})));
  Compile();
  EXPECT_EQ(U32(Bank1_Image, S7_Count), 2u);
  const int r = S7_Base, w = S7_Base + 28;
  EXPECT_EQ(Bytes(Bank2_Image, r, 4), (std::vector<int>{10, 1, 168, 192}));
  EXPECT_EQ(U32(Bank2_Image, r + 4), 250u);
  EXPECT_EQ(U16(Bank2_Image, r + 8), 300);
  EXPECT_EQ(U16(Bank2_Image, r + 10), 7);
  EXPECT_EQ(U16(Bank2_Image, r + 12), 102);
  EXPECT_EQ(U16(Bank2_Image, r + 14), 1499);
  EXPECT_EQ(U16(Bank2_Image, r + 16), 0);
  EXPECT_EQ(Bank2_Image[r + 18], 3);
  EXPECT_EQ(Bank2_Image[r + 19], 40);
  EXPECT_EQ(Bank2_Image[r + 20], 7);
  EXPECT_EQ(Bank2_Image[r + 21], 10);
  EXPECT_EQ(Bank2_Image[r + 22], 0);
  EXPECT_EQ(Bank2_Image[r + 23], 0);
  EXPECT_EQ(Bank2_Image[r + 24], 5);
  EXPECT_EQ(Bank2_Image[r + 25], 0x81);
  EXPECT_EQ(Bank2_Image[r + 26], 34);
  EXPECT_EQ(Bank2_Image[r + 27], 0);
  EXPECT_EQ(Bank2_Image[w + 23], 0x25);
  EXPECT_EQ(U16(Bank2_Image, w + 14), 1499);
  EXPECT_EQ(Bank2_Image[w + 18], 3);
  EXPECT_EQ(Bytes(Bank2_Image, w + 28, 28), std::vector<int>(28, 0));
}

TEST_F(CompilerTest, S7RowFields) {
  struct Case {
    const char* What;
    bool Write;
    std::vector<TAttr> Extra;
    int Offset;
    int Width;
    std::uint32_t Expected;
  };
  const std::vector<Case> cases = {
      {"PLC type S7200", false, {{"PLC_Type", "S7200"}}, 19, 1, 0},
      {"PLC type Logo0BA8", false, {{"PLC_Type", "Logo0BA8"}}, 19, 1, 1},
      {"PLC type S7300", false, {{"PLC_Type", "S7300"}}, 19, 1, 10},
      {"PLC type S7400", false, {{"PLC_Type", "S7400"}}, 19, 1, 20},
      {"PLC type S71200", false, {{"PLC_Type", "S71200"}}, 19, 1, 30},
      {"PLC type is case-sensitive", false, {{"PLC_Type", "s71500"}}, 19, 1, 0},
      {"data type Bit", false, {{"Data_Type", "Bit"}}, 20, 1, 1},
      {"data type Byte", false, {{"Data_Type", "Byte"}}, 20, 1, 2},
      {"data type Char", false, {{"Data_Type", "Char"}}, 20, 1, 3},
      {"data type Word", false, {{"Data_Type", "Word"}}, 20, 1, 4},
      {"data type Int", false, {{"Data_Type", "Int"}}, 20, 1, 5},
      {"data type DWord", false, {{"Data_Type", "DWord"}}, 20, 1, 6},
      {"data type Real", false, {{"Data_Type", "Real"}}, 20, 1, 8},
      {"data type unknown", false, {{"Data_Type", "Float"}}, 20, 1, 1},
      {"identifier OB", false, {{"Data_Identifier", "OB"}}, 21, 1, 8},
      {"identifier SDB", false, {{"Data_Identifier", "SDB"}}, 21, 1, 11},
      {"identifier FC", false, {{"Data_Identifier", "FC"}}, 21, 1, 12},
      {"identifier SFC", false, {{"Data_Identifier", "SFC"}}, 21, 1, 13},
      {"identifier FB", false, {{"Data_Identifier", "FB"}}, 21, 1, 14},
      {"identifier SFB", false, {{"Data_Identifier", "SFB"}}, 21, 1, 15},
      {"area P", false, {{"PLC_Area", "Direct peripheral access (P)"}}, 25, 1, 0x80},
      {"area Q", false, {{"PLC_Area", "Output (Q)"}}, 25, 1, 0x82},
      {"area M", false, {{"PLC_Area", "Flags (M) (Merker)"}}, 25, 1, 0x83},
      {"area unknown", false, {{"PLC_Area", "Inputs"}}, 25, 1, 0x80},
      {"rack 3 slot 31", false, {{"Rack", "3"}, {"Slot", "31"}}, 26, 1, 127},
      {"address in hexadecimal", false, {{"PLC_Address", "$C0.168.0x1.10"}}, 0, 4, 0xC0A8010A},
      {"read row: swap word", false, {{"SwapWord", "Y"}}, 23, 1, 8},
      {"read row: on change is a write option", false, {{"OnChange", "Y"}}, 23, 1, 0},
      {"write row: plain", true, {}, 23, 1, 0x20},
      {"write row: on command and both swaps",
       true,
       {{"OnCMD", "Y"}, {"Swap", "Y"}, {"SwapWord", "Y"}},
       23,
       1,
       0x20 | 0x10 | 4 | 8},
      {"write row: options need exactly Y", true, {{"OnChange", "y"}, {"Swap", "yes"}}, 23, 1, 0x20},
  };
  for (const Case& c : cases) {
    if (c.Write)
      Write_S7("", Row(S7_Row(c.Extra)));
    else
      Write_S7(Row(S7_Row(c.Extra)), "");
    Compile();
    ASSERT_EQ(U32(Bank1_Image, S7_Count), 1u) << c.What;
    std::uint32_t got = c.Width == 1   ? Bank2_Image[S7_Base + c.Offset]
                        : c.Width == 2 ? U16(Bank2_Image, S7_Base + c.Offset)
                                       : U32(Bank2_Image, S7_Base + c.Offset);
    EXPECT_EQ(got, c.Expected) << c.What;
  }
}

TEST_F(CompilerTest, S7RowsNeedEnableYAsTheEditorTakesIt) {
  Write_S7(Row(S7_Row({{"Enable", "N"}})) + Row(S7_Row({{"Enable", "y"}})), Row(S7_Row({{"Enable", " Y"}})));
  Compile();
  EXPECT_EQ(U32(Bank1_Image, S7_Count), 1u);
  EXPECT_EQ(Bank2_Image[S7_Base + 23], 0x20);
}

TEST_F(CompilerTest, S7TableHoldsTwice512Entries) {
  std::string read, write;
  for (int i = 0; i < 512; ++i) read += Row(S7_Row({{"Position", std::to_string(i)}}));
  for (int i = 0; i < 512; ++i) write += Row(S7_Row({{"Position", std::to_string(900 + i)}}));
  Write_S7(read, write);
  Compile();
  EXPECT_EQ(U32(Bank1_Image, S7_Count), 1024u);
  EXPECT_EQ(U16(Bank2_Image, S7_Base + 511 * 28 + 14), 511);
  EXPECT_EQ(U16(Bank2_Image, S7_Base + 1023 * 28 + 14), 1411);
  EXPECT_EQ(Bank2_Size, 61440);
}

// The compiler takes a table as its editor does: a row the editor refuses,
// or a file it cannot read completely, writes no images, and the message
// names the file and the row. Each of these was compiled before, with its
// low bits or a fallback.
TEST_F(CompilerTest, RowsTheEditorRefusesWriteNoImages) {
  struct Case {
    const char* What;
    int File;  // 0 receive, 1 transmit, 2 S7
    std::string Rows;
    const char* Says;
  };
  const std::vector<Case> cases = {
      {"a 40-digit COBID", 0, CAN_Row({{"COBID", std::string(40, '9')}}), "row 1"},
      {"COBID 4096 of an 11-bit frame", 1, CAN_Row({{"COBID", "4096"}, {"CAN_Type", "2.0A (11 bits)"}}),
       "row 1"},
      {"COBID 4096 of a transmit row without a type (11 bits by default)", 1, CAN_Row({{"COBID", "4096"}}),
       "row 1"},
      {"COBID 0x800 of an 11-bit receive frame", 0,
       CAN_Row({{"COBID", "2"}}) + CAN_Row({{"COBID", "0x800"}, {"CAN_Type", "2.0A (11 bits)"}}), "row 2"},
      {"no Dim", 0, Row({{"COBID", "5"}}), "row 1"},
      {"unreadable COBID", 0, CAN_Row({{"COBID", "zz"}}), "row 1"},
      {"a byte position beyond the data", 0, CAN_Row({{"Byte1", "1500"}}), "row 1"},
      {"an S7 rack of 2147483647", 2, Row(S7_Row({{"Rack", "2147483647"}})), "row 1"},
      {"an S7 rack beyond 3", 2, Row(S7_Row({{"Rack", "8"}})), "row 1"},
      {"a negative slot", 2, Row(S7_Row({{"Slot", "-1"}})), "row 1"},
      {"a port past 16 bits", 2, Row(S7_Row({{"PLC_Port", "65537"}})), "row 1"},
      {"an address with three parts", 2, Row(S7_Row({{"PLC_Address", "192.168.1"}})), "row 1"},
      {"an unreadable poll time", 2, Row(S7_Row({{"PollTime", "1s"}})), "row 1"},
      {"an empty data identifier", 2, Row(S7_Row({{"Data_Identifier", ""}})), "row 1"},
      {"a row with only Enable", 2, Row({{"Enable", "Y"}}), "row 1"},
      {"a used row after an empty key", 0, CAN_Row({{"COBID", " "}}) + CAN_Row({{"COBID", "3"}}), "row 1"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(Path_CAN_Rec_Frames);
    std::filesystem::remove(Path_CAN_Send_Frames);
    std::filesystem::remove(Path_S7_Protocol);
    const std::string* path = nullptr;
    if (c.File == 0) Write_Receive(c.Rows), path = &Path_CAN_Rec_Frames;
    if (c.File == 1) Write_Transmit(c.Rows), path = &Path_CAN_Send_Frames;
    if (c.File == 2) Write_S7(c.Rows, ""), path = &Path_S7_Protocol;
    try {
      Compile();
      ADD_FAILURE() << c.What << ": compiled";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(*path), std::string::npos) << c.What << ": " << e.Message();
      EXPECT_NE(e.Message().find(c.Says), std::string::npos) << c.What << ": " << e.Message();
    }
  }
  // An S7 file without one of its sections is one the editor reads only in
  // part.
  std::filesystem::remove(Path_CAN_Rec_Frames);
  Write_File(Path_S7_Protocol,
             "<S7_Protocol><S7_Protocol_Write>" + Row(S7_Row({})) + "</S7_Protocol_Write></S7_Protocol>");
  EXPECT_THROW(Compile(), Exception);
}

// With several files that stop the compilation, the one told is the first
// in reading order (ParGen, receive, transmit, S7), and a stop before the S7
// file leaves its table empty.
TEST_F(CompilerTest, OfSeveralStoppingFilesTheFirstInReadingOrderIsTold) {
  struct Case {
    const char* What;
    std::function<void()> Damage;
    const std::string* Told;
  };
  const std::vector<Case> cases = {
      {"ParGen does not parse", [&] { Write_File(Path_ParGen, "<Par_Gen"); }, &Path_ParGen},
      {"a refused receive row",
       [&] {
         Write_Receive(CAN_Row({{"COBID", "zz"}}));
       },
       &Path_CAN_Rec_Frames},
      {"a damaged transmit file", [&] { Write_File(Path_CAN_Send_Frames, "<Transmit_Frames>"); },
       &Path_CAN_Send_Frames},
  };
  for (const Case& c : cases) {
    for (const std::string* p : {&Path_ParGen, &Path_CAN_Rec_Frames, &Path_CAN_Send_Frames})
      std::filesystem::remove(*p);
    // An S7 file that would stop it too, and S7 rows that pass.
    Write_S7(Row(S7_Row({})), Row(S7_Row({{"Rack", "8"}})));
    c.Damage();
    try {
      Compile();
      ADD_FAILURE() << c.What << ": compiled";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(*c.Told), std::string::npos) << c.What << ": " << e.Message();
      EXPECT_EQ(e.Message().find(Path_S7_Protocol), std::string::npos) << c.What << ": " << e.Message();
    }
    // An S7 file that passes: the stop before it leaves its table empty.
    Write_S7(Row(S7_Row({})), "");
    try {
      Compile();
      ADD_FAILURE() << c.What << ": compiled";
    } catch (const Exception&) {
    }
    EXPECT_EQ(S7_Access_Table[0].Entry_PLC_Port, 0) << c.What;
  }
}

TEST_F(CompilerTest, EachCompilationStartsFromNothing) {
  Write_ParGen(Element("CAN_BAUDRATE", "0") + Element("Eth_Conn_Device_Name", "first"));
  Write_Receive(CAN_Row({{"COBID", "1"}}) + CAN_Row({{"COBID", "2"}}));
  Compile();
  ASSERT_EQ(U32(Bank1_Image, CAN_Count), 2u);
  std::filesystem::remove(Path_ParGen);
  Write_Receive(CAN_Row({{"COBID", "3"}}));
  Compile();
  EXPECT_EQ(U32(Bank1_Image, CAN_Rate), 250000u);
  EXPECT_EQ(Bytes(Bank1_Image, Device_Name, 4), std::vector<int>(4, 0));
  EXPECT_EQ(U32(Bank1_Image, CAN_Count), 1u);
  EXPECT_EQ(U32(Bank2_Image, 32), 0u);
  EXPECT_EQ(U16(Bank2_Image, 32 + 16), 0xFFFF);
}

TEST_F(CompilerTest, FilesLaidOutWithLineBreaksCompileTheSame) {
  Write_File(Path_CAN_Rec_Frames, "<Receive_Frames>\r\n  " + CAN_Row({{"COBID", "1"}}) + "\r\n  " +
                                      CAN_Row({{"COBID", "2"}}) +
                                      "\r\n</Receive_Frames>\r\n<!--SW_VERSION = 1.000-->");
  Write_File(Path_S7_Protocol, "<S7_Protocol>\n\t<S7_Protocol_Read>\n\t\t" + Row(S7_Row({})) +
                                   "\n\t</S7_Protocol_Read>\n\t<S7_Protocol_Write>\n\t</S7_Protocol_Write>\n"
                                   "</S7_Protocol>\n");
  Compile();
  EXPECT_EQ(U32(Bank1_Image, CAN_Count), 2u);
  EXPECT_EQ(U32(Bank2_Image, 32), 2u);
  EXPECT_EQ(U32(Bank1_Image, S7_Count), 1u);
}

// A row reads the same whatever order its attributes stand in; of a name
// given twice, the first counts.
TEST_F(CompilerTest, ARowReadsTheSameWhateverOrderItsAttributesStandIn) {
  const std::vector<TAttr> can = With({{"COBID", "300"}, {"Dim", "3"}},
                                      {{"Byte1", "7"}, {"Byte2", "9"}, {"Byte3", "11"}, {"Enable", "Y"}});
  const std::vector<TAttr> s7 = S7_Row({{"DB_Number", "12"}, {"PLC_Add", "40"}});
  auto compile = [&](const std::vector<TAttr>& Can, const std::vector<TAttr>& S7) {
    Write_Receive(Row(Can));
    Write_S7(Row(S7), "");
    Compile();
    return std::make_pair(std::vector<std::uint8_t>(Bank1_Image.begin(), Bank1_Image.end()),
                          std::vector<std::uint8_t>(Bank2_Image.begin(), Bank2_Image.end()));
  };
  const auto in_order = compile(can, s7);
  ASSERT_EQ(U32(Bank1_Image, CAN_Count), 1u);
  ASSERT_EQ(U32(Bank1_Image, S7_Count), 1u);
  const auto reversed =
      compile(std::vector<TAttr>(can.rbegin(), can.rend()), std::vector<TAttr>(s7.rbegin(), s7.rend()));
  EXPECT_TRUE(in_order == reversed);

  std::vector<TAttr> twice = can;
  twice.push_back({"COBID", "301"});
  std::vector<TAttr> first = {{"COBID", "301"}};
  first.insert(first.end(), can.begin(), can.end());
  EXPECT_TRUE(compile(twice, s7) == in_order);
  EXPECT_FALSE(compile(first, s7) == in_order);
}

TEST_F(CompilerTest, FilesFromOtherToolsAreReadByTheirRootElementAndRowElements) {
  // What stands before the root is passed over; only elements are rows, so a
  // comment or text between rows never becomes a frame with identifier 0.
  Write_File(Path_ParGen, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- plant 4 -->\n" +
                              ParGen(Element("CAN_BAUDRATE", "3")));
  Write_File(Path_CAN_Rec_Frames, "<!DOCTYPE Receive_Frames>\n<Receive_Frames><!-- first -->" +
                                      CAN_Row({{"COBID", "1"}}) + "stray text" + CAN_Row({{"COBID", "2"}}) +
                                      "<?note x?><![CDATA[more]]></Receive_Frames>");
  Write_File(Path_CAN_Send_Frames, "<?xml version=\"1.0\"?><Transmit_Frames><!-- none --></Transmit_Frames>");
  Write_File(Path_S7_Protocol,
             "<!-- S7 -->\n<S7_Protocol><S7_Protocol_Read><!-- r -->" + Row(S7_Row({})) +
                 "</S7_Protocol_Read><S7_Protocol_Write>text</S7_Protocol_Write></S7_Protocol>");
  Compile();
  EXPECT_EQ(U32(Bank1_Image, CAN_Rate), 62500u);
  ASSERT_EQ(U32(Bank1_Image, CAN_Count), 2u);
  EXPECT_EQ(U32(Bank2_Image, 0), 1u);
  EXPECT_EQ(U32(Bank2_Image, 32), 2u);
  EXPECT_EQ(U32(Bank1_Image, S7_Count), 1u);
}

// A project file that is there but cannot be read is never taken for a
// missing one: no images are built from defaults in its place.
TEST_F(CompilerTest, UnreadableProjectFileStopsTheCompilation) {
  struct Case {
    const char* What;
    std::function<void()> Damage;
    const char* Says;
  };
  const std::vector<Case> cases = {
      {"a file that does not parse", [&] { Write_Receive("<row COBID=\"1\""); }, "CAN_Rec_Frames.xml"},
      {"a NUL after the root's end-tag name",
       [&] {
         Write_File(Path_CAN_Send_Frames, std::string("<Transmit_Frames></Transmit_Frames") + '\0' + ">");
       },
       "NUL"},
      {"a folder in place of ParGen.xml", [&] { std::filesystem::create_directory(Path_ParGen); }, "folder"},
      {"a folder in place of S7_Protocol.xml", [&] { std::filesystem::create_directory(Path_S7_Protocol); },
       "folder"},
      {"a file without a root element", [&] { Write_File(Path_CAN_Rec_Frames, "<!-- only a comment -->"); },
       "CAN_Rec_Frames.xml"},
  };
  for (const Case& c : cases) {
    for (const std::string* p :
         {&Path_ParGen, &Path_CAN_Rec_Frames, &Path_CAN_Send_Frames, &Path_S7_Protocol})
      std::filesystem::remove_all(*p);
    c.Damage();
    try {
      Compile();
      ADD_FAILURE() << c.What << ": compiled";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(c.Says), std::string::npos) << c.What << ": " << e.Message();
    }
  }
  // A project folder that is gone (or cannot be searched) hides its files.
  for (const std::string* p : {&Path_ParGen, &Path_CAN_Rec_Frames, &Path_CAN_Send_Frames, &Path_S7_Protocol})
    std::filesystem::remove_all(*p);
  Project_Dir = dir_.Path() + "/gone";
  Set_Files();
  EXPECT_THROW(Compile(), Exception);
}

// Saving the images.
class SaveBankFilesTest : public CompilerTest {
 protected:
  std::string Bin() const { return Join_Path(Project_Dir, "bin"); }
  std::string Bank1() const { return Join_Path(Bin(), "bank1.bin"); }
  std::string Bank2() const { return Join_Path(Bin(), "bank2.bin"); }
  // The names in a folder, sorted.
  static std::vector<std::string> Entries(const std::string& Folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(Folder, ec))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // Images whose first four bytes tell the compilation apart.
  static void Tag_Images(std::uint32_t Tag) {
    Bank1_Size = Par_Gen_Block_Size;
    Bank2_Size = 61440;
    for (int i = 0; i < 4; ++i) Bank1_Image[i] = Bank2_Image[i] = static_cast<std::uint8_t>(Tag >> (8 * i));
  }
  static std::uint32_t Tag_Of(const std::string& File) {
    std::string b = Read_File(File);
    if (b.size() < 4) return 0;
    std::uint32_t tag = 0;
    for (int i = 0; i < 4; ++i) tag |= std::uint32_t{static_cast<std::uint8_t>(b[i])} << (8 * i);
    return tag;
  }
};

TEST_F(SaveBankFilesTest, WritesBothImagesCreatingTheBinFolder) {
  Write_ParGen(Element("CAN_BAUDRATE", "3"));
  Compile();
  std::string error;
  ASSERT_TRUE(Save_Bank_Files(&error)) << error;
  EXPECT_EQ(Read_File(Bank1()), std::string(Bank1_Image.begin(), Bank1_Image.begin() + 2048));
  EXPECT_EQ(Read_File(Bank2()), std::string(Bank2_Image.begin(), Bank2_Image.begin() + 61440));
  EXPECT_EQ(Entries(Project_Dir), (std::vector<std::string>{"ParGen.xml", "bin"}));
  EXPECT_EQ(Entries(Bin()), (std::vector<std::string>{"bank1.bin", "bank2.bin"}));
}

TEST_F(SaveBankFilesTest, AFailureAtAnyStepKeepsTheOldPairAndSaysSo) {
  Write_File(Bank1(), "old bank1");
  Write_File(Bank2(), "old bank2");
  Compile();
  struct Case {
    TSafeWriteStage Stage;
    const char* File;
  } cases[] = {{swsCreate, "bank1.bin"},
               {swsRename, "bank1.bin"},
               {swsWrite, "bank2.bin"},
               {swsRename, "bank2.bin"},
               {swsExchange, "bin"}};
  for (const Case& c : cases) {
    TSafeWriteHookScope hook([&](TSafeWriteStage stage, const std::string& file) {
      return stage == c.Stage && file.size() >= std::strlen(c.File) &&
                     file.compare(file.size() - std::strlen(c.File), std::string::npos, c.File) == 0
                 ? ENOSPC
                 : 0;
    });
    std::string error;
    EXPECT_FALSE(Save_Bank_Files(&error)) << c.File << " " << c.Stage;
    EXPECT_NE(error.find(std::strerror(ENOSPC)), std::string::npos) << error;
    EXPECT_NE(error.find("The files in \"" + Bin() + "\" were not changed."), std::string::npos) << error;
    EXPECT_EQ(Read_File(Bank1()), "old bank1") << c.File << " " << c.Stage;
    EXPECT_EQ(Read_File(Bank2()), "old bank2") << c.File << " " << c.Stage;
    EXPECT_EQ(Entries(Project_Dir), (std::vector<std::string>{"bin"})) << "a temporary was left behind";
    EXPECT_EQ(Entries(Bin()), (std::vector<std::string>{"bank1.bin", "bank2.bin"}));
  }
}

TEST_F(SaveBankFilesTest, ReadOnlyImageIsRefusedByName) {
  Write_File(Bank1(), "old bank1");
  Write_File(Bank2(), "old bank2");
  ::chmod(Bank2().c_str(), 0444);
  Compile();
  std::string error;
  EXPECT_FALSE(Save_Bank_Files(&error));
  EXPECT_NE(error.find(Bank2()), std::string::npos) << error;
  EXPECT_EQ(Read_File(Bank1()), "old bank1");
  ::chmod(Bank2().c_str(), 0644);
}

TEST_F(SaveBankFilesTest, OtherFilesInTheBinFolderStay) {
  Write_File(Join_Path(Bin(), "notes.txt"), "mine");
  Write_File(Join_Path(Join_Path(Bin(), "old"), "bank1.bin"), "kept copy");
  std::filesystem::create_symlink("notes.txt", Join_Path(Bin(), "link"));
  Compile();
  std::string error;
  ASSERT_TRUE(Save_Bank_Files(&error)) << error;
  EXPECT_EQ(Entries(Bin()), (std::vector<std::string>{"bank1.bin", "bank2.bin", "link", "notes.txt", "old"}));
  EXPECT_EQ(Read_File(Join_Path(Bin(), "notes.txt")), "mine");
  EXPECT_EQ(Read_File(Join_Path(Join_Path(Bin(), "old"), "bank1.bin")), "kept copy");
  EXPECT_EQ(Read_File(Join_Path(Bin(), "link")), "mine");
  EXPECT_EQ(Entries(Project_Dir), (std::vector<std::string>{"bin"}));
}

TEST_F(SaveBankFilesTest, LeftoversOfAnInterruptedSaveAreRemovedOrPutBack) {
  // Killed while staging: a half-written folder beside bin and a temporary
  // of the safe writer inside it.
  Write_File(Join_Path(Project_Dir, ".bin.new.Ab3dE9") + "/bank1.bin", "half");
  Write_File(Join_Path(Bin(), ".bank2.bin.x8YzQ1"), "half");
  Tag_Images(7);
  std::string error;
  ASSERT_TRUE(Save_Bank_Files(&error)) << error;
  EXPECT_EQ(Entries(Project_Dir), (std::vector<std::string>{"bin"}));
  EXPECT_EQ(Entries(Bin()), (std::vector<std::string>{"bank1.bin", "bank2.bin"}));

  // Killed between moving the old folder aside and putting the new one in
  // place (file systems without a one-step exchange): the old one comes back.
  std::filesystem::rename(Bin(), Join_Path(Project_Dir, ".bin.old.Qw3rTy"));
  Write_File(Join_Path(Project_Dir, ".bin.old.Qw3rTy") + "/notes.txt", "mine");
  Tag_Images(8);
  ASSERT_TRUE(Save_Bank_Files(&error)) << error;
  EXPECT_EQ(Entries(Project_Dir), (std::vector<std::string>{"bin"}));
  EXPECT_EQ(Entries(Bin()), (std::vector<std::string>{"bank1.bin", "bank2.bin", "notes.txt"}));
  EXPECT_EQ(Tag_Of(Bank1()), 8u);
  // Names that only look alike are not ours to remove.
  Write_File(Join_Path(Project_Dir, ".bin.new.toolong7") + "/x", "user");
  ASSERT_TRUE(Save_Bank_Files(&error)) << error;
  EXPECT_EQ(Entries(Project_Dir), (std::vector<std::string>{".bin.new.toolong7", "bin"}));
}

TEST_F(SaveBankFilesTest, AKillAtAnyMomentLeavesOnePair) {
  // How long one save takes here, so that the kills fall all over one.
  Tag_Images(1);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(Save_Bank_Files());
  const long save_us = std::max<long>(
      50, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
              .count());
  for (int round = 0; round < 20; ++round) {
    int saved[2];
    ASSERT_EQ(::pipe(saved), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves compilation after compilation until killed, telling the
      // parent after each one.
      ::close(saved[0]);
      for (std::uint32_t tag = 1000 * (round + 1);; ++tag) {
        Tag_Images(tag);
        Save_Bank_Files();
        if (::write(saved[1], "s", 1) < 0) ::_exit(1);
      }
    }
    ::close(saved[1]);
    char c = 0;
    ASSERT_EQ(::read(saved[0], &c, 1), 1) << "the child saved nothing";
    ::usleep(static_cast<useconds_t>((round * 7919L) % (3 * save_us)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(saved[0]);
    const std::uint32_t tag1 = Tag_Of(Bank1()), tag2 = Tag_Of(Bank2());
    ASSERT_EQ(tag1, tag2) << "images of two compilations after a kill in round " << round;
    ASSERT_EQ(Read_File(Bank2()).size(), 61440u);
    // The next save cleans up whatever the kill left.
    Tag_Images(tag1 + 1);
    std::string error;
    ASSERT_TRUE(Save_Bank_Files(&error)) << error;
    EXPECT_EQ(Entries(Project_Dir), (std::vector<std::string>{"bin"})) << "round " << round;
    EXPECT_EQ(Entries(Bin()), (std::vector<std::string>{"bank1.bin", "bank2.bin"})) << "round " << round;
  }
}

TEST_F(SaveBankFilesTest, FailsWithoutAnOpenProject) {
  Compile();
  Project_Dir.clear();
  EXPECT_FALSE(Save_Bank_Files());
}

TEST_F(SaveBankFilesTest, FailsWhenTheBinFolderCannotBeMade) {
  Write_File(Join_Path(Project_Dir, "bin"), "a file where the folder should be");
  Compile();
  std::string error;
  EXPECT_FALSE(Save_Bank_Files(&error));
  EXPECT_NE(error.find(Bin()), std::string::npos) << error;
  EXPECT_EQ(Read_File(Bin()), "a file where the folder should be");
}

}  // namespace
