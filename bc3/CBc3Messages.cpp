#include "bc3/CBc3Messages.h"

#include "app/CLanguage.h"

QString CBc3Messages::Text(Id id, const QString& strIdioma)
{
    switch (id) {
    case FileError:
        return CLanguage::Text(strIdioma, "Error fichero .bc3", "Error fitxer .bc3");
    case UnknownFormat:
        return CLanguage::Text(strIdioma, "Formato desconocido", "Format desconegut");
    case ReplaceQuestion:
        return CLanguage::Text(strIdioma, "Ya existe, desea reemplazarlo ? ", "Ja existeix, desitja reemplaçar-lo");
    case ChooseBudget:
        return CLanguage::Text(strIdioma, "Elija un presupuesto", "Trii un pressupost");
    case NoSuchBudget:
        return CLanguage::Text(strIdioma, "No existe este presupuesto", "No existeix aquest pressupost");
    case EmptyBudget:
        return CLanguage::Text(strIdioma, "Presupuesto vacio", "Pressupost buit");
    case StagingTableBudget:
        return CLanguage::Text(strIdioma, "Error al abrir tabla temporal", "Error al obrir la taula temporal");
    case StagingTablePrice:
        return CLanguage::Text(strIdioma, "Error al abrir tabla temporal", "Error al obrir taula temporal");
    case ChooseFile:
        return CLanguage::Text(strIdioma, "Elija fichero bc3", "Trii fitxer");
    case ChooseScopes:
        return CLanguage::Text(strIdioma, "Seleccione uno o varios ambitos de precios",
                               "Seleccioni un o diversos àmbits de preus");
    case TooManyLines:
        return CLanguage::Text(strIdioma, "El fichero .bc3 genera demasiadas líneas",
                               "El fitxer .bc3 genera massa línies");
    }
    return {};
}

QString CBc3Messages::StagingProgress(int nPercent)
{
    return QStringLiteral("Importando desglose %1%").arg(nPercent);
}

QString CBc3Messages::CreatingBudget()
{
    return QStringLiteral("Creando presupuesto ...");
}

QString CBc3Messages::CreatingBudget(long nLine)
{
    return QStringLiteral("Creando presupuesto ... %1").arg(nLine);
}

QString CBc3Messages::UpdatingConcepts(int nPercent)
{
    return QStringLiteral("Actualizando conceptos y medidas %1%").arg(nPercent);
}
