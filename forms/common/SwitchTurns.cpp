#include "SwitchTurns.h"

#include "ExtCtrls.h"
#include "StdCtrls.h"

TNotifyEvent TSwitchTurns::Watched(const TControl* control, TNotifyEvent handler)
{
    return [this, control, handler](TObject* sender) {
        if (depth_ > 0)
            return handler(sender);
        const std::set<const TControl*> before = reach_();
        ++depth_;
        try {
            handler(sender);
        } catch (...) {
            --depth_;
            throw;
        }
        --depth_;
        for (const TControl* setting : reach_())
            if (!before.count(setting) && setting != control)
                broughtUp_[control].insert(setting);
    };
}

void TSwitchTurns::Watch()
{
    if (watching_)
        return;
    watching_ = true;
    for (int i = 0; i < form_->ComponentCount(); ++i) {
        TComponent* component = form_->Components(i);
        if (auto* combo = dynamic_cast<TComboBox*>(component); combo && combo->OnChange)
            combo->OnChange = Watched(combo, combo->OnChange);
        else if (auto* box = dynamic_cast<TCheckBox*>(component); box && box->OnClick)
            box->OnClick = Watched(box, box->OnClick);
        else if (auto* group = dynamic_cast<TRadioGroup*>(component); group && group->OnClick)
            group->OnClick = Watched(group, group->OnClick);
    }
}

std::set<const TControl*> TSwitchTurns::BroughtUpBy(const TControl* control) const
{
    std::set<const TControl*> settings;
    const auto add = [&](const TControl* turned) {
        if (const auto found = broughtUp_.find(turned); found != broughtUp_.end())
            settings.insert(found->second.begin(), found->second.end());
    };
    add(control);
    if (const auto through = through_.find(control); through != through_.end())
        for (const TControl* each : through->second)
            add(each);
    return settings;
}
