#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

#include "export/ExportFixture.h"
#include "support/ModalDialog.h"

namespace {

class PaperPrintTest : public ExportFixture {
protected:
    // Opens the preview as Print does, and hands it to the action once it is on show.
    int PreviewPages(const std::function<void(QPrintPreviewDialog*)>& action) {
        int pages = 0;
        OnNextModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            action(preview);
        });
        exports.PrintOnPrinter();
        return pages;
    }
};

// The preview shows the reading's page; its Print button opens the system's print dialog, which
// prints to a file where no printer is wanted, and nothing is reported.
TEST_F(PaperPrintTest, PreviewThenPrintDialogPrints) {
    program.settings.PrintBigCards = true;
    const QString file = app.path() + "/printout.pdf";
    bool printDialogShown = false;
    const int pages = PreviewPages([&](QPrintPreviewDialog* preview) {
        preview->printer()->setOutputFormat(QPrinter::PdfFormat);
        preview->printer()->setOutputFileName(file);
        OnNextModal<QPrintDialog>([&](QPrintDialog* dialog) {
            printDialogShown = true;
            dialog->accept();
        });
        for (QAction* action : preview->findChild<QToolBar*>()->actions())
            if (action->text() == "Print") action->trigger();
    });
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(printDialogShown);
    EXPECT_GT(QFileInfo(file).size(), 1000);
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
}

// Closing the preview prints nothing and tells nothing; an incomplete reading is refused.
TEST_F(PaperPrintTest, ClosedPreviewPrintsNothing) {
    EXPECT_EQ(PreviewPages([](QPrintPreviewDialog* preview) { preview->reject(); }), 1);
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
    reading.NextPosition = 1;
    exports.PrintOnPrinter();
    EXPECT_EQ(fake.messageBoxes->shown, QStringList{"m92"});
}

}  // namespace
