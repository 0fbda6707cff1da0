// The defined windows as they look and start, at the scale QT_SCALE_FACTOR
// gives (the suite runs this at 1 and at 2): keyboard focus, the game's header
// line whole, captions and values on one baseline, cut chunk lines in tooltips.
#include <QFontInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QToolTip>
#include <QtTest>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"

namespace tarnwick {

using fixtures::Find;

namespace {

// The lowest row of ink of the label's text, inside any frame, in device
// pixels from the top of its window: the baseline of a text without descenders.
int InkBottom(QLabel& label)
{
    const QImage image = label.grab().toImage();
    const qreal scale = label.devicePixelRatioF();
    const QRect text(label.contentsRect().topLeft() * scale, label.contentsRect().size() * scale);
    const int background = qGray(image.pixel(text.bottomRight()));
    for (int y = text.bottom(); y >= text.top(); --y)
        for (int x = text.left(); x <= text.right(); ++x)
            if (background - qGray(image.pixel(x, y)) > 96)
                return qRound(label.mapTo(label.window(), QPoint(0, 0)).y() * scale) + y;
    return -1;
}

}  // namespace

class FidelityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;

    MainWindow* Main() const { return &window_->Form(); }

private slots:
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        QCOMPARE(Main()->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    }

    void cleanup()
    {
        window_.reset();
        for (QWidget* window : fixtures::TopLevels(names::kChunkWindow))
            delete window;
    }

    // Tab moves from the drive list through the others in the layout's order.
    void theKeyboardStartsOnTheDriveListAndKeepsItsOrder()
    {
        Main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Main()));
        for (const char* name : {names::kDriveList, names::kFolderList, names::kFileList, names::kChunkList,
                                 names::kIffOption}) {
            QCOMPARE(QApplication::focusWidget(), Find<QWidget>(Main(), name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void theGamesHeaderLineShowsWhole()
    {
        QVERIFY(window_->Pick(names::kFileList, "a.IFF"));
        const auto* line = Find<QLabel>(Main(), names::kHeaderLine1);
        QCOMPARE(line->text(), QStringLiteral("IFF FILE 2.5:TYPE FOLLOWED BY SIZE "));
        QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= line->contentsRect().width(),
                 qPrintable(QFontInfo(line->font()).family()));
    }

    void captionsAndValuesShareABaseline_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        QTest::newRow("Header:") << names::kMainWindow << names::kHeaderCaption << names::kHeaderLine1;
        QTest::newRow("rsmp location:")
            << names::kMainWindow << names::kRsmpLocationCaption << names::kRsmpLocation;
        QTest::newRow("Type:") << names::kChunkWindow << names::kChunkTypeCaption << names::kChunkType;
        QTest::newRow("Name:") << names::kChunkWindow << names::kChunkNameCaption << names::kChunkName;
        QTest::newRow("Address:") << names::kChunkWindow << names::kChunkAddressCaption
                                  << names::kChunkAddress;
    }

    void captionsAndValuesShareABaseline()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, value);
        QVERIFY(window_->Pick(names::kFileList, "a.IFF"));
        window_->List(names::kChunkList)->setCurrentRow(0);
        const auto windows = fixtures::TopLevels(qPrintable(window));
        QCOMPARE(windows.size(), 1);
        // The same letters in both, none reaching below the baseline.
        auto* captionLabel = Find<QLabel>(windows.first(), qPrintable(caption));
        auto* valueLabel = Find<QLabel>(windows.first(), qPrintable(value));
        captionLabel->setText(QStringLiteral("HIH"));
        valueLabel->setText(QStringLiteral("HIH"));
        QCOMPARE(InkBottom(*captionLabel), InkBottom(*valueLabel));
        QVERIFY(InkBottom(*valueLabel) > 0);
    }

    void aChunkLineCutByTheListShowsWholeInATooltip()
    {
        const fixtures::TempDir folder;
        const std::string wide(64, 'W');
        const fixtures::Bytes file =
            fixtures::IffBuilder().Chunk("GLOB", wide, {}).Chunk("DATA", "x", {}).Build();
        QCOMPARE(Main()->Open(QString::fromStdString(folder.Write("wide.IFF", file))), QString());
        QListWidget* chunks = window_->List(names::kChunkList);
        const auto tipAt = [chunks](int row) {
            const QPoint at = chunks->visualItemRect(chunks->item(row)).center();
            QHelpEvent help(QEvent::ToolTip, at, chunks->viewport()->mapToGlobal(at));
            QApplication::sendEvent(chunks->viewport(), &help);
            return QToolTip::text();
        };
        QCOMPARE(tipAt(1), QString());  // "2: DATA [x]" shows whole
        QCOMPARE(tipAt(0), "1: GLOB [" + QString::fromStdString(wide) + "]");
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(fidelity_test, tarnwick::FidelityTest);
#include "fidelity_test.moc"
