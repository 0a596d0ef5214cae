#pragma once
// The text of a multi-line text box as the bytes of a CR LF text: every line
// break in the box is one CR LF, nothing is added after the last line, and a
// text that ends with a line break shows an empty last line.
#include <string>

class QPlainTextEdit;

void SetBoxText(QPlainTextEdit* box, const std::string& bytes);
std::string BoxText(const QPlainTextEdit* box);
// The selection, its line breaks as CR LF.
std::string SelectedBoxText(const QPlainTextEdit* box);
