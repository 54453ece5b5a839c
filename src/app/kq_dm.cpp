#include "app/kq_dm.h"

#include "app/core/placement.h"
#include "app/core/schedule.h"
#include "app/kq_main.h"
#include "app/kq_msg.h"
#include "ui/text.h"

const TClassInfo& TDM_kq::StaticClass() {
  static const TClassInfo module("TDataModule", &TComponent::StaticClass());
  static const TClassInfo info("TDM_kq", &module);
  return info;
}

TDM_kq::TDM_kq(TComponent* owner, std::string ini_folder, TMAIN_KQ* main, TMSG_KQ* msg)
    : TComponent(owner), files_(std::move(ini_folder)), main_(main), msg_(msg) {
  Name = "DM_kq";
}

void TDM_kq::ShowNotice(const std::wstring& title, const std::wstring& text) {
  // There is one message window, and a visible window cannot be shown modally again.
  if (msg_->IsModal()) {
    waiting_notices_.emplace_back(title, text);
    return;
  }
  ShowOneNotice(title, text);
  while (!waiting_notices_.empty()) {
    const auto next = waiting_notices_.front();
    waiting_notices_.erase(waiting_notices_.begin());
    ShowOneNotice(next.first, next.second);
  }
}

void TDM_kq::ShowOneNotice(const std::wstring& title, const std::wstring& text) {
  const kq::Point at = kq::CentreOver(main_->Left(), main_->Top(), main_->Width(),
                                      main_->Height(), msg_->Width(), msg_->Height());
  msg_->SetBounds(at.x, at.y, msg_->Width(), msg_->Height());
  msg_->MsgTitle = title;
  msg_->MsgText = text;
  // Centred with the size it has once skinned: the skin grows its frame after it is shown.
  msg_->CentreOn = kq::Point{main_->Left() + main_->Width() / 2, main_->Top() + main_->Height() / 2};
  msg_->ShowModal();
  msg_->CentreOn.reset();
}

std::wstring TDM_kq::PadTwoDigits(const std::wstring& text) {
  return kq::ui::Widen(kq::PadTwoDigits(kq::ui::Narrow(text)));
}

std::string TDM_kq::ReadIniValue(std::string_view file, std::string_view section,
                                 std::string_view key) const {
  return files_.Read(file, section, key);
}

void TDM_kq::WriteIniValue(std::string_view file, std::string_view section,
                           std::string_view key, std::string_view value) const {
  files_.Write(file, section, key, value);
}
