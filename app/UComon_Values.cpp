// The value routines of UComon: IPv4 text, KNX addresses, numbers typed with
// either decimal separator, and the integer reading every editor shares.
#include <cmath>
#include <limits>

#include "app/UComon.h"
#include "framework/classes/StringList.h"
#include "framework/os/SerialPorts.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"

int Text_To_Int(std::string_view Text, int Default) {
  // Table cells are nearly all short plain decimals, read at every check:
  // those need none of the general conversion's signs, prefixes and limits.
  if (!Text.empty() && Text.size() <= 9) {
    int v = 0;
    for (char c : Text) {
      if (c < '0' || c > '9') return StrToIntDef(Text, Default);
      v = v * 10 + (c - '0');
    }
    return v;
  }
  return StrToIntDef(Text, Default);
}

bool Split_IP_Address(std::string_view Text, std::string& Part1, std::string& Part2, std::string& Part3,
                      std::string& Part4) {
  std::string s = Trim(Text);
  std::string* firsts[3] = {&Part1, &Part2, &Part3};
  for (std::string* part : firsts) {
    int dot = Pos(".", s);
    if (dot < 0) return false;
    *part = Trim(std::string_view(s).substr(0, dot));
    s = Trim(std::string_view(s).substr(dot + 1));
  }
  // The rest is the fourth part, further dots and all; such a part is no number.
  Part4 = s;
  bool ok = true;
  for (const std::string* part : {&Part1, &Part2, &Part3, &Part4}) {
    int v = Text_To_Int(*part, 1000);
    if (v < 0 || v > 255) ok = false;
  }
  return ok;
}

bool IP_Address_To_Bytes(std::string_view Text, std::uint8_t& B1, std::uint8_t& B2, std::uint8_t& B3,
                         std::uint8_t& B4) {
  if (Text.empty()) return true;
  std::uint8_t* bytes[4] = {&B1, &B2, &B3, &B4};
  bool error = false;
  std::string_view rest = Text;
  for (int i = 0; i < 4; ++i) {
    std::size_t dot = rest.find('.');
    // Before the last part a missing dot leaves an empty part, which is an error.
    std::string_view part = i == 3 ? rest : rest.substr(0, dot == std::string_view::npos ? 0 : dot);
    int v = Text_To_Int(part, -1);
    if (v >= 0 && v <= 255) {
      *bytes[i] = static_cast<std::uint8_t>(v);
    } else {
      *bytes[i] = 0;
      error = true;
    }
    if (dot != std::string_view::npos) rest = rest.substr(dot + 1);
  }
  return error;
}

namespace {
// A part of a KNX address within Lo..Hi; blanks around it do not count.
bool Knx_Part(std::string_view Part, int Lo, int Hi, int& Value) {
  Value = Text_To_Int(Trim(Part), -1);
  return Value >= Lo && Value <= Hi;
}

bool Knx_Plain_Number(std::string_view Text) {
  int v = 0;
  return Knx_Part(Text, 1, 65535, v);
}
}  // namespace

int Check_KNX_Address(std::string_view Text, bool Is_Group, bool Allow_Zero) {
  const bool has_dot = Text.find('.') != std::string_view::npos;
  const bool has_slash = Text.find('/') != std::string_view::npos;
  if (Is_Group) {
    if (has_dot) return 1;
    if (!has_slash) return Knx_Plain_Number(Text) ? 0 : 1;
    std::vector<std::string> parts = SplitString(Text, '/');
    int a = 0, b = 0, c = 0;
    if (parts.size() == 3) {
      bool ok = Knx_Part(parts[0], 0, 31, a) && Knx_Part(parts[1], 0, 7, b) && Knx_Part(parts[2], 0, 255, c);
      return ok && (a != 0 || b != 0 || c != 0) ? 0 : 1;
    }
    if (parts.size() == 2) {
      bool ok = Knx_Part(parts[0], 0, 31, a) && Knx_Part(parts[1], 0, 2047, b);
      return ok && (a != 0 || b != 0) ? 0 : 1;
    }
    return 1;
  }
  if (has_slash) return 1;
  if (!has_dot) return Knx_Plain_Number(Text) ? 0 : 1;
  std::vector<std::string> parts = SplitString(Text, '.');
  // Only the three-level form a.b.c names a device; a.b is refused.
  if (parts.size() != 3) return 1;
  int a = 0, b = 0, c = 0;
  bool ok = Knx_Part(parts[0], 0, 15, a) && Knx_Part(parts[1], 0, 15, b) && Knx_Part(parts[2], 0, 255, c);
  if (!ok) return 1;
  if (!Allow_Zero && a == 0 && b == 0 && c == 0) return 1;
  return 0;
}

std::unique_ptr<TStringList> Get_Com_Ports(const std::string& DevFolder) {
  auto ports = std::make_unique<TStringList>();
  for (int number : GetComPortNumbers(DevFolder)) ports->Add(IntToStr(number));
  return ports;
}

bool Has_No_Dot(std::string_view Text) { return Text.find('.') == std::string_view::npos; }

char Get_Decimal_Separator() { return IntlDecimalSeparator(); }

bool Text_To_Float(std::string_view Text, char Separator, float& Value) {
  std::string s(Text);
  for (char& ch : s) {
    if (Separator == '.') {
      if (ch == ',') ch = '.';
    } else if (ch == '.') {
      ch = ',';
    }
  }
  double d = 0;
  // A number beyond the range of the 32-bit value cannot be stored either.
  if (TryStrToFloat(s, d, FormatSettings()) && std::isfinite(d) &&
      std::fabs(d) <= std::numeric_limits<float>::max()) {
    Value = static_cast<float>(d);
    return true;
  }
  Value = 1.0f;
  return false;
}
