#pragma once

#include "store/CDateValue.h"
#include "store/CRecordset.h"

// Table PARAMETROS: the company's own data, one row.
class CParametrosSet : public CRecordset
{
public:
    explicit CParametrosSet(CDatabase* pDatabase = nullptr);

    QString m_LISTA;
    QString m_IMAGENES;
    QString m_TARIFA;
    QString m_CP;
    QString m_DIRECCION;
    QString m_EMAIL;
    QString m_FAX;
    QString m_LOGO;
    QString m_NIF;
    QString m_NOMBRE;
    QString m_POBLACION;
    QString m_PROVINCIA;
    QString m_TELEFONO;
    QString m_REGFAC;

    QString GetDefaultSQL() const override;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
};
