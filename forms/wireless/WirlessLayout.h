#pragma once
// Where the groups of Home / Wireless sit below its first group, as a function of the
// mode's groups, the security group shown and the layout metrics. Pure: the form
// applies the result to its controls.

// The metrics: first group G (271, less the application row when it is hidden),
// WDS W, site survey S, key K, passphrase P, MAC clone L, gap g, margin m. `Spare` is
// a further entry of the set that the layout does not read.
struct TLayoutMetrics {
    int FirstGroup = 271;
    int Spare = 120;
    int Wds = 90;
    int Survey = 118;
    int Key = 100;
    int Passphrase = 252;
    int Clone = 177;
    int Gap = 10;
    int Margin = 5;
};

// The groups a mode shows under the first group.
enum TModeGroups {
    mgSecurityOnly,   // Access Point
    mgSurveyClone,    // Wireless Client, and WDS with AP in the restricted case
    mgWdsSurvey,      // WDS with AP, WDS
};
// The security group: keys (open, shared), passphrase (WPA-Personal), RADIUS
// (WPA-Enterprise), or none when no security item is selected.
enum TSecurityGroup { sgKeys, sgPersonal, sgEnterprise, sgNone };

// The site survey group is shown this much shorter than its metric (its list three
// rows high), and the groups below it follow, so that a client's form fits a 768-line
// screen.
const int SurveyTrim = 30;
// Height of the passphrase group with WPA-Personal.
const int PersonalGroupHeight = 124;
// The form ends this many gaps below the buttons' top: room for the buttons and the
// status bar, so that the tallest case (a client with WPA-Personal) fits a 768-line
// screen with its title bar.
const int BelowButtons = 5;
// WPA-Enterprise makes the passphrase group this much shorter than its metric.
const int EnterpriseShrink = 44;

struct TWirelessLayout {
    int WdsTop = -1;         // -1: the group is hidden
    int SurveyTop = -1;
    int CloneTop = -1;
    int KeyTop = -1;
    int PassphraseTop = -1;
    int PassphraseHeight = 0;
    int PageHeight = 0;
    int ButtonsTop = 0;
    int FormHeight = 0;
};

TWirelessLayout WirelessLayoutFor(TModeGroups groups, TSecurityGroup security, const TLayoutMetrics& m);
