#include "Classes.h"
#include "SysUtils.h"

#include <fstream>
#include <iterator>
#include <sstream>

void TStrings::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

void TStrings::Put(int index, const AnsiString& s)
{
    TObject* object = GetObject(index);
    Delete(index);
    Insert(index, s);
    PutObject(index, object);
}

TObject* TStrings::GetObject(int index) const
{
    CheckIndex(index, GetCount());
    return nullptr;
}

void TStrings::PutObject(int index, TObject* object) {}

int TStrings::Add(const AnsiString& s)
{
    int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const AnsiString& s, TObject* object)
{
    int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& other)
{
    if (&other == this) {
        TStringList copy;
        copy.Assign(other);
        AddStrings(copy);
        return;
    }
    BeginUpdate();
    for (int i = 0; i < other.GetCount(); ++i)
        AddObject(other.Get(i), other.GetObject(i));
    EndUpdate();
}

void TStrings::Assign(const TStrings& other)
{
    if (&other == this)
        return;
    BeginUpdate();
    Clear();
    AddStrings(other);
    EndUpdate();
}

int TStrings::IndexOf(const AnsiString& s) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (AnsiCompareText(Get(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2)
{
    CheckIndex(index1, GetCount());
    CheckIndex(index2, GetCount());
    AnsiString s1 = Get(index1);
    TObject* o1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, s1);
    PutObject(index2, o1);
}

void TStrings::Move(int currentIndex, int newIndex)
{
    if (currentIndex == newIndex)
        return;
    CheckIndex(currentIndex, GetCount());
    CheckIndex(newIndex, GetCount());
    AnsiString s = Get(currentIndex);
    TObject* object = GetObject(currentIndex);
    BeginUpdate();
    Delete(currentIndex);
    Insert(newIndex, s);
    PutObject(newIndex, object);
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const
{
    if (GetCount() != other.GetCount())
        return false;
    for (int i = 0; i < GetCount(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

AnsiString TStrings::Text() const
{
    std::string out;
    for (int i = 0; i < GetCount(); ++i) {
        out += Get(i).ToStdString();
        out += "\r\n";
    }
    return AnsiString(std::move(out));
}

void TStrings::SetText(const AnsiString& text)
{
    BeginUpdate();
    Clear();
    const std::string& s = text.ToStdString();
    size_t start = 0;
    while (start < s.size()) {
        size_t end = s.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            Add(AnsiString(s.substr(start)));
            break;
        }
        Add(AnsiString(s.substr(start, end - start)));
        start = end + 1;
        if (s[end] == '\r' && start < s.size() && s[start] == '\n')
            ++start;
    }
    EndUpdate();
}

static bool NeedsQuotes(const std::string& s)
{
    if (s.empty())
        return true;
    for (char c : s)
        if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"')
            return true;
    return false;
}

AnsiString TStrings::CommaText() const
{
    if (GetCount() == 1 && Get(0).IsEmpty())
        return "\"\"";
    std::string out;
    for (int i = 0; i < GetCount(); ++i) {
        const std::string s = Get(i).ToStdString();
        if (i)
            out += ',';
        if (!NeedsQuotes(s) || (s.empty() && GetCount() > 1)) {
            out += s;
            continue;
        }
        out += '"';
        for (char c : s) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    return AnsiString(std::move(out));
}

void TStrings::SetCommaText(const AnsiString& text)
{
    const std::string& s = text.ToStdString();
    auto blank = [&](size_t i) {
        return i < s.size() && s[i] != '\0' && static_cast<unsigned char>(s[i]) <= ' ';
    };
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (blank(i))
        ++i;
    while (i < s.size()) {
        std::string item;
        if (s[i] == '"') {
            ++i;
            while (i < s.size()) {
                if (s[i] == '"') {
                    if (i + 1 < s.size() && s[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += s[i++];
            }
        } else {
            while (i < s.size() && static_cast<unsigned char>(s[i]) > ' ' && s[i] != ',')
                item += s[i++];
        }
        Add(AnsiString(std::move(item)));
        while (blank(i))
            ++i;
        if (i < s.size() && s[i] == ',') {
            do
                ++i;
            while (blank(i));
        } else if (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') {
            ++i;  // an embedded NUL ends nothing special; skip it
        }
    }
    EndUpdate();
}

AnsiString TStrings::Names(int index) const
{
    AnsiString line = Get(index);
    int eq = line.Pos("=");
    return eq ? line.SubString(1, eq - 1) : AnsiString();
}

int TStrings::IndexOfName(const AnsiString& name) const
{
    for (int i = 0; i < GetCount(); ++i) {
        AnsiString line = Get(i);
        int eq = line.Pos("=");
        if (eq && AnsiCompareText(line.SubString(1, eq - 1), name) == 0)
            return i;
    }
    return -1;
}

AnsiString TStrings::Values(const AnsiString& name) const
{
    int index = IndexOfName(name);
    if (index < 0)
        return AnsiString();
    AnsiString line = Get(index);
    return line.SubString(line.Pos("=") + 1, line.Length());
}

void TStrings::SetValues(const AnsiString& name, const AnsiString& value)
{
    int index = IndexOfName(name);
    if (value.IsEmpty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    if (index < 0)
        Add(name + "=" + value);
    else
        Put(index, name + "=" + value);
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromFile(const AnsiString& fileName)
{
    std::ifstream in(fileName.c_str(), std::ios::binary);
    if (!in)
        throw EFOpenError("Cannot open file \"" + fileName + "\"");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw EFOpenError("Cannot read file \"" + fileName + "\"");
    SetText(AnsiString(std::move(bytes)));
}

void TStrings::SaveToFile(const AnsiString& fileName) const
{
    std::ofstream out(fileName.c_str(), std::ios::binary | std::ios::trunc);
    if (!out)
        throw EFCreateError("Cannot create file \"" + fileName + "\"");
    const AnsiString text = Text();
    out.write(text.c_str(), text.Length());
    out.close();
    if (!out)
        throw EFCreateError("Cannot write file \"" + fileName + "\"");
}
