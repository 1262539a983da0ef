#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

#include "export/ExportFixture.h"
#include "support/ModalDialog.h"

namespace {

class PaperPrintTest : public ExportFixture {};

// The preview shows the reading's page; its Print button opens the system's print dialog, which
// prints to a file where no printer is wanted, and nothing is reported.
TEST_F(PaperPrintTest, PreviewThenPrintDialogPrints) {
    program.settings.PrintBigCards = true;
    const QString file = app.path() + "/printout.pdf";
    bool printDialogShown = false;
    int pages = 0;
    OnNextModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->printer()->setOutputFormat(QPrinter::PdfFormat);
        preview->printer()->setOutputFileName(file);
        OnNextModal<QPrintDialog>([&](QPrintDialog* dialog) {
            printDialogShown = true;
            dialog->accept();
        });
        for (QAction* action : preview->findChild<QToolBar*>()->actions())
            if (action->text() == "Print") action->trigger();
    });
    exports.PrintOnPrinter();
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(printDialogShown);
    EXPECT_GT(QFileInfo(file).size(), 1000);
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
}

}  // namespace
