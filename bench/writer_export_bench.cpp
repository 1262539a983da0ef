// One Writer export of a four-position reading with every print switch on, through the real
// office bridge: the office's start with a profile made by an earlier run, the document built
// with five pictures, stored, closed and opened again, and the office stopped.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "export/WriterExport.h"
#include "platform/PluginOfficeAutomation.h"

namespace {

void BM_WriterExport(benchmark::State& state) {
    const QString plugin = LUMENFOLD_OFFICE_PLUGIN;
    if (plugin.isEmpty() || !QFile::exists(plugin))
        return state.SkipWithError("the LibreOffice bridge plugin is not built");
    QTemporaryDir temp;
    QImage picture(330, 561, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ReadingSnapshot reading;
    reading.spreadName = "Cross";
    for (int i = 0; i < 4; ++i) {
        picture.save(temp.path() + QString("/%1.bmp").arg(i), "BMP");
        ReadingSnapshot::Position position;
        position.card = i;
        position.reversed = i % 2 == 1;
        position.faceUp = true;
        position.text = QString("Position %1").arg(i);
        position.label = QString::number(i + 1);
        reading.positions.append(position);
    }
    picture.scaled(480, 350).save(temp.path() + "/1000.bmp", "BMP");
    CardTitleList titles;
    for (int i = 0; i < 4; ++i) titles[i] = QString("Card %1").arg(i);
    const CardTextSource explanation = [](int card, bool) {
        return QString("The meaning of card %1.\r\nA second line.").arg(card);
    };
    PluginOfficeAutomation office(plugin);
    int run = 0;
    const auto exportOnce = [&] {
        try {
            BuildWriterDocument(office, reading, titles, {true, true, true}, explanation,
                                "Cross (09/12/2026)", temp.path(), 96,
                                [&] { return temp.path() + QString("/report%1.odt").arg(++run); });
        } catch (const DocumentNotShown&) {
            // Stored all the same: a windowless office shows no document.
        }
    };
    try {
        exportOnce();  // makes the office's profile
        for (auto _ : state) exportOnce();
    } catch (const AutomationError& e) {
        state.SkipWithError(e.what());
    }
}

}  // namespace

BENCHMARK(BM_WriterExport)->Iterations(3)->Unit(benchmark::kMillisecond);
