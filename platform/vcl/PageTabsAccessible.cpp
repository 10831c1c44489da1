// Page tabs as assistive technology sees them: a page tab list whose tabs are
// selectable and report which one is selected (the page shown), and a selection
// change announced when another page comes to the front.
#include "PageTabsAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>

#include <map>

namespace {

class PageTab : public QAccessibleInterface {
public:
    PageTab(QTabBar* bar, int index) : bar_(bar), index_(index) {}
    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return QString();
        QString name = bar_->tabText(index_);
        return name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = index_ == bar_->currentIndex();
        s.focused = s.selected && bar_->hasFocus();
        s.invisible = !bar_->isTabVisible(index_) || !bar_->isVisible();
        s.disabled = !bar_->isTabEnabled(index_);
        return s;
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

class PageTabList : public QAccessibleWidget {
public:
    explicit PageTabList(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~PageTabList() override
    {
        for (const auto& [index, id] : tabs_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Bar()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= Bar()->count())
            return nullptr;
        auto known = tabs_.find(index);
        if (known != tabs_.end())
            return QAccessible::accessibleInterface(known->second);
        auto* tab = new PageTab(Bar(), index);
        tabs_[index] = QAccessible::registerAccessibleInterface(tab);
        return tab;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : tabs_)
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        return -1;
    }

private:
    QTabBar* Bar() const { return static_cast<QTabBar*>(widget()); }
    mutable std::map<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* PageTabsFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QTabBar") && object && object->isWidgetType())
        return new PageTabList(static_cast<QTabBar*>(object));
    return nullptr;
}

}  // namespace

void InstallPageTabsAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(PageTabsFactory);
        return true;
    }();
    (void)installed;
}

void AnnouncePageSelected(QTabBar* bar, int previous)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(bar);
    if (!list)
        return;
    QAccessible::State changed;
    changed.selected = true;
    for (int index : {previous, bar->currentIndex()})
        if (QAccessibleInterface* tab = list->child(index)) {
            QAccessibleStateChangeEvent event(tab, changed);
            QAccessible::updateAccessibility(&event);
        }
    if (QAccessibleInterface* tab = list->child(bar->currentIndex())) {
        QAccessibleEvent event(tab, QAccessible::Selection);
        QAccessible::updateAccessibility(&event);
    }
}
