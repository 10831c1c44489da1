#pragma once
// The class library's registry class on the registry file (see platform/win Registry.h
// for where the file lies and its form).
#include "AnsiString.h"
#include "Registry.h"
#include "SysUtils.h"
#include "System.h"

class ERegistryException : public Exception { using Exception::Exception; };

class TRegistry : public TObject {
public:
    TRegistry() : registry_(HKEY_CURRENT_USER) {}  // the class library's default root

    HKEY RootKey() const { return root_; }
    void SetRootKey(HKEY root) { root_ = root; registry_.SetRootKey(root); }

    bool OpenKey(const AnsiString& key, bool canCreate);
    bool OpenKeyReadOnly(const AnsiString& key) { return OpenKey(key, false); }
    bool KeyExists(const AnsiString& key) const;
    void CloseKey() { registry_.CloseKey(); }
    bool ValueExists(const AnsiString& name) const;
    // "" when the value is missing.
    AnsiString ReadString(const AnsiString& name) const;
    // ERegistryException when the value cannot be stored.
    void WriteString(const AnsiString& name, const AnsiString& value);
    AnsiString LastError() const { return registry_.LastError(); }

private:
    HKEY root_ = HKEY_CURRENT_USER;
    Registry registry_;
};
