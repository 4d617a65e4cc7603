#pragma once

#include <QString>
#include <QStringList>

// The text of a PDF file as pdftotext reads it (poppler-utils), in reading
// order with the layout kept; extra arguments go to pdftotext ("-bbox" gives
// every word with its box, in points). Fails the test when the tool fails.
QString PdfText(const QString& strPath, const QStringList& extra = {});
// The left edge of a word in the PDF's first page, in millimetres; -1 when
// the word is not there.
double PdfWordLeft(const QString& strPath, const QString& strWord);
