#include "support/MainWindowTest.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "app/MainMenu.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "support/ModalDialog.h"
#include "table/TableWidget.h"

MainWindowTest::MainWindowTest() {
    app.linkBundled("Pics");
    app.linkBundled("Langs");
    fake.settingsKey->values["language"] = "English";
}

void MainWindowTest::writeCrossSpread() const {
    writeSpread("Cross", 4,
                {{true, 10, 10, "The querent"},
                 {false, 120, 10, "The past"},
                 {false, 230, 10, "The present"},
                 {false, 340, 10, "The future"}});
}

void MainWindowTest::writeSpread(const QString& name, int count,
                                 const QList<SpreadLine>& lines) const {
    QDir().mkpath(app.path() + "/Spreads");
    WriteSpreadFile(app.path() + "/Spreads/" + name + ".spread", count, lines);
}

void MainWindowTest::open() {
    form = std::make_unique<TForm1>(fake.platform, app.programPath());
    form->show();
}

QToolButton* MainWindowTest::button(const char* name) const {
    return form->findChild<QToolButton*>(name);
}

void MainWindowTest::clickTable(QPoint point) const {
    QTest::mouseClick(form->table(), Qt::LeftButton, {}, point);
}

void MainWindowTest::startReading(const QString& spread, int significator) const {
    ChooseSpread(spread);
    ChooseCard(significator);
    form->menu().SelectlayoutF12->trigger();
}

void MainWindowTest::shuffle(int stopAt, const std::function<void()>& meanwhile) const {
    fake.pacer->onWait = [this, stopAt, meanwhile] {
        if (fake.pacer->frames >= stopAt && form->reading().Shuffling())
            button("SpeedButton2")->click();
        if (meanwhile) meanwhile();
    };
    button("SpeedButton1")->click();
    fake.pacer->onWait = nullptr;
}

void MainWindowTest::ChooseSpread(const QString& spread, QStringList* listed) {
    OnNextModal<TForm2>([spread, listed](TForm2* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        if (listed)
            for (int i = 0; i < list->count(); ++i) listed->append(list->item(i)->text());
        list->setCurrentItem(list->findItems(spread, Qt::MatchExactly).value(0));
        dialog->findChild<QPushButton*>("Button1")->click();
    });
}

void MainWindowTest::ChooseCard(int card) {
    OnNextModal<TForm11>([card](TForm11* dialog) {
        dialog->ClickQuer(card);
        dialog->Button1()->click();
    });
}
