#include "spelling/MainDictionary.h"

#include "spelling/DictFormat.h"
#include "spelling/SoundCode.h"
#include "spelling/WordBlock.h"

namespace spelldict {

void MainDictionary::Assign(std::string bytes) {
    bytes_ = std::move(bytes);
    usable_ = false;
    if (bytes_.size() < kBlockSize || std::string_view(bytes_).substr(0, kIdPrefix.size()) != kIdPrefix) return;
    // Every number of the header must name a block of the file, so that no
    // search can leave it.
    int32_t section = HeaderLong(kSectionLong);
    if (section < 3 || section > BlockCount() + 1) return;
    for (int n = 1; n <= kLetters; ++n) {
        int32_t first = HeaderLong(n);
        if (first < 2 || first >= section) return;
    }
    usable_ = true;
}

int32_t MainDictionary::HeaderLong(int n) const {
    if (bytes_.size() < kBlockSize || n < 1 || n > kSectionLong) return 0;
    return ReadLong(bytes_.data() + HeaderLongOffset(n));
}

std::string_view MainDictionary::Block(int32_t number) const {
    if (number < 1 || number > BlockCount()) return {};
    return std::string_view(bytes_).substr(static_cast<size_t>(number - 1) * kBlockSize, kBlockSize);
}

int32_t MainDictionary::BlockSearch(std::string_view upperWord) const {
    if (!usable_ || upperWord.empty()) return 0;
    int letter = static_cast<unsigned char>(upperWord[0]) - 64;
    if (letter < 1 || letter > kLetters) return 0;
    int32_t lo = HeaderLong(letter);
    // The next letter's first block may still hold words of this one.
    int32_t hi = letter < kLetters ? HeaderLong(letter + 1) : HeaderLong(kSectionLong) - 1;
    int32_t mid = lo;
    do {
        mid = (lo + hi + 1) / 2;
        std::string_view first = WordBlockReader(Block(mid)).FirstWord();
        if (first < upperWord) lo = mid;
        else if (first > upperWord) hi = mid - 1;
        else lo = hi = mid;
    } while (hi > lo);
    return mid > lo ? lo : mid;
}

bool MainDictionary::Lookup(std::string_view upperWord) const {
    int32_t block = BlockSearch(upperWord);
    if (block == 0) return false;
    WordBlockReader reader(Block(block));
    while (reader.Current() < upperWord && reader.HasNext()) reader.Next();
    return reader.Current() == upperWord;
}

std::string MainDictionary::GetDictWord(int32_t zeroBasedBlock, int place) const {
    return WordAtPlace(Block(zeroBasedBlock + 1), place);
}

int16_t MainDictionary::FirstCode(int32_t block) const {
    std::string_view b = Block(block);
    return b.empty() ? 0 : ReadInt16(b.data());
}

size_t MainDictionary::FindGroup(int32_t block, int16_t code) const {
    std::string_view b = Block(block);
    if (b.empty()) return std::string_view::npos;
    for (size_t at = 0; at < kLastGroupStart + 1; ) {
        int16_t groupCode = ReadInt16(b.data() + at);
        auto count = static_cast<unsigned char>(b[at + 2]);
        if (groupCode == code) return at;
        if (groupCode == 0 && count == 0) break;
        at += kGroupHeadSize + kEntrySize * count;
    }
    return std::string_view::npos;
}

void MainDictionary::CollectGroup(int32_t block, size_t offset, std::string_view upperWord,
                                  std::vector<std::string>& list) const {
    std::string_view b = Block(block);
    auto count = static_cast<unsigned char>(b[offset + 2]);
    for (size_t i = 0, at = offset + kGroupHeadSize; i < count && at + kEntrySize <= b.size();
         ++i, at += kEntrySize) {
        std::string candidate = GetDictWord(ReadLong(b.data() + at), static_cast<unsigned char>(b[at + 4]));
        if (PassesSuggestionFilter(upperWord, candidate)) list.push_back(std::move(candidate));
    }
}

void MainDictionary::GetReplacements(std::string_view upperWord, std::vector<std::string>& list) const {
    if (!usable_) return;
    const int16_t code = ISoundex(upperWord);
    const int32_t first = HeaderLong(kSectionLong);
    const int32_t last = BlockCount();
    if (first > last) return;

    // Binary search on the first code of each block of the section.
    int32_t lo = first, hi = last, mid = first;
    bool hit = false;
    while (hi >= lo) {
        mid = (lo + hi) / 2;
        int16_t f = FirstCode(mid);
        if (code < f) hi = mid - 1;
        else if (code > f) lo = mid + 1;
        else {
            hit = true;
            break;
        }
    }

    int32_t startBlock = 0;
    size_t startOffset = std::string_view::npos;
    if (hit) {
        // The code's list may begin in an earlier block: walk back to the
        // first block whose first code is lower, and look for it there.
        bool belowFound = false;
        while (true) {
            --mid;
            if (mid == first - 1) break;
            if (FirstCode(mid) < code) {
                belowFound = true;
                break;
            }
        }
        if (belowFound) startOffset = FindGroup(mid, code);
        if (startOffset != std::string_view::npos) {
            startBlock = mid;
        } else {
            startBlock = mid + 1;
            startOffset = 0;
        }
    } else {
        int32_t chosen;
        if (lo <= last && hi >= first) chosen = FirstCode(hi) < FirstCode(lo) ? hi : lo;
        else if (lo > last) chosen = hi;
        else chosen = lo;
        startOffset = FindGroup(chosen, code);
        if (startOffset == std::string_view::npos) return;
        startBlock = chosen;
    }

    // The list, then its continuations: the first group of each following
    // block that carries the same code.
    CollectGroup(startBlock, startOffset, upperWord, list);
    for (int32_t b = startBlock + 1; b <= last && FirstCode(b) == code; ++b) CollectGroup(b, 0, upperWord, list);
}

}  // namespace spelldict
