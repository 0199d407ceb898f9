#pragma once
// The tree a stored component layout is read into and written from. The text
// layouts and the binary "TPF0" stream share it: each format only parses and
// prints this tree, and one filer (ComponentFiler.h) applies it to components
// or builds it from them. Reading a whole record into the tree before anything
// is applied means a damaged stream never leaves an object half filled.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/rtl/SysUtils.h"

enum class TLayoutValueKind : uint8_t {
  Null,  // end of a list; never a property value
  List,  // values in parentheses (string lists)
  Integer,
  Float,
  String,  // UTF-8 text
  Ident,   // enumeration value, named colour, component or handler name
  False,
  True,
  Binary,      // raw bytes ({ hex } in text)
  Set,         // element names
  Collection,  // items, each a list of properties
  Nil,         // no component / no handler
};

// How a float travelled in a binary stream; text always carries the value.
enum class TLayoutFloatType : uint8_t { Extended, Single, Double, Currency, Date };

struct TLayoutProperty;

// One item of a collection value.
struct TLayoutItem {
  std::vector<TLayoutProperty> Props;
  int64_t Pos = 0;  // line (text) or byte offset (binary) of the item
};

struct TLayoutValue {
  TLayoutValueKind Kind = TLayoutValueKind::Null;
  int64_t Int = 0;
  double Float = 0;
  TLayoutFloatType FloatType = TLayoutFloatType::Extended;
  std::string Str;                 // String, Ident, Binary
  std::vector<std::string> Names;  // Set
  std::vector<TLayoutValue> List;  // List
  std::vector<TLayoutItem> Items;  // Collection
  int64_t Pos = 0;

  static TLayoutValue Integer(int64_t v);
  static TLayoutValue FloatValue(double v);
  static TLayoutValue String(std::string s);
  static TLayoutValue Ident(std::string s);
  static TLayoutValue Boolean(bool b);
  static TLayoutValue Binary(std::string bytes);
  static TLayoutValue SetOf(std::vector<std::string> names);
  static TLayoutValue ListOf(std::vector<TLayoutValue> values);
  static TLayoutValue NilValue();
  bool IsString() const { return Kind == TLayoutValueKind::String; }
};

struct TLayoutProperty {
  std::string Name;  // may be dotted: "Font.Name", "Items.Strings"
  TLayoutValue Value;
  int64_t Pos = 0;
};

struct TLayoutObject {
  std::string ClassName;
  std::string Name;
  bool Inherited = false;  // the component already exists in the root
  bool Inline = false;
  std::vector<TLayoutProperty> Props;
  std::vector<TLayoutObject> Children;
  int64_t Pos = 0;
};

// Where a layout came from, so that errors can point at it.
struct TLayoutSource {
  std::string Name;     // file or resource name ("forms/FParGen.dfm"), or "stream"
  bool Binary = false;  // positions are byte offsets, not lines
};

// A stored layout that cannot be read: names the file, the line (or byte
// offset) and, when known, the property ("Btn_OK.Caption").
class ELayoutError : public EReadError {
 public:
  ELayoutError(const TLayoutSource& Source, int64_t Pos, std::string Property, std::string Reason);
  const std::string& FileName() const { return file_; }
  // Line in a text layout, byte offset in a binary stream.
  int64_t Line() const { return pos_; }
  bool IsOffset() const { return binary_; }
  const std::string& Property() const { return property_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string file_;
  int64_t pos_;
  bool binary_;
  std::string property_;
  std::string reason_;
};
