#include "support/TestMain.h"

#include "ExportFixture.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "budget/CVelmoraView.h"
#include "output/CExcelExportCommand.h"
#include "output/CRtfEdit.h"
#include "output/CRtfFormatBar.h"
#include "output/CRtfReportDlg.h"
#include "output/CRtfWriter.h"
#include "support/CTestApp.h"
#include "support/CTestStore.h"
#include "ui/CMessageBox.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTextBlock>
#include <QTextList>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Selects the first occurrence of the text in the editor.
void Select(QTextEdit& editor, const QString& strText)
{
    QTextCursor cursor = editor.document()->find(strText);
    QVERIFY(!cursor.isNull());
    editor.setTextCursor(cursor);
}

void PlaceCaret(QTextEdit& editor, const QString& strText)
{
    QTextCursor cursor = editor.document()->find(strText);
    cursor.setPosition(cursor.selectionStart() + 1);
    editor.setTextCursor(cursor);
}

int IndentTwips(const QTextEdit& editor)
{
    return qRound(editor.textCursor().blockFormat().leftMargin() * CRtfWriter::kTwipsPerPixel);
}

class Fixture
{
public:
    Fixture()
    {
        ExportFixture::AddSampleBudget(m_store.Db());
        CMessageBox::SetResponder([this](const QString& text, QMessageBox::StandardButtons) {
            m_messages << text;
            return QMessageBox::Ok;
        });
        m_pDialog = std::make_unique<CRtfReportDlg>(m_store.Db(), "OBRA");
        m_pDialog->show();
    }
    ~Fixture() { CMessageBox::ClearResponder(); }

    CRtfReportDlg& Dialog() { return *m_pDialog; }
    CRtfEdit& Editor() { return *m_pDialog->Editor(); }
    CRtfFormatBar& Bar() { return *m_pDialog->FormatBar(); }
    QStringList m_messages;

private:
    CTestStore m_store;
    std::unique_ptr<CRtfReportDlg> m_pDialog;
};

} // namespace

class TestRtfReportDlg : public QObject
{
    Q_OBJECT

private slots:
    void theWindowOpensWithTheReport()
    {
        Fixture f;
        QVERIFY(f.Editor().toPlainText().startsWith("PRESUPUESTO\n\n    Construcciones Pérez"));
        // Writing the report is not the user's first step to undo.
        QVERIFY(!f.Editor().document()->isUndoAvailable());
        QVERIFY(!f.Dialog().Action(CRtfReportDlg::ID_EDIT_UNDO)->isEnabled());
        // The caret starts on the title, and the toolbar shows its format.
        QVERIFY(f.Editor().textCursor().atStart());
        QCOMPARE(f.Bar().FontSizeBox()->currentText(), QStringLiteral("20"));
        QVERIFY(f.Dialog().width() > f.Dialog().height());
    }

    void theButtonsFollowTheCaret()
    {
        Fixture f;
        PlaceCaret(f.Editor(), "Derribos");
        QVERIFY(f.Bar().Action(CRtfFormatBar::ID_BOLD)->isChecked());
        QVERIFY(f.Bar().Action(CRtfFormatBar::ID_ALIGN_LEFT)->isChecked());
        PlaceCaret(f.Editor(), "Salón");
        QVERIFY(!f.Bar().Action(CRtfFormatBar::ID_BOLD)->isChecked());
        QVERIFY(f.Bar().Action(CRtfFormatBar::ID_ITALIC)->isChecked());
        PlaceCaret(f.Editor(), "RESUPUESTO");
        QVERIFY(f.Bar().Action(CRtfFormatBar::ID_ALIGN_CENTER)->isChecked());
        QCOMPARE(f.Bar().FontSizeBox()->currentText(), QStringLiteral("20"));
    }

