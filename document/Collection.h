#pragma once
// Ordered collections of owned items (page items, form fields, themes).

#include "document/Persistent.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvin {

// An index outside the collection; callers that expect it catch this kind.
class EListError : public std::out_of_range {
public:
    explicit EListError(long index);
};

class CollectionBase {
public:
    virtual ~CollectionBase() = default;
    virtual int Count() const = 0;
    virtual Persistent& ItemAt(int index) = 0;
    virtual Persistent& AddItem() = 0;
    virtual void Clear() = 0;
};

template <class Item>
class Collection : public CollectionBase {
public:
    int Count() const override { return static_cast<int>(items_.size()); }

    Item& Items(int index) const
    {
        CheckIndex(index, Count() - 1);
        return *items_[static_cast<std::size_t>(index)];
    }

    Item& Add() { return *items_.emplace_back(std::make_unique<Item>()); }

    // Creates a new item at index (0 to Count), the others moving down.
    Item& Insert(int index)
    {
        CheckIndex(index, Count());
        auto it = items_.insert(items_.begin() + index, std::make_unique<Item>());
        return **it;
    }

    void Delete(int index)
    {
        CheckIndex(index, Count() - 1);
        items_.erase(items_.begin() + index);
    }

    // The item at from ends up at to, the others shifting.
    void Move(int from, int to)
    {
        CheckIndex(from, Count() - 1);
        CheckIndex(to, Count() - 1);
        auto item = std::move(items_[static_cast<std::size_t>(from)]);
        items_.erase(items_.begin() + from);
        items_.insert(items_.begin() + to, std::move(item));
    }

    void Clear() override { items_.clear(); }

    Persistent& ItemAt(int index) override { return Items(index); }
    Persistent& AddItem() override { return Add(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    static void CheckIndex(int index, int last)
    {
        if (index < 0 || index > last)
            throw EListError(index);
    }

    std::vector<std::unique_ptr<Item>> items_;
};

} // namespace tarvin
