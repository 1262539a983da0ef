#include "decks/DeckImport.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>
#include <QPainter>
#include <QtConcurrent/QtConcurrentMap>

#include "decks/JpegWriter.h"
#include "i18n/TextBlocks.h"
#include "i18n/TextCodec.h"
#include "platform/FileNames.h"
#include "platform/WholeFile.h"

namespace {

// The runs of letters and of digits of a name, letters in lower case ("ё" read as "е").
QStringList Tokens(const QString& name) {
    QStringList tokens;
    QString run;
    bool digits = false;
    for (const QChar c : name) {
        const bool letter = c.isLetter(), digit = c.isDigit();
        if ((!letter && !digit) || (!run.isEmpty() && digit != digits)) {
            if (!run.isEmpty()) tokens.append(run);
            run.clear();
        }
        if (!letter && !digit) continue;
        digits = digit;
        run += c.toLower() == QChar(0x451) ? QChar(0x435) : c.toLower();
    }
    if (!run.isEmpty()) tokens.append(run);
    return tokens;
}

struct CardWord {
    const char* stem;  // UTF-8; a word matches when it begins with the stem
    int value;
};

// The Major Arcana by their names, Strength as XI and Justice as VIII.
const CardWord kMajorWords[] = {
    {"fool", 0},       {"шут", 0},       {"дурак", 0},       {"magician", 1},   {"magus", 1},
    {"маг", 1},        {"фокусник", 1},  {"priestess", 2},   {"жриц", 2},       {"empress", 3},
    {"императриц", 3}, {"emperor", 4},   {"император", 4},   {"hierophant", 5}, {"pope", 5},
    {"иерофант", 5},   {"жрец", 5},      {"папа", 5},        {"lover", 6},      {"влюбл", 6},
    {"chariot", 7},    {"колесниц", 7},  {"justice", 8},     {"справедлив", 8}, {"правосуди", 8},
    {"hermit", 9},     {"отшельник", 9}, {"wheel", 10},      {"fortune", 10},   {"колес", 10},
    {"фортун", 10},    {"strength", 11}, {"сил", 11},        {"hanged", 12},    {"повешен", 12},
    {"death", 13},     {"смерт", 13},    {"temperance", 14}, {"умерен", 14},    {"devil", 15},
    {"дьявол", 15},    {"tower", 16},    {"башн", 16},       {"star", 17},      {"звезд", 17},
    {"moon", 18},      {"лун", 18},      {"sun", 19},        {"солнц", 19},     {"judg", 20},
    {"суд", 20},       {"world", 21},    {"мир", 21},
};

// The suits by their first card number.
const CardWord kSuitWords[] = {
    {"wand", 22},    {"rod", 22},   {"staff", 22},    {"stave", 22}, {"baton", 22}, {"жезл", 22},
    {"посох", 22},   {"cup", 36},   {"chalice", 36},  {"кубк", 36},  {"кубок", 36}, {"чаш", 36},
    {"sword", 50},   {"меч", 50},   {"pentacle", 64}, {"coin", 64},  {"disk", 64},  {"disc", 64},
    {"пентакл", 64}, {"монет", 64}, {"денар", 64},
};

// The ranks within a suit, 1 (ace) to 14 (king).
const CardWord kRankWords[] = {
    {"ace", 1},      {"туз", 1},     {"two", 2},       {"двойк", 2},  {"three", 3},
    {"тройк", 3},    {"four", 4},    {"четверк", 4},   {"five", 5},   {"пятерк", 5},
    {"six", 6},      {"шестерк", 6}, {"seven", 7},     {"семерк", 7}, {"eight", 8},
    {"восьмерк", 8}, {"nine", 9},    {"девятк", 9},    {"ten", 10},   {"десятк", 10},
    {"page", 11},    {"knave", 11},  {"princess", 11}, {"паж", 11},   {"принцесс", 11},
    {"knight", 12},  {"prince", 12}, {"рыцар", 12},    {"принц", 12}, {"queen", 13},
    {"королев", 13}, {"дам", 13},    {"king", 14},     {"корол", 14},
};

// The value of the longest stem any token begins with, or -1.
template <std::size_t N>
int Lookup(const QStringList& tokens, const CardWord (&words)[N]) {
    int value = -1;
    qsizetype longest = 0;
    for (const QString& token : tokens)
        for (const CardWord& word : words) {
            const QString stem = QString::fromUtf8(word.stem);
            if (stem.size() > longest && token.startsWith(stem)) {
                longest = stem.size();
                value = word.value;
            }
        }
    return value;
}

// The last number from 1 to 14 among the tokens, or -1.
int LastRankNumber(const QStringList& tokens) {
    for (auto token = tokens.crbegin(); token != tokens.crend(); ++token) {
        bool ok = false;
        const int number = token->toInt(&ok);
        if (ok && number >= 1 && number <= 14) return number;
    }
    return -1;
}

// A run of digits without its leading zeros ("0" stays).
QStringView Significant(const QString& digits) {
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == '0') ++first;
    return QStringView(digits).sliced(first);
}

