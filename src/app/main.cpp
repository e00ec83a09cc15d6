#include "app/CommandLine.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {

// A subcommand says what went wrong in its own words on standard error; Qt's notes about the
// session it runs in (no runtime folder, no display) are no concern of a script that calls it.
void keepOnlyFatalQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        QTextStream(stderr) << message << '\n';
}

// Subcommands run without a window.
int runSubcommandWithoutWindow(int argc, char* argv[])
{
    qInstallMessageHandler(keepOnlyFatalQtMessages);
    // Sheets are drawn with the system's fonts, which need a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kakitori::runSubcommand(QCoreApplication::arguments().mid(1), out, err).value_or(0);
}

// Without a display Qt would abort when the window is created; a platform named explicitly (as
// the tests' offscreen one) is taken as given.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int runDesktop(int argc, char* argv[])
{
    {
        QTextStream err(stderr);
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args.append(QString::fromLocal8Bit(argv[i]));
        if (const auto refusal = kakitori::desktopStartRefusal(args, hasDisplay(), err))
            return *refusal;
    }
    QApplication app(argc, argv);
    // The platform's dialogs (file, print) speak Japanese like the rest of the tool.
    QTranslator qtDialogs;
    if (qtDialogs.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtDialogs);
    const QStringList args = QCoreApplication::arguments().mid(1);
    // The settings file and new problems live in the folder the program is started in.
    kakitori::EditorEnvironment environment{QDir::current().filePath(QStringLiteral("FM3.ini")),
                                            QDir::current()};
    kakitori::MainWindow window(environment);
    window.show();
    if (!args.isEmpty())
        window.editor().openFile(QFileInfo(args[0]).absoluteFilePath());
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && kakitori::isSubcommand(QString::fromLocal8Bit(argv[1]))) {
        return runSubcommandWithoutWindow(argc, argv);
    }
    return runDesktop(argc, argv);
}
