#include "store/CLineRecord.h"

#include "store/CLineSet.h"

CLineRecord CLineRecord::From(const CLineSet& set)
{
    CLineRecord line;
    line.articulo = set.m_ARTICULO;
    line.codigo = set.m_CODIGO;
    line.descripcion = set.m_DESCRIPCION;
    line.desglose = set.m_DESGLOSE;
    line.factor = set.m_FACTOR;
    line.fecha = set.m_FECHA;
    line.imagen = set.m_IMAGEN;
    line.importe = set.m_IMPORTE;
    line.medida = set.m_MEDIDA;
    line.nivel = set.m_NIVEL;
    line.nombre = set.m_NOMBRE;
    line.numlin = set.m_NUMLIN;
    line.precio = set.m_PRECIO;
    line.rendimiento = set.m_RENDIMIENTO;
    line.tarifa = set.Tariff();
    line.tipo1 = set.m_TIPO1;
    line.tipo2 = set.m_TIPO2;
    return line;
}

void CLineRecord::StoreInto(CLineSet& set) const
{
    set.m_ARTICULO = articulo;
    set.m_CODIGO = codigo;
    set.m_DESCRIPCION = descripcion;
    set.m_DESGLOSE = desglose;
    set.m_FACTOR = factor;
    set.m_FECHA = fecha;
    set.m_IMAGEN = imagen;
    set.m_IMPORTE = importe;
    set.m_MEDIDA = medida;
    set.m_NIVEL = nivel;
    set.m_NOMBRE = nombre;
    set.m_NUMLIN = numlin;
    set.m_PRECIO = precio;
    set.m_RENDIMIENTO = rendimiento;
    set.SetTariff(tarifa);
    set.m_TIPO1 = tipo1;
    set.m_TIPO2 = tipo2;
}
