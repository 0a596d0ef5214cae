#include "projects/cProjectLines.h"

#include "platform/VBError.h"
#include "platform/VBText.h"

namespace {
constexpr long kDuplicateKey = 457;
}

cProjectLine& cProjectLines::Item(long index) {
    if (index < 1 || index > Count()) RaiseError(vberr::kSubscriptOutOfRange, "cProjectLines");
    return *lines_[static_cast<size_t>(index - 1)];
}

const cProjectLine& cProjectLines::Item(long index) const {
    if (index < 1 || index > Count()) RaiseError(vberr::kSubscriptOutOfRange, "cProjectLines");
    return *lines_[static_cast<size_t>(index - 1)];
}

bool cProjectLines::HasKey(const std::string& key) const { return keys_.count(vb::UCase(key)) > 0; }

void cProjectLines::Add(std::unique_ptr<cProjectLine> line, const std::string& key) {
    if (!key.empty() && !keys_.insert(vb::UCase(key)).second)
        throw VBError(kDuplicateKey, "This key is already associated with an element of this collection",
                      "cProjectLines");
    lines_.push_back(std::move(line));
}
