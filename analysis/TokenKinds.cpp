#include "analysis/TokenKinds.h"

#include <ostream>

void TokenKinds::assign(size_t count, uint8_t kind) {
    bytes_.clear();
    size_ = 0;
    resize(count, kind);
}

void TokenKinds::resize(size_t count, uint8_t kind) {
    const size_t from = size_;
    bytes_.resize(ByteCount(count), 0);
    size_ = count;
    if (kind == 0) {
        // The bytes added come blank: only the free half of the byte the
        // last element shares may hold a kind that was cut off before.
        if (from % 2 == 1 && from < count) Set(from, 0);
        return;
    }
    for (size_t i = from; i < count; ++i) Set(i, kind);
}

TokenKinds::operator std::vector<uint8_t>() const {
    std::vector<uint8_t> bytes(size_);
    for (size_t i = 0; i < size_; ++i) bytes[i] = (*this)[i];
    return bytes;
}

bool operator==(const TokenKinds& kinds, const std::vector<uint8_t>& bytes) {
    if (kinds.size() != bytes.size()) return false;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (kinds[i] != bytes[i]) return false;
    return true;
}

std::ostream& operator<<(std::ostream& out, const TokenKinds& kinds) {
    out << "{";
    for (size_t i = 0; i < kinds.size(); ++i) out << (i ? ", " : " ") << static_cast<int>(kinds[i]);
    return out << " }";
}
