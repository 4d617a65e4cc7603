#include "support/TestMain.h"

#include "core/CLanguage.h"
#include "grid/CEditList.h"
#include "store/CDBException.h"
#include "ui/CMessageBox.h"

#include <QKeyEvent>
#include <QVBoxLayout>

// The list keeps its view to itself: nothing selects, sorts or replaces the
// model past the list's own operations.
template <class List>
concept ReachesTheView = requires(List& list) { list.selectAll(); } || requires(List& list) {
    list.sortByColumn(0, Qt::AscendingOrder);
} || requires(List& list) { list.setModel(nullptr); } || requires(List& list) { list.selectionModel(); };
static_assert(!ReachesTheView<CEditList>);

namespace {

class CClickList : public CEditList
{
public:
    using CEditList::CEditList;
    void OnItemClick(int nRow, int, int) override { m_clicks << nRow; }
    // The store fails under every insertion.
    void InsertLine(int, int) override { throw CDBException(QStringLiteral("disk I/O error")); }
    QList<int> m_clicks;
};

// The window around the list: the keys that come up to it.
class CKeyWindow : public QWidget
{
public:
    QList<int> m_keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { m_keys << event->key(); }
};

} // namespace

class TestEditListView : public QObject
{
    Q_OBJECT

private slots:
    // A key the list and its view leave alone reaches the window once, as
    // it would from any other widget; one they answer stops at the list.
    void unansweredKeysGoUpOnce()
    {
        CKeyWindow window;
        auto* list = new CClickList;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        list->SetColumnCount(1);
        list->Column(0) = {QStringLiteral("Código"), 0, ColumnInfo::Text, ColumnInfo::Left, 100, 0};
        list->ApplyColumns();
        for (int i = 0; i < 3; ++i)
            list->InsertItem(i, QStringLiteral("R%1").arg(i));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        list->SelectAndFocus(0);
        list->setFocus();
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && list->isAncestorOf(focus));

        // Up on the first row: a click on it, and the key goes on.
        QTest::keyClick(focus, Qt::Key_Up);
        QCOMPARE(list->m_clicks, QList<int>{0});
        QCOMPARE(window.m_keys, QList<int>{Qt::Key_Up});
        // Down moves: a click on the next row, nothing goes up.
        QTest::keyClick(focus, Qt::Key_Down);
        QCOMPARE(list->m_clicks, QList<int>({0, 1}));
        QCOMPARE(window.m_keys, QList<int>{Qt::Key_Up});
        QTest::keyClick(focus, Qt::Key_F5);
        QCOMPARE(window.m_keys, QList<int>({Qt::Key_Up, Qt::Key_F5}));
        // The same through the list itself.
        QTest::keyClick(list, Qt::Key_F6);
        QCOMPARE(window.m_keys, QList<int>({Qt::Key_Up, Qt::Key_F5, Qt::Key_F6}));
        QCOMPARE(list->m_clicks, QList<int>({0, 1}));
    }

    // A store error raised by an operation the list calls from its event
    // handlers stops there: the user reads it in their language.
    void storeErrorsStopAtTheHandlers()
    {
        QStringList messages;
        CMessageBox::SetResponder([&](const QString& text, QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::Ok;
        });
        CClickList list;
        QTest::keyClick(&list, Qt::Key_Insert);
        {
            const CLanguage catalan(QStringLiteral("1"));
            QTest::keyClick(&list, Qt::Key_Insert);
        }
        CMessageBox::ClearResponder();
        QCOMPARE(messages,
                 QStringList({"La operación no se ha podido completar por un error de la base de datos.\n\ndisk I/O error",
                              "L'operació no s'ha pogut completar per un error de la base de dades.\n\ndisk I/O error"}));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestEditListView>(argc, argv);
}

#include "test_editlistview.moc"
