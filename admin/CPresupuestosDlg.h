#pragma once

#include <QDialog>
#include <functional>

class CEditList;
class CProgressBarText;
class CVelmoraView;
class QLabel;
class QPushButton;

// "Presupuestos", the budget manager: lists the budgets by name, opens,
// creates, copies and deletes them, and imports and exports BC3 files. It
// ends with the code of the budget the view is to open, or an empty code.
class CPresupuestosDlg : public QDialog
{
    Q_OBJECT

public:
    CPresupuestosDlg(CVelmoraView& view, const QString& strCodigo, QWidget* parent = nullptr);

    // The code the view is to open; empty when it is to open nothing.
    QString m_strCodigo;

    void FillList();
    void OnNuevo();
    void OnAbrir();
    void OnBorrar();
    void OnCopiar();
    void OnImportar();
    void OnExportar();

    CEditList* List() const { return m_pList; }
    CProgressBarText* ProgressBar() const { return m_pProgress; }
    QLabel* ProgressText() const { return m_pProgressText; }
    CVelmoraView& View() { return m_view; }

    // Runs the budget data dialog for a new budget; replaced in tests.
    std::function<bool(class CDatosPresupuestoDlg& dialog)> m_runDataDialog;
    // Ask for the file to import and the file to export to; replaced in tests.
    std::function<QString(QWidget* parent)> m_chooseImportFile;
    std::function<QString(QWidget* parent, const QString& strSuggested)> m_chooseExportFile;

    void reject() override;

private:
    // The work of "Importar" and "Exportar", inside their catch of store errors.
    void Import();
    void Export();
    bool IsListed(const QString& strCode) const;
    QString SelectedCode() const;
    void CloseWithCode(const QString& strCode);
    // Runs the data dialog for a new budget and, when its code is free,
    // creates the budget with it and closes the manager on it.
    void CreateFromDialog(class CDatosPresupuestoDlg& dialog,
                          const std::function<void(const class CBudgetHeader&)>& create);

    CVelmoraView& m_view;
    CEditList* m_pList;
    CProgressBarText* m_pProgress;
    QLabel* m_pProgressText;
    QPushButton* m_pCancelar;
};
