#include "grid/CellSort.h"

#include "store/NumberText.h"

#include <QDate>

namespace {

// The leading decimal digits of a fixed field, as the C library's atoi reads
// them: leading blanks skipped, nothing readable gives 0.
int FieldValue(const QString& strText, qsizetype nPos, qsizetype nLength)
{
    qsizetype i = nPos;
    const qsizetype end = qMin(strText.size(), nPos + nLength);
    while (i < end && strText[i] == u' ')
        ++i;
    int value = 0;
    for (; i < end && strText[i].isDigit(); ++i)
        value = value * 10 + strText[i].digitValue();
    return value;
}

} // namespace

double NumberCellKey(const QString& strCell)
{
    if (strCell.isEmpty())
        return 0.0;
    QString strText = strCell;
    strText.remove(u'.');
    strText.replace(u',', u'.');
    return StoreAtof(strText);
}

qint64 DateCellKey(const QString& strCell)
{
    QString strText = strCell;
    if (strText.size() < 10)
        strText = QStringLiteral("01/01/1900 00:00:00");
    else if (strText.size() < 11)
        strText += QStringLiteral(" 00:00:00");
    else if (strText.size() < 14)
        strText += QStringLiteral(":00:00");
    else if (strText.size() < 17)
        strText += QStringLiteral(":00");
    const qint64 day = FieldValue(strText, 0, 2);
    const qint64 month = FieldValue(strText, 3, 2);
    const qint64 year = FieldValue(strText, 6, 4);
    const qint64 hour = FieldValue(strText, 11, 2);
    const qint64 minute = FieldValue(strText, 14, 2);
    const qint64 second = FieldValue(strText, 17, 2);
    return ((((year * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
}

QDate DateFromCell(const QString& strCell)
{
    if (strCell.size() < 10)
        return QDate();
    return QDate(FieldValue(strCell, 6, 4), FieldValue(strCell, 3, 2), FieldValue(strCell, 0, 2));
}
