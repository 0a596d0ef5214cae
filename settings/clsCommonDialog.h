#pragma once
// The file Open and Save As dialogs behind one object whose properties keep
// the values their last user left in them. The shared instance
// oCommonDialog serves most callers; a caller that wants the defaults makes
// a private one. Results come back in the properties; a cancel sets
// WasCanceled and, with CancelError on, raises error 32755.
#include <memory>
#include <string>

// The dialog flags the callers combine in `flags` (the platform's values).
namespace cdl {
constexpr long OFN_OVERWRITEPROMPT = 0x2;
constexpr long OFN_HIDEREADONLY = 0x4;
constexpr long OFN_ALLOWMULTISELECT = 0x200;
constexpr long OFN_PATHMUSTEXIST = 0x800;
constexpr long OFN_FILEMUSTEXIST = 0x1000;
constexpr long OFN_EXPLORER = 0x80000;
constexpr long OFN_LONGNAMES = 0x200000;
// The separator between the folder and the names of a multiple selection.
constexpr char kNameSeparator = '\0';
}  // namespace cdl

class clsCommonDialog {
public:
    // Set False at the start of every dialog, True when the user cancels.
    bool WasCanceled = false;

    // When True, a cancelled dialog raises error 32755 to the caller.
    bool CancelError = false;
    // Extension added to a typed name that has none.
    std::string DefaultExt;
    std::string DialogTitle;
    // In: the name shown in the name field. Out: the chosen full path; for a
    // multiple selection the folder and the names, each separated by NUL.
    std::string FileName;
    // In: the initial file title. Out: the chosen name without its folder.
    std::string FileTitle;
    // Pairs of description and pattern, every item separated by "|".
    std::string Filter;
    // 1-based number of the filter pair shown first; out: the one chosen.
    int FilterIndex = 1;
    // The platform flags (cdl::OFN_...), passed on as they stand.
    long flags = 0;
    // Device context and owner window handles: kept for the callers, the
    // dialogs open over the active window.
    long HDC = 0;
    long hWndOwner = 0;
    // In: the folder the dialog opens in. Out: FileName up to its last
    // separator.
    std::string InitDir;
    // Size in characters of the name buffers; 0 or less becomes 255 at the
    // next dialog.
    long MaxFileSize = 255;

    // The result of the last dialog: 1 a name was chosen, 0 cancelled.
    long APIReturn() const { return apiReturn_; }
    // The platform's extended error of the last dialog.
    long ExtendedError() const { return extendedError_; }
    // Kind of the last colour, font or help dialog; the file dialogs leave it.
    int Action() const { return action_; }

    void ShowOpen();
    void ShowSave();

private:
    enum class Kind { Open = 1, Save = 2 };
    void ShowFileDialog(Kind kind);

    long apiReturn_ = 0;
    long extendedError_ = 0;
    int action_ = 0;
};

// Cuts a returned text after its last character that is neither NUL nor a
// blank; NUL characters inside the text stay.
std::string TrimNulls(const std::string& text);

// Created by the start-up before the settings load.
inline std::unique_ptr<clsCommonDialog> oCommonDialog;
