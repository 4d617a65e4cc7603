#include "budget/CBudgetTotals.h"

#include "store/CPresupuestosSet.h"
#include "store/NumberText.h"

CBudgetTotals CBudgetTotals::Compute(double dPem, double dGgen, double dBind, double dIva)
{
    CBudgetTotals totals;
    totals.m_dPem = dPem;
    totals.m_dGastos = Round2(dGgen != 0.0 ? dPem * dGgen * 0.01 : 0.0);
    totals.m_dBeneficio = Round2(dBind != 0.0 ? dPem * dBind * 0.01 : 0.0);
    totals.m_dBase = Round2(totals.m_dGastos + totals.m_dBeneficio + dPem);
    totals.m_dIva = Round2(dIva != 0.0 ? totals.m_dBase * dIva * 0.01 : 0.0);
    totals.m_dTotal = Round2(totals.m_dIva + totals.m_dBase);
    return totals;
}

double CBudgetTotals::PemFromAmount(const QString& strRootAmount)
{
    return StoreAtof(RoundNumberText(strRootAmount, 2));
}

std::optional<CBudgetTotals> CBudgetTotals::Update(CPresupuestosSet& header, const QString& strRootAmount)
{
    if (!header.IsOpen() || (header.IsBOF() && header.IsEOF()))
        return std::nullopt;
    header.MoveFirst();
    const CBudgetTotals totals = Compute(PemFromAmount(strRootAmount), StoreAtof(header.m_GGEN),
                                         StoreAtof(header.m_BIND), StoreAtof(header.m_IVA));
    header.Edit();
    header.m_IMPBIND = StoreFormat(totals.m_dBeneficio, 2);
    header.m_IMPGGEN = StoreFormat(totals.m_dGastos, 2);
    header.m_BASE = StoreFormat(totals.m_dBase, 2);
    header.m_IMPIVA = StoreFormat(totals.m_dIva, 2);
    header.m_TOTAL = StoreFormat(totals.m_dTotal, 2);
    header.Update();
    return totals;
}
