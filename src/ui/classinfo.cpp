#include "ui/classinfo.h"

#include "ui/component.h"
#include "ui/text.h"

using kq::ui::SameText;

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> props)
    : name_(std::move(name)), parent_(parent), props_(std::move(props)) {}

bool TClassInfo::InheritsFrom(std::string_view className) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (SameText(c->name_, className)) return true;
  return false;
}

std::vector<std::string> TClassInfo::Ancestry() const {
  std::vector<std::string> out;
  for (const TClassInfo* c = this; c; c = c->parent_) out.push_back(c->name_);
  return out;
}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->props_)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

std::vector<std::string> TClassInfo::PropNames() const {
  std::vector<std::string> out = parent_ ? parent_->PropNames() : std::vector<std::string>{};
  for (const TPropInfo& p : props_) {
    bool seen = false;
    for (const auto& n : out) seen = seen || SameText(n, p.Name);
    if (!seen) out.push_back(p.Name);
  }
  return out;
}

std::optional<std::wstring> GetPropText(const TPersistent* obj, std::string_view name) {
  if (!obj) return std::nullopt;
  const TPropInfo* p = obj->ClassType().FindProp(name);
  if (!p) return std::nullopt;
  if (p->Kind == TPropKind::Object) {
    // An object reads as the component's name (or empty), as a stored definition writes it.
    TPersistent* v = p->GetObj(*obj);
    if (auto* c = dynamic_cast<TComponent*>(v)) return kq::ui::Widen(c->Name);
    return std::wstring{};
  }
  return p->Get(*obj);
}

bool SetPropText(TPersistent* obj, std::string_view name, std::wstring_view value) {
  if (!obj) return false;
  const TPropInfo* p = obj->ClassType().FindProp(name);
  if (!p || p->Kind == TPropKind::Object || !p->Set) return false;
  return p->Set(*obj, value);
}

bool HasProp(const TPersistent* obj, std::string_view name) {
  return obj && obj->ClassType().FindProp(name) != nullptr;
}

TPersistent* GetPropObject(const TPersistent* obj, std::string_view name) {
  if (!obj) return nullptr;
  const TPropInfo* p = obj->ClassType().FindProp(name);
  if (!p || p->Kind != TPropKind::Object) return nullptr;
  return p->GetObj(*obj);
}

bool SetPropObject(TPersistent* obj, std::string_view name, TPersistent* value) {
  if (!obj) return false;
  const TPropInfo* p = obj->ClassType().FindProp(name);
  if (!p || p->Kind != TPropKind::Object || !p->SetObj) return false;
  return p->SetObj(*obj, value);
}

std::wstring EnumToText(const TEnumNames& names, int value) {
  if (value < 0 || static_cast<size_t>(value) >= names.size()) return std::to_wstring(value);
  return kq::ui::Widen(names[static_cast<size_t>(value)]);
}

std::optional<int> TextToEnum(const TEnumNames& names, std::wstring_view text) {
  const std::string t = kq::ui::Narrow(text);
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], t)) return static_cast<int>(i);
  // An ordinal is accepted too, as the runtime's property setters do.
  if (auto n = TextToInt(text); n && *n >= 0 && static_cast<size_t>(*n) < names.size())
    return static_cast<int>(*n);
  return std::nullopt;
}

std::optional<bool> TextToBool(std::wstring_view text) {
  if (SameText(text, L"True")) return true;
  if (SameText(text, L"False")) return false;
  return std::nullopt;
}

std::optional<long long> TextToInt(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  bool neg = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) neg = text[i++] == L'-';
  int base = 10;
  if (i < text.size() && text[i] == L'$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  unsigned long long v = 0;
  for (; i < text.size(); ++i) {
    wchar_t c = text[i];
    int d;
    if (c >= L'0' && c <= L'9') d = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') d = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F') d = c - L'A' + 10;
    else return std::nullopt;
    v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if (v > 0xFFFFFFFFFFFFull) return std::nullopt;
  }
  const long long s = static_cast<long long>(v);
  return neg ? -s : s;
}

namespace props {

std::wstring SetToText(const TEnumNames& names, unsigned bits) {
  std::wstring out;
  for (size_t i = 0; i < names.size() && i < 32; ++i) {
    if (!(bits & (1u << i))) continue;
    if (!out.empty()) out += L',';
    out += kq::ui::Widen(names[i]);
  }
  return out;
}

std::optional<unsigned> TextToSet(const TEnumNames& names, std::wstring_view text) {
  if (!text.empty() && text.front() == L'[') text.remove_prefix(1);
  if (!text.empty() && text.back() == L']') text.remove_suffix(1);
  unsigned bits = 0;
  while (!text.empty()) {
    size_t comma = text.find(L',');
    std::wstring_view item = text.substr(0, comma);
    while (!item.empty() && item.front() == L' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == L' ') item.remove_suffix(1);
    if (!item.empty()) {
      bool found = false;
      for (size_t i = 0; i < names.size() && i < 32; ++i)
        if (SameText(kq::ui::Widen(names[i]), item)) {
          bits |= 1u << i;
          found = true;
        }
      if (!found) return std::nullopt;
    }
    if (comma == std::wstring_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return bits;
}

}  // namespace props
