#include "store/CMeasureRecord.h"

#include "store/CMedidasSet.h"

CMeasureRecord CMeasureRecord::From(const CMedidasSet& set)
{
    return {set.m_CODIGO, set.m_NUMLIN, set.m_LIN,   set.m_CODIGOPADRE, set.m_CODIGOHIJO, set.m_POSICION, set.m_TIPO,
            set.m_NOMBRE, set.m_LARGO,  set.m_ANCHO, set.m_ALTO,        set.m_UNIDADES,   set.m_TOTAL};
}

void CMeasureRecord::StoreInto(CMedidasSet& set) const
{
    set.m_CODIGO = codigo;
    set.m_NUMLIN = numlin;
    set.m_LIN = lin;
    set.m_CODIGOPADRE = codigoPadre;
    set.m_CODIGOHIJO = codigoHijo;
    set.m_POSICION = posicion;
    set.m_TIPO = tipo;
    set.m_NOMBRE = nombre;
    set.m_LARGO = largo;
    set.m_ANCHO = ancho;
    set.m_ALTO = alto;
    set.m_UNIDADES = unidades;
    set.m_TOTAL = total;
}
