#include "app/CTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QStringList CTranslations::SearchPath()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList dirs;
    const QString overridden = qEnvironmentVariable("VELMORA_TRANSLATIONS");
    if (!overridden.isEmpty())
        return {overridden};
    dirs << appDir + QStringLiteral("/translations") << appDir + QStringLiteral("/../translations")
         << appDir + QStringLiteral("/../share/velmora/translations");
    return dirs;
}

bool CTranslations::LoadCatalan(QTranslator& translator)
{
    for (const QString& dir : SearchPath()) {
        if (translator.load(QStringLiteral("velmora_ca"), dir))
            return true;
    }
    return false;
}

bool CTranslations::LoadQtTranslation(QTranslator& translator, bool bCatalan)
{
    return translator.load(bCatalan ? QStringLiteral("qtbase_ca") : QStringLiteral("qtbase_es"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
