// The maker's web addresses: one place for the About box, the Help menu, the update check, the
// report's page frame and the batch tool.
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

}  // namespace MakerAddresses
