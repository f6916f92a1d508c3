#include "ui/PopupMenu.h"

#include "text/QtText.h"
#include "ui/WindowRegistry.h"

#include <QMenu>
#include <QPointer>

std::int32_t ShowPopupMenu(WindowHandle dialog, ClientPoint at,
                           const std::vector<MenuItem>& items) {
    QWidget* client = ClientWidget(dialog);
    // On the heap: the menu is a child of the window, which may go while the menu is up.
    const QPointer<QMenu> menu = new QMenu(client);
    for (const MenuItem& item : items) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(ToQt(item.text));
        action->setData(item.id);
        action->setEnabled(item.enabled);
    }
    const QPoint where = client ? client->mapToGlobal(QPoint(at.x, at.y)) : QPoint(at.x, at.y);
    const QAction* chosen = menu->exec(where);
    const std::int32_t id = chosen && menu ? chosen->data().toInt() : 0;
    delete menu;
    return id;
}
