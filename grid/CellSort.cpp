#include "grid/CellSort.h"

#include "grid/ColumnInfo.h"
#include "store/NumberText.h"

#include <QCollator>
#include <QDate>
#include <QLocale>

#include <algorithm>
#include <numeric>

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

std::vector<int> CellSortOrder(int nCount, const std::function<QString(int nRow)>& cell, int nKind, bool bAscending)
{
    std::vector<int> order(static_cast<size_t>(qMax(0, nCount)));
    std::iota(order.begin(), order.end(), 0);

    // Keys are worked out once per row: a sort of tens of thousands of rows
    // compares each row many times.
    auto sortBy = [&](const auto& keys, auto less) {
        if (bAscending)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(keys[size_t(a)], keys[size_t(b)]); });
        else
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(keys[size_t(b)], keys[size_t(a)]); });
    };
    switch (nKind) {
    case ColumnInfo::Number: {
        std::vector<double> keys(order.size());
        for (int i = 0; i < nCount; ++i)
            keys[size_t(i)] = NumberCellKey(cell(i));
        sortBy(keys, std::less<double>());
        break;
    }
    case ColumnInfo::Date: {
        std::vector<qint64> keys(order.size());
        for (int i = 0; i < nCount; ++i)
            keys[size_t(i)] = DateCellKey(cell(i));
        sortBy(keys, std::less<qint64>());
        break;
    }
    default: {
        // Without a language of its own (the C locale) the list still sorts
        // as a Spanish user expects, accented letters with their base letter.
        QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale());
        std::vector<QCollatorSortKey> keys;
        keys.reserve(order.size());
        for (int i = 0; i < nCount; ++i) {
            const QString strText = cell(i);
            keys.push_back(collator.sortKey(strText.isEmpty() ? QStringLiteral(" ") : strText));
        }
        sortBy(keys, [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a.compare(b) < 0; });
        break;
    }
    }
    return order;
}
