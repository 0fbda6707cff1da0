#include "tests/ui/support/window_test.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QTest>
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

}  // namespace

struct ModalWatch::State {
    std::function<void(QDialog&)> use;
    bool opened = false;
    bool ended = false;
};

namespace {

void LookForModal(std::shared_ptr<ModalWatch::State> state, int turnsLeft)
{
    QTimer::singleShot(0, [state = std::move(state), turnsLeft]() mutable {
        if (state->ended)
            return;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {  // not shown yet: look again on the next turn
            if (turnsLeft > 0)
                LookForModal(std::move(state), turnsLeft - 1);
            return;
        }
        state->opened = true;
        QPointer<QDialog> guard(dialog);
        state->use(*dialog);
        if (guard)
            guard->reject();
    });
}

}  // namespace

ModalWatch::ModalWatch(std::shared_ptr<State> state) : state_(std::move(state)) {}

ModalWatch::~ModalWatch()
{
    if (!state_)
        return;  // moved from
    state_->ended = true;
    if (!state_->opened)
        QTest::qFail("no modal window opened", __FILE__, __LINE__);
}

ModalWatch WhenModalOpens(std::function<void(QDialog&)> use)
{
    auto state = std::make_shared<ModalWatch::State>();
    state->use = std::move(use);
    LookForModal(state, 1000);
    return ModalWatch(std::move(state));
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
