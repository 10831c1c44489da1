#pragma once
// The registry as one text file in REGEDIT4 form:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Tavrix\NVane5.1\ExePath]
//   "Path"="/opt/nvane/bin/"
//   @="the key's default value"
//
// The file's path is the environment variable VKA7410_REGISTRY, or
// "$HOME/.config/vka7410/registry.reg" when it is unset or empty.
// Key and value names are compared without regard to case. String values use the
// escapes \\ and \". Lines the module does not understand (comments, other value
// types such as dword: or hex:) are kept as they are when the file is written back.
// A file without the REGEDIT4 header (or "Windows Registry Editor Version 5.00") is
// treated as holding nothing and is never overwritten. Writes go to a temporary file
// in the same folder that then replaces the original, so a failed write loses nothing.
#include <string>
#include <vector>

class RegistryFile {
public:
    static std::string DefaultPath();

    explicit RegistryFile(std::string path = DefaultPath());

    // Reads the file. A missing file is an empty registry (true); an unreadable or
    // malformed one gives false and Error() says why.
    bool Load();
    // Writes the file back (creating its folder when needed); false with Error() set.
    bool Save();

    // Full key paths start with the root name, e.g. "HKEY_LOCAL_MACHINE\SOFTWARE\x".
    // Separators may be '\' (or '/'); doubled and trailing separators do not count.
    bool KeyExists(const std::string& key) const;
    // False when the key or value is missing or the value is not a string.
    // An empty value name means the default value "@".
    bool ReadString(const std::string& key, const std::string& name, std::string& value) const;
    void CreateKey(const std::string& key);
    // False (nothing changed) for values that the file form cannot hold (CR or LF).
    bool SetString(const std::string& key, const std::string& name, const std::string& value);

    const std::string& Path() const { return path_; }
    const std::string& Error() const { return error_; }
    bool Malformed() const { return malformed_; }

    static std::string CanonicalKey(const std::string& key);

private:
    struct Entry {
        bool isString = false;  // a "name"="text" line
        bool isValue = false;   // any value line (strings and other types)
        std::string name;       // value name; "" for @
        std::string text;       // decoded string value
        std::string raw;        // the line(s) as read or as they will be written
    };
    struct Section {
        std::string key;        // canonical form
        std::string header;     // the header line as read
        std::vector<Entry> entries;
    };

    Section* FindSection(const std::string& canonicalKey);
    const Section* FindSection(const std::string& canonicalKey) const;
    static Entry ParseLine(const std::string& line);
    static std::string Escape(const std::string& text);

    std::string path_;
    std::string error_;
    bool malformed_ = false;
    std::vector<std::string> preamble_;  // header and lines before the first key
    std::vector<Section> sections_;
};
