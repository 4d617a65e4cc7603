#include "output/CRtfWriter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

namespace {

constexpr char kHex[] = "0123456789abcdef";

// Windows-1252 for the characters it has beyond Latin-1's: 0x80 to 0x9F.
int WindowsByte(char16_t c)
{
    if (c >= 0xA0 && c <= 0xFF)
        return c;
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        if (high[i] == c)
            return 0x80 + i;
    }
    return -1;
}

// Text in RTF: the syntax characters escaped, tabs and line breaks as
// control words, and characters beyond ASCII as Windows-1252 bytes or
// Unicode.
QByteArray EscapeText(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator || c == u'\n') {
            out += "\\line ";
        } else if (c == QChar::Nbsp) {
            out += "\\~";
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else if (c < 0x20 || c == QChar::ObjectReplacementCharacter) {
            continue;
        } else if (const int byte = WindowsByte(c); byte >= 0) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += "\\u" + QByteArray::number(qint16(c)) + '?';
        }
    }
    return out;
}

int Twips(qreal dPixels)
{
    return qRound(dPixels * CRtfWriter::kTwipsPerPixel);
}

class CRtfBuilder
{
public:
    explicit CRtfBuilder(const QTextDocument& document)
        : m_doc(document)
        , m_defaultFont(document.defaultFont())
    {
    }

    QByteArray Build(const CRtfWriter::Page& page);

private:
    QFont FontOf(const QTextCharFormat& format) const { return format.font().resolve(m_defaultFont); }
    int FontIndex(const QString& strFamily);
    int ColorIndex(const QColor& color);
    QByteArray Header(const CRtfWriter::Page& page) const;
    void WriteBlock(const QTextBlock& block);
    void WriteParagraphFormat(const QTextBlock& block);
    void WriteListMarker(const QTextBlock& block, int nIndent);
    void WriteRunFormat(const QTextCharFormat& format);
    void WriteImage(const QTextImageFormat& format);

    const QTextDocument& m_doc;
    QFont m_defaultFont;
    QStringList m_fonts;
    QList<QColor> m_colors;
    QByteArray m_body;
    QByteArray m_lastRun;
};

int CRtfBuilder::FontIndex(const QString& strFamily)
{
    const qsizetype index = m_fonts.indexOf(strFamily);
    if (index >= 0)
        return int(index);
    m_fonts << strFamily;
    return int(m_fonts.size() - 1);
}

int CRtfBuilder::ColorIndex(const QColor& color)
{
    const QColor rgb = color.toRgb();
    for (qsizetype i = 0; i < m_colors.size(); ++i) {
        if (m_colors[i].rgb() == rgb.rgb())
            return int(i + 1);
    }
    m_colors << rgb;
    return int(m_colors.size());
}

QByteArray CRtfBuilder::Header(const CRtfWriter::Page& page) const
{
    const qreal tab = m_doc.defaultTextOption().tabStopDistance();
    QByteArray header = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082\\deftab" +
                        QByteArray::number(tab > 0 ? Twips(tab) : 720) + "\r\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        const QString& family = m_fonts[i];
        QByteArray kind = "\\fnil\\fcharset0";
        if (family == QStringLiteral("Symbol"))
            kind = "\\ftech\\fcharset2";
        else if (QFontDatabase::isFixedPitch(family) || family.startsWith(QStringLiteral("Courier")))
            kind = "\\fmodern\\fprq1\\fcharset0";
        header += "{\\f" + QByteArray::number(i) + kind + ' ' + EscapeText(family) + ";}";
    }
    header += "}\r\n{\\colortbl ;";
    for (const QColor& color : m_colors)
        header += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green()) +
                  "\\blue" + QByteArray::number(color.blue()) + ';';
    header += "}\r\n";
    header += "\\paperw" + QByteArray::number(page.m_nWidth) + "\\paperh" + QByteArray::number(page.m_nHeight) +
              "\\margl" + QByteArray::number(page.m_nLeft) + "\\margr" + QByteArray::number(page.m_nRight) +
              "\\margt" + QByteArray::number(page.m_nTop) + "\\margb" + QByteArray::number(page.m_nBottom) +
              "\\viewkind4\\uc1\r\n";
    return header;
}

void CRtfBuilder::WriteRunFormat(const QTextCharFormat& format)
{
    const QFont font = FontOf(format);
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    QByteArray run = "\\plain\\f" + QByteArray::number(FontIndex(font.family())) + "\\fs" +
                     QByteArray::number(std::max(1, qRound(points * 2)));
    if (font.bold())
        run += "\\b";
    if (font.italic())
        run += "\\i";
    if (font.underline())
        run += "\\ul";
    if (font.strikeOut())
        run += "\\strike";
    if (format.foreground().style() != Qt::NoBrush)
        run += "\\cf" + QByteArray::number(ColorIndex(format.foreground().color()));
    if (format.background().style() != Qt::NoBrush)
        run += "\\highlight" + QByteArray::number(ColorIndex(format.background().color()));
    if (run == m_lastRun)
        return;
    m_body += run + ' ';
    m_lastRun = run;
}

