#pragma once
// The XML document object the configurator loads, walks, builds and saves its
// files with.
//
// Its rules:
// - The document's child nodes are every top-level node, so a declaration, a
//   comment, a document type or a processing instruction before the root
//   element counts as ChildNodes(0); DocumentElement() is the root element
//   whatever stands before it.
// - Whitespace-only text between elements is dropped on load, so indented
//   files read the same.
// - A missing attribute is told apart from an empty one (HasAttribute,
//   AttributeValue); Attributes(name) raises EXmlError when it is missing.
// - Reading or changing through a null node (a FindNode that found nothing)
//   raises EXmlError, so a chain of look-ups fails as one.
// - A file that does not parse raises EXmlError naming the file and the line;
//   so does one holding a NUL character, which would end the document
//   silently before the text ends.
// - Saving writes UTF-8 without a byte-order mark, with no XML declaration
//   unless the document holds one, without indentation or line breaks between
//   nodes, through the safe writer: a failed save leaves the old file intact
//   and raises.
//
// TXMLNode is a handle into its document; it is cheap to copy and is valid
// until its node is removed or the document is cleared, reloaded or freed.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/classes/Classes.h"

enum TXMLNodeType {
  ntReserved,  // a null node
  ntElement,
  ntAttribute,
  ntText,
  ntCData,
  ntEntityRef,
  ntEntity,
  ntProcessingInstr,
  ntComment,
  ntDocument,
  ntDocType,
  ntDocFragment,
  ntNotation,
  ntDeclaration,
};

class TXMLDocument;

class TXMLNode {
 public:
  TXMLNode() = default;

  bool IsNull() const { return node_ == nullptr; }
  explicit operator bool() const { return node_ != nullptr; }
  friend bool operator==(const TXMLNode& a, const TXMLNode& b) { return a.node_ == b.node_; }

  TXMLNodeType NodeType() const;
  // The element's tag; "#text", "#cdata-section", "#comment" or the
  // instruction's target ("xml" for the declaration) for other nodes.
  std::string NodeName() const;
  // The content of a text, comment or instruction node; empty for elements.
  std::string NodeValue() const;

  // Child nodes of every kind, in document order.
  int ChildCount() const;
  bool HasChildNodes() const { return ChildCount() > 0; }
  // Raises EListError "List index out of bounds (n)" for a bad index.
  TXMLNode ChildNodes(int Index) const;
  // The first child element with this name (case-sensitive); null if none.
  TXMLNode FindNode(std::string_view Name) const;
  TXMLNode ParentNode() const;
  TXMLNode NextSibling() const;
  TXMLNode PreviousSibling() const;

  // An element's text: its text and CDATA children joined. Raises EXmlError
  // when the element holds child elements. For other nodes, their value.
  std::string Text() const;
  // Replaces the element's content with one text node (none for an empty
  // text); raises EXmlError when it holds child elements.
  void SetText(std::string_view Value);

  bool HasAttribute(std::string_view Name) const;
  // The value, or nothing when the attribute is missing.
  std::optional<std::string> AttributeValue(std::string_view Name) const;
  // The value; raises EXmlError when the attribute is missing.
  std::string Attributes(std::string_view Name) const;
  std::string AttributeDef(std::string_view Name, std::string_view Default) const;
  // Adds the attribute, or changes its value in place.
  void SetAttribute(std::string_view Name, std::string_view Value);
  void RemoveAttribute(std::string_view Name);
  int AttributeCount() const;
  std::string AttributeName(int Index) const;
  std::string AttributeValueAt(int Index) const;
  // Every attribute's name and value in document order, into Out (emptied
  // first): one pass for a reader that wants them all. The views hold
  // while the document is not changed.
  void AttributeList(std::vector<std::pair<std::string_view, std::string_view>>& Out) const;

  // Appends a new child element and returns it. Raises EXmlError for a name
  // that is not a valid XML name.
  TXMLNode AddChild(std::string_view Name);
  TXMLNode AppendComment(std::string_view Text);
  TXMLNode AppendText(std::string_view Text);
  // Moves a node of the same document here, or copies a node made by
  // TXMLDocument::CreateElement/CreateComment; returns the node in place.
  TXMLNode AppendChild(TXMLNode Child);
  void RemoveChild(TXMLNode Child);
  void ClearChildNodes();

  // The node and its subtree as XML text.
  std::string XML() const;

 private:
  friend class TXMLDocument;
  friend class TXMLAttributeReader;
  explicit TXMLNode(void* node) : node_(node) {}
  void* Checked() const;
  void* node_ = nullptr;
};

// Reads an element's attributes by name, each look-up going on from the
// attribute after the one found last: asked in the order they stand in, the
// n attributes of a table row are read in n steps instead of n*n/2. The
// values are valid until the document changes.
class TXMLAttributeReader {
 public:
  // Raises EXmlError for a null node.
  explicit TXMLAttributeReader(const TXMLNode& Element);
  // Nothing when the attribute is missing.
  std::optional<std::string_view> Find(std::string_view Name);

 private:
  void* first_ = nullptr;
  void* next_ = nullptr;
};

class TXMLDocument : public TComponent {
 public:
  explicit TXMLDocument(TComponent* AOwner = nullptr);
  ~TXMLDocument() override;

  // Kept for callers written for the platform: making the document inactive
  // empties it; making it active changes nothing.
  bool Active() const { return active_; }
  void SetActive(bool Value);

  // Raise EXmlError "Cannot open file ..." or "<file>: line L, column C:
  // <reason>"; the document is empty after a failed load.
  void LoadFromFile(const std::string& FileName);
  void LoadFromXML(std::string_view Xml);
  // Raises EFCreateError when the file cannot be written.
  void SaveToFile(const std::string& FileName) const;
  std::string SaveToXML() const;
  const std::string& FileName() const { return fileName_; }

  // The document's own children: declaration, comments, instructions and
  // the root element, in document order.
  int ChildCount() const;
  TXMLNode ChildNodes(int Index) const;
  // The first element at document level; null when there is none.
  TXMLNode DocumentElement() const;
  // Removes every node.
  void Clear();

  // Adds the root element; raises EXmlError when the document has one.
  TXMLNode AddChild(std::string_view Name);
  TXMLNode AppendComment(std::string_view Text);
  TXMLNode AppendChild(TXMLNode Child);
  void RemoveChild(TXMLNode Child);

  // Nodes outside the tree, to be placed with AppendChild.
  TXMLNode CreateElement(std::string_view Name);
  TXMLNode CreateComment(std::string_view Text);

 private:
  struct TImpl;
  std::unique_ptr<TImpl> impl_;
  bool active_ = false;
  std::string fileName_;
};
