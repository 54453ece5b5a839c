// TObject, TPersistent and TComponent: the base of every class of the form layer.
//
// A component has an Owner that frees it: deleting a component deletes the components it
// owns (newest first). When a component goes away, its owner's other components and every
// component that asked with FreeNotification get Notification(it, opRemove), so they can drop
// their references (a tray icon's PopupMenu, a control's PopupMenu, ...).
//
// Loading: a window definition builds its form in the loading state:
//   BeginLoading();               // csLoading on this and on components created from now on
//   ... create components, assign properties ...
//   EndLoading();                 // Loaded() on every owned component in creation order,
//                                 // then on the owner itself
// Components whose property setters must wait for the other values (a tray icon's Animate)
// check IsLoading().
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/classinfo.h"

class TObject {
 public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().Name(); }
  bool InheritsFrom(std::string_view className) const { return ClassType().InheritsFrom(className); }
};

class TPersistent : public TObject {
  KQ_DECLARE_CLASS(TPersistent)
};

using TNotifyEvent = std::function<void(TObject* sender)>;

enum TOperation { opInsert, opRemove };

// Raised for misuse of the layer (showing a visible form modally, a control without parent).
class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TComponent : public TPersistent {
  KQ_DECLARE_CLASS(TComponent)

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // The owned component with this name (case-insensitive), or nullptr.
  TComponent* FindComponent(std::string_view name) const;

  std::string Name;  // the component's name in its window definition ("btn_run")
  int Tag = 0;

  // Asks for Notification(other, opRemove) when `other` is destroyed (both ways).
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  bool IsLoading() const { return loading_; }
  bool IsDestroying() const { return destroying_; }
  void BeginLoading();
  void EndLoading();

  // Published-property helpers for the table.
  std::wstring GetNameText() const;
  void SetNameText(const std::wstring& v);
  int GetTag() const { return Tag; }
  void SetTag(int v) { Tag = v; }

 protected:
  // Called once after the definition that built this component has been applied.
  // Overrides call the base first; it ends the loading state (also of sub-components).
  virtual void Loaded();
  virtual void Notification(TComponent* component, TOperation op);
  // Marks the object as going away; derived destructors call it first so that handlers
  // running during destruction can tell.
  void Destroying() { destroying_ = true; }

 private:
  void InsertComponent(TComponent* c);
  void RemoveComponent(TComponent* c);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  bool loading_ = false;
  bool destroying_ = false;
};
