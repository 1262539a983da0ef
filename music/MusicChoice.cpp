#include "music/MusicChoice.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "i18n/TextBlocks.h"
#include "i18n/TextCodec.h"
#include "platform/Random.h"

namespace {

constexpr int RandomAttempts = 100;
constexpr char AssociationFileName[] = "Associat.txt";

}  // namespace

bool IsPlayList(const QString& fileName) { return fileName.endsWith("m3u", Qt::CaseInsensitive); }

QStringList MusicCandidates(const QString& folder) {
    const QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf(IsPlayList);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QStringList paths;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (paths.isEmpty() || paths.last().compare(path, Qt::CaseInsensitive) != 0)
            paths.append(path);
    }
    return paths;
}

int CandidateIndex(const QStringList& candidates, const QString& path) {
    for (int i = 0; i < candidates.size(); ++i)
        if (candidates[i].compare(path, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void PlayInOrder(int count, int current, bool& chosenFirst, const TryCandidate& tryCandidate) {
    if (count <= 0) return;
    int last = current >= 0 ? current : count - 1;
    int i = last;
    if (chosenFirst) {
        // Start with the chosen piece itself and end after the one before it.
        chosenFirst = false;
        i = last - 1;
        last = last - 1 < 0 ? count - 1 : last - 1;
    }
    for (;;) {
        i = (i + 1) % count;
        if (tryCandidate(i) != TryResult::NotPlaying || i == last) return;
    }
}

void PlayAtRandom(int count, int current, bool& chosenFirst, const TryCandidate& tryCandidate) {
    if (count <= 0) return;
    Random::Randomize();
    TryResult result = TryResult::NotPlaying;
    for (int attempts = 0; attempts < RandomAttempts && result == TryResult::NotPlaying;
         ++attempts) {
        int k;
        if (chosenFirst && current >= 0) {
            k = current;
        } else {
            do k = Random::Below(count);
            while (count > 1 && k == current);
        }
        chosenFirst = false;
        result = tryCandidate(k);
    }
    if (result == TryResult::NotPlaying) tryCandidate(current >= 0 ? current : 0);
}

QString AssociationFilePath(const QString& appDir) {
    const QDir dir(appDir);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (name.compare(AssociationFileName, Qt::CaseInsensitive) == 0) return dir.filePath(name);
    return dir.filePath(AssociationFileName);
}

QString ReadAssociations(const QString& appDir) {
    return DecodeText(ReadTextBlocks(AssociationFilePath(appDir)));
}

std::optional<QString> FindAssociation(const QString& associations, const QString& spreadName) {
    if (spreadName.isEmpty()) return std::nullopt;
    const qsizetype match = associations.indexOf(spreadName, 0, Qt::CaseInsensitive);
    if (match < 0) return std::nullopt;
    const qsizetype open = associations.indexOf('"', match);
    if (open < 0) return std::nullopt;
    const qsizetype close = associations.indexOf('"', open + 1);
    return associations.mid(open + 1, close < 0 ? -1 : close - open - 1);
}

QString AssociatedPath(const QString& appDir, const QString& stored) {
    if (QDir::isAbsolutePath(stored)) return stored;
    return QDir(appDir + "/Music").filePath(stored);
}
