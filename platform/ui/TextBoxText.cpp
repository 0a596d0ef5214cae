#include "platform_ui/TextBoxText.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "platform_ui/AnsiText.h"

namespace {

// The box keeps its own line and paragraph separators; the raw text also
// keeps non-breaking spaces, which the plain text would turn into blanks.
std::string WithCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QChar('\n')).replace(QChar::LineSeparator, QChar('\n'));
    return ToAnsi(text.replace("\n", "\r\n"));
}

}  // namespace

void SetBoxText(QPlainTextEdit* box, const std::string& bytes) {
    // A CR or LF alone (a file edited elsewhere) breaks the line as well.
    QString text = FromAnsi(bytes).replace("\r\n", "\n").replace(QChar('\r'), QChar('\n'));
    box->setPlainText(text);
}

std::string BoxText(const QPlainTextEdit* box) { return WithCrLf(box->document()->toRawText()); }

std::string SelectedBoxText(const QPlainTextEdit* box) { return WithCrLf(box->textCursor().selectedText()); }
