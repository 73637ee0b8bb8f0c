#pragma once

#include <memory>
#include <string>
#include <vector>

namespace forms {

// One entry of a popup menu. The caption marks its access key with '&'
// ("&Hide": H); the check mark of a check item is live state that the
// program reads and writes.
struct MenuItem {
    enum class Kind { Command, Check, Separator };

    std::string name;
    std::string caption;
    Kind kind = Kind::Command;
    bool checked = false;
    bool enabled = true;

    bool isSeparator() const { return kind == Kind::Separator; }
};

// A popup menu: its items in order. Items keep their address for the menu's
// life, so that owners may hold references to them.
class Menu {
public:
    explicit Menu(std::string caption) : caption_(std::move(caption)) {}
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    MenuItem& addCommand(std::string name, std::string caption);
    MenuItem& addCheck(std::string name, std::string caption);
    MenuItem& addSeparator(std::string name);

    const std::string& caption() const { return caption_; }
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    MenuItem* find(const std::string& name) const;

private:
    MenuItem& add(std::string name, std::string caption, MenuItem::Kind kind);

    std::string caption_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// Pops a menu up at the pointer and runs until it closes (other events go on
// meanwhile). Returns the item chosen, or null when the menu was closed
// without a choice. Items may be chosen with either mouse button.
class MenuHost {
public:
    virtual ~MenuHost() = default;
    virtual MenuItem* popup(const Menu& menu) = 0;
};

}  // namespace forms
