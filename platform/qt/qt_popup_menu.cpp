#include "platform/qt/qt_popup_menu.h"

#include <QCursor>

namespace qtplatform {

std::unique_ptr<QMenu> QtPopupMenu::build(const forms::Menu& menu, QWidget* parent) {
    auto qmenu = std::make_unique<QMenu>(parent);
    qmenu->setTitle(QString::fromStdString(menu.caption()));
    int index = 0;
    for (const auto& item : menu.items()) {
        QAction* action =
            item->isSeparator() ? qmenu->addSeparator() : qmenu->addAction(QString::fromStdString(item->caption));
        action->setObjectName(QString::fromStdString(item->name));
        action->setData(index++);
        action->setEnabled(item->enabled);
        if (item->kind == forms::MenuItem::Kind::Check) {
            action->setCheckable(true);
            action->setChecked(item->checked);
        }
    }
    return qmenu;
}

forms::MenuItem* QtPopupMenu::popup(const forms::Menu& menu) {
    if (open_) return nullptr;
    open_ = true;
    // Built afresh each time, so that the check marks are the live ones.
    const std::unique_ptr<QMenu> qmenu = build(menu, parent_);
    const QAction* chosen = qmenu->exec(QCursor::pos());
    open_ = false;
    if (chosen == nullptr) return nullptr;
    const int index = chosen->data().toInt();
    if (index < 0 || static_cast<size_t>(index) >= menu.items().size()) return nullptr;
    return menu.items()[static_cast<size_t>(index)].get();
}

}  // namespace qtplatform