// The first of the wanted names among the entries, found without regard to letter case.
QString FindEntry(const QStringList& entries, const QStringList& wanted) {
    for (const QString& name : wanted)
        for (const QString& entry : entries)
            if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

}  // namespace

bool NaturalLess(const QString& a, const QString& b) {
    const QStringList left = Tokens(QFileInfo(a).completeBaseName()),
                      right = Tokens(QFileInfo(b).completeBaseName());
    for (qsizetype i = 0; i < std::min(left.size(), right.size()); ++i) {
        const QString& x = left[i];
        const QString& y = right[i];
        if (x.front().isDigit() && y.front().isDigit()) {
            // By value: fewer significant digits first, then digit by digit.
            const QStringView u = Significant(x), v = Significant(y);
            if (u.size() != v.size()) return u.size() < v.size();
            if (u != v) return u < v;
        } else if (x != y) {
            return x < y;
        }
    }
    if (left.size() != right.size()) return left.size() < right.size();
    // Names that differ only in suffix, case, punctuation or leading zeros keep a fixed order.
    return a < b;
}

QStringList DeckPictureFiles(const QString& folder) {
    QStringList suffixes;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        suffixes.append(QString::fromLatin1(format).toLower());
    QStringList pictures;
    for (const QString& name : FolderEntries(folder)) {
        const QFileInfo info(folder + "/" + name);
        if (info.isFile() && suffixes.contains(info.suffix().toLower())) pictures.append(name);
    }
    std::sort(pictures.begin(), pictures.end(), NaturalLess);
    return pictures;
}

bool IsDeckPictureCount(int count) { return count == 22 || count == 78 || count == 79; }

int CardNamedBy(const QString& fileName) {
    const QStringList tokens = Tokens(QFileInfo(fileName).completeBaseName());
    const int suit = Lookup(tokens, kSuitWords);
    if (suit < 0) return Lookup(tokens, kMajorWords);
    int rank = Lookup(tokens, kRankWords);
    if (rank < 0) rank = LastRankNumber(tokens);
    return rank < 0 ? -1 : suit + rank - 1;
}

QList<int> ProposeCardOrder(const QStringList& names) {
    const int count = static_cast<int>(names.size());
    QList<int> order(count, -1);
    QList<bool> placed(count, false);
    for (int picture = 0; picture < count; ++picture) {
        const int card = CardNamedBy(names[picture]);
        if (card >= 0 && card < count && order[card] < 0) {
            order[card] = picture;
            placed[picture] = true;
        }
    }
    int card = 0;
    for (int picture = 0; picture < count; ++picture) {
        if (placed[picture]) continue;
        while (order[card] >= 0) ++card;
        order[card] = picture;
    }
    return order;
}

