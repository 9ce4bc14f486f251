#include "app/program.h"

namespace corvane {

Program::Program(const Platform& platform)
    : settingsHome_(platform.registry, platform.settingsFile), store_(settingsHome_),
      tray_(platform.trayIcons, platform.system),
      menu_(platform.menus, platform.fileIcons, platform.system, table_),
      explorer_(platform.system, platform.shell, platform.folders, platform.hook),
      starter_(platform.shell, platform.system, platform.files, explorer_),
      editor_(EditorPlatform{platform.view, platform.fileIcons, platform.dialogs, platform.links,
                             platform.files, platform.system, platform.drops}),
      hotKey_(platform.view, platform.system, store_),
      settingsFiles_(platform.view, platform.dialogs, platform.files),
      launcher_(LauncherParts{table_, settingsHome_, store_, tray_, menu_, explorer_, starter_,
                              editor_, hotKey_, settingsFiles_, platform.view}) {}

} // namespace corvane
