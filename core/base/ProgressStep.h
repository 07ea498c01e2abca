// ProgressStep: how a long operation reports that one more of its steps is done.
#pragma once

#include <functional>

namespace kirvo {

// One call per progress step of a long operation; may be empty.
using ProgressStep = std::function<void()>;

inline void Step(const ProgressStep& step)
{
    if (step)
        step();
}

}  // namespace kirvo
