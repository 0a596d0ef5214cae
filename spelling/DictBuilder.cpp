#include "spelling/DictBuilder.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <stdexcept>

#include "spelling/DictFormat.h"
#include "spelling/MainDictionary.h"
#include "spelling/SoundCode.h"
#include "spelling/WordBlock.h"

namespace spelldict {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

struct WordPlace {
    int32_t Block;  // counted from 1
    int Place;      // counted from 1
};

// Packs the words into blocks and notes where each one landed.
std::vector<std::string> WriteWordBlocks(const std::vector<std::string>& words, std::vector<WordPlace>& places) {
    std::vector<std::string> blocks;
    WordBlockWriter writer;
    const int32_t firstBlock = 2;
    for (const std::string& word : words) {
        if (!writer.TryAdd(word)) {
            blocks.push_back(writer.Finish());
            writer.TryAdd(word);
        }
        places.push_back({firstBlock + static_cast<int32_t>(blocks.size()), writer.Count()});
    }
    blocks.push_back(writer.Finish());
    return blocks;
}

// Groups of (code, count, entries), a list that does not fit going on as
// the first group of the next block; blocks are zero padded.
std::vector<std::string> WriteSoundBlocks(const std::vector<std::string>& words,
                                          const std::vector<WordPlace>& places) {
    std::vector<int16_t> codes(words.size());
    for (size_t i = 0; i < words.size(); ++i) codes[i] = ISoundex(words[i]);
    std::vector<size_t> order(words.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return codes[a] < codes[b]; });

    std::vector<std::string> blocks;
    std::string block(kBlockSize, '\0');
    size_t at = 0;
    auto flush = [&] {
        blocks.push_back(block);
        block.assign(kBlockSize, '\0');
        at = 0;
    };
    for (size_t i = 0; i < order.size();) {
        size_t end = i;
        while (end < order.size() && codes[order[end]] == codes[order[i]]) ++end;
        while (i < end) {
            if (kBlockSize - at < kGroupHeadSize + kEntrySize) flush();
            size_t fits = (kBlockSize - at - kGroupHeadSize) / kEntrySize;
            size_t count = std::min(end - i, fits);
            PutInt16(&block[at], codes[order[i]]);
            block[at + 2] = static_cast<char>(count);
            at += kGroupHeadSize;
            for (size_t k = 0; k < count; ++k, ++i, at += kEntrySize) {
                const WordPlace& place = places[order[i]];
                PutLong(&block[at], place.Block - 1);
                block[at + 4] = static_cast<char>(place.Place);
            }
            // A list that goes on must end its block.
            if (i < end) flush();
        }
    }
    if (at > 0) flush();
    return blocks;
}

}  // namespace

WordList NormalizeWordList(std::string_view listText) {
    WordList list;
    size_t pos = 0;
    while (pos < listText.size()) {
        size_t end = listText.find('\n', pos);
        if (end == std::string_view::npos) end = listText.size();
        std::string_view line = listText.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.size() > WordBlockWriter::kLongestWord || !std::all_of(line.begin(), line.end(), IsAsciiLetter)) {
            ++list.Skipped;
            continue;
        }
        std::string word(line);
        for (char& c : word)
            if (c >= 'a') c = static_cast<char>(c - 'a' + 'A');
        list.Words.push_back(std::move(word));
    }
    std::sort(list.Words.begin(), list.Words.end());
    list.Words.erase(std::unique(list.Words.begin(), list.Words.end()), list.Words.end());
    return list;
}

std::string BuildDictionary(const std::vector<std::string>& words) {
    if (words.empty()) throw std::invalid_argument("the word list holds no word");
    std::vector<WordPlace> places;
    std::vector<std::string> wordBlocks = WriteWordBlocks(words, places);
    std::vector<std::string> soundBlocks = WriteSoundBlocks(words, places);

    std::string header(kBlockSize, ' ');
    header.replace(0, kIdPrefix.size(), kIdPrefix);
    const int32_t lastWordBlock = 1 + static_cast<int32_t>(wordBlocks.size());
    size_t w = 0;
    for (int letter = 1; letter <= kLetters; ++letter) {
        // A letter without words points at the block where they would be.
        char initial = static_cast<char>('A' + letter - 1);
        while (w < words.size() && words[w][0] < initial) ++w;
        PutLong(&header[HeaderLongOffset(letter)], w < words.size() ? places[w].Block : lastWordBlock);
    }
    PutLong(&header[HeaderLongOffset(kSectionLong)], lastWordBlock + 1);

    std::string bytes = header;
    for (const std::string& b : wordBlocks) bytes += b;
    for (const std::string& b : soundBlocks) bytes += b;
    return bytes;
}

std::vector<std::string> VerifyDictionary(const std::string& bytes, const std::vector<std::string>& words,
                                          size_t most) {
    std::vector<std::string> problems;
    auto report = [&](std::string text) {
        if (problems.size() < most) problems.push_back(std::move(text));
    };
    MainDictionary dict;
    dict.Assign(bytes);
    if (!dict.IsUsable()) {
        report("the header is not that of a dictionary");
        return problems;
    }

    std::vector<std::string> suggestions;
    for (const std::string& word : words) {
        if (problems.size() >= most) return problems;
        if (!dict.Lookup(word)) report(word + " is not found by the lookup");
        suggestions.clear();
        dict.GetReplacements(word, suggestions);
        if (std::find(suggestions.begin(), suggestions.end(), word) == suggestions.end())
            report(word + " is not among its own suggestions");
    }

    size_t entries = 0;
    for (int32_t b = dict.HeaderLong(kSectionLong); b <= dict.BlockCount(); ++b) {
        std::string_view block = dict.Block(b);
        for (size_t at = 0; at <= kLastGroupStart;) {
            int16_t code = ReadInt16(block.data() + at);
            auto count = static_cast<unsigned char>(block[at + 2]);
            if (code == 0 && count == 0) break;
            if (at + kGroupHeadSize + kEntrySize * count > kBlockSize) {
                report("a sound-alike group runs past the end of block " + std::to_string(b));
                break;
            }
            for (size_t k = 0; k < count; ++k) {
                const char* entry = block.data() + at + kGroupHeadSize + kEntrySize * k;
                std::string word = dict.GetDictWord(ReadLong(entry), static_cast<unsigned char>(entry[4]));
                if (word.empty() || ISoundex(word) != code)
                    report("a sound-alike entry of code " + std::to_string(code) + " in block " + std::to_string(b) +
                           " does not resolve to a word of that code");
                ++entries;
            }
            at += kGroupHeadSize + kEntrySize * count;
        }
    }
    if (entries != words.size())
        report("the sound-alike section holds " + std::to_string(entries) + " entries for " +
               std::to_string(words.size()) + " words");
    return problems;
}

}  // namespace spelldict
