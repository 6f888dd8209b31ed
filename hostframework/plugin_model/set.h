#pragma once

// An ordered set of pointers that does not own its members: appending a member already there
// changes nothing, positions count from 1 in insertion order. Every set counts in one statistics
// entry, whatever its member type.

#include "hostframework/host_error.h"
#include "hostframework/plugin_model/statistics_entry.h"
#include "hostframework/plugin_model/void_ptr_map.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <new>

// "Maximum # of CSet<T>": the live sets and the most there were at once.
CStatisticsEntry& GetSetStatistics();

template <typename T>
class CSet {
public:
    struct SNode {
        T* value;
        SNode* next;
        SNode* previous;
    };

    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T**;
        using reference = T*;

        explicit Iterator(const SNode* node = nullptr) : node(node) {}
        T* operator*() const { return node->value; }
        Iterator& operator++()
        {
            node = node->next;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            node = node->next;
            return before;
        }
        bool operator==(const Iterator& other) const { return node == other.node; }

    private:
        const SNode* node;
    };

    CSet() { GetSetStatistics().Add(); }
    CSet(const CSet&) = delete;
    CSet& operator=(const CSet&) = delete;
    ~CSet()
    {
        Clear();
        GetSetStatistics().Remove();
    }

    // The member's node; a new member goes to the end.
    SNode* Append(T* value)
    {
        if (SNode* present = Find(value))
            return present;
        auto* node = new (std::nothrow) SNode{value, nullptr, last};
        if (node == nullptr)
            throw CHostError(kHostErrContainerFailure);
        try {
            index.Set(key(value), reinterpret_cast<std::uintptr_t>(node));
        } catch (...) {
            delete node;
            throw;
        }
        (last != nullptr ? last->next : first) = node;
        last = node;
        ++count;
        return node;
    }

    void Remove(T* value)
    {
        SNode* node = Find(value);
        if (node == nullptr)
            return;
        (node->previous != nullptr ? node->previous->next : first) = node->next;
        (node->next != nullptr ? node->next->previous : last) = node->previous;
        index.Erase(key(value));
        delete node;
        --count;
    }

    SNode* Find(T* value) const { return reinterpret_cast<SNode*>(index.Find(key(value))); }

    // The member at a 1-based position; null outside 1..Count.
    T* At(std::int32_t position) const
    {
        if (position < 1 || position > count)
            return nullptr;
        const SNode* node = first;
        for (std::int32_t step = 1; step < position; ++step)
            node = node->next;
        return node->value;
    }

    std::int32_t Count() const { return count; }

    void Clear()
    {
        while (first != nullptr) {
            SNode* next = first->next;
            index.Erase(key(first->value));
            delete first;
            first = next;
        }
        last = nullptr;
        count = 0;
    }

    void AppendAll(const CSet& other)
    {
        for (T* member : other)
            Append(member);
    }

    void Assign(const CSet& other)
    {
        if (&other == this)
            return;
        Clear();
        AppendAll(other);
    }

    // For sets that own their members after all. Each member leaves the set before it is deleted,
    // since members such as ports leave their sets themselves when destroyed.
    void DeleteAll()
    {
        while (first != nullptr) {
            T* member = first->value;
            Remove(member);
            delete member;
        }
    }

    Iterator begin() const { return Iterator(first); }
    Iterator end() const { return Iterator(); }

private:
    static std::uintptr_t key(T* value) { return reinterpret_cast<std::uintptr_t>(value); }

    SNode* first = nullptr;
    SNode* last = nullptr;
    std::int32_t count = 0;
    CVoidPtrMap index;
};
