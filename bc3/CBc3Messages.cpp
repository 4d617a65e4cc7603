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
    case StagingWriteFailed:
        return CLanguage::Text(strIdioma, "Error al escribir en la tabla temporal", "Error en escriure a la taula temporal");
    case BudgetWriteFailed:
        return CLanguage::Text(strIdioma, "Error al guardar el presupuesto importado",
                               "Error en desar el pressupost importat");
    case Unencodable:
        return CLanguage::Text(strIdioma, "El fichero se ha escrito, pero el juego de caracteres ANSI no admite "
                                          "estos caracteres, escritos como \"?\":",
                               "El fitxer s'ha escrit, però el joc de caràcters ANSI no admet aquests caràcters, "
                               "escrits com a \"?\":");
    case UnencodableLine:
        return CLanguage::Text(strIdioma, "línea %1 (%2): %3", "línia %1 (%2): %3");
    case NoPriceBaseCode:
        return CLanguage::Text(strIdioma, "El nombre del fichero no da código a la base de precios",
                               "El nom del fitxer no dona codi a la base de preus");
    case UnknownScope:
        return CLanguage::Text(strIdioma, "El fichero no tiene el ámbito de precios %1",
                               "El fitxer no té l'àmbit de preus %1");
    case PriceBaseWriteFailed:
        return CLanguage::Text(strIdioma, "Error al guardar la base de precios importada",
                               "Error en desar la base de preus importada");
    }
    return {};
}

QString CBc3Messages::StoreError(Id id, const QString& strIdioma, const QString& strDriverText)
{
    QString cause;
    if (strDriverText.contains(QStringLiteral("disk is full"), Qt::CaseInsensitive))
        cause = CLanguage::Text(strIdioma, "el disco está lleno", "el disc és ple");
    else if (strDriverText.contains(QStringLiteral("readonly"), Qt::CaseInsensitive)
             || strDriverText.contains(QStringLiteral("read-only"), Qt::CaseInsensitive))
        cause = CLanguage::Text(strIdioma, "la base de datos es de solo lectura", "la base de dades és de només lectura");
    QString message = Text(id, strIdioma);
    if (!cause.isEmpty())
        message += QStringLiteral(": ") + cause;
    return message + QStringLiteral("\n") + strDriverText;
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

QString CBc3Messages::CreatingTariff(const QString& strTariff)
{
    return QStringLiteral("Creando tarifa %1...").arg(strTariff);
}

QString CBc3Messages::CreatingTariff(const QString& strTariff, long nLine)
{
    return QStringLiteral("Creando tarifa %1 %2").arg(strTariff).arg(nLine);
}

QString CBc3Messages::TariffPrices(const QString& strTariff, int nPercent)
{
    return QStringLiteral("Precios tarifa %1 %2%").arg(strTariff).arg(nPercent);
}

QString CBc3Messages::TariffTexts(const QString& strTariff, int nPercent)
{
    return QStringLiteral("Descripciones tarifa %1 %2%").arg(strTariff).arg(nPercent);
}

QString CBc3Messages::Recalculating()
{
    return QStringLiteral("Recalculando importes. Espere...");
}
