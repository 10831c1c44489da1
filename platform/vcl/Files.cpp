// File-name helpers of the class library on the platform's path rules.
#include "Paths.h"
#include "SysUtils.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

AnsiString ExtractFilePath(const AnsiString& path)
{
    return AnsiString(::ExtractFilePath(path.ToStdString()));
}

AnsiString ExtractFileName(const AnsiString& path)
{
    return AnsiString(::ExtractFileName(path.ToStdString()));
}

AnsiString ExtractFileExt(const AnsiString& path)
{
    return AnsiString(::ExtractFileExt(path.ToStdString()));
}

AnsiString ChangeFileExt(const AnsiString& path, const AnsiString& extension)
{
    const int nameStart = path.LastDelimiter("\\/") + 1;
    const int dot = path.LastDelimiter(".");
    const int keep = dot >= nameStart && dot > 0 ? dot - 1 : path.Length();
    return path.SubString(1, keep) + extension;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path)
{
    if (!path.IsEmpty() && path.IsPathDelimiter(path.Length()))
        return path;
    return path + "/";
}

AnsiString ExpandFileName(const AnsiString& path)
{
    std::string resolved = ResolvePath(path.ToStdString());
    if (resolved.empty() || resolved.front() != '/')
        resolved = JoinPaths(GetCurrentDir().ToStdString(), resolved);
    return AnsiString(resolved);
}

static bool StatResolved(const AnsiString& path, struct stat& info)
{
    if (path.IsEmpty())
        return false;
    return ::stat(ResolvePath(path.ToStdString()).c_str(), &info) == 0;
}

bool FileExists(const AnsiString& path)
{
    struct stat info;
    return StatResolved(path, info) && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const AnsiString& path)
{
    struct stat info;
    return StatResolved(path, info) && S_ISDIR(info.st_mode);
}

AnsiString GetCurrentDir()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? AnsiString(buffer) : AnsiString();
}
