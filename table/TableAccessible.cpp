#include "table/TableAccessible.h"

#include <QAccessibleWidget>

#include "table/CardImage.h"
#include "table/TableWidget.h"

namespace {

class TableSurfaceAccessible : public QAccessibleWidget {
public:
    explicit TableSurfaceAccessible(TableWidget* table)
        : QAccessibleWidget(table, QAccessible::Canvas) {}

    QString text(QAccessible::Text text) const override {
        const QString described = static_cast<TableWidget*>(widget())->describe(text);
        return described.isEmpty() ? QAccessibleWidget::text(text) : described;
    }
};

class CardImageAccessible : public QAccessibleWidget {
public:
    explicit CardImageAccessible(CardImage* image)
        : QAccessibleWidget(image, QAccessible::Graphic) {
        addControllingSignal(QStringLiteral("clicked(int)"));
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // A position is focused while its area has the focus and it wears the frame.
        if (image()->focusFrame()) state.focused = true;
        state.focusable = true;
        return state;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            image()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    CardImage* image() const { return static_cast<CardImage*>(widget()); }
};

QAccessibleInterface* TableAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TableWidget"))
        return new TableSurfaceAccessible(static_cast<TableWidget*>(object));
    if (className == QLatin1String("CardImage"))
        return new CardImageAccessible(static_cast<CardImage*>(object));
    return nullptr;
}

}  // namespace

void InstallTableAccessibility() {
    static const bool installed = (QAccessible::installFactory(TableAccessibleFactory), true);
    Q_UNUSED(installed);
}
