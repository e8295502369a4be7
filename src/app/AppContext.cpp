#include "app/AppContext.h"

#include "app/WindowHost.h"

namespace {

class NoWindows : public WindowHost
{
public:
    void OpenSettings() override {}
    void loadFrame() override {}
    void setFrameBackColour(qint32) override {}
    void showPlayerPath(const QString &) override {}
};

NoWindows noWindows;

} // namespace

AppContext::AppContext(const Platform &platform)
    : platform(platform)
    , m_host(&noWindows)
{}

void AppContext::setHost(WindowHost *host)
{
    m_host = host ? host : &noWindows;
}
