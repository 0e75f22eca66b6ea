#include "sysinfo/Launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace {

class SystemLauncher final : public Launcher
{
public:
    bool fileExists(const QString &path) override { return QFileInfo(path).isFile(); }

    // The program runs on its own: it outlives the About box and the quiz.
    bool start(const QString &path) override { return QProcess::startDetached(path, {}); }
};

} // namespace

std::unique_ptr<Launcher> makeSystemLauncher()
{
    return std::make_unique<SystemLauncher>();
}
