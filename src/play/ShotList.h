// The records of a shot pool in flight or dying, in firing order: a list
// linked through two arrays indexed by the records' pool indexes. Adding a
// shot and taking one out are a few writes each, and nothing is allocated
// once the arrays have the pool's size (reset gives them that size).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

class ShotList {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::int32_t;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::int32_t*;
        using reference = std::int32_t;

        iterator() = default;
        std::int32_t operator*() const { return at; }
        iterator& operator++()
        {
            at = list->next[static_cast<std::size_t>(at)];
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator& other) const { return at == other.at; }
        bool operator!=(const iterator& other) const { return at != other.at; }

    private:
        friend class ShotList;
        iterator(const ShotList* list, std::int32_t at) : list(list), at(at) {}
        const ShotList* list = nullptr;
        std::int32_t at = none;
    };

    // Empty, with room for the indexes below the capacity.
    void reset(std::size_t capacity)
    {
        clear();
        previous.assign(capacity, unlisted);
        next.assign(capacity, unlisted);
    }

    void clear()
    {
        for (std::int32_t at = head; at != none;) {
            const std::int32_t after = next[static_cast<std::size_t>(at)];
            previous[static_cast<std::size_t>(at)] = next[static_cast<std::size_t>(at)] = unlisted;
            at = after;
        }
        head = tail = none;
        count = 0;
    }

    // The index joins at the back; one already listed moves there, so that a
    // record is never stepped twice. The arrays grow for an index beyond
    // them; a negative index is no record and is left out.
    void push_back(std::int32_t index)
    {
        if (index < 0)
            return;
        const std::size_t at = static_cast<std::size_t>(index);
        if (at >= previous.size()) {
            previous.resize(at + 1, unlisted);
            next.resize(at + 1, unlisted);
        }
        if (previous[at] != unlisted)
            unlink(index);
        previous[at] = tail;
        next[at] = none;
        (tail == none ? head : next[static_cast<std::size_t>(tail)]) = index;
        tail = index;
        ++count;
    }

    // Takes the shot out and gives the one after it (the end for a position
    // that lists nothing).
    iterator erase(iterator position)
    {
        if (!contains(position.at))
            return end();
        const std::int32_t after = next[static_cast<std::size_t>(position.at)];
        unlink(position.at);
        return {this, after};
    }

    bool contains(std::int32_t index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < previous.size() &&
               previous[static_cast<std::size_t>(index)] != unlisted;
    }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    std::int32_t front() const { return head; }
    std::int32_t back() const { return tail; }
    iterator begin() const { return {this, head}; }
    iterator end() const { return {this, none}; }

private:
    // In `next` and `previous`: the end of the list either way; in both: an
    // index that is not listed.
    static constexpr std::int32_t none = -1;
    static constexpr std::int32_t unlisted = -2;

    void unlink(std::int32_t index)
    {
        const std::size_t at = static_cast<std::size_t>(index);
        const std::int32_t before = previous[at];
        const std::int32_t after = next[at];
        (before == none ? head : next[static_cast<std::size_t>(before)]) = after;
        (after == none ? tail : previous[static_cast<std::size_t>(after)]) = before;
        previous[at] = next[at] = unlisted;
        --count;
    }

    std::vector<std::int32_t> previous;
    std::vector<std::int32_t> next;
    std::int32_t head = none;
    std::int32_t tail = none;
    std::size_t count = 0;
};
