#pragma once
// Golden files: bytes a writer must produce, kept below tests/ in the source
// tree and compared byte for byte. Running the tests with CF_UPDATE_GOLDEN=1
// in the environment writes the bytes produced into the golden file instead
// (review the difference before committing it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

inline std::string Golden_Path(const std::string& Relative) {
  return std::string(CF_TEST_SOURCE_DIR) + "/" + Relative;
}

// Relative is the path below tests/, e.g. "tables/plc/golden/canopen.eds".
inline ::testing::AssertionResult Matches_Golden(const std::string& Relative, const std::string& Bytes) {
  const std::string path = Golden_Path(Relative);
  const char* update = std::getenv("CF_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << Bytes;
    return ::testing::AssertionSuccess() << "written " << path;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return ::testing::AssertionFailure() << "no golden file " << path;
  const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (expected == Bytes) return ::testing::AssertionSuccess();
  // Name the first line that differs.
  std::size_t at = 0;
  while (at < expected.size() && at < Bytes.size() && expected[at] == Bytes[at]) ++at;
  const std::size_t line_start = expected.rfind('\n', at == 0 ? 0 : at - 1);
  const std::size_t begin = line_start == std::string::npos ? 0 : line_start + 1;
  int line = 1;
  for (std::size_t i = 0; i < begin; ++i) line += expected[i] == '\n';
  auto line_at = [begin](const std::string& s) {
    if (begin >= s.size()) return std::string("<end of file>");
    return s.substr(begin, s.find('\n', begin) - begin);
  };
  return ::testing::AssertionFailure()
         << path << " differs at line " << line << " (byte " << at << "): expected \"" << line_at(expected)
         << "\", got \"" << line_at(Bytes) << "\"";
}
