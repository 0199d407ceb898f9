#include "tables/network/UBACnet_Eng_Unit.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(BACnetEngUnit, NamesOfCodes) {
  const struct {
    int Code;
    const char* Name;
  } cases[] = {
      {0, "square-meters"},
      {95, "no-units"},
      {207, "per-mille"},
      {236, "minutes-per-degree-kelvin"},
      {51, "horsepower"},
      {77, "feet-per-minute"},
      {103, "radians"},
      {139, "megajoules-per-square-meter"},
      {172, "ohm-meters"},
      {62, "degrees-Celsius"},
      {66, "degree-days-Fahrenheit"},
      {128, "joules-per-kilogram-degree-Kelvin"},
      {185, "square-meters-per-Newton"},
      {141, "watts-per-square-meter-degree-kelvin"},
      {153, "newton"},
      {190, "microsiemens"},
      {233, "nephelometric-turbidity-unit"},
      {234, "pH"},
      {235, "grams-per-square-meter"},
      {166, "meters-per-second-per-second"},
      {237, "unknown"},
      {-1, "unknown"},
      {65535, "unknown"},
      {INT_MIN, "unknown"},
      {INT_MAX, "unknown"},
  };
  for (const auto& c : cases) EXPECT_EQ(Desc_Unit(c.Code), c.Name) << c.Code;
  EXPECT_EQ(Unit_Label(62), "-> degrees-Celsius");
  EXPECT_EQ(Unit_Label(-1), "-> unknown");
}

// The names are the standard's lower-case words joined by hyphens, with the
// four proper names capitalised in exactly these codes.
TEST(BACnetEngUnit, SpellingOfEveryName) {
  const std::set<int> capitalised = {62,  63,  64,  65,  66,  91,  92,  93,  94,  102, 120,
                                     121, 127, 128, 151, 152, 176, 181, 182, 185, 189};
  std::set<std::string> names;
  for (int code = 0; code <= BACnet_Last_Unit_Code; ++code) {
    const std::string name = Desc_Unit(code);
    SCOPED_TRACE(std::to_string(code) + " " + name);
    EXPECT_NE(name, "unknown");
    EXPECT_TRUE(names.insert(name).second) << "twice";
    bool proper = false;
    for (const char* word : {"Celsius", "Kelvin", "Fahrenheit", "Newton"})
      proper = proper || name.find(word) != std::string::npos;
    EXPECT_EQ(proper, capitalised.count(code) == 1);
    std::string rest = name;
    for (const char* word : {"Celsius", "Kelvin", "Fahrenheit", "Newton"}) {
      const std::size_t at = rest.find(word);
      if (at != std::string::npos) rest[at] = static_cast<char>(rest[at] - 'A' + 'a');
    }
    if (code == 234) continue;  // "pH"
    for (char c : rest) EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') << c;
  }
}

TEST(BACnetEngUnit, CategoriesOfThePicker) {
  const std::vector<TBACnet_Unit_Category>& categories = BACnet_Unit_Categories();
  const std::vector<std::pair<std::string, std::size_t>> expected = {
      {"Acceleration", 1}, {"Area", 4},
      {"Currency", 10},    {"Electrical", 35},
      {"Energy", 15},      {"Enthalpy", 5},
      {"Entropy", 4},      {"Force", 1},
      {"Frequency", 6},    {"Humidity", 2},
      {"Length", 7},       {"Light", 7},
      {"Mass", 5},         {"Mass Flow", 9},
      {"Power", 8},        {"Pressure", 12},
      {"Temperature", 9},  {"Time", 9},
      {"Torque", 1},       {"Velocity", 9},
      {"Volume", 6},       {"Volumetric Flow", 13},
      {"Other", 59}};
  ASSERT_EQ(categories.size(), expected.size());
  std::multiset<int> codes;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(categories[i].Name, expected[i].first);
    EXPECT_EQ(categories[i].Codes.size(), expected[i].second) << expected[i].first;
    codes.insert(categories[i].Codes.begin(), categories[i].Codes.end());
  }
  // Every code with a name once.
  ASSERT_EQ(codes.size(), 237u);
  for (int code = 0; code <= BACnet_Last_Unit_Code; ++code) EXPECT_EQ(codes.count(code), 1u) << code;

  // The lists show the names in the category's order.
  EXPECT_EQ(Category_Unit_Names(0), (std::vector<std::string>{"meters-per-second-per-second"}));
  EXPECT_EQ(Category_Unit_Names(1), (std::vector<std::string>{"square-meters", "square-centimeters",
                                                              "square-feet", "square-inches"}));
  const std::vector<std::string> other = Category_Unit_Names(22);
  ASSERT_EQ(other.size(), 59u);
  EXPECT_EQ(other[29], "per-mille");
  EXPECT_EQ(std::vector<std::string>(other.end() - 4, other.end()),
            (std::vector<std::string>{"nephelometric-turbidity-unit", "pH", "grams-per-square-meter",
                                      "minutes-per-degree-kelvin"}));
  EXPECT_TRUE(Category_Unit_Names(23).empty());
  EXPECT_TRUE(Category_Unit_Names(-1).empty());

  // Select Engineering Unit: the code at the unit's place; nothing while no
  // unit of the list is selected.
  EXPECT_EQ(Selected_Unit_Code(22, 29), 207);
  EXPECT_EQ(Selected_Unit_Code(16, 0), 62);
  EXPECT_EQ(Selected_Unit_Code(0, 0), 166);
  EXPECT_EQ(Selected_Unit_Code(0, 1), std::nullopt);
  EXPECT_EQ(Selected_Unit_Code(22, -1), std::nullopt);
  EXPECT_EQ(Selected_Unit_Code(23, 0), std::nullopt);
}

}  // namespace
