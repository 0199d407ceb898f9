#include "framework/classes/LayoutTree.h"

#include <utility>

TLayoutValue TLayoutValue::Integer(int64_t v) {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::Integer;
  r.Int = v;
  return r;
}

TLayoutValue TLayoutValue::FloatValue(double v) {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::Float;
  r.Float = v;
  return r;
}

TLayoutValue TLayoutValue::String(std::string s) {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::String;
  r.Str = std::move(s);
  return r;
}

TLayoutValue TLayoutValue::Ident(std::string s) {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::Ident;
  r.Str = std::move(s);
  return r;
}

TLayoutValue TLayoutValue::Boolean(bool b) {
  TLayoutValue r;
  r.Kind = b ? TLayoutValueKind::True : TLayoutValueKind::False;
  return r;
}

TLayoutValue TLayoutValue::Binary(std::string bytes) {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::Binary;
  r.Str = std::move(bytes);
  return r;
}

TLayoutValue TLayoutValue::SetOf(std::vector<std::string> names) {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::Set;
  r.Names = std::move(names);
  return r;
}

TLayoutValue TLayoutValue::ListOf(std::vector<TLayoutValue> values) {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::List;
  r.List = std::move(values);
  return r;
}

TLayoutValue TLayoutValue::NilValue() {
  TLayoutValue r;
  r.Kind = TLayoutValueKind::Nil;
  return r;
}

namespace {
std::string FormatLayoutError(const TLayoutSource& s, int64_t pos, const std::string& prop,
                              const std::string& reason) {
  std::string m = s.Name.empty() ? std::string(s.Binary ? "stream" : "layout") : s.Name;
  m += s.Binary ? ", offset " : ", line ";
  m += std::to_string(pos);
  if (!prop.empty()) m += ", property " + prop;
  return m + ": " + reason;
}
}  // namespace

ELayoutError::ELayoutError(const TLayoutSource& Source, int64_t Pos, std::string Property, std::string Reason)
    : EReadError(FormatLayoutError(Source, Pos, Property, Reason)),
      file_(Source.Name),
      pos_(Pos),
      binary_(Source.Binary),
      property_(std::move(Property)),
      reason_(std::move(Reason)) {}
