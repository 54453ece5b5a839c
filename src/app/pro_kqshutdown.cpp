#include "app/pro_kqshutdown.h"

#include "app/core/ini_files.h"
#include "app/core/texts.h"
#include "app/data_folder_win.h"
#include "app/kq_aboutsoft.h"
#include "app/kq_dm.h"
#include "app/kq_main.h"
#include "app/kq_msg.h"
#include "app/kq_warn.h"
#include "app/single_instance.h"
#include "app/startup_shortcut.h"
#include "ui/application.h"
#include "ui/text.h"

TKqWindows CreateKqWindows(TApplication& app, TAppServices services) {
  if (services.ProgramPath.empty()) services.ProgramPath = ProgramFilePath();
  // The INI files live beside the program file, whatever the current directory is, unless
  // that folder cannot be written.
  if (services.IniFolder.empty())
    services.IniFolder = kq::DataFolderFor(kq::FolderOf(kq::ui::Narrow(services.ProgramPath)),
                                           services.LocalAppData, services.CanWriteFolder);
  app.SetTitle(kq::ui::Widen(kq::texts::kAppTitle));
  TKqWindows w;
  w.MAIN_KQ = app.CreateForm<TMAIN_KQ>(services);
  w.MSG_KQ = app.CreateForm<TMSG_KQ>();
  w.DM_kq = app.CreateForm<TDM_kq>(services.IniFolder, w.MAIN_KQ, w.MSG_KQ);
  w.aboutsoft_kq = app.CreateForm<Taboutsoft_kq>();
  w.WARN_KQ = app.CreateForm<TWARN_KQ>();
  w.MAIN_KQ->SetPeers(w.DM_kq, w.aboutsoft_kq, w.WARN_KQ);
  return w;
}

int Pro_kqshutdown(TAppServices services) {
  // A second start brings the running program forward instead of opening a second window.
  TSingleInstance instance;
  if (!instance.IsFirst()) {
    instance.BringFirstForward();
    return 0;
  }
  TApplication app;
  // Nothing outside catches: whatever escapes building the windows is shown once in the
  // error box, and a program with windows missing does not run. (The skin component
  // handles the errors of its own load: the windows then come up unskinned.)
  try {
    CreateKqWindows(app, std::move(services));
  } catch (...) {
    app.HandleException(std::current_exception());
    return 1;
  }
  app.Run();
  return 0;
}
