// The team sheet and a bracket inside the program's frame on a hall's display (offscreen): at
// 1280 x 800 the sheet opens readable, its OK within reach, and maximized it fits the screen;
// on a 1920 x 1080 TV a maximized sheet or bracket grows its names with the window. The
// screen's size comes from $ZRV_SCREEN ("1280x800", the default, or "1920x1080"): ctest runs
// this once for each.
#include <cstdio>
#include <cstdlib>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "kumite/brackets.h"
#include "kumite/team_sheets.h"
#include "tests/engine/qt/qt_fixture.h"

namespace zrv::testing {
namespace {

QSize screen_from_environment() {
    int w = 1280, h = 800;
    if (const char* s = std::getenv("ZRV_SCREEN")) std::sscanf(s, "%dx%d", &w, &h);
    return {w, h};
}

class SheetsInTheHall : public QtEngineTest {
protected:
    static void SetUpTestSuite() {
        screen_size = screen_from_environment();
        QtEngineTest::SetUpTestSuite();
    }
    void SetUp() override {
        QtEngineTest::SetUp();
        frame_.emplace(engine());
        main_ = frame_->main, area_ = frame_->area;
        ASSERT_TRUE(main_ && area_);
    }
    void TearDown() override {
        frame_.reset();
        QtEngineTest::TearDown();
    }
    static bool on_screen(QWidget* w) {
        const QRect shown(w->mapToGlobal(QPoint(0, 0)), w->size());
        return QGuiApplication::primaryScreen()->geometry().contains(shown);
    }
    // The controls of a kind whose use holds a text.
    static std::vector<int> numbers(Window& w, ControlKind kind, const std::string& part = {}) {
        std::vector<int> found;
        for (const ControlState& c : w.controls())
            if (c.kind == kind && c.use.find(part) != std::string::npos) found.push_back(c.number);
        return found;
    }
    std::optional<OpenFrame> frame_;
    QMainWindow* main_ = nullptr;
    QMdiArea* area_ = nullptr;
};

TEST_F(SheetsInTheHall, TheFourTeamSheetOpensReadableWithItsOkWithinReachAndMaximizedFitsTheScreen) {
    if (screen_size != QSize(1280, 800)) GTEST_SKIP() << "a 1280 x 800 display";
    Procedure sheet(kumite::team_sheet_layout("UpdateEquipo5"));
    Window& w = sheet.window();
    QWidget* ok = engine().widget(w, w.number_of("?OK"));
    ASSERT_TRUE(ok);
    // Its dialog text 9 pixels or more, its boxes as high as that.
    const auto boxes = numbers(w, ControlKind::Check);
    ASSERT_FALSE(boxes.empty());
    for (int n : boxes) {
        QWidget* box = engine().widget(w, n);
        EXPECT_GE(QFontInfo(box->font()).pixelSize(), 9) << w.control(n).use;
        EXPECT_GE(box->height(), 9) << w.control(n).use;
    }
    // Its names as readable as its dialog text.
    const auto names = numbers(w, ControlKind::Entry, "NOMBRECOMPETIDOR");
    ASSERT_FALSE(names.empty());
    for (int n : names) EXPECT_GE(QFontInfo(engine().widget(w, n)->font()).pixelSize(), 9) << w.control(n).use;
    // The frame's area is too small for it at that size: the area scrolls to its OK.
    const QPoint corner = ok->mapTo(area_->viewport(), QPoint(ok->width(), ok->height()));
    EXPECT_LE(corner.x(), area_->viewport()->width() + area_->horizontalScrollBar()->maximum());
    EXPECT_LE(corner.y(), area_->viewport()->height() + area_->verticalScrollBar()->maximum());

    // Maximized after a maximized one: it fits the screen, OK and Cancel on it, still readable.
    main_->showMaximized();
    ASSERT_TRUE(pump_until([&] { return main_->isMaximized() && main_->width() >= 1200; }));
    sheet.change([](Window& win) { win.maximize(); });
    Procedure second(kumite::team_sheet_layout("UpdateEquipo5"));
    second.change([](Window& win) { win.maximize(); });
    Window& m = second.window();
    auto* sub = qobject_cast<QMdiSubWindow*>(engine().widget(m));
    ASSERT_TRUE(sub);
    ASSERT_TRUE(pump_until([&] { return sub->isMaximized() && sub->width() <= area_->viewport()->width(); }))
        << sub->width() << " in " << area_->viewport()->width();
    ASSERT_TRUE(settle_gui(engine()));  // the layout the maximized size gives
    // OK on the screen; Cancel too, or beside it within the window's own scrolling.
    QWidget* b = engine().widget(m, m.number_of("?OK"));
    ASSERT_TRUE(b);
    EXPECT_TRUE(on_screen(b));
    auto* client = qobject_cast<QScrollArea*>(sub->widget());
    ASSERT_TRUE(client);
    QWidget* cancel = engine().widget(m, m.number_of("?CANCEL"));
    const QPoint far = cancel->mapTo(client->widget(), QPoint(cancel->width(), cancel->height()));
    EXPECT_LE(far.x(), client->viewport()->width() + client->horizontalScrollBar()->maximum());
    EXPECT_LE(far.y(), client->viewport()->height() + client->verticalScrollBar()->maximum());
    for (int n : numbers(m, ControlKind::Check)) EXPECT_GE(QFontInfo(engine().widget(m, n)->font()).pixelSize(), 9);
}

TEST_F(SheetsInTheHall, OnATvAMaximizedSheetOrBracketGrowsItsNamesWithTheWindow) {
    if (screen_size != QSize(1920, 1080)) GTEST_SKIP() << "a 1920 x 1080 display";
    main_->showMaximized();
    ASSERT_TRUE(pump_until([&] { return main_->isMaximized() && main_->width() >= 1800; }));
    const struct {
        const char* what;
        WindowLayout layout;
        const char* name;  // part of the use of the entries holding names
    } cases[] = {{"team sheet", kumite::team_sheet_layout("UpdateEquipo5"), "NOMBRECOMPETIDOR"},
                 {"bracket", kumite::bracket_layout(kumite::bracket_forms().front()), "COMPETIDOR1ROJOAZUL"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Procedure p(c.layout);
        Window& w = p.window();
        const auto names = numbers(w, ControlKind::Entry, c.name);
        ASSERT_FALSE(names.empty());
        QWidget* name = engine().widget(w, names.front());
        QWidget* top = engine().widget(w);
        ASSERT_TRUE(name && top);
        const int before = QFontInfo(name->font()).pixelSize(), box_before = name->height();
        p.change([](Window& win) { win.maximize(); });
        ASSERT_TRUE(pump_until([&] { return top->isMaximized(); }));
        ASSERT_TRUE(settle_gui(engine()));  // the controls grown to the maximized size
        const int after = QFontInfo(name->font()).pixelSize(), box_after = name->height();
        std::printf("%s: names %d px high in a box of %d px, maximized %d px in %d px\n", c.what, before, box_before, after,
                    box_after);
        EXPECT_GT(box_after, box_before);
        EXPECT_GT(after, before);
        // Its controls spread over the window: the last lies in its far half.
        int right = 0;
        for (int n : w.numbers())
            if (QWidget* widget = engine().widget(w, n); widget && widget->isVisible() && !widget->isWindow())
                right = std::max(right, widget->mapTo(top, QPoint(widget->width(), 0)).x());
        EXPECT_GT(right, top->width() * 3 / 4);
    }
}

}  // namespace
}  // namespace zrv::testing
