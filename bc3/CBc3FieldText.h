#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Values as an exported FIEBDC-3 file holds them: Windows-1252 bytes, the
// character set its "~V" declares ("ANSI").
//
// The format has no escapes. A "~" in a value would start a record, a "|" a
// field and a "\" a subfield, so they become the look-alikes "˜", "¦" and
// "/". Every line break (CR LF, LF or CR alone) becomes CR LF, so that every
// line of the file ends the same way.
class CBc3FieldText
{
public:
    // Appends a value; a character Windows-1252 lacks becomes "?" and is
    // added to pMissing when given (a surrogate pair as one).
    static void Append(QByteArray& out, QStringView value, QString* pMissing = nullptr);
    static void Append(QByteArray& out, const char* szAscii) { out.append(szAscii); }

    // The digits after the decimal point of a number in store text.
    static int Decimals(QStringView number);
};
