#include "icommandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QMap>
#include <QTranslator>
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

// The interface language closest to the terminal's (LANG, LC_ALL): the translation files are
// named by Windows language id.
QString languageIdFor(const QLocale& locale)
{
    static const QMap<QLocale::Language, QString> ids = {
        {QLocale::Russian, "1049"},  {QLocale::Spanish, "1034"}, {QLocale::German, "1031"},
        {QLocale::Japanese, "1041"}, {QLocale::Korean, "1042"},  {QLocale::French, "1036"},
        {QLocale::Italian, "1040"},  {QLocale::Dutch, "1043"},   {QLocale::Turkish, "1055"},
    };
    if (locale.language() == QLocale::Chinese) {
        const bool traditional = locale.script() == QLocale::TraditionalChineseScript ||
                                 locale.country() == QLocale::Taiwan ||
                                 locale.country() == QLocale::HongKong ||
                                 locale.country() == QLocale::Macau;
        return traditional ? QStringLiteral("1028") : QStringLiteral("2052");
    }
    return ids.value(locale.language(), QStringLiteral("1033"));
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
    // Help is read in a terminal: it answers in the terminal's language, not the stored one.
    QTranslator translator;
    if (translator.load(QCoreApplication::applicationDirPath() + "/Lang/" +
                        languageIdFor(QLocale::system()) + ".qm")) {
        QCoreApplication::installTranslator(&translator);
    }
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
