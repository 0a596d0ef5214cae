#pragma once
// What progress reporting needs of the main window's progress panel and
// status bar; the main window implements these, tests use fakes.
#include <string>

class IProgressView {
public:
    virtual ~IProgressView() = default;
    virtual void InitProgress() = 0;  // shows the panel with a fresh gauge
    virtual void TermProgress() = 0;  // hides the panel and drops the gauge
    virtual std::string ProgressCaption() const = 0;              // lblProgress
    virtual void SetProgressCaption(const std::string& text) = 0;  // repainted at once
    virtual void SetProgressVisible(bool visible) = 0;            // fraProgress.Visible
    virtual void SetCountText(const std::string& text) = 0;      // lblCount
    virtual void SetCountWhatText(const std::string& text) = 0;  // lblCountWhat
    virtual void ClearGauge() = 0;                               // picGauge.Cls
    virtual void SetGaugeMin(long value) = 0;
    virtual void SetGaugeMax(long value) = 0;
    virtual void SetGaugeValue(long value) = 0;
};

// A control with a caption (the status-bar label).
class ICaption {
public:
    virtual ~ICaption() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
};

// The main window's progress panel while a file is processed (null when none).
inline IProgressView* oProgressForm = nullptr;
// The status-bar label (null when no window is shown).
inline ICaption* gctlStatus = nullptr;
