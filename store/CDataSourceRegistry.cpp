#include "store/CDataSourceRegistry.h"

#include "store/CFileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace {

using Entries = QList<QPair<QString, QString>>;


Entries ParseAttributes(const QString& strAttributes)
{
    Entries attributes;
    for (const QString& entry : strAttributes.split(QChar(u'\0'), Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals > 0)
            attributes.append({entry.left(equals).trimmed(), entry.mid(equals + 1)});
    }
    return attributes;
}

QString Find(const Entries& entries, const QString& strKey)
{
    for (const auto& [key, value] : entries) {
        if (key.compare(strKey, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

// The registry's text as lines; other programs' sections and comments are
// kept as they are.
class CIniLines
{
public:
    // Nothing when the file is there but cannot be read: writing it then
    // would lose the other entries.
    static std::optional<CIniLines> Read()
    {
        CIniLines ini;
        QFile file(CDataSourceRegistry::FileName());
        if (file.open(QIODevice::ReadOnly))
            ini.m_lines = QString::fromUtf8(file.readAll()).split(u'\n');
        else if (file.exists())
            return std::nullopt;
        while (!ini.m_lines.isEmpty() && ini.m_lines.last().trimmed().isEmpty())
            ini.m_lines.removeLast();
        return ini;
    }

    bool Write() const
    {
        QSaveFile file(CDataSourceRegistry::FileName());
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        for (const QString& line : m_lines)
            file.write(line.toUtf8() + '\n');
        return file.commit();
    }

    // The entry's "key=value" lines, or nothing when there is no entry.
    std::optional<Entries> Section(const QString& strDsn) const
    {
        const auto [begin, end] = Range(strDsn);
        if (begin < 0)
            return std::nullopt;
        Entries entries;
        for (qsizetype i = begin + 1; i < end; ++i) {
            const QString line = m_lines[i].trimmed();
            const qsizetype equals = line.indexOf(u'=');
            if (equals <= 0 || line.startsWith(u';') || line.startsWith(u'#'))
                continue;
            QString value = line.mid(equals + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
                value = value.mid(1, value.size() - 2);
            entries.append({line.left(equals).trimmed(), value});
        }
        return entries;
    }

    void Remove(const QString& strDsn)
    {
        const auto [begin, end] = Range(strDsn);
        if (begin >= 0)
            m_lines.remove(begin, end - begin);
    }

    void Append(const QString& strDsn, const Entries& entries)
    {
        m_lines << u'[' + strDsn + u']';
        for (const auto& [key, value] : entries)
            m_lines << key + u'=' + value;
    }

private:
    static bool IsHeader(const QString& strLine) { return strLine.startsWith(u'[') && strLine.endsWith(u']'); }

    // Lines [begin, end) of the entry: its header and its values.
    std::pair<qsizetype, qsizetype> Range(const QString& strDsn) const
    {
        qsizetype begin = -1;
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            const QString line = m_lines[i].trimmed();
            if (!IsHeader(line))
                continue;
            if (begin >= 0)
                return {begin, i};
            if (line.mid(1, line.size() - 2).trimmed().compare(strDsn, Qt::CaseInsensitive) == 0)
                begin = i;
        }
        return {begin, begin < 0 ? -1 : m_lines.size()};
    }

    QStringList m_lines;
};

// Changes one entry under the registry's lock: change(ini) edits the text
// and says whether it is to be written.
template <class Change>
bool Modify(Change change)
{
    const QString folder = QFileInfo(CDataSourceRegistry::FileName()).absolutePath();
    QString error;
    if (!CFileAccess::MakePrivateFolder(folder, error))
        return false;
    const CFileAccess::CLock lock(CDataSourceRegistry::FileName() + QStringLiteral(".lock"));
    if (!lock.IsLocked())
        return false;
    std::optional<CIniLines> ini = CIniLines::Read();
    return ini && change(*ini) && ini->Write();
}

} // namespace

QString CDataSourceRegistry::FileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velmora/odbc.ini";
}

QString CDataSourceRegistry::Attributes(const QString& strDsn, const QString& strPath, const QString& strOwner)
{
    QString attributes = QStringLiteral("DSN=") + strDsn + QChar(u'\0') + QStringLiteral("DBQ=") + strPath + QChar(u'\0');
    if (!strOwner.isEmpty())
        attributes += QStringLiteral("OWNER=") + strOwner + QChar(u'\0');
    return attributes;
}

bool CDataSourceRegistry::ConfigDataSource(Request request, const QString& strDriver, const QString& strAttributes)
{
    Entries attributes = ParseAttributes(strAttributes);
    const QString dsn = Find(attributes, QStringLiteral("DSN"));
    if (dsn.isEmpty())
        return false;
    attributes.removeIf([](const auto& entry) { return entry.first.compare("DSN", Qt::CaseInsensitive) == 0; });
    switch (request) {
    case ODBC_ADD_DSN:
    case ODBC_CONFIG_DSN:
        // A line break would end the value and start a line of its own.
        if (strDriver.contains(u'\n') || strAttributes.contains(u'\n') || strAttributes.contains(u'\r'))
            return false;
        return Modify([&](CIniLines& ini) {
            ini.Remove(dsn);
            ini.Append(dsn, Entries{{QStringLiteral("Driver"), strDriver}} + attributes);
            return true;
        });
    case ODBC_REMOVE_DSN:
        return Modify([&](CIniLines& ini) {
            const std::optional<Entries> entry = ini.Section(dsn);
            if (!entry)
                return false;
            for (const auto& [key, value] : attributes) {
                if (Find(*entry, key) != value)
                    return false;
            }
            ini.Remove(dsn);
            return true;
        });
    }
    return false;
}

bool CDataSourceRegistry::Exists(const QString& strDsn)
{
    const std::optional<CIniLines> ini = CIniLines::Read();
    return ini && ini->Section(strDsn).has_value();
}

QString CDataSourceRegistry::Value(const QString& strDsn, const QString& strKey)
{
    const std::optional<CIniLines> ini = CIniLines::Read();
    const std::optional<Entries> entry = ini ? ini->Section(strDsn) : std::nullopt;
    return entry ? Find(*entry, strKey) : QString();
}
