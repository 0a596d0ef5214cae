// A line of a designer file's form description: written with its own
// spacing, its only change the spelling corrections of captions and other
// texts.
#include "engine/FormRecord.h"

#include <algorithm>
#include <array>

#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "analysis/SourceModel.h"
#include "engine/SpellingHooks.h"
#include "engine/ZelkRun.h"
#include "common/Trace.h"
#include "engine/ZelkRun.h"
#include "platform/UiServices.h"
#include "common/mKEMCommon.h"

namespace {

// Properties whose values are names, fonts, links or pictures, never prose.
bool NeverSpellChecked(const std::string& property) {
    static const std::array<const char*, 5> names = {"FontName", "LinkTopic", "Picture", "Icon", "Name"};
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return property == n; });
}

// The token's blanks (a tab counts as one blank) and its text.
void AppendToken(std::string& line, const BabToken& token, const std::string& piece) {
    line.append(token.WhiteSpaceLeft.size(), ' ');
    line += piece;
}

// A caption's text without its access-key marker, checked, and the marker
// put back where it stood.
// The user's stop turns spell checking off for the rest of the run's file.
std::string SpellChecked(ZelkRun& run, const std::string& piece, long record) {
    size_t amp = piece.find('&');
    std::string text = piece;
    if (amp != std::string::npos) text.erase(amp, 1);
    if (!gfnSpellCheckIt(text, "Form/Control Literal", run.model, record - 1)) run.gblnSpellThisModule = false;
    if (amp != std::string::npos) text.insert(std::min(amp, text.size()), 1, '&');
    return text;
}

}  // namespace

void sbOutputFormRecord(ZelkRun& run, long& record, std::string& text) {
    TraceGuard trace(TraceKind::App, "sbOutputFormRecord");
    Trapped("sbOutputFormRecord", [&] {
        text.clear();
        const std::vector<BabToken>& tokens = run.model.yToken;
        const BabRecord& rec = run.model.yRecord[static_cast<size_t>(record)];
        if (rec.FirstToken == 0) return;
        std::string property;
        for (long t = rec.FirstToken; t <= rec.LastToken; ++t) {
            const BabToken& token = tokens[static_cast<size_t>(t)];
            std::string piece = token.Piece;
            if (t == rec.FirstToken) {
                property = piece;
            } else if (run.gblnSpellThisModule && run.opt.gblnSpellFormLiterals && gfnSpellCheckIt && piece != "=" &&
                       piece.compare(0, gsQuote.size(), gsQuote) == 0 && !NeverSpellChecked(property)) {
                piece = SpellChecked(run, piece, record);
            }
            AppendToken(text, token, piece);
        }
        if (run.gsDialectInUse == "3" && text.size() > 1023) {
            std::string asRead;
            for (long t = rec.FirstToken; t <= rec.LastToken; ++t) {
                const BabToken& token = tokens[static_cast<size_t>(t)];
                AppendToken(asRead, token, token.Piece);
            }
            std::string notice = std::string("The following line was generated and is too ") +
                                 "long for Visual Basic 3.0" + "\r\n\r\n" + text + "\r\n\r\n" +
                                 "The Original line will be retained." + "\r\n\r\n" + asRead;
            text = asRead;
            sbLogLine(run, notice, false);
            Ui().MsgBox(notice, mb::vbExclamation | mb::vbOKOnly, "Too Long");
        }
    });
}
