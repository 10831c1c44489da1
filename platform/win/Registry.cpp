#include "Registry.h"
#include "RegistryFile.h"

#include <cstring>

struct RegistryKeyHandle {
    std::string path;  // full key path, root name first
    bool predefined;
};

namespace {
RegistryKeyHandle classesRoot{"HKEY_CLASSES_ROOT", true};
RegistryKeyHandle currentUser{"HKEY_CURRENT_USER", true};
RegistryKeyHandle localMachine{"HKEY_LOCAL_MACHINE", true};
RegistryKeyHandle users{"HKEY_USERS", true};

std::string& LastRegistryError()
{
    static thread_local std::string error;
    return error;
}

std::string SubPath(HKEY root, LPCSTR subKey)
{
    std::string sub = RegistryFile::CanonicalKey(subKey ? subKey : "");
    return sub.empty() ? root->path : root->path + "\\" + sub;
}
}  // namespace

const HKEY HKEY_CLASSES_ROOT = &classesRoot;
const HKEY HKEY_CURRENT_USER = &currentUser;
const HKEY HKEY_LOCAL_MACHINE = &localMachine;
const HKEY HKEY_USERS = &users;

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD, REGSAM, HKEY* result)
{
    if (!root || !result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    RegistryFile file;
    if (!file.Load()) {
        LastRegistryError() = file.Error();
        return ERROR_BADDB;
    }
    const std::string path = SubPath(root, subKey);
    if (path != root->path && !file.KeyExists(path))
        return ERROR_FILE_NOT_FOUND;
    *result = new RegistryKeyHandle{path, false};
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY root, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, void*, HKEY* result,
                     DWORD* disposition)
{
    if (!root || !result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    RegistryFile file;
    if (!file.Load()) {
        LastRegistryError() = file.Error();
        return ERROR_BADDB;
    }
    const std::string path = SubPath(root, subKey);
    if (path.find_first_of("\r\n") != std::string::npos) {
        LastRegistryError() = "a registry key in the file cannot hold a line break";
        return ERROR_INVALID_PARAMETER;
    }
    const bool exists = path == root->path || file.KeyExists(path);
    if (!exists) {
        file.CreateKey(path);
        if (!file.Save()) {
            LastRegistryError() = file.Error();
            return ERROR_ACCESS_DENIED;
        }
    }
    if (disposition)
        *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = new RegistryKeyHandle{path, false};
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, LPCSTR name, DWORD*, DWORD* type, BYTE* data, DWORD* size)
{
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    RegistryFile file;
    if (!file.Load()) {
        LastRegistryError() = file.Error();
        return ERROR_BADDB;
    }
    std::string value;
    if (!file.ReadString(key->path, name ? name : "", value))
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = REG_SZ;
    const DWORD needed = static_cast<DWORD>(value.size() + 1);
    if (!size)
        return ERROR_SUCCESS;
    if (!data) {
        *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, value.c_str(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    if (!key || key->predefined)
        return ERROR_INVALID_HANDLE;
    if (type != REG_SZ || (!data && size))
        return ERROR_INVALID_PARAMETER;
    std::string value = data ? std::string(reinterpret_cast<const char*>(data), size) : "";
    size_t nul = value.find('\0');
    if (nul != std::string::npos)
        value.resize(nul);
    RegistryFile file;
    if (!file.Load()) {
        LastRegistryError() = file.Error();
        return ERROR_BADDB;
    }
    if (!file.SetString(key->path, name ? name : "", value)) {
        LastRegistryError() = file.Error();
        return ERROR_INVALID_PARAMETER;
    }
    if (!file.Save()) {
        LastRegistryError() = file.Error();
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key)
{
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (!key->predefined)
        delete key;
    return ERROR_SUCCESS;
}

// --- Registry ----------------------------------------------------------------------

Registry::Registry(HKEY root) : root_(root) {}

Registry::~Registry() { CloseKey(); }

void Registry::SetRootKey(HKEY root)
{
    CloseKey();
    root_ = root;
}

static std::string ErrorText(LONG code)
{
    if (!LastRegistryError().empty())
        return LastRegistryError();
    return code == ERROR_FILE_NOT_FOUND ? "not found" : "registry error " + std::to_string(code);
}

bool Registry::OpenKey(const std::string& key, bool canCreate)
{
    CloseKey();
    LastRegistryError().clear();
    HKEY opened = nullptr;
    LONG code = canCreate ? RegCreateKeyExA(root_, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                            nullptr, &opened, nullptr)
                          : RegOpenKeyExA(root_, key.c_str(), 0, KEY_READ, &opened);
    if (code != ERROR_SUCCESS) {
        lastError_ = ErrorText(code);
        return false;
    }
    current_ = opened;
    return true;
}

bool Registry::KeyExists(const std::string& key) const
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root_, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

void Registry::CloseKey()
{
    if (current_)
        RegCloseKey(current_);
    current_ = nullptr;
}

bool Registry::ValueExists(const std::string& name) const
{
    return current_ && RegQueryValueExA(current_, name.c_str(), nullptr, nullptr, nullptr,
                                        nullptr) == ERROR_SUCCESS;
}

std::string Registry::ReadString(const std::string& name) const
{
    if (!current_) {
        lastError_ = "no key is open";
        return std::string();
    }
    LastRegistryError().clear();
    DWORD size = 0;
    LONG code = RegQueryValueExA(current_, name.c_str(), nullptr, nullptr, nullptr, &size);
    if (code != ERROR_SUCCESS) {
        lastError_ = ErrorText(code);
        return std::string();
    }
    std::string value(size, '\0');
    code = RegQueryValueExA(current_, name.c_str(), nullptr, nullptr,
                            reinterpret_cast<BYTE*>(&value[0]), &size);
    if (code != ERROR_SUCCESS) {
        lastError_ = ErrorText(code);
        return std::string();
    }
    value.resize(size ? size - 1 : 0);
    return value;
}

bool Registry::WriteString(const std::string& name, const std::string& value)
{
    if (!current_) {
        lastError_ = "no key is open";
        return false;
    }
    LastRegistryError().clear();
    LONG code = RegSetValueExA(current_, name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1));
    if (code != ERROR_SUCCESS) {
        lastError_ = ErrorText(code);
        return false;
    }
    return true;
}
