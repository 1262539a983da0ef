#pragma once

#include <QWidget>

#include <memory>

#include "fakes/FakePlatform.h"
#include "settings/Settings.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"
#include "table/TableAnimations.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

// The table's parts without the main window: a 1024 x 768 window whose table lies below a
// 28-pixel menu bar, with the view and the animations over one reading model.
struct TableParts {
    ProgramState program;
    ReadingModel model;
    QWidget window;
    TableWidget* table = nullptr;
    std::unique_ptr<TableView> view;
    std::unique_ptr<TableAnimations> animations;

    TableParts(FakePlatform& fake, const QString& appDir) : program(fake.platform) {
        program.AppDir = appDir;
        program.Places = ProgramPlaces::Portable(appDir);
        LoadSettings(program.settings, *fake.platform.settingsKey, appDir);
        window.resize(1024, 768);
        table = new TableWidget(&window);
        table->setGeometry(0, 28, 1024, 740);
        view = std::make_unique<TableView>(program, model, *table, table->size());
        animations = std::make_unique<TableAnimations>(program, model, *view);
        view->ColourTable();
        window.show();
    }
};
