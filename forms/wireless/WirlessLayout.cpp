#include "WirlessLayout.h"

TWirelessLayout WirelessLayoutFor(TModeGroups groups, TSecurityGroup security, const TLayoutMetrics& m)
{
    const int G = m.FirstGroup, g = m.Gap, mg = m.Margin, S = m.Survey - SurveyTrim;
    const int h = m.Passphrase - EnterpriseShrink;
    TWirelessLayout layout;

    // The height above the security group, and how many gaps the chosen groups add.
    int above = G;
    int extraGaps = 0;
    int securityTop = G + mg;
    switch (groups) {
    case mgSecurityOnly:
        break;
    case mgSurveyClone:
        layout.SurveyTop = G + mg;
        layout.CloneTop = G + S + 3 * g;
        above = G + S + m.Clone;
        securityTop = above + g;
        extraGaps = 1;
        break;
    case mgWdsSurvey:
        layout.WdsTop = G + mg;
        layout.SurveyTop = G + m.Wds + g;
        above = G + m.Wds + S;
        securityTop = above + g;
        extraGaps = 1;
        break;
    }

    if (security == sgPersonal) {
        // The personal group's height is fixed: 141 covers it and its margins.
        layout.PassphraseTop = securityTop;
        layout.PassphraseHeight = PersonalGroupHeight;
        // One margin more than the group needs in a tab sheet with a taller tab row.
        layout.PageHeight = above + (1 + extraGaps) * g + 2 * mg + 141;
        layout.ButtonsTop = above + (2 + extraGaps) * g + mg + 141;
        layout.FormHeight = layout.ButtonsTop + BelowButtons * g;
        return layout;
    }
    int groupHeight = m.Key;
    if (security == sgEnterprise) {
        layout.PassphraseTop = securityTop;
        layout.PassphraseHeight = h;
        groupHeight = h;
    } else if (security == sgKeys) {
        layout.KeyTop = securityTop;
    }
    layout.PageHeight = above + groupHeight + (3 + extraGaps) * g + mg;
    layout.ButtonsTop = above + groupHeight + (4 + extraGaps) * g + mg;
    layout.FormHeight = layout.ButtonsTop + BelowButtons * g;
    return layout;
}
