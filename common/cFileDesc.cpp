#include "common/cFileDesc.h"

#include "platform/VBError.h"

cFileDesc& cFileCollection::Item(long index) {
    if (index < 1 || index > Count()) RaiseError(vberr::kSubscriptOutOfRange, "oFile");
    return *items_[static_cast<size_t>(index - 1)];
}

const cFileDesc& cFileCollection::Item(long index) const {
    if (index < 1 || index > Count()) RaiseError(vberr::kSubscriptOutOfRange, "oFile");
    return *items_[static_cast<size_t>(index - 1)];
}

cFileDesc& cFileCollection::Add(cFileDesc entry) {
    items_.push_back(std::make_unique<cFileDesc>(std::move(entry)));
    return *items_.back();
}

void cFileCollection::Remove(long index) {
    if (index < 1 || index > Count()) RaiseError(vberr::kSubscriptOutOfRange, "oFile");
    items_.erase(items_.begin() + (index - 1));
}
