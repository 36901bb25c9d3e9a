// Whether an update page's version is newer than the installed one.
#pragma once

#include <QString>

#include "update/UpdateSettings.h"

// vfStandard: dotted integers compared part by part from the left, a part that is not a number
// counting 0 and a missing part counting 0; vfString: by character codes; vfNumber: as real
// numbers, never newer when either text is not a number.
bool IsNewerVersion(const QString& installed, const QString& page, TmxVersionFormat format);
