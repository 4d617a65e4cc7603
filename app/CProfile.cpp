#include "app/CProfile.h"

#include "store/CFileAccess.h"

#include <QFileInfo>
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
    // The folder is shared with the data-source list, which is the user's alone.
    QString error;
    CFileAccess::MakePrivateFolder(QFileInfo(settings.fileName()).absolutePath(), error);
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
