#pragma once

#include "output/CPrintOptions.h"

#include <QDialog>

#include <initializer_list>

class QCheckBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// "Opciones de impresión": budget or invoice, down to which level, which
// header, body and footer blocks, and the number and date to print. It runs
// before every print and preview and starts from the defaults each time.
class CPrintOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPrintOptionsDlg(QWidget* parent = nullptr);

    // Shows the values in the controls, or reads them back.
    void SetOptions(const CPrintOptions& options);
    CPrintOptions Options() const;

    // Enables the controls of the chosen document and names the
    // observations check after it.
    void UpdateOptionControls();

private:
    QGroupBox* CreateDocumentBox(bool bInvoice);
    QGroupBox* CreateHeaderBox();
    QGroupBox* CreateBodyBox();
    QGroupBox* CreateFooterBox();
    QCheckBox* AddCheck(QGridLayout* grid, int nRow, int nColumn, const QString& strText, const char* szName);
    // A check box to create: where it goes, its caption and its object name.
    struct CCheck
    {
        QCheckBox** ppCheck;
        QString strText;
        const char* szName;
    };
    // Checks one a row down a column of the grid, from its first row.
    void AddCheckColumn(QGridLayout* grid, int nColumn, std::initializer_list<CCheck> checks);
    QLineEdit* CreateEdit(const char* szName, int nLimit);
    QDateEdit* CreateDate(const char* szName);

    QRadioButton* m_pBudget = nullptr;
    QRadioButton* m_pInvoice = nullptr;
    QLineEdit* m_pBudgetLevel = nullptr;
    QLineEdit* m_pInvoiceLevel = nullptr;
    QLineEdit* m_pBudgetNumber = nullptr;
    QDateEdit* m_pBudgetDate = nullptr;
    QLineEdit* m_pInvoiceNumber = nullptr;
    QDateEdit* m_pInvoiceDate = nullptr;
    QCheckBox* m_pShowBudgetNumber = nullptr;
    QCheckBox* m_pShowBudgetDate = nullptr;
    QCheckBox* m_pShowInvoiceNumber = nullptr;
    QCheckBox* m_pShowInvoiceDate = nullptr;

    QCheckBox* m_pTitle = nullptr;
    QCheckBox* m_pClientData = nullptr;
    QCheckBox* m_pClientNif = nullptr;
    QCheckBox* m_pBudgetCode = nullptr;
    QCheckBox* m_pCompanyData = nullptr;
    QCheckBox* m_pCompanyNif = nullptr;
    QCheckBox* m_pFiscalData = nullptr;
    QCheckBox* m_pLogo = nullptr;
    QRadioButton* m_pClientLeft = nullptr;
    QRadioButton* m_pClientRight = nullptr;

    QCheckBox* m_pCodes = nullptr;
    QRadioButton* m_pLongDescription = nullptr;
    QRadioButton* m_pShortDescription = nullptr;
    QCheckBox* m_pAmounts = nullptr;
    QCheckBox* m_pMeasurements = nullptr;

    QCheckBox* m_pNet = nullptr;
    QCheckBox* m_pProfit = nullptr;
    QCheckBox* m_pOverheads = nullptr;
    QCheckBox* m_pGross = nullptr;
    QCheckBox* m_pBase = nullptr;
    QCheckBox* m_pVat = nullptr;
    QCheckBox* m_pTotal = nullptr;
    QCheckBox* m_pObservations = nullptr;
};
