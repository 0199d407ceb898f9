#pragma once
// Runs the real MIB checker, smilint of Debian's smitools, over a module
// file. The checker finds the base modules the configurator's modules import
// in tests/tables/network/smi (Debian ships none). A missing checker fails
// the test that needs it, with the way to install it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/Golden.h"

struct TSmilint_Result {
  bool Ran = false;
  // Every message, and those of error severity (0 to 3; 4 and above are
  // warnings).
  std::vector<std::string> Messages;
  std::vector<std::string> Errors;
};

inline std::string Shell_Quote(const std::string& S) {
  std::string r = "'";
  for (char c : S) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return r + "'";
}

inline std::string Run_Capture(const std::string& Command) {
  std::string out;
  FILE* pipe = popen(Command.c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  pclose(pipe);
  return out;
}

inline TSmilint_Result Run_Smilint(const std::string& Module_File) {
  TSmilint_Result result;
  if (Run_Capture("command -v smilint").empty()) {
    ADD_FAILURE() << "smilint was not found: the MIB modules cannot be checked. Install Debian's smitools "
                     "(apt-get install smitools; ./dev test installs it).";
    return result;
  }
  const std::string smi = Golden_Path("tables/network/smi");
  const std::string output = Run_Capture("SMIPATH=" + Shell_Quote(smi) + " smilint -s -m -l 9 " +
                                         Shell_Quote(Module_File) + " 2>&1");
  result.Ran = true;
  static const std::regex severity(R"(: \[(\d+)\] )");
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    result.Messages.push_back(line);
    std::smatch m;
    if (!std::regex_search(line, m, severity) || std::stoi(m[1]) <= 3) result.Errors.push_back(line);
  }
  return result;
}

inline std::string Joined(const std::vector<std::string>& Lines) {
  std::string r;
  for (const std::string& l : Lines) r += l + "\n";
  return r;
}
