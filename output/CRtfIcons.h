#pragma once

#include <QIcon>

// The button images of the report editor's toolbar, drawn by the program so
// that they look the same on every desktop.
class CRtfIcons
{
public:
    enum Kind {
        Save, Cut, Copy, Paste, Undo,
        Bold, Italic, Underline,
        AlignLeft, AlignCenter, AlignRight,
        Color, Bullets, IndentMore, IndentLess
    };
    static QIcon Icon(Kind kind);
};
