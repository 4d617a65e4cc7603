#include "store/CDataSourceRegistry.h"

#include <QHash>
#include <QSettings>
#include <QStandardPaths>

namespace {

QSettings Registry()
{
    return QSettings(CDataSourceRegistry::FileName(), QSettings::IniFormat);
}

QHash<QString, QString> ParseAttributes(const QString& strAttributes)
{
    QHash<QString, QString> attributes;
    for (const QString& entry : strAttributes.split(QChar(u'\0'), Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals > 0)
            attributes.insert(entry.left(equals).trimmed().toUpper(), entry.mid(equals + 1));
    }
    return attributes;
}

} // namespace

QString CDataSourceRegistry::FileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velmora/odbc.ini";
}

QString CDataSourceRegistry::Attributes(const QString& strDsn, const QString& strPath)
{
    return QStringLiteral("DSN=") + strDsn + QChar(u'\0') + QStringLiteral("DBQ=") + strPath + QChar(u'\0');
}

bool CDataSourceRegistry::ConfigDataSource(Request request, const QString& strDriver, const QString& strAttributes)
{
    const QHash<QString, QString> attributes = ParseAttributes(strAttributes);
    const QString dsn = attributes.value("DSN");
    if (dsn.isEmpty())
        return false;
    switch (request) {
    case ODBC_ADD_DSN:
    case ODBC_CONFIG_DSN:
        Add(dsn, strDriver, attributes.value("DBQ"));
        return true;
    case ODBC_REMOVE_DSN:
        if (!Exists(dsn))
            return false;
        Remove(dsn);
        return true;
    }
    return false;
}

void CDataSourceRegistry::Add(const QString& strDsn, const QString& strDriver, const QString& strPath)
{
    QSettings settings = Registry();
    settings.beginGroup(strDsn);
    settings.setValue("Driver", strDriver);
    settings.setValue("DBQ", strPath);
    settings.endGroup();
    settings.sync();
}

void CDataSourceRegistry::Remove(const QString& strDsn)
{
    QSettings settings = Registry();
    settings.remove(strDsn);
    settings.sync();
}

bool CDataSourceRegistry::Exists(const QString& strDsn)
{
    return Registry().childGroups().contains(strDsn);
}

QString CDataSourceRegistry::DatabasePath(const QString& strDsn)
{
    return Registry().value(strDsn + "/DBQ").toString();
}

QString CDataSourceRegistry::Driver(const QString& strDsn)
{
    return Registry().value(strDsn + "/Driver").toString();
}
