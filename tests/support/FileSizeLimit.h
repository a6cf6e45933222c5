#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process may grow beyond `bytes`: a write past it fails as on a full
// device. The signal that would end the process is ignored meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};

#endif // FILESIZELIMIT_H
