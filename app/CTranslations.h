#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// Finds and loads the Catalan user interface, and Qt's own Spanish or Catalan
// texts for the standard dialogs, wherever the program was built or installed.
class CTranslations
{
public:
    // Folders searched for the program's own .qm files, in order.
    static QStringList SearchPath();
    // Loads "velmora_ca.qm"; false when it is nowhere to be found.
    static bool LoadCatalan(QTranslator& translator);
    // Loads Qt's own "qtbase_es" or "qtbase_ca"; false when not installed.
    static bool LoadQtTranslation(QTranslator& translator, bool bCatalan);
};
