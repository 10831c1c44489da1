#pragma once
// What each switch's turn brought up. While the form is open, every handler of a choice
// or check box (a combo box's OnChange, a check box's or radio group's OnClick) is
// watched: the settings the user reaches after it and did not reach before it are what
// that switch's turn brought up. A hidden switch that Save sets from other controls (the
// authentication from the security the user chooses) takes what they bring up. The put-
// back writes a switch back only over what its own turn brought up.
#include "vcl.h"

#include <functional>
#include <map>
#include <set>
#include <vector>

class TSwitchTurns {
public:
    using TReachOf = std::function<std::set<const TControl*>()>;
    explicit TSwitchTurns(TComponent* form, TReachOf reach) : form_(form), reach_(std::move(reach)) {}

    // Watches the handlers the form's switches have now (once).
    void Watch();
    // Forgets what the turns brought up: the switches show what the device holds.
    void Settle() { broughtUp_.clear(); }
    // `hidden` is turned through `through` (what they bring up is its).
    void TurnedThrough(const TControl* hidden, std::vector<const TControl*> through)
    {
        through_[hidden] = std::move(through);
    }
    // The hidden switches turned through others.
    std::set<const TControl*> TurnedThroughOthers() const
    {
        std::set<const TControl*> hidden;
        for (const auto& each : through_)
            hidden.insert(each.first);
        return hidden;
    }
    // What the turns of `control` (and of the controls it is turned through) brought up
    // since the last Settle.
    std::set<const TControl*> BroughtUpBy(const TControl* control) const;

private:
    TNotifyEvent Watched(const TControl* control, TNotifyEvent handler);

    TComponent* form_;
    TReachOf reach_;
    bool watching_ = false;
    int depth_ = 0;  // handlers run inside one another count for the outermost
    std::map<const TControl*, std::set<const TControl*>> broughtUp_;
    std::map<const TControl*, std::vector<const TControl*>> through_;
};
