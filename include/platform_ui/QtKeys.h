#pragma once
// Qt key events as the windows' key handlers take them: Visual Basic's key
// codes and shift bits.
#include <Qt>

// The key code of a Qt key (letters and digits as their upper-case
// character codes, the keypad's + and - as 107 and 109); 0 for a key
// without one.
int VBKeyCode(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The shift-state bits of Qt's modifiers.
int VBShift(Qt::KeyboardModifiers modifiers);
