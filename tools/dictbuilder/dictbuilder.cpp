// Builds the main spelling dictionary from a word list, one word a line:
//
//   dictbuilder LIST OUT
//
// Keeps the words of ASCII letters only, upper-cased, without repeats, in
// byte order; writes the dictionary and checks it with the spell checker's
// own reader before it replaces OUT. Exit 0 when written, 1 when the list
// cannot be read, holds no word or gives a dictionary that fails its check,
// 2 on a wrong call.
#include <iostream>

#include "spelling/DictBuilder.h"
#include "platform/TextFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: dictbuilder LIST OUT\n";
        return 2;
    }
    const std::string listPath = argv[1], outPath = argv[2];
    std::string text;
    if (!textfile::ReadAll(listPath, text)) {
        std::cerr << "dictbuilder: cannot read the word list " << listPath << "\n";
        return 1;
    }
    spelldict::WordList list = spelldict::NormalizeWordList(text);
    if (list.Words.empty()) {
        std::cerr << "dictbuilder: the word list " << listPath << " holds no word of ASCII letters\n";
        return 1;
    }
    std::string bytes = spelldict::BuildDictionary(list.Words);
    std::vector<std::string> problems = spelldict::VerifyDictionary(bytes, list.Words);
    if (!problems.empty()) {
        for (const std::string& p : problems) std::cerr << "dictbuilder: " << p << "\n";
        std::cerr << "dictbuilder: " << outPath << " not written\n";
        return 1;
    }
    if (!textfile::WriteAllAtomic(outPath, bytes)) {
        std::cerr << "dictbuilder: cannot write " << outPath << "\n";
        return 1;
    }
    std::cout << outPath << ": " << list.Words.size() << " words (" << list.Skipped << " lines skipped), "
              << bytes.size() / 128 << " blocks\n";
    return 0;
}
