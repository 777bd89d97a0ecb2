// The hall's display on a 1280x800 screen (offscreen): windows fit the screen on their first
// placement and come back onto it from a placement saved elsewhere; the window a sheet was opened
// from comes to the front when it closes; lists align their columns as declared and their
// scroll bar moves them through the whole order; a long name or date is shown whole, from its
// first character; a window opens at its layout's size, its status bar showing, and the frame
// over the screen; a check box scaled down keeps its whole box.
#include <cmath>

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QTest>

#include "framework/engine/qt/qt_widgets.h"
#include "tests/engine/qt/qt_fixture.h"

namespace zrv::testing {
namespace {

class Hall : public QtEngineTest {
protected:
    static void SetUpTestSuite() {
        screen_size = QSize(1280, 800);
        QtEngineTest::SetUpTestSuite();
    }
};

const QString kLongestName = QString::fromUtf8("María Guadalupe Hernández Villanueva Montañas");  // 45 characters

// A screen of the size the kata result screens have: 1200 x 660 window units, about 1900 x 1070
// pixels, with a name across its width.
WindowLayout large_screen(int x = 0, int y = 0) {
    WindowLayout l;
    l.title = "Kata results";
    l.kind = WindowKind::Floating;
    l.x = x, l.y = y, l.width = 1200, l.height = 660;
    ControlState name = control(ControlKind::Entry, "?NAME", 10, 10, 1180, 60);
    name.font_size = 36;
    l.controls = {name, control(ControlKind::String, "?LAST", 1100, 630, 90, 20, "R:")};
    return l;
}

ListRow row_of(const char* text) {
    ListRow r;
    r.cells.push_back({text});
    return r;
}

void set_placement(Window& w, int x, int y, int width, int height) {
    w.move_to(x, y);
    w.set_width(width);
    w.set_height(height);
}

TEST_F(Hall, AWindowLargerThanTheScreenOpensScaledToFitIt) {
    struct Case {
        const char* what;
        ResizeStrategy strategy;
    } cases[] = {{"scaling its controls", ResizeStrategy::Scale}, {"keeping its controls' places", ResizeStrategy::None}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Procedure p(large_screen());
        p.change([&](Window& w) { w.set_resize_strategy(c.strategy); });
        QWidget* top = engine().widget(p.window());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(screen.contains(top->frameGeometry())) << top->frameGeometry().width() << "x" << top->frameGeometry().height();
        // Scaled as a whole: its proportions kept, its last control inside it, its texts smaller.
        const double scale = top->width() / (1200 * unit_x());
        EXPECT_LT(scale, 0.7);
        EXPECT_NEAR(top->height() / (660 * unit_y()), scale, 0.02);
        QWidget* last = widget(p, "?LAST");
        EXPECT_LE(last->geometry().right(), top->width());
        EXPECT_LE(last->geometry().bottom(), top->height());
        EXPECT_NEAR(widget(p, "?NAME")->font().pointSizeF(), 36 * scale, 1);
    }
}

TEST_F(Hall, APlacementSavedOffTheScreenIsBroughtBackOntoIt) {
    Procedure p(large_screen());
    // As restored from a settings file written on a larger display: far to the right and below.
    p.change([](Window& w) { set_placement(w, 5000, 3000, 300, 200); });
    QWidget* top = engine().widget(p.window());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(top->geometry())) << top->x() << "," << top->y();
    EXPECT_EQ(top->size(), QSize(std::lround(300 * unit_x()), std::lround(200 * unit_y())));  // it fits: not scaled
}

TEST_F(Hall, ListsOpenInsideTheFrameAndTheSheetsListComesToTheFrontWhenItCloses) {
    WindowLayout f;
    f.kind = WindowKind::Frame;
    f.title = "External scoreboard";
    f.width = 600, f.height = 400;
    Procedure frame(f);
    WindowLayout list = large_screen();
    list.kind = WindowKind::MdiChild;
    list.width = 720, list.height = 330;  // wider than the frame
    list.title = "First list";
    Procedure first(list);
    list.title = "Second list";
    Procedure second(list);
    auto* main = qobject_cast<QMainWindow*>(engine().widget(frame.window()));
    ASSERT_TRUE(main);
    QMdiArea* area = main->findChild<QMdiArea*>();
    for (Procedure* p : {&first, &second}) {
        auto* sub = qobject_cast<QMdiSubWindow*>(engine().widget(p->window()));
        ASSERT_TRUE(sub);
        EXPECT_TRUE(QRect(QPoint(0, 0), area->viewport()->size()).contains(sub->geometry())) << p->window().title();
    }
    // The second list runs a sheet on its own thread; the first list was opened before it.
    WindowLayout sheet_layout = list;
    sheet_layout.title = "Sheet";
    sheet_layout.width = 200, sheet_layout.height = 100;
    sheet_layout.kind = WindowKind::Floating;  // a sheet is a window of its own
    std::unique_ptr<Window> sheet;
    second.change([&](Window&) {
        sheet = std::make_unique<Window>(sheet_layout);
        sheet->open(this_thread());
    });
    engine().flush();
    QWidget* sheet_top = nullptr;
    ASSERT_TRUE(pump_until([&] { return (sheet_top = engine().widget(*sheet)) != nullptr; }));
    sheet_top->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(sheet_top));
    second.change([&](Window&) {
        sheet->close();
        sheet.reset();
    });
    const auto active = [&] { return area->activeSubWindow() ? area->activeSubWindow()->windowTitle() : QString(); };
    ASSERT_TRUE(pump_until([&] { return active() == "Second list"; })) << active().toStdString();
    ASSERT_TRUE(settle_gui(engine()));  // and it stays there
    EXPECT_EQ(active(), "Second list");
}

