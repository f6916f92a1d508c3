#include "TestSupport.h"
#include "app/cViewManager.h"
#include "ui/DialogService.h"
#include "ui/WindowRegistry.h"

#include <QTest>

// The view manager's rules, one script a row: A and B show that view, 0 shows handle 0,
// c closes the current view, x destroys view A.
class TestViewManager : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { EndProgram(); }

    // clang-format off
    void rules_data() {
        QTest::addColumn<bool>("allowEmpty");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("current"); // "-" for none
        QTest::addColumn<QString>("visible");
        QTest::newRow("first view") << true << "A" << "A" << "A";
        QTest::newRow("second replaces the first") << true << "AB" << "B" << "B";
        QTest::newRow("close empties the panel") << true << "ABc" << "-" << "";
        QTest::newRow("same view twice") << true << "AA" << "A" << "A";
        QTest::newRow("close on an empty manager") << true << "c" << "-" << "";
        QTest::newRow("last view stays") << false << "Ac" << "A" << "A";
        QTest::newRow("handle 0 ignored") << true << "A0" << "A" << "A";
        QTest::newRow("gone view ignored") << true << "xA" << "-" << "";
        QTest::newRow("current view destroyed, then B") << true << "AxB" << "B" << "B";
        QTest::newRow("current view destroyed, then close") << true << "Axc" << "-" << "";
    }
    // clang-format on

    void rules() {
        QFETCH(bool, allowEmpty);
        QFETCH(QString, script);
        QFETCH(QString, current);
        QFETCH(QString, visible);
        const WindowHandle main = NewDialog(kPixelUnits, 0, "Main", 0, 0, 560, 320, 0, 0);
        const WindowHandle panel = NewDialog(kPixelUnits, main, "", 450, 10, 100, 300,
                                             Style::Child | Style::Border, Style::ExClientEdge);
        ShowModeless(main);
        const std::map<QChar, WindowHandle> views{
            {'A', NewDialog(kPixelUnits, panel, "", 5, 5, 10, 10, Style::Child, 0)},
            {'B', NewDialog(kPixelUnits, panel, "", 5, 5, 10, 10, Style::Child, 0)},
            {'0', 0}};
        for (const auto& [name, view] : views) {
            ShowModeless(view); // as an edit dialog is shown once, then hidden
            SetShowState(view, ShowState::Hide);
        }
        cViewManager manager;
        manager.SetContainer(panel);
        manager.SetAllowEmpty(allowEmpty ? -1 : 0);
        for (const QChar step : script) {
            if (step == 'c')
                manager.CloseView();
            else if (step == 'x')
                CloseDialog(views.at('A'), 0);
            else
                manager.ShowView(views.at(step));
        }
        QCOMPARE(manager.Current(), current == "-" ? 0 : views.at(current[0]));
        QCOMPARE(manager.Count(), current == "-" ? 0 : 1);
        for (const QChar name : {'A', 'B'}) {
            QWidget* view = WindowWidget(views.at(name));
            QCOMPARE(view && view->isVisible(), visible.contains(name));
            if (view && view->isVisible()) // fitted to the panel's outer size
                QCOMPARE(view->geometry(), QRect(0, 0, 106, 306));
        }
    }
};

QTEST_MAIN(TestViewManager)
#include "tst_viewmanager.moc"
