#include "bc3/CBc3Messages.h"

QString CBc3Messages::Text(Id id)
{
    switch (id) {
    case FileError:
        return tr("Error fichero .bc3");
    case UnknownFormat:
        return tr("Formato desconocido");
    case ReplaceQuestion:
        return tr("Ya existe, desea reemplazarlo ? ");
    case ChooseBudget:
        return tr("Elija un presupuesto");
    case NoSuchBudget:
        return tr("No existe este presupuesto");
    case EmptyBudget:
        return tr("Presupuesto vacio");
    case StagingTableBudget:
        return tr("Error al abrir tabla temporal", "budget import");
    case StagingTablePrice:
        return tr("Error al abrir tabla temporal", "price-base import");
    case ChooseFile:
        return tr("Elija fichero bc3");
    case ChooseScopes:
        return tr("Seleccione uno o varios ambitos de precios");
    case TooManyLines:
        return tr("El fichero .bc3 genera demasiadas líneas");
    case StagingWriteFailed:
        return tr("Error al escribir en la tabla temporal");
    case BudgetWriteFailed:
        return tr("Error al guardar el presupuesto importado");
    case Unencodable:
        return tr("El fichero se ha escrito, pero el juego de caracteres ANSI no admite "
                  "estos caracteres, escritos como \"?\":");
    case UnencodableLine:
        return tr("línea %1 (%2): %3");
    case NoPriceBaseCode:
        return tr("El nombre del fichero no da código a la base de precios");
    case UnknownScope:
        return tr("El fichero no tiene el ámbito de precios %1");
    case PriceBaseWriteFailed:
        return tr("Error al guardar la base de precios importada");
    }
    return {};
}

QString CBc3Messages::StoreError(Id id, const QString& strDriverText)
{
    QString cause;
    if (strDriverText.contains(QStringLiteral("disk is full"), Qt::CaseInsensitive))
        cause = tr("el disco está lleno");
    else if (strDriverText.contains(QStringLiteral("readonly"), Qt::CaseInsensitive)
             || strDriverText.contains(QStringLiteral("read-only"), Qt::CaseInsensitive))
        cause = tr("la base de datos es de solo lectura");
    QString message = Text(id);
    if (!cause.isEmpty())
        message += QStringLiteral(": ") + cause;
    return message + QStringLiteral("\n") + strDriverText;
}

QString CBc3Messages::FileErrorText(const QString& strReason)
{
    return Text(FileError) + (strReason.isEmpty() ? QString() : QStringLiteral("\n") + strReason);
}

int CBc3Messages::Percent(long nDone, long nCount)
{
    const int percent = nCount > 0 ? int(qint64(nDone) * 100 / nCount) : 100;
    return percent < 0 ? 1 : percent;
}

QString CBc3Messages::StagingProgress(int nPercent)
{
    return tr("Importando desglose %1%").arg(nPercent);
}

QString CBc3Messages::CreatingBudget()
{
    return tr("Creando presupuesto ...");
}

QString CBc3Messages::CreatingBudget(long nLine)
{
    return tr("Creando presupuesto ... %1").arg(nLine);
}

QString CBc3Messages::UpdatingConcepts(int nPercent)
{
    return tr("Actualizando conceptos y medidas %1%").arg(nPercent);
}

QString CBc3Messages::CreatingTariff(const QString& strTariff)
{
    return tr("Creando tarifa %1...").arg(strTariff);
}

QString CBc3Messages::CreatingTariff(const QString& strTariff, long nLine)
{
    return tr("Creando tarifa %1 %2").arg(strTariff).arg(nLine);
}

QString CBc3Messages::TariffPrices(const QString& strTariff, int nPercent)
{
    return tr("Precios tarifa %1 %2%").arg(strTariff).arg(nPercent);
}

QString CBc3Messages::TariffTexts(const QString& strTariff, int nPercent)
{
    return tr("Descripciones tarifa %1 %2%").arg(strTariff).arg(nPercent);
}

QString CBc3Messages::Recalculating()
{
    return tr("Recalculando importes. Espere...");
}
