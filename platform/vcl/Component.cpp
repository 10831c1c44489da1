#include "Classes.h"
#include "SysUtils.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    destroying_ = true;
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw ERangeError("Component index out of range (" + IntToStr(index) + ")");
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    auto& list = owner_->components_;
    auto at = std::find(list.begin(), list.end(), this);
    return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

TComponent* TComponent::FindComponent(const AnsiString& name) const
{
    if (name.IsEmpty())
        return nullptr;
    for (TComponent* c : components_)
        if (AnsiCompareText(c->name_, name) == 0)
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component == this || component->owner_ == this)
        return;
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto at = std::find(components_.begin(), components_.end(), component);
    if (at == components_.end())
        return;
    components_.erase(at);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents()
{
    // Last created first; each leaves the list before it is destroyed, so a child
    // that destroys a sibling in its destructor cannot cause a second delete.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}
