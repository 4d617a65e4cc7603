#include "support/TestMain.h"

#include "bc3/CBc3CodePage.h"
#include "bc3/CBc3Reader.h"
#include "bc3/CBc3Staging.h"
#include "core/IProgress.h"

#include <string>

using namespace std::string_view_literals;

class TestBc3Reader : public QObject
{
    Q_OBJECT

private:
    static QString View(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

    static std::vector<std::string_view> Records(const CBc3Reader& reader)
    {
        std::vector<std::string_view> records;
        reader.ForEachRecord([&records](std::string_view record) { records.push_back(record); });
        return records;
    }

private slots:
    void recordsStartAtEveryTilde()
    {
        // Text before the first "~" belongs to no record; records span lines;
        // a "~" inside a text starts a record whatever follows it.
        const CBc3Reader reader("junk\r\n~V|a|b|\r\n~T|X|two\r\nlines|\r\n~C|Y|~oops|~");
        QCOMPARE(reader.RecordCount(), 5);
        const std::vector<std::string_view> records = Records(reader);
        QCOMPARE(records.size(), size_t(5));
        QCOMPARE(View(records[0]), QStringLiteral("~V|a|b|\r\n"));
        QCOMPARE(View(records[1]), QStringLiteral("~T|X|two\r\nlines|\r\n"));
        QCOMPARE(View(records[2]), QStringLiteral("~C|Y|"));
        QCOMPARE(View(CBc3Reader::RecordType(records[3])), QStringLiteral("~o"));
        QCOMPARE(View(records[4]), QStringLiteral("~"));
        QCOMPARE(CBc3Reader("no records here").RecordCount(), 0);
    }

    void nulBytesAreSkipped()
    {
        const QByteArray text("~C|A\0B||Name|1|\r\n\0~C|C||Other|2|", 32);
        const CBc3Reader reader(text);
        QCOMPARE(reader.RecordCount(), 2);
        QCOMPARE(View(CBc3Reader::Field(Records(reader)[0], 1)), QStringLiteral("AB"));
        QCOMPARE(View(CBc3Reader::Field(Records(reader)[1], 3)), QStringLiteral("Other"));
    }

    void fieldsAndSubfieldsByPosition()
    {
        const std::string_view record = "~D|P##|A\\1\\2\\B|"sv;
        QCOMPARE(View(CBc3Reader::Field(record, 0)), QStringLiteral("~D"));
        QCOMPARE(View(CBc3Reader::Field(record, 1)), QStringLiteral("P##"));
        QCOMPARE(View(CBc3Reader::Field(record, 3)), QString());
        QCOMPARE(View(CBc3Reader::Field(record, 9)), QString());
        const std::string_view list = CBc3Reader::Field(record, 2);
        QCOMPARE(View(CBc3Reader::Subfield(list, 1)), QStringLiteral("1"));
        QCOMPARE(View(CBc3Reader::Subfield(list, 3)), QStringLiteral("B"));
        QCOMPARE(View(CBc3Reader::Subfield(list, 4)), QString());
        std::vector<std::string_view> parts;
        CBc3Reader::Split("a\\\\b\\"sv, '\\', parts);
        QCOMPARE(parts.size(), size_t(4));
        QCOMPARE(View(CBc3Reader::Trim(" \t\r\nx y\r\n"sv)), QStringLiteral("x y"));
    }

    void codePageFromHeader()
    {
        QCOMPARE(CBc3CodePage::FromField(""sv), 850);
        QCOMPARE(CBc3CodePage::FromField(" \r\n"sv), 850);
        QCOMPARE(CBc3CodePage::FromField("ANSI"sv), CBc3CodePage::kAnsi);
        QCOMPARE(CBc3CodePage::FromField("ANSI\r\n"sv), CBc3CodePage::kAnsi);
        QCOMPARE(CBc3CodePage::FromField("UTF-8"sv), CBc3CodePage::kAnsi);
        QCOMPARE(CBc3CodePage::FromField("850"sv), 850);
        QCOMPARE(CBc3CodePage::FromField("437x"sv), 437);
        QCOMPARE(CBc3CodePage::FromField("1252"sv), 1252);
        QCOMPARE(CBc3CodePage::FromField("0"sv), CBc3CodePage::kAnsi);
    }

    void decodesDosAndWindowsCodePages()
    {
        QCOMPARE(ConvertFromFileCodePage("Pe\xA2n a\xA4o \xE0"sv, 850), QStringLiteral("Peón año Ó"));
        // 0xED is the diameter sign in 437 and "Ý" in 850.
        QCOMPARE(ConvertFromFileCodePage("\xED"sv, 437), QStringLiteral("φ"));
        QCOMPARE(ConvertFromFileCodePage("\xED"sv, 850), QStringLiteral("Ý"));
        QCOMPARE(ConvertFromFileCodePage("\x80 \xD3 \x93x\x94"sv, 1252), QStringLiteral("€ Ó “x”"));
        QCOMPARE(ConvertFromFileCodePage("\xE8"sv, 1250), QStringLiteral("č"));
        // A multi-byte code page goes through iconv as a whole.
        QCOMPARE(ConvertFromFileCodePage("\x82\xA0"sv, 932), QStringLiteral("あ"));
        // A code page iconv does not know reads as ANSI.
        QCOMPARE(ConvertFromFileCodePage("\xF3"sv, 4242), QStringLiteral("ó"));
    }

    void ansiIsWindows1252OrUtf8()
    {
        const int ansi = CBc3CodePage::kAnsi;
        QCOMPARE(ConvertFromFileCodePage("Excavaci\xF3n"sv, ansi), QStringLiteral("Excavación"));
        QCOMPARE(ConvertFromFileCodePage("Excavaci\xC3\xB3n m\xC2\xB3"sv, ansi), QStringLiteral("Excavación m³"));
        // Not valid UTF-8 as a whole: every byte is Windows-1252.
        QCOMPARE(ConvertFromFileCodePage("\xC3\xB3 \xF3"sv, ansi), QStringLiteral("Ã³ ó"));
        // Windows-1252 bytes that were once read as Latin-1 and stored as UTF-8.
        QCOMPARE(ConvertFromFileCodePage("versi\xC3\xB3n \xC2\x93" "Directo\xC2\x94"sv, ansi),
                 QStringLiteral("versión “Directo”"));
        // UTF-8 read as Windows-1252 and saved as UTF-8 again.
        QCOMPARE(ConvertFromFileCodePage("CAMI\xC3\x83\xE2\x80\x9CN"sv, ansi), QStringLiteral("CAMIÓN"));
        QCOMPARE(ConvertFromFileCodePage("plain"sv, ansi), QStringLiteral("plain"));
        // An undefined Windows-1252 byte keeps its Latin-1 meaning.
        QCOMPARE(ConvertFromFileCodePage("\x81"sv, ansi), QString(QChar(0x81)));
    }

    void encodesWindows1252WithQuestionMarks()
    {
        QCOMPARE(CBc3CodePage::EncodeAnsi(u"Año € “x” ÓÑ"), QByteArray("A\xF1o \x80 \x93x\x94 \xD3\xD1"));
        // One "?" per missing character, a surrogate pair being one character.
        QCOMPARE(CBc3CodePage::EncodeAnsi(u"φ≥ 😀!"), QByteArray("?? ?!"));
        // What the exporter writes reads back as it was.
        const QString text = QStringLiteral("Señalización “STOP” 20 €");
        const QByteArray bytes = CBc3CodePage::EncodeAnsi(text);
        QCOMPARE(ConvertFromFileCodePage({bytes.constData(), size_t(bytes.size())}, CBc3CodePage::kAnsi), text);
    }

    void decompositionNumbers()
    {
        // Empty is 1.0; blanks and line breaks go wherever they are, even
        // inside a number a producer wrapped; a leading "." gets its "0".
        CBc3StagedRecords staged;
        staged.Stage(CBc3Reader("~D|P|A\\\r\n\\.5\\B\\ 1 2.5 \\1.7\r\n5\\C\\-.2\\abc\\|"), EBc3Staging::Budget,
                     IProgress::None());
        QStringList numbers;
        for (const auto& row : staged.m_decompositions)
            numbers << View(row.factor) << View(row.yield);
        QCOMPARE(numbers, QStringList({"1.0", "0.5", "12.5", "1.75", "-.2", "abc"}));
    }

    void scopeLabels()
    {
        QStringList labels;
        QVERIFY(!ReadBc3ScopeLabels("~C|A|", labels));
        QVERIFY(ReadBc3ScopeLabels("~V|o|FIEBDC-3/2016|p|PRECIOS\\Almer\xA1" "a\\\\Granada|850|\r\n~K|", labels));
        QCOMPARE(labels, QStringList({QStringLiteral("Almería"), QStringLiteral("Granada")}));
        QVERIFY(ReadBc3ScopeLabels("~V|o|FIEBDC-3/2016|p||ANSI|", labels));
        QVERIFY(labels.isEmpty());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestBc3Reader>(argc, argv);
}

#include "test_bc3reader.moc"