    void characterFormatsOnTheSelection()
    {
        Fixture f;
        CRtfEdit& editor = f.Editor();
        Select(editor, "Calle Mayor");
        f.Bar().Action(CRtfFormatBar::ID_BOLD)->trigger();
        f.Bar().Action(CRtfFormatBar::ID_UNDERLINE)->trigger();
        QVERIFY(editor.textCursor().charFormat().font().bold());
        QVERIFY(editor.textCursor().charFormat().fontUnderline());
        QVERIFY(f.Bar().Action(CRtfFormatBar::ID_BOLD)->isChecked());
        f.Bar().Action(CRtfFormatBar::ID_BOLD)->trigger();
        QVERIFY(!editor.textCursor().charFormat().font().bold());

        f.Bar().m_chooseColor = [](QWidget*, const QColor&) { return QColor(0, 128, 0); };
        f.Bar().Action(CRtfFormatBar::ID_COLOR)->trigger();
        QCOMPARE(editor.textCursor().charFormat().foreground().color(), QColor(0, 128, 0));
        f.Bar().m_chooseColor = [](QWidget*, const QColor&) { return QColor(); };
        f.Bar().Action(CRtfFormatBar::ID_COLOR)->trigger();
        QCOMPARE(editor.textCursor().charFormat().foreground().color(), QColor(0, 128, 0));

        // A typed size; zero and text that is no number change nothing.
        QComboBox* size = f.Bar().FontSizeBox();
        for (const auto& [typed, points] : {std::pair{"0", 10.0}, {"grande", 10.0}, {"14", 14.0}}) {
            Select(editor, "Calle Mayor");
            size->lineEdit()->setText(typed);
            QTest::keyClick(size->lineEdit(), Qt::Key_Return);
            QCOMPARE(editor.textCursor().charFormat().font().pointSizeF(), points);
        }
        QCOMPARE(f.Bar().FontSizeBox()->currentText(), QStringLiteral("14"));

        Select(editor, "Calle Mayor");
        emit f.Bar().FontNameBox()->textActivated("Liberation Serif");
        QCOMPARE(editor.textCursor().charFormat().fontFamilies().toStringList(), QStringList{"Liberation Serif"});
        const QByteArray rtf = CRtfWriter::Write(*editor.document());
        QVERIFY(rtf.contains("Liberation Serif;}"));
        QVERIFY(rtf.contains("\\fs28\\ul\\cf1 Calle Mayor"));
    }

