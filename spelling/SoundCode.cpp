#include "spelling/SoundCode.h"

#include <array>

namespace {

// The digit of each coded letter, '\0' for every other byte.
constexpr std::array<char, 256> MakeDigits() {
    std::array<char, 256> digits{};
    constexpr std::string_view letters = "BFPVCGJKQSXZDTLMNR";
    constexpr std::string_view codes = "111122222222334556";
    for (size_t i = 0; i < letters.size(); ++i) {
        digits[static_cast<unsigned char>(letters[i])] = codes[i];
        digits[static_cast<unsigned char>(letters[i] - 'A' + 'a')] = codes[i];
    }
    return digits;
}
constexpr std::array<char, 256> kDigits = MakeDigits();

bool IsVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

}  // namespace

int16_t ISoundex(std::string_view word) {
    int code = 0;
    int written = 0;
    char previous = '\0';
    for (char c : word) {
        char digit = kDigits[static_cast<unsigned char>(c)];
        if (digit == '\0') {
            previous = '\0';
            continue;
        }
        if (digit == previous) continue;
        code = code * 10 + (digit - '0');
        previous = digit;
        if (++written == 4) break;
    }
    for (; written < 4; ++written) code *= 10;
    return static_cast<int16_t>(code);
}

bool PassesSuggestionFilter(std::string_view word, std::string_view candidate) {
    long difference = static_cast<long>(word.size()) - static_cast<long>(candidate.size());
    if (difference < -1 || difference > 1) return false;

    // Each letter of the word may match one letter of the candidate.
    char rest[256];
    size_t restSize = word.size() < sizeof rest ? word.size() : sizeof rest;
    word.copy(rest, restSize);

    int vowels = 0, consonants = 0, matchedVowels = 0, matchedConsonants = 0;
    for (char c : candidate) {
        bool vowel = IsVowel(c);
        (vowel ? vowels : consonants)++;
        for (size_t i = 0; i < restSize; ++i) {
            if (rest[i] != c) continue;
            (vowel ? matchedVowels : matchedConsonants)++;
            for (size_t j = i + 1; j < restSize; ++j) rest[j - 1] = rest[j];
            --restSize;
            break;
        }
    }
    // Single precision on purpose: 2/3 of the consonants is enough.
    float consonantShare = consonants == 0 ? 1.0f : static_cast<float>(matchedConsonants) / consonants;
    float vowelShare = vowels == 0 ? 1.0f : static_cast<float>(matchedVowels) / vowels;
    return consonantShare >= 0.66f && vowelShare >= 0.5f;
}
