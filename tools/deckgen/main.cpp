// deckgen: draws the card faces of a bundled deck and writes them as N.jpg into a folder.
//   deckgen ardentine OUTPUT-FOLDER CARDS-LNG   78 cards titled from a "Cards.lng"
//   deckgen velmar OUTPUT-FOLDER                79 cards with the built-in titles
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "decks/JpegWriter.h"
#include "i18n/CardsFile.h"
#include "i18n/LangFile.h"
#include "i18n/TextBlocks.h"
#include "tools/deckgen/CardFace.h"

namespace {

constexpr int kQuality = 90;
constexpr int kCardsLngLines = 96;  // through the title of card 77

int Fail(const QString& message) {
    std::fprintf(stderr, "deckgen: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but no screen, and no runtime folder of a desktop session.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString deck = args.value(0);
    if (!((deck == "ardentine" && args.size() == 3) || (deck == "velmar" && args.size() == 2)))
        return Fail("usage: deckgen ardentine OUTPUT-FOLDER CARDS-LNG | velmar OUTPUT-FOLDER");

    const DeckStyle& style = deck == "velmar" ? VelmarStyle() : ArdentineStyle();
    CardTitleList titles;
    int cards = kCardCount;
    if (deck == "velmar") {
        titles = BuiltinCardTitles();
    } else {
        const QStringList lines = DecodeLangLines(ReadTextBlocks(args[2]));
        if (lines.size() < kCardsLngLines)
            return Fail(QString("%1 has %2 lines, %3 needed")
                            .arg(args[2])
                            .arg(lines.size())
                            .arg(kCardsLngLines));
        WalkCardTitles(lines, TitleNumbering{}, titles);
        cards = kCardCount - 1;
    }

    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) return Fail("cannot create " + out.path());
    for (int card = 0; card < cards; ++card) {
        const QImage face = PaintCardFace(style, card, titles[card]);
        const QString path = out.filePath(QString::number(card) + ".jpg");
        QString error;
        if (!WriteJpeg(face, path, kQuality, &error))
            return Fail("cannot write " + path + ": " + error);
    }
    return 0;
}
