#pragma once

#include <QByteArray>
#include <QString>

// A compound file (the structured storage of the Office 97 formats) whose
// root storage holds one stream: what an .xls workbook is on disk. Version 3
// with 512-byte sectors; streams under 4096 bytes live in the mini stream, as
// readers expect.
class CCompoundFile
{
public:
    // strStreamName: at most 31 characters.
    static QByteArray Build(const QString& strStreamName, const QByteArray& stream);
};
