#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace tarnwick::fixtures {

using WindowTestFactory = std::function<std::unique_ptr<QObject>()>;

// Enters a window test class under `name` in the program that runs them all;
// the program's first argument chooses one, so each runs in a process of its own.
struct WindowTestEntry {
    WindowTestEntry(const char* name, WindowTestFactory make);
};

}  // namespace tarnwick::fixtures

// In place of QTEST_MAIN: `name` is what the test command passes to run `Class`.
#define TARNWICK_WINDOW_TEST(name, Class)                            \
    static const ::tarnwick::fixtures::WindowTestEntry name##_entry( \
        #name, [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })
