#pragma once
// The comment-block editor as the engine reaches it. The spelling and
// templates subsystem installs the real window; until then, and in the
// headless tool, none is installed and every block is inserted as expanded,
// without editing.
#include <string>

// The editor's mode switch: True exactly while the engine holds the editor
// loaded; the editor opens in editing mode while it is set.
inline bool gblnCommentEdit = false;
// The editor's answer in editing mode: True after Skip, False after OK.
inline bool gblnCommentSkip = false;

class ICommentEditor {
public:
    virtual ~ICommentEditor() = default;
    // Loads the editor hidden, with its insertion frame visible.
    virtual void Load() = 0;
    // Shows the block modally with the insertion caption and the context
    // lines; returns the block's text once the user pressed OK or Skip
    // (Skip sets gblnCommentSkip, OK clears it).
    virtual std::string Edit(const std::string& block, const std::string& caption, const std::string& context) = 0;
    virtual void Unload() = 0;
};

// The installed editor (not owned); nullptr when there is none.
inline ICommentEditor* goCommentEditor = nullptr;
