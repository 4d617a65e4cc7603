#include "support/TestMain.h"

#include "grid/CEditList.h"
#include "grid/CEditListModel.h"
#include "grid/CInPlaceDate.h"
#include "ui/CSortHeaderCtrl.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace {

// A list that records which of its operations were called, in order.
class CRecordingList : public CEditList
{
public:
    QStringList m_calls;
    bool m_bRefuse = false;
    // Cells ("row,column") their rows do not let the user edit.
    QStringList m_lockedCells;

    bool CanEditCell(int nRow, int nCol) override
    {
        return !m_lockedCells.contains(QStringLiteral("%1,%2").arg(nRow).arg(nCol)) && CEditList::CanEditCell(nRow, nCol);
    }

    void MoveItem(int nFrom, int nTo) override { m_calls << QStringLiteral("move %1 %2").arg(nFrom).arg(nTo); }
    void OnItemClick(int nRow, int nCol, int nOnState) override
    {
        m_calls << QStringLiteral("click %1 %2 %3").arg(nRow).arg(nCol).arg(nOnState);
    }
    bool ValidateCell(int nRow, int nCol) override
    {
        m_calls << QStringLiteral("validate %1 %2").arg(nRow).arg(nCol);
        return !m_bRefuse;
    }
    void OnCellRefused(int nRow, int nCol) override { m_calls << QStringLiteral("refused %1 %2").arg(nRow).arg(nCol); }
    void CellChanged(int nRow, int nCol) override
    {
        CEditList::CellChanged(nRow, nCol);
        m_calls << QStringLiteral("changed %1 %2 %3").arg(nRow).arg(nCol).arg(GetItemText(nRow, nCol));
    }
    void InsertLine(int nRow, int nCol) override { m_calls << QStringLiteral("insert %1 %2").arg(nRow).arg(nCol); }
    void OnContextMenu(int nRow, int nCol, const QPoint&) override { m_calls << QStringLiteral("menu %1 %2").arg(nRow).arg(nCol); }
    void GetCellColors(int nRow, int nCol) override
    {
        SetCellColors(Qt::black, nRow == 1 && nCol == 3 ? QColor(255, 196, 136) : Qt::white);
    }
};

enum Col { Code, Level, Unit, Price, Narrow, Quantity, Date, HiddenEditable, Amount };

// A budget-like grid: code, a hidden level, unit, price, a 6-pixel column,
// quantity, date, an editable column of width 0, and a read-only amount.
void SetUp(CEditList& list, int nRows)
{
    list.SetColumnCount(9);
    list.Column(Code) = {QStringLiteral("Código"), 19, ColumnInfo::Text, ColumnInfo::Left, 140, 1};
    list.Column(Level) = {QStringLiteral("Nivel"), 0, ColumnInfo::Number, ColumnInfo::Right, 0, 0};
    list.Column(Unit) = {QStringLiteral("Unidad"), 8, ColumnInfo::Text, ColumnInfo::Left, 60, 1};
    list.Column(Price) = {QStringLiteral("Precio"), 0, ColumnInfo::Number, ColumnInfo::Right, 100, 1};
    list.Column(Narrow) = {QStringLiteral("N"), 0, ColumnInfo::Text, ColumnInfo::Left, 6, 1};
    list.Column(Quantity) = {QStringLiteral("Cantidad"), 0, ColumnInfo::Number, ColumnInfo::Right, 80, 1};
    list.Column(Date) = {QStringLiteral("Fecha"), 0, ColumnInfo::Date, ColumnInfo::Center, 100, 1};
    list.Column(HiddenEditable) = {QStringLiteral("Oculta"), 0, ColumnInfo::Text, ColumnInfo::Left, 0, 1};
    list.Column(Amount) = {QStringLiteral("Subtotal"), 0, ColumnInfo::Number, ColumnInfo::Right, 100, 0};
    list.ApplyColumns();
    list.SetEditEnabled(true);
    list.SetTreeImages(true);
    for (int i = 0; i < nRows; ++i) {
        list.InsertItem(i, QStringList{QStringLiteral("R%1").arg(i), QString::number(i % 3), QStringLiteral("m2"),
                                       QStringLiteral("%1,00000").arg(i), QString(), QStringLiteral("1,00000"),
                                       QStringLiteral("0%1/02/2024").arg(1 + i % 9)},
                        i % 3, i % 3 == 2 ? 2 : 1, i % 3 == 2 ? 0 : 2);
    }
}

// The grid above on screen, so that cells have their places.
void Show(CEditList& list, int nRows, const QSize& size = QSize(800, 300))
{
    SetUp(list, nRows);
    list.resize(size);
    list.show();
}

QStringList Column(const CEditList& list, int nCol)
{
    QStringList texts;
    for (int i = 0; i < list.GetItemCount(); ++i)
        texts << list.GetItemText(i, nCol);
    return texts;
}

QLineEdit* TextEditor(const CEditList& list)
{
    return qobject_cast<QLineEdit*>(list.Editor());
}

QPoint CellCenter(const CEditList& list, int nRow, int nCol)
{
    return list.visualRect(list.model()->index(nRow, nCol)).center();
}

