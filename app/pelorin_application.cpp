#include "app/pelorin_application.h"

#include "app/run_guarded.h"

#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace pelorin::app {

PelorinApplication::PelorinApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool PelorinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException(std::string());
    }
    return false;
}

void ShowException(const std::string& message) {
    std::fprintf(stderr, "pelorin: %s\n", message.c_str());
    if (qApp)
        QMessageBox::critical(nullptr, QStringLiteral("Pelorin"), QString::fromStdString(message));
}

int RunApplication(int& argc, char** argv, const std::function<int()>& body,
                   const std::function<void(const std::string&)>& report) {
    PelorinApplication application(argc, argv);
    return RunGuarded(body, report);
}

} // namespace pelorin::app
