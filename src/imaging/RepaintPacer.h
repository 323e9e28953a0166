#pragma once
// The progress of a long pass over a picture (a filter's sweep, a rotation's
// rows): each changed part is recorded, and the view repaints what changed
// at most once per displayed frame, so that showing progress never costs
// more than the frames a user can see.

#include "pinxel/PictureSurface.h"

#include <chrono>

namespace pinxel {

class RepaintPacer {
public:
    explicit RepaintPacer(PictureSurface &target) : m_target(target), m_last(std::chrono::steady_clock::now()) {}

    void changed(const QRect &pixels)
    {
        m_target.markChanged(pixels);
        constexpr auto Frame = std::chrono::milliseconds(16);
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last >= Frame) {
            m_target.Refresh();
            m_last = std::chrono::steady_clock::now();
        }
    }

private:
    PictureSurface &m_target;
    std::chrono::steady_clock::time_point m_last;
};

}  // namespace pinxel
