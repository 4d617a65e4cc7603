#pragma once

#include <QString>

// Run-time texts in both languages, chosen by the language string read at
// start-up: "1" is Catalan, anything else Spanish. Menus and dialogs follow
// the loaded translation instead; messages follow this string even when the
// Catalan translation is missing.
class CLanguage
{
public:
    static bool IsCatalan(const QString& strIdioma) { return strIdioma == QStringLiteral("1"); }
    static QString Text(const QString& strIdioma, const char* szSpanish, const char* szCatalan)
    {
        return QString::fromUtf8(IsCatalan(strIdioma) ? szCatalan : szSpanish);
    }
};
