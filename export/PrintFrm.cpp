#include "export/PrintFrm.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "platform/TextFitting.h"
#include "settings/Settings.h"
#include "table/CommentText.h"

namespace {

// A titleless group of radio buttons with the given captions, numbered from 0, one below the
// other.
QGroupBox* MakeRadioGroup(QWidget* parent, const char* name, const QRect& place,
                          const QStringList& items, QButtonGroup*& buttons) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(name);
    group->setGeometry(place);
    buttons = new QButtonGroup(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], group);
        radio->setObjectName(QString(name) + "Item" + QString::number(i));
        radio->setGeometry(8, 16 + 22 * i, place.width() - 12, 20);
        buttons->addButton(radio, i);
    }
    return group;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setChecked(checked);
    return box;
}

}  // namespace

TForm18::TForm18(const MessageList& messages, const Settings& settings, const QString& comments,
                 QWidget* parent)
    : QDialog(parent), comments_(comments) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(431, 339);
    setWindowTitle(messages[Msg::PrintSettings]);

    radioGroup1_ = MakeRadioGroup(
        this, "RadioGroup1", QRect(24, 8, 185, 133),
        {messages[Msg::PrintInWord], messages[Msg::PrintInHtml], messages[Msg::PrintInOpenOffice],
         messages[Msg::PrintOnPrinter], messages[Msg::PrintAsPdf]},
        printTypes_);
    checkBox1_ = MakeCheckBox(this, "CheckBox1", messages[Msg::PrintSpreadView],
                              QRect(24, 148, 185, 17), settings.PrintView);
    radioGroup2_ =
        MakeRadioGroup(this, "RadioGroup2", QRect(48, 164, 161, 65),
                       {messages[Msg::PrintSchematic], messages[Msg::PrintSmallCards]}, viewKinds_);
    checkBox2_ = MakeCheckBox(this, "CheckBox2", messages[Msg::PrintBigCards],
                              QRect(24, 244, 201, 17), settings.PrintBigCards);
    checkBox3_ = MakeCheckBox(this, "CheckBox3", messages[Msg::PrintExplanations],
                              QRect(24, 268, 201, 17), settings.PrintExpl);
    label1_ = new QLabel(messages[Msg::PrintCommentsForAll], this);
    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setGeometry(232, 16, 169, 40);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    memo1_ = new QPlainTextEdit(CommentForDisplay(comments), this);
    memo1_->setObjectName("Memo1");
    memo1_->setAccessibleName(messages[Msg::PrintCommentsForAll]);
    // A comment too long to show whole is kept as it is rather than cut by an edit.
    memo1_->setReadOnly(CommentCutForDisplay(comments));
    memo1_->setGeometry(232, 62, 169, 231);
    memo1_->setTabChangesFocus(true);
    button1_ = new QPushButton(messages[Msg::Ok], this);
    button1_->setObjectName("Button1");
    button1_->setGeometry(128, 300, 75, 25);
    button1_->setDefault(true);
    button2_ = new QPushButton(messages[Msg::Cancel], this);
    button2_->setObjectName("Button2");
    button2_->setGeometry(232, 300, 75, 25);

    if (QAbstractButton* type = printTypes_->button(static_cast<int>(settings.PrintType)))
        type->setChecked(true);
    viewKinds_->button(settings.PrintSchema ? 0 : 1)->setChecked(true);
    RadioGroup1Click();
    CheckBox1Click();
    QWidget* const order[] = {radioGroup1_, checkBox1_, radioGroup2_, checkBox2_,
                              checkBox3_,   memo1_,     button1_,     button2_};
    for (int i = 1; i < 8; ++i) setTabOrder(order[i - 1], order[i]);
    FitTexts(this);
    // A label that grew downward keeps the comments field below it.
    if (const int overlap = label1_->geometry().bottom() + 6 - memo1_->y(); overlap > 0)
        memo1_->setGeometry(memo1_->geometry().adjusted(0, overlap, 0, 0));
    // Captions that grew past the comments column push it, and the Cancel button below it, to
    // the right.
    int right = 0;
    for (QWidget* box : {static_cast<QWidget*>(radioGroup1_), static_cast<QWidget*>(checkBox1_),
                         static_cast<QWidget*>(radioGroup2_), static_cast<QWidget*>(checkBox2_),
                         static_cast<QWidget*>(checkBox3_)})
        right = std::max(right, box->geometry().right());
    if (const int shift = right + 8 - label1_->x(); shift > 0) {
        for (QWidget* box : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(memo1_),
                             static_cast<QWidget*>(button2_)})
            box->move(box->x() + shift, box->y());
        setFixedSize(width() + shift, height());
    }

    connect(checkBox1_, &QCheckBox::toggled, this, &TForm18::CheckBox1Click);
    connect(printTypes_, &QButtonGroup::idToggled, this, &TForm18::RadioGroup1Click);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm18::CheckBox1Click() { radioGroup2_->setEnabled(checkBox1_->isChecked()); }

void TForm18::RadioGroup1Click() {
    // The formats that print the comments: the web page, the printer and the PDF file.
    const int type = printTypes_->checkedId();
    const bool comments = type == 1 || type == 3 || type == 4;
    label1_->setEnabled(comments);
    memo1_->setEnabled(comments);
}

void TForm18::TakeChoices(Settings& settings) const {
    if (printTypes_->checkedId() >= 0)
        settings.PrintType = static_cast<PrintFormat>(printTypes_->checkedId());
    settings.PrintView = checkBox1_->isChecked();
    settings.PrintSchema = viewKinds_->checkedId() == 0;
    settings.PrintBigCards = checkBox2_->isChecked();
    settings.PrintExpl = checkBox3_->isChecked();
}

QString TForm18::Comments() const {
    // Unchanged, the comment comes back with its characters exactly as they were.
    const QString text = memo1_->toPlainText();
    return text == CommentForDisplay(comments_) ? comments_ : CommentFromTyped(text);
}
