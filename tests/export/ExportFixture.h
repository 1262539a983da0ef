#pragma once

#include <QDir>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "decks/JpegWriter.h"
#include "export/ReadingExports.h"
#include "fakes/FakePlatform.h"
#include "i18n/Msg.h"
#include "support/LanguageData.h"
#include "support/TestAppDir.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"

// A complete reading of the spread "Spread": the significator "You" holding card 3 and the
// position "Past" holding card 7 reversed, with pictures of both cards in the deck "Deck" and
// the explanation of card 7 reversed in English. Messages read "mN".
class ExportFixture : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    ProgramState program{fake.platform};
    ReadingModel reading;
    QWidget window;
    ReadingExports exports{program, reading, &window};

    void SetUp() override {
        program.AppDir = app.path();
        program.Places = ProgramPlaces::Portable(app.path());
        program.settings.DeckName = "Deck";
        program.settings.LanguageName = "English";
        program.Messages.replace(NumberedLines("m", Msg::Count));
        program.CardTitles[3] = "Empress";
        program.CardTitles[7] = "Chariot";
        QDir().mkpath(app.path() + "/Temp");
        QDir().mkpath(app.path() + "/Pics/Deck");
        QImage card(30, 50, QImage::Format_RGB32);
        card.fill(Qt::darkGreen);
        for (int n : {3, 7}) WriteJpeg(card, app.path() + QString("/Pics/Deck/%1.jpg").arg(n));
        app.write("Langs/English/Texts/7r.txt", "Delay.\r\nPatience.");
        reading.SetSpreadName("Spread");
        TSpreadParser& parser = reading.Parser;
        parser.SetLines({{true, -200, -200, "You"}, {false, 100, -200, "Past"}});
        parser.LayCard(0, 3, false, false);
        parser.LayCard(1, 7, true, false);
        reading.SetDeckLaidOut(true);
        reading.SetNextPosition(2);
        reading.ReadingComments = "Before";
    }
};
