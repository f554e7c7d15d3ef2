#include "EVT/EventBus.h"

#include "EVT/Event.h"
#include "Util/CountGuard.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace EVT {

void EventBus::addConsumer(const int type, I_EventConsumer* const consumer) {
    const Entry entry(consumer, consumer->getID());
    EntryList& list = m_consumers[type];
    if (findConsumer(entry, list) == list.end()) {
        list.push_back(entry);
        return;
    }
    // Only a consumer still listed cancels a pending removal: one that was never listed is
    // appended above and still erased when the outermost raise finishes.
    if (eraseFirst(m_pendingRemovals, type, entry)) {
        --m_pendingCount;
    }
}

void EventBus::removeConsumer(const int type, I_EventConsumer* const consumer) {
    removeEntry(type, Entry(consumer, consumer->getID()));
}

void EventBus::removeConsumer(I_EventConsumer* const consumer) {
    for (const auto& typeList : m_consumers) {
        removeConsumer(typeList.first, consumer);
    }
}

void EventBus::raiseEvent(const int type, const bool queued) {
    Event event(type);
    raiseEvent(&event, queued);
}

void EventBus::raiseEvent(I_Event* const event, const bool queued) {
    if (queued && m_depth > 0) {
        m_filling.emplace_back(event->clone());
        return;
    }
    processEvent(event);
    if (m_depth > 0 || (m_pendingCount == 0 && m_filling.empty())) {
        return;
    }
    applyPendingRemovals();
    deliverQueuedEvents();
}

void EventBus::dump() const {
    for (const auto& typeList : m_consumers) {
        static_cast<void>(typeList);
    }
}

void EventBus::processEvent(I_Event* const event) {
    const int type = event->type;
    const auto found = m_consumers.find(type);
    if (found == m_consumers.end()) {
        return;
    }
    // Walked by index: a consumer subscribing to this type during its call appends to the
    // list, which may move it, and is called in this same walk. Nothing is erased meanwhile.
    const EntryList& list = found->second;
    // Lowered again also when a consumer throws, so that later removals and queued events
    // still find their outermost raise.
    const Util::CountGuard depth(m_depth);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Entry entry = list[i];
        if (m_pendingCount == 0 || !isPendingRemoval(type, entry)) {
            entry.first->handleEvent(event);
        }
    }
}

EventBus::EntryList::iterator EventBus::findConsumer(const Entry& entry, EntryList& list) const {
    return std::find_if(list.begin(), list.end(),
                        [&entry](const Entry& listed) { return listed.second == entry.second; });
}

void EventBus::removeEntry(const int type, const Entry& entry) {
    if (m_depth > 0) {
        m_pendingRemovals[type].push_back(entry);
        ++m_pendingCount;
        return;
    }
    eraseFirst(m_consumers, type, entry);
}

bool EventBus::eraseFirst(std::map<int, EntryList>& lists, const int type, const Entry& entry) {
    const auto found = lists.find(type);
    if (found == lists.end()) {
        return false;
    }
    const auto listed = findConsumer(entry, found->second);
    if (listed == found->second.end()) {
        return false;
    }
    found->second.erase(listed);
    return true;
}

bool EventBus::isPendingRemoval(const int type, const Entry& entry) {
    const auto pending = m_pendingRemovals.find(type);
    return pending != m_pendingRemovals.end() &&
           findConsumer(entry, pending->second) != pending->second.end();
}

void EventBus::applyPendingRemovals() {
    for (auto& typeRequests : m_pendingRemovals) {
        for (const Entry& entry : typeRequests.second) {
            removeEntry(typeRequests.first, entry);
        }
        typeRequests.second.clear();
    }
    m_pendingCount = 0;
}

void EventBus::deliverQueuedEvents() {
    std::swap(m_filling, m_draining);
    std::size_t next = 0;
    try {
        for (; next < m_draining.size(); ++next) {
            processEvent(m_draining[next].get());
            m_draining[next].reset();
        }
    } catch (...) {
        // The copies not yet delivered wait for the next outermost raise, ahead of what was
        // queued since; the one whose delivery threw is dropped with the delivered ones.
        m_filling.insert(
            m_filling.begin(),
            std::make_move_iterator(m_draining.begin() + static_cast<std::ptrdiff_t>(next) + 1),
            std::make_move_iterator(m_draining.end()));
        m_draining.clear();
        throw;
    }
    m_draining.clear();
}

} // namespace EVT
