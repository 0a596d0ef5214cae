#include "spelling/WordBlock.h"

#include <algorithm>

namespace spelldict {

WordBlockReader::WordBlockReader(std::string_view block) : block_(block.substr(0, kBlockSize)) {
    std::string_view first = FirstWord();
    wordSize_ = first.size();
    std::copy(first.begin(), first.end(), word_);
    comma_ = first.size();
}

std::string_view WordBlockReader::FirstWord() const {
    size_t comma = block_.find(',');
    return comma == std::string_view::npos ? block_ : block_.substr(0, comma);
}

bool WordBlockReader::HasNext() const {
    return comma_ + 1 < block_.size() && static_cast<unsigned char>(block_[comma_ + 1]) >= kLowestWordByte;
}

void WordBlockReader::Next() {
    size_t start = comma_ + 1;
    std::string_view stored;
    if (start < block_.size()) {
        size_t next = block_.find(',', start);
        if (next != std::string_view::npos) {
            stored = block_.substr(start, next - start);
            comma_ = next;
        } else {
            stored = block_.substr(start);
            stored = stored.substr(0, stored.find_last_not_of(' ') + 1);
            comma_ = start + stored.size();
        }
    } else {
        comma_ = start;
    }
    if (!stored.empty() && static_cast<unsigned char>(stored[0]) >= kFrontCodeBase) {
        size_t keep = std::min<size_t>(static_cast<unsigned char>(stored[0]) - kFrontCodeBase, wordSize_);
        std::copy(stored.begin() + 1, stored.end(), word_ + keep);
        wordSize_ = keep + stored.size() - 1;
    } else {
        std::copy(stored.begin(), stored.end(), word_);
        wordSize_ = stored.size();
    }
}

std::string WordAtPlace(std::string_view block, int place) {
    if (place < 1) return {};
    WordBlockReader reader(block);
    // The first word is the text up to the first comma, trimmed like any
    // other when the block holds no comma at all.
    std::string_view first = reader.FirstWord();
    if (first.size() == block.substr(0, kBlockSize).size()) first = first.substr(0, first.find_last_not_of(' ') + 1);
    if (place == 1) return std::string(first);
    for (int i = 1; i < place; ++i) {
        if (!reader.HasNext()) return {};
        reader.Next();
    }
    return std::string(reader.Current());
}

bool WordBlockWriter::TryAdd(std::string_view word) {
    size_t common = 0;
    if (size_ > 0) {
        size_t most = std::min(previous_.size(), word.size());
        while (common < most && previous_[common] == word[common]) ++common;
    }
    // Front coding pays from two shared characters on; the prefix count must
    // fit in the one byte that carries it.
    bool coded = common >= 2 && common <= 255 - kFrontCodeBase;
    size_t need = (coded ? 1 + word.size() - common : word.size()) + 1;
    if (size_ + need > kBlockSize) return false;
    std::string_view stored = word;
    if (coded) {
        block_[size_++] = static_cast<char>(kFrontCodeBase + common);
        stored = word.substr(common);
    }
    std::copy(stored.begin(), stored.end(), block_ + size_);
    size_ += stored.size();
    block_[size_++] = ',';
    previous_.assign(word);
    ++count_;
    return true;
}

std::string WordBlockWriter::Finish() {
    std::string block(block_, size_);
    block.resize(kBlockSize, ' ');
    size_ = 0;
    count_ = 0;
    previous_.clear();
    return block;
}

}  // namespace spelldict