TEST_F(Hall, ListColumnsAlignAsDeclaredAndShowADateWhole) {
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 300, l.height = 120;
    ControlState list = control(ControlKind::List, "?LIST", 4, 4, 290, 110);
    // As the kata lists declare them: a date, a centred queue, a right-aligned number, a
    // decimal result; a right-aligned header too wide for its column.
    list.format =
        "52L(2)|M~Event date~C(0)@d17@30C|M~Queue~@n3@40R(2)|M~Number~L(1)@n-14@40D(12)|M~Result~C@n-6.2@"
        "24R|M~Individual Kumite ID~@n-14@";
    ListRow r;
    for (const char* t : {"14/03/2026", "2", "120", "27.45", "30"}) r.cells.push_back({t});
    list.rows = {r};
    l.controls = {list};
    Procedure p(l);
    auto* view = dynamic_cast<qt::PageList*>(widget(p, "?LIST"));
    ASSERT_TRUE(view);
    QTreeWidgetItem* item = view->topLevelItem(0);
    ASSERT_TRUE(item);
    const Qt::Alignment horizontal = Qt::AlignHorizontal_Mask;
    const struct {
        int column;
        Qt::Alignment cell, header;
    } cases[] = {{0, Qt::AlignLeft, Qt::AlignHCenter},
                 {1, Qt::AlignHCenter, Qt::AlignHCenter},
                 {2, Qt::AlignRight, Qt::AlignLeft},
                 {3, Qt::AlignRight, Qt::AlignHCenter},
                 {4, Qt::AlignRight, Qt::AlignLeft}};  // the header from its first character
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(Qt::Alignment(item->textAlignment(c.column)) & horizontal, c.cell);
        EXPECT_EQ(Qt::Alignment(view->headerItem()->textAlignment(c.column)) & horizontal, c.header);
    }
    // Drawn as the cells are: the right-aligned number ends at its column's right edge.
    const QRect number = view->visualItemRect(item).intersected(QRect(view->header()->sectionViewportPosition(2), 0,
                                                                      view->header()->sectionSize(2), view->height()));
    const QImage image = view->viewport()->grab().toImage();
    int ink_right = -1, ink_left = image.width();
    for (int y = number.top(); y <= number.bottom(); ++y)
        for (int x = number.left(); x <= number.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 100) ink_right = std::max(ink_right, x), ink_left = std::min(ink_left, x);
    EXPECT_GT(ink_left, number.left() + number.width() / 3);
    EXPECT_GT(ink_right, number.right() - 10);
    // The date column shows the whole date, the header its whole text.
    const QFontMetrics metrics(view->font());
    EXPECT_LE(metrics.horizontalAdvance("14/03/2026") + 8, view->columnWidth(0));
    EXPECT_LE(metrics.horizontalAdvance("Event date") + 8, view->columnWidth(0));
}

