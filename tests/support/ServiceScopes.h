#pragma once
// The platform services a test replaces for a while, installed through their
// setters: a clock of its own, or UI services other than the scripted ones.
// When the scope ends the test's own come back: the system clock, and the
// scripted UI every test starts with.
#include "TestSupport.h"
#include "platform/Clock.h"
#include "platform/UiServices.h"

namespace testsupport {

class ClockScope {
public:
    explicit ClockScope(IClock& clock) { SetClock(&clock); }
    ~ClockScope() { SetClock(nullptr); }
    ClockScope(const ClockScope&) = delete;
    ClockScope& operator=(const ClockScope&) = delete;
};

class UiScope {
public:
    explicit UiScope(IUiServices& services) { SetUi(&services); }
    ~UiScope() { SetUi(&Ui()); }
    UiScope(const UiScope&) = delete;
    UiScope& operator=(const UiScope&) = delete;
};

}  // namespace testsupport
