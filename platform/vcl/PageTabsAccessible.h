#pragma once
// Page tabs for assistive technology: each tab reports whether it is selected.
class QTabBar;

// Makes every tab bar made afterwards report its tabs so (once per program).
void InstallPageTabsAccessible();
// Tells assistive technology that the tab bar's selection moved from `previous`.
void AnnouncePageSelected(QTabBar* bar, int previous);
