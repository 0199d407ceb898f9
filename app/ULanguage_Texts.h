#pragma once
// The built-in English texts of the UI text table.

struct TDefault_Text {
  int Id;
  const char* Text;
};

// Every id that has a text of its own, in ascending id order.
extern const TDefault_Text Default_Texts[];
extern const int Default_Texts_Count;
