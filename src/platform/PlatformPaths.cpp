#include "platform/PlatformPaths.h"

QString PlatformPaths::s_root;

QString PlatformPaths::path(const QString &systemPath)
{
    return s_root + systemPath;
}

QString PlatformPaths::root()
{
    return s_root;
}

PlatformPaths::TestOverride::TestOverride(const QString &root)
    : m_previous(s_root)
{
    s_root = root;
}

PlatformPaths::TestOverride::~TestOverride()
{
    s_root = m_previous;
}
