#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// A page size and margins in twips.
struct CRtfPage
{
    int m_nWidth = 11906; // A4
    int m_nHeight = 16838;
    int m_nLeft = 1134;
    int m_nRight = 1134;
    int m_nTop = 1134;
    int m_nBottom = 1134;
};

// A text document written as RTF that word processors open with its
// formatting: font and colour tables, bold, italic, underline, strike-out,
// raised and lowered text, sizes, text and highlight colours, alignment,
// indents, bullets and numbering, tabs, line breaks, and images as PNG
// pictures. Texts outside Windows-1252 are written as Unicode.
class CRtfWriter
{
public:
    using Page = CRtfPage;

    // Twips in a pixel of the document's 96-dpi layout.
    static constexpr int kTwipsPerPixel = 15;

    // The path with ".rtf" added unless it already ends with it.
    static QString WithExtension(const QString& strPath);

    static QByteArray Write(const QTextDocument& document, const Page& page = Page());
    // Writes the file whole or leaves what was there; false with the reason in strError.
    static bool Save(const QTextDocument& document, const QString& strPath, const Page& page, QString& strError);
};
