// Class identity and published properties by name.
//
// Every class of the layer has one TClassInfo: its name ("TButton"), its ancestor's info and
// the table of properties it publishes. The chain answers "is X" for every ancestor name
// (InheritsFrom), also for names of intermediate classes the layer has no C++ class for
// ("TButtonControl", "TCustomEdit"), so selection rules written against a class tree work.
//
// Properties are read and written as text: enumerations by their names ("taCenter"),
// Booleans as "True"/"False" (accepted in any letter case), integers as decimal, texts as
// they are. Object-valued properties (Font, Glyph, Images, PopupMenu) are read and written by
// reference. A property a class does not publish reads as absent and cannot be set.
//
// Declaring a class: put KQ_DECLARE_CLASS(TMyForm) in the class body and define
//   const TClassInfo& TMyForm::StaticClass() {
//     static const TClassInfo info("TMyForm", &TForm::StaticClass(), { props... });
//     return info;
//   }
// or, with no properties of its own, KQ_CLASS(TMyForm, TForm) in the class body alone.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TPersistent;

enum class TPropKind { Text, Integer, Boolean, Enum, Set, Object };

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Text;
  // Text form of the value.
  std::function<std::wstring(const TPersistent&)> Get;
  // Applies a text value; false when the text is not a valid value (nothing changes then).
  std::function<bool(TPersistent&, std::wstring_view)> Set;
  // Object-valued properties only.
  std::function<TPersistent*(const TPersistent&)> GetObj;
  std::function<bool(TPersistent&, TPersistent*)> SetObj;
};

class TClassInfo {
 public:
  TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> props = {});

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  // True for this class and every ancestor name (compared without regard to case).
  bool InheritsFrom(std::string_view className) const;
  // Own name first, then the ancestors up to TObject.
  std::vector<std::string> Ancestry() const;
  // This class's property or the nearest ancestor's; nullptr when nobody publishes it.
  const TPropInfo* FindProp(std::string_view name) const;
  // Published property names, ancestors' first.
  std::vector<std::string> PropNames() const;

 private:
  std::string name_;
  const TClassInfo* parent_;
  std::vector<TPropInfo> props_;
};

#define KQ_DECLARE_CLASS(Cls)                                    \
 public:                                                         \
  static const TClassInfo& StaticClass();                        \
  const TClassInfo& ClassType() const override { return Cls::StaticClass(); }

#define KQ_CLASS(Cls, Base)                                               \
 public:                                                                  \
  static const TClassInfo& StaticClass() {                                \
    static const TClassInfo info(#Cls, &Base::StaticClass());             \
    return info;                                                          \
  }                                                                       \
  const TClassInfo& ClassType() const override { return Cls::StaticClass(); }

// Property access by name.
std::optional<std::wstring> GetPropText(const TPersistent* obj, std::string_view name);
bool SetPropText(TPersistent* obj, std::string_view name, std::wstring_view value);
bool HasProp(const TPersistent* obj, std::string_view name);
TPersistent* GetPropObject(const TPersistent* obj, std::string_view name);
bool SetPropObject(TPersistent* obj, std::string_view name, TPersistent* value);

// Names of an enumeration in value order, for enumeration properties.
using TEnumNames = std::vector<std::string>;
std::wstring EnumToText(const TEnumNames& names, int value);
std::optional<int> TextToEnum(const TEnumNames& names, std::wstring_view text);
std::optional<bool> TextToBool(std::wstring_view text);
std::optional<long long> TextToInt(std::wstring_view text);  // decimal or $hex

// Builders of property table rows from member functions.
namespace props {

template <class C, class V>
using Getter = V (C::*)() const;
template <class C, class V>
using Setter = void (C::*)(V);

template <class C>
TPropInfo Text(std::string name, Getter<C, std::wstring> get, Setter<C, const std::wstring&> set) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TPropKind::Text;
  p.Get = [get](const TPersistent& o) { return (static_cast<const C&>(o).*get)(); };
  if (set)
    p.Set = [set](TPersistent& o, std::wstring_view v) {
      (static_cast<C&>(o).*set)(std::wstring(v));
      return true;
    };
  return p;
}

template <class C, class I>
TPropInfo Int(std::string name, Getter<C, I> get, Setter<C, I> set) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TPropKind::Integer;
  p.Get = [get](const TPersistent& o) {
    return std::to_wstring(static_cast<long long>((static_cast<const C&>(o).*get)()));
  };
  if (set)
    p.Set = [set](TPersistent& o, std::wstring_view v) {
      auto n = TextToInt(v);
      if (!n) return false;
      (static_cast<C&>(o).*set)(static_cast<I>(*n));
      return true;
    };
  return p;
}

template <class C>
TPropInfo Bool(std::string name, Getter<C, bool> get, Setter<C, bool> set) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TPropKind::Boolean;
  p.Get = [get](const TPersistent& o) {
    return std::wstring((static_cast<const C&>(o).*get)() ? L"True" : L"False");
  };
  if (set)
    p.Set = [set](TPersistent& o, std::wstring_view v) {
      auto b = TextToBool(v);
      if (!b) return false;
      (static_cast<C&>(o).*set)(*b);
      return true;
    };
  return p;
}

template <class C, class E>
TPropInfo Enum(std::string name, const TEnumNames& names, Getter<C, E> get, Setter<C, E> set) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TPropKind::Enum;
  p.Get = [&names, get](const TPersistent& o) {
    return EnumToText(names, static_cast<int>((static_cast<const C&>(o).*get)()));
  };
  if (set)
    p.Set = [&names, set](TPersistent& o, std::wstring_view v) {
      auto e = TextToEnum(names, v);
      if (!e) return false;
      (static_cast<C&>(o).*set)(static_cast<E>(*e));
      return true;
    };
  return p;
}

// A set of enumeration values held as bit flags (bit i = value i): "fsBold,fsItalic".
template <class C>
TPropInfo Set(std::string name, const TEnumNames& names, Getter<C, unsigned> get,
              Setter<C, unsigned> set);

template <class C, class T>
TPropInfo Object(std::string name, T* (C::*get)() const, void (C::*set)(T*)) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TPropKind::Object;
  p.GetObj = [get](const TPersistent& o) -> TPersistent* {
    return (static_cast<const C&>(o).*get)();
  };
  if (set)
    p.SetObj = [set](TPersistent& o, TPersistent* v) {
      T* t = nullptr;
      if (v) {
        t = dynamic_cast<T*>(v);
        if (!t) return false;
      }
      (static_cast<C&>(o).*set)(t);
      return true;
    };
  return p;
}

std::wstring SetToText(const TEnumNames& names, unsigned bits);
std::optional<unsigned> TextToSet(const TEnumNames& names, std::wstring_view text);

template <class C>
TPropInfo Set(std::string name, const TEnumNames& names, Getter<C, unsigned> get,
              Setter<C, unsigned> set) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TPropKind::Set;
  p.Get = [&names, get](const TPersistent& o) {
    return SetToText(names, (static_cast<const C&>(o).*get)());
  };
  if (set)
    p.Set = [&names, set](TPersistent& o, std::wstring_view v) {
      auto s = TextToSet(names, v);
      if (!s) return false;
      (static_cast<C&>(o).*set)(*s);
      return true;
    };
  return p;
}

}  // namespace props
