#include "support/TestMain.h"

#include "grid/CDateField.h"
#include "grid/CFormulaEdit.h"
#include "grid/CNoSeparatorEdit.h"
#include "grid/CNoSeparatorMemo.h"
#include "grid/CNumberEdit.h"
#include "grid/CellSort.h"

#include <QApplication>
#include <QClipboard>

class TestFields : public QObject
{
    Q_OBJECT

private slots:
    void numberFieldKeepsItsDigitAndDecimalLimits()
    {
        CNumberEdit edit;
        edit.SetLimits(6, 2);
        QTest::keyClicks(&edit, QStringLiteral("1234567"));
        QCOMPARE(edit.text(), QStringLiteral("123456"));
        edit.clear();
        QTest::keyClicks(&edit, QStringLiteral("12.345"));
        QCOMPARE(edit.text(), QStringLiteral("12,34"));
        QTest::keyClicks(&edit, QStringLiteral(",.x"));
        QCOMPARE(edit.text(), QStringLiteral("12,34"));
        // Room freed by deleting a digit is room again.
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_9);
        QCOMPARE(edit.text(), QStringLiteral("12,39"));
        // Typing over a selection counts what stays, not what goes.
        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("5,5"));
        QCOMPARE(edit.text(), QStringLiteral("5,5"));
        // A seventh digit is refused before the comma as well.
        edit.setText(QStringLiteral("12345,6"));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_7);
        QCOMPARE(edit.text(), QStringLiteral("12345,6"));
    }

    void numberFieldSignsAndNoDecimals()
    {
        CNumberEdit edit;
        edit.SetLimits(5, 0);
        QTest::keyClicks(&edit, QStringLiteral("12,-3<"));
        QCOMPARE(edit.text(), QStringLiteral("123"));
        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, QStringLiteral("--"));
        QCOMPARE(edit.text(), QStringLiteral("-123"));

        CNumberEdit compare;
        compare.SetLimits(18, 5, true);
        QTest::keyClicks(&compare, QStringLiteral("5>"));
        QCOMPARE(compare.text(), QStringLiteral("5"));
        compare.setCursorPosition(0);
        QTest::keyClicks(&compare, QStringLiteral("><-"));
        QCOMPARE(compare.text(), QStringLiteral(">-5"));

        // Pasting goes through the same limits, "." read as ",".
        CNumberEdit paste;
        paste.SetLimits(6, 2);
        QApplication::clipboard()->setText(QStringLiteral("3.25"));
        paste.paste();
        QCOMPARE(paste.text(), QStringLiteral("3,25"));
        QApplication::clipboard()->setText(QStringLiteral("1a"));
        paste.paste();
        QCOMPARE(paste.text(), QStringLiteral("3,25"));
    }

    void formulaAndSeparatorFilters()
    {
        CFormulaEdit formula;
        QTest::keyClicks(&formula, QStringLiteral("(b*c)/2 + SQRT(a) | p-d.5,e"));
        QCOMPARE(formula.text(), QStringLiteral("(b*c)/2 + (a)  p-d.5,"));

        CNoSeparatorEdit text;
        QTest::keyClicks(&text, QStringLiteral("Muro | ladrillo"));
        QCOMPARE(text.text(), QStringLiteral("Muro  ladrillo"));
        QApplication::clipboard()->setText(QStringLiteral("a|b|c"));
        text.paste();
        QCOMPARE(text.text(), QStringLiteral("Muro  ladrilloabc"));

        CNoSeparatorMemo memo;
        QTest::keyClicks(&memo, QStringLiteral("uno|dos"));
        memo.paste();
        QCOMPARE(memo.toPlainText(), QStringLiteral("unodosabc"));
    }

    void dateFieldEmptiesAndFillsNow()
    {
        CDateField field;
        QVERIFY(field.IsEmpty());
        QCOMPARE(field.text(), QStringLiteral(" "));
        QVERIFY(field.DateValue().IsNull());

        field.SetDateValue(CDateValue(QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30))));
        QCOMPARE(field.text(), QStringLiteral("05/03/2024"));
        QTest::keyClick(&field, Qt::Key_Insert); // not empty: nothing
        QCOMPARE(field.text(), QStringLiteral("05/03/2024"));
        QTest::keyClick(&field, Qt::Key_Delete);
        QVERIFY(field.IsEmpty());
        QTest::keyClick(&field, Qt::Key_Insert);
        QCOMPARE(field.DateValue().DateTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));

        // The time kept is as much as the format shows.
        field.SetFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
        field.SetEmpty();
        const QTime before = QTime::currentTime();
        QTest::keyClick(&field, Qt::Key_Insert);
        const QTime filled = field.DateValue().DateTime().time();
        QCOMPARE(filled.second(), 0);
        QVERIFY(filled.hour() * 60 + filled.minute() >= before.hour() * 60 + before.minute());

        // Stepping a blank field starts from today, not from the blank's value.
        field.SetFormat(QStringLiteral("dd/MM/yyyy"));
        field.SetEmpty();
        field.stepBy(1);
        QCOMPARE(field.date(), QDate::currentDate());
    }

    void dateCellsRead()
    {
        QCOMPARE(DateFromCell(QStringLiteral("05/03/2024")), QDate(2024, 3, 5));
        QCOMPARE(DateFromCell(QStringLiteral("05/03/2024 10:00:00")), QDate(2024, 3, 5));
        QVERIFY(!DateFromCell(QStringLiteral(" ")).isValid());
        QVERIFY(!DateFromCell(QStringLiteral("31/02/2024")).isValid());
        QVERIFY(DateCellKey(QString()) < DateCellKey(QStringLiteral("31/12/1900")));
        QCOMPARE(DateCellKey(QStringLiteral("01/01/2024")), DateCellKey(QStringLiteral("01/01/2024 00:00")));
        QVERIFY(DateCellKey(QStringLiteral("01/01/2024 00:00:01")) > DateCellKey(QStringLiteral("01/01/2024")));
        QCOMPARE(NumberCellKey(QStringLiteral("1.234,5")), 1234.5);
        QCOMPARE(NumberCellKey(QString()), 0.0);
        QCOMPARE(NumberCellKey(QStringLiteral("abc")), 0.0);
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestFields>(argc, argv);
}

#include "test_fields.moc"
