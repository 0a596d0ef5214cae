#include "spelling/CodeTemplates.h"

#include <initializer_list>

#include "common/ErrorTrap.h"
#include "common/clsCommonDialog.h"

namespace {

std::string JoinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

std::string sbDefaultDefinition(long kind) {
    switch (kind) {
        case codekind::kErrSet:
            return JoinLines({"Dim KEMProcedureID As String",
                              "  KEMProcedureID = \"@Module\" & \"::\" & \"@Procedure\"",
                              "  On Error GoTo ErrHandler"});
        case codekind::kErrTrap:
            return JoinLines({"' Note: ERHandler is a procedure called",
                              "EXITPROC:",
                              "  Exit @Sub",
                              "ErrHandler:",
                              "  Debug.Print Err.Number & \": \" & Err.Description & \" @ Line \" & Erl",
                              "  Debug.Assert False ' Stop when in IDE mode",
                              "  Call ERHandler(Err.Number, Err.Description, _",
                              "    Err.Source, \"@Module\" & \"::\" & \"@Procedure\")"});
        case codekind::kTraceIn:
            return JoinLines({"  ' Note: LogginIsOn is Boolean in the oDebug object",
                              "  If oDebug.LogginIsOn Then",
                              "    Call oLog.LogTraceEnter(\"@Module\" & \"::\" & \"@Procedure\")",
                              "  End If"});
        case codekind::kTraceOut:
            return JoinLines({"   If oDebug.LogginIsOn Then",
                              "      Call oLog.LogTraceExit(\"@Module\" & \"::\" & \"@Procedure\")",
                              "   End If"});
        default:
            return {};
    }
}

std::string CodeTemplateHelp() {
    return JoinLines({"Enter any information you want.",
                      "\"@Procedure\" will be replaced with the procedure name.",
                      "\"@Module\" will be replaced with the file name.",
                      "\"@Sub\" will be replaced with the procedure type.",
                      "Define named variables and procedures externally."});
}

std::string GetFileName(const std::string& defFileName, bool& canceled) {
    return Trapped("GetFileName", [&] {
        // A dialog of its own: the shared one keeps the settings of its
        // other users.
        clsCommonDialog dialog;
        dialog.FileName = defFileName;
        dialog.DialogTitle = "Save Definition File";
        dialog.Filter = "Def Files|*.DEF;*.TXT|All Files (*.*)|*.*";
        dialog.CancelError = false;
        dialog.ShowSave();
        canceled = dialog.WasCanceled;
        return canceled ? std::string() : dialog.FileName;
    });
}
