#pragma once

#include <QCoreApplication>
#include <memory>

class QMenu;
class QWidget;

// The popup menus of the grids, each defined once with its items, command
// ids and prompts: "Insertar" (136), shown by the budget grid and the
// price-base grid, and "Insertar Medida" (137), shown by the measurement
// lines. Every action carries its command id as data; the grid that shows
// the menu carries out the command chosen.
class CContextMenus
{
    Q_DECLARE_TR_FUNCTIONS(CContextMenus)

public:
    enum Resource { Insertar = 136, InsertarMedida = 137 };

    // A new menu with the resource's items. The actions belong to the owner,
    // so that the prompt of the item under the pointer reaches the status
    // bar of the owner's window.
    static std::unique_ptr<QMenu> Create(Resource nResource, QWidget* pOwner);
};
