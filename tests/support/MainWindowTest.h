#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QToolButton>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/TableFrm.h"
#include "fakes/FakePlatform.h"
#include "spreads/SpreadFile.h"
#include "support/TestAppDir.h"

// A program directory with the bundled pictures and languages, English chosen, for tests that
// drive the real main window.
class MainWindowTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    std::unique_ptr<TForm1> form;

    MainWindowTest();

    // Writes Spreads/<name>.spread.
    void writeSpread(const QString& name, int count, const QList<SpreadLine>& lines) const;
    // Writes "Cross": a significator, then the past, the present and the future.
    void writeCrossSpread() const;
    // Opens and shows the main window.
    void open();

    QToolButton* button(const char* name) const;
    void clickTable(QPoint point) const;
    // Starts a new reading of `spread`; a significator position gets `significator`.
    void startReading(const QString& spread, int significator) const;
    // Shuffles until frame `stopAt`, then presses "Stop"; `meanwhile` runs on every wait.
    void shuffle(int stopAt = 3, const std::function<void()>& meanwhile = {}) const;

    // Chooses `spread` in the next spread list and presses OK; `listed` receives the list.
    static void ChooseSpread(const QString& spread, QStringList* listed = nullptr);
    // Clicks `card` in the next card list and presses OK.
    static void ChooseCard(int card);
};
