#pragma once
// The topic template editor TFTopicTemplate: a small modal text editor for
// one topic or template text of the MQTT topic tables, with a legend of the
// keywords a template may hold. The MQTT editor puts the cell's text in and
// takes it back on OK (Edit_Topic_Cell in UMQTT_Set_Topic); the form itself
// neither checks nor stores anything.
//
// This is the part that needs no window: which captions a showing takes and
// the rows of the keyword legend.
#include <string>
#include <vector>

// The text ids of the window caption and of L_SW_Desc.
struct TTopic_Template_Captions {
  int Caption;
  int Desc;
};

// "Set Template" (2401, 2403) when TopicTemplate is not zero, "Set Topic"
// (2400, 2402) otherwise.
TTopic_Template_Captions Topic_Template_Captions(int TopicTemplate);

struct TTopic_Keyword {
  std::string Keyword;
  std::string Description;
};

// The keywords a template of this working mode and table (Pub_Sub 0 publish,
// 1 subscribe) may hold. The configurator knows none: the converter's
// firmware gives the keywords their meaning, and the list is empty.
std::vector<TTopic_Keyword> Topic_Keywords(int Working_Mode, int Pub_Sub);

// The rows of the legend grid below its header: one per keyword, or a single
// empty row when there is none. The description cells are read-only.
std::vector<TTopic_Keyword> Keyword_Legend_Rows(const std::vector<TTopic_Keyword>& Keywords);
