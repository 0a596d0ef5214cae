#pragma once
// The windows are laid out in twips for an 8-point dialog font; their text
// uses that size so that captions fit their controls.
#include <QFont>

QFont DesignFont();

// The system's fixed-pitch font at the given size: where a window was
// designed with a fixed-pitch face, columns of text line up in it.
QFont FixedPitchFont(qreal pointSize);
