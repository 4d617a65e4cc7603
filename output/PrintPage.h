#pragma once

#include "output/TextBlock.h"

#include <QString>
#include <vector>

// One thing drawn on a page, in paper coordinates (0.1 mm). A text carries its
// block; a line, rectangle, image or erased (whitened) area keeps its place in
// the block's left and top, its length or size in width and height.
struct PrintItem {
    enum Kind { Text, HLine, VLine, Rect, Image, Erase };

    Kind kind = Text;
    QString text; // the text, or the image file's path
    TextBlock block;
    float penWidth = 1.0f;
};

// One page of a printout: where its body starts and everything drawn on it,
// in drawing order. The same pages drive the printer, the preview and a PDF.
struct PrintPage {
    int bodyTop = 0;
    // Where whatever follows the last row starts (the footer on the last page).
    int endY = 0;
    std::vector<PrintItem> items;
};
