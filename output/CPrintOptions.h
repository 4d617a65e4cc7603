#pragma once

#include <QDate>
#include <QString>

class CPresupuestosSet;

// What one printout shows: the budget or the invoice, down to which level of
// the line tree, and which blocks of the header, body and footer. A new
// object holds the defaults the options dialog starts from.
class CPrintOptions
{
public:
    enum DocumentKind { Budget = 0, Invoice = 1 };
    enum ClientPosition { ClientLeft = 0, ClientRight = 1 };
    enum Description { LongDescription = 0, ShortDescription = 1 };

    int m_nDocumentKind = Budget;
    QString m_strBudgetLevel = QStringLiteral("99999");
    QString m_strInvoiceLevel = QStringLiteral("99999");
    QString m_strBudgetNumber;
    QDate m_budgetDate = QDate::currentDate();
    QString m_strInvoiceNumber;
    QDate m_invoiceDate = QDate::currentDate();

    bool m_bBudgetNumber = true;
    bool m_bBudgetDate = true;
    bool m_bInvoiceNumber = true;
    bool m_bInvoiceDate = true;
    bool m_bTitle = true;
    bool m_bClientData = true;
    bool m_bClientNif = true;
    bool m_bBudgetCode = false;
    bool m_bCompanyData = true;
    bool m_bCompanyNif = true;
    bool m_bFiscalData = true;
    bool m_bLogo = true;
    int m_nClientPosition = ClientRight;

    bool m_bCodes = true;
    int m_nDescription = LongDescription;
    bool m_bAmounts = true;
    bool m_bMeasurements = false;

    bool m_bNet = true;
    bool m_bProfit = true;
    bool m_bOverheads = true;
    bool m_bGross = true;
    bool m_bBase = true;
    bool m_bVat = true;
    bool m_bTotal = true;
    // Observations for a budget, the payment terms for an invoice.
    bool m_bObservations = true;

    static constexpr int kNumberLimit = 10;

    bool IsInvoice() const { return m_nDocumentKind == Invoice; }
    bool IsClientRight() const { return m_nClientPosition != ClientLeft; }
    // The "Hasta nivel" of the chosen document read as the C library's atoi
    // does: text that is no number gives 0, and no line prints.
    int LevelLimit() const;

    // An invoice keeps its number and date in the budget's header; the set
    // must stand on it. Nothing is written for a budget.
    void StoreInvoiceData(CPresupuestosSet& header) const;

    // The leading integer of a text, as atoi reads it.
    static int AtoiText(const QString& strText);
};
