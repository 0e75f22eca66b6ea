#include "sysinfo/Launcher.h"

#include <QFileInfo>
#include <QProcess>

#include <utility>

namespace {

class SystemLauncher final : public Launcher
{
public:
    explicit SystemLauncher(QProcessEnvironment environment) : m_environment(std::move(environment)) {}

    bool fileExists(const QString &path) override { return QFileInfo(path).isFile(); }

    // The program runs on its own: it outlives the About box and the quiz.
    bool start(const QString &path) override
    {
        QProcess process;
        process.setProgram(path);
        process.setProcessEnvironment(m_environment);
        return process.startDetached();
    }

private:
    QProcessEnvironment m_environment;
};

} // namespace

std::unique_ptr<Launcher> makeSystemLauncher(QProcessEnvironment environment)
{
    return std::make_unique<SystemLauncher>(std::move(environment));
}
