#pragma once
// The recent-file list: the seven files opened last, newest first, kept in
// the settings file's [MRU] section and shown in the File menu.
#include <string>
#include <vector>

class IMRUMenu;

constexpr int kMRUEntries = 7;

// Entries 1 to 7, entry 1 the newest; element 0 holds nothing. An empty
// entry is a free place.
inline std::vector<std::string> gsMRU(kMRUEntries + 1);

// Loads the saved entries; an entry with no saved value keeps what it holds.
void GetMRU();
// Shows the list in the window's File menu.
void sbShowMRUMenu(IMRUMenu& window);
// Moves a name to the top (compared without regard to case; the new spelling
// is kept). recentIndex, the recent entry used or 0, is only traced.
void UpdateMRUList(const std::string& fileName, int recentIndex);
// Writes every entry back, empty ones as empty values.
void SaveMRU();
