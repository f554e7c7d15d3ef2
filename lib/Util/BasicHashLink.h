#pragma once

#include <memory>
#include <vector>

namespace Util {

// The process-wide pool of hash chain links for tables of Item. It only grows: links are
// allocated when none is free and go back to the heap only when the pool is destroyed at
// exit, so a table that has held n items inserts up to n items without allocating.
template <typename Item>
class BasicHashLink {
public:
    struct Link {
        Item* item;
        Link* next;
    };

    static BasicHashLink& instance() {
        static BasicHashLink s_instance;
        return s_instance;
    }

    BasicHashLink(const BasicHashLink&) = delete;
    BasicHashLink& operator=(const BasicHashLink&) = delete;

    virtual ~BasicHashLink() = default;

    // A free link holding the item, its next null.
    Link* takeLink(Item* const item) {
        if (m_freeLinks == nullptr) {
            initFreeLinksBlock();
        }
        Link* const link = m_freeLinks;
        m_freeLinks = link->next;
        *link = Link{item, nullptr};
        return link;
    }

    // Puts the link, emptied, first on the free list, so the next insert reuses it.
    void returnLink(Link* const link) {
        *link = Link{nullptr, m_freeLinks};
        m_freeLinks = link;
    }

    // Allocates a block of links and puts them on the free list in array order.
    void initFreeLinksBlock() {
        m_blocks.push_back(std::make_unique<Link[]>(m_blockSize));
        Link* const links = m_blocks.back().get();
        for (unsigned i = 0; i < m_blockSize; ++i) {
            links[i] = Link{nullptr, i + 1 < m_blockSize ? &links[i + 1] : m_freeLinks};
        }
        m_freeLinks = links;
    }

private:
    BasicHashLink() = default;

    // Every block allocated; the links point into them.
    std::vector<std::unique_ptr<Link[]>> m_blocks;
    Link* m_freeLinks = nullptr;
    const unsigned m_blockSize = 1;
};

} // namespace Util
