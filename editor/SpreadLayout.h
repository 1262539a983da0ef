#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

class TSpreadParser;

// Edits of a spread's positions that keep significator positions in front of the others.

// A position's label in the editor without its trailing ". ": "S" + (i + 1) for a significator
// position (a single one too), else i + 1 - SignificatorCount.
QString EditorPositionLabel(const TSpreadParser& spread, int i);

// The labels of the positions without a text, in position order, joined by ", "; empty when
// every position has a text.
QString PositionsWithoutText(const TSpreadParser& spread);

// Where a new position's card of size `card` goes in a field of size `field`: the usual spot
// (100, 20) when it covers no other position; else the free place beside or below another
// position nearest the top, else any free place in the field; with no free place, the least
// covered one; with no room in the field at all, the usual spot.
QPoint NewPositionPlace(const TSpreadParser& spread, QSize card, QSize field);

// The text with every line break turned into a space and zero characters dropped: a position's
// meaning is one line of the spread file.
QString SingleLineText(QString text);

// Why a name typed for a new spread cannot be used.
enum class SpreadNameProblem { None, Empty, NotAFileName };
SpreadNameProblem CheckSpreadName(const QString& name);
