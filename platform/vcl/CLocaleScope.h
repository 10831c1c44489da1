#pragma once
// Switches the calling thread to the "C" locale for the scope's life, so that the C
// library's number formatting and parsing use "." whatever the desktop's locale
// (Qt applications adopt the environment's locale at start-up).
#include <locale.h>

class CLocaleScope {
public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};
