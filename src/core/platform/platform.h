#pragma once
// Everything from outside the program that the core uses, handed in by the app
// (Qt adapters) or by tests (virtual ones).
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/link_opener.h"
#include "core/platform/locale.h"
#include "core/platform/scheduler.h"
#include "core/platform/screen.h"
#include "core/platform/serial_port.h"
#include "core/platform/settings_store.h"

namespace tavu::platform {

struct Platform {
  SerialPort& port;
  Scheduler& scheduler;
  Dialogs& dialogs;
  SettingsStore& settings;
  Clock& clock;
  Locale& locale;
  LinkOpener& links;
  Screen& screen;
};

}  // namespace tavu::platform
