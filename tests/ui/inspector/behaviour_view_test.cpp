#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "synth/behaviour_builder.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/views/behaviour_view.h"
#include "ui/inspector/views/hex_view.h"
#include "ui/inspector/views/interactions_view.h"
#include "ui/inspector/views/small_table_views.h"

namespace tarnwick {

using fixtures::Bytes;
using fixtures::ChunkId;

namespace {

// "o.IFF": an object's behaviours, interactions with French texts, its
// constants and semi-global file, numbered as the list shows them.
Bytes BehaviourObjectFile()
{
    const Bytes main = fixtures::BehaviourBody({}, {{4097, 1, 9, {}}, {8192, 254, 255, {}}});
    const Bytes wash = fixtures::BehaviourBody({0x8003, 0, 0, 0, 0, -1}, {{2, 254, 255, {}}});
    const Bytes interactions = fixtures::InteractionsBody(
        9,
        {{4097, 4096, 0x0103, 1, 3, 0, 0, 0, {{}, {}, {}, {}, {}, {}, {}, {0, 30, 0}}, 0},
         {4096, 0, 0, 0, 1, 0, 0, 0, {}, 0}},
        true);
    // temp 0 := literal 3; animate 12 from the global list; call 4097 with temps.
    const Bytes bathe = fixtures::BehaviourBody(
        {0x8002, 0, 2, 1, 0, -1}, {{2, 1, 253, {0x00, 0x00, 0x03, 0x00, 0x00, 0x05, 0x08, 0x07}},
                                   {44, 2, 255, {0x0C, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}},
                                   {4097, 254, 0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}});
    const Bytes texts =
        fixtures::TextTableBody(TextTableLayout::Languages,
                                {{1, "Sit", ""}, {1, "Wash", ""}, {3, "S'asseoir", ""}, {3, "Laver", ""}});
    return fixtures::IffBuilder()
        .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
        .Chunk("BHAV", "Main", main, ChunkId(4096))
        .Chunk("BHAV", "Wash hands", wash, ChunkId(4097))
        .Chunk("TTAB", "Menu", interactions, ChunkId(200))
        .Chunk("TTAs", "Menu", texts, ChunkId(200))
        .Chunk("BCON", "Tuning", fixtures::ConstantsBody(0x80, {5, 0xFFFF}), ChunkId(4096))
        .Chunk("GLOB", "Semi", fixtures::Concat({{0x0B}, fixtures::ToBytes("DoorGlobals.iff")}), ChunkId(128))
        .Chunk("TTAB", "Old", {1, 0, 3, 0, 0, 0}, ChunkId(201))
        .Chunk("BHAV", "Bathe", bathe, ChunkId(4098))
        .Build();
}

QStringList Column(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

}  // namespace

class BehaviourViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;

    QListWidget* Chunks() const { return window_->List(names::kChunkList); }
    InspectorWindow* Inspector() const { return window_->Form().Inspection().Window(); }
    QTableWidget* Table(const char* name) const
    {
        return Inspector() && Inspector()->View() ? fixtures::Find<QTableWidget>(Inspector()->View(), name)
                                                  : nullptr;
    }
    void Inspect(int row)
    {
        Chunks()->setCurrentRow(row);
        QTest::keyClick(Chunks(), Qt::Key_Return);
        QVERIFY(Inspector() && Inspector()->isVisible());
        QCOMPARE(Inspector()->ChunkIndex(), row + 1);
    }
    // Enter on a link cell, as a user follows it.
    static void Activate(QTableWidget* table, int row, int column)
    {
        table->setFocus();
        table->setCurrentCell(row, column);
        QTest::keyClick(table, Qt::Key_Return);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        const Bytes file = BehaviourObjectFile();
        std::ofstream(window_->Game().Characters().toStdString() + "/o.IFF", std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("o.IFF")));
        QCOMPARE(Chunks()->count(), 8);
    }
    void cleanup() { window_.reset(); }