    void paragraphCommands()
    {
        Fixture f;
        CRtfEdit& editor = f.Editor();
        PlaceCaret(editor, "Calle Mayor");
        f.Bar().Action(CRtfFormatBar::ID_ALIGN_RIGHT)->trigger();
        QCOMPARE(editor.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QVERIFY(f.Bar().Action(CRtfFormatBar::ID_ALIGN_RIGHT)->isChecked());

        // Indents move by tab stops of 640 twips, up to the 32nd.
        f.Bar().Action(CRtfFormatBar::ID_INDENT_MORE)->trigger();
        f.Bar().Action(CRtfFormatBar::ID_INDENT_MORE)->trigger();
        QCOMPARE(IndentTwips(editor), 1280);
        f.Bar().Action(CRtfFormatBar::ID_INDENT_LESS)->trigger();
        QCOMPARE(IndentTwips(editor), 640);
        QTextBlockFormat between;
        between.setLeftMargin(1000.0 / CRtfWriter::kTwipsPerPixel);
        editor.textCursor().setBlockFormat(between);
        f.Bar().Action(CRtfFormatBar::ID_INDENT_LESS)->trigger();
        QCOMPARE(IndentTwips(editor), 640);
        f.Bar().Action(CRtfFormatBar::ID_INDENT_LESS)->trigger();
        f.Bar().Action(CRtfFormatBar::ID_INDENT_LESS)->trigger();
        QCOMPARE(IndentTwips(editor), 0);
        for (int i = 0; i < 40; ++i)
            f.Bar().Action(CRtfFormatBar::ID_INDENT_MORE)->trigger();
        QCOMPARE(IndentTwips(editor), 32 * 640);

        f.Bar().Action(CRtfFormatBar::ID_BULLET)->trigger();
        QVERIFY(editor.textCursor().currentList());
        QVERIFY(CRtfWriter::Write(*editor.document()).contains("\\pnlvlblt"));
        f.Bar().Action(CRtfFormatBar::ID_BULLET)->trigger();
        QVERIFY(!editor.textCursor().currentList());
        QCOMPARE(IndentTwips(editor), 0);
        QCOMPARE(editor.textCursor().blockFormat().indent(), 0);
    }

    void editCommandsAndPastedImages()
    {
        Fixture f;
        CRtfEdit& editor = f.Editor();
        QVERIFY(!f.Dialog().Action(CRtfReportDlg::ID_EDIT_COPY)->isEnabled());
        Select(editor, "Calle Mayor");
        QVERIFY(f.Dialog().Action(CRtfReportDlg::ID_EDIT_COPY)->isEnabled());
        f.Dialog().Action(CRtfReportDlg::ID_EDIT_CUT)->trigger();
        QVERIFY(!editor.toPlainText().contains("Calle Mayor"));
        QVERIFY(f.Dialog().Action(CRtfReportDlg::ID_EDIT_UNDO)->isEnabled());
        f.Dialog().Action(CRtfReportDlg::ID_EDIT_UNDO)->trigger();
        QVERIFY(editor.toPlainText().contains("Calle Mayor"));

        QImage image(1000, 500, QImage::Format_RGB32);
        image.fill(Qt::red);
        auto* data = new QMimeData;
        data->setImageData(image);
        QApplication::clipboard()->setMimeData(data);
        PlaceCaret(editor, "Salón");
        f.Dialog().Action(CRtfReportDlg::ID_EDIT_PASTE)->trigger();
        const QByteArray rtf = CRtfWriter::Write(*editor.document());
        QVERIFY(rtf.contains("{\\pict\\pngblip\\picw1000\\pich500\\picwgoal11175\\pichgoal5588"));
    }

    void savingAsRtf()
    {
        Fixture f;
        const QString folder = TestFolder("guardar");
        QString chosen = folder + "/informe";
        f.Dialog().m_chooseSavePath = [&](QWidget*) { return chosen; };
        QVERIFY(f.Dialog().SaveRtf());
        QVERIFY(QFile::exists(folder + "/informe.rtf"));
        chosen = folder + "/otro.rtf";
        f.Dialog().Action(CRtfReportDlg::ID_FILE_SAVE)->trigger();
        QVERIFY(QFile::exists(folder + "/otro.rtf"));
        QVERIFY(!QFile::exists(folder + "/otro.rtf.rtf"));

        chosen = QString();
        QVERIFY(!f.Dialog().SaveRtf());
        TestFile("guardar/fichero", {});
        chosen = folder + "/fichero/informe";
        QVERIFY(!f.Dialog().SaveRtf());
        QCOMPARE(f.m_messages.size(), 1);
        QVERIFY(f.m_messages[0].startsWith("No se ha podido guardar"));
    }

    void aStoreErrorIsToldAndTheEditorStaysUsable()
    {
        CTestStore store;
        ExportFixture::AddSampleBudget(store.Db());
        store.Db().ExecuteSQL("DROP TABLE MEDIDAS");
        QStringList messages;
        CMessageBox::SetResponder([&](const QString& text, QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::Ok;
        });
        CRtfReportDlg dialog(store.Db(), "OBRA");
        CMessageBox::ClearResponder();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("MEDIDAS"), qPrintable(messages[0]));
        QSignalSpy changes(dialog.Editor()->document(), &QTextDocument::contentsChanged);
        QTest::keyClicks(dialog.Editor(), "Nota");
        QVERIFY(!changes.isEmpty());
        QVERIFY(dialog.Editor()->toPlainText().contains("Nota"));
    }

    void theViewRunsTheExports()
    {
        CTestApp app;
        CMainFrame& frame = app.Frame();
        app.OpenBudget("B", {"0|B##|S", "1|C1#|S", "2|A|N|2|3"});
        frame.UpdateCommandUI();
        QVERIFY(frame.Action(ID_EXPORTAR_RTF)->isEnabled());
        QVERIFY(frame.Action(ID_EXPORTAR_EXCEL)->isEnabled());

        const QString folder = TestFolder("vista");
        QStringList opened;
        CExcelExportCommand::SetPathChooser([&](QWidget*) { return folder + "/hoja.xlsx"; });
        CExcelExportCommand::SetOpener([&](const QString& path) { opened << path; });
        frame.OnCommand(ID_EXPORTAR_EXCEL);
        CExcelExportCommand::SetPathChooser({});
        CExcelExportCommand::SetOpener({});
        QCOMPARE(opened, QStringList{folder + "/hoja.xlsx"});
        QCOMPARE(ExportFixture::ReadWorkbook(folder + "/hoja.xlsx").size(), 4);

        QString report;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CRtfReportDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            report = dialog->Editor()->toPlainText();
            dialog->reject();
        });
        frame.OnCommand(ID_EXPORTAR_RTF);
        QVERIFY(report.contains("    A "));
        QVERIFY(app.m_messages.isEmpty());
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestRtfReportDlg>(argc, argv);
}

#include "test_rtfreportdlg.moc"
