#include "spelling/modSpell.h"

#include "common/SharedState.h"
#include "engine/CommentBlocks.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "engine/ZelkHost.h"

namespace {

constexpr int kContextLines = 5;

// The user stopped the check of a text: stop for the whole module?
bool fbCancelSpellingOfModule() {
    return Ui().MsgBox("Selecting 'Yes' will Cancel SpellCheck for this module!\r\n"
                       "Do you want to cancel SpellCheck?",
                       mb::vbYesNo | mb::vbQuestion, "Cancel") == mb::vbYes;
}

void ShowSpellingFrame(IZelkWindow& window, const std::string& what, const SourceModel& model, long record) {
    window.SetSpellCheckCaption("Spell Checking: " + gsCurrentFileName + " - " + what);
    const std::vector<std::string> lines = fsSpellingContext(model, record);
    for (int i = 0; i < kContextLines; ++i) window.SetSpellingLine(i, lines[static_cast<size_t>(i)]);
    window.SetSpellCheckVisible(true);
}

}  // namespace

std::vector<std::string> fsSpellingContext(const SourceModel& model, long record) {
    std::vector<std::string> lines;
    // Statements record - 1 to record + 3: the one that holds the text is
    // record + 1, in the middle.
    sbGet5Lines(model, record, -1, kContextLines, lines, false);
    lines.resize(kContextLines);
    return lines;
}

bool sbSpellCheckIt(std::string& text, const std::string& what, const SourceModel& model, long record) {
    TraceGuard trace(TraceKind::App, "sbSpellCheckIt");
    bool goOn = true;
    Trapped("sbSpellCheckIt", [&] {
        if (!oSpell) return;
        // The context is only gathered for a window that shows it.
        IZelkWindow* window = gfrmZelker;
        if (window) ShowSpellingFrame(*window, what, model, record);

        oSpell->SpellCheck(text, what);
        switch (oSpell->SCResult()) {
            case sc::kCancelCheck:
                if (fbCancelSpellingOfModule()) goOn = false;
                break;
            case sc::kCorrect:
                Ui().SetMousePointer(pointer::vbHourglass);
                text = oSpell->StringToCheck();
                break;
            default:
                break;
        }

        if (oProgressForm) oProgressForm->SetProgressVisible(true);
        Ui().SetMousePointer(pointer::vbHourglass);
        if (window) window->SetSpellCheckVisible(false);
    });
    return goOn;
}