// As a user's double click arrives: click, double click, release.
void DoubleClick(QWidget* pWidget, const QPoint& pt)
{
    QTest::mouseClick(pWidget, Qt::LeftButton, {}, pt);
    QTest::mouseDClick(pWidget, Qt::LeftButton, {}, pt);
    QTest::mouseRelease(pWidget, Qt::LeftButton, {}, pt);
}

// A key as the keyboard sends it; a held key repeats press and release.
void Key(QWidget* pWidget, QEvent::Type type, Qt::Key key, bool bAutoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), bAutoRepeat);
    QApplication::sendEvent(pWidget, &event);
}

void Mouse(QWidget* pWidget, QEvent::Type type, const QPoint& pt, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pt, pWidget->mapToGlobal(pt), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &event);
}

} // namespace

class TestEditList : public QObject
{
    Q_OBJECT

    // A list on screen in an active window, so that focus moves for real.
    struct Shown
    {
        QWidget window;
        CRecordingList* list;
        QLineEdit* other;

        explicit Shown(int nRows)
        {
            auto* layout = new QVBoxLayout(&window);
            list = new CRecordingList;
            other = new QLineEdit;
            layout->addWidget(list);
            layout->addWidget(other);
            SetUp(*list, nRows);
            window.resize(800, 400);
            window.show();
            window.activateWindow();
        }
    };

private slots:
    void rowModelPassesTheModelTester()
    {
        CEditList list;
        auto* tester = new QAbstractItemModelTester(list.RowModel(), QAbstractItemModelTester::FailureReportingMode::QtTest, &list);
        Q_UNUSED(tester);
        SetUp(list, 20);
        list.SetRedraw(false);
        for (int i = 0; i < 50; ++i)
            list.InsertItem(5, QStringList{QStringLiteral("X%1").arg(i)}, 1, 2, 0);
        list.SetItemText(3, Price, QStringLiteral("7,5"));
        list.SetRedraw(true);
        list.DeleteItems(10, 30);
        list.DeleteItem(0);
        list.SetItemStateImage(1, 1);
        list.SortByColumn(Price);
        list.SortByColumn(Code);
        list.SetColumnCount(3);
        list.ApplyColumns();
        list.DeleteAllItems();
        QCOMPARE(list.GetItemCount(), 0);
    }

    void rowOperationsKeepTheRowsData()
    {
        CEditList list;
        SetUp(list, 3);
        QCOMPARE(list.InsertItem(99, QStringLiteral("last"), 4, 0, 1), 3);
        QCOMPARE(list.InsertItem(-5, QStringLiteral("first")), 0);
        QCOMPARE(list.GetItemText(4, Code), QStringLiteral("last"));
        QCOMPARE(list.GetItemIndent(4), 4);
        QCOMPARE(list.GetItemImage(4), 0);
        QCOMPARE(list.GetItemStateImage(4), 1);
        QCOMPARE(list.GetItemText(4, Amount), QString());
        list.SetItemText(4, Amount, QStringLiteral("5,00"));
        list.SetItemData(4, 77);
        list.SortByColumn(Code);
        const int nLast = int(Column(list, Code).indexOf(QStringLiteral("last")));
        QCOMPARE(list.GetItemData(nLast), qint64(77));
        QCOMPARE(list.GetItemText(nLast, Amount), QStringLiteral("5,00"));
        QCOMPARE(list.GetItemText(-1, 0), QString());
        QVERIFY(!list.DeleteItem(list.GetItemCount()));
    }

    void selectionFollowsItsRowsThroughBatchesAndSorts()
    {
        CEditList list;
        SetUp(list, 10);
        QSignalSpy changed(&list, &CEditList::SelectionChanged);
        list.SelectAndFocus(4);
        QCOMPARE(changed.count(), 1);
        list.SelectItem(6);
        QCOMPARE(list.GetSelectedRows(), QList<int>{6}); // one row at most by default

        list.SetRedraw(false);
        list.SetRedraw(false);
        for (int i = 0; i < 100; ++i)
            list.InsertItem(0, QStringLiteral("new"));
        list.SelectItem(1);
        list.SetRedraw(true);
        QCOMPARE(changed.count(), 2); // nested: nothing announced yet
        list.SetRedraw(true);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(list.GetFirstSelected(), 1);

        list.SetMultipleSelection(true);
        list.SelectItem(106);
        QCOMPARE(list.GetSelectedRows(), (QList<int>{1, 106}));
        list.SortByColumn(Code);
        list.SortByColumn(Code); // descending: R9 ... R0, then the new rows
        QCOMPARE(list.GetSelectedRows(), (QList<int>{3, 11}));
        QCOMPARE(list.GetItemText(3, Code), QStringLiteral("R6"));
        list.DeselectAll();
        QCOMPARE(list.GetFirstSelected(), -1);
    }

    void ensureVisibleReachesRowsAddedWithRedrawOff()
    {
        Shown shown(0);
        CEditList& list = *shown.list;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
        list.SetRedraw(false);
        for (int i = 0; i < 2000; ++i)
            list.InsertItem(i, QStringLiteral("R%1").arg(i));
        list.EnsureVisible(1990);
        list.SetRedraw(true);
        QVERIFY(list.GetTopIndex() <= 1990);
        QVERIFY(1990 < list.GetTopIndex() + list.GetCountPerPage());
    }