TEST_F(Hall, TheListsScrollBarShowsTheWholeOrderAndItsThumbGoesToTheModel) {
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 300, l.height = 120;
    ControlState list = control(ControlKind::List, "?LIST", 4, 4, 290, 110);
    list.format = "80L~Name~@s20@";
    list.rows = {row_of("Ito"), row_of("Sato")};
    list.scroll_steps = 19, list.scroll_at = 3, list.scroll_page = 1;  // a text thumb: 19 prefixes
    l.controls = {list};
    Procedure p(l);
    auto* view = dynamic_cast<qt::PageList*>(widget(p, "?LIST"));
    ASSERT_TRUE(view);
    QScrollBar* bar = view->order_bar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 18);
    EXPECT_EQ(bar->value(), 3);
    // Beside the rows, over the list's whole height; the rows keep the rest.
    EXPECT_GE(bar->geometry().left(), view->viewport()->geometry().right());
    EXPECT_GT(bar->height(), view->height() * 3 / 4);
    // The operator drags the thumb to the bottom and lets it go: the model gets the last step.
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum(), option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep(), option.singleStep = bar->singleStep();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, QPoint(thumb.center().x(), bar->height() + 40));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), bar->height() + 40));
    const std::optional<Seen> drag = p.wait_for(EventKind::ScrollDrag);
    ASSERT_TRUE(drag);
    EXPECT_EQ(drag->event.control, p.window().number_of("?LIST"));
    int at = -1;
    p.change([&](Window& w) { at = w.control(w.number_of("?LIST")).scroll_at; });
    EXPECT_EQ(at, 18);
    // The model moves the list and the thumb with it; an empty order hides the bar.
    p.change([](Window& w) { w.set_scroll(w.number_of("?LIST"), 19, 7, 1); });
    EXPECT_EQ(bar->value(), 7);
    p.change([](Window& w) { w.set_scroll(w.number_of("?LIST"), 0, 0, 1); });
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(Hall, AFullPageOfRowsStandsWholeInItsListBox) {
    // Twenty rows in a roomy box keep their own height; in a box a little short for them they
    // are drawn lower, down to a line of text, so that the last row is not cut off.
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 420, l.height = 220;
    std::vector<ListRow> rows;
    for (int i = 1; i <= 20; ++i) rows.push_back(row_of(("Row " + std::to_string(i)).c_str()));
    for (const auto& [use, x] : {std::pair{"?ROOMY", 4}, std::pair{"?TIGHT", 214}}) {
        ControlState list = control(ControlKind::List, use, x, 4, 200, use == std::string("?ROOMY") ? 200 : 165);
        list.format = "80L~Name~@s20@";
        list.rows = rows;
        l.controls.push_back(list);
    }
    Procedure p(l);
    auto* roomy = dynamic_cast<qt::PageList*>(widget(p, "?ROOMY"));
    auto* tight = dynamic_cast<qt::PageList*>(widget(p, "?TIGHT"));
    ASSERT_TRUE(roomy && tight);
    ASSERT_EQ(tight->topLevelItemCount(), 20);
    const int natural = roomy->visualItemRect(roomy->topLevelItem(0)).height();
    const int line = tight->fontMetrics().height();
    ASSERT_LE(20 * natural, roomy->viewport()->height());
    ASSERT_GT(20 * natural, tight->viewport()->height());  // the rows' own height would not fit
    ASSERT_LE(20 * line, tight->viewport()->height());
    EXPECT_EQ(roomy->visualItemRect(roomy->topLevelItem(19)).height(), natural);
    const QRect last = tight->visualItemRect(tight->topLevelItem(19));
    EXPECT_GE(last.height(), line);
    EXPECT_LE(last.bottom(), tight->viewport()->height() - 1);
    // The last row's text is drawn whole: ink in its top and its bottom half.
    const QImage image = tight->viewport()->grab().toImage();
    int top = image.height(), bottom = -1;
    for (int y = last.top(); y <= last.bottom(); ++y)
        for (int x = 0; x < last.width() / 2; ++x)
            if (image.pixelColor(x, y).lightness() < 100) top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_LT(top, last.center().y());
    EXPECT_GT(bottom, last.center().y());
}

