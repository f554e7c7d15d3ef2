#pragma once

#include "EVT/I_Event.h"
#include "EVT/I_EventConsumer.h"
#include "Game/I_GameUpdated.h"
#include "Game/I_LogicController.h"
#include "Game/I_ScreenWatcher.h"
#include "Game/I_WindowApp.h"
#include "Game/StableList.h"
#include "Game/ViewManager.h"
#include "Render/I_RenderController.h"
#include "Sound/I_SoundController.h"

#include <memory>

namespace Game {

// The coordinator every part of a game receives. It holds the application's exchangeable
// services, owns the view manager and turns the frame events of the main loop into calls on
// the timers, the listeners, the logic and the views; it decides on every render event whether
// the frame is drawn or skipped.
class GameManager : public EVT::I_EventConsumer {
public:
    // A base size of 0 stands for 800 (width) or 600 (height). Subscribes to its events at once,
    // so it must be built before the window application, whose construction announces the
    // window's size.
    GameManager(int baseWidth, int baseHeight, int frameRate, int maxFrameSkip);
    ~GameManager() override;

    // None of the services is owned.
    void setWindowApp(I_WindowApp* windowApp) { m_windowApp = windowApp; }
    void setRenderController(Render::I_RenderController* renderController) {
        m_renderController = renderController;
    }
    void setSoundController(Sound::I_SoundController* soundController) {
        m_soundController = soundController;
    }
    void setLogicController(I_LogicController* logicController) {
        m_logicController = logicController;
    }

    I_WindowApp* getWindowApp() const { return m_windowApp; }
    Render::I_RenderController* getRenderController() const { return m_renderController; }
    Sound::I_SoundController* getSoundController() const { return m_soundController; }
    I_LogicController* getLogicController() const { return m_logicController; }
    ViewManager* getViewManager() const { return m_viewManager.get(); }
    int getBaseWidth() const { return m_baseWidth; }
    int getBaseHeight() const { return m_baseHeight; }
    // The last size announced by a screen-size event; 0 x 0 before the first.
    void getScreenSize(int& width, int& height) const;
    // The screen size over the base size.
    void getScreenScale(float& scaleX, float& scaleY) const;

    // Lists the watcher once and tells it the current screen size at once.
    void addScreenWatcher(I_ScreenWatcher* watcher);
    void removeScreenWatcher(I_ScreenWatcher* watcher);
    // Lists the listener once.
    void addGameUpdated(I_GameUpdated* listener);
    void removeGameUpdated(I_GameUpdated* listener);

    // Seconds since the window system's timer started; 0 without a window application.
    double getTime() const;
    void resetTime();

    // Readies the window and the renderer, then runs the main loop until the quit event. A
    // window that cannot be used ends the program with the abort report.
    void run();
    // Ends the main loop after the pass in progress.
    void shutdown();

    void handleEvent(EVT::I_Event* event) override;

private:
    void setPause(bool paused);
    void onPreUpdate(const EVT::I_Event* event);
    void onUpdate(const EVT::I_Event* event);
    void onRender();
    void onScreenSize(const EVT::I_Event* event);

    I_WindowApp* m_windowApp = nullptr;
    Render::I_RenderController* m_renderController = nullptr;
    Sound::I_SoundController* m_soundController = nullptr;
    I_LogicController* m_logicController = nullptr;
    std::unique_ptr<ViewManager> m_viewManager;
    StableList<I_ScreenWatcher> m_screenWatchers;
    StableList<I_GameUpdated> m_gameUpdated;
    int m_baseWidth;
    int m_baseHeight;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    // Milliseconds; infinite for a frame rate of 0, which never skips.
    float m_frameInterval;
    int m_maxFrameSkip;
    float m_lastFrameTime = 0.0f;
    int m_skippedRenders = 0;
};

} // namespace Game
