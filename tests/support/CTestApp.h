#pragma once

#include "app/CVelmoraApp.h"
#include "budget/CLineTree.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <memory>

class CArticulosList;
class CMainFrame;
class CVelmoraDoc;
class CVelmoraView;

// The whole program started for a test, on a fresh database, with every
// message box answered and recorded instead of shown.
class CTestApp
{
public:
    CTestApp();
    ~CTestApp();

    CVelmoraApp& App() { return *m_pApp; }
    CMainFrame& Frame();
    CVelmoraView& View();
    CVelmoraDoc& Doc();
    CArticulosList& List();

    // Creates a budget from lines "NIVEL|CODE|DESGLOSE|PRICE|QUANTITY" in
    // line order (the root first), rolls its amounts up and opens it.
    void OpenBudget(const QString& strCode, const QStringList& lines, const QString& strGgen = "0",
                    const QString& strBind = "0", const QString& strIva = "0");
    // Adds a measurement line to a budget line.
    void AddMeasure(const QString& strBudget, long nLine, long nLin, double dTotal);
    int RowOf(const QString& strCode) const;

    QStringList m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;

private:
    std::unique_ptr<CVelmoraApp> m_pApp;
};
