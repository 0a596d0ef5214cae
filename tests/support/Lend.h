#pragma once
// The one way a test changes what the program's parts share (a flag, a run
// mode, a window, dialog or editor pointer, a hook, the recent-files list):
// the scope puts the test's value in place and gives the one before back
// when it ends, however the test ends. Declared as a fixture member, it
// covers the whole test; declared in a test body, the rest of the block.
// Without a value it only gives back what was there, for what the program
// itself changes while the test runs (the end of the program, say).
//
//     testsupport::Lend busy{gblnBufferBusy, true};
//     testsupport::Lend ending{gblnProgramEnding};
//     testsupport::Lend editors{goTemplateEditors, &fakeEditors};
//     testsupport::Lend dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
#include <utility>

namespace testsupport {

template <class T>
class Lend {
public:
    explicit Lend(T& place) : place_(place), before_(place) {}
    template <class U>
    Lend(T& place, U&& value) : place_(place), before_(std::exchange(place, std::forward<U>(value))) {}
    ~Lend() { place_ = std::move(before_); }
    Lend(const Lend&) = delete;
    Lend& operator=(const Lend&) = delete;

private:
    T& place_;
    T before_;
};

template <class T>
Lend(T&) -> Lend<T>;
template <class T, class U>
Lend(T&, U&&) -> Lend<T>;

}  // namespace testsupport
