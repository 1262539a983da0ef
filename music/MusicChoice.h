#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The rules that choose a piece of music, without a player: the candidates of a music folder,
// the in-order and random searches over them and the spread-to-music associations.

// A play list: a name ending in "m3u", in any case.
bool IsPlayList(const QString& fileName);

// The full paths of the files of a folder that may be played, sorted without regard to case,
// without folders, play lists or a second spelling of the same name.
QStringList MusicCandidates(const QString& folder);

// The index of path among candidates without regard to case, or -1.
int CandidateIndex(const QStringList& candidates, const QString& path);

// What trying one candidate gave; Stopped when music was switched off meanwhile.
enum class TryResult { Playing, NotPlaying, DeviceFailed, Stopped };
using TryCandidate = std::function<TryResult(int index)>;

// Tries the candidates in order after the current one (index current, or -1 when it is not
// among them), wrapping round, each at most once; with chosenFirst the current one is tried
// first and chosenFirst is cleared. Stops at the first that plays, at a device failure or when
// music was stopped.
void PlayInOrder(int count, int current, bool& chosenFirst, const TryCandidate& tryCandidate);

// Tries candidates drawn at random, never the current one while there are others, at most 100
// times; with chosenFirst the current one is tried first. It stops as the in-order search does;
// when none plays, the current one (or the first) is tried once more.
void PlayAtRandom(int count, int current, bool& chosenFirst, const TryCandidate& tryCandidate);

// The association file of the program folder, found without regard to case; "Associat.txt"
// when there is none yet.
QString AssociationFilePath(const QString& appDir);

// The text of the association file; empty when it is missing or unreadable.
QString ReadAssociations(const QString& appDir);

// The stored music file of a spread: the text between the two double quotes that follow the
// first occurrence of the spread's name (without regard to case); nothing without one.
std::optional<QString> FindAssociation(const QString& associations, const QString& spreadName);

// The full path of a stored music file: a relative name lies under the program's Music folder.
QString AssociatedPath(const QString& appDir, const QString& stored);
