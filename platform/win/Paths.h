#pragma once
// Paths as the module's Windows-born code writes them: '\' separators (from the
// registry or the original design), '/' accepted as well, and folder names whose case
// does not match the disk ("errMSg\" for "errmsg/"). Results use '/'.
#include <string>

// '\' becomes '/', runs of separators collapse to one (a leading "//" too).
std::string NormalizeSeparators(const std::string& path);

// Folder and name joined with exactly one '/' between them; an empty folder gives the name.
std::string JoinPaths(const std::string& folder, const std::string& name);

// Everything up to and including the last '\' or '/' ("" when none).
std::string ExtractFilePath(const std::string& path);
// Everything after the last '\' or '/'.
std::string ExtractFileName(const std::string& path);
// The extension with its dot (".cfg"), "" when the name has none.
std::string ExtractFileExt(const std::string& path);

// The entry of `folder` whose name equals `name` ignoring case (an exact match wins;
// otherwise the first in byte order); "" when there is none. Returns the full path.
std::string FindChildIgnoringCase(const std::string& folder, const std::string& name);

// The path on disk for a path written with either separator and any case: each part
// that does not exist as written is looked up ignoring case. Parts that cannot be
// found stay as written, so opening the result fails the ordinary way. A trailing
// separator is kept.
std::string ResolvePath(const std::string& path);
