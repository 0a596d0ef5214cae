// The line numbers of the file that a GoTo, GoSub, Resume, On ... GoTo or an
// If ... Then number refers to: such numbers must stay when numbers are
// removed or replaced.
#include <unordered_set>

#include "EngineCalls.h"

namespace {

struct References {
    bool known = false;
    long tokenCount = -1;
    std::unordered_set<std::string> numbers;
};

References& Refs() {
    static References refs;
    return refs;
}

}  // namespace

void ForgetLineNumberReferences() { Refs() = References(); }

bool fblnLineNumberReferenced(const std::string& number) {
    References& refs = Refs();
    if (!refs.known || refs.tokenCount != glTokenCount) {
        refs.numbers.clear();
        for (long t = 1; t <= glTokenCount && static_cast<size_t>(t) < yToken.size(); ++t) {
            const BabToken& tok = yToken[static_cast<size_t>(t)];
            if (tok.Class == 5 && tok.Detail == 5) refs.numbers.insert(tok.Piece);
        }
        refs.known = true;
        refs.tokenCount = glTokenCount;
    }
    return refs.numbers.count(number) > 0;
}