TEST_F(Hall, CheckBoxesArePlainlyVisibleOnEveryBackground) {
    // Hantei and kiken on the black board and on the blue and red halves: white labels.
    const struct {
        const char* use;
        Colour fill;
        QColor back;
    } cases[] = {{"?BLACK", 0x000000, Qt::black}, {"?BLUE", 0xFF0000, Qt::blue}, {"?RED", 0x0000FF, Qt::red}};
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 200, l.height = 80;
    int y = 4;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.use);
        ControlState box = control(ControlKind::Check, c.use, 4, y, 60, 12, "Hantei");
        box.font_colour = 0xFFFFFF, box.fill_colour = c.fill, box.bold = true;
        l.controls.push_back(box);
        y += 20;
    }
    Procedure p(l);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.use);
        auto* box = as<QCheckBox>(p, c.use);
        ASSERT_TRUE(box);
        const QImage image = box->grab().toImage();
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        // The box stands out white against the control's own background, which is the fill.
        EXPECT_EQ(image.pixelColor(indicator.center()), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() / 2), c.back);
        // Checked, its mark is dark inside the white box.
        p.change([&](Window& w) { w.set_checked(w.number_of(c.use), true); });
        const QImage checked = box->grab().toImage();
        int mark = 0;
        for (int yy = indicator.top(); yy <= indicator.bottom(); ++yy)
            for (int x = indicator.left(); x <= indicator.right(); ++x) mark += checked.pixelColor(x, yy).lightness() < 100;
        EXPECT_GT(mark, indicator.width() / 2);
    }
}

TEST_F(Hall, AWinBoxOfAWindowScaledDownToTheScreenKeepsItsWholeBox) {
    // The 16 bracket's win boxes: 12 x 10 units beside a name, in a window larger than the screen.
    WindowLayout l = large_screen();
    l.controls.push_back(control(ControlKind::Check, "?WIN", 600, 300, 12, 10));
    Procedure p(l);
    auto* box = as<QCheckBox>(p, "?WIN");
    ASSERT_TRUE(box);
    const double scale = engine().widget(p.window())->width() / (1200 * unit_x());
    ASSERT_LT(scale, 0.8);
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    EXPECT_TRUE(box->rect().contains(indicator)) << indicator.height() << " in " << box->height();
    // Where the layout puts it: about the centre of its scaled rectangle.
    const QPointF centre((600 + 6) * unit_x() * scale, (300 + 5) * unit_y() * scale);
    EXPECT_NEAR(box->geometry().center().x(), centre.x(), 2);
    EXPECT_NEAR(box->geometry().center().y(), centre.y(), 2);
    // Its top and bottom edges are drawn: a box, not two bars.
    const QImage image = box->grab().toImage();
    const int x = indicator.center().x();
    EXPECT_LT(image.pixelColor(x, indicator.top()).lightness(), 220);
    EXPECT_LT(image.pixelColor(x, indicator.bottom()).lightness(), 220);
}

