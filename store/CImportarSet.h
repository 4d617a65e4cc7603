#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

// Table IMPORTAR: the staged records of one BC3 import.
class CImportarSet : public CRecordset
{
public:
    explicit CImportarSet(CDatabase* pDatabase = nullptr);

    QString m_CODIGO;
    QString m_TIPO;
    QString m_CODPADRE;
    QString m_CODHIJO;
    QString m_NOMBRE;
    QString m_DESCRIPCION;
    QString m_FACTOR;
    QString m_RENDIMIENTO;
    QString m_IMAGEN;
    QString m_MEDIDA;
    QString m_PRECIO;
    QString m_TIPO1;
    QString m_TIPO2;

    // Selects nothing.
    void FilterNone();

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
