#pragma once

#include <QRgb>
#include <QString>

// One piece of text for the page engine. Positions and sizes are tenths of a
// millimetre from the paper's edge; left or top 0 stands for the printable
// area's edge. A block of width and height 0 is drawn at its point without
// wrapping; one with a width and no height takes as many lines as its text
// needs. Drawing leaves in height the height the text took, never less than
// 5 mm.
struct TextBlock {
    enum Alignment { Left = 0, Centre = 1, Right = 2 };

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString fontName = QStringLiteral("Arial");
    int size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int alignment = Left;
    QRgb colour = qRgb(0, 0, 0);
    bool vertical = false; // runs downwards, read with the head tilted right
};

inline void ResetTextBlock(TextBlock& block)
{
    block = TextBlock();
}

// A block at a place and of a size, in a font size, weight and alignment.
inline TextBlock MakeTextBlock(int left, int top, int width, int height, int size = 10, bool bold = false,
                               int alignment = TextBlock::Left)
{
    TextBlock block;
    block.left = left;
    block.top = top;
    block.width = width;
    block.height = height;
    block.size = size;
    block.bold = bold;
    block.alignment = alignment;
    return block;
}