TEST_F(Hall, TheHallIsDrawnInTheFacesItWasLaidOutFor) {
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 300, l.height = 60;
    ControlState title = control(ControlKind::String, "?TITLE", 4, 4, 290, 24, "RESULTS");
    title.font_name = "Arial Black", title.font_size = 20;
    ControlState plain = control(ControlKind::String, "?PLAIN", 4, 34, 100, 10, "Nombre:");
    l.controls = {title, plain};
    Procedure p(l);
    // Arial's metric-compatible face stands in for Arial; a bold face as wide for Arial Black.
    const QFontInfo heavy(widget(p, "?TITLE")->font());
    if (!QFontDatabase::hasFamily("Arial Black")) {
        EXPECT_EQ(heavy.family(), "DejaVu Sans");
    }
    EXPECT_GE(heavy.weight(), QFont::Bold);
    const QString face = QFontInfo(widget(p, "?PLAIN")->font()).family();
    EXPECT_TRUE(face == "Liberation Sans" || face == "Arial") << face.toStdString();
    EXPECT_DOUBLE_EQ(widget(p, "?PLAIN")->font().pointSizeF(), 8);
}

TEST_F(Hall, ALongNameIsShownWholeFromItsFirstCharacter) {
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 300, l.height = 80;
    // A name entry and a right-aligned name as the brackets and sheets size them.
    ControlState entry = control(ControlKind::Entry, "?NAME", 4, 4, 160, 12);
    entry.read_only = true;
    ControlState label = control(ControlKind::String, "?SHOWN", 4, 24, 160, 10);
    label.align = 2;
    l.controls = {entry, label};
    Procedure p(l);
    p.change([](Window& w) {
        w.set_text(w.number_of("?NAME"), kLongestName.toStdString());
        w.set_text(w.number_of("?SHOWN"), kLongestName.toStdString());
    });
    auto* edit = as<QLineEdit>(p, "?NAME");
    auto* shown = as<QLabel>(p, "?SHOWN");
    ASSERT_TRUE(edit && shown);
    EXPECT_EQ(edit->text(), kLongestName);
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(kLongestName), edit->contentsRect().width() - 8);
    EXPECT_LE(QFontMetrics(shown->font()).horizontalAdvance(kLongestName), shown->contentsRect().width());
    // A short text keeps the box's own size and alignment.
    p.change([](Window& w) { w.set_text(w.number_of("?SHOWN"), "Aka"); });
    EXPECT_DOUBLE_EQ(shown->font().pointSizeF(), QApplication::font().pointSizeF());
    EXPECT_EQ(shown->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight | Qt::AlignAbsolute);
}

TEST_F(Hall, ALongNameTypedIntoAnEntryShowsItsStartOnceTheEntryIsLeft) {
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 300, l.height = 80;
    ControlState name = control(ControlKind::Entry, "?NAME", 4, 4, 100, 12);
    name.font_size = 12;
    l.controls = {name, control(ControlKind::Entry, "?DOJO", 4, 24, 100, 12)};
    Procedure p(l);
    auto* edit = as<QLineEdit>(p, "?NAME");
    ASSERT_TRUE(edit);
    QWidget* top = engine().widget(p.window());
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    edit->setFocus();
    ASSERT_TRUE(pump_until([&] { return edit->hasFocus(); }));
    for (const QChar ch : kLongestName)
        QTest::sendKeyEvent(QTest::Click, edit, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
    ASSERT_GT(QFontMetrics(edit->font()).horizontalAdvance(kLongestName), edit->contentsRect().width());
    // While typed into, the entry shows where the typing is: the name's end.
    EXPECT_GT(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), edit->width() / 2);
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(pump_until([&] { return !edit->hasFocus(); }));
    ASSERT_TRUE(p.wait_for(EventKind::Accepted));
    ASSERT_TRUE(settle_gui(engine()));
    // Left, it shows the name from its first character, cut at its end.
    EXPECT_EQ(edit->text(), kLongestName);
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_LT(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 8);
}

