// deckgen: draws the card faces of a bundled deck and writes them as N.jpg into a folder.
//   deckgen ardentine OUTPUT-FOLDER   the 78 cards of the Ardentine deck
//   deckgen velmar OUTPUT-FOLDER      the 79 cards of the Velmar Dav Izove deck
// The faces carry no words, so one picture serves every language.
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "decks/JpegWriter.h"
#include "tools/deckgen/CardFace.h"

namespace {

constexpr int kQuality = 90;

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
    if (args.size() != 2 || (deck != "ardentine" && deck != "velmar"))
        return Fail("usage: deckgen ardentine|velmar OUTPUT-FOLDER");

    const bool velmar = deck == "velmar";
    const DeckStyle& style = velmar ? VelmarStyle() : ArdentineStyle();
    const int cards = velmar ? 79 : 78;
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path())) return Fail("cannot create " + out.path());
    for (int card = 0; card < cards; ++card) {
        const QImage face = PaintCardFace(style, card);
        const QString path = out.filePath(QString::number(card) + ".jpg");
        QString error;
        if (!WriteJpeg(face, path, kQuality, &error))
            return Fail("cannot write " + path + ": " + error);
    }
    return 0;
}
