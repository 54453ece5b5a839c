#include "skin/form/form_skinner_host.h"

namespace {
FormSkinnerHost* g_host = nullptr;
FormSkinnerHost* (*g_maker)() = nullptr;
}  // namespace

FormSkinnerHost::FormSkinnerHost() { g_host = this; }

FormSkinnerHost::~FormSkinnerHost() {
  if (g_host == this) g_host = nullptr;
}

FormSkinnerHost* CurrentFormSkinnerHost() { return g_host; }

FormSkinnerHost* EnsureFormSkinnerHost() { return g_host || !g_maker ? g_host : g_maker(); }

void SetFormSkinnerHostMaker(FormSkinnerHost* (*maker)()) { g_maker = maker; }
