#pragma once
// A token's text as a place in its model's text store: eight bytes that read
// like a std::string_view. The store keeps the characters where they are for
// the model's whole life (also when the model is moved), so a copy of a
// token is a copy of eight bytes and never of its characters.
//
// The address and the length share one 64-bit word: user-space addresses
// fit in 48 bits, which the store checks for every block it takes. A text of
// 65,535 characters or more carries its length in the four bytes in front of
// it (the store writes them); the word then holds the mark kLongText.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class StoredText {
public:
    static constexpr uint64_t kLongText = 0xFFFF;

    constexpr StoredText() = default;

    // Texts refer only to characters a TextStore keeps: its own copies, or
    // the text it adopted.
    static StoredText At(const char* data, size_t size) {
        StoredText t;
        t.word_ = (static_cast<uint64_t>(reinterpret_cast<uintptr_t>(data)) << 16) |
                  (size >= kLongText ? kLongText : static_cast<uint64_t>(size));
        return t;
    }

    const char* data() const { return reinterpret_cast<const char*>(static_cast<uintptr_t>(word_ >> 16)); }
    size_t size() const {
        const uint64_t n = word_ & kLongText;
        if (n != kLongText) return static_cast<size_t>(n);
        uint32_t longSize;
        std::memcpy(&longSize, data() - sizeof longSize, sizeof longSize);
        return longSize;
    }
    size_t length() const { return size(); }
    bool empty() const { return (word_ & kLongText) == 0; }

    std::string_view view() const { return empty() ? std::string_view() : std::string_view(data(), size()); }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

    char operator[](size_t i) const { return data()[i]; }
    char front() const { return data()[0]; }
    char back() const { return data()[size() - 1]; }
    const char* begin() const { return data(); }
    const char* end() const { return data() + size(); }

    std::string_view substr(size_t pos, size_t n = std::string_view::npos) const { return view().substr(pos, n); }
    size_t find(std::string_view s, size_t pos = 0) const { return view().find(s, pos); }
    size_t find(char c, size_t pos = 0) const { return view().find(c, pos); }
    size_t rfind(char c, size_t pos = std::string_view::npos) const { return view().rfind(c, pos); }
    int compare(std::string_view s) const { return view().compare(s); }

private:
    uint64_t word_ = 0;
};

inline bool operator==(const StoredText& a, const StoredText& b) { return a.view() == b.view(); }
inline bool operator==(const StoredText& a, std::string_view b) { return a.view() == b; }
inline bool operator==(std::string_view a, const StoredText& b) { return a == b.view(); }
inline bool operator==(const StoredText& a, const std::string& b) { return a.view() == std::string_view(b); }
inline bool operator==(const std::string& a, const StoredText& b) { return std::string_view(a) == b.view(); }
inline bool operator==(const StoredText& a, const char* b) { return a.view() == std::string_view(b); }
inline bool operator==(const char* a, const StoredText& b) { return std::string_view(a) == b.view(); }
template <class T>
bool operator!=(const StoredText& a, const T& b) {
    return !(a == b);
}
template <class T>
bool operator!=(const T& a, const StoredText& b) {
    return !(a == b);
}
inline bool operator!=(const StoredText& a, const StoredText& b) { return !(a == b); }

// Concatenation gives a std::string, as it does for strings.
inline std::string operator+(std::string a, const StoredText& b) { return a.append(b.view()); }
inline std::string operator+(const char* a, const StoredText& b) { return std::string(a).append(b.view()); }
inline std::string operator+(const StoredText& a, std::string_view b) { return a.str().append(b); }
inline std::string operator+(const StoredText& a, const std::string& b) { return a.str().append(b); }
inline std::string operator+(const StoredText& a, const char* b) { return a.str().append(b); }
inline std::string operator+(const StoredText& a, const StoredText& b) { return a.str().append(b.view()); }
inline std::string operator+(const StoredText& a, char b) { return a.str() + b; }
inline std::string operator+(char a, const StoredText& b) { return std::string(1, a).append(b.view()); }