QImage ReadPicture(const QString& path, QSize bound, QString* reason) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A reader that scales while decoding (JPEG) is asked for the size, in the orientation
    // stored; the others would scale coarsely, so the whole picture is scaled smoothly after.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize stored = reader.size();
    if (stored.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        QSize upright = turned ? stored.transposed() : stored;
        if (upright.width() > bound.width() || upright.height() > bound.height()) {
            upright.scale(bound, Qt::KeepAspectRatio);
            reader.setScaledSize(turned ? upright.transposed() : upright);
        }
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        if (reason) *reason = reader.errorString();
        return {};
    }
    if (picture.width() > bound.width() || picture.height() > bound.height())
        picture = picture.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!picture.hasAlphaChannel()) return picture;
    // Transparent parts lie on white, as on a printed card.
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, picture);
    return opaque;
}

DeckImporter::DeckImporter(DeckImportPlan plan, QObject* parent)
    : QObject(parent), plan_(std::move(plan)) {
    for (int card = 0; card < plan_.order.size(); ++card) cards_.append(card);
    sourceEntries_ = FolderEntries(plan_.sourceFolder);
    connect(&watcher_, &QFutureWatcher<void>::progressValueChanged, this,
            [this](int value) { emit Progressed(value - watcher_.progressMinimum()); });
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &DeckImporter::Finish);
}

DeckImporter::~DeckImporter() {
    if (done_) return;
    stop_.storeRelaxed(1);
    watcher_.cancel();
    watcher_.waitForFinished();
    QDir(plan_.deckFolder).removeRecursively();
}

void DeckImporter::Start() {
    done_ = false;
    const QFileInfo folder(plan_.deckFolder);
    if (!QDir().mkpath(folder.absolutePath()) ||
        !QDir(folder.absolutePath()).mkdir(folder.fileName())) {
        done_ = true;
        emit Finished(Outcome::NotWritten,
                      plan_.deckFolder + ": " +
                          (folder.exists() ? QStringLiteral("The folder already exists")
                                           : QStringLiteral("The folder could not be made")));
        return;
    }
    watcher_.setFuture(QtConcurrent::map(cards_, [this](int card) { WriteCard(card); }));
}

void DeckImporter::Cancel() {
    cancelled_ = true;
    stop_.storeRelaxed(1);
    watcher_.cancel();
}

void DeckImporter::WriteCard(int card) {
    if (stop_.loadRelaxed()) return;
    const QString name = plan_.pictures[plan_.order[card]];
    QString reason;
    const QImage picture =
        ReadPicture(plan_.sourceFolder + "/" + name, kImportedCardBound, &reason);
    if (picture.isNull()) return Fail(Outcome::PictureUnreadable, name + ": " + reason);
    const QString target = plan_.deckFolder + "/" + QString::number(card);
    if (!WriteJpeg(picture, target + ".jpg", 90, &reason))
        return Fail(Outcome::NotWritten, target + ".jpg: " + reason);

    // The deck's own explanations, read in any encoding the program reads, written as UTF-8:
    // the text named like the picture follows it, else the one named by the card number.
    const QString base = QFileInfo(name).completeBaseName();
    for (const QString& ending : {QStringLiteral(".txt"), QStringLiteral("r.txt")}) {
        const QString source =
            FindEntry(sourceEntries_, {base + ending, QString::number(card) + ending});
        const QByteArray text =
            source.isEmpty() ? QByteArray() : ReadTextBlocks(plan_.sourceFolder + "/" + source);
        if (text.isEmpty()) continue;
        if (!WriteWholeFile(target + ending, DecodeText(text).toUtf8(), &reason))
            return Fail(Outcome::NotWritten, target + ending + ": " + reason);
    }
}

void DeckImporter::Fail(Outcome outcome, const QString& reason) {
    QMutexLocker lock(&failureLock_);
    if (failure_ != Outcome::Imported) return;  // the first failure is the one reported
    failure_ = outcome;
    reason_ = reason;
    stop_.storeRelaxed(1);
}

void DeckImporter::Finish() {
    done_ = true;
    const Outcome outcome = failure_ != Outcome::Imported ? failure_
                            : cancelled_                  ? Outcome::Cancelled
                                                          : Outcome::Imported;
    if (outcome != Outcome::Imported) QDir(plan_.deckFolder).removeRecursively();
    emit Finished(outcome, outcome == Outcome::Cancelled ? QString() : reason_);
}
