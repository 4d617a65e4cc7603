#include "CTestApp.h"

#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "app/CMainFrame.h"
#include "budget/CArticulosList.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/CSchema.h"
#include "store/NumberText.h"
#include "ui/CMessageBox.h"

#include <QFile>

CTestApp::CTestApp()
{
    QFile::remove(CSchema::DefaultDatabasePath());
    CMessageBox::SetResponder([this](const QString& text, QMessageBox::StandardButtons) {
        m_messages << text;
        return m_answer;
    });
    m_pApp = std::make_unique<CVelmoraApp>();
    if (!m_pApp->InitInstance())
        qFatal("the program did not start");
}

CTestApp::~CTestApp()
{
    m_pApp.reset();
    CMessageBox::ClearResponder();
}

CMainFrame& CTestApp::Frame()
{
    return *m_pApp->MainFrame();
}

CVelmoraView& CTestApp::View()
{
    return *m_pApp->View();
}

CVelmoraDoc& CTestApp::Doc()
{
    return *m_pApp->Document();
}

CArticulosList& CTestApp::List()
{
    return *View().List();
}

void CTestApp::OpenBudget(const QString& strCode, const QStringList& lines, const QString& strGgen,
                          const QString& strBind, const QString& strIva)
{
    CBudgetHeader header = CBudgetHeader::New();
    header.m_strCodigo = strCode;
    header.m_strNombre = strCode;
    header.m_strGgen = strGgen;
    header.m_strBind = strBind;
    header.m_strIva = strIva;
    CBudgetAdmin::Create(Doc().Database(), header);
    CArticulosSet& set = Doc().m_articulosSet;
    long number = 1;
    for (const QString& line : lines.mid(1)) {
        const QStringList f = line.split(u'|');
        set.AddNew();
        set.SetFieldNull(nullptr);
        set.m_CODIGO = strCode;
        set.m_NUMLIN = QString::number(++number);
        set.m_NIVEL = f.value(0);
        set.m_ARTICULO = f.value(1);
        set.m_DESGLOSE = f.value(2, "N");
        const double price = StoreAtof(f.value(3, "0"));
        const double quantity = StoreAtof(f.value(4, "1"));
        set.m_PRECIO = StoreFormat(price, 5);
        set.m_RENDIMIENTO = StoreFormat(quantity, 5);
        set.m_IMPORTE = StoreFormat(price * quantity, 5);
        set.m_FACTOR = "1.0";
        set.Update();
    }
    CLineTree tree(set, CLineTable::ForBudget(strCode));
    tree.Requery();
    // Leaves first, deepest last, so that every parent ends with its sum.
    for (long line = tree.LineCount(); line > 1; --line) {
        if (!tree.IsDecomposed(line))
            tree.RollUpTotals(line);
    }
    View().OpenBudget(strCode);
    View().UpdateTotals();
}

void CTestApp::AddMeasure(const QString& strBudget, long nLine, long nLin, double dTotal)
{
    CMedidasSet measures(&Doc().Database());
    measures.FilterNone();
    measures.Open();
    measures.AddNew();
    measures.SetFieldNull(nullptr);
    measures.m_CODIGO = strBudget;
    measures.m_NUMLIN = QString::number(nLine);
    measures.m_LIN = QString::number(nLin);
    measures.m_UNIDADES = StoreFormat(dTotal, 5);
    measures.m_LARGO = measures.m_ANCHO = measures.m_ALTO = "1.0";
    measures.m_TOTAL = StoreFormat(dTotal, 5);
    measures.Update();
}

int CTestApp::RowOf(const QString& strCode) const
{
    CArticulosList& list = *m_pApp->View()->List();
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.GetItemText(row, 0) == strCode)
            return row;
    }
    return -1;
}
