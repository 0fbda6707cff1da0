#include "tests/ui/support/window_test.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QTimer>

namespace tarnwick::fixtures {

QList<QWidget*> TopLevels(const char* name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            found.append(window);
    return found;
}

namespace {

void LookForModal(std::function<void(QDialog&)> use, int turnsLeft)
{
    QTimer::singleShot(0, [use = std::move(use), turnsLeft]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {  // not shown yet: look again on the next turn
            if (turnsLeft > 0)
                LookForModal(std::move(use), turnsLeft - 1);
            return;
        }
        QPointer<QDialog> guard(dialog);
        use(*dialog);
        if (guard)
            guard->reject();
    });
}

}  // namespace

void WhenModalOpens(std::function<void(QDialog&)> use)
{
    LookForModal(std::move(use), 1000);
}

QStringList RowTexts(const QWidget* view)
{
    QStringList texts;
    if (const auto* combo = qobject_cast<const QComboBox*>(view)) {
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
    } else if (const auto* items = qobject_cast<const QAbstractItemView*>(view)) {
        const QAbstractItemModel* model = items->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, 0).data().toString());
    }
    return texts;
}

}  // namespace tarnwick::fixtures
