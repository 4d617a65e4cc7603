#pragma once

#include <QString>

// Numbers travel as text. Store text has a decimal point and no grouping
// ("1234.50000"); display text follows the user's locale ("1.234,5").

// Store text to display text with the given decimals; -1 shows as many as the
// text carries once trailing zeros are dropped. Text that is not a number
// comes back unchanged.
QString FormatLocaleNumber(const QString& strText, int nDecimals);

// Display or grid text to store text: "." is grouping and "," the decimal mark.
QString NormalizeNumberText(const QString& strText);

// The C library's atof on store text, whatever the process locale: the
// longest leading number, 0 when there is none.
double StoreAtof(const QString& strText);

// printf-style fixed formatting with a decimal point ("%.5f" is StoreFormat(v, 5)).
QString StoreFormat(double dValue, int nDecimals);

// Rounds to cents the way money totals are rounded: "%.2f", then read back.
double Round2(double dValue);

// Store text rounded to the given decimals on its digits, half away from
// zero, as FormatLocaleNumber shows it: "0.333333" to 5 gives "0.33333".
// Text that is not a number comes back unchanged.
QString RoundNumberText(const QString& strText, int nDecimals);
