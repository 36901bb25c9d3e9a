// The maker's web addresses and the update choices fixed at build time: one place for the About
// box, the Help menu, the update check and the batch tool.
#pragma once

namespace MakerAddresses {

// Host of the maker's web site and update server.
inline constexpr const char* Host = "www.korvane.com";

// The maker's web site, as opened from the About box and named in update questions.
inline constexpr const char* SiteName = "www.korvane.com";
inline constexpr const char* SiteUrl = "https://www.korvane.com/";

// The update information page read by the update check; its package comes over https too.
inline constexpr const char* UpdatePagePath = "/updates/pm/pm.html";
inline constexpr const char* UpdatePageUrl = "https://www.korvane.com/updates/pm/pm.html";

// Whether the update installs in place (a utility replaces the program's files) rather than by
// the normal installer: the CMake option PELMARK_UPDATE_INPLACE of this installation's build.
inline constexpr bool UpdateInplace = PELMARK_UPDATE_INPLACE;

}  // namespace MakerAddresses
