#include "ui/component.h"

#include <algorithm>

#include "ui/text.h"

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr);
  return info;
}

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info("TPersistent", &TObject::StaticClass());
  return info;
}

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info("TComponent", &TPersistent::StaticClass(),
                               {
                                   props::Text<TComponent>("Name", &TComponent::GetNameText,
                                                           &TComponent::SetNameText),
                                   props::Int<TComponent, int>("Tag", &TComponent::GetTag,
                                                               &TComponent::SetTag),
                               });
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) {
    loading_ = owner->loading_;
    owner->InsertComponent(this);
  }
}

TComponent::~TComponent() {
  destroying_ = true;
  // Owned components go first, newest first, each telling the others it is gone.
  while (!components_.empty()) delete components_.back();
  // Those that asked to be told.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    auto& theirs = other->free_notifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    other->Notification(this, opRemove);
  }
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (kq::ui::SameText(c->Name, name)) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), other) == free_notifies_.end()) {
    free_notifies_.push_back(other);
    other->free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  free_notifies_.erase(std::remove(free_notifies_.begin(), free_notifies_.end(), other),
                       free_notifies_.end());
  auto& theirs = other->free_notifies_;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::BeginLoading() { loading_ = true; }

void TComponent::EndLoading() {
  // A snapshot: a Loaded handler may create or free components.
  std::vector<TComponent*> list = components_;
  for (TComponent* c : list)
    if (std::find(components_.begin(), components_.end(), c) != components_.end() && c->loading_)
      c->Loaded();
  if (loading_) Loaded();
}

void TComponent::Loaded() {
  loading_ = false;
  std::vector<TComponent*> list = components_;
  for (TComponent* c : list)
    if (c->loading_) c->Loaded();
}

void TComponent::Notification(TComponent* component, TOperation op) {
  if (op == opRemove) RemoveFreeNotification(component);
  // Owned components hear about their siblings too.
  std::vector<TComponent*> list = components_;
  for (TComponent* c : list)
    if (c != component) c->Notification(component, op);
}

void TComponent::InsertComponent(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
  Notification(c, opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
  components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
  c->owner_ = nullptr;
  Notification(c, opRemove);
}

std::wstring TComponent::GetNameText() const { return kq::ui::Widen(Name); }
void TComponent::SetNameText(const std::wstring& v) { Name = kq::ui::Narrow(v); }
