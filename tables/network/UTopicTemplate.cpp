#include "tables/network/UTopicTemplate.h"

TTopic_Template_Captions Topic_Template_Captions(int TopicTemplate) {
  if (TopicTemplate != 0) return {2401, 2403};
  return {2400, 2402};
}

std::vector<TTopic_Keyword> Topic_Keywords(int, int) { return {}; }

std::vector<TTopic_Keyword> Keyword_Legend_Rows(const std::vector<TTopic_Keyword>& Keywords) {
  if (Keywords.empty()) return {TTopic_Keyword{}};
  return Keywords;
}
