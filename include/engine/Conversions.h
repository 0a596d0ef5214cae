#pragma once
// The conversions of message-box arguments and of data-access names, and
// the number rules of the message-box conversion, open to tests.
#include <string>

#include "analysis/SourceModel.h"

void sbConvertMsgbox(SourceModel& model, BabStatement& stmt);
void sbConvertDAO(SourceModel& model, BabStatement& stmt);

// The value of the number a token's text begins with: decimal, or with the
// &H and &O prefixes; 0 when it begins with none.
double MsgBoxNumberValue(const std::string& text);

// The vb constants whose values add up to a combined buttons value, joined
// by " + " (buttons, icon, default button, system modal); empty when the
// value is below 1 or cannot be written exactly as such a sum.
std::string MsgBoxValueNames(double value);
