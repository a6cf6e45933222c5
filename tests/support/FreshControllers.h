#ifndef FRESHCONTROLLERS_H
#define FRESHCONTROLLERS_H

#include "FreshInstance.h"

#include "ui/controllers/BottomBarsModelInterface.h"
#include "ui/controllers/ModelInterfaceContainer.h"
#include "ui/controllers/RuntimeModelInterface.h"
#include "ui/controllers/SetupEnumInterface.h"
#include "ui/controllers/SetupValueInterface.h"

#include <optional>

// The controllers of presses on bound buttons, new for one test case: the two setup controllers, the
// runtime and bottom-bar controllers, and the container that hands them the window's editors, made last
// so that it takes these. Each is what instance() returns while this object lives. Made after the stores
// and descriptions they use, and gone before them: a test keeps one as a std::optional member next to
// those, emplaced after them and reset before them.
class FreshControllers
{
public:
    FreshControllers()
    {
        m_enums.emplace();
        m_values.emplace();
        m_runtime.emplace();
        m_bottomBars.emplace();
        m_container.emplace();
    }

    ~FreshControllers()
    {
        m_container.reset();
        m_bottomBars.reset();
        m_runtime.reset();
        m_values.reset();
        m_enums.reset();
    }

    FreshControllers(const FreshControllers &) = delete;
    FreshControllers &operator=(const FreshControllers &) = delete;

private:
    std::optional<FreshInstance<SetupEnumInterface>> m_enums;
    std::optional<FreshInstance<SetupValueInterface>> m_values;
    std::optional<FreshInstance<RuntimeModelInterface>> m_runtime;
    std::optional<FreshInstance<BottomBarsModelInterface>> m_bottomBars;
    std::optional<FreshInstance<ModelInterfaceContainer>> m_container;
};

#endif // FRESHCONTROLLERS_H
