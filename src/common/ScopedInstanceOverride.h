#ifndef SCOPEDINSTANCEOVERRIDE_H
#define SCOPEDINSTANCEOVERRIDE_H

#include <QtGlobal>

#include <memory>

// Test support for a process-wide object of class T: while an override lives, T::instance() returns the
// object the override holds (which may be null) instead of the process-wide one; destroying the override
// restores what instance() returned before. A class with a process-wide object declares
//
//     using TestOverride = ScopedInstanceOverride<T>;
//
// and begins its instance() with
//
//     if (TestOverride::isActive())
//         return TestOverride::current();
//
// so that a test can give code that asks instance() a fresh object of its own, and no test depends on what
// an earlier one left in the process-wide object. GUI thread only; overrides of one class must be destroyed
// in the reverse order of their creation.
template <typename T> class ScopedInstanceOverride
{
public:
    // instance() returns `replacement` (not owned; null makes instance() return null).
    explicit ScopedInstanceOverride(T *replacement)
        : m_object(replacement)
        , m_previous(s_top)
    {
        s_top = this;
    }

    // instance() returns `replacement`, which is deleted with the override.
    explicit ScopedInstanceOverride(std::unique_ptr<T> replacement)
        : ScopedInstanceOverride(replacement.get())
    {
        m_owned = std::move(replacement);
    }

    ~ScopedInstanceOverride()
    {
        Q_ASSERT(s_top == this);
        s_top = m_previous;
    }

    ScopedInstanceOverride(const ScopedInstanceOverride &) = delete;
    ScopedInstanceOverride &operator=(const ScopedInstanceOverride &) = delete;

    // Whether an override of T is alive.
    static bool isActive() { return s_top != nullptr; }
    // The object of the newest living override; null when none lives.
    static T *current() { return s_top ? s_top->m_object : nullptr; }

private:
    T *m_object;
    std::unique_ptr<T> m_owned;
    ScopedInstanceOverride *m_previous;

    // One per T for the whole process: an inline variable is merged across the program and its libraries.
    static inline ScopedInstanceOverride *s_top = nullptr;
};

#endif // SCOPEDINSTANCEOVERRIDE_H