void CRtfBuilder::WriteListMarker(const QTextBlock& block, int nIndent)
{
    const QTextList* list = block.textList();
    const QTextListFormat::Style style = list->format().style();
    const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
                        style == QTextListFormat::ListSquare;
    const int hang = std::min(nIndent, 360);
    if (bullet) {
        const QByteArray symbol = QByteArray::number(FontIndex(QStringLiteral("Symbol")));
        m_body += "{\\pntext\\f" + symbol + "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + symbol +
                  "\\pnindent0{\\pntxtb\\'b7}}\\fi-" + QByteArray::number(hang);
        return;
    }
    QByteArray kind = "\\pndec";
    if (style == QTextListFormat::ListLowerAlpha)
        kind = "\\pnlcltr";
    else if (style == QTextListFormat::ListUpperAlpha)
        kind = "\\pnucltr";
    else if (style == QTextListFormat::ListLowerRoman)
        kind = "\\pnlcrm";
    else if (style == QTextListFormat::ListUpperRoman)
        kind = "\\pnucrm";
    m_body += "{\\pntext " + EscapeText(list->itemText(block)) + "\\tab}{\\*\\pn\\pnlvlbody" + kind + "\\pnindent0\\pnstart1{\\pntxta.}}\\fi-" + QByteArray::number(hang);
}

void CRtfBuilder::WriteParagraphFormat(const QTextBlock& block)
{
    const QTextBlockFormat format = block.blockFormat();
    m_body += "\\pard";
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter)
        m_body += "\\qc";
    else if (align & Qt::AlignJustify)
        m_body += "\\qj";
    else if (align & (Qt::AlignRight | Qt::AlignTrailing))
        m_body += "\\qr";
    else
        m_body += "\\ql";
    qreal left = format.leftMargin() + format.indent() * m_doc.indentWidth();
    if (block.textList())
        left += block.textList()->format().indent() * m_doc.indentWidth();
    const int leftTwips = Twips(left);
    if (leftTwips > 0)
        m_body += "\\li" + QByteArray::number(leftTwips);
    if (Twips(format.rightMargin()) > 0)
        m_body += "\\ri" + QByteArray::number(Twips(format.rightMargin()));
    if (Twips(format.topMargin()) > 0)
        m_body += "\\sb" + QByteArray::number(Twips(format.topMargin()));
    if (Twips(format.bottomMargin()) > 0)
        m_body += "\\sa" + QByteArray::number(Twips(format.bottomMargin()));
    if (block.textList())
        WriteListMarker(block, leftTwips);
    else if (Twips(format.textIndent()) != 0)
        m_body += "\\fi" + QByteArray::number(Twips(format.textIndent()));
    m_body += ' ';
}

void CRtfBuilder::WriteImage(const QTextImageFormat& format)
{
    const QVariant resource = m_doc.resource(QTextDocument::ImageResource, QUrl(format.name()));
    QImage image;
    if (resource.typeId() == QMetaType::QImage)
        image = resource.value<QImage>();
    else if (resource.typeId() == QMetaType::QPixmap)
        image = resource.value<QPixmap>().toImage();
    else if (resource.typeId() == QMetaType::QByteArray)
        image = QImage::fromData(resource.toByteArray());
    if (image.isNull())
        return;
    qreal width = format.width();
    qreal height = format.height();
    if (width <= 0 && height <= 0) {
        width = image.width();
        height = image.height();
    } else if (width <= 0) {
        width = height * image.width() / std::max(1, image.height());
    } else if (height <= 0) {
        height = width * image.height() / std::max(1, image.width());
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    m_body += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
              QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(Twips(width)) + "\\pichgoal" +
              QByteArray::number(Twips(height)) + "\r\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        m_body += hex.mid(i, 128) + "\r\n";
    m_body += '}';
}

void CRtfBuilder::WriteBlock(const QTextBlock& block)
{
    WriteParagraphFormat(block);
    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        const QString text = fragment.text();
        if (format.isImageFormat()) {
            for (qsizetype i = 0; i < text.size(); ++i)
                WriteImage(format.toImageFormat());
            continue;
        }
        WriteRunFormat(format);
        // Raised and lowered text go in a group of their own: some readers
        // take a bare \\super for more than the run it starts.
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            m_body += "{\\super " + EscapeText(text) + '}';
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            m_body += "{\\sub " + EscapeText(text) + '}';
        else
            m_body += EscapeText(text);
        empty = empty && text.isEmpty();
    }
    // An empty paragraph keeps its height through the format of its mark.
    if (empty)
        WriteRunFormat(block.charFormat());
}

QByteArray CRtfBuilder::Build(const CRtfWriter::Page& page)
{
    // The tables fill as the body is written; the default font comes first.
    FontIndex(m_defaultFont.family());
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        if (block != m_doc.begin())
            m_body += "\\par\r\n";
        WriteBlock(block);
    }
    return Header(page) + m_body + "\r\n}\r\n";
}

} // namespace

QString CRtfWriter::WithExtension(const QString& strPath)
{
    return strPath.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive) ? strPath : strPath + QStringLiteral(".rtf");
}

QByteArray CRtfWriter::Write(const QTextDocument& document, const Page& page)
{
    return CRtfBuilder(document).Build(page);
}

bool CRtfWriter::Save(const QTextDocument& document, const QString& strPath, const Page& page, QString& strError)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly)) {
        strError = file.errorString();
        return false;
    }
    file.write(Write(document, page));
    if (!file.commit()) {
        strError = file.errorString();
        return false;
    }
    return true;
}
