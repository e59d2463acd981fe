#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

// The program has no options of its own; these two are what a desktop,
// a distribution and its manual page expect of any program.

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Club database, memory module loading, race data and race reports for the Tamrel clock."));
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

std::optional<int> AnswerHelpOrVersion(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    describe(parser);
    // Qt's own options (-platform, -style) are not known here: only these two count.
    parser.parse(arguments);
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version")))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    parser.process(app); // prints the answer and ends the program
    return 0;
}

void RefuseUnknownOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    describe(parser);
    parser.process(app); // ends the program with a message on an unknown option
}
