#pragma once

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"
#include "Util/Singleton.h"

#include <cstddef>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace EVT {

// The process-wide publish/subscribe channel. Delivery is synchronous and in subscription
// order, and re-entrant: while an event is delivered, consumers may raise further events,
// subscribe, unsubscribe and destroy consumers, themselves included.
class EventBus final : public Util::Singleton<EventBus> {
public:
    // A subscription: the consumer to call and its hashed id, which alone identifies it.
    using Entry = std::pair<I_EventConsumer*, unsigned long>;
    using EntryList = std::vector<Entry>;

    // Appends the consumer to the type's list; a consumer listed already keeps its place, and
    // its earliest removal requested during the delivery in progress is cancelled.
    void addConsumer(int type, I_EventConsumer* consumer);
    // During a delivery the removal waits for the outermost raise to finish, and the consumer
    // receives nothing more meanwhile.
    void removeConsumer(int type, I_EventConsumer* consumer);
    // From every type ever subscribed to, in ascending order.
    void removeConsumer(I_EventConsumer* consumer);
    // Raises a plain EVT::Event of the type.
    void raiseEvent(int type, bool queued);
    // Delivers the event to its type's consumers at once, nested inside a delivery in
    // progress. A queued raise during a delivery keeps a clone() instead, delivered when the
    // outermost raise has finished. The event stays the caller's.
    void raiseEvent(I_Event* event, bool queued);
    // Walks the types ever subscribed to and writes nothing: the bus keeps no debug output.
    void dump() const;

private:
    friend class Util::Singleton<EventBus>;
    EventBus() = default;
    ~EventBus() = default;

    void processEvent(I_Event* event);
    // The first entry of the list with the entry's id, or the list's end.
    EntryList::iterator findConsumer(const Entry& entry, EntryList& list) const;
    void removeEntry(int type, const Entry& entry);
    // Erases the first entry with the entry's id from the type's list; false when there is none.
    bool eraseFirst(std::map<int, EntryList>& lists, int type, const Entry& entry);
    bool isPendingRemoval(int type, const Entry& entry);
    void applyPendingRemovals();
    void deliverQueuedEvents();

    int m_depth = 0;
    // Queued copies go to the filling queue; the outermost raise swaps the two and delivers
    // the draining one, so that what its deliveries queue waits for the next outermost raise.
    std::vector<std::unique_ptr<I_Event>> m_filling;
    std::vector<std::unique_ptr<I_Event>> m_draining;
    // Every type ever subscribed to has a list here, possibly empty.
    std::map<int, EntryList> m_consumers;
    std::map<int, EntryList> m_pendingRemovals;
    std::size_t m_pendingCount = 0;
};

} // namespace EVT
