#pragma once
// Registry calls as the module makes them, on the registry file of RegistryFile.h
// (path: $VKA7410_REGISTRY, default "$HOME/.config/vka7410/registry.reg").
// Every call reads the file afresh; creating a key or writing a value writes the file
// back at once and fails (leaving the file as it was) when that is not possible.
#include "WinTypes.h"

#include <string>

struct RegistryKeyHandle;
using HKEY = RegistryKeyHandle*;
using REGSAM = DWORD;
using BYTE = unsigned char;

extern const HKEY HKEY_CLASSES_ROOT;
extern const HKEY HKEY_CURRENT_USER;
extern const HKEY HKEY_LOCAL_MACHINE;
extern const HKEY HKEY_USERS;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegCreateKeyExA(HKEY root, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                     REGSAM access, void* security, HKEY* result, DWORD* disposition);
// String values only (REG_SZ); `size` counts the terminating NUL. A null `data` asks
// for the size. ERROR_MORE_DATA when the buffer is too small.
LONG RegQueryValueExA(HKEY key, LPCSTR name, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* size);
LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);
LONG RegCloseKey(HKEY key);

// The same in the class library's shape: a root, one open key at a time.
class Registry {
public:
    explicit Registry(HKEY root = HKEY_LOCAL_MACHINE);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    void SetRootKey(HKEY root);
    // `key` is relative to the root ("\SOFTWARE\Tavrix\..."; leading '\' allowed).
    bool OpenKey(const std::string& key, bool canCreate);
    bool KeyExists(const std::string& key) const;
    void CloseKey();
    bool ValueExists(const std::string& name) const;
    // "" when the value is missing (or not a string).
    std::string ReadString(const std::string& name) const;
    bool WriteString(const std::string& name, const std::string& value);
    // Why the last call failed.
    const std::string& LastError() const { return lastError_; }

private:
    HKEY root_;
    HKEY current_ = nullptr;
    mutable std::string lastError_;
};
