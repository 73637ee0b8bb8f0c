#include "forms/menu.h"

namespace forms {

MenuItem& Menu::add(std::string name, std::string caption, MenuItem::Kind kind) {
    auto item = std::make_unique<MenuItem>();
    item->name = std::move(name);
    item->caption = std::move(caption);
    item->kind = kind;
    items_.push_back(std::move(item));
    return *items_.back();
}

MenuItem& Menu::addCommand(std::string name, std::string caption) {
    return add(std::move(name), std::move(caption), MenuItem::Kind::Command);
}

MenuItem& Menu::addCheck(std::string name, std::string caption) {
    return add(std::move(name), std::move(caption), MenuItem::Kind::Check);
}

MenuItem& Menu::addSeparator(std::string name) {
    return add(std::move(name), "-", MenuItem::Kind::Separator);
}

MenuItem* Menu::find(const std::string& name) const {
    for (const auto& item : items_)
        if (item->name == name) return item.get();
    return nullptr;
}

}  // namespace forms
