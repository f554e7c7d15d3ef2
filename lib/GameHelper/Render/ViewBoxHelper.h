#pragma once

#include "Game/ViewBox.h"

namespace GameHelper {

// Anything that can say which screen rectangle it covers, for the 2D set-up.
class ViewBoxHelper {
public:
    virtual ~ViewBoxHelper() = default;

    virtual const Game::ViewBox& getViewBox() const = 0;
};

} // namespace GameHelper
