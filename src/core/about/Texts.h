#pragma once
// The texts of the About box and of the documents it opens.

namespace kt::about_text {

inline constexpr const char* kTitle = "About KT2";
inline constexpr const char* kHeading = "%s\r\nVersion %s\r\n%s";
inline constexpr const char* kBuildDate = "%B %d, %Y";
inline constexpr const char* kViewLicence = "View License";
inline constexpr const char* kViewReadMe = "View ReadMe";
inline constexpr const char* kViewHistory = "View Version History";
inline constexpr const char* kEmailAddress = "Email Address:";
inline constexpr const char* kWebsite = "Quorvane Website";
inline constexpr const char* kLicenceFile = "Licence.rtf";
inline constexpr const char* kReadMeFile = "KinetraxReadMe.rtf";
inline constexpr const char* kLicenceTitle = "Kinetrax (KT2) License";
inline constexpr const char* kReadMeTitle = "Kinetrax (KT2) ReadMe file";
inline constexpr const char* kHistoryFile = "KTVersionHistory.htm";
inline constexpr const char* kHistoryTitle = "KT Version History: %s";
inline constexpr const char* kDone = "Done";

}  // namespace kt::about_text
