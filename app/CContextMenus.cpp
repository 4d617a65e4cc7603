#include "app/CContextMenus.h"

#include "app/CommandIds.h"

#include <QAction>
#include <QMenu>

namespace {

// One item of a popup menu; id 0 is a separator. A prompt is shown in the
// status bar while the pointer is over the item.
struct MenuItem {
    int nID;
    const char* text;
    const char* prompt;
};

constexpr MenuItem kInsertar[] = {
    {ID_INSERTAR_CAPITULO, QT_TRANSLATE_NOOP("CContextMenus", "Insertar Capítulo"), nullptr},
    {ID_INSERTAR_CARPETA, QT_TRANSLATE_NOOP("CContextMenus", "Insertar Carpeta"),
     QT_TRANSLATE_NOOP("CContextMenus", "Insertar carpeta")},
    {ID_INSERTAR_CONCEPTO, QT_TRANSLATE_NOOP("CContextMenus", "Insertar Concepto"), nullptr},
    {ID_COPIAR, QT_TRANSLATE_NOOP("CContextMenus", "Copiar"), QT_TRANSLATE_NOOP("CContextMenus", "copiar")},
    {ID_PEGAR, QT_TRANSLATE_NOOP("CContextMenus", "Pegar"), QT_TRANSLATE_NOOP("CContextMenus", "Pegar")},
    {0, nullptr, nullptr},
    {ID_EXPANDIR_TODO, QT_TRANSLATE_NOOP("CContextMenus", "Expandir todo"),
     QT_TRANSLATE_NOOP("CContextMenus", "Expandir todo este capítulo")},
};

constexpr MenuItem kInsertarMedida[] = {
    {ID_INSERTAR_MEDIDA, QT_TRANSLATE_NOOP("CContextMenus", "Insertar medida"), nullptr},
};

} // namespace

std::unique_ptr<QMenu> CContextMenus::Create(Resource nResource, QWidget* pOwner)
{
    auto menu = std::make_unique<QMenu>(nResource == Insertar ? tr("Insertar") : tr("Insertar Medida"));
    const auto fill = [&](const auto& items) {
        for (const MenuItem& item : items) {
            if (item.nID == 0) {
                menu->addSeparator();
                continue;
            }
            auto* action = new QAction(tr(item.text), pOwner);
            action->setData(item.nID);
            if (item.prompt)
                action->setStatusTip(tr(item.prompt));
            menu->addAction(action);
        }
    };
    if (nResource == Insertar)
        fill(kInsertar);
    else
        fill(kInsertarMedida);
    return menu;
}
