// The update choices fixed when this installation was built.
#pragma once

namespace UpdateBuildSettings {

// Whether the update installs in place (a utility replaces the program's files) rather than by
// the normal installer: the CMake option PELMARK_UPDATE_INPLACE of this installation's build.
inline constexpr bool UpdateInplace = PELMARK_UPDATE_INPLACE;

}  // namespace UpdateBuildSettings
