#include "support/TestMain.h"

#include "store/CNumberLocale.h"
#include "store/NumberText.h"

#include <QLocale>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void init() { CNumberLocale::Pin(CNumberLocale::Spanish()); }

    void formatSpanish_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero, as many as carried") << "0.00000" << -1 << "0";
        QTest::newRow("grouping of four digits") << "1234.5" << 2 << "1.234,50";
        QTest::newRow("empty text") << "" << 2 << "";
        QTest::newRow("negative") << "-3.5" << 1 << "-3,5";
        QTest::newRow("trailing zeros dropped") << "100.50" << -1 << "100,5";
        QTest::newRow("whole after dropping") << "12.000" << -1 << "12";
        QTest::newRow("no point, as many as carried") << "1234567" << -1 << "1.234.567";
        QTest::newRow("five decimals") << "12.75" << 5 << "12,75000";
        QTest::newRow("rounds half up on the text") << "2.675" << 2 << "2,68";
        QTest::newRow("rounding carries into the integer part") << "999.995" << 2 << "1.000,00";
        QTest::newRow("leading point") << ".5" << 2 << "0,50";
        QTest::newRow("negative that rounds to zero") << "-0.001" << 2 << "0,00";
        QTest::newRow("a comma is not a number") << "1,5" << 2 << "1,5";
        QTest::newRow("letters are not a number") << "abc" << 2 << "abc";
        QTest::newRow("two points are not a number") << "1.2.3" << 2 << "1.2.3";
        QTest::newRow("leading zeros go") << "007.1" << 1 << "7,1";
        QTest::newRow("large amount") << "1234567890.12345" << 2 << "1.234.567.890,12";
    }

    void formatSpanish()
    {
        QFETCH(QString, text);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(FormatLocaleNumber(text, decimals), expected);
    }

    void formatOtherLocales()
    {
        // French: decimal comma, a narrow space to group.
        CNumberLocale::Pin(CNumberLocale::FromLocale(QLocale(QLocale::French, QLocale::France)));
        const QString group = QLocale(QLocale::French, QLocale::France).groupSeparator();
        QCOMPARE(FormatLocaleNumber("1234.5", 2), "1" + group + "234,50");
        QCOMPARE(NormalizeNumberText(FormatLocaleNumber("1234.5", 2)), QStringLiteral("1234.50"));
        QCOMPARE(FormatLocaleNumber("-3.5", 1), QStringLiteral("-3,5"));

        // Catalan reads like Spanish.
        CNumberLocale::Pin(CNumberLocale::FromLocale(QLocale(QLocale::Catalan, QLocale::Spain)));
        QCOMPARE(FormatLocaleNumber("1234.5", 2), QStringLiteral("1.234,50"));

        // A locale with a decimal point would make typed numbers read back
        // wrong, so the Spanish conventions stand in for it.
        CNumberLocale::Pin(CNumberLocale::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates)));
        QCOMPARE(FormatLocaleNumber("1234.5", 2), QStringLiteral("1.234,50"));
        QCOMPARE(NormalizeNumberText(FormatLocaleNumber("1234.5", 2)), QStringLiteral("1234.50"));
    }

    void negativeOrders()
    {
        CNumberLocale locale = CNumberLocale::Spanish();
        locale.m_nNegativeOrder = CNumberLocale::Parenthesis;
        CNumberLocale::Pin(locale);
        QCOMPARE(FormatLocaleNumber("-3.5", 1), QStringLiteral("(3,5)"));
        locale.m_nNegativeOrder = CNumberLocale::SignLast;
        CNumberLocale::Pin(locale);
        QCOMPARE(FormatLocaleNumber("-1234", 0), QStringLiteral("1.234-"));
    }

    void normalize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grouped with decimals") << "1.234,56" << "1234.56";
        QTest::newRow("a point is grouping") << "12.5" << "125";
        QTest::newRow("grid literal") << "0,00000" << "0.00000";
        QTest::newRow("negative") << "-3,5" << "-3.5";
        QTest::newRow("empty") << "" << "";
    }

    void normalize()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(NormalizeNumberText(text), expected);
    }

    void storeNumbersIgnoreTheProcessLocale()
    {
        // The C library reads numbers by LC_NUMERIC; store text must not.
        const QByteArray previous = setlocale(LC_NUMERIC, nullptr);
        setlocale(LC_NUMERIC, "es_ES.UTF-8");
        QCOMPARE(StoreAtof("1.50000"), 1.5);
        QCOMPARE(StoreFormat(1.5, 5), QStringLiteral("1.50000"));
        setlocale(LC_NUMERIC, previous.constData());
    }

    void atofReadsTheLeadingNumber()
    {
        QCOMPARE(StoreAtof("12abc"), 12.0);
        QCOMPARE(StoreAtof("  -2.5"), -2.5);
        QCOMPARE(StoreAtof("+3"), 3.0);
        QCOMPARE(StoreAtof("1.2.3"), 1.2);
        QCOMPARE(StoreAtof(".5"), 0.5);
        QCOMPARE(StoreAtof("abc"), 0.0);
        QCOMPARE(StoreAtof(""), 0.0);
        // What is not a finite number reads as 0, like any other text that
        // is not a number, whatever the way it is written.
        for (const char* text : {"nan", "NAN", "inf", "-inf", "+inf", "infinity", "-nan(0x1)", "1e999", "-1e400"})
            QCOMPARE(StoreAtof(QString::fromLatin1(text)), 0.0);
        QCOMPARE(StoreAtof(QStringLiteral(" 12.5")), 12.5);
        QCOMPARE(Round2(249.899999), 249.9);
        QCOMPARE(StoreFormat(Round2(1190 * 21 * 0.01), 2), QStringLiteral("249.90"));
    }

    void productInDecimal_data()
    {
        QTest::addColumn<QStringList>("factors");
        QTest::addColumn<QString>("product");
        // 1.520835 exactly; the binary product is just below and prints 1.52083.
        QTest::newRow("half up") << QStringList{"0.001", "2027.78", "0.75", "1"} << "1.52084";
        QTest::newRow("9.35 x 5.75 x 0.75") << QStringList{"1", "9.35", "5.75", "0.75"} << "40.32188";
        QTest::newRow("negative, away from zero") << QStringList{"-1", "0.000015", "1", "1"} << "-0.00002";
        QTest::newRow("no minus on zero") << QStringList{"-1", "0.000001", "1", "1"} << "0.00000";
        QTest::newRow("long factors") << QStringList{"1.2345678901234567", "3", "1", "1"} << "3.70370";
        QTest::newRow("exponent") << QStringList{"2.5e-3", "1e3", "1.0", "2"} << "5.00000";
        QTest::newRow("leading number only") << QStringList{"2*1.5", "3", "1", "1"} << "6.00000";
        QTest::newRow("not a number") << QStringList{"abc", "3", "1", "1"} << "0.00000";
        QTest::newRow("not finite") << QStringList{"inf", "3", "1", "1"} << "0.00000";
    }

    void productInDecimal()
    {
        QFETCH(QStringList, factors);
        QFETCH(QString, product);
        std::vector<QByteArray> bytes;
        for (const QString& factor : factors)
            bytes.push_back(factor.toLatin1());
        const auto view = [&bytes](int i) { return std::string_view(bytes[size_t(i)].constData(), size_t(bytes[size_t(i)].size())); };
        QCOMPARE(StoreProduct({view(0), view(1), view(2), view(3)}, 5), product);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestNumberText>(argc, argv);
}

#include "test_numbertext.moc"
