#include "TestMain.h"

#include "store/CNumberLocale.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QTemporaryDir& Home()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/velmora-test-XXXXXX"));
    return home;
}

} // namespace

QString TestHome()
{
    return Home().path();
}

QString TestFolder(const QString& strName)
{
    const QString path = TestHome() + u'/' + strName;
    QDir().mkpath(path);
    return path;
}

QString TestFile(const QString& strName, const QByteArray& data)
{
    const QString path = TestHome() + u'/' + strName;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString CorpusDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_CORPUS_DIR");
    return !dir.isEmpty() && QDir(dir).exists() ? dir : QString();
}

const char* NoCorpusMessage()
{
    return "BC3 corpus not found: it is looked for in ../shared/corpus/bc3 beside the checkout, or where "
           "VELMORA_CORPUS_DIR says when the build is configured";
}

void InitTestEnvironment()
{
    const QString home = TestHome();
    QDir().mkpath(home + QStringLiteral("/data"));
    QDir().mkpath(home + QStringLiteral("/config"));
    QDir().mkpath(home + QStringLiteral("/cache"));
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/cache")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CNumberLocale::Pin(CNumberLocale::Spanish());
}
