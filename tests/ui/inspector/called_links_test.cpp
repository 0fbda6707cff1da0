// Calls to the game's global and semi-global behaviours: named from the game
// folder's Global.far, and followed into it and back.
#include <QTableWidget>
#include <QtTest>
#include <filesystem>

#include "synth/called_behaviour_files.h"
#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "tests/ui/support/game_window.h"
#include "tests/ui/support/window_test.h"
#include "ui/common/control_names.h"
#include "ui/inspector/inspector_link.h"
#include "ui/inspector/views/behaviour_view.h"

namespace tarnwick {

namespace {

QStringList CallColumn(const QTableWidget* table)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, 1)->text();
    return texts;
}

}  // namespace

class CalledLinksTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fixtures::GameWindow> window_;

    QListWidget* Chunks() const { return window_->List(names::kChunkList); }
    InspectorWindow* Inspector() const { return window_->Form().Inspection().Window(); }
    QTableWidget* Calls() const
    {
        return Inspector() && Inspector()->View()
                   ? fixtures::Find<QTableWidget>(Inspector()->View(), "Instructions")
                   : nullptr;
    }
    // Enter on a call cell, as a user follows it.
    void Follow(int row) const
    {
        QTableWidget* table = Calls();
        table->setFocus();
        table->setCurrentCell(row, 1);
        QTest::keyClick(table, Qt::Key_Return);
    }
    void Press(Qt::Key key) const
    {
        Inspector()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Inspector()));
        QTest::keyClick(Inspector(), key, Qt::AltModifier);
    }
    QString OpenMember() const { return QString::fromStdString(window_->Module().MemberName); }
    QString OpenFileName() const
    {
        return QString::fromStdString(std::filesystem::path(window_->Module().FilePath).filename().string());
    }

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
        fixtures::WriteFile(
            characters / "o.IFF",
            fixtures::BehaviourFileBytes(
                {{4096,
                  "Main",
                  {{280, 1, 254, {}}, {8192, 2, 254, {}}, {300, 254, 255, {}}, {8200, 254, 255, {}}}}},
                "LampGlobals"));
        QTRY_VERIFY(window_->Pick(names::kFileList, QStringLiteral("o.IFF")));
        Chunks()->setCurrentRow(0);
        QTest::keyClick(Chunks(), Qt::Key_Return);
        QVERIFY(Inspector() && Calls());
    }
    void cleanup() { window_.reset(); }

    // Found calls read with their behaviour's name and are links; the others stay numbered.
    void namesTheCallsTheGameFolderHolds()
    {
        QCOMPARE(CallColumn(Calls()), (QStringList{QStringLiteral("global 280 Idle"),
                                                   QStringLiteral("semi-global 8192 Switch in LampGlobals"),
                                                   QStringLiteral("global 300"),
                                                   QStringLiteral("semi-global 8200 in LampGlobals")}));
        QVERIFY(Calls()->item(0, 1)->font().underline());
        QVERIFY(Calls()->item(1, 1)->font().underline());
        QVERIFY(!Calls()->item(2, 1)->font().underline());
        QVERIFY(!Calls()->item(3, 1)->font().underline());
        QVERIFY(Calls()->item(0, 1)->toolTip().contains(QStringLiteral("Global.iff")));
    }

    void followsAGlobalCallIntoTheArchiveAndComesBack()
    {
        Follow(0);
        QTRY_COMPARE(OpenMember(), QStringLiteral("Global.iff"));
        QCOMPARE(OpenFileName(), QStringLiteral("Global.far"));
        QTRY_VERIFY(Inspector()->windowTitle().endsWith(QStringLiteral("Idle")));
        QCOMPARE(Inspector()->ChunkIndex(), 2);
        QCOMPARE(Chunks()->currentRow(), 1);
        QVERIFY(dynamic_cast<BehaviourView*>(Inspector()->View()));

        Press(Qt::Key_Left);
        QTRY_COMPARE(OpenFileName(), QStringLiteral("o.IFF"));
        QCOMPARE(OpenMember(), QString());
        QCOMPARE(Inspector()->ChunkIndex(), 1);
        QCOMPARE(CallColumn(Calls()).first(), QStringLiteral("global 280 Idle"));

        Press(Qt::Key_Right);
        QTRY_COMPARE(OpenMember(), QStringLiteral("Global.iff"));
        QCOMPARE(Inspector()->ChunkIndex(), 2);
    }

    void followsASemiGlobalCallToTheFileItsGlobalNames()
    {
        Follow(1);
        QTRY_COMPARE(OpenMember(), QStringLiteral("LampGlobals.iff"));
        QTRY_VERIFY(Inspector()->windowTitle().endsWith(QStringLiteral("Switch")));
        Press(Qt::Key_Left);
        QTRY_COMPARE(OpenFileName(), QStringLiteral("o.IFF"));
        QCOMPARE(Inspector()->ChunkIndex(), 1);
    }

    // Enter on a call that was not found goes nowhere.
    void staysOnACallNotFound()
    {
        Follow(2);
        QTest::qWait(50);
        QCOMPARE(OpenFileName(), QStringLiteral("o.IFF"));
        QCOMPARE(Inspector()->ChunkIndex(), 1);
    }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::CalledLinksTest)
#include "called_links_test.moc"