    void listsInstructionsWithTheirKindsAndTargets()
    {
        Inspect(0);
        QTableWidget* instructions = Table("Instructions");
        QVERIFY(instructions);
        QCOMPARE(Column(instructions, 1), (QStringList{QStringLiteral("local 4097 Wash hands"),
                                                       QStringLiteral("semi-global 8192 in DoorGlobals")}));
        QCOMPARE(Column(instructions, 3), (QStringList{QStringLiteral("1"), QStringLiteral("return true")}));
        QCOMPARE(Column(instructions, 4),
                 (QStringList{QStringLiteral("9 (past the end)"), QStringLiteral("return false")}));
        QVERIFY(Inspector()->findChild<QLabel*>(QStringLiteral("Note"))->text().contains("past the last"));
        // Ctrl+C copies the selected rows whole, as the table shows them.
        instructions->selectRow(1);
        Inspector()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Inspector()));
        instructions->setFocus();
        QTest::keyClick(instructions, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("1\tsemi-global 8192 in DoorGlobals\targuments 0, 0, 0, 0\treturn true\t"
                                "return false\t00 00 00 00 00 00 00 00\n"));
    }

    void namesPrimitivesAndDecodesTheirOperands()
    {
        Inspect(7);
        QTableWidget* instructions = Table("Instructions");
        QVERIFY(instructions);
        QCOMPARE(Column(instructions, 1),
                 (QStringList{QStringLiteral("expression"), QStringLiteral("animate"),
                              QStringLiteral("local 4097 Wash hands")}));
        QCOMPARE(Column(instructions, 2), (QStringList{QStringLiteral("temp 0 := literal 3"),
                                                       QStringLiteral("animation 12 from global animations"),
                                                       QStringLiteral("temps 0-3 as arguments")}));
        QCOMPARE(Column(instructions, 4),
                 (QStringList{QStringLiteral("error"), QStringLiteral("return false"), QStringLiteral("0")}));
        // The bytes stay for researchers, the opcode in hex beside its number.
        QCOMPARE(instructions->item(1, 5)->text(), QStringLiteral("0C 00 00 00 01 00 00 00"));
        QCOMPARE(instructions->item(1, 1)->toolTip(), QStringLiteral("Opcode 44 (0x002C)"));
        QCOMPARE(fixtures::Find<QLabel>(Inspector()->View(), "BehaviourHeader")->text(),
                 QStringLiteral("Signature 0x8002    Tree type 0    Parameters 2    Locals 1    "
                                "Tree version 0    Instructions 3"));
    }

    // A click on a target selects the instruction it goes to; a word goes nowhere.
    void followsTargetsWithinTheBehaviour()
    {
        Inspect(7);
        QTableWidget* instructions = Table("Instructions");
        const auto click = [&](int row, int column) {
            instructions->scrollToItem(instructions->item(row, column));
            const QRect cell = instructions->visualItemRect(instructions->item(row, column));
            QTest::mouseClick(instructions->viewport(), Qt::LeftButton, {}, cell.center());
        };
        click(0, 3);
        QCOMPARE(instructions->currentRow(), 1);
        click(1, 3);
        QCOMPARE(instructions->currentRow(), 2);
        click(2, 4);
        QCOMPARE(instructions->currentRow(), 0);
        click(0, 4);  // error
        QCOMPARE(instructions->currentRow(), 0);
        QCOMPARE(instructions->selectionModel()->selectedRows().size(), 1);
        // Enter on a target follows it too.
        Activate(instructions, 1, 3);
        QCOMPARE(instructions->currentRow(), 2);
        QCOMPARE(Inspector()->ChunkIndex(), 8);
    }

    void followsALocalCallAndComesBack()
    {
        Inspect(0);
        Activate(Table("Instructions"), 0, 1);
        QTRY_COMPARE(Inspector()->ChunkIndex(), 2);
        QCOMPARE(Chunks()->currentRow(), 1);
        QVERIFY(dynamic_cast<BehaviourView*>(Inspector()->View()));
        Inspector()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Inspector()));
        QTest::keyClick(Inspector(), Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(Inspector()->ChunkIndex(), 1);
        QCOMPARE(Chunks()->currentRow(), 0);
        QTest::keyClick(Inspector(), Qt::Key_Right, Qt::AltModifier);
        QTRY_COMPARE(Inspector()->ChunkIndex(), 2);
    }

    void showsInteractionTextsInTheChosenLanguage()
    {
        Inspect(2);
        QTableWidget* interactions = Table("Interactions");
        QVERIFY(interactions);
        QCOMPARE(Column(interactions, 1), (QStringList{QStringLiteral("Wash"), QStringLiteral("Sit")}));
        QCOMPARE(Column(interactions, 2), (QStringList{QStringLiteral("BHAV 4097 (0x1001) Wash hands"),
                                                       QStringLiteral("BHAV 4096 (0x1000) Main")}));
        QCOMPARE(Column(interactions, 4),
                 (QStringList{QStringLiteral("0x00000103 visitors, joinable, auto first select"),
                              QStringLiteral("0x00000000")}));
        QCOMPARE(Column(interactions, 5), (QStringList{QStringLiteral("medium"), QStringLiteral("none")}));
        QCOMPARE(Column(interactions, 8), (QStringList{QStringLiteral("hygiene (7) +30"), QString()}));
        auto* languages = fixtures::Find<QComboBox>(Inspector()->View(), "Language");
        QVERIFY(languages && languages->isVisibleTo(Inspector()));
        languages->setCurrentIndex(languages->findText(QStringLiteral("French")));
        QCOMPARE(Column(interactions, 1),
                 (QStringList{QStringLiteral("Laver"), QStringLiteral("S'asseoir")}));
        // Its action behaviour is a link too.
        Activate(interactions, 1, 2);
        QTRY_COMPARE(Inspector()->ChunkIndex(), 1);
    }

    void showsConstantsAndTheSemiGlobalName()
    {
        Inspect(4);
        QTableWidget* constants = Table("Constants");
        QVERIFY(constants);
        QCOMPARE(Column(constants, 1), (QStringList{QStringLiteral("5"), QStringLiteral("-1")}));
        QCOMPARE(Column(constants, 2), (QStringList{QStringLiteral("5"), QStringLiteral("65535")}));
        Inspect(5);
        QCOMPARE(fixtures::Find<QLabel>(Inspector()->View(), "GlobalName")->text(),
                 QStringLiteral("DoorGlobals"));
    }

    void showsATableOfAnUnreadableVersionAsBytesWithTheReason()
    {
        Inspect(6);
        QVERIFY(dynamic_cast<HexView*>(Inspector()->View()));
        QVERIFY(Inspector()
                    ->findChild<QLabel*>(QStringLiteral("Note"))
                    ->text()
                    .contains(QStringLiteral("version 3")));
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(behaviour_view_test, tarnwick::BehaviourViewTest);
#include "behaviour_view_test.moc"
