#include "prizes/WebEngineSetUp.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <QtGui/qtguiglobal.h>
#if QT_CONFIG(opengl)
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QtGui/private/qopenglcontext_p.h>
#endif

#include <cstdio>
#include <utility>

namespace {

// The engine's own reading of its flags: split at blanks, except within
// double quotes, which go.
QStringList engineArguments(const QString &flags)
{
    QStringList arguments;
    QString argument;
    bool inArgument = false;
    bool quoted = false;
    for (const QChar c : flags) {
        if (c == u'"') {
            quoted = !quoted;
            inArgument = true;
        } else if (c == u' ' && !quoted) {
            if (std::exchange(inArgument, false))
                arguments.append(std::exchange(argument, {}));
        } else {
            argument += c;
            inArgument = true;
        }
    }
    if (!argument.isEmpty())
        arguments.append(argument);
    return arguments;
}

// The engine's reading of one argument: it trims ASCII whitespace from both
// ends before it asks whether the argument is a switch.
QStringView asTheEngineReadsIt(QStringView argument)
{
    const auto blank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (!argument.isEmpty() && blank(argument.front()))
        argument = argument.sliced(1);
    while (!argument.isEmpty() && blank(argument.back()))
        argument.chop(1);
    return argument;
}

bool takesSandboxAway(const QString &written)
{
    const QString argument = asTheEngineReadsIt(written).toString();
    if (!argument.startsWith(u'-'))
        return false;
    const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0);
    return name == u"single-process" || name == u"in-process-gpu"
           || ((name.startsWith(u"no-") || name.startsWith(u"disable-")) && name.endsWith(u"sandbox"));
}

// The engine refuses to start as root with its sandbox on: only then is it
// turned off, and the player is told. Everyone else keeps it, whatever the
// environment asks. The flags are set even when empty: the engine then reads
// no flags from the program's command line (--webEngineArgs) either.
void keepSandboxUnless(bool asRoot)
{
    if (asRoot) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("lvtriv: running as root, so the web engine's sandbox is turned off.\n", stderr);
        return;
    }
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            withoutSandboxOff(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS")).toUtf8());
}

#if QT_CONFIG(opengl)
// The context every engine view shares its textures with. It lives until the
// application object goes, after the engine, which is torn down first.
QOpenGLContext *engineShareContext = nullptr;

void dropEngineShareContext()
{
    if (qt_gl_global_share_context() == engineShareContext)
        qt_gl_set_global_share_context(nullptr);
    delete std::exchange(engineShareContext, nullptr);
}

// The engine draws through OpenGL contexts that share with one global
// context; without one it gives up OpenGL even on a display that has it
// ("No suitable graphics backend found") and composes pages in software, when
// it does not fail outright. Qt makes that context
// at start-up only when asked to before the application object exists, which
// would load the GL driver for every game; it is made here instead, on the
// first award, before the engine's library is loaded: the engine checks for
// it the moment it is loaded, and warns when it is missing.
void prepareShareContext()
{
    if (qt_gl_global_share_context())
        return;
    engineShareContext = new QOpenGLContext;
    engineShareContext->setFormat(QSurfaceFormat::defaultFormat());
    // Where the platform has no OpenGL (offscreen) this fails; the engine then
    // finds the context invalid, says so, and composes its pages in software.
    engineShareContext->create();
    qt_gl_set_global_share_context(engineShareContext);
    // Post routines run last registered first, so this one runs after the
    // engine's own clean-up, registered later, when its first view is made.
    qAddPostRoutine(dropEngineShareContext);
}
#endif

// The engine reports its graphics set-up and start parameters on standard
// error; the player has no use for them. Whoever wants them says so through
// QT_LOGGING_RULES (or a logging configuration file), which then decides alone.
void quietEngineStartup()
{
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES") || qEnvironmentVariableIsSet("QT_LOGGING_CONF"))
        return;
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // The engine's own log goes there too. On Wayland its GPU process often
    // reports that it could not make a drawing context at the first try
    // ("ContextResult::kTransientFailure"); it tries again, and the page shows.
    // Only fatal reports are kept, beside whatever flags the user gives it.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--log-level"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.append(" --log-level=3").trimmed());
}

// On Linux the engine builds no accessibility tree for its pages unless asked
// to, so a screen reader finds nothing in them. It is asked to only when
// accessibility is on in this process: a screen reader is listening, or the
// user turned it on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).
void exposePagesToScreenReaders()
{
    if (QAccessible::isActive() && !qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
}

} // namespace

QString withoutSandboxOff(const QString &flags)
{
    QStringList kept;
    for (const QString &argument : engineArguments(flags)) {
        if (!takesSandboxAway(argument))
            kept.append(argument.contains(u' ') || argument.isEmpty() ? u'"' + argument + u'"' : argument);
    }
    return kept.join(u' ');
}

void prepareForWebEngine(bool asRoot)
{
    keepSandboxUnless(asRoot);
    quietEngineStartup();
    exposePagesToScreenReaders();
#if QT_CONFIG(opengl)
    prepareShareContext();
#endif
}
