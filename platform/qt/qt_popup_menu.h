#pragma once

#include <QMenu>
#include <QWidget>
#include <memory>

#include "forms/menu.h"

namespace qtplatform {

// Pops a menu model up as a QMenu at the pointer: captions with their access
// keys, check marks, separators. Items can be chosen with either mouse
// button. One menu is up at a time; asking for another meanwhile chooses
// nothing.
class QtPopupMenu final : public forms::MenuHost {
public:
    explicit QtPopupMenu(QWidget* parent = nullptr) : parent_(parent) {}

    forms::MenuItem* popup(const forms::Menu& menu) override;

    // The QMenu of a model; each action's data is its item's index.
    static std::unique_ptr<QMenu> build(const forms::Menu& menu, QWidget* parent);

private:
    QWidget* parent_;
    bool open_ = false;
};

}  // namespace qtplatform
