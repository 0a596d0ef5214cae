#pragma once
// Every section of the settings file but [MRU], and the orders in which the
// load and the save visit them.
#include <string>
#include <string_view>
#include <vector>

#include "SettingKey.h"

// The sections in the order of the load.
const std::vector<SettingSection>& SettingsSections();
// The section names in the order of the save.
const std::vector<std::string>& SettingsSaveOrder();
// Raises std::logic_error for a section the table does not have.
const SettingSection& SettingsSection(std::string_view name);

// Reads one key from the handler's current section into its place (a field
// of `options` or a shared object's member).
void LoadSettingKey(cINIHandler& ini, const SettingKey& key, ZelkOptions& options, OwnFiles& own);
// Writes one key from its place into the handler's current section.
void SaveSettingKey(cINIHandler& ini, const SettingKey& key, const ZelkOptions& options);
