#include "platform_ui/QtKeys.h"

#include "platform/KeyCodes.h"

int VBKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    using namespace vbkey;
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey == Qt::Key_Plus) return vbKeyAdd;
        if (qtKey == Qt::Key_Minus) return vbKeySubtract;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vbKeyF1 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    switch (qtKey) {
        case Qt::Key_Backspace: return vbKeyBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return vbKeyTab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return vbKeyReturn;
        case Qt::Key_Escape: return vbKeyEscape;
        case Qt::Key_Space: return vbKeySpace;
        case Qt::Key_PageUp: return vbKeyPageUp;
        case Qt::Key_PageDown: return vbKeyPageDown;
        case Qt::Key_End: return vbKeyEnd;
        case Qt::Key_Home: return vbKeyHome;
        case Qt::Key_Left: return vbKeyLeft;
        case Qt::Key_Up: return vbKeyUp;
        case Qt::Key_Right: return vbKeyRight;
        case Qt::Key_Down: return vbKeyDown;
        case Qt::Key_Insert: return vbKeyInsert;
        case Qt::Key_Delete: return vbKeyDelete;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        default: return 0;
    }
}

int VBShift(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= vbkey::vbShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= vbkey::vbCtrlMask;
    if (modifiers & Qt::AltModifier) shift |= vbkey::vbAltMask;
    return shift;
}
