#include "output/CRtfReportDlg.h"

#include "output/CBudgetReport.h"
#include "output/CRtfEdit.h"
#include "output/CRtfFormatBar.h"
#include "output/CRtfIcons.h"
#include "output/CRtfWriter.h"
#include "ui/CMessageBox.h"
#include "ui/CStoreErrors.h"
#include "ui/CWaitCursor.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// The window's size in dialog units, as wide and high as the font makes them.
constexpr int kWidthUnits = 544;
constexpr int kHeightUnits = 434;

} // namespace

CRtfReportDlg::CRtfReportDlg(CDatabase& db, const QString& strBudget, QWidget* parent)
    : QDialog(parent)
    , m_db(db)
    , m_strCodigo(strBudget)
    , m_pEdit(new CRtfEdit(this))
    , m_pFormatBar(new CRtfFormatBar(*m_pEdit, this))
{
    setWindowTitle(tr("Presupuesto en formato RTF"));
    setSizeGripEnabled(true);
    m_pEdit->setObjectName(QStringLiteral("editor"));
    m_chooseSavePath = [](QWidget* owner) {
        // The dialog adds ".rtf" to a name typed without it before it asks
        // about overwriting, so that the question is about the real file.
        QFileDialog dialog(owner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(tr("Ficheros RTF (*.rtf)"));
        dialog.setDefaultSuffix(QStringLiteral("rtf"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    QAction* first = m_pFormatBar->actions().value(0);
    const auto insert = [&](QAction* action) { m_pFormatBar->insertAction(first, action); };
    insert(AddEditCommand(ID_FILE_SAVE, CRtfIcons::Save, tr("Guardar")));
    m_pFormatBar->insertSeparator(first);
    insert(AddEditCommand(ID_EDIT_CUT, CRtfIcons::Cut, tr("Cortar")));
    insert(AddEditCommand(ID_EDIT_COPY, CRtfIcons::Copy, tr("Copiar")));
    insert(AddEditCommand(ID_EDIT_PASTE, CRtfIcons::Paste, tr("Pegar")));
    insert(AddEditCommand(ID_EDIT_UNDO, CRtfIcons::Undo, tr("Deshacer")));
    m_pFormatBar->insertSeparator(first);
    Action(ID_FILE_SAVE)->setShortcut(QKeySequence::Save);
    Action(ID_FILE_SAVE)->setShortcutContext(Qt::WindowShortcut);
    connect(Action(ID_FILE_SAVE), &QAction::triggered, this, &CRtfReportDlg::SaveRtf);
    connect(Action(ID_EDIT_CUT), &QAction::triggered, m_pEdit, &QTextEdit::cut);
    connect(Action(ID_EDIT_COPY), &QAction::triggered, m_pEdit, &QTextEdit::copy);
    connect(Action(ID_EDIT_PASTE), &QAction::triggered, m_pEdit, &QTextEdit::paste);
    connect(Action(ID_EDIT_UNDO), &QAction::triggered, m_pEdit, &QTextEdit::undo);
    Action(ID_EDIT_CUT)->setEnabled(false);
    Action(ID_EDIT_COPY)->setEnabled(false);
    Action(ID_EDIT_UNDO)->setEnabled(false);
    connect(m_pEdit, &QTextEdit::copyAvailable, Action(ID_EDIT_CUT), &QAction::setEnabled);
    connect(m_pEdit, &QTextEdit::copyAvailable, Action(ID_EDIT_COPY), &QAction::setEnabled);
    connect(m_pEdit, &QTextEdit::undoAvailable, Action(ID_EDIT_UNDO), &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pFormatBar);
    layout->addWidget(m_pEdit, 1);
    const QFontMetrics metrics = fontMetrics();
    resize(kWidthUnits * metrics.averageCharWidth() / 4, kHeightUnits * metrics.height() / 8);

    // The editor's defaults: the report's font and tab stops, word wrap to the window.
    CBudgetReport::PrepareDocument(*m_pEdit->document());
    m_pEdit->setCurrentFont(CBudgetReport::ReportFont());
    m_pEdit->setLineWrapMode(QTextEdit::WidgetWidth);
    m_pFormatBar->UpdateFromCaret();
    WriteReport();
}

QAction* CRtfReportDlg::AddEditCommand(int nID, int nIcon, const QString& strTip)
{
    auto* action = new QAction(CRtfIcons::Icon(CRtfIcons::Kind(nIcon)), strTip, this);
    action->setData(nID);
    addAction(action);
    return action;
}

QAction* CRtfReportDlg::Action(int nID) const
{
    for (QAction* action : actions()) {
        if (action->data().toInt() == nID)
            return action;
    }
    return m_pFormatBar->Action(nID);
}

void CRtfReportDlg::WriteReport()
{
    CWaitCursor wait;
    QTextDocument* document = m_pEdit->document();
    // The report is where the user's editing starts, not a step to undo.
    document->setUndoRedoEnabled(false);
    // What was written before a store error stays, for the user to edit.
    CStoreErrors::Catch(this, [&] { CBudgetReport(*document).WriteReport(m_db, m_strCodigo); });
    document->setUndoRedoEnabled(true);
    // The user starts reading at the title.
    m_pEdit->moveCursor(QTextCursor::Start);
}

bool CRtfReportDlg::SaveRtf()
{
    QString path = m_chooseSavePath(this);
    m_pEdit->setFocus();
    if (path.isEmpty())
        return false;
    path = CRtfWriter::WithExtension(path);
    QString error;
    CWaitCursor wait;
    if (CRtfWriter::Save(*m_pEdit->document(), path, CBudgetReport::ReportPage(), error))
        return true;
    CMessageBox::Show(this,
                      tr("No se ha podido guardar %1: %2").arg(QDir::toNativeSeparators(path), error),
                      QMessageBox::Ok, QMessageBox::Critical);
    return false;
}
