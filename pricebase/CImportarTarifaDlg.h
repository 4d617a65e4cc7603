#pragma once

#include "bc3/CBc3Messages.h"
#include "bc3/CBc3PriceBaseImport.h"

#include <QDialog>
#include <functional>

class CDatabase;
class CProgressBarText;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// "Importar tarifa": a BC3 file chosen, the price scopes its header offers
// listed for choice, and on "OK" the file imported as one tariff per chosen
// scope, with the progress over the bar and beside it. A file whose header
// names no scope offers "Sin especificar" alone, in a compact window; one
// that names some shows the list. While the import runs the window cannot
// be closed.
class CImportarTarifaDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CImportarTarifaDlg(CDatabase& database, QWidget* parent = nullptr);

    // The file button: asks for the file; a cancelled choice ends the dialog.
    void OnCarpeta();
    // Reads the scopes from the chosen file's first bytes.
    void LoadScopes();
    // Takes a file as if chosen.
    void SetFile(const QString& strPath);
    bool IsExpanded() const { return m_bExpanded; }
    // The code the price base takes from the file name.
    const QString& Code() const { return m_strCode; }
    // What the last import did.
    const CBc3PriceImportOutcome& Outcome() const { return m_outcome; }

    // "OK" imports the file; the dialog stays open on a failure.
    void accept() override;
    void reject() override;

    // Asks for the file; replaced in tests.
    std::function<QString(QWidget* parent)> m_chooseFile;

    QLineEdit* m_pPath;
    QToolButton* m_pCarpeta;
    QLabel* m_pCaption;
    QListWidget* m_pScopes;
    CProgressBarText* m_pProgress;
    QLabel* m_pProgressText;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Reads the file and imports the chosen scopes; false, with the user
    // told why, when nothing was imported.
    bool ImportPriceBaseFile();
    void SetExpanded(bool bExpanded);
    void Tell(CBc3Messages::Id id);
    void SetBusy(bool bBusy);

    CDatabase& m_database;
    QString m_strCode;
    bool m_bExpanded = false;
    bool m_bBusy = false;
    CBc3PriceImportOutcome m_outcome;
};
