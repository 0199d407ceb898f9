// Closing a form that holds edits not yet saved, and the wording of its error boxes.
#include <functional>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Controls.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/Messages.h"

bool Confirm_Close_Unsaved(TMessage& Message, const std::function<bool()>& Changed) {
  const bool escape = Message.Msg == CM_DIALOGKEY && Message.WParam == VK_ESCAPE &&
                      KeyDataToShiftState(Message.LParam).Empty();
  if (!escape && Message.Msg != WM_CLOSE) return true;
  if (!Changed()) return true;
  if (MessageDlg(Lang_Table->Strings(Text_Discard_Changes), mtConfirmation, {mbYes, mbNo}, 0) == mrYes)
    return true;
  // Consumed: the key goes no further and the form stays open.
  Message.Result = 1;
  return false;
}

std::string Error_Text(std::string_view Lead, std::string_view Detail) {
  const std::size_t mark = Lead.find("! ");
  if (mark != std::string_view::npos && Lead.find(' ') > mark) {
    const std::string_view word = Lead.substr(0, mark + 2);
    if (Detail.substr(0, word.size()) == word) Detail.remove_prefix(word.size());
  }
  return std::string(Lead) + std::string(Detail);
}
