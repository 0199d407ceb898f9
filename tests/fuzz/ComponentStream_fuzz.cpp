// Fuzz target for the stored layout readers: the binary component record and
// the text layout. Not built by default; built by
// tests/fuzz/build.sh, which lists its sources:
//
//   tests/fuzz/build.sh layout_fuzz
//   ./build-fuzz/layout_fuzz -max_total_time=60
//
// Every input must either parse or raise ELayoutError; a record that parses
// must write back to bytes that parse to the same record again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/classes/ComponentStream.h"
#include "framework/classes/LayoutText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  std::string_view input(reinterpret_cast<const char*>(Data), Size);
  try {
    size_t pos = 0;
    TLayoutObject o = ReadLayoutRecord(input, pos);
    if (pos > Size) std::abort();
    std::string once;
    WriteLayoutRecord(once, o);
    size_t pos2 = 0;
    TLayoutObject again = ReadLayoutRecord(once, pos2);
    std::string twice;
    WriteLayoutRecord(twice, again);
    if (pos2 != once.size() || once != twice) std::abort();
    (void)FormatLayoutText(o);
  } catch (const ELayoutError&) {
  }
  try {
    TLayoutObject o = ParseLayoutText(input, "fuzz");
    // Whatever the text parser accepts the text writer can print and the
    // parser read back.
    std::string text = FormatLayoutText(o);
    (void)ParseLayoutText(text, "fuzz");
  } catch (const ELayoutError&) {
  }
  return 0;
}
