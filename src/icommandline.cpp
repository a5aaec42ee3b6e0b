#include "icommandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

namespace {

bool isAnsweredOption(const char* argument)
{
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
        if (std::strcmp(argument, option) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool ICommandLine::wantsAnswer(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (isAnsweredOption(argv[i])) {
            return true;
        }
    }
    return false;
}

int ICommandLine::answer(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvella"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVELLA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ICommandLine",
        "Live picture, photos, annotation, screen recording and text recognition for a "
        "document camera.\n\nEnvironment: ORVELLA_VIRTUAL_CAMERA=N adds N virtual cameras; "
        "ORVELLA_WIFI_HOST is the wireless camera's address."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    // Qt's own options (-platform, -style, ...) are not ours to reject here.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    parser.showHelp(0);
}
