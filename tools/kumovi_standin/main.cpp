// Kumovi stand-in: serves a posting page with the real markers on the
// loopback address, records what is submitted, and prints its base address.
#include "tools/kumovi_standin/standin_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Local stand-in for the Kumovi cluster service");
    parser.addHelpOption();
    const QCommandLineOption portOption("port", "Port on 127.0.0.1 (0: any free port).", "port",
                                        "0");
    const QCommandLineOption recordOption("record", "Append each submitted form to this file.",
                                          "file");
    parser.addOption(portOption);
    parser.addOption(recordOption);
    parser.process(app);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        std::fprintf(stderr, "kumovi_standin: bad port\n");
        return 2;
    }
    pelorin::standin::StandinServer server(parser.value(recordOption));
    if (!server.Listen(static_cast<quint16>(port))) {
        std::fprintf(stderr, "kumovi_standin: cannot listen on 127.0.0.1:%u\n", port);
        return 1;
    }
    std::printf("http://127.0.0.1:%u\n", static_cast<unsigned>(server.Port()));
    std::fflush(stdout);
    return app.exec();
}
