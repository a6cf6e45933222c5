#ifndef FRESHINSTANCE_H
#define FRESHINSTANCE_H

#include <memory>
#include <utility>

// A fresh object of a process-wide class T for the life of this object: T::instance() returns it, and it
// is deleted with this object. A test keeps one as a std::optional member, emplaces it in init() and
// resets it in cleanup(), so that every case starts from a new object whatever ran before it:
//
//     std::optional<FreshInstance<ErrorLogger>> m_counters;
//     void init() { m_counters.emplace(); }
//     void cleanup() { m_counters.reset(); }
//
// T is constructed (with the given arguments) before it replaces the process-wide object.
template <typename T> class FreshInstance : public T::TestOverride
{
public:
    template <typename... Args>
    explicit FreshInstance(Args &&...args)
        : T::TestOverride(std::make_unique<T>(std::forward<Args>(args)...))
        , m_object(T::TestOverride::current())
    {
    }

    T *get() const { return m_object; }
    T *operator->() const { return m_object; }

private:
    T *m_object;
};

#endif // FRESHINSTANCE_H
