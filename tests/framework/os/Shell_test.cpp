#include "framework/os/Shell.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Shell, OnlyWebAndMailLinksAreOpened) {
  std::vector<std::string> opened;
  SetUrlOpener([&](const std::string& url) {
    opened.push_back(url);
    return true;
  });
  struct Case {
    const char* url;
    bool ok;
  } cases[] = {
      {"http://www.example.com/download", true},
      {"HTTPS://example.com", true},
      {"mailto:support@example.com", true},
      {"file:///etc/passwd", false},
      {"/usr/bin/xterm", false},
      {"javascript:alert(1)", false},
      {"http://", false},
      {"http://a b", false},
      {"http://x\n", false},
      {"--help", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(OpenUrl(c.url), c.ok) << c.url;
  SetUrlOpener(nullptr);
  EXPECT_EQ(opened, (std::vector<std::string>{"http://www.example.com/download", "HTTPS://example.com",
                                              "mailto:support@example.com"}));
}