    void noEditorOnHiddenNarrowOrReadOnlyCells()
    {
        CRecordingList list;
        Show(list, 3);
        QVERIFY(list.SortHeader()->isSectionHidden(Level));
        QVERIFY(!list.SortHeader()->isSectionHidden(HiddenEditable));

        list.BeginCellEdit(1, HiddenEditable);
        QVERIFY(!list.IsEditing());
        list.BeginCellEdit(1, 42);
        QVERIFY(!list.IsEditing());

        // The 6-pixel column takes no editor: Tab from the price passes it by.
        list.BeginCellEdit(1, Narrow);
        QVERIFY(!list.IsEditing());
        list.BeginCellEdit(1, Price);
        QVERIFY(TextEditor(list));
        QTest::keyClick(TextEditor(list), Qt::Key_Tab);
        QCOMPARE(list.m_nCol, Quantity);
        list.CancelCellEdit();

        // A double click on a read-only cell takes its text but opens nothing.
        DoubleClick(list.viewport(), CellCenter(list, 2, Amount));
        QVERIFY(!list.IsEditing());
        list.SetItemText(2, Amount, QStringLiteral("3,00"));
        DoubleClick(list.viewport(), CellCenter(list, 2, Amount));
        QCOMPARE(list.m_strCellText, QStringLiteral("3,00"));
        QVERIFY(!list.IsEditing());

        DoubleClick(list.viewport(), CellCenter(list, 2, Unit));
        QVERIFY(TextEditor(list));
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("m2"));
        QCOMPARE(TextEditor(list)->maxLength(), 8);
        QCOMPARE(list.GetFirstSelected(), 2);
        QCOMPARE(list.m_nRow, 2);
        QCOMPARE(list.m_nCol, Unit);

