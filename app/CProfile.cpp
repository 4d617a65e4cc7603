#include "app/CProfile.h"

#include <QSettings>

namespace {

QSettings Profile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmora"), QStringLiteral("Velmora"));
}

QString Key(const QString& strSection, const QString& strEntry)
{
    return strSection + u'/' + strEntry;
}

} // namespace

QString CProfile::GetProfileString(const QString& strSection, const QString& strEntry, const QString& strDefault)
{
    return Profile().value(Key(strSection, strEntry), strDefault).toString();
}

void CProfile::WriteProfileString(const QString& strSection, const QString& strEntry, const QString& strValue)
{
    QSettings settings = Profile();
    settings.setValue(Key(strSection, strEntry), strValue);
    settings.sync();
}

bool CProfile::HasEntry(const QString& strSection, const QString& strEntry)
{
    return Profile().contains(Key(strSection, strEntry));
}

QString CProfile::Language()
{
    return GetProfileString(QStringLiteral("Settings"), QStringLiteral("idioma"));
}

void CProfile::EnsureLanguage()
{
    if (Language().isEmpty())
        WriteProfileString(QStringLiteral("Settings"), QStringLiteral("idioma"), QStringLiteral("0"));
}
