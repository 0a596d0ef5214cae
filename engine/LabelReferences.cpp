// The jump targets of the parsed file. A line number that some GoTo, GoSub,
// Resume or On ... GoTo refers to must survive the zelk, or the output would
// not compile.
#include "engine/LabelReferences.h"

#include "analysis/SourceModel.h"
#include "engine/ZelkRun.h"
#include "platform/VBText.h"

void sbCollectLabelReferences(ZelkRun& run) {
    const SourceModel& m = run.model;
    std::unordered_set<std::string>& referenced = run.labels.upper;
    referenced.clear();
    for (long t = 1; t <= m.glTokenCount && static_cast<size_t>(t) < m.yToken.size(); ++t) {
        const BabToken& token = m.yToken[static_cast<size_t>(t)];
        if (token.Class == TokenClass::NonCode && token.Detail == tokdetail::kLabelReference)
            referenced.insert(vb::UCase(token.Piece));
    }
}

bool fblnLabelReferenced(const ZelkRun& run, const std::string& label) {
    return run.labels.upper.count(vb::UCase(vb::Trim(label))) != 0;
}
