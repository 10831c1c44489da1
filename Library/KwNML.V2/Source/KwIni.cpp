#include "KwIni.h"

#include "Profile.h"

namespace {

const int ValueBufferSize = 4096;

}  // namespace

AnsiString KwIni::ReadString(const AnsiString& section, const AnsiString& key,
                             const AnsiString& defaultValue) const
{
    char buffer[ValueBufferSize] = {};
    DWORD count = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                           buffer, ValueBufferSize, FileName.c_str());
    if (count == 0)
        return defaultValue;
    return AnsiString(buffer, static_cast<int>(count)).Trim();
}

AnsiString JoinPath(const AnsiString& folder, const AnsiString& name)
{
    if (folder.IsEmpty())
        return name;
    if (folder[folder.Length()] == '\\')
        return folder + name;
    return folder + "\\" + name;
}
