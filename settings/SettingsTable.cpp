#include "SettingsTable.h"

#include <stdexcept>

#include "SettingsKeys.h"

const std::vector<SettingSection>& SettingsSections() {
    static const std::vector<SettingSection> sections = [] {
        std::vector<SettingSection> all;
        for (auto group : {keys::ProgramSections, keys::FileSections, keys::LayoutSections, keys::DebugSections})
            for (auto& section : group()) all.push_back(std::move(section));
        return all;
    }();
    return sections;
}

const std::vector<std::string>& SettingsSaveOrder() {
    static const std::vector<std::string> order = {
        "Program",        "View",        "ErrorHandling", "General", "Files",
        "Indentation",    "Spell",       "Comment Blocks", "White Space", "Comments",
        "Dialect",        "Debug",       "Arrange Declares"};
    return order;
}

const SettingSection& SettingsSection(std::string_view name) {
    for (const auto& section : SettingsSections())
        if (section.Name == name) return section;
    throw std::logic_error("no settings section " + std::string(name));
}
