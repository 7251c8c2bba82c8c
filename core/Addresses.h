#pragma once
// Where the maker's pages and mail boxes are: kept in this one place.

namespace tolvar::addresses {

inline constexpr const char* HomePage = "https://www.quillon-studio.example/";
inline constexpr const char* FaqPage = "https://www.quillon-studio.example/tolvar/faq.html";
inline constexpr const char* WorldRecordsPage = "https://www.quillon-studio.example/tolvar/records.html";
inline constexpr const char* HomePages[2] = {"https://www.quillon-studio.example/",
                                             "https://quillon-studio.example/tolvar/"};
inline constexpr const char* MailBoxes[2] = {"support@quillon-studio.example", "webmaster@quillon-studio.example"};

}  // namespace tolvar::addresses
