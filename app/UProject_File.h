#pragma once
// The one way every reader takes a project file (the editors, the
// communication parameters form, the image compiler and the description file
// writers), so that a file one of them accepts the others accept too, and a
// file that is there but cannot be read is never taken for a missing one.
//
// A project file's shape: one root element, with whatever declaration,
// comments, document type or processing instructions stand before or after
// it at document level; the readers take the root element, never simply the
// first node.
#include <string>

#include "framework/xml/XmlDom.h"

// Raised when a project file is there but cannot be read: the path names a
// folder (or other non-file), the project folder cannot be searched or is
// gone, the file does not parse or holds no root element. The message names
// the file and why.
class EProject_File_Error : public Exception {
 public:
  EProject_File_Error(const std::string& Path, std::string Reason);
  // Why, without the file's name.
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

// True when Path holds a file to read; false when it is plainly missing from a
// project folder that exists and can be searched (its defaults apply). Raises
// EProject_File_Error for anything else.
bool Project_File_Present(const std::string& Path);

// Loads the file into Doc and answers its root element. Raises
// EProject_File_Error for a file that cannot be read (as above) or that
// holds no root element, and EXmlError for one that does not parse.
TXMLNode Load_Project_File(TXMLDocument& Doc, const std::string& Path);

// The same for a reader that reports in its own words: Fail is called with
// the file and the reason (without the file's name) and must raise.
using TProject_File_Failure = void (*)(const std::string& Path, const std::string& Reason);
bool Project_File_Present(const std::string& Path, TProject_File_Failure Fail);
TXMLNode Load_Project_File(TXMLDocument& Doc, const std::string& Path, TProject_File_Failure Fail);
