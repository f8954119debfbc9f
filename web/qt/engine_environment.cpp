#include "web/qt/engine_environment.h"

#include <QByteArray>
#include <QCoreApplication>
#include <unistd.h>

namespace pelorin::browser {

void PrepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const char* flag :
         {"--disable-gpu", "--disable-background-networking", "--disable-component-update",
          "--disable-domain-reliability", "--no-pings", "--dns-prefetch-disable"}) {
        if (!flags.contains(flag))
            flags += QByteArray(flags.isEmpty() ? "" : " ") + flag;
    }
    if (geteuid() == 0 && !flags.contains("--no-sandbox"))
        flags += " --no-sandbox";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

} // namespace pelorin::browser
