// The jump targets of the parsed file. A line number that some GoTo, GoSub,
// Resume or On ... GoTo refers to must survive the zelk, or the output would
// not compile.
#include "engine/LabelReferences.h"

#include <unordered_set>

#include "analysis/SourceModel.h"
#include "platform/VBText.h"

namespace {
std::unordered_set<std::string> gReferenced;
}

void sbCollectLabelReferences() {
    gReferenced.clear();
    for (long t = 1; t <= glTokenCount && static_cast<size_t>(t) < yToken.size(); ++t) {
        const BabToken& token = yToken[static_cast<size_t>(t)];
        if (token.Class == TokenClass::NonCode && token.Detail == tokdetail::kLabelReference)
            gReferenced.insert(vb::UCase(token.Piece));
    }
}

bool fblnLabelReferenced(const std::string& label) { return gReferenced.count(vb::UCase(vb::Trim(label))) != 0; }
