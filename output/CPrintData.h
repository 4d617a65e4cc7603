#pragma once

#include "admin/CBudgetHeader.h"

#include <QHash>
#include <QString>
#include <vector>

class CDatabase;

// What a printout shows of a budget, read from the store with record sets of
// its own: the header, the company row, the root line's amount, the lines
// down to the level limit (the root left out) and their measurement lines.
// Texts are store text; line breaks are plain "\n".
class CPrintData
{
public:
    struct Line {
        long nNumLin = 0;
        int nNivel = 0;
        QString strArticulo;
        QString strDesglose;
        QString strMedida;
        QString strNombre;
        QString strDescripcion;
        QString strPrecio;
        QString strRendimiento;
        QString strImporte;

        bool HasBreakdown() const { return strDesglose == QStringLiteral("S"); }
        bool IsChapter() const { return strArticulo.endsWith(u'#'); }
    };

    struct Measure {
        QString strNombre; // the comment, or the formula of a formula line
        QString strTipo;
        QString strUnidades;
        QString strLargo;
        QString strAncho;
        QString strAlto;
        QString strTotal;

        bool IsFormula() const { return strTipo == QStringLiteral("3"); }
    };

    struct Company {
        QString strNombre;
        QString strDireccion;
        QString strPoblacion;
        QString strCp;
        QString strProvincia;
        QString strTelefono;
        QString strFax;
        QString strEmail;
        QString strNif;
        QString strLogo;
        QString strRegFac;
    };

    CBudgetHeader m_header;
    Company m_company;
    QString m_strRootAmount;
    std::vector<Line> m_lines;
    // By the line's NUMLIN, in LIN order; read only when asked for.
    QHash<long, std::vector<Measure>> m_measures;

    // False when the budget is not in the store. Raises CDBException.
    bool Load(CDatabase& db, const QString& strBudget, int nLevelLimit, bool bMeasurements);

    const std::vector<Measure>* MeasuresOf(long nNumLin) const;

private:
    void LoadLines(CDatabase& db, const QString& strBudget, int nLevelLimit);
    void LoadMeasures(CDatabase& db, const QString& strBudget);
    void LoadCompany(CDatabase& db);
};
