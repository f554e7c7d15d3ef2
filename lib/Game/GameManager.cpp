#include "Game/GameManager.h"

#include "EVT/EventBus.h"
#include "EVT/EventType.h"
#include "EVT/Event_PreUpdate.h"
#include "EVT/Event_Screen.h"
#include "EVT/Event_Update.h"
#include "Game/TimerBase.h"
#include "Util/Abort.h"

namespace Game {

GameManager::GameManager(const int baseWidth, const int baseHeight, const int frameRate,
                         const int maxFrameSkip)
    : m_viewManager(std::make_unique<ViewManager>()), m_baseWidth(baseWidth == 0 ? 800 : baseWidth),
      m_baseHeight(baseHeight == 0 ? 600 : baseHeight),
      m_frameInterval(1000.0f / static_cast<float>(frameRate)), m_maxFrameSkip(maxFrameSkip) {
    // In this order: for each of these types the game manager is called before every consumer
    // that subscribes later, the keyboard device among them.
    EVT::EventBus& bus = EVT::EventBus::instance();
    for (const int type : {EVT::PAUSE, EVT::RESUME, EVT::SCREEN, EVT::PRE_UPDATE, EVT::UPDATE,
                           EVT::RENDER, EVT::MOUSE, EVT::JOYPAD, EVT::KEY, EVT::ENTER_LEAVE}) {
        bus.addConsumer(type, this);
    }
}

GameManager::~GameManager() = default;

void GameManager::getScreenSize(int& width, int& height) const {
    m_viewManager->getScreenSize(width, height);
}

void GameManager::getScreenScale(float& scaleX, float& scaleY) const {
    scaleX = static_cast<float>(m_screenWidth) / static_cast<float>(m_baseWidth);
    scaleY = static_cast<float>(m_screenHeight) / static_cast<float>(m_baseHeight);
}

void GameManager::addScreenWatcher(I_ScreenWatcher* const watcher) {
    if (m_screenWatchers.add(watcher)) {
        watcher->onScreenSize(m_screenWidth, m_screenHeight);
    }
}

void GameManager::removeScreenWatcher(I_ScreenWatcher* const watcher) {
    m_screenWatchers.remove(watcher);
}

void GameManager::addGameUpdated(I_GameUpdated* const listener) {
    m_gameUpdated.add(listener);
}

void GameManager::removeGameUpdated(I_GameUpdated* const listener) {
    m_gameUpdated.remove(listener);
}

double GameManager::getTime() const {
    return m_windowApp ? m_windowApp->getTime() : 0.0;
}

void GameManager::resetTime() {
    if (m_windowApp) {
        m_windowApp->resetTime();
    }
}

void GameManager::run() {
    if (m_windowApp == nullptr || !m_windowApp->initWindowApp()) {
        UTIL_ABORT("Failed to init window");
    }
    if (m_renderController) {
        m_renderController->init();
    }
    m_windowApp->run();
}

void GameManager::shutdown() {
    EVT::EventBus::instance().raiseEvent(EVT::QUIT, true);
}

void GameManager::handleEvent(EVT::I_Event* const event) {
    switch (event->type) {
    case EVT::PAUSE:
        setPause(true);
        break;
    case EVT::RESUME:
        setPause(false);
        break;
    case EVT::PRE_UPDATE:
        onPreUpdate(event);
        break;
    case EVT::UPDATE:
        onUpdate(event);
        break;
    case EVT::RENDER:
        onRender();
        break;
    case EVT::SCREEN:
        onScreenSize(event);
        break;
    case EVT::MOUSE:
    case EVT::ENTER_LEAVE:
    case EVT::KEY:
    case EVT::JOYPAD:
        m_viewManager->onInput(event);
        break;
    default:
        break;
    }
}

void GameManager::setPause(const bool paused) {
    TimerBase::setPause(paused);
    m_viewManager->setPause(paused);
    if (m_logicController) {
        m_logicController->setPause(paused);
    }
}

void GameManager::onPreUpdate(const EVT::I_Event* const event) {
    const auto* const preUpdate = dynamic_cast<const EVT::Event_PreUpdate*>(event);
    if (preUpdate == nullptr) {
        return;
    }
    m_lastFrameTime = preUpdate->dt;
    m_viewManager->preUpdate(m_lastFrameTime);
}

void GameManager::onUpdate(const EVT::I_Event* const event) {
    const auto* const update = dynamic_cast<const EVT::Event_Update*>(event);
    if (update == nullptr) {
        return;
    }
    m_lastFrameTime = update->dt;
    TimerBase::onUpdate(m_lastFrameTime);
    m_gameUpdated.forEach(
        [this](I_GameUpdated& listener) { listener.onGameUpdated(m_lastFrameTime); });
    if (m_logicController) {
        m_logicController->onUpdate(m_lastFrameTime);
    }
    m_viewManager->onUpdate(m_lastFrameTime);
}

void GameManager::onRender() {
    // Updates still run with the real frame time; only drawing and presenting are dropped, for
    // at most the configured number of renders in a row.
    if (m_skippedRenders < m_maxFrameSkip && m_lastFrameTime > m_frameInterval) {
        ++m_skippedRenders;
        return;
    }
    if (m_windowApp && m_windowApp->getClearWindow()) {
        m_windowApp->clearWindow(m_windowApp->getClearColor());
    }
    m_viewManager->onRender();
    if (m_windowApp) {
        m_windowApp->showWindow();
    }
    m_skippedRenders = 0;
}

void GameManager::onScreenSize(const EVT::I_Event* const event) {
    const auto* const screen = dynamic_cast<const EVT::Event_Screen*>(event);
    if (screen == nullptr) {
        return;
    }
    m_screenWidth = screen->width;
    m_screenHeight = screen->height;
    m_viewManager->setScreenSize(m_screenWidth, m_screenHeight);
    const int width = m_screenWidth;
    const int height = m_screenHeight;
    m_screenWatchers.forEach(
        [width, height](I_ScreenWatcher& watcher) { watcher.onScreenSize(width, height); });
}

} // namespace Game
