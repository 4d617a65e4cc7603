// Build-time tool: the files the program ships beside its binaries, made
// from the repository's own sources.
//   make_resources manual SOURCE.md OUTPUT.pdf   the user manual as a PDF
//   make_resources icon SIZE OUTPUT.png          the application icon
//
// A manual is Markdown as Qt reads it. An image named "icon:ID" is the
// toolbar image of command ID, and "icon:app" the application icon; an
// image needs its alternative text, or Qt's reader leaves it out.
#include "ui/CToolbarIcons.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <cstdio>

namespace {

int Fail(const char* strMessage, const QString& strDetail = {})
{
    std::fprintf(stderr, "make_resources: %s %s\n", strMessage, qPrintable(strDetail));
    return 1;
}

// The images a manual names, drawn by the program, at the size they print.
void AddImages(QTextDocument& document)
{
    QList<std::pair<QTextCursor, QTextImageFormat>> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid() || !format.name().startsWith(QStringLiteral("icon:")))
                continue;
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            images.append({cursor, format});
        }
    }
    for (auto& [cursor, format] : images) {
        const QString name = format.name().mid(5);
        const bool app = name == QStringLiteral("app");
        const QPixmap pixmap = app ? CToolbarIcons::ApplicationImage(256)
                                   : CToolbarIcons::Icon(name.toInt()).pixmap(16, 16).scaled(64, 64);
        document.addResource(QTextDocument::ImageResource, QUrl(format.name()), pixmap.toImage());
        format.setWidth(app ? 64 : 16);
        format.setHeight(app ? 64 : 16);
        format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        cursor.setCharFormat(format);
    }
}

// Headings in the program's blue; tables with thin rules and room in the cells.
void Style(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat heading;
        heading.setForeground(QColor(32, 60, 120));
        cursor.mergeCharFormat(heading);
    }
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(0.5);
        format.setBorderBrush(QColor(150, 150, 150));
        format.setBorderCollapse(true);
        format.setCellPadding(4);
        format.setCellSpacing(0);
        table->setFormat(format);
    }
}

int Manual(const QString& strSource, const QString& strOutput)
{
    QFile source(strSource);
    if (!source.open(QIODevice::ReadOnly))
        return Fail("cannot read", strSource);
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    AddImages(document);
    Style(document);
    const QString title = document.begin().text();
    document.setMetaInformation(QTextDocument::DocumentTitle, title);

    QPdfWriter pdf(strOutput);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Velmora"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    // Without a page size of its own the document takes the writer's pages,
    // with margins of 2 cm and the page number at the foot of each.
    document.print(&pdf);
    return QFile::exists(strOutput) ? 0 : Fail("cannot write", strOutput);
}

int Icon(int nSize, const QString& strOutput)
{
    if (nSize <= 0 || nSize > 1024)
        return Fail("bad icon size");
    return CToolbarIcons::ApplicationImage(nSize).save(strOutput, "PNG") ? 0 : Fail("cannot write", strOutput);
}

} // namespace

int main(int argc, char** argv)
{
    // Runs during the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() == 4 && args[1] == QStringLiteral("manual"))
        return Manual(args[2], args[3]);
    if (args.size() == 4 && args[1] == QStringLiteral("icon"))
        return Icon(args[2].toInt(), args[3]);
    return Fail("usage: make_resources manual SOURCE.md OUTPUT.pdf | icon SIZE OUTPUT.png");
}
