#pragma once
// Key codes and shift-state bits as the windows' key handlers receive them
// (Visual Basic's values).
namespace vbkey {
constexpr int vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyEscape = 27, vbKeySpace = 32,
              vbKeyPageUp = 33, vbKeyPageDown = 34, vbKeyEnd = 35, vbKeyHome = 36, vbKeyLeft = 37,
              vbKeyUp = 38, vbKeyRight = 39, vbKeyDown = 40, vbKeyInsert = 45, vbKeyDelete = 46,
              vbKeyAdd = 107, vbKeySubtract = 109;
constexpr int vbKeyF1 = 112, vbKeyF2 = 113, vbKeyF3 = 114, vbKeyF4 = 115, vbKeyF8 = 119, vbKeyF13 = 124,
              vbKeyF14 = 125;
constexpr int vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4;
}  // namespace vbkey
