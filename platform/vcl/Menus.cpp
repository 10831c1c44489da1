#include "Menus.h"

#include "Forms.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), action_(new QAction)
{
    QObject::connect(action_, &QAction::triggered, action_, [this] { RunGuarded([this] { Click(); }); });
}

TMenuItem::~TMenuItem()
{
    if (parent_)
        parent_->Remove(this);
    Clear();
    delete menu_;
    delete action_;
}

void TMenuItem::SetCaption(const AnsiString& caption)
{
    caption_ = caption;
    action_->setSeparator(caption == "-");
    action_->setText(ControlQString(caption));
    if (menu_)
        menu_->setTitle(ControlQString(caption));
}

void TMenuItem::SetVisible(bool visible)
{
    visible_ = visible;
    action_->setVisible(visible);
}

void TMenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    action_->setEnabled(enabled);
}

void TMenuItem::SetChecked(bool checked)
{
    checked_ = checked;
    action_->setCheckable(checked || action_->isCheckable());
    action_->setChecked(checked);
}

QMenu* TMenuItem::SubMenu()
{
    if (!menu_) {
        menu_ = new QMenu;
        menu_->setTitle(ControlQString(caption_));
        action_->setMenu(menu_);
    }
    return menu_;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        return;
    if (index < 0 || index > Count())
        throw ERangeError("Menu index out of range (" + IntToStr(index) + ")");
    if (item->parent_)
        item->parent_->Remove(item);
    item->parent_ = this;
    items_.insert(items_.begin() + index, item);
    Rebuild();
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    Rebuild();
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto at = std::find(items_.begin(), items_.end(), item);
    if (at != items_.end())
        Delete(int(at - items_.begin()));
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        delete items_.back();  // leaves through Remove
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError("Menu index out of range (" + IntToStr(index) + ")");
    return items_[size_t(index)];
}

int TMenuItem::MenuIndex() const
{
    if (!parent_)
        return -1;
    auto& list = parent_->items_;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TMenuItem::Rebuild()
{
    if (bar_) {
        bar_->clear();
        for (TMenuItem* item : items_)
            bar_->addAction(item->action_);
        if (barChanged_)
            barChanged_();
        return;
    }
    if (items_.empty()) {
        if (menu_)
            menu_->clear();
        return;
    }
    QMenu* menu = SubMenu();
    menu->clear();
    for (TMenuItem* item : items_)
        menu->addAction(item->action_);
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr))
{
    if (auto* form = dynamic_cast<TCustomForm*>(owner))
        if (!form->Menu())
            form->SetMenu(this);
}

TMainMenu::~TMainMenu()
{
    items_->barChanged_ = nullptr;
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()))
        if (form->Menu() == this)
            form->SetMenu(nullptr);
    delete items_;
}

void TMainMenu::Attach(QMenuBar* bar, std::function<void()> changed)
{
    items_->bar_ = bar;
    items_->barChanged_ = std::move(changed);
    items_->Rebuild();
}
