#pragma once
// A TStrings whose strings live in a control (combo box items, memo lines, list
// box items); the control supplies the primitives. Objects are kept beside them.
#include "Classes.h"
#include "SysUtils.h"

#include <functional>
#include <vector>

class TCallbackStrings : public TStrings {
public:
    struct Access {
        std::function<int()> count;
        std::function<AnsiString(int)> get;
        std::function<void(int, const AnsiString&)> insert;
        std::function<void(int, const AnsiString&)> put;
        std::function<void(int)> remove;
        std::function<void()> clear;
    };

    explicit TCallbackStrings(Access access) : access_(std::move(access)) {}

    AnsiString Get(int index) const override
    {
        CheckIndex(index, GetCount());
        return access_.get(index);
    }
    int GetCount() const override { return access_.count(); }
    void Insert(int index, const AnsiString& s) override
    {
        if (index < 0 || index > GetCount())
            throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
        access_.insert(index, s);
        objects_.insert(objects_.begin() + std::min<size_t>(size_t(index), objects_.size()), nullptr);
    }
    void Put(int index, const AnsiString& s) override
    {
        CheckIndex(index, GetCount());
        access_.put(index, s);
    }
    void Delete(int index) override
    {
        CheckIndex(index, GetCount());
        access_.remove(index);
        if (size_t(index) < objects_.size())
            objects_.erase(objects_.begin() + index);
    }
    void Clear() override
    {
        access_.clear();
        objects_.clear();
    }
    TObject* GetObject(int index) const override
    {
        CheckIndex(index, GetCount());
        return size_t(index) < objects_.size() ? objects_[size_t(index)] : nullptr;
    }
    void PutObject(int index, TObject* object) override
    {
        CheckIndex(index, GetCount());
        if (objects_.size() < size_t(GetCount()))
            objects_.resize(size_t(GetCount()), nullptr);
        objects_[size_t(index)] = object;
    }

private:
    Access access_;
    std::vector<TObject*> objects_;
};
