#include "spelling/ResourceSpelling.h"

#include <algorithm>
#include <string_view>

#include "engine/EngineState.h"
#include "platform/TextFile.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"
#include "spelling/modSpell.h"

namespace {

// The progress count of the last update, which the panel shows as done.
constexpr long kLastCount = 999999;

bool fbStartsWithEnd(const std::string& line) {
    return line.size() >= 3 && vb::UCaseChar(line[0]) == 'E' && vb::UCaseChar(line[1]) == 'N' &&
           vb::UCaseChar(line[2]) == 'D';
}

bool fbMentionsStringTable(std::string_view line) {
    constexpr std::string_view kWord = "STRINGTABLE";
    for (size_t i = 0; i + kWord.size() <= line.size(); ++i)
        if (vb::EqualsNoCase(line.substr(i, kWord.size()), kWord)) return true;
    return false;
}

// The checker's verdict on a text of the script.
void CheckWithSpeller(std::string& text) {
    oSpell->SpellCheck(text, "");
    if (oSpell->SCResult() == sc::kCorrect) text = oSpell->StringToCheck();
}

}  // namespace

bool StringTableScan::IsTableText(const std::string& line) {
    if (!inTable_) {
        inTable_ = fbMentionsStringTable(line);
        return false;
    }
    if (fbStartsWithEnd(line)) {
        inTable_ = false;
        return false;
    }
    return true;
}

std::string fsCheckResourceLine(const std::string& line, const TextCheck& check) {
    const size_t open = line.find('"');
    if (open == std::string::npos) return line;
    const size_t close = line.find('"', open + 1);
    const size_t textEnd = close == std::string::npos ? line.size() : close;
    std::string text = line.substr(open + 1, textEnd - open - 1);

    const size_t amp = text.find('&');
    if (amp != std::string::npos) text.erase(amp, 1);
    check(text);
    if (amp != std::string::npos) text.insert(std::min(amp, text.size()), 1, '&');

    std::string out;
    out.reserve(line.size() + 8);
    out.append(line, 0, open + 1);
    out += text;
    out.append(line, textEnd, std::string::npos);
    return out;
}

long sbSpellCheckResource(std::string_view text, LineWriter& out, bool spell) {
    bool firstTime = true;
    oZel->StatusBarUpdate(firstTime, false, 0);

    // Words are asked about only when the user wants spelling for this run
    // and there is a dictionary to judge them by.
    const bool checking = spell && oSpell && oSpell->MainDictionary().IsUsable();
    StringTableScan tables;
    long count = 0;
    std::string line;
    for (size_t pos = 0, next = 0; pos < text.size(); pos = next) {
        const size_t end = textfile::LineEnd(text, pos, next);
        line.assign(text, pos, end - pos);
        oZel->StatusBarUpdate(firstTime, false, ++count);
        if (tables.IsTableText(line) && checking) line = fsCheckResourceLine(line, CheckWithSpeller);
        out.WriteLine(line);
    }
    oZel->StatusBarUpdate(firstTime, false, kLastCount);
    return count;
}
