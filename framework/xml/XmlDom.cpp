#include "framework/xml/XmlDom.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <vector>

#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

namespace {
pugi::xml_node N(void* p) { return pugi::xml_node(static_cast<pugi::xml_node_struct*>(p)); }
void* P(pugi::xml_node n) { return n.internal_object(); }

class TStringWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
  std::string out;
};

// The bytes as valid UTF-8: what goes into the tree must come out parseable.
std::string CleanText(std::string_view s) {
  bool ascii = true;
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  if (ascii) return std::string(s);
  return Utf32ToUtf8(Utf8ToUtf32(s));
}

bool IsNameStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool IsXmlName(std::string_view name) {
  if (name.empty() || !IsNameStart(static_cast<unsigned char>(name[0]))) return false;
  for (char ch : name) {
    auto c = static_cast<unsigned char>(ch);
    if (!IsNameStart(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.') return false;
  }
  return true;
}

std::string ValidName(std::string_view name) {
  if (!IsXmlName(name)) throw EXmlError("'" + std::string(name) + "' is not a valid XML name");
  return std::string(name);
}

// A comment may hold neither "--" nor end in "-".
std::string CommentText(std::string_view text) {
  std::string s = CleanText(text);
  std::string out;
  for (char c : s) {
    if (c == '-' && !out.empty() && out.back() == '-') out += ' ';
    out += c;
  }
  if (!out.empty() && out.back() == '-') out += ' ';
  return out;
}

bool HasElementChild(pugi::xml_node n) {
  for (pugi::xml_node c : n.children())
    if (c.type() == pugi::node_element) return true;
  return false;
}

// Appends Child under Parent: moved within one document, copied from another.
pugi::xml_node Place(pugi::xml_node parent, pugi::xml_node child) {
  if (!child) throw EXmlError("The XML node does not exist");
  if (child.root() == parent.root()) {
    for (pugi::xml_node p = parent; p; p = p.parent())
      if (p == child) throw EXmlError("A node cannot be placed inside itself");
    return parent.append_move(child);
  }
  return parent.append_copy(child);
}

std::string LineAndColumn(std::string_view text, std::ptrdiff_t offset) {
  int line = 1, column = 1;
  for (std::ptrdiff_t i = 0; i < offset && i < static_cast<std::ptrdiff_t>(text.size()); ++i) {
    if (text[static_cast<std::size_t>(i)] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

[[noreturn]] void IndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

pugi::xml_node ChildAt(pugi::xml_node n, int index) {
  if (index >= 0) {
    int i = 0;
    for (pugi::xml_node c : n.children())
      if (i++ == index) return c;
  }
  IndexError(index);
}

int CountChildren(pugi::xml_node n) {
  int count = 0;
  for ([[maybe_unused]] pugi::xml_node c : n.children()) ++count;
  return count;
}

// What the parser lets through but a well-formed document may not hold: a
// second top-level element. The offset of the offending node, or -1.
std::ptrdiff_t StrayTopLevelNode(const pugi::xml_document& doc) {
  int elements = 0;
  for (pugi::xml_node c : doc.children()) {
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) return c.offset_debug();
    if (c.type() == pugi::node_element && ++elements > 1) return c.offset_debug();
  }
  return -1;
}

// Where a U+0000 stands in the bytes, per code unit width (1, 2 or 4
// bytes); -1 where none does. The parser takes one as the end of the text,
// so a document cut short by it would read as complete.
struct TNulAt {
  std::ptrdiff_t Unit[3] = {-1, -1, -1};

  explicit TNulAt(std::string_view bytes) {
    if (std::memchr(bytes.data(), 0, bytes.size()) == nullptr) return;
    const std::size_t widths[3] = {1, 2, 4};
    for (int k = 0; k < 3; ++k)
      for (std::size_t i = 0; i + widths[k] <= bytes.size(); i += widths[k])
        if (std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(i),
                        bytes.begin() + static_cast<std::ptrdiff_t>(i + widths[k]),
                        [](char c) { return c == 0; })) {
          Unit[k] = static_cast<std::ptrdiff_t>(i);
          break;
        }
  }

  // For the encoding the parser read the bytes in.
  std::ptrdiff_t In(pugi::xml_encoding enc) const {
    switch (enc) {
      case pugi::encoding_utf16_le:
      case pugi::encoding_utf16_be:
      case pugi::encoding_utf16:
        return Unit[1];
      case pugi::encoding_utf32_le:
      case pugi::encoding_utf32_be:
      case pugi::encoding_utf32:
        return Unit[2];
      case pugi::encoding_wchar:
        return Unit[sizeof(wchar_t) == 2 ? 1 : 2];
      default:
        return Unit[0];
    }
  }
};

const char* const kNulInDocument = "A NUL character ends the document before the text ends";

constexpr unsigned kParseOptions = pugi::parse_full;
// The files' fixed shape: no indentation and no line breaks of our own, so no
// whitespace nodes between elements.
constexpr unsigned kSaveOptions = pugi::format_raw | pugi::format_no_declaration;
}  // namespace

// ---- TXMLNode --------------------------------------------------------------

void* TXMLNode::Checked() const {
  if (node_ == nullptr) throw EXmlError("The XML node does not exist");
  return node_;
}

TXMLNodeType TXMLNode::NodeType() const {
  if (node_ == nullptr) return ntReserved;
  switch (N(node_).type()) {
    case pugi::node_element:
      return ntElement;
    case pugi::node_pcdata:
      return ntText;
    case pugi::node_cdata:
      return ntCData;
    case pugi::node_comment:
      return ntComment;
    case pugi::node_pi:
      return ntProcessingInstr;
    case pugi::node_declaration:
      return ntDeclaration;
    case pugi::node_doctype:
      return ntDocType;
    case pugi::node_document:
      return ntDocument;
    default:
      return ntReserved;
  }
}

std::string TXMLNode::NodeName() const {
  pugi::xml_node n = N(Checked());
  switch (n.type()) {
    case pugi::node_pcdata:
      return "#text";
    case pugi::node_cdata:
      return "#cdata-section";
    case pugi::node_comment:
      return "#comment";
    case pugi::node_document:
      return "#document";
    default:
      return n.name();
  }
}

std::string TXMLNode::NodeValue() const {
  pugi::xml_node n = N(Checked());
  return n.type() == pugi::node_element ? std::string() : std::string(n.value());
}

int TXMLNode::ChildCount() const { return CountChildren(N(Checked())); }

TXMLNode TXMLNode::ChildNodes(int Index) const { return TXMLNode(P(ChildAt(N(Checked()), Index))); }

TXMLNode TXMLNode::FindNode(std::string_view Name) const {
  pugi::xml_node n = N(Checked());
  for (pugi::xml_node c : n.children())
    if (c.type() == pugi::node_element && Name == c.name()) return TXMLNode(P(c));
  return TXMLNode();
}

TXMLNode TXMLNode::ParentNode() const { return TXMLNode(P(N(Checked()).parent())); }
TXMLNode TXMLNode::NextSibling() const { return TXMLNode(P(N(Checked()).next_sibling())); }
TXMLNode TXMLNode::PreviousSibling() const { return TXMLNode(P(N(Checked()).previous_sibling())); }

std::string TXMLNode::Text() const {
  pugi::xml_node n = N(Checked());
  if (n.type() != pugi::node_element) return n.value();
  if (HasElementChild(n))
    throw EXmlError("Element \"" + std::string(n.name()) + "\" does not contain a single text node");
  std::string text;
  for (pugi::xml_node c : n.children())
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) text += c.value();
  return text;
}

void TXMLNode::SetText(std::string_view Value) {
  pugi::xml_node n = N(Checked());
  if (n.type() != pugi::node_element) {
    n.set_value(CleanText(Value).c_str());
    return;
  }
  if (HasElementChild(n))
    throw EXmlError("Element \"" + std::string(n.name()) + "\" does not contain a single text node");
  while (n.first_child()) n.remove_child(n.first_child());
  if (!Value.empty()) n.append_child(pugi::node_pcdata).set_value(CleanText(Value).c_str());
}

bool TXMLNode::HasAttribute(std::string_view Name) const {
  return static_cast<bool>(N(Checked()).attribute(std::string(Name).c_str()));
}

std::optional<std::string> TXMLNode::AttributeValue(std::string_view Name) const {
  pugi::xml_attribute a = N(Checked()).attribute(std::string(Name).c_str());
  if (!a) return std::nullopt;
  return std::string(a.value());
}

std::string TXMLNode::Attributes(std::string_view Name) const {
  auto v = AttributeValue(Name);
  if (!v)
    throw EXmlError("Attribute \"" + std::string(Name) + "\" is missing in element \"" + N(node_).name() +
                    "\"");
  return *v;
}

std::string TXMLNode::AttributeDef(std::string_view Name, std::string_view Default) const {
  auto v = AttributeValue(Name);
  return v ? *v : std::string(Default);
}

void TXMLNode::SetAttribute(std::string_view Name, std::string_view Value) {
  pugi::xml_node n = N(Checked());
  if (n.type() != pugi::node_element) throw EXmlError("Only elements carry attributes");
  std::string name(Name);
  pugi::xml_attribute a = n.attribute(name.c_str());
  if (!a) a = n.append_attribute(ValidName(name).c_str());
  a.set_value(CleanText(Value).c_str());
}

void TXMLNode::RemoveAttribute(std::string_view Name) {
  N(Checked()).remove_attribute(std::string(Name).c_str());
}

int TXMLNode::AttributeCount() const {
  int count = 0;
  for ([[maybe_unused]] pugi::xml_attribute a : N(Checked()).attributes()) ++count;
  return count;
}

std::string TXMLNode::AttributeName(int Index) const {
  int i = 0;
  for (pugi::xml_attribute a : N(Checked()).attributes())
    if (i++ == Index) return a.name();
  IndexError(Index);
}

void TXMLNode::AttributeList(std::vector<std::pair<std::string_view, std::string_view>>& Out) const {
  Out.clear();
  for (pugi::xml_attribute a : N(Checked()).attributes()) Out.emplace_back(a.name(), a.value());
}

std::string TXMLNode::AttributeValueAt(int Index) const {
  int i = 0;
  for (pugi::xml_attribute a : N(Checked()).attributes())
    if (i++ == Index) return a.value();
  IndexError(Index);
}

TXMLNode TXMLNode::AddChild(std::string_view Name) {
  pugi::xml_node n = N(Checked());
  if (n.type() != pugi::node_element) throw EXmlError("Only elements hold child elements");
  return TXMLNode(P(n.append_child(ValidName(Name).c_str())));
}

TXMLNode TXMLNode::AppendComment(std::string_view Text) {
  pugi::xml_node c = N(Checked()).append_child(pugi::node_comment);
  c.set_value(CommentText(Text).c_str());
  return TXMLNode(P(c));
}

TXMLNode TXMLNode::AppendText(std::string_view Text) {
  pugi::xml_node c = N(Checked()).append_child(pugi::node_pcdata);
  c.set_value(CleanText(Text).c_str());
  return TXMLNode(P(c));
}

TXMLNode TXMLNode::AppendChild(TXMLNode Child) { return TXMLNode(P(Place(N(Checked()), N(Child.node_)))); }

void TXMLNode::RemoveChild(TXMLNode Child) {
  pugi::xml_node n = N(Checked());
  if (Child.IsNull() || N(Child.node_).parent() != n) throw EXmlError("The node is not a child of this node");
  n.remove_child(N(Child.node_));
}

void TXMLNode::ClearChildNodes() {
  pugi::xml_node n = N(Checked());
  while (n.first_child()) n.remove_child(n.first_child());
}

std::string TXMLNode::XML() const {
  TStringWriter w;
  N(Checked()).print(w, "", pugi::format_raw, pugi::encoding_utf8);
  return w.out;
}

// ---- TXMLAttributeReader ---------------------------------------------------

TXMLAttributeReader::TXMLAttributeReader(const TXMLNode& Element)
    : first_(N(Element.Checked()).first_attribute().internal_object()) {}

std::optional<std::string_view> TXMLAttributeReader::Find(std::string_view Name) {
  auto named = [&](pugi::xml_attribute a) {
    const char* n = a.name();
    std::size_t i = 0;
    while (i < Name.size() && n[i] == Name[i]) ++i;
    return i == Name.size() && n[i] == 0;
  };
  auto at = [](void* p) { return pugi::xml_attribute(static_cast<pugi::xml_attribute_struct*>(p)); };
  pugi::xml_attribute start = at(next_ ? next_ : first_);
  for (int pass = 0; pass < 2; ++pass) {
    pugi::xml_attribute end = pass == 0 ? pugi::xml_attribute() : start;
    for (pugi::xml_attribute a = pass == 0 ? start : at(first_); a != end; a = a.next_attribute())
      if (named(a)) {
        next_ = a.next_attribute().internal_object();
        return std::string_view(a.value());
      }
    if (start == at(first_)) break;
  }
  return std::nullopt;
}

// ---- TXMLDocument ----------------------------------------------------------

struct TXMLDocument::TImpl {
  pugi::xml_document doc;
  // The bytes of the file last loaded: the tree's texts point into them.
  std::string buffer;
  // Holders of nodes made outside the tree.
  std::vector<std::unique_ptr<pugi::xml_document>> loose;
};

TXMLDocument::TXMLDocument(TComponent* AOwner) : TComponent(AOwner), impl_(std::make_unique<TImpl>()) {}

TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::SetActive(bool Value) {
  if (!Value) Clear();
  active_ = Value;
}

void TXMLDocument::LoadFromFile(const std::string& FileName) {
  Clear();
  fileName_ = FileName;
  std::string& bytes = impl_->buffer;
  if (!ReadFileBytes(FileName, bytes)) {
    throw EXmlError("Cannot open file \"" + NativePath(FileName) + "\". " +
                    (DirectoryExists(FileName) ? "It is a folder" : "No such file or it cannot be read"));
  }
  const TNulAt nul(bytes);
  // Parsed where it was read, with no second copy of a big file.
  pugi::xml_parse_result r =
      impl_->doc.load_buffer_inplace(bytes.data(), bytes.size(), kParseOptions, pugi::encoding_auto);
  // A NUL is damage whatever else the parser found: it is what is said.
  const std::ptrdiff_t cut = nul.In(r.encoding);
  const std::ptrdiff_t stray = r && cut < 0 ? StrayTopLevelNode(impl_->doc) : -1;
  if (!r || cut >= 0 || stray >= 0) {
    Clear();
    // The parse rewrote the bytes in place: the position is told in the file as it stands.
    std::string original;
    ReadFileBytes(FileName, original);
    if (cut >= 0)
      throw EXmlError(NativePath(FileName) + ": " + LineAndColumn(original, cut) + ": " + kNulInDocument);
    if (!r)
      throw EXmlError(NativePath(FileName) + ": " + LineAndColumn(original, r.offset) + ": " +
                      r.description());
    throw EXmlError(NativePath(FileName) + ": " + LineAndColumn(original, stray) +
                    ": Only one top level element is allowed in an XML document");
  }
  active_ = true;
}

void TXMLDocument::LoadFromXML(std::string_view Xml) {
  Clear();
  const TNulAt nul(Xml);
  pugi::xml_parse_result r =
      impl_->doc.load_buffer(Xml.data(), Xml.size(), kParseOptions, pugi::encoding_auto);
  if (std::ptrdiff_t cut = nul.In(r.encoding); cut >= 0) {
    impl_->doc.reset();
    throw EXmlError(LineAndColumn(Xml, cut) + ": " + kNulInDocument);
  }
  if (!r) {
    impl_->doc.reset();
    throw EXmlError(LineAndColumn(Xml, r.offset) + ": " + r.description());
  }
  if (std::ptrdiff_t stray = StrayTopLevelNode(impl_->doc); stray >= 0) {
    impl_->doc.reset();
    throw EXmlError(LineAndColumn(Xml, stray) + ": Only one top level element is allowed in an XML document");
  }
  active_ = true;
}

std::string TXMLDocument::SaveToXML() const {
  TStringWriter w;
  impl_->doc.save(w, "", kSaveOptions, pugi::encoding_utf8);
  return w.out;
}

void TXMLDocument::SaveToFile(const std::string& FileName) const { SafeWriteFile(FileName, SaveToXML()); }

int TXMLDocument::ChildCount() const { return CountChildren(impl_->doc); }

TXMLNode TXMLDocument::ChildNodes(int Index) const { return TXMLNode(P(ChildAt(impl_->doc, Index))); }

TXMLNode TXMLDocument::DocumentElement() const { return TXMLNode(P(impl_->doc.document_element())); }

void TXMLDocument::Clear() {
  impl_->doc.reset();
  impl_->buffer = std::string();
  impl_->loose.clear();
}

TXMLNode TXMLDocument::AddChild(std::string_view Name) {
  if (impl_->doc.document_element())
    throw EXmlError("Only one top level element is allowed in an XML document");
  active_ = true;
  return TXMLNode(P(impl_->doc.append_child(ValidName(Name).c_str())));
}

TXMLNode TXMLDocument::AppendComment(std::string_view Text) {
  active_ = true;
  pugi::xml_node c = impl_->doc.append_child(pugi::node_comment);
  c.set_value(CommentText(Text).c_str());
  return TXMLNode(P(c));
}

TXMLNode TXMLDocument::AppendChild(TXMLNode Child) {
  pugi::xml_node c = N(Child.node_);
  if (c && c.type() == pugi::node_element && impl_->doc.document_element() &&
      impl_->doc.document_element() != c)
    throw EXmlError("Only one top level element is allowed in an XML document");
  active_ = true;
  return TXMLNode(P(Place(impl_->doc, c)));
}

void TXMLDocument::RemoveChild(TXMLNode Child) {
  if (Child.IsNull() || N(Child.node_).parent() != impl_->doc)
    throw EXmlError("The node is not a child of the document");
  impl_->doc.remove_child(N(Child.node_));
}

TXMLNode TXMLDocument::CreateElement(std::string_view Name) {
  std::string name = ValidName(Name);
  impl_->loose.push_back(std::make_unique<pugi::xml_document>());
  return TXMLNode(P(impl_->loose.back()->append_child(name.c_str())));
}

TXMLNode TXMLDocument::CreateComment(std::string_view Text) {
  impl_->loose.push_back(std::make_unique<pugi::xml_document>());
  pugi::xml_node c = impl_->loose.back()->append_child(pugi::node_comment);
  c.set_value(CommentText(Text).c_str());
  return TXMLNode(P(c));
}