        list.SetEditEnabled(false);
        QVERIFY(!list.IsEditing());
        list.BeginCellEdit(0, Unit);
        QVERIFY(!list.IsEditing());
    }

    void editorCoversTheCellPastIndentMarkAndImage()
    {
        CEditList list;
        Show(list, 3);
        list.BeginCellEdit(2, Code); // indent 2
        const QRect cell = list.visualRect(list.model()->index(2, Code));
        const QRect editor = list.Editor()->geometry();
        QCOMPARE(editor.left(), cell.left() + 4 + (2 + 2) * 16);
        QCOMPARE(editor.top(), cell.top() - 2);
        QCOMPARE(editor.bottom(), cell.bottom() + 2);
        QVERIFY(editor.right() <= cell.right() + 1);

        list.BeginCellEdit(1, Quantity);
        const QRect quantity = list.visualRect(list.model()->index(1, Quantity));
        QCOMPARE(list.Editor()->geometry().left(), quantity.left() + 4);
        QCOMPARE(list.Editor()->geometry().width(), quantity.width() - 3);
        QCOMPARE(TextEditor(list)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void theEditorFollowsItsRowAndGoesWithIt()
    {
        CRecordingList list;
        Show(list, 6);
        list.BeginCellEdit(3, Unit);
        QTest::keyClicks(TextEditor(list), QStringLiteral("kg"));
        list.InsertItem(0, QStringLiteral("new"));
        list.DeleteItem(1);
        list.InsertItem(1, QStringLiteral("new"));
        QTRY_COMPARE(list.Editor()->geometry().top(), list.visualRect(list.model()->index(4, Unit)).top() - 2);
        QTest::keyClick(TextEditor(list), Qt::Key_Return);
        QCOMPARE(list.GetItemText(4, Unit), QStringLiteral("kg"));
        QCOMPARE(list.GetItemText(3, Unit), QStringLiteral("m2"));

        // Deleting the edited row takes the editor away and changes nothing.
        list.m_calls.clear();
        list.DeleteItem(4);
        QVERIFY(!list.IsEditing());
        QCOMPARE(list.GetItemCount(), 6);
        QVERIFY(list.m_calls.filter(QStringLiteral("changed")).isEmpty());
        list.BeginCellEdit(2, Unit);
        list.DeleteAllItems();
        QVERIFY(!list.IsEditing());
    }

    void tabAndShiftTabWalkTheCellsEachRowLetsEdit()
    {
        CRecordingList list;
        SetUp(list, 3);
        // Row 1 is like a chapter: no unit and no price to edit.
        list.m_lockedCells = {QStringLiteral("1,2"), QStringLiteral("1,3")};
        list.resize(800, 300);
        list.show();

        list.BeginCellEdit(0, Unit);
        QTest::keyClicks(TextEditor(list), QStringLiteral("ml"));
        QTest::keyClick(TextEditor(list), Qt::Key_Tab);
        QCOMPARE(list.m_calls, (QStringList{QStringLiteral("validate 0 2"), QStringLiteral("changed 0 2 ml")}));
        QCOMPARE(list.m_nCol, Price);
        QTest::keyClick(TextEditor(list), Qt::Key_Tab); // past the 6-pixel column
        QCOMPARE(list.m_nCol, Quantity);
        QTest::keyClick(TextEditor(list), Qt::Key_Tab);
        QVERIFY(qobject_cast<CInPlaceDate*>(list.Editor()));
        // The date editor stays in its row, and the hidden editable column takes no editor.
        QTest::keyClick(list.Editor(), Qt::Key_Tab);
        QVERIFY(!list.IsEditing());

        // From the last cell of a row Tab goes on in the next row, past the
        // cells that row does not let the user edit.
        list.BeginCellEdit(0, Date);
        QTest::keyClick(list.Editor(), Qt::Key_Backtab);
        QCOMPARE(list.m_nCol, Quantity);
        list.Column(Date).nEditable = 0;
        QTest::keyClick(TextEditor(list), Qt::Key_Tab);
        QCOMPARE(list.m_nRow, 1);
        QCOMPARE(list.m_nCol, Code);
        QTest::keyClick(TextEditor(list), Qt::Key_Tab);
        QCOMPARE(list.m_nRow, 1);
        QCOMPARE(list.m_nCol, Quantity);
        // On the last row Tab commits and leaves the editor closed.
        list.BeginCellEdit(2, Quantity);
        list.m_calls.clear();
        QTest::keyClick(TextEditor(list), Qt::Key_Tab);
        QVERIFY(!list.IsEditing());
        QCOMPARE(list.m_calls.size(), 2);

        // Shift+Tab walks back the same cells, the first column included,
        // then to the row above's last; on the first row, to its own last.
        list.BeginCellEdit(1, Quantity);
        QTest::keyClick(TextEditor(list), Qt::Key_Backtab);
        QCOMPARE(list.m_nRow, 1);
        QCOMPARE(list.m_nCol, Code);
        QTest::keyClick(TextEditor(list), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(list.m_nRow, 0);
        QCOMPARE(list.m_nCol, Quantity);
        list.BeginCellEdit(0, Code);
        QTest::keyClick(TextEditor(list), Qt::Key_Backtab);
        QCOMPARE(list.m_nRow, 0);
        QCOMPARE(list.m_nCol, Quantity);
    }

    void escapeAndLosingTheFocusRestoreTheCell()
    {
        Shown shown(40);
        CRecordingList& list = *shown.list;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));

        list.BeginCellEdit(1, Unit);
        QVERIFY(TextEditor(list)->hasFocus());
        QTest::keyClicks(TextEditor(list), QStringLiteral("kg"));
        QTest::keyClick(TextEditor(list), Qt::Key_Escape);
        QVERIFY(!list.IsEditing());
        QCOMPARE(list.GetItemText(1, Unit), QStringLiteral("m2"));
        QVERIFY(list.hasFocus());

        list.BeginCellEdit(1, Unit);
        QTest::keyClicks(TextEditor(list), QStringLiteral("kg"));
        shown.other->setFocus();
        QVERIFY(!list.IsEditing());
        QCOMPARE(list.GetItemText(1, Unit), QStringLiteral("m2"));

        // Clicking another row drops the typed text as well.
        list.BeginCellEdit(1, Unit);
        QTest::keyClicks(TextEditor(list), QStringLiteral("kg"));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CellCenter(list, 2, Price));
        QVERIFY(!list.IsEditing());
        QCOMPARE(list.GetItemText(1, Unit), QStringLiteral("m2"));
        QVERIFY(list.m_calls.filter(QStringLiteral("changed")).isEmpty());

        // Scrolling the list closes the editor too.
        list.BeginCellEdit(1, Unit);
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->value() + 3);
        QVERIFY(!list.IsEditing());
    }

    void enterCommitsAndReopensRefusalKeepsTheEditor()
    {
        Shown shown(3);
        CRecordingList& list = *shown.list;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));

        list.BeginCellEdit(0, Price);
        QTest::keyClicks(TextEditor(list), QStringLiteral("12"));
        QTest::keyClick(TextEditor(list), Qt::Key_Return);
        QCOMPARE(list.m_calls, (QStringList{QStringLiteral("validate 0 3"), QStringLiteral("changed 0 3 12")}));
        QVERIFY(TextEditor(list));
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("12"));
        QCOMPARE(list.m_strCellText, QStringLiteral("12"));
        // The committed text is what a later Escape goes back to.
        QTest::keyClicks(TextEditor(list), QStringLiteral("99"));
        QTest::keyClick(TextEditor(list), Qt::Key_Escape);
        QCOMPARE(list.GetItemText(0, Price), QStringLiteral("12"));

        // A refused text stays in the editor only: the cell keeps the last
        // accepted text, which Escape or a click elsewhere leaves in place.
        list.m_calls.clear();
        list.m_bRefuse = true;
        list.BeginCellEdit(0, Price);
        QTest::keyClicks(TextEditor(list), QStringLiteral("7"));
        QTest::keyClick(TextEditor(list), Qt::Key_Return);
        QCOMPARE(list.m_calls, (QStringList{QStringLiteral("validate 0 3"), QStringLiteral("refused 0 3")}));
        QVERIFY(TextEditor(list));
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("7"));
        QCOMPARE(list.GetItemText(0, Price), QStringLiteral("12"));
        QTest::keyClick(TextEditor(list), Qt::Key_Tab);
        QVERIFY(TextEditor(list));
        QTest::keyClick(TextEditor(list), Qt::Key_Escape);
        QCOMPARE(list.GetItemText(0, Price), QStringLiteral("12"));
    }

    void numberCellsTakeDigitsAndOneComma()
    {
        CEditList list;
        Show(list, 2);
        list.BeginCellEdit(0, Price);
        QLineEdit* editor = TextEditor(list);
        QTest::keyClicks(editor, QStringLiteral("1.5"));
        QCOMPARE(editor->text(), QStringLiteral("1,5"));
        QTest::keyClicks(editor, QStringLiteral(",.x-2"));
        QCOMPARE(editor->text(), QStringLiteral("1,52"));
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->text(), QStringLiteral("1,5"));
        // The comma being typed over does not count against the new one.
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral(",25"));
        QCOMPARE(editor->text(), QStringLiteral(",25"));

        // Text that comes in other ways than typed keys: what an input
        // method composes, and what a paste inserts (the selection pasted
        // with the middle button arrives so).
        editor->clear();
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("7xy"));
        QApplication::sendEvent(editor, &composed);
        QCOMPARE(editor->text(), QStringLiteral("7"));
        editor->clear();
        editor->insert(QStringLiteral("1.234,5 €"));
        QCOMPARE(editor->text(), QStringLiteral("1234,5"));
        editor->clear();
        editor->insert(QStringLiteral("2.5"));
        QCOMPARE(editor->text(), QStringLiteral("2,5"));
        // A stored negative number keeps its sign.
        list.SetItemText(1, Quantity, QStringLiteral("-3,5"));
        list.BeginCellEdit(1, Quantity);
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("-3,5"));

        // Text cells take anything, and so does every cell of a formula row.
        list.BeginCellEdit(0, Unit);
        QTest::keyClicks(TextEditor(list), QStringLiteral("a.b"));
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("a.b"));
        list.SetItemText(1, 12, QStringLiteral("3"));
        list.BeginCellEdit(1, Price);
        QTest::keyClicks(TextEditor(list), QStringLiteral("a*b.c"));
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("a*b.c"));
    }

    void theEditorWidensUpToTheListsEdge()
    {
        CEditList list;
        Show(list, 2, QSize(500, 300));
        list.Column(Unit).nLimit = 0;
        list.BeginCellEdit(0, Unit);
        QLineEdit* editor = TextEditor(list);
        const int nStart = editor->width();
        QTest::keyClicks(editor, QStringLiteral("unidad de obra"));
        QVERIFY(editor->width() > nStart);
        QTest::keyClicks(editor, QString(80, u'x'));
        QCOMPARE(editor->geometry().right(), list.viewport()->width() - 1);
    }

    void arrowsAndPagesMoveTheEditor()
    {
        CRecordingList list;
        Show(list, 40, QSize(600, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        list.BeginCellEdit(0, Unit);
        QTest::keyClick(TextEditor(list), Qt::Key_Up); // row 0: commits, opens nothing
        QVERIFY(!list.IsEditing());
        QVERIFY(list.m_calls.contains(QStringLiteral("changed 0 2 m2")));

        list.BeginCellEdit(3, Unit);
        QTest::keyClicks(TextEditor(list), QStringLiteral("ud"));
        QTest::keyClick(TextEditor(list), Qt::Key_Down);
        QCOMPARE(list.GetItemText(3, Unit), QStringLiteral("ud"));
        QCOMPARE(list.m_nRow, 4);
        QTest::keyClick(TextEditor(list), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(list.m_nRow, 39);
        QVERIFY(list.GetTopIndex() + list.GetCountPerPage() > 39);
        QTest::keyClick(TextEditor(list), Qt::Key_Down); // last row
        QVERIFY(!list.IsEditing());
        list.BeginCellEdit(20, Unit);
        QTest::keyClick(TextEditor(list), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(list.m_nRow, 0);

        // Page Down drops the typed text and opens a page lower.
        const int nPage = list.GetCountPerPage();
        list.BeginCellEdit(2, Unit);
        QTest::keyClicks(TextEditor(list), QStringLiteral("kg"));
        QTest::keyClick(TextEditor(list), Qt::Key_PageDown);
        QCOMPARE(list.GetItemText(2, Unit), QStringLiteral("m2"));
        QCOMPARE(list.m_nRow, 2 + nPage);
        QVERIFY(list.IsEditing());
        QTest::keyClick(TextEditor(list), Qt::Key_PageUp);
        QTest::keyClick(TextEditor(list), Qt::Key_PageUp);
        QCOMPARE(list.m_nRow, 0);
        list.BeginCellEdit(38, Unit);
        QTest::keyClick(TextEditor(list), Qt::Key_PageDown);
        QCOMPARE(list.m_nRow, 39);
    }

    void dateEditorShowsBlanksDeletesAndInserts()
    {
        CRecordingList list;
        Show(list, 3);
        list.SetItemText(1, Date, QStringLiteral(" "));

        list.BeginCellEdit(0, Date);
        auto* date = qobject_cast<CInPlaceDate*>(list.Editor());
        QVERIFY(date);
        QCOMPARE(date->text(), QStringLiteral("01/02/2024"));
        QTest::keyClick(date, Qt::Key_Delete);
        QVERIFY(date->IsEmpty());
        QCOMPARE(date->text(), QStringLiteral(" "));
        QTest::keyClick(date, Qt::Key_Return);
        QCOMPARE(list.GetItemText(0, Date), QStringLiteral(" "));
        QVERIFY(list.m_calls.contains(QStringLiteral("changed 0 6  ")));
        QVERIFY(!list.m_calls.contains(QStringLiteral("validate 0 6")));

        // Reopened on the blank cell: Insert brings today.
        date = qobject_cast<CInPlaceDate*>(list.Editor());
        QVERIFY(date && date->IsEmpty());
        QTest::keyClick(date, Qt::Key_Insert);
        QCOMPARE(date->text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));

        // Escape leaves the cell alone; Down puts the text in and moves on.
        QTest::keyClick(date, Qt::Key_Escape);
        QCOMPARE(list.GetItemText(0, Date), QStringLiteral(" "));
        list.BeginCellEdit(1, Date);
        date = qobject_cast<CInPlaceDate*>(list.Editor());
        QVERIFY(date->IsEmpty());
        QTest::keyClick(date, Qt::Key_Insert);
        QTest::keyClick(date, Qt::Key_Down);
        QCOMPARE(list.GetItemText(1, Date), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(list.m_nRow, 2);
    }

    void numberDateAndTextSorts()
    {
        CEditList list;
        SetUp(list, 0);
        const QStringList prices{QStringLiteral("10"), QString(), QStringLiteral("2,5"), QStringLiteral("1.000"),
                                 QStringLiteral("0"), QStringLiteral("0,75")};
        const QStringList dates{QStringLiteral("15/03/2024"), QString(), QStringLiteral("01/01/2024 10:30"),
                                QStringLiteral(" "), QStringLiteral("01/01/2024"), QStringLiteral("31/12/1999")};
        const QStringList codes{QStringLiteral("zeta"), QStringLiteral("Ábaco"), QString(), QStringLiteral("abeto"),
                                QStringLiteral("Zapata"), QStringLiteral("árbol")};
        for (int i = 0; i < prices.size(); ++i) {
            list.InsertItem(i, codes[i]);
            list.SetItemText(i, Price, prices[i]);
            list.SetItemText(i, Date, dates[i]);
        }

        list.SortByColumn(Price);
        QCOMPARE(Column(list, Price), (QStringList{QString(), QStringLiteral("0"), QStringLiteral("0,75"), QStringLiteral("2,5"),
                                                   QStringLiteral("10"), QStringLiteral("1.000")}));
        QCOMPARE(list.SortHeader()->SortColumn(), int(Price));
        QVERIFY(list.SortHeader()->IsSortAscending());
        list.SortByColumn(Price);
        QCOMPARE(Column(list, Price).constFirst(), QStringLiteral("1.000"));
        QVERIFY(!list.SortHeader()->IsSortAscending());

        list.SortByColumn(Date);
        QVERIFY(list.IsSortAscending());
        const QStringList ascending = Column(list, Date);
        QCOMPARE(ascending.mid(2), (QStringList{QStringLiteral("31/12/1999"), QStringLiteral("01/01/2024"),
                                                QStringLiteral("01/01/2024 10:30"), QStringLiteral("15/03/2024")}));
        QVERIFY(ascending[0].trimmed().isEmpty() && ascending[1].trimmed().isEmpty());

        list.SortByColumn(Code);
        QCOMPARE(Column(list, Code), (QStringList{QString(), QStringLiteral("Ábaco"), QStringLiteral("abeto"),
                                                  QStringLiteral("árbol"), QStringLiteral("Zapata"), QStringLiteral("zeta")}));

        // A header click sorts only while sorting is on.
        list.resize(800, 300);
        list.show();
        const QPoint header(list.SortHeader()->sectionViewportPosition(Price) + 20, 5);
        QTest::mouseClick(list.SortHeader()->viewport(), Qt::LeftButton, {}, header);
        QCOMPARE(list.SortColumn(), int(Price));
        list.SetSortEnabled(false);
        QTest::mouseClick(list.SortHeader()->viewport(), Qt::LeftButton, {}, header);
        QVERIFY(list.IsSortAscending());
    }

    void aHiddenColumnCannotBeWidened()
    {
        CEditList list;
        Show(list, 2);
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QHeaderView* header = list.SortHeader();
        // Level (hidden, read-only) lies between Code and Unit: the divider
        // there belongs to Code, whichever side of it is grabbed.
        for (int dx : {-1, 1}) {
            const int x = header->sectionViewportPosition(Unit);
            QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(x + dx, 5));
            Mouse(header->viewport(), QEvent::MouseMove, QPoint(x + dx + 60, 5), Qt::LeftButton);
            QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(x + dx + 60, 5));
            QCOMPARE(header->sectionSize(Level), 0);
        }
        QVERIFY(header->sectionSize(Code) > 140);
        DoubleClick(header->viewport(), QPoint(header->sectionViewportPosition(Unit) + 1, 5));
        QCOMPARE(header->sectionSize(Level), 0);
    }

    void clicksReportTheStateMark()
    {
        CRecordingList list;
        Show(list, 3);
        const QRect cell = list.visualRect(list.model()->index(1, Code)); // indent 1
        const int y = cell.center().y();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 16 + 8, y));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 8, y));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 3 * 16 + 20, y));
        QCOMPARE(list.m_calls, (QStringList{QStringLiteral("click 1 0 1"), QStringLiteral("click 1 0 0"),
                                            QStringLiteral("click 1 0 0")}));
        list.m_calls.clear();
        DoubleClick(list.viewport(), CellCenter(list, 2, Amount));
        QCOMPARE(list.m_calls, QStringList{QStringLiteral("click 2 8 0")});

        // A right click reaches the subclass with its cell, or with -1 off the rows.
        list.m_calls.clear();
        list.BeginCellEdit(0, Unit);
        for (const QPoint& pt : {CellCenter(list, 1, Price), QPoint(20, list.viewport()->height() - 5)}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, pt, list.viewport()->mapToGlobal(pt));
            QApplication::sendEvent(list.viewport(), &event);
        }
        QVERIFY(!list.IsEditing());
        QCOMPARE(list.m_calls, (QStringList{QStringLiteral("menu 1 3"), QStringLiteral("menu -1 -1")}));
    }

    void listKeysCallInsertDeleteAndClick()
    {
        CRecordingList list;
        SetUp(list, 4);
        list.show();
        QTest::keyClick(&list, Qt::Key_Insert);
        QCOMPARE(list.m_calls.takeLast(), QStringLiteral("insert -1 0"));
        QTest::keyClick(&list, Qt::Key_Delete); // nothing selected
        QCOMPARE(list.GetItemCount(), 4);

        list.SelectAndFocus(1);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.m_calls.takeLast(), QStringLiteral("click 2 0 0"));
        QTest::keyClick(&list, Qt::Key_Insert);
        QCOMPARE(list.m_calls.takeLast(), QStringLiteral("insert 2 0"));

        // The default deletion keeps the selection at the same index, or on
        // the new last row.
        list.SelectAndFocus(3);
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(list.GetItemCount(), 3);
        QCOMPARE(list.GetFirstSelected(), 2);
        list.SelectAndFocus(0);
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(list.GetItemText(0, Code), QStringLiteral("R1"));
        QCOMPARE(list.GetFirstSelected(), 0);
    }

    void aHeldKeyActsOnceWhenLetGo()
    {
        Shown shown(8);
        CRecordingList& list = *shown.list;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        list.SelectAndFocus(2);
        list.setFocus();
        QWidget* view = QApplication::focusWidget();
        QVERIFY(view && list.isAncestorOf(view));

        // Delete held a moment: the presses repeat, one row goes, on release.
        Key(view, QEvent::KeyPress, Qt::Key_Delete);
        QCOMPARE(list.GetItemCount(), 8);
        for (int i = 0; i < 3; ++i) {
            Key(view, QEvent::KeyRelease, Qt::Key_Delete, true);
            Key(view, QEvent::KeyPress, Qt::Key_Delete, true);
        }
        QCOMPARE(list.GetItemCount(), 8);
        Key(view, QEvent::KeyRelease, Qt::Key_Delete);
        QCOMPARE(list.GetItemCount(), 7);

        Key(view, QEvent::KeyPress, Qt::Key_Insert);
        for (int i = 0; i < 4; ++i) {
            Key(view, QEvent::KeyRelease, Qt::Key_Insert, true);
            Key(view, QEvent::KeyPress, Qt::Key_Insert, true);
        }
        Key(view, QEvent::KeyRelease, Qt::Key_Insert);
        QCOMPARE(list.m_calls.filter(QStringLiteral("insert")), QStringList{QStringLiteral("insert 2 0")});

        // Delete in an open editor deletes a character, never the row.
        list.BeginCellEdit(1, Unit);
        TextEditor(list)->setCursorPosition(0);
        QTest::keyClick(TextEditor(list), Qt::Key_Delete);
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("2"));
        QCOMPARE(list.GetItemCount(), 7);
        // A release whose press the list never saw does nothing either.
        Key(view, QEvent::KeyRelease, Qt::Key_Delete);
        QCOMPARE(list.GetItemCount(), 7);
    }

    void f2EnterAndTypingEditTheCurrentCell()
    {
        Shown shown(5);
        CRecordingList& list = *shown.list;
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        list.SelectAndFocus(2);
        list.setFocus();
        QWidget* view = QApplication::focusWidget();

        // No cell chosen yet: the first one the row lets the user edit.
        QTest::keyClick(view, Qt::Key_F2);
        QVERIFY(TextEditor(list));
        QCOMPARE(list.m_nRow, 2);
        QCOMPARE(list.m_nCol, Code);
        QTest::keyClick(TextEditor(list), Qt::Key_Escape);
        QVERIFY(list.hasFocus() || list.isAncestorOf(QApplication::focusWidget()));

        // A clicked cell is the current one; Enter edits it.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CellCenter(list, 3, Price));
        QCOMPARE(list.CurrentColumn(), int(Price));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(list.m_nRow, 3);
        QCOMPARE(list.m_nCol, Price);
        QTest::keyClick(TextEditor(list), Qt::Key_Escape);

        // Typing starts editing with what is typed, through the cell's filter.
        QTest::keyClick(view, Qt::Key_7);
        QVERIFY(TextEditor(list));
        QCOMPARE(TextEditor(list)->text(), QStringLiteral("7"));
        QTest::keyClicks(TextEditor(list), QStringLiteral(".5x"));
        QTest::keyClick(TextEditor(list), Qt::Key_Return);
        QCOMPARE(list.GetItemText(3, Price), QStringLiteral("7,5"));
        QTest::keyClick(TextEditor(list), Qt::Key_Escape);

        // Left and Right move the current cell over the shown columns; on a
        // cell nobody edits, F2 takes the nearest one the row lets edit.
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(list.CurrentColumn(), int(Unit));
        list.m_lockedCells = {QStringLiteral("3,2")};
        QTest::keyClick(view, Qt::Key_F2);
        QCOMPARE(list.m_nCol, Price);
        QTest::keyClick(TextEditor(list), Qt::Key_Escape);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(list.CurrentColumn(), int(Amount));
        QTest::keyClick(view, Qt::Key_F2);
        QCOMPARE(list.m_nCol, Date);
        QTest::keyClick(list.Editor(), Qt::Key_Escape);

        // With editing off the keys do nothing of the kind.
        list.SetEditEnabled(false);
        QTest::keyClick(view, Qt::Key_F2);
        QTest::keyClick(view, Qt::Key_A);
        QVERIFY(!list.IsEditing());
    }

    void dragMovesRowsButNeverTheFirst()
    {
        CRecordingList list;
        Show(list, 6, QSize(800, 400));
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QWidget* viewport = list.viewport();
        auto drag = [&](int nFrom, const QPoint& to) {
            const QPoint from = CellCenter(list, nFrom, Unit);
            QTest::mousePress(viewport, Qt::LeftButton, {}, from);
            Mouse(viewport, QEvent::MouseMove, from + QPoint(0, 12), Qt::LeftButton);
            Mouse(viewport, QEvent::MouseMove, to, Qt::LeftButton);
            Mouse(viewport, QEvent::MouseButtonRelease, to, Qt::NoButton);
        };

        drag(0, CellCenter(list, 3, Price));
        QVERIFY(list.m_calls.filter(QStringLiteral("move")).isEmpty());
        QVERIFY(!list.IsDragging());

        list.m_calls.clear();
        drag(2, CellCenter(list, 4, Price));
        QCOMPARE(list.m_calls, QStringList{QStringLiteral("move 2 4")}); // no click on release

        list.m_calls.clear();
        drag(1, QPoint(300, list.visualRect(list.model()->index(5, 0)).bottom() + 40));
        QCOMPARE(list.m_calls, QStringList{QStringLiteral("move 1 5")});

        // Escape gives the drag up.
        list.m_calls.clear();
        const QPoint from = CellCenter(list, 3, Unit);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        Mouse(viewport, QEvent::MouseMove, from + QPoint(0, 30), Qt::LeftButton);
        QVERIFY(list.IsDragging());
        QTest::keyClick(&list, Qt::Key_Escape);
        Mouse(viewport, QEvent::MouseButtonRelease, from, Qt::NoButton);
        QVERIFY(list.m_calls.isEmpty());
    }

    void dragScrollsNearTheEdges()
    {
        CRecordingList list;
        Show(list, 200, QSize(600, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.EnsureVisible(100);
        const int nTop = list.GetTopIndex();
        QVERIFY(nTop > 50);
        QWidget* viewport = list.viewport();
        const QPoint from = CellCenter(list, nTop + 2, Unit);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        Mouse(viewport, QEvent::MouseMove, from + QPoint(0, 10), Qt::LeftButton);
        Mouse(viewport, QEvent::MouseMove, QPoint(from.x(), -5), Qt::LeftButton);
        // Each tick scrolls one row up and takes the target one row up with it.
        QTRY_VERIFY_WITH_TIMEOUT(list.DropTarget() < nTop - 2, 3000);
        QVERIFY(list.GetTopIndex() < nTop - 2);
        QVERIFY(list.GetTopIndex() <= list.DropTarget());
        Mouse(viewport, QEvent::MouseMove, from, Qt::LeftButton); // back inside: scrolling stops
        const int nStopped = list.GetTopIndex();
        QTest::qWait(350);
        QCOMPARE(list.GetTopIndex(), nStopped);
        Mouse(viewport, QEvent::MouseButtonRelease, from, Qt::NoButton);
        QCOMPARE(list.m_calls.filter(QStringLiteral("move")).size(), 1);
    }

    void cellsAreDrawnInTheirOwnColours()
    {
        CRecordingList list;
        Show(list, 3);
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage image = list.viewport()->grab().toImage();
        const QRect orange = list.visualRect(list.model()->index(1, Price));
        const QRect white = list.visualRect(list.model()->index(1, Quantity));
        QCOMPARE(image.pixelColor(orange.left() + 3, orange.top() + 2), QColor(255, 196, 136));
        QCOMPARE(image.pixelColor(white.left() + 3, white.top() + 2), QColor(Qt::white));

        list.SelectAndFocus(1);
        const QImage selected = list.viewport()->grab().toImage();
        QVERIFY(selected.pixelColor(orange.left() + 3, orange.top() + 2) != QColor(255, 196, 136));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestEditList>(argc, argv);
}

#include "test_editlist.moc"
