#include "GeneratedModule.h"

#include <cstdio>

namespace {

const char* const kProcedure[] = {
    "' Computes the total of one order line.",
    "' Written for the timing of the analyser.",
    "",
    "Public Function LineTotal%d(ByVal Qty As Long, ByVal Price As Double) As Double",
    "    Dim Total As Double, i As Integer",
    "    On Error GoTo Failed",
    "    If Qty > 0 Then",
    "        Total = Qty * Price",
    "    ElseIf Qty = 0 Then",
    "        Total = 0",
    "    Else",
    "        Total = -1",
    "    End If",
    "    For i = 1 To 10",
    "        Total = Total + i * 0.5",
    "    Next i",
    "    Select Case Total",
    "        Case Is > 100: Total = 100",
    "        Case Else",
    "            Debug.Print \"small\"; Total",
    "    End Select",
    "    LineTotal%d = Total ' the result",
    "    Exit Function",
    "Failed:",
    "    Resume Next",
    "End Function",
    "",
};

}  // namespace

std::string GenerateModule(long lines) {
    std::string text = "Attribute VB_Name = \"Timing\"\r\nOption Explicit\r\n";
    long n = 2;
    for (int proc = 1; n < lines; ++proc) {
        for (const char* line : kProcedure) {
            char buf[256];
            std::snprintf(buf, sizeof buf, line, proc);
            text += buf;
            text += "\r\n";
            if (++n >= lines) break;
        }
    }
    return text;
}
