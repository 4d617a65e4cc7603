#pragma once

#include <QDialog>
#include <functional>

class CParametrosSet;
class QLineEdit;

// "Datos empresa": the user's own company, the single row of PARAMETROS.
// Cancelling stores nothing; Aceptar stores exactly the eleven fields shown.
class CDatosEmpresaDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CDatosEmpresaDlg(QWidget* parent = nullptr);

    // Runs the dialog on the company row the set stands on; true when stored.
    bool Edit(CParametrosSet& set);

    void Load(const CParametrosSet& set);
    void Store(CParametrosSet& set) const;

    // Asks for the logo file; replaced in tests.
    std::function<QString(QWidget* parent)> m_chooseLogo;

    QLineEdit* m_pNombre;
    QLineEdit* m_pDireccion;
    QLineEdit* m_pPoblacion;
    QLineEdit* m_pCp;
    QLineEdit* m_pProvincia;
    QLineEdit* m_pTelefono;
    QLineEdit* m_pFax;
    QLineEdit* m_pEmail;
    QLineEdit* m_pNif;
    QLineEdit* m_pLogo;
    QLineEdit* m_pRegFac;

private:
    QLineEdit* AddField(class QFormLayout* form, const QString& strLabel, int nLimit, const char* szName);
    void OnLogo();
};
