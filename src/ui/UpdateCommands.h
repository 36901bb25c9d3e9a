// How the main window opens the update dialog: ShowUpdateDialog, unless a test installs another
// launcher that records the request instead of showing a modal dialog.
#pragma once

#include <functional>

#include "update/CheckUpdates.h"

using TUpdateLauncher = std::function<void(QWidget* parent, bool automatic, const QString& pageAddress,
                                           bool inplace, const TUpdateDialogHost& host)>;

// Installs a launcher (an empty one restores ShowUpdateDialog).
void SetUpdateLauncher(TUpdateLauncher launcher);
const TUpdateLauncher& UpdateLauncher();

// The per-user option "AutoUpdates" of the settings store; a missing value means true.
inline constexpr const char* kAutoUpdatesKey = "AutoUpdates";
