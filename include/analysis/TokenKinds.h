#pragma once
// The kind of every token of a model (a small code, 0 to 15), two to a byte:
// a large file holds hundreds of thousands of tokens and keeps their kinds
// for the whole zelk. Reads like the array of bytes it stands for.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

class TokenKinds {
public:
    static constexpr uint8_t kLargest = 15;

    size_t size() const { return size_; }
    void reserve(size_t count) { bytes_.reserve(ByteCount(count)); }
    void assign(size_t count, uint8_t kind);
    // New elements take `kind`; elements past `count` go.
    void resize(size_t count, uint8_t kind = 0);

    uint8_t operator[](size_t i) const { return static_cast<uint8_t>(bytes_[i / 2] >> Shift(i) & kLargest); }
    void Set(size_t i, uint8_t kind) {
        uint8_t& byte = bytes_[i / 2];
        byte = static_cast<uint8_t>((byte & ~(kLargest << Shift(i))) | (kind & kLargest) << Shift(i));
    }

    operator std::vector<uint8_t>() const;
    friend bool operator==(const TokenKinds& kinds, const std::vector<uint8_t>& bytes);

private:
    static size_t ByteCount(size_t count) { return (count + 1) / 2; }
    static unsigned Shift(size_t i) { return i % 2 * 4; }

    std::vector<uint8_t> bytes_;
    size_t size_ = 0;
};

std::ostream& operator<<(std::ostream& out, const TokenKinds& kinds);
