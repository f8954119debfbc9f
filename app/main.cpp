#include "app/close_request.h"
#include "app/executable_path.h"
#include "app/guard_name.h"
#include "app/instance_guard.h"
#include "app/launch_options.h"
#include "app/pelorin_application.h"
#include "app/raise_channel.h"
#include "settings/settings_path.h"
#include "ui/hamlog_link.h"
#include "ui/hamlog_platform_port.h"
#include "ui/main_window.h"
#include "ui/program_state.h"
#include "web/qt/engine_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

using namespace pelorin;

bool FolderWritable(const std::string& executablePath) {
    const QString folder = QFileInfo(QString::fromStdString(executablePath)).absolutePath();
#ifndef _WIN32
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
#else
    return QFileInfo(folder).isWritable();
#endif
}

QString SettingsPathFor(const std::string& executablePath) {
    const bool writable = FolderWritable(executablePath);
    const std::string configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    const QString path =
        QString::fromStdString(settings::ChooseSettingsPath(executablePath, writable, configHome));
    if (!writable)
        QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

// Runs inside the application that RunApplication holds.
int RunProgram(const std::vector<std::string>& arguments, const std::string& executablePath,
               const std::string& guardName) {
    const app::LaunchOptions options =
        app::ReadLaunchOptions(arguments, PELORIN_DEFAULT_SERVICE_URL);
    QCoreApplication::setApplicationName(QStringLiteral("Pelorin"));

    ui::ProgramState state;
    ui::TForm1 form1(state, SettingsPathFor(executablePath));
    form1.SetServiceBase(QString::fromStdString(options.serviceBase));
    if (options.dumpPages)
        form1.SetPageDumpFolder(
            QFileInfo(QString::fromStdString(executablePath)).absolutePath().toStdString());

    // The reference list window (TForm2), after Form1; hidden until the Hamlog button.
    ui::ConnectHamlog(form1, ui::MakePlatformHamlogPort);

    // Closing Form1 ends the program even while other windows are open.
    QObject::connect(&form1, &ui::TForm1::Closed, qApp, &QCoreApplication::quit);
    app::RaiseListener raise(QString::fromStdString(app::RaiseChannelName(guardName)), [&form1] {
        if (form1.isMinimized())
            form1.showNormal();
        form1.raise();
        form1.activateWindow();
    });
    app::CloseOnTerminationSignals(&form1, [&form1] { form1.close(); });

    form1.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const std::string executablePath = app::ExecutablePath();
    const std::string guardName = app::GuardName(executablePath);

    if (app::TakeInstanceGuard(guardName) == app::GuardOutcome::HeldByAnother) {
        // No window, no settings: only ask the running one to come forward.
        QCoreApplication core(argc, argv);
        app::AskRunningInstanceToRaise(QString::fromStdString(app::RaiseChannelName(guardName)));
        return 1;
    }

    // Read before the application object takes its own options out of argv.
    const std::vector<std::string> arguments(argv, argv + argc);
    browser::PrepareWebEngine();
    return app::RunApplication(argc, argv,
                               [&] { return RunProgram(arguments, executablePath, guardName); });
}
