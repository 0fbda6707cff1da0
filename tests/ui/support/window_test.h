#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace tarnwick::fixtures {

// The control named `name` inside `window`, or nullptr.
template <typename Control>
Control* Find(const QWidget* window, const char* name)
{
    return window == nullptr ? nullptr : window->findChild<Control*>(QString::fromLatin1(name));
}

// The top-level windows named `name` that are still alive.
[[nodiscard]] QList<QWidget*> TopLevels(const char* name);

// Runs `use` on the next modal window once it is shown, then closes that window
// (whatever `use` did), so that a failing check never leaves a test waiting.
// Keep the watch while the window is expected: when it ends and no modal
// window came, the running test fails.
class [[nodiscard]] ModalWatch {
public:
    struct State;
    explicit ModalWatch(std::shared_ptr<State> state);
    ~ModalWatch();
    ModalWatch(ModalWatch&& other) noexcept = default;
    ModalWatch& operator=(ModalWatch&&) = delete;

private:
    std::shared_ptr<State> state_;
};

ModalWatch WhenModalOpens(std::function<void(QDialog&)> use);

// The texts of a list view's rows.
[[nodiscard]] QStringList RowTexts(const QWidget* view);

}  // namespace tarnwick::fixtures
