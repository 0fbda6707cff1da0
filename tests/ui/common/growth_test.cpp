// The main window and the chunk display as they are enlarged and shrunk: at
// their default size every control is where the layout puts it; larger, the
// lists take the room and the rest keep their place beside them.
#include <QtTest>
#include <map>
#include <vector>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/common/twips.h"

namespace tarnwick {

using fixtures::Find;

namespace {

// Which way a control goes as its window grows.
struct Follows {
    bool right = false;  // moves right
    bool down = false;   // moves down
    bool wider = false;
    bool taller = false;
};
constexpr Follows kStays{};
constexpr Follows kGrows{false, false, true, true};

// A control of the layout: its place in twips inside its container, how it
// follows growth, and whether the place is exact (a caption wider than its
// place grows away from its value, so only where it stays is checked).
struct Control {
    const char* name;
    QRect twips;
    Follows follows;
    bool exact = true;
};

const std::map<QString, std::vector<Control>>& Layouts()
{
    static const std::map<QString, std::vector<Control>> layouts = {
        {names::kMainWindow,
         {
             {names::kFileSelectFrame, {60, 0, 2115, 5655}, kGrows},
             {names::kFileList, {120, 240, 1875, 2430}, kGrows},
             {names::kIffOption, {120, 2640, 615, 255}, {false, true, false, false}},
             {names::kWallsOption, {120, 2880, 1695, 255}, {false, true, false, false}},
             {names::kFloorsOption, {120, 3120, 1095, 255}, {false, true, false, false}},
             {names::kFolderList, {120, 3420, 1815, 1440}, {false, true, true, true}},
             {names::kDriveList, {120, 5100, 1815, 315}, {false, true, true, false}},
             {names::kDetailsFrame, {2220, 0, 5535, 5655}, {true, false, true, true}},
             {names::kHeaderCaption, {480, 300, 615, 195}, kStays, false},
             {names::kHeaderLine1, {1200, 300, 2955, 195}, kStays},
             {names::kHeaderLine2, {1200, 540, 3495, 195}, kStays},
             {names::kRsmpLocationCaption, {180, 780, 975, 195}, kStays, false},
             {names::kRsmpLocation, {1200, 780, 1815, 255}, kStays},
             {names::kChunkList, {120, 1020, 5295, 4350}, kGrows},
         }},
        {names::kChunkWindow,
         {
             {names::kChunkFrame, {60, 60, 9915, 4755}, kGrows},
             {names::kChunkTypeCaption, {180, 300, 675, 255}, kStays, false},
             {names::kChunkType, {900, 300, 3015, 255}, kStays},
             {names::kChunkNameCaption, {240, 600, 615, 195}, kStays, false},
             {names::kChunkName, {900, 600, 3015, 255}, kStays},
             {names::kChunkSizeCaption, {300, 900, 555, 195}, kStays, false},
             {names::kChunkSize, {900, 900, 3015, 255}, kStays},
             {names::kChunkIdCaption, {360, 1200, 495, 195}, kStays, false},
             {names::kChunkId, {900, 1200, 3015, 255}, kStays},
             {names::kChunkAddressCaption, {180, 1500, 675, 195}, kStays, false},
             {names::kChunkAddress, {900, 1500, 3015, 255}, kStays},
             {names::kChunkPicture, {4140, 300, 1755, 1575}, kStays},
             {names::kChunkLines, {120, 2100, 9675, 2535}, kGrows},
             {names::kChunkClose, {60, 4920, 9855, 315}, {false, true, true, false}},
         }},
    };
    return layouts;
}

using Geometries = std::map<QString, QRect>;

Geometries GeometryOf(const QWidget& window)
{
    Geometries geometry;
    for (const Control& control : Layouts().at(window.objectName()))
        geometry[QString::fromLatin1(control.name)] = Find<QWidget>(&window, control.name)->geometry();
    return geometry;
}

}  // namespace

class GrowthTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> game_;

