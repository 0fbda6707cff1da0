// The main window under a user who does not wait: files and chunks clicked
// while a file is still being walked, and windows closed in any order.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"

namespace tarnwick {

using fixtures::Find;

class RobustnessTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;

    MainWindow* Main() const { return &window_->Form(); }
    QListWidget* List(const char* name) const { return window_->List(name); }
    void Pick(const QString& file) const { window_->Pick(names::kFileList, file); }

private slots:
    void init() { window_ = std::make_unique<fixtures::GameWindow>(); }

    void cleanup()
    {
        window_.reset();
        for (QWidget* window : fixtures::TopLevels(names::kChunkWindow))
            delete window;
    }

    // Each click lands inside the walk that the click before it started.
    void clicksDuringWalksManyTimesInARow()
    {
        const QStringList files = {"many.IFF", "a.IFF", "many.IFF", "b.iff"};
        int clicks = 0;
        std::function<void()> clickNext = [&] {
            if (++clicks > 40)
                return;
            QTimer::singleShot(0, Main(), clickNext);
            List(names::kChunkList)
                ->setCurrentRow(List(names::kChunkList)->count() > 1 ? 1
                                                                     : 0);  // a chunk of whatever is listed
            Pick(files[clicks % files.size()]);
        };
        QTimer::singleShot(0, Main(), clickNext);
        Pick("many.IFF");
        QTRY_VERIFY(clicks > 40);
        // The last file clicked is the one shown, whole.
        Pick("a.IFF");
        QCOMPARE(List(names::kChunkList)->count(), 5);
        QCOMPARE(window_->Module().Chunks.Count(), std::size_t{5});
    }

    void closingWindowsInAnyOrder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("chunk display by its button, then main") << QStringList{"Command1", "MainWindow"};
        QTest::newRow("chunk display by its close box, then main")
            << QStringList{"ChunkWindow", "MainWindow"};
        QTest::newRow("main by its close box with the chunk display open") << QStringList{"MainWindow"};
        QTest::newRow("main by E&xit with the chunk display open") << QStringList{"menu_exit"};
        QTest::newRow("main, then the chunk display's button") << QStringList{"MainWindow", "Command1"};
        QTest::newRow("main during a walk") << QStringList{"walk", "MainWindow"};
    }

    void closingWindowsInAnyOrder()
    {
        QFETCH(QStringList, steps);
        Pick("a.IFF");
        List(names::kChunkList)->setCurrentRow(1);
        QPointer<QWidget> display = fixtures::TopLevels(names::kChunkWindow).value(0);
        QVERIFY(display);
        for (const QString& step : steps) {
            if (step == "Command1" && display)
                Find<QPushButton>(display.data(), names::kChunkClose)->click();
            else if (step == "ChunkWindow" && display)
                display->close();
            else if (step == "MainWindow")
                Main()->close();
            else if (step == "menu_exit")
                Find<QAction>(Main(), names::kExitCommand)->trigger();
            else if (step == "walk") {
                QTimer::singleShot(0, Main(), [this] { Main()->close(); });
                Pick("many.IFF");
                QVERIFY(List(names::kChunkList)->count() < 1001);  // the walk stopped when the window closed
            }
        }
        QVERIFY(!Main()->isVisible());
        QTRY_VERIFY(fixtures::TopLevels(names::kChunkWindow).isEmpty());
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(robustness_test, tarnwick::RobustnessTest);
#include "robustness_test.moc"
