#include "Game/ViewManager.h"

#include "Util/CountGuard.h"

#include <algorithm>
#include <cstddef>

namespace Game {

void ViewManager::add(I_View* const view) {
    m_pending.push_back(Request{view, true});
    view->setScreenSize(m_width, m_height);
}

void ViewManager::remove(I_View* const view) {
    m_pending.push_back(Request{view, false});
}

void ViewManager::setPause(const bool paused) {
    forEachView(false, [paused](I_View& view) { view.setPause(paused); });
}

void ViewManager::setScreenSize(const int width, const int height) {
    if (width == m_width && height == m_height) {
        return;
    }
    m_width = width;
    m_height = height;
    forEachView(false, [width, height](I_View& view) { view.setScreenSize(width, height); });
}

void ViewManager::preUpdate(const float frameTime) {
    forEachView(false, [frameTime](I_View& view) { view.preUpdate(frameTime); });
}

void ViewManager::onUpdate(const float frameTime) {
    doPendingUpdates();
    forEachView(true, [frameTime](I_View& view) { view.onUpdate(frameTime); });
}

void ViewManager::onRender() {
    doPendingUpdates();
    forEachView(true, [](I_View& view) { view.onRender(); });
}

void ViewManager::onInput(EVT::I_Event* event) {
    doPendingUpdates();
    if (event == nullptr) {
        return;
    }
    const Util::CountGuard walk(m_walks);
    for (std::size_t i = m_views.size(); i > 0 && event != nullptr; --i) {
        I_View* const view = m_views[i - 1];
        if (viewStillValid(view)) {
            event = view->onInput(event);
        }
    }
}

void ViewManager::getScreenSize(int& width, int& height) const {
    width = m_width;
    height = m_height;
}

bool ViewManager::viewStillValid(const I_View* const view) const {
    return std::none_of(m_pending.begin(), m_pending.end(), [view](const Request& request) {
        return !request.adding && request.view == view;
    });
}

void ViewManager::doPendingUpdates() {
    if (m_walks > 0) {
        return;
    }
    for (const Request& request : m_pending) {
        if (request.adding) {
            m_views.push_back(request.view);
            continue;
        }
        const auto listed = std::find(m_views.begin(), m_views.end(), request.view);
        if (listed != m_views.end()) {
            m_views.erase(listed);
        }
    }
    m_pending.clear();
}

template <typename Call>
void ViewManager::forEachView(const bool validOnly, const Call& call) {
    const Util::CountGuard walk(m_walks);
    for (I_View* const view : m_views) {
        if (!validOnly || viewStillValid(view)) {
            call(*view);
        }
    }
}

} // namespace Game
