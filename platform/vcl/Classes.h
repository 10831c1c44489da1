#pragma once
// String lists and the owner/owned component tree of the class library.
#include "AnsiString.h"
#include "System.h"
#include <vector>

// ---------------------------------------------------------------------------------
// TStrings: an indexed list of strings, each with an optional object pointer (never
// owned). Derived lists implement the primitives; everything else is built on them.
// Indexes are 0-based; a bad index raises EStringListError.
class TStrings : public TObject {
public:
    ~TStrings() override = default;

    // Primitives.
    virtual AnsiString Get(int index) const = 0;
    virtual int GetCount() const = 0;
    virtual void Insert(int index, const AnsiString& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Put(int index, const AnsiString& s);  // default: delete and insert
    virtual TObject* GetObject(int index) const;        // default: none
    virtual void PutObject(int index, TObject* object); // default: ignored

    virtual int Add(const AnsiString& s);              // returns the new index
    virtual int AddObject(const AnsiString& s, TObject* object);
    void Append(const AnsiString& s) { Add(s); }
    void AddStrings(const TStrings& other);
    virtual void Assign(const TStrings& other);        // replaces strings and objects
    // Position of the first string equal to `s` ignoring case; -1 when absent.
    virtual int IndexOf(const AnsiString& s) const;
    int IndexOfObject(const TObject* object) const;
    void Exchange(int index1, int index2);
    void Move(int currentIndex, int newIndex);
    bool Equals(const TStrings& other) const;          // same strings, same order

    int Count() const { return GetCount(); }
    AnsiString Strings(int index) const { return Get(index); }
    void SetStrings(int index, const AnsiString& s) { Put(index, s); }
    AnsiString operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    // Every string followed by CR LF. The setter splits at CR LF, CR or LF.
    AnsiString Text() const;
    virtual void SetText(const AnsiString& text);
    // Comma-separated, items with blanks, commas or quotes in "" (quotes doubled).
    AnsiString CommaText() const;
    void SetCommaText(const AnsiString& text);
    // "name=value" lines.
    AnsiString Names(int index) const;
    AnsiString Values(const AnsiString& name) const;
    void SetValues(const AnsiString& name, const AnsiString& value);  // empty value removes
    int IndexOfName(const AnsiString& name) const;

    // Nesting counter; lists that repaint may override the state change.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Bytes as they are on disk; EFOpenError / EFCreateError on failure.
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName) const;

protected:
    virtual void SetUpdateState(bool updating) {}
    void CheckIndex(int index, int count) const;  // EStringListError

private:
    int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

// ---------------------------------------------------------------------------------
// TStringList: strings kept in memory; optionally sorted, with a duplicate rule.
class TStringList : public TStrings {
public:
    TStringList() = default;

    AnsiString Get(int index) const override;
    int GetCount() const override { return static_cast<int>(items_.size()); }
    void Insert(int index, const AnsiString& s) override;   // not on a sorted list
    void Delete(int index) override;
    void Clear() override;
    void Put(int index, const AnsiString& s) override;      // not on a sorted list
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    int AddObject(const AnsiString& s, TObject* object) override;
    int Add(const AnsiString& s) override { return AddObject(s, nullptr); }
    int IndexOf(const AnsiString& s) const override;

    // Binary search of a sorted list: true when found; `index` is the place either way.
    bool Find(const AnsiString& s, int& index) const;
    void Sort();

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;

private:
    struct Item {
        AnsiString text;
        TObject* object;
    };
    int Compare(const AnsiString& a, const AnsiString& b) const;
    void Changing();
    void Changed();

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

// ---------------------------------------------------------------------------------
// TComponent: a named object that may own others. Owned components are destroyed
// with their owner (last created first); a component destroyed first leaves its
// owner's list. Independent of Qt so that controls can derive from it.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;  // ERangeError for a bad index
    int ComponentIndex() const;                // position in the owner's list, -1 if none
    TComponent* FindComponent(const AnsiString& name) const;  // name compared ignoring case

    void InsertComponent(TComponent* component);  // takes ownership (leaves the old owner)
    void RemoveComponent(TComponent* component);  // gives up ownership, no delete
    // Destroys the owned components now; derived destructors that must outlive their
    // children's use of them call this first.
    void DestroyComponents();
    bool Destroying() const { return destroying_; }

    AnsiString Name() const { return name_; }
    virtual void SetName(const AnsiString& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

private:
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    AnsiString name_;
    int tag_ = 0;
    bool destroying_ = false;
};
