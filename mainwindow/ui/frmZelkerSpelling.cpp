// The main window's spelling frame: while a text is spell-checked it shows
// the file, the kind of text and the five statements around it, the
// statement that holds the text in the middle, marked.
#include <QGroupBox>
#include <QLabel>

#include "platform_ui/AnsiText.h"
#include "mainwindow_ui/frmZelker.h"

void frmZelker::SetSpellCheckCaption(const std::string& text) { fraSpellCheck->setTitle(FromAnsi(text)); }

void frmZelker::SetSpellingLine(int index, const std::string& text) {
    if (index < 0 || index >= static_cast<int>(std::size(lblSpelling))) return;
    // Source text, never markup.
    lblSpelling[index]->setTextFormat(Qt::PlainText);
    lblSpelling[index]->setText(FromAnsi(text));
}

void frmZelker::SetSpellCheckVisible(bool visible) {
    // The frame lies over the progress panel.
    if (visible) fraSpellCheck->raise();
    fraSpellCheck->setVisible(visible);
}
