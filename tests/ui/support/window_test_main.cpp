#include "tests/ui/support/window_test_main.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace tarnwick::fixtures {
namespace {

std::map<std::string, WindowTestFactory>& Entries()
{
    static std::map<std::string, WindowTestFactory> entries;
    return entries;
}

}  // namespace

WindowTestEntry::WindowTestEntry(const char* name, WindowTestFactory make)
{
    Entries().emplace(name, std::move(make));
}

}  // namespace tarnwick::fixtures

// tarnwick_window_tests NAME [Qt Test options...]
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const auto& entries = tarnwick::fixtures::Entries();
    const auto found = argc < 2 ? entries.end() : entries.find(argv[1]);
    if (found == entries.end()) {
        std::fputs("Name one of the window tests:\n", stderr);
        for (const auto& [name, make] : entries)
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    const std::unique_ptr<QObject> test = found->second();
    // Qt Test reads the program's name and the options after the test's name.
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    return QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
}
