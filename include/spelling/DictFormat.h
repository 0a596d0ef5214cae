#pragma once
// The layout of the main dictionary file, shared by its builder and its
// reader so that the two cannot drift apart.
//
// The file is a run of 128-byte blocks. Block 1 is the header: a 20-byte ID
// that begins "SMG", then 27 little-endian 32-bit numbers: for each letter A
// to Z the block where its words begin, and the first block of the
// sound-alike section. The word blocks lie between the header and that
// section: upper-case words in byte order, each followed by ",", blank
// padded; a word after the first of its block may be front-coded (a first
// byte of 91 + k stands for the first k characters of the word before it).
// The sound-alike section holds groups of (16-bit sound code, 8-bit count,
// count entries of 32-bit zero-based block number and 8-bit place), zero
// padded, in ascending code order.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace spelldict {

constexpr size_t kBlockSize = 128;
constexpr size_t kIdSize = 20;
constexpr std::string_view kIdPrefix = "SMG";
constexpr int kLetters = 26;
constexpr int kSectionLong = 27;  // the header number that starts the sound-alike section

// A stored word whose first byte is at least this stands for a prefix of the
// word before it followed by the rest of the stored word.
constexpr unsigned char kFrontCodeBase = 91;
// The reader takes a byte below this after a comma for the block's padding.
constexpr unsigned char kLowestWordByte = ',';

constexpr size_t kGroupHeadSize = 3;   // code and count
constexpr size_t kEntrySize = 5;       // block number and place
// A group starting this far into a block or later is never read.
constexpr size_t kLastGroupStart = kBlockSize - kGroupHeadSize;

inline int32_t ReadLong(const char* p) {
    auto b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

inline int16_t ReadInt16(const char* p) {
    auto b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int16_t>(static_cast<uint16_t>(b[0] | b[1] << 8));
}

inline void PutLong(char* p, int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

inline void PutInt16(char* p, int16_t v) {
    auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<char>(u & 0xFF);
    p[1] = static_cast<char>(u >> 8);
}

// Byte offset of header number n (1 to 27) within the header block.
constexpr size_t HeaderLongOffset(int n) { return kIdSize + 4 * static_cast<size_t>(n - 1); }

}  // namespace spelldict
