#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

QString PdfText(const QString& strPath, const QStringList& extra)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), QStringList{QStringLiteral("-layout")} + extra + QStringList{strPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        QTest::qFail("pdftotext failed (is poppler-utils installed?)", __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

double PdfWordLeft(const QString& strPath, const QString& strWord)
{
    const QString boxes = PdfText(strPath, {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                            QStringLiteral("-l"), QStringLiteral("1")});
    const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                      .arg(QRegularExpression::escape(strWord)));
    const QRegularExpressionMatch match = word.match(boxes);
    return match.hasMatch() ? match.captured(1).toDouble() * 25.4 / 72.0 : -1.0;
}
