#pragma once
// The lines of one project or group file in file order, so that entry n is
// line n; a component may be added under a key, and a second entry under the
// same key (compared without regard to case) is refused.
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "projects/cProjectLine.h"

class cProjectLines {
public:
    using Lines = std::vector<std::unique_ptr<cProjectLine>>;

    long Count() const { return static_cast<long>(lines_.size()); }
    // 1-based; raises error 9 (subscript out of range) outside 1..Count.
    cProjectLine& Item(long index);
    const cProjectLine& Item(long index) const;
    // An empty key adds without a key.
    void Add(std::unique_ptr<cProjectLine> line, const std::string& key = {});
    // True when an entry was added under this key.
    bool HasKey(const std::string& key) const;

    // The lines in order, for range-for (the collection's enumerator).
    class const_iterator {
    public:
        explicit const_iterator(Lines::const_iterator it) : it_(it) {}
        const cProjectLine& operator*() const { return **it_; }
        const_iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        Lines::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(lines_.begin()); }
    const_iterator end() const { return const_iterator(lines_.end()); }

private:
    Lines lines_;
    std::unordered_set<std::string> keys_;
};
