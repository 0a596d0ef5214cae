#pragma once
// Windows-1252 bytes to Qt text and back; the only place text is decoded.
#include <QString>
#include <string>

QString FromAnsi(const std::string& bytes);
std::string ToAnsi(const QString& text);
