#include "app/command_line.h"

#include "build_info.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace vellomir::app {
namespace {

constexpr int kLargestGameNumber = 9999;
constexpr int kDealDigits = 13;

CommandLine failure(const QString& message) {
    CommandLine line;
    line.action = CommandLine::Action::Fail;
    line.text = QCoreApplication::translate("CommandLine", "vellomir: %1\nTry 'vellomir --help'.\n")
                    .arg(message);
    return line;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "A collection of %1 patience card games.")
            .arg(kCatalogueGameCount));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption game(
        QStringLiteral("game"),
        QCoreApplication::translate("CommandLine",
                                    "Deal the game of number <number> (as vellomir-cli games "
                                    "lists them) at the start."),
        QCoreApplication::translate("CommandLine", "number"));
    const QCommandLineOption deal(
        QStringLiteral("deal"),
        QCoreApplication::translate("CommandLine",
                                    "Deal the deal of number <number> (1 to 13 digits) at the "
                                    "start."),
        QCoreApplication::translate("CommandLine", "number"));
    parser.addOption(game);
    parser.addOption(deal);

    if (!parser.parse(arguments)) {
        return failure(parser.errorText());
    }
    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Print;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Print;
        line.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                  QString::fromLatin1(kBuildVersion));
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                           .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(game)) {
        bool ok = false;
        const int number = parser.value(game).toInt(&ok);
        if (!ok || number < 0 || number > kLargestGameNumber) {
            return failure(QCoreApplication::translate("CommandLine", "bad game number '%1'")
                               .arg(parser.value(game)));
        }
        line.game = number;
    }
    if (parser.isSet(deal)) {
        const QString digits = parser.value(deal);
        static const QRegularExpression dealNumber(
            QStringLiteral("^[0-9]{1,%1}$").arg(kDealDigits));
        if (!dealNumber.match(digits).hasMatch()) {
            return failure(
                QCoreApplication::translate("CommandLine",
                                            "bad deal number '%1': a deal number is 1 to %2 digits")
                    .arg(digits)
                    .arg(kDealDigits));
        }
        line.deal = digits;
    }
    return line;
}

} // namespace vellomir::app
