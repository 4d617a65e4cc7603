#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class CDatabase;
class CRtfEdit;
class CRtfFormatBar;
class QAction;

// "Presupuesto en formato RTF": the open budget written as a report into a
// rich-text editor when the window opens; from then on the text is the
// user's, to format with the toolbar, edit and save as an RTF file. Closing
// the window discards what was not saved.
class CRtfReportDlg : public QDialog
{
    Q_OBJECT

public:
    enum CommandId : int { ID_FILE_SAVE = 57603, ID_EDIT_COPY = 57634, ID_EDIT_CUT = 57635, ID_EDIT_PASTE = 57637,
                           ID_EDIT_UNDO = 57643 };

    // Reads the budget through the store with sets of its own; the report's
    // labels are in the user's language.
    CRtfReportDlg(CDatabase& db, const QString& strBudget, QWidget* parent = nullptr);

    CRtfEdit* Editor() const { return m_pEdit; }
    CRtfFormatBar* FormatBar() const { return m_pFormatBar; }
    QAction* Action(int nID) const;

    // Asks for a file and writes the whole document there as RTF, adding
    // ".rtf" to a name without it; false when nothing was written.
    bool SaveRtf();

    // The save dialog: an empty path when the user cancels.
    std::function<QString(QWidget* parent)> m_chooseSavePath;

private:
    QAction* AddEditCommand(int nID, int nIcon, const QString& strTip);
    void WriteReport();

    CDatabase& m_db;
    QString m_strCodigo;
    CRtfEdit* m_pEdit;
    CRtfFormatBar* m_pFormatBar;
};
