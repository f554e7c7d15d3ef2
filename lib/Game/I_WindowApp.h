#pragma once

#include <utility>
#include <vector>

namespace Game {

// The window-system side of an application: opens the window, runs the main loop, presents
// frames and measures time. It keeps the clear colour and the clear flag that the game manager
// reads when it draws a frame.
class I_WindowApp {
public:
    // The colour is written 0xRRGGBBAA; when clearWindow is set every drawn frame starts with a
    // clear to it.
    I_WindowApp(const unsigned long clearColor, const bool clearWindow)
        : m_clearColor(clearColor), m_clearWindow(clearWindow) {}
    virtual ~I_WindowApp() = default;

    // Readies the window for input and events; false when it cannot be used.
    virtual bool initWindowApp() = 0;
    // The main loop, until the quit event.
    virtual void run() = 0;
    // Replaces the vector's contents with the display's distinct video-mode sizes (width,
    // height), ordered by width, then height.
    virtual void getAllowedSizes(std::vector<std::pair<int, int>>& sizes) = 0;
    // Resizes the window to (width, height) and announces the new size.
    virtual void setSize(const std::pair<int, int>& size) = 0;
    // Seconds since the window system's timer started.
    virtual double getTime() const = 0;
    // Makes the next pass's frame time 0.
    virtual void resetTime() = 0;
    // Presents the frame drawn.
    virtual void showWindow() = 0;
    // Clears the colour and depth buffers to a colour written 0xRRGGBBAA.
    virtual void clearWindow(unsigned long color) = 0;
    virtual void setClearColor(const unsigned long color) { m_clearColor = color; }
    virtual void setClearWindow(const bool clear) { m_clearWindow = clear; }

    unsigned long getClearColor() const { return m_clearColor; }
    bool getClearWindow() const { return m_clearWindow; }

private:
    unsigned long m_clearColor;
    bool m_clearWindow;
};

} // namespace Game
