// Who made the checker and where to find them: the About window's credit
// text and web address. A publisher who ships its own build changes them
// here, and only here.
#pragma once

#include <string>

inline constexpr char kAuthorName[] = "The Quorvel developers";
inline constexpr char kContactEmail[] = "developers@quorvel.example";
inline constexpr char kWebsiteHost[] = "www.quorvel.example";
inline constexpr char kWebsiteScheme[] = "https://";

// The full address that the website button opens.
inline std::string WebsiteAddress() {
  return std::string(kWebsiteScheme) + kWebsiteHost + "/";
}