    // The window named `name`, at its default size.
    QWidget* Open(const QString& name)
    {
        if (name == QLatin1String(names::kMainWindow))
            return &game_->Form();
        if (!game_->Pick(names::kFileList, QStringLiteral("a.IFF")))
            return nullptr;
        game_->List(names::kChunkList)->setCurrentRow(1);
        const QList<QWidget*> windows = fixtures::TopLevels(names::kChunkWindow);
        return windows.size() == 1 ? windows.first() : nullptr;
    }

    static void ResizeTo(QWidget& window, QSize size)
    {
        window.resize(size);
        QCoreApplication::processEvents();
    }

private slots:
    void init() { game_ = std::make_unique<fixtures::GameWindow>(); }

    void cleanup()
    {
        game_.reset();
        for (QWidget* window : fixtures::TopLevels(names::kChunkWindow))
            delete window;
    }

    void eachWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << QString::fromLatin1(names::kMainWindow);
        QTest::newRow("chunk display") << QString::fromLatin1(names::kChunkWindow);
    }

    void atItsDefaultSizeEveryControlIsWhereTheLayoutPutsIt_data() { eachWindow_data(); }
    void atItsDefaultSizeEveryControlIsWhereTheLayoutPutsIt()
    {
        QFETCH(QString, window);
        QWidget* form = Open(window);
        QVERIFY(form != nullptr);
        for (const Control& control : Layouts().at(window)) {
            auto* widget = Find<QWidget>(form, control.name);
            QVERIFY2(widget != nullptr, control.name);
            const QRect expected = TwipsToPixels(control.twips, *widget);
            if (control.exact)
                QCOMPARE(widget->geometry(), expected);
            else
                QCOMPARE(widget->y(), expected.y());
        }
    }

    void enlargedTheListsTakeTheRoomAndTheRestKeepTheirPlace_data() { eachWindow_data(); }
    void enlargedTheListsTakeTheRoomAndTheRestKeepTheirPlace()
    {
        QFETCH(QString, window);
        QWidget* form = Open(window);
        QVERIFY(form != nullptr);
        const Geometries before = GeometryOf(*form);
        ResizeTo(*form, form->size() + QSize(300, 240));
        const Geometries after = GeometryOf(*form);
        for (const Control& control : Layouts().at(window)) {
            const QString name = QString::fromLatin1(control.name);
            const QRect was = before.at(name);
            const QRect is = after.at(name);
            const Follows& follows = control.follows;
            QVERIFY2((is.x() > was.x()) == follows.right, control.name);
            QVERIFY2((is.y() > was.y()) == follows.down, control.name);
            QVERIFY2((is.width() > was.width()) == follows.wider, control.name);
            QVERIFY2((is.height() > was.height()) == follows.taller, control.name);
            // Nothing leaves its frame, nor grows into a neighbour it was clear of.
            const QWidget* widget = Find<QWidget>(form, control.name);
            QVERIFY2(widget->parentWidget()->rect().contains(is), control.name);
            for (const Control& other : Layouts().at(window)) {
                const QString otherName = QString::fromLatin1(other.name);
                if (other.name != control.name &&
                    Find<QWidget>(form, other.name)->parentWidget() == widget->parentWidget() &&
                    !was.intersects(before.at(otherName)))
                    QVERIFY2(!is.intersects(after.at(otherName)),
                             qPrintable(name + QStringLiteral(" meets ") + otherName));
            }
        }
    }

    void shrunkItKeepsItsDefaultLayout_data() { eachWindow_data(); }
    void shrunkItKeepsItsDefaultLayout()
    {
        QFETCH(QString, window);
        QWidget* form = Open(window);
        QVERIFY(form != nullptr);
        const QSize initial = form->size();
        const Geometries before = GeometryOf(*form);
        ResizeTo(*form, initial + QSize(200, 200));
        ResizeTo(*form, initial / 2);
        QVERIFY(form->width() >= initial.width() && form->height() >= initial.height());
        QVERIFY(GeometryOf(*form) == before);
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(growth_test, tarnwick::GrowthTest);
#include "growth_test.moc"
