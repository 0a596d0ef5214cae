#include "SpellingTestSupport.h"

#include "spelling/DictBuilder.h"
#include "platform/Paths.h"
#include "TestSupport.h"
#include "platform/VBText.h"
#include "settings/mINIHandler.h"

namespace spelltest {

ZelkOptions SettingsFrom(const std::string& ini) {
    testsupport::WriteFile(paths::Join(testsupport::ConfigDir(), kSettingsFileName), ini);
    ZelkOptions options;
    sbGetINIInfo(options);
    return options;
}

std::vector<std::string> Normalized(const std::vector<std::string>& words) {
    return spelldict::NormalizeWordList(vb::Join(words, "\n")).Words;
}

std::string BuildBytes(const std::vector<std::string>& words) {
    return spelldict::BuildDictionary(Normalized(words));
}

std::string WriteDictionary(const std::vector<std::string>& words, const std::string& name) {
    std::string path = paths::Join(testsupport::ProgramDir(), name);
    testsupport::WriteFile(path, BuildBytes(words));
    return path;
}

std::vector<std::string> SameCodeWords(size_t n) {
    const std::string tails = "AEIOUHWY";
    std::vector<std::string> words;
    for (char a : tails)
        for (char b : tails) {
            if (words.size() == n) return words;
            words.push_back(std::string("T") + a + b);
        }
    return words;
}

}  // namespace spelltest
