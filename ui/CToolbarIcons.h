#pragma once

#include <QIcon>

// The toolbar's button images and the application icon, drawn by the
// program itself so that they look the same on every desktop.
class CToolbarIcons
{
public:
    static QIcon Icon(int nCommandId);
    static QIcon ApplicationIcon();
    // The application icon drawn at a size, in pixels.
    static QPixmap ApplicationImage(int nSize);
    // The price-base window's search button, and the file chooser's button.
    static QIcon SearchIcon();
    static QIcon FolderIcon();
    // The grid's item images: 0 closed folder, 1 open folder, 2 concept.
    static QPixmap ItemImage(int nImage);
};
