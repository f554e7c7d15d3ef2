#pragma once

#include "EVT/I_Event.h"
#include "Game/I_View.h"

#include <vector>

namespace Game {

// Keeps the views as a stack, the first added at the bottom, and passes the game manager's
// calls on to them. Additions and removals wait for the next update, render or input pass, so
// that a view may add or remove views, itself included, while it is being called. The views
// are not owned.
class ViewManager {
public:
    // Queues the view for adding and tells it the screen size at once.
    void add(I_View* view);
    // Queues the view for removal; update, render and input skip it from now on.
    void remove(I_View* view);
    void setPause(bool paused);
    // Tells the views a size that differs from the one stored.
    void setScreenSize(int width, int height);
    void preUpdate(float frameTime);
    void onUpdate(float frameTime);
    void onRender();
    // Offers the event to the views from the top down until one consumes it.
    void onInput(EVT::I_Event* event);
    void getScreenSize(int& width, int& height) const;
    // False while a removal of the view is queued.
    bool viewStillValid(const I_View* view) const;
    // Applies the queued additions and removals in the order they were asked for. While a pass
    // over the views is in progress it does nothing: the next update, render or input pass
    // applies them.
    void doPendingUpdates();

private:
    struct Request {
        I_View* view;
        bool adding;
    };

    // Calls every listed view, bottom first, or only those still valid.
    template <typename Call>
    void forEachView(bool validOnly, const Call& call);

    int m_width = 0;
    int m_height = 0;
    std::vector<I_View*> m_views;
    std::vector<Request> m_pending;
    // Passes over the views in progress; the list changes only while there is none.
    int m_walks = 0;
};

} // namespace Game
