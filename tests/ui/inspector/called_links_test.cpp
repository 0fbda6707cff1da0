// Calls to the game's global and semi-global behaviours: named from the game
// folder's Global.far, and followed into it and back.
#include <QTableWidget>
#include <QtTest>

#include "fixtures/game_window.h"
#include "fixtures/window_test.h"
#include "synth/called_behaviour_files.h"
#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "tests/ui/support/window_test_main.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"

namespace tarnwick {

class CalledLinksTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;

    InspectorWindow* Inspector() const { return window_->Form().Inspection().Window(); }
    QTableWidgetItem* Call(int row) const
    {
        return fixtures::Find<QTableWidget>(Inspector()->View(), "Instructions")->item(row, 1);
    }
    // Enter on a call cell, as a user follows it.
    void Follow(int row) const
    {
        auto* table = fixtures::Find<QTableWidget>(Inspector()->View(), "Instructions");
        table->setFocus();
        table->setCurrentCell(row, 1);
        QTest::keyClick(table, Qt::Key_Return);
    }
    QString Shown() const { return window_->ShownFile(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        window_ = std::make_unique<fixtures::GameWindow>();
        const std::filesystem::path characters = window_->Game().Characters().toStdString();
        const std::filesystem::path game = characters.parent_path().parent_path();
        fixtures::WriteFile(game / "GameData" / "Behavior.iff",
                            fixtures::BehaviourFileBytes({{4096, "Main"}}));
        fixtures::WriteFile(
            game / "GameData" / "Global" / "Global.far",
            fixtures::FarBuilder()
                .Member("Global.iff", fixtures::BehaviourFileBytes({{256, "Wait"}, {280, "Idle"}}))
                .Member("LampGlobals.iff", fixtures::BehaviourFileBytes({{8192, "Switch"}}))
                .Build());
        const std::vector<Instruction> calls = {
            {280, 1, 254, {}}, {8192, 2, 254, {}}, {300, 3, 255, {}}, {8200, 254, 255, {}}};
        fixtures::WriteFile(characters / "o.IFF",
                            fixtures::BehaviourFileBytes({{4096, "Main", calls}}, "LampGlobals"));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("o.IFF")));
        QVERIFY(window_->Inspect(0));
    }
    void cleanup() { window_.reset(); }

    // Found calls read with their behaviour's name and are links; the others stay numbered.
    void namesTheCallsTheGameFolderHolds()
    {
        const QStringList texts = {"global 280 Idle", "semi-global 8192 Switch in LampGlobals", "global 300",
                                   "semi-global 8200 in LampGlobals"};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(Call(row)->text(), texts[row]);
            QCOMPARE(Call(row)->font().underline(), row < 2);
        }
        QVERIFY(Call(0)->toolTip().endsWith(QStringLiteral("Global.iff")));
    }

    void followsACallIntoTheArchiveAndComesBack()
    {
        Follow(0);
        QTRY_COMPARE(Shown(), QStringLiteral("Global.far: Global.iff"));
        QTRY_VERIFY(Inspector()->windowTitle().endsWith(QStringLiteral("Idle")));
        QCOMPARE(Inspector()->ChunkIndex(), 2);
        QCOMPARE(window_->List(names::kChunkList)->currentRow(), 1);
        QTest::keyClick(Inspector(), Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(Shown(), QStringLiteral("o.IFF"));
        QCOMPARE(Inspector()->ChunkIndex(), 1);
        QCOMPARE(Call(0)->text(), QStringLiteral("global 280 Idle"));
        QTest::keyClick(Inspector(), Qt::Key_Right, Qt::AltModifier);
        QTRY_COMPARE(Shown(), QStringLiteral("Global.far: Global.iff"));
        QCOMPARE(Inspector()->ChunkIndex(), 2);
        // A semi-global call opens the file the object's GLOB names.
        QTest::keyClick(Inspector(), Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE(Shown(), QStringLiteral("o.IFF"));
        Follow(1);
        QTRY_COMPARE(Shown(), QStringLiteral("Global.far: LampGlobals.iff"));
        QTRY_VERIFY(Inspector()->windowTitle().endsWith(QStringLiteral("Switch")));
    }
};

}  // namespace tarnwick

TARNWICK_WINDOW_TEST(called_links_test, tarnwick::CalledLinksTest);
#include "called_links_test.moc"
