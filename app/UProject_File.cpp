#include "app/UProject_File.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "app/ULanguage.h"
#include "framework/classes/StringList.h"
#include "framework/os/Files.h"

namespace {
constexpr int Text_File_Unreadable = 1106;  // "Error! The file \"", as in the editors' report
constexpr int Text_File_Unreadable_2 = 1113;
constexpr int Text_Is_Folder = 1114;
constexpr int Text_Is_No_File = 1115;
constexpr int Text_Folder_Missing = 1116;
constexpr int Text_No_Root = 1117;

std::string Text(int Id) { return Lang_Table->Strings(Id); }

[[noreturn]] void Unreadable(const std::string& Path, const std::string& Reason) {
  throw EProject_File_Error(Path, Reason);
}
}  // namespace

EProject_File_Error::EProject_File_Error(const std::string& Path, std::string Reason)
    : Exception(Text(Text_File_Unreadable) + NativePath(Path) + Text(Text_File_Unreadable_2) + Reason),
      reason_(std::move(Reason)) {}

bool Project_File_Present(const std::string& Path) {
  const std::string native = NativePath(Path);
  struct stat st {};
  if (::stat(native.c_str(), &st) == 0) {
    if (S_ISREG(st.st_mode)) return true;
    Unreadable(Path, Text(S_ISDIR(st.st_mode) ? Text_Is_Folder : Text_Is_No_File));
  }
  const int err = errno;
  // Missing means missing from a folder that is there: a project folder that
  // is gone or cannot be searched hides its files, which are not to be
  // replaced by defaults.
  if (err == ENOENT) {
    const std::string folder = ExtractFileDir(native);
    if (folder.empty() || DirectoryExists(folder)) return false;
    Unreadable(Path, Text(Text_Folder_Missing));
  }
  Unreadable(Path, std::strerror(err));
}

TXMLNode Load_Project_File(TXMLDocument& Doc, const std::string& Path) {
  if (!Project_File_Present(Path)) Unreadable(Path, std::strerror(ENOENT));
  Doc.SetActive(true);
  try {
    Doc.LoadFromFile(Path);
  } catch (const EProject_File_Error&) {
    throw;
  } catch (const Exception& e) {
    // The parser names the file first; the report names it once already.
    std::string_view reason = e.Message();
    for (const std::string& name : {NativePath(Path), Path})
      if (reason.size() > name.size() + 2 && reason.substr(0, name.size()) == name &&
          reason.substr(name.size(), 2) == ": ") {
        reason.remove_prefix(name.size() + 2);
        break;
      }
    Unreadable(Path, std::string(reason));
  }
  const TXMLNode root = Doc.DocumentElement();
  if (!root) Unreadable(Path, Text(Text_No_Root));
  return root;
}

bool Project_File_Present(const std::string& Path, TProject_File_Failure Fail) {
  try {
    return Project_File_Present(Path);
  } catch (const EProject_File_Error& e) {
    Fail(Path, e.Reason());
    throw;
  }
}

TXMLNode Load_Project_File(TXMLDocument& Doc, const std::string& Path, TProject_File_Failure Fail) {
  try {
    return Load_Project_File(Doc, Path);
  } catch (const EProject_File_Error& e) {
    Fail(Path, e.Reason());
    throw;
  } catch (const Exception& e) {
    Fail(Path, e.Message());
    throw;
  }
}