// The program's frame at its own default size, and what it holds.
class HallFrame : public Hall {
protected:
    void SetUp() override {
        Hall::SetUp();
        frame_.emplace(engine());
        main_ = frame_->main, area_ = frame_->area;
        ASSERT_TRUE(main_ && area_);
    }
    void TearDown() override {
        frame_.reset();
        Hall::TearDown();
    }
    // A list window: its rows, its search box and its Close button at the bottom right.
    static WindowLayout list_window(WindowKind kind) {
        WindowLayout l;
        l.title = "Queue";
        l.kind = kind;
        l.width = 400, l.height = 240;
        l.controls = {control(ControlKind::List, "?BROWSE:1", 4, 4, 392, 180),
                      control(ControlKind::Entry, "?FUZZYQUERY", 4, 200, 200, 12),
                      control(ControlKind::Button, "?CLOSE", 340, 220, 56, 14, "&Close")};
        return l;
    }
    std::optional<OpenFrame> frame_;
    QMainWindow* main_ = nullptr;
    QMdiArea* area_ = nullptr;
};

TEST_F(HallFrame, AChildWindowMadeSmallerThanItsLayoutScrollsToItsButtonsAndSearchBox) {
    Procedure p(list_window(WindowKind::MdiChild));
    auto* sub = qobject_cast<QMdiSubWindow*>(engine().widget(p.window()));
    ASSERT_TRUE(sub);
    auto* client = qobject_cast<QScrollArea*>(sub->widget());
    ASSERT_TRUE(client);
    // Shrunk by the operator, or by Window > Tile among many windows.
    sub->resize(sub->width() / 2, sub->height() / 2);
    ASSERT_TRUE(pump_until([&] { return client->horizontalScrollBar()->maximum() > 0; }))
        << sub->width() << "x" << sub->height() << " client " << client->width() << " canvas " << client->widget()->width() << " min "
        << client->widget()->minimumWidth() << " sub min " << sub->minimumSizeHint().width() << "," << sub->minimumWidth();
    for (const char* use : {"?CLOSE", "?FUZZYQUERY"}) {
        SCOPED_TRACE(use);
        QWidget* w = widget(p, use);
        const QPoint far = w->mapTo(client->widget(), QPoint(w->width(), w->height()));
        EXPECT_LE(far.x(), client->viewport()->width() + client->horizontalScrollBar()->maximum());
        EXPECT_LE(far.y(), client->viewport()->height() + client->verticalScrollBar()->maximum());
        client->ensureWidgetVisible(w);
        EXPECT_TRUE(client->viewport()->rect().contains(w->mapTo(client->viewport(), w->rect().center())));
    }
    // At its layout's size again, nothing scrolls.
    sub->resize(sub->width() * 2 + 40, sub->height() * 2 + 40);
    EXPECT_TRUE(pump_until([&] {
        return client->horizontalScrollBar()->maximum() == 0 && client->verticalScrollBar()->maximum() == 0;
    }));
}

TEST_F(HallFrame, ASavedSizeBeyondAnyScreenIsLimitedToTheRoomItOpensIn) {
    Procedure p(list_window(WindowKind::MdiChild));
    p.change([](Window& w) { set_placement(w, 10, 10, 99999, 99999); });
    auto* sub = qobject_cast<QMdiSubWindow*>(engine().widget(p.window()));
    ASSERT_TRUE(sub);
    ASSERT_TRUE(pump_until([&] { return sub->width() < 5000; })) << sub->width();
    EXPECT_TRUE(QRect(QPoint(0, 0), area_->viewport()->size()).contains(sub->geometry()))
        << sub->width() << "x" << sub->height() << " in " << area_->viewport()->width() << "x" << area_->viewport()->height();
    // Its controls at their own size: the layout fits the room.
    EXPECT_EQ(widget(p, "?CLOSE")->width(), std::lround(56 * unit_x()));
}

