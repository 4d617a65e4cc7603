#pragma once

#include <QString>

// The per-user profile: "Settings"/"idioma" and whatever else the program keeps
// between runs, in the user's configuration folder (Velmora/Velmora.conf).
class CProfile
{
public:
    static QString GetProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault = {});
    static void WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue);
    static bool HasEntry(const QString& strSection, const QString& strEntry);

    // The language setting: "1" Catalan, anything else Spanish.
    static QString Language();
    // Writes "0" when the entry is missing or empty, as a first run does.
    static void EnsureLanguage();
};
