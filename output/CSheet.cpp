#include "output/CSheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

CSheetCell CSheetCell::MakeText(const QString& strText, Style style)
{
    CSheetCell cell;
    if (strText.isEmpty())
        return cell;
    cell.m_kind = Text;
    cell.m_style = style;
    cell.m_strText = strText.left(CSheet::kMaxTextLength);
    return cell;
}

CSheetCell CSheetCell::MakeNumber(double dValue, Style style)
{
    CSheetCell cell;
    cell.m_kind = Number;
    cell.m_style = style;
    cell.m_dValue = dValue;
    return cell;
}

CSheetCell CSheetCell::FromStoreNumber(const QString& strText, Style style)
{
    const QString trimmed = strText.trimmed();
    if (trimmed.isEmpty())
        return CSheetCell();
    const std::string text = trimmed.toStdString();
    const char* first = text.data();
    const char* last = first + text.size();
    if (*first == '+')
        ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed | std::chars_format::scientific);
    if (result.ec == std::errc() && result.ptr == last && std::isfinite(value))
        return MakeNumber(value, style);
    return MakeText(strText);
}

int CSheet::ColumnCount() const
{
    size_t count = m_columnWidths.size();
    for (const auto& row : m_rows)
        count = std::max(count, row.size());
    return int(count);
}
