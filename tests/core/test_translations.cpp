#include "support/TestMain.h"

#include "bc3/CBc3Messages.h"
#include "core/CLanguage.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// One entry of a .ts file.
struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> ReadTs(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(strPath));
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"name")
            context = xml.readElementText();
        else if (name == u"message")
            current = Message{context, {}, {}, {}, {}};
        else if (name == u"source")
            current.source = xml.readElementText();
        else if (name == u"comment")
            current.comment = xml.readElementText();
        else if (name == u"translation") {
            current.type = xml.attributes().value(QStringLiteral("type")).toString();
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(strPath), qPrintable(xml.errorString()));
    return messages;
}

QString Describe(const Message& message)
{
    return message.context + u'/' + message.source + (message.comment.isEmpty() ? QString() : u'[' + message.comment + u']');
}

QString SourceDir()
{
    return qEnvironmentVariable("VELMORA_SOURCE_DIR");
}

// "%1", "%2"... of a text, and whether it ends a line.
QStringList Markers(const QString& strText)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList markers;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(strText))
        markers << match.captured();
    markers.sort();
    if (strText.endsWith(u'\n'))
        markers << QStringLiteral("\\n");
    return markers;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // Every text the sources hand to tr() or declare for translation, as
    // lupdate finds it today, has its Catalan in the translation the program
    // carries: a text added without one fails here.
    void everySourceTextHasItsCatalan()
    {
        QTranslator catalan;
        QVERIFY(CLanguage::LoadCatalan(catalan));

        const QString scanned = TestHome() + QStringLiteral("/scanned.ts");
        QStringList arguments{QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-silent"),
                              QStringLiteral("-I"), SourceDir()};
        for (const QString& dir : QStringLiteral(VELMORA_TRANSLATED_DIRS).split(u','))
            arguments << SourceDir() + u'/' + dir;
        arguments << QStringLiteral("-ts") << scanned;
        QProcess lupdate;
        lupdate.start(QStringLiteral(VELMORA_LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        const QList<Message> found = ReadTs(scanned);
        QVERIFY(found.size() > 100);
        QStringList missing;
        for (const Message& message : found) {
            const QString text = catalan.translate(message.context.toUtf8().constData(), message.source.toUtf8().constData(),
                                                   message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData());
            if (text.isEmpty())
                missing << Describe(message);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("without Catalan:\n") + missing.join(u'\n')));
    }

    // The file translators edit is finished, and each translation keeps
    // the placeholders and the line end of its source.
    void theCatalanFileIsFinishedAndConsistent()
    {
        const QList<Message> messages = ReadTs(SourceDir() + QStringLiteral("/res/velmora_ca.ts"));
        QStringList faults;
        for (const Message& message : messages) {
            if (!message.type.isEmpty() || message.translation.isEmpty())
                faults << message.type + u' ' + Describe(message);
            else if (Markers(message.source) != Markers(message.translation))
                faults << QStringLiteral("placeholders ") + Describe(message);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The core's run-time messages follow the language installed by its
    // caller, and only for as long as it is installed.
    void coreMessagesFollowTheInstalledLanguage()
    {
        QCOMPARE(CBc3Messages::Text(CBc3Messages::FileError), QStringLiteral("Error fichero .bc3"));
        for (const char* other : {"0", "", "7"}) {
            const CLanguage spanish(QString::fromLatin1(other));
            QVERIFY(!spanish.IsCatalan() && !spanish.IsInstalled());
            QCOMPARE(CBc3Messages::Text(CBc3Messages::FileError), QStringLiteral("Error fichero .bc3"));
        }
        {
            const CLanguage catalan(QStringLiteral("1"));
            QVERIFY(catalan.IsInstalled());
            QCOMPARE(CBc3Messages::Text(CBc3Messages::FileError), QStringLiteral("Error fitxer .bc3"));
            // The same Spanish text, told apart by where it is used.
            QCOMPARE(CBc3Messages::Text(CBc3Messages::StagingTableBudget), QStringLiteral("Error al obrir la taula temporal"));
            QCOMPARE(CBc3Messages::Text(CBc3Messages::StagingTablePrice), QStringLiteral("Error al obrir taula temporal"));
            QCOMPARE(CBc3Messages::StagingProgress(40), QStringLiteral("Important desglossament 40%"));
        }
        QCOMPARE(CBc3Messages::Text(CBc3Messages::FileError), QStringLiteral("Error fichero .bc3"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestTranslations>(argc, argv);
}

#include "test_translations.moc"
