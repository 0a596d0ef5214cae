#include "spelling/SpellText.h"

#include <array>

#include "platform/VBText.h"

namespace spelltext {

namespace {

constexpr std::array<bool, 256> MakeDelimiters() {
    std::array<bool, 256> table{};
    constexpr unsigned char codes[] = {32, 39, 59, 58, 44, 46,  63,  47, 92, 33, 37, 38, 64, 35, 36, 40, 41,
                                       123, 125, 91, 93, 124, 95, 42, 45, 94, 61, 34, 60, 62, 126, 96, 43};
    for (unsigned char c : codes) table[c] = true;
    return table;
}
constexpr std::array<bool, 256> kDelimiters = MakeDelimiters();

// Length of the line break at text[i], 0 when there is none.
size_t LineBreakAt(std::string_view text, size_t i) {
    if (text[i] == '\n') return 1;
    if (text[i] != '\r') return 0;
    return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

}  // namespace

bool IsDelimiter(char c) { return kDelimiters[static_cast<unsigned char>(c)]; }

bool IsLineBreak(std::string_view piece) { return !piece.empty() && (piece[0] == '\r' || piece[0] == '\n'); }

void ParseLine(std::string_view text, std::vector<std::string_view>& pieces) {
    pieces.clear();
    size_t start = 0;
    for (size_t i = 0; i < text.size();) {
        size_t breakLength = LineBreakAt(text, i);
        size_t separator = breakLength ? breakLength : (IsDelimiter(text[i]) ? 1 : 0);
        if (separator == 0) {
            ++i;
            continue;
        }
        if (i > start) pieces.push_back(text.substr(start, i - start));
        pieces.push_back(text.substr(i, separator));
        i += separator;
        start = i;
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
}

size_t fnCount(std::string_view text) {
    size_t count = 0;
    bool other = false;
    for (size_t i = 0; i < text.size();) {
        size_t breakLength = LineBreakAt(text, i);
        if (breakLength || IsDelimiter(text[i])) {
            count += other ? 2 : 1;
            i += breakLength ? breakLength : 1;
        } else {
            other = true;
            ++i;
        }
    }
    return count;
}

std::string UnParseString(const std::vector<std::string_view>& pieces, int blanks) {
    size_t size = blanks > 0 ? static_cast<size_t>(blanks) : 0;
    for (std::string_view p : pieces) size += p.size();
    std::string joined(blanks > 0 ? static_cast<size_t>(blanks) : 0, ' ');
    joined.reserve(size);
    for (std::string_view p : pieces) joined += p;
    return joined;
}

bool HighFreq(std::string_view word) {
    static constexpr std::string_view kLists[] = {
        "",
        "",
        "AM AN AS AT BE BY DO ",
        "ALL AND ANY ARE BUT CAN END FOR HAD HAS HER HIM HIS HOW I'M LED LET NEW NOT NOW ONE OUR OUT RUN SEE SHE "
        "THE TOO TRY USE WAS WHO YET YOU",
        "ALSO BACK BEEN CALL DOES DONE DOWN EACH FIND FROM HAVE INTO IT'S KNOW LIKE LOOK MANY MORE MOVE MUCH MUST "
        "NAME NEED NEXT ONLY OVER SAME SURE THAT THEM THEN THEY THIS TIME USER WELL WHEN WILL WITH WORK YOUR",
        "ABOUT AFTER AGAIN AHEAD ALONG BEGAN BASIC BEING CHOSE COULD DON'T MEANS OFTEN OTHER PLACE SINCE SORRY "
        "STILL TAKEN THERE THANK THEIR THERE THESE THOSE VISUAL WHERE WHICH WHILE WOULD WRITE",
    };
    size_t first = word.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    word = word.substr(first, word.find_last_not_of(' ') - first + 1);
    if (word.size() == 1) return true;
    if (word.size() > 5) return false;
    char upper[5];
    for (size_t i = 0; i < word.size(); ++i) upper[i] = vb::UCaseChar(word[i]);
    return kLists[word.size()].find(std::string_view(upper, word.size())) != std::string_view::npos;
}

void RecordCasePattern(std::string_view word, std::string& pattern) {
    bool hasSmall = false, hasCapital = false;
    for (char c : word) {
        hasSmall |= c >= 'a' && c <= 'z';
        hasCapital |= c >= 'A' && c <= 'Z';
    }
    pattern.resize(word.size());
    for (size_t i = 0; i < word.size(); ++i) {
        if (!hasCapital) pattern[i] = '0';
        else if (!hasSmall) pattern[i] = '1';
        else pattern[i] = static_cast<unsigned char>(word[i]) <= 90 ? '1' : '0';
    }
}

std::string fsSetCase(std::string_view word, std::string_view pattern) {
    if (pattern.find('1') == std::string_view::npos) return vb::LCase(word);
    if (pattern.find('0') == std::string_view::npos) return vb::UCase(word);
    std::string result = vb::LCase(word);
    if (result.size() > pattern.size()) {
        if (!result.empty() && pattern[0] == '1') result[0] = vb::UCaseChar(result[0]);
        return result;
    }
    for (size_t i = 0; i < result.size(); ++i)
        if (pattern[i] == '1') result[i] = vb::UCaseChar(result[i]);
    return result;
}

}  // namespace spelltext
