#pragma once

#include <QString>
#include <initializer_list>
#include <string_view>

// Numbers travel as text. Store text has a decimal point and no grouping
// ("1234.50000"); display text follows the user's locale ("1.234,5").

// Store text to display text with the given decimals; -1 shows as many as the
// text carries once trailing zeros are dropped. Text that is not a number
// comes back unchanged.
QString FormatLocaleNumber(const QString& strText, int nDecimals);

// Display or grid text to store text: "." is grouping and "," the decimal mark.
QString NormalizeNumberText(const QString& strText);

// The C library's atof on store text, whatever the process locale: the
// longest leading number, 0 when there is none. "nan", "inf" and numbers too
// large for a double read as 0 as well: a value that is not finite would
// spread through every amount computed from it.
double StoreAtof(const QString& strText);
double StoreAtof(std::string_view text);
inline double StoreAtof(const char* szText)
{
    return StoreAtof(std::string_view(szText));
}

// printf-style fixed formatting with a decimal point ("%.5f" is StoreFormat(v, 5)).
QString StoreFormat(double dValue, int nDecimals);
// The same into a buffer, without its terminating NUL; returns the length.
// A buffer of kStoreFormatBuffer characters holds any value.
constexpr int kStoreFormatBuffer = 352;
int StoreFormatTo(char* pBuffer, double dValue, int nDecimals);

// The product of numbers in store text, computed in decimal and rounded half
// away from zero to nDecimals, as store text: 0.001 × 2027.78 × 0.75 gives
// 1.52084 where the binary product prints 1.52083. Each factor is the number
// StoreAtof reads from its text.
QString StoreProduct(std::initializer_list<std::string_view> factors, int nDecimals);

// Rounds to cents the way money totals are rounded: "%.2f", then read back.
double Round2(double dValue);

// Store text rounded to the given decimals on its digits, half away from
// zero, as FormatLocaleNumber shows it: "0.333333" to 5 gives "0.33333".
// Text that is not a number comes back unchanged.
QString RoundNumberText(const QString& strText, int nDecimals);
