#pragma once

// What a screen reader finds in a window: its accessible tree walked from the top.
#include <QAccessible>
#include <QStringList>
#include <QWidget>

struct AccessibleTree {
    QStringList unnamed;  // interactive objects without a name, by class and object name
    QStringList texts;    // every name, description and value found
};

inline void WalkAccessible(QAccessibleInterface* object, AccessibleTree& tree) {
    if (!object || object->state().invisible) return;
    for (const QAccessible::Text kind :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        if (const QString text = object->text(kind); !text.isEmpty()) tree.texts << text;
    const QAccessibleActionInterface* actions = object->actionInterface();
    const bool interactive =
        object->state().focusable ||
        (actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    if (interactive && object->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject* owner = object->object();
        tree.unnamed << QString("%1 %2").arg(owner ? owner->metaObject()->className() : "?",
                                             owner ? owner->objectName() : "");
    }
    for (int i = 0; i < object->childCount(); ++i) WalkAccessible(object->child(i), tree);
}

inline AccessibleTree WalkAccessibleTree(QWidget* window) {
    AccessibleTree tree;
    WalkAccessible(QAccessible::queryAccessibleInterface(window), tree);
    return tree;
}
