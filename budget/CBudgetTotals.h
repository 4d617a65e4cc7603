#pragma once

#include <QString>
#include <optional>

class CPresupuestosSet;

// A budget's totals: overheads, industrial profit, taxable base, VAT and the
// total, from the root line's stored amount in cents and the header's
// percentages.
// Every figure is rounded to cents as money is: "%.2f", then read back.
class CBudgetTotals
{
public:
    double m_dPem = 0.0;
    double m_dGastos = 0.0;
    double m_dBeneficio = 0.0;
    double m_dBase = 0.0;
    double m_dIva = 0.0;
    double m_dTotal = 0.0;

    static CBudgetTotals Compute(double dPem, double dGgen, double dBind, double dIva);
    // The amount the totals start from: the root's stored subtotal rounded
    // to cents on its digits, as the grid shows it.
    static double PemFromAmount(const QString& strRootAmount);

    // Computes the totals of the header the set stands on from the root's
    // stored amount and stores them; nothing when the set holds no header.
    static std::optional<CBudgetTotals> Update(CPresupuestosSet& header, const QString& strRootAmount);
};
