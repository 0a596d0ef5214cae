#include <cstdint>
#include <iostream>

#include "HeadlessCommand.h"
#include "HeadlessStartUp.h"
#include "platform/Paths.h"
#include "platform/VBText.h"
#include "spelling/cSpellCheck.h"

namespace {

int RunSpell(const std::vector<std::string>& words) {
    HeadlessCreateObjects();
    cSpellCheck checker;
    checker.MainDictName(paths::Join(paths::ProgramDir(), "SPELLDIC.DAT"));
    if (!checker.SpellInitialize()) {
        std::cerr << "zelk_headless: no usable main dictionary " << checker.MainDictName() << "\n";
        return 1;
    }
    for (const std::string& word : words) {
        bool found = checker.MainDictionary().Lookup(vb::UCase(word));
        std::cout << word << (found ? " found" : " not found") << ":";
        const char* separator = " ";
        for (const std::string& s : checker.ShowReplacements(word)) {
            std::cout << separator << s;
            separator = ", ";
        }
        std::cout << "\n";
    }
    return 0;
}

}  // namespace

HeadlessCommand SpellCommand() {
    return {"spell", "WORD...",
            "prints for each WORD whether the main dictionary of the program's folder holds it, and its suggestions",
            1, RunSpell, SIZE_MAX};
}
