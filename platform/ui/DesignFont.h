#pragma once
// The windows are laid out in twips for an 8-point dialog font; their text
// uses that size so that captions fit their controls.
#include <QFont>

QFont DesignFont();
