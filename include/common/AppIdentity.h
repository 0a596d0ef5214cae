#pragma once
// Who the program is: the names under which it speaks of itself, its version
// and the maker's contact details used by the error report.
#include <string>

namespace app {
inline const std::string kProductName = "Zelker";
inline const std::string kCompanyName = "Zembrock";
inline const std::string kTitle = "Zelker";
inline const std::string kFileDescription = "Zembrock Zelker for Visual Basic";
// The legal notice the About window shows.
inline const std::string kLegalCopyright = "Copyright (C) Zembrock. All rights reserved.";
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;

inline const std::string kSupportEmail = "support@zembrock.example";
inline const std::string kPostalAddress = "Zembrock, 1 Harbour Lane, Portsmouth";
inline const std::string kSupportPhone = "555-0100 (9 AM to 5 PM, Monday to Friday)";
inline const std::string kSupportFax = "555-0101";
inline const std::string kWebSite = "www.zembrock.example";

// The program's own registry key under HKEY_LOCAL_MACHINE.
std::string RegistryKeyPath();
}  // namespace app
