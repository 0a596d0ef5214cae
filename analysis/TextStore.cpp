#include "analysis/TextStore.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

// Blocks made without a reservation: small for the few texts a zelk rewrites,
// larger as a store keeps growing.
constexpr size_t kFirstBlock = 4096;
constexpr size_t kLargestBlock = size_t{1} << 20;

// Texts of this length or more keep their length in front of them.
constexpr size_t kLengthBytes = sizeof(uint32_t);

}  // namespace

void TextStore::Reserve(size_t bytes) {
    if (bytes > left_) wanted_ = std::max(wanted_, bytes);
}

char* TextStore::Take(size_t n) {
    if (n > left_) {
        const size_t grown = blocks_.empty() ? kFirstBlock : std::min(kLargestBlock, capacity_);
        const size_t size = std::max({n, wanted_, grown});
        auto block = std::make_unique<char[]>(size);
        // A StoredText keeps the address in 48 bits.
        if ((reinterpret_cast<uintptr_t>(block.get()) + size) >> 48 != 0) throw std::bad_alloc();
        next_ = block.get();
        left_ = size;
        capacity_ += size;
        wanted_ = 0;
        blocks_.push_back(std::move(block));
    }
    char* at = next_;
    next_ += n;
    left_ -= n;
    return at;
}

std::string_view TextStore::Adopt(std::string text) {
    auto kept = std::make_unique<const std::string>(std::move(text));
    if ((reinterpret_cast<uintptr_t>(kept->data()) + kept->size()) >> 48 != 0) throw std::bad_alloc();
    const std::string_view view = *kept;
    capacity_ += kept->size();
    adopted_.push_back(std::move(kept));
    return view;
}

bool TextStore::Holds(std::string_view chars) const {
    const auto from = reinterpret_cast<uintptr_t>(chars.data());
    for (const auto& text : adopted_) {
        const auto start = reinterpret_cast<uintptr_t>(text->data());
        if (from >= start && from + chars.size() <= start + text->size()) return true;
    }
    return false;
}

StoredText TextStore::Place(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return StoredText::At(at, text.size());
}

StoredText TextStore::Add(std::string_view text) {
    if (text.empty()) return StoredText();
    if (text.size() < StoredText::kLongText) return Place(Take(text.size()), text);
    if (text.size() > UINT32_MAX) throw std::bad_alloc();
    char* at = Take(kLengthBytes + text.size());
    const auto size = static_cast<uint32_t>(text.size());
    std::memcpy(at, &size, kLengthBytes);
    return Place(at + kLengthBytes, text);
}

void TextStore::AddPair(std::string_view before, std::string_view text, StoredText& beforeOut,
                        StoredText& textOut) {
    if (before.size() >= StoredText::kLongText || text.size() >= StoredText::kLongText) {
        beforeOut = Add(before);
        textOut = Add(text);
        return;
    }
    char* at = Take(before.size() + text.size());
    beforeOut = before.empty() ? StoredText() : Place(at, before);
    textOut = text.empty() ? StoredText() : Place(at + before.size(), text);
}