TEST_F(HallFrame, AFloatingWindowWithoutAPositionOfItsOwnOpensWithinTheFramesAreaBelowItsMenu) {
    Procedure p(list_window(WindowKind::Floating));
    QWidget* top = engine().widget(p.window());
    ASSERT_TRUE(top);
    const QPoint area = area_->viewport()->mapToGlobal(QPoint(0, 0));
    EXPECT_GE(top->geometry().top(), area.y());
    EXPECT_GE(top->geometry().left(), area.x());
    EXPECT_GT(area.y(), main_->geometry().top());  // below the frame's title and menu
    // A position of its own stays where it was saved.
    Procedure placed(list_window(WindowKind::Floating));
    placed.change([](Window& w) { set_placement(w, 300, 200, 400, 240); });
    QWidget* other = engine().widget(placed.window());
    EXPECT_TRUE(pump_until([&] {
        return other->geometry().topLeft() == QPoint(std::lround(300 * unit_x()), std::lround(200 * unit_y()));
    })) << other->x()
        << "," << other->y();
}

// A form as the sheets and the kata console lay theirs out: its Cancel at the bottom right and a
// status bar below.
WindowLayout form_window(WindowKind kind, int width, int height) {
    WindowLayout l;
    l.title = "Sheet";
    l.kind = kind;
    l.width = width, l.height = height;
    l.status = {{.width = 200}, {.width = -1}};
    l.controls = {control(ControlKind::Entry, "?NAME", 4, 4, width - 8, 12),
                  control(ControlKind::Button, "?CANCEL", width - 50, height - 18, 46, 14, "&Cancel")};
    return l;
}

TEST_F(HallFrame, TheFrameWithoutAPlacementOfItsOwnOpensOverTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(main_->geometry()));
    // Room left for a window manager's title bar and borders, no more.
    EXPECT_GE(main_->width(), screen.width() - 16);
    EXPECT_GE(main_->height(), screen.height() - 40);
}

TEST_F(HallFrame, AWindowOpensAtItsLayoutsSizeItsCancelAndStatusBarShowing) {
    struct Case {
        const char* what;
        WindowKind kind;
        int width, height;
    } cases[] = {{"child window", WindowKind::MdiChild, 420, 280},
                 {"floating window", WindowKind::Floating, 420, 280},
                 {"floating window larger than the screen", WindowKind::Floating, 1000, 600}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Procedure p(form_window(c.kind, c.width, c.height));
        p.change([](Window& w) { w.set_status_text(2, "Record Will Be Changed"); });
        ASSERT_TRUE(settle_gui(engine()));
        QWidget* top = engine().widget(p.window());
        ASSERT_TRUE(top);
        if (auto* sub = qobject_cast<QMdiSubWindow*>(top)) {
            auto* client = qobject_cast<QScrollArea*>(sub->widget());
            ASSERT_TRUE(client);
            EXPECT_EQ(client->verticalScrollBar()->maximum(), 0);
            EXPECT_EQ(client->horizontalScrollBar()->maximum(), 0);
            EXPECT_TRUE(QRect(QPoint(0, 0), area_->viewport()->size()).contains(sub->geometry()));
        } else {
            EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(top->geometry()));
        }
        // The window shows its Cancel whole, and its status bar with its text below the controls.
        QWidget* cancel = widget(p, "?CANCEL");
        const QRect shown = top->rect();
        EXPECT_TRUE(shown.contains(QRect(cancel->mapTo(top, QPoint(0, 0)), cancel->size())))
            << cancel->mapTo(top, QPoint(0, 0)).y() << "+" << cancel->height() << " in " << top->height();
        auto* bar = top->findChild<QStatusBar*>();
        ASSERT_TRUE(bar);
        EXPECT_TRUE(bar->isVisible());
        const QRect bar_shown(bar->mapTo(top, QPoint(0, 0)), bar->size());
        EXPECT_TRUE(shown.contains(bar_shown)) << bar_shown.y() << "+" << bar_shown.height() << " in " << top->height();
        EXPECT_GE(bar_shown.top(), cancel->mapTo(top, QPoint(0, cancel->height())).y());
    }
}

}  // namespace
}  // namespace zrv::testing
