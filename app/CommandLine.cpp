#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/TableFrm.h"
#include "platform/Interface.h"
#include "table/CardImage.h"
#include "table/TableView.h"

bool AsksForTextOnly(int argc, char* argv[]) {
    static const QStringList kTextOptions = {"-h", "--help", "--help-all", "-?", "-v", "--version"};
    for (int i = 1; i < argc; ++i)
        if (kTextOptions.contains(QString::fromLocal8Bit(argv[i]))) return true;
    return false;
}

CommandLine ReadCommandLine(const QCoreApplication& app) {
    QCoreApplication::setApplicationName(ProgramTitle());
    QCoreApplication::setApplicationVersion(LUMENFOLD_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription("Lays out tarot readings on the screen.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A reading file to open.", "[file.reading]");
    QCommandLineOption printTable("print-table", "Prints the table once started, and quits.");
    printTable.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(printTable);
    parser.process(app);

    CommandLine command;
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) command.readingFile = QFileInfo(files.first()).absoluteFilePath();
    command.printTable = parser.isSet(printTable);
    return command;
}

QString TableReport(TForm1& window) {
    const ReadingSnapshot snapshot = window.reading().Snapshot();
    QString report = "spread " + snapshot.spreadName + "\n";
    for (int i = 0; i < snapshot.positions.size(); ++i) {
        const ReadingSnapshot::Position& position = snapshot.positions[i];
        const CardImage* image = window.view().PositionImage(i);
        const bool face = image && !image->picture().isNull() &&
                          image->picture() != window.view().CardBackLarge();
        report += QString("%1 %2 %3 %4\n")
                      .arg(position.label)
                      .arg(position.card)
                      .arg(position.reversed ? "reversed" : "upright")
                      .arg(face ? "face" : "back");
    }
    return report;
}
