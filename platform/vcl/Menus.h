#pragma once
// Main menu and menu items. A TMainMenu owned by a form becomes that form's menu.
// Captions use "&" for the accelerator ("&&" for an ampersand); "-" is a separator.
#include "Controls.h"

class QAction;
class QMenu;
class QMenuBar;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    AnsiString Hint() const { return hint_; }
    void SetHint(const AnsiString& hint) { hint_ = hint; }

    // Children, in menu order; a child belongs to one parent item at a time.
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Delete(int index);   // removes without destroying
    void Remove(TMenuItem* item);
    void Clear();             // destroys the children
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* operator[](int index) const { return Items(index); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    // Fires OnClick, as choosing the item does.
    void Click();

    QAction* Action() const { return action_; }

    TNotifyEvent OnClick;

private:
    friend class TMainMenu;
    void Rebuild();
    QMenu* SubMenu();
    QAction* action_;
    QMenu* menu_ = nullptr;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    QMenuBar* bar_ = nullptr;  // set on the root item of a main menu
    std::function<void()> barChanged_;
    AnsiString caption_;
    AnsiString hint_;
    bool visible_ = true;
    bool enabled_ = true;
    bool checked_ = false;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    // The root item; its children are the entries of the menu bar.
    TMenuItem* Items() const { return items_; }

private:
    friend class TCustomForm;
    void Attach(QMenuBar* bar, std::function<void()> changed);
    TMenuItem* items_;
};
