#include "cli/CommandLine.h"
#include "model/DataPlaces.h"
#include "model/Language.h"
#include "model/MecabReading.h"
#include "model/ProgramState.h"
#include "model/RegularFile.h"
#include "ui/Common.h"
#include "ui/main/frmSpace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

// Before any text is made: the user's language, or the source texts with a
// word on stderr when its translation is missing.
void UseUsersLanguage()
{
    for (const QString& missing : oralis::UseLanguage(oralis::SpeaksJapanese(), oralis::ProgramFolder()))
        std::fprintf(stderr, "Oralis: cannot load the translation %s\n", qPrintable(missing));
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // The teachers' command line runs before any window exists, so it needs
    // no display.
    if (oralis::IsCommandLine(args)) {
        QCoreApplication app(argc, argv);
        UseUsersLanguage();
        QTextStream out(stdout);
        QTextStream err(stderr);
        return oralis::RunCommandLine(args, out, err, oralis::SharedMecabReader());
    }
    // Run through X11 (XWayland on a Wayland desktop): the renderer draws into
    // a native X window.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    UseUsersLanguage();
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.oralis.Oralis"));
    oralis::UseOneJapaneseFace();
    // Saves cut short (a crash, a kill) leave hidden temporaries behind.
    oralis::RemoveStaleTemporaries(oralis::UserDataFolder());
    oralis::frmSpace window;
    // The window has already told the user why (stderr and a message box).
    if (!window.StartupError().isEmpty())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
