// The main program's start-up: the application title and the four windows, created in the
// order MAIN_KQ, MSG_KQ, DM_kq, aboutsoft_kq, then the last warning WARN_KQ. Only the main
// window is shown.
#pragma once

#include "app/app_services.h"

class TApplication;
class TMAIN_KQ;
class TMSG_KQ;
class TDM_kq;
class Taboutsoft_kq;
class TWARN_KQ;

struct TKqWindows {
  TMAIN_KQ* MAIN_KQ = nullptr;
  TMSG_KQ* MSG_KQ = nullptr;
  TDM_kq* DM_kq = nullptr;
  Taboutsoft_kq* aboutsoft_kq = nullptr;
  TWARN_KQ* WARN_KQ = nullptr;
};

// Sets the title and creates the windows, owned by `app`; empty service paths are filled in
// from the program file's location.
TKqWindows CreateKqWindows(TApplication& app, TAppServices services);

// The whole program: creates the windows and runs the message loop until the main window
// closes. Returns the exit code.
int Pro_kqshutdown(TAppServices services);
