#include <cmath>
#include <map>
#include <thread>

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPointer>
#include <QScreen>
#include <QSoundEffect>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <QTreeWidget>

#include "framework/engine/qt/qt_widgets.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

// Window units to pixels at the dialog font's scale (times a window's own scale).
int px_x(double units, double scale = 1) { return static_cast<int>(std::lround(units * unit_x() * scale)); }
int px_y(double units, double scale = 1) { return static_cast<int>(std::lround(units * unit_y() * scale)); }
QRect px(double x, double y, double w, double h, double scale = 1) {
    return QRect(px_x(x, scale), px_y(y, scale), px_x(w, scale), px_y(h, scale));
}

constexpr Colour kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr int kDoubleClickKey = 0x0105;

ListRow row(std::vector<std::string> texts, Colour back = kDefaultColour) {
    ListRow r;
    for (auto& t : texts) r.cells.push_back({t, kDefaultColour, back, kDefaultColour, kDefaultColour});
    return r;
}

// The largest difference of one channel of one pixel between two pictures of a widget (256
// when their sizes differ).
int worst_difference(const QImage& first, const QImage& second) {
    if (first.size() != second.size()) return 256;
    const QImage a = first.convertToFormat(QImage::Format_ARGB32), b = second.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                worst = std::max(worst, std::abs(d));
        }
    return worst;
}

// A form with one control of each kind the operator works with.
WindowLayout form_layout(WindowKind kind = WindowKind::Floating) {
    WindowLayout l;
    l.title = "Form";
    l.kind = kind;
    l.x = 10, l.y = 10, l.width = 200, l.height = 160;
    ControlState name = control(ControlKind::String, "?NAME", 4, 4, 80, 10, "Kumite");
    name.font_colour = kRed;
    name.fill_colour = kBlue;
    name.bold = true;
    name.italic = true;
    ControlState hidden = control(ControlKind::String, "?HIDDEN", 4, 16, 80, 10, "secret");
    hidden.hidden = true;
    ControlState entry = control(ControlKind::Entry, "?ENTRY", 90, 4, 60, 12, "Aka");
    ControlState check = control(ControlKind::Check, "?CHECK", 90, 20, 60, 12, "Senshu");
    check.checked = true;
    ControlState drop = control(ControlKind::DropList, "?DROP", 90, 36, 60, 12);
    drop.items = {"Kata", "Kumite"};
    drop.selected = 2;
    ControlState list = control(ControlKind::List, "?LIST", 4, 60, 150, 60);
    list.format = "40L(2)|M~Name~@s20@30R(2)|M~Score~@n3@";
    list.rows = {row({"Ito", "3"}, kGreen), row({"Sato", "5"})};
    list.selected = 1;
    ControlState region = control(ControlKind::Region, "?REGION", 160, 60, 30, 30);
    l.controls = {name, hidden, entry, check, drop, list, region, control(ControlKind::Button, "?OK", 160, 130, 30, 14, "&OK")};
    return l;
}

TEST_F(QtEngineTest, MirrorsTheModelWindow) {
    Procedure p(form_layout());
    auto* name = as<QLabel>(p, "?NAME");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->text(), "Kumite");
    EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(name->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_TRUE(name->font().bold());
    EXPECT_TRUE(name->font().italic());
    EXPECT_FALSE(name->font().underline());
    EXPECT_TRUE(widget(p, "?HIDDEN")->isHidden());
    EXPECT_FALSE(name->isHidden());
    EXPECT_EQ(as<QLineEdit>(p, "?ENTRY")->text(), "Aka");
    EXPECT_TRUE(as<QCheckBox>(p, "?CHECK")->isChecked());
    EXPECT_EQ(as<QComboBox>(p, "?DROP")->currentText(), "Kumite");
    EXPECT_EQ(as<QPushButton>(p, "?OK")->text(), "&OK");
    auto* list = as<QTreeWidget>(p, "?LIST");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->headerItem()->text(1), "Score");
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Sato");
    EXPECT_EQ(list->topLevelItem(0)->background(0).color(), QColor(0, 255, 0));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    // Window units to pixels, the window's title and its client size.
    EXPECT_EQ(name->geometry(), px(4, 4, 80, 10));
    QWidget* top = engine().widget(p.window());
    EXPECT_EQ(top->windowTitle(), "Form");
    EXPECT_EQ(top->size(), QSize(px_x(200), px_y(160)));
}

TEST_F(QtEngineTest, ATextTooLongForItsBoxWrapsOnlyWhereTheBoxHasRoomForTwoLines) {
    const std::string text = "Audience display of kumite scoreboards, brackets, kata results and queues.";
    struct Case {
        const char* use;
        int height;
        bool wraps;
    } cases[] = {{"?TALL", 30, true}, {"?ONELINE", 10, false}};
    WindowLayout l = form_layout();
    for (const Case& c : cases) l.controls.push_back(control(ControlKind::String, c.use, 4, 124, 60, c.height, text));
    l.controls.push_back(control(ControlKind::String, "?SHORT", 100, 124, 60, 30, "Aka"));
    Procedure p(l);
    for (const Case& c : cases) EXPECT_EQ(as<QLabel>(p, c.use)->wordWrap(), c.wraps) << c.use;
    EXPECT_FALSE(as<QLabel>(p, "?SHORT")->wordWrap());  // fits on one line
}

TEST_F(QtEngineTest, ChangesOfTheModelReachTheWidgets) {
    Procedure p(form_layout());
    auto* name = as<QLabel>(p, "?NAME");
    p.change([](Window& w) {
        w.set_text(w.number_of("?NAME"), "Kata");
        w.set_font_colour(w.number_of("?NAME"), kGreen);
        w.set_italic(w.number_of("?NAME"), false);
        w.set_underline(w.number_of("?NAME"), true);
        w.set_hidden(w.number_of("?HIDDEN"), false);
        w.set_hidden(w.number_of("?ENTRY"), true);
        w.set_checked(w.number_of("?CHECK"), false);
        w.set_rows(w.number_of("?LIST"), {row({"Mori", "1"}), row({"Ito", "3"}), row({"Sato", "5"})});
        w.set_selected(w.number_of("?LIST"), 3);
        w.set_geometry(w.number_of("?NAME"), 20, 8, 40, 8);
        w.set_title("Form 2");
    });
    EXPECT_EQ(name->text(), "Kata");
    EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_TRUE(name->font().bold());
    EXPECT_FALSE(name->font().italic());
    EXPECT_TRUE(name->font().underline());
    EXPECT_EQ(name->geometry(), px(20, 8, 40, 8));
    EXPECT_FALSE(widget(p, "?HIDDEN")->isHidden());
    EXPECT_TRUE(widget(p, "?ENTRY")->isHidden());
    EXPECT_FALSE(as<QCheckBox>(p, "?CHECK")->isChecked());
    auto* list = as<QTreeWidget>(p, "?LIST");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Mori");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
    EXPECT_EQ(engine().widget(p.window())->windowTitle(), "Form 2");

    // Controls made and destroyed at run time.
    int made = 0;
    const int gone = p.window().number_of("?HIDDEN");
    p.change([&](Window& w) {
        made = w.create_control(control(ControlKind::String, "?MADE", 4, 30, 40, 10, "new"), 300);
        w.destroy_control(gone);
    });
    auto* created = qobject_cast<QLabel*>(engine().widget(p.window(), made));
    ASSERT_TRUE(created);
    EXPECT_EQ(created->text(), "new");
    EXPECT_EQ(engine().widget(p.window(), gone), nullptr);
}

// A bound value as the screens bind a record's field: a text, or a check box's "1" / "0".
class Bound final : public Binding {
public:
    explicit Bound(std::string value) : value(std::move(value)) {}
    std::string text() const override { return value; }
    void set_text(std::string_view text) override { value = text; }
    std::string value;
};

// Counts the paint events of each widget of a window.
class Paints final : public QObject {
public:
    explicit Paints(QWidget* top) : top_(top) { qApp->installEventFilter(this); }
    ~Paints() override { qApp->removeEventFilter(this); }
    std::map<QObject*, int> of;
    std::map<QObject*, QRegion> region;  // what each painted

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && object->isWidgetType() && static_cast<QWidget*>(object)->window() == top_) {
            ++of[object];
            region[object] += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget* top_;
};

// A redisplay that finds every bound value as its control shows it sets nothing, so the engine
// has nothing to apply and nothing is painted again; a changed value repaints its control and
// no other.
TEST_F(QtEngineTest, ARedisplayWithNothingChangedSetsAndPaintsNothing) {
    Procedure p(form_layout());
    auto entry = std::make_shared<Bound>("Aka"), name = std::make_shared<Bound>("Kumite"), check = std::make_shared<Bound>("1");
    p.change([&](Window& w) {
        w.bind(w.number_of("?ENTRY"), entry);
        w.bind(w.number_of("?NAME"), name);
        w.bind(w.number_of("?CHECK"), check);
        w.display();
    });
    ASSERT_TRUE(settle_gui(engine()));  // the first paints pass
    const std::uint64_t revision = p.window().revision();
    Paints paints(engine().widget(p.window())->window());
    for (int i = 0; i < 5; ++i) p.change([](Window& w) { w.display(); });
    ASSERT_TRUE(settle_gui(engine()));
    EXPECT_EQ(p.window().revision(), revision);
    EXPECT_TRUE(paints.of.empty()) << paints.of.size() << " widgets painted";

    p.change([&](Window& w) {
        entry->value = "Ao";
        w.display();
    });
    EXPECT_TRUE(pump_until([&] { return paints.of.count(widget(p, "?ENTRY")) > 0; }));
    EXPECT_EQ(as<QLineEdit>(p, "?ENTRY")->text(), "Ao");
    EXPECT_EQ(paints.of.count(widget(p, "?NAME")), 0u);
    EXPECT_EQ(paints.of.count(widget(p, "?CHECK")), 0u);
}

// An entry's panel is drawn once per size, state and colours and then copied: it looks as the
// style draws it afresh, also when its colour changes and when it comes back to an earlier one.
TEST_F(QtEngineTest, AnEntryLooksAsItsStyleDrawsItInEachColourItIsGiven) {
    Procedure p(form_layout());
    auto* entry = as<QLineEdit>(p, "?ENTRY");
    ASSERT_TRUE(entry);
    for (const Colour fill : {kBlue, kGreen, kBlue}) {
        p.change([&](Window& w) { w.set_fill_colour(w.number_of("?ENTRY"), fill); });
        engine().flush();
        const QColor wanted = *qt::to_qcolor(fill);
        ASSERT_TRUE(pump_until([&] { return entry->palette().color(QPalette::Base) == wanted; }));
        // The same entry drawn by the application's style itself.
        const QImage cached = entry->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        entry->setStyle(QApplication::style());
        const QImage drawn = entry->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        entry->setStyle(qt::entry_style());
        EXPECT_LE(worst_difference(cached, drawn), 2) << "fill " << wanted.name().toStdString();
        EXPECT_EQ(cached.pixelColor(cached.width() / 2, 3), wanted);
    }
}

// A box painted again in parts, within its border and across it, under a large entry: the
// screen stays as it was.
TEST_F(QtEngineTest, ABoxPaintedAgainInPartsLeavesTheScreenAsItWas) {
    WindowLayout l = form_layout();
    l.width = 300, l.height = 200;
    ControlState box = control(ControlKind::Box, "?HALF", 0, 110, 300, 90);
    box.fill_colour = kRed, box.border_colour = 0xFFFFFF;
    ControlState points = control(ControlKind::Entry, "?POINTS", 20, 120, 160, 70, "12");
    points.font_name = "Arial Black", points.font_size = 110, points.align = 1, points.read_only = true;
    points.font_colour = 0xFFFFFF, points.fill_colour = kRed;
    l.controls.push_back(box);
    l.controls.push_back(points);
    Procedure p(l);
    QWidget* top = engine().widget(p.window());
    const auto on_screen = [&](QWidget* w) {
        const QRect r(w->mapTo(top->window(), QPoint(0, 0)), w->size());
        return top->window()->screen()->grabWindow(top->window()->winId()).toImage().copy(r);
    };
    ASSERT_TRUE(pump_until([&] { return widget(p, "?POINTS")->isVisible(); }));
    ASSERT_TRUE(settle_gui(engine()));
    QWidget* half = widget(p, "?HALF");
    const QImage before = on_screen(half);
    for (const QRect part : {QRect(40, 60, 30, 30), QRect(0, 60, 10, 20), QRect(60, half->height() - 10, 20, 10)}) {
        Paints paints(top->window());
        half->update(part);
        ASSERT_TRUE(pump_until([&] { return paints.of.count(half) > 0; }));
        EXPECT_EQ(worst_difference(on_screen(half), before), 0) << part.x() << "," << part.y();
    }
}

TEST_F(QtEngineTest, ListHeadersShowTheirTipsAndGroupsAcrossTheirColumns) {
    WindowLayout l = form_layout();
    for (ControlState& c : l.controls)
        if (c.use == "?LIST") c.format = "44L~Date~{Event Date}@D17@[~Results~80L~Name1~@S20@40R~RC1~{First result}@n-6.2@]";
    Procedure p(l);
    auto* list = dynamic_cast<qt::PageList*>(widget(p, "?LIST"));
    ASSERT_TRUE(list);
    struct Column {
        const char* header;
        const char* tip;
        const char* group;
    };
    const auto expect_headers = [&](std::vector<Column> columns) {
        ASSERT_EQ(list->columnCount(), static_cast<int>(columns.size()));
        for (int i = 0; i < list->columnCount(); ++i) {
            EXPECT_EQ(list->headerItem()->text(i), columns[i].header) << i;
            EXPECT_EQ(list->headerItem()->toolTip(i), columns[i].tip) << i;
            EXPECT_EQ(list->group_header()->groups().at(static_cast<std::size_t>(i)), columns[i].group) << i;
        }
    };
    expect_headers({{"Date", "Event Date", ""}, {"Name1", "", "Results"}, {"RC1", "First result", "Results"}});
    // The group's header is drawn once, across its two columns, above their own headers.
    qt::GroupHeader* header = list->group_header();
    const QRect band = header->group_rect("Results");
    EXPECT_EQ(band.left(), header->sectionViewportPosition(1));
    EXPECT_EQ(band.right(), header->sectionViewportPosition(2) + header->sectionSize(2) - 1);
    EXPECT_GT(header->height(), 2 * band.height() - 2);
    const QImage drawn = header->grab().toImage();
    int ink = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) ink += drawn.pixelColor(x, y).lightness() < 80;
    EXPECT_GT(ink, 20);  // the group's name written in the band
    // A new format from the model brings its own headers, tips and groups.
    p.change([](Window& w) {
        w.modify(w.number_of("?LIST"), [](ControlState& c) { c.format = "40L~Name~@s20@[~Score~30R~RC~{Total}@n3@]"; });
    });
    expect_headers({{"Name", "", ""}, {"RC", "Total", "Score"}});
}

TEST_F(QtEngineTest, AStackedGroupShowsItsCellsOneBelowTheOtherInOneColumn) {
    WindowLayout l = form_layout();
    for (ControlState& c : l.controls)
        if (c.use == "?LIST") {
            c.height = 120;
            c.format = "40L~Queue~@s20@[~Teams~S80L@s20@80L{Names}@s20@80L@s20@80L@s20@]30R~Id~@n3@";
            c.rows = {row({"1", "Tigers", "Cranes", "Dragons", "Snakes", "7"}), row({"2", "Bears", "", "Owls", "Wolves", "8"})};
            c.rows[0].cells[2].back_colour = kRed;  // the second name only
            c.selected = 0;
        }
    Procedure p(l);
    auto* list = as<QTreeWidget>(p, "?LIST");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->headerItem()->text(1), "Teams");
    EXPECT_EQ(list->headerItem()->toolTip(1), "Names");
    EXPECT_EQ(list->headerItem()->text(2), "Id");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    QTreeWidgetItem* first = list->topLevelItem(0);
    EXPECT_EQ(first->text(1), "Tigers\nCranes\nDragons\nSnakes");
    EXPECT_EQ(first->text(2), "7");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "Bears\n\nOwls\nWolves");
    // Each row is four lines high, its empty name a line too.
    const int line = list->fontMetrics().height();
    for (int r = 0; r < 2; ++r) {
        const int height = list->visualItemRect(list->topLevelItem(r)).height();
        EXPECT_GE(height, 4 * line) << r;
        EXPECT_LT(height, 5 * line + 8) << r;
    }
    // The names stand one below the other, each in its own colours: only the second line is red.
    const QRect cell = list->visualRect(list->indexFromItem(first, 1));
    const QImage image = list->viewport()->grab().toImage();
    const auto colour_at = [&](int quarter) {
        return image.pixelColor(cell.right() - 3, cell.top() + cell.height() * (2 * quarter + 1) / 8);
    };
    EXPECT_NE(colour_at(0), QColor(255, 0, 0));
    EXPECT_EQ(colour_at(1), QColor(255, 0, 0));
    EXPECT_NE(colour_at(2), QColor(255, 0, 0));
}

TEST_F(QtEngineTest, TabsShowTheControlsOfTheChosenTabOnly) {
    WindowLayout l;
    l.kind = WindowKind::Floating;
    ControlState sheet = control(ControlKind::Sheet, "?SHEET", 0, 0, 100, 80);
    sheet.number = 1;
    ControlState one = control(ControlKind::Tab, "?TAB1", 0, 0, 0, 0, "&One");
    one.number = 2, one.parent = 1;
    ControlState two = control(ControlKind::Tab, "?TAB2", 0, 0, 0, 0, "&Two");
    two.number = 3, two.parent = 1;
    ControlState a = control(ControlKind::String, "?A", 4, 20, 30, 10, "a");
    a.number = 4, a.parent = 2;
    ControlState b = control(ControlKind::String, "?B", 4, 20, 30, 10, "b");
    b.number = 5, b.parent = 3;
    l.controls = {sheet, one, two, a, b};
    Procedure p(l);
    auto* tabs = as<QTabWidget>(p, "?SHEET");
    ASSERT_TRUE(tabs);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "&Two");
    EXPECT_FALSE(widget(p, "?A")->isHidden());
    EXPECT_TRUE(widget(p, "?B")->isHidden());
    tabs->setCurrentIndex(1);  // the operator chooses the second tab
    auto chosen = p.wait_for(EventKind::NewSelection);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->event.control, 1);
    EXPECT_TRUE(widget(p, "?A")->isHidden());
    EXPECT_FALSE(widget(p, "?B")->isHidden());
    EXPECT_EQ(p.window().selected(1), 2);
}

// Each operator action becomes one event on the owner thread, with its edit applied there.
TEST_F(QtEngineTest, OperatorActionsReachTheOwnerThread) {
    struct Case {
        const char* use;
        EventKind kind;
        int keycode;
        std::function<void(QWidget*)> act;
        std::function<bool(Window&, int)> model;  // the edit, as the owner thread sees it
    };
    const Case cases[] = {
        {"?OK", EventKind::Accepted, 0, [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }, nullptr},
        {"?CHECK", EventKind::Accepted, 0, [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 8)); },
         [](Window& w, int n) { return !w.checked(n); }},
        {"?ENTRY", EventKind::Accepted, 0,
         [](QWidget* w) {
             auto* e = static_cast<QLineEdit*>(w);
             e->setFocus();
             e->selectAll();
             QTest::keyClicks(e, "Ao");
             QTest::keyClick(e, Qt::Key_Return);
         },
         [](Window& w, int n) { return w.text(n) == "Ao" && w.changed_by_operator(n); }},
        {"?DROP", EventKind::Accepted, 0, [](QWidget* w) { emit static_cast<QComboBox*>(w)->activated(0); },
         [](Window& w, int n) { return w.selected(n) == 1; }},
        {"?LIST", EventKind::NewSelection, 0,
         [](QWidget* w) {
             auto* l = static_cast<QTreeWidget*>(w);
             l->setCurrentItem(l->topLevelItem(1));
         },
         [](Window& w, int n) { return w.selected(n) == 2; }},
        {"?LIST", EventKind::Accepted, kDoubleClickKey,
         [](QWidget* w) {
             auto* l = static_cast<QTreeWidget*>(w);
             emit l->itemDoubleClicked(l->topLevelItem(0), 0);
         },
         [](Window& w, int n) { return w.selected(n) == 1; }},
        // The keys and the wheel that move a list past its page, and a typed character, go to
        // the model as keys.
        {"?LIST", EventKind::AlertKey, kPageDownKey, [](QWidget* w) { QTest::keyClick(w, Qt::Key_PageDown); }, nullptr},
        {"?LIST", EventKind::AlertKey, 'b', [](QWidget* w) { QTest::keyClick(w, Qt::Key_B); }, nullptr},
        // A character of any script, as a keyboard of that script types it.
        {"?LIST", EventKind::AlertKey, typed_key(U'ł'),
         [](QWidget* w) { QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(0x141), QString::fromUtf8("ł"), Qt::NoModifier); },
         nullptr},
        {"?LIST", EventKind::AlertKey, typed_key(U'𠮷'),
         [](QWidget* w) { QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString::fromUtf8("𠮷"), Qt::NoModifier); }, nullptr},
        {"?LIST", EventKind::AlertKey, kDownKey,
         [](QWidget* w) {
             QWidget* port = static_cast<QTreeWidget*>(w)->viewport();
             QWheelEvent wheel(QPointF(5, 5), port->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(port, &wheel);
         },
         nullptr},
        {"?REGION", EventKind::AlertKey, kMouseRightKey, [](QWidget* w) { QTest::mouseClick(w, Qt::RightButton); }, nullptr},
        {"?REGION", EventKind::Accepted, 0, [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.use);
        Procedure p(form_layout());
        const int n = p.window().number_of(c.use);
        QWidget* w = widget(p, c.use);
        ASSERT_TRUE(w);
        c.act(w);
        // The event is on its way once the action returns, not a timer later: a change of the
        // model posted after it reaches the owner thread after it.
        p.change([](Window&) {});
        auto seen = p.wait_for(c.kind, 0);
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->event.control, n);
        EXPECT_EQ(seen->event.keycode, c.keycode);
        if (c.model) {
            bool ok = false;
            p.change([&](Window& win) { ok = c.model(win, n); });
            EXPECT_TRUE(ok);
        }
    }
}

TEST_F(QtEngineTest, TheCloseBoxAsksTheModelAndOnlyClosingTheModelRemovesTheWindow) {
    std::unique_ptr<Procedure> p = std::make_unique<Procedure>(form_layout());
    QPointer<QWidget> top = engine().widget(p->window());
    ASSERT_TRUE(top);
    top->close();
    EXPECT_TRUE(p->wait_for(EventKind::CloseWindow));
    EXPECT_TRUE(top->isVisible());
    p.reset();
    EXPECT_TRUE(top.isNull());
}

TEST_F(QtEngineTest, TheOperatorsPlacementReachesTheModelInWindowUnits) {
    WindowLayout l = form_layout();
    Procedure p(l);
    QWidget* top = engine().widget(p.window());
    top->setGeometry(px(20, 40, 300, 200));
    ASSERT_TRUE(p.wait_for(EventKind::Sized));
    int x = 0, y = 0, w = 0, h = 0;
    p.change([&](Window& win) { x = win.x(), y = win.y(), w = win.width(), h = win.height(); });
    EXPECT_EQ(std::vector<int>({x, y, w, h}), std::vector<int>({20, 40, 300, 200}));
    // A window that scales its controls: twice the layout's size, twice the geometry and font.
    auto* name = as<QLabel>(p, "?NAME");
    top->resize(2 * px_x(200), 2 * px_y(160));
    EXPECT_EQ(name->geometry(), px(4, 4, 80, 10, 2));
    EXPECT_DOUBLE_EQ(name->font().pointSizeF(), 2 * QApplication::font().pointSizeF());
}

TEST_F(QtEngineTest, AMessageBoxIsAnsweredForTheThreadThatAsked) {
    struct Case {
        unsigned buttons;
        QMessageBox::StandardButton click;
        Button answer;
    };
    const Case cases[] = {
        {ButtonYes | ButtonNo, QMessageBox::No, ButtonNo},
        {ButtonOk | ButtonCancel, QMessageBox::Ok, ButtonOk},
        {ButtonAbort | ButtonRetry | ButtonIgnore, QMessageBox::Retry, ButtonRetry},
    };
    Procedure p(form_layout());
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - &*std::begin(cases)));
        std::atomic<int> answer{0};
        p.run([&](Window&) {
            answer = engine().message_box({"Zorvane", "Delete this record?", MessageIcon::Question, c.buttons, ButtonOk});
        });
        QMessageBox* box = wait_for_message_box();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->windowTitle(), "Zorvane");
        EXPECT_EQ(box->text(), "Delete this record?");
        ASSERT_TRUE(box->button(c.click));
        box->button(c.click)->click();
        ASSERT_TRUE(pump_until([&] { return p.done.load(); }));
        EXPECT_EQ(answer.load(), static_cast<int>(c.answer));
    }
}

// The events of a kind the owner thread saw, in order.
std::vector<Seen> seen_of(Procedure& p, EventKind kind) {
    std::vector<Seen> out;
    for (const Seen& s : p.seen())
        if (s.event.kind == kind) out.push_back(s);
    return out;
}

TEST_F(QtEngineTest, TheModelsFocusReachesTheWidgetAndEnteringAControlIsItsSelectedEvent) {
    Procedure p(form_layout());
    QWidget* top = engine().widget(p.window());
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    const int entry = p.window().number_of("?ENTRY"), check = p.window().number_of("?CHECK");
    p.change([&](Window& w) { w.select(check); });
    ASSERT_TRUE(pump_until([&] { return widget(p, "?CHECK")->hasFocus(); }));
    // The model moved the focus itself: no selected event comes back for it.
    ASSERT_TRUE(settle_gui(engine()));
    for (const Seen& s : seen_of(p, EventKind::Selected)) EXPECT_NE(s.event.control, check);
    // The operator clicks into the entry: its selected event, the model's focus there.
    const std::size_t before = seen_of(p, EventKind::Selected).size();
    QTest::mouseClick(widget(p, "?ENTRY"), Qt::LeftButton);
    ASSERT_TRUE(pump_until([&] { return seen_of(p, EventKind::Selected).size() > before; }));
    EXPECT_EQ(seen_of(p, EventKind::Selected).back().event.control, entry);
    int focus = 0;
    p.change([&](Window& w) { focus = w.focus(); });
    EXPECT_EQ(focus, entry);
    // The model moving the focus away from an entry typed into accepts what was typed.
    auto* edit = as<QLineEdit>(p, "?ENTRY");
    edit->selectAll();
    QTest::keyClicks(edit, "Ao");
    p.change([&](Window& w) { w.select(check); });
    auto accepted = p.wait_for(EventKind::Accepted);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->event.control, entry);
    std::string text;
    p.change([&](Window& w) { text = w.text(entry); });
    EXPECT_EQ(text, "Ao");
}

TEST_F(QtEngineTest, CtrlHReachesTheModelFromEveryControlNotOnlyLists) {
    for (const char* use : {"?ENTRY", "?CHECK", "?DROP", "?LIST"}) {
        SCOPED_TRACE(use);
        Procedure p(form_layout());
        QTest::keyClick(widget(p, use), Qt::Key_H, Qt::ControlModifier);
        auto key = p.wait_for(EventKind::AlertKey);
        ASSERT_TRUE(key);
        EXPECT_EQ(key->event.control, p.window().number_of(use));
        EXPECT_EQ(key->event.keycode, kCtrlHKey);
    }
}

// The default button of a form, an entry typed into, and the window's timer replacing what the
// model shows on every tick unless the operator changed it.
class Rereading final : public TimerHandler {
public:
    Rereading(Window& w, int entry) : w_(w), entry_(entry) {}
    void on_timer() override {
        if (!w_.changed_by_operator(entry_)) w_.set_text(entry_, "Tick " + std::to_string(++ticks));
    }
    std::atomic<int> ticks{0};

private:
    Window& w_;
    int entry_;
};

WindowLayout default_button_layout() {
    WindowLayout l = form_layout();
    l.timer = 1;
    for (ControlState& c : l.controls)
        if (c.use == "?OK") c.is_default = true;
    return l;
}

TEST_F(QtEngineTest, TypedTextOutlivesTheTicksAndItsAcceptComesBeforeTheButtonsPress) {
    struct Case {
        const char* how;
        std::function<void(QWidget* entry, QWidget* ok, const std::function<void()>& ticks)> leave;
    };
    const Case cases[] = {
        {"Enter presses the default button",
         [](QWidget* e, QWidget*, const std::function<void()>&) { QTest::keyClick(e, Qt::Key_Return); }},
        {"a mouse click on OK, ticks between press and release",
         [](QWidget*, QWidget* ok, const std::function<void()>& ticks) {
             QTest::mousePress(ok, Qt::LeftButton);
             ticks();
             QTest::mouseRelease(ok, Qt::LeftButton);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        TickCounter ticks;  // outlives the window
        Procedure p(default_button_layout());
        ticks.watch(p.window());
        const auto two_ticks = [&] { ASSERT_TRUE(ticks.wait(engine(), 2)); };
        const int entry = p.window().number_of("?ENTRY"), ok = p.window().number_of("?OK");
        Rereading rereading(p.window(), entry);
        p.change([&](Window& w) { w.add_timer_handler(&rereading); });
        auto* edit = as<QLineEdit>(p, "?ENTRY");
        engine().widget(p.window())->activateWindow();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "Kanazawa");
        const int before = rereading.ticks.load();
        ASSERT_TRUE(pump_until([&] { return rereading.ticks.load() > before + 2; }));
        EXPECT_EQ(edit->text(), "Kanazawa");  // the ticks leave the text being typed alone
        c.leave(edit, widget(p, "?OK"), two_ticks);
        const auto pressed = [&] {
            for (const Seen& s : seen_of(p, EventKind::Accepted))
                if (s.event.control == ok) return true;
            return false;
        };
        ASSERT_TRUE(pump_until(pressed));
        // The entry's accept, and nothing but it, comes before the button's press.
        const std::vector<Seen> accepted = seen_of(p, EventKind::Accepted);
        ASSERT_GE(accepted.size(), 2u);
        EXPECT_EQ(accepted.front().event.control, entry);
        for (std::size_t i = 0; i + 1 < accepted.size(); ++i) EXPECT_EQ(accepted[i].event.control, entry) << i;
        EXPECT_EQ(accepted.back().event.control, ok);
        two_ticks();
        std::string text;
        p.change([&](Window& w) {
            text = w.text(entry);
            w.remove_timer_handler(&rereading);
        });
        EXPECT_EQ(text, "Kanazawa");
        EXPECT_EQ(edit->text(), "Kanazawa");
    }
}

TEST_F(QtEngineTest, StatusZonesShowOnEveryWindowWithTheFocusedControlsMessage) {
    WindowLayout l = form_layout(WindowKind::Floating);
    l.status = {{80, "View Record"}, {-1, "Zone two"}};
    for (ControlState& c : l.controls)
        if (c.use == "?ENTRY") c.message = "Primer Lugar Nombre";
    Procedure p(l);
    QWidget* top = engine().widget(p.window());
    auto zones = [&] {
        QStringList texts;
        for (QLabel* z : top->findChild<QStatusBar*>()->findChildren<QLabel*>()) texts << z->text();
        return texts;
    };
    QStatusBar* bar = top->findChild<QStatusBar*>();
    ASSERT_TRUE(bar);
    // The bar lies below the window's client area, which keeps its size: no control under it.
    EXPECT_EQ(bar->geometry().top(), px_y(160));
    EXPECT_EQ(top->size(), QSize(px_x(200), px_y(160) + bar->height()));
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QTest::mouseClick(widget(p, "?CHECK"), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_TRUE(pump_until([&] { return zones() == QStringList({"View Record", "Zone two"}); }));
    QTest::mouseClick(widget(p, "?ENTRY"), Qt::LeftButton);
    ASSERT_TRUE(pump_until([&] { return zones().value(0) == "Primer Lugar Nombre"; }));
    QTest::mouseClick(widget(p, "?CHECK"), Qt::LeftButton, {}, QPoint(5, 8));
    ASSERT_TRUE(pump_until([&] { return zones().value(0) == "View Record"; }));
    p.change([](Window& w) { w.set_status_text(2, "Record Will Be Changed"); });
    EXPECT_EQ(zones().value(1), "Record Will Be Changed");
}

// The operator clicks faster than the model follows: the model ends with the focus where the
// operator left it, whatever it had already heard of the earlier clicks.
TEST_F(QtEngineTest, ClicksFasterThanTheModelLeaveItsFocusWhereTheOperatorLeftIt) {
    Procedure p(form_layout(WindowKind::Floating));
    const int entry = p.window().number_of("?ENTRY"), check = p.window().number_of("?CHECK");
    QWidget* top = engine().widget(p.window());
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QTest::mouseClick(widget(p, "?ENTRY"), Qt::LeftButton);
    ASSERT_TRUE(pump_until([&] { return p.window().focus() == entry; }));
    // The owner thread is busy while the operator clicks the check box and comes back.
    std::atomic<bool> release{false};
    p.run([&](Window&) {
        while (!release) std::this_thread::yield();
    });
    QTest::mouseClick(widget(p, "?CHECK"), Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseClick(widget(p, "?ENTRY"), Qt::LeftButton);
    release = true;
    ASSERT_TRUE(pump_until([&] { return p.done.load(); }));
    p.change([](Window&) {});  // after the clicks' events
    EXPECT_EQ(p.window().focus(), entry) << "the check box is " << check;
}

// A window's status bar keeps the system's colours whatever the window's colour: the request
// text of a black scoreboard is readable.
TEST_F(QtEngineTest, AStatusZoneOnABlackWindowShowsItsText) {
    WindowLayout l = form_layout(WindowKind::Floating);
    l.colour = 0x000000;
    l.status = {{-1, "Record Will Be Changed"}};
    Procedure p(l);
    engine().flush();
    QWidget* top = engine().widget(p.window());
    QLabel* zone = top->findChild<QStatusBar*>()->findChildren<QLabel*>().value(0);
    ASSERT_TRUE(zone);
    ASSERT_TRUE(pump_until([&] { return zone->text() == "Record Will Be Changed"; }));
    const QImage image = top->grab().toImage();
    const QRect inside = QRect(zone->mapTo(top, QPoint(0, 0)), zone->size()).adjusted(3, 3, -3, -3);
    int darkest = 255, lightest = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int v = qGray(image.pixel(x, y));
            darkest = std::min(darkest, v);
            lightest = std::max(lightest, v);
        }
    EXPECT_GT(lightest - darkest, 100) << "the zone's text does not stand out from its background";
}

// A message box blocks the windows of the thread that asked, not the others.
TEST_F(QtEngineTest, AMessageBoxBlocksOnlyItsOwnThreadsWindows) {
    Procedure asking(form_layout()), other(form_layout());
    asking.run([&](Window&) { engine().message_box({"Zorvane", "Busy", MessageIcon::Exclamation, ButtonOk, ButtonOk}); });
    QMessageBox* box = wait_for_message_box();
    ASSERT_TRUE(box);
    // The waiting window takes no input but still looks as it did.
    EXPECT_TRUE(widget(asking, "?OK")->isEnabled());
    QTest::mouseClick(widget(asking, "?OK"), Qt::LeftButton);
    QTest::mouseClick(widget(other, "?OK"), Qt::LeftButton);
    EXPECT_TRUE(other.wait_for(EventKind::Accepted));
    EXPECT_TRUE(seen_of(asking, EventKind::Accepted).empty());
    box->button(QMessageBox::Ok)->click();
    ASSERT_TRUE(pump_until([&] { return asking.done.load(); }));
    QTest::mouseClick(widget(asking, "?OK"), Qt::LeftButton);
    EXPECT_TRUE(asking.wait_for(EventKind::Accepted));
}

// A key typed to a waiting window, through the window system as the operator types it, is
// dropped: Enter never presses the form's default button once the box is answered.
TEST_F(QtEngineTest, EnterOnAWindowWaitingForAMessageBoxPressesNothingLater) {
    WindowLayout l = form_layout();
    for (ControlState& c : l.controls)
        if (c.use == "?OK") c.is_default = true;
    Procedure asking(l);
    QWidget* top = engine().widget(asking.window());
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QTest::mouseClick(widget(asking, "?ENTRY"), Qt::LeftButton);
    ASSERT_TRUE(pump_until([&] { return widget(asking, "?ENTRY")->hasFocus(); }));
    asking.run([&](Window&) { engine().message_box({"Zorvane", "Busy", MessageIcon::Exclamation, ButtonOk, ButtonOk}); });
    QMessageBox* box = wait_for_message_box();
    ASSERT_TRUE(box);
    top->activateWindow();  // the operator clicks the waiting window and presses Enter
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QTest::keyClick(top->windowHandle(), Qt::Key_Return);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    box->button(QMessageBox::Ok)->click();
    ASSERT_TRUE(pump_until([&] { return asking.done.load(); }));
    // Whatever the key left behind has reached the thread before a change posted after it.
    ASSERT_TRUE(settle_gui(engine()));
    asking.change([](Window&) {});
    const int ok = asking.window().number_of("?OK");
    for (const Seen& s : seen_of(asking, EventKind::Accepted)) EXPECT_NE(s.event.control, ok);
}

TEST_F(QtEngineTest, APopupMenuAnswersTheChosenItemNotCountingSeparators) {
    Procedure p(form_layout());
    std::atomic<int> answer{-1};
    p.run([&](Window&) { answer = engine().popup_menu({.items = {"Choose digits...", "-", "24 hours format"}, .disabled = {}}); });
    QMenu* menu = nullptr;
    ASSERT_TRUE(pump_until([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible()) menu = m;
        return menu != nullptr;
    }));
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    menu->actions()[2]->trigger();
    menu->hide();
    ASSERT_TRUE(pump_until([&] { return p.done.load(); }));
    EXPECT_EQ(answer.load(), 2);
}

TEST_F(QtEngineTest, AGrabShowsTheBoxesInTheirColours) {
    TempFolder folder;
    WindowLayout l;
    l.kind = WindowKind::MdiChild;
    l.width = 100, l.height = 80;
    l.colour = 0xFFFFFF;
    ControlState box = control(ControlKind::Box, "?BOX", 10, 10, 40, 20);
    box.fill_colour = kRed;
    ControlState ellipse = control(ControlKind::Ellipse, "?ELLIPSE", 60, 40, 30, 30);
    ellipse.fill_colour = kGreen;
    l.controls = {box, ellipse};
    Procedure p(l);
    QImage image = engine().grab(p.window());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(px_x(100), px_y(80)));
    EXPECT_EQ(image.pixelColor(px_x(30), px_y(20)), QColor(255, 0, 0));  // the box's middle
    EXPECT_EQ(image.pixelColor(px_x(75), px_y(55)), QColor(0, 255, 0));  // the ellipse's middle
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));            // the window's colour
    const std::string png = (folder / "window.png").string();
    ASSERT_TRUE(engine().save_png(p.window(), png));
    QImage back(QString::fromStdString(png));
    EXPECT_EQ(back.pixelColor(px_x(30), px_y(20)), QColor(255, 0, 0));
}

// The frame: menus from the model, item messages in the first status zone, the Window menu
// listing the children, tiling across and down.
TEST_F(QtEngineTest, TheFrameMirrorsMenusStatusZonesAndItsChildren) {
    WindowLayout f;
    f.kind = WindowKind::Frame;
    f.title = "External scoreboard";
    f.width = 600, f.height = 400;
    f.status = {{-1, "Ready"}, {80, ""}, {120, ""}, {45, ""}};
    auto menu = [](int number, std::string text, int parent = 0) {
        ControlState c = control(ControlKind::Menu, "", 0, 0, 0, 0, std::move(text));
        c.number = number, c.parent = parent;
        return c;
    };
    auto item = [](int number, std::string use, std::string text, int parent, StandardAction action, std::string message) {
        ControlState c = control(ControlKind::Item, std::move(use), 0, 0, 0, 0, std::move(text));
        c.number = number, c.parent = parent, c.action = action, c.message = std::move(message);
        return c;
    };
    ControlState separator = control(ControlKind::Separator, "?SEPARATOR1", 0, 0, 0, 0);
    separator.number = 3, separator.parent = 1;
    f.controls = {menu(1, "&File"),   item(2, "?PRINTSETUP", "&Print Setup ...", 1, StandardAction::PrintSetup, "Setup printer"),
                  separator,          item(4, "?EXIT", "E&xit", 1, StandardAction::Close, "Exit this application"),
                  menu(5, "&Window"), item(6, "?TILE", "T&ile", 5, StandardAction::Tile, "Arrange multiple opened windows")};
    Procedure frame(f);
    auto* main = qobject_cast<QMainWindow*>(engine().widget(frame.window()));
    ASSERT_TRUE(main);
    EXPECT_EQ(main->windowTitle(), "External scoreboard");
    const QList<QAction*> menus = main->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    const QList<QAction*> file = menus[0]->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[2]->text(), "E&xit");
    QList<QLabel*> zones = main->statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(zones.size(), 4);
    EXPECT_EQ(zones[0]->text(), "Ready");
    EXPECT_EQ(zones[2]->width(), px_x(120));
    file[2]->hover();
    EXPECT_EQ(zones[0]->text(), "Exit this application");
    file[2]->trigger();
    auto exit = frame.wait_for(EventKind::Accepted);
    ASSERT_TRUE(exit);
    EXPECT_EQ(exit->event.control, 4);

    WindowLayout c = form_layout(WindowKind::MdiChild);
    Procedure one(c), two(c);
    auto* area = main->findChild<QMdiArea*>();
    ASSERT_EQ(area->subWindowList().size(), 2);
    QMenu* window_menu = menus[1]->menu();
    emit window_menu->aboutToShow();
    const QList<QAction*> listed = window_menu->actions();
    ASSERT_EQ(listed.size(), 4);  // "T&ile", a separator, the two children
    EXPECT_EQ(listed[2]->text(), "&1 Form");

    auto rects = [&] {
        QApplication::processEvents();
        std::vector<QRect> r;
        for (QMdiSubWindow* s : area->subWindowList()) r.push_back(s->geometry());
        return r;
    };
    engine().arrange(frame.window(), Arrangement::TileVertical);
    const auto vertical = rects();
    EXPECT_EQ(vertical[0].top(), vertical[1].top());  // side by side
    engine().arrange(frame.window(), Arrangement::TileHorizontal);
    const auto horizontal = rects();
    EXPECT_EQ(horizontal[0].left(), horizontal[1].left());  // one above the other
    EXPECT_NE(vertical, horizontal);
}

// A child or a floating window without a status bar of its own shows its focused control's
// message in the frame's while it is the active one.
TEST_F(QtEngineTest, AWindowWithoutStatusZonesShowsItsMessagesInTheFrames) {
    WindowLayout f;
    f.kind = WindowKind::Frame;
    f.width = 600, f.height = 400;
    f.status = {{-1, "Ready"}, {80, ""}};
    Procedure frame(f);
    auto* main = qobject_cast<QMainWindow*>(engine().widget(frame.window()));
    ASSERT_TRUE(main);
    const auto first_zone = [&] { return main->statusBar()->findChildren<QLabel*>().value(0)->text(); };
    for (WindowKind kind : {WindowKind::MdiChild, WindowKind::Floating}) {
        SCOPED_TRACE(kind == WindowKind::MdiChild ? "child" : "floating");
        WindowLayout c = form_layout(kind);
        for (ControlState& k : c.controls)
            if (k.use == "?CHECK") k.message = "Cancel operation";
        Procedure child(c);
        QWidget* active = kind == WindowKind::MdiChild ? main : engine().widget(child.window())->window();
        active->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(active));
        QTest::mouseClick(widget(child, "?CHECK"), Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_TRUE(pump_until([&] { return first_zone() == "Cancel operation"; }));
        QTest::mouseClick(widget(child, "?ENTRY"), Qt::LeftButton);
        EXPECT_TRUE(pump_until([&] { return first_zone() == "Ready"; }));
    }
}

// A sound plays its file, from a procedure thread as from the GUI's, with no audio device; a
// new one cuts off the one playing, which goes; a missing file plays nothing and leaves the
// sound playing alone.
TEST_F(QtEngineTest, ASoundPlaysItsFileANewOneCutsItOffAndAMissingFilePlaysNothing) {
    TempFolder folder;
    // A silent WAV: 8 kHz, 8 bits, mono, 30 seconds (it plays until the test ends).
    constexpr std::uint32_t kSamples = 30 * 8000;
    std::string wav = "RIFF";
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) wav += char((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&](std::uint16_t v) { wav += char(v & 0xFF), wav += char(v >> 8); };
    u32(36 + kSamples);
    wav += "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(8000), u32(8000), u16(1), u16(8);
    wav += "data";
    u32(kSamples);
    wav += std::string(kSamples, char(0x80));
    folder.write("TimeUP.wav", wav);
    const auto plays_the_file = [&](const QSoundEffect* sound) {
        return sound && sound->isPlaying() &&
               QFileInfo(sound->source().toLocalFile()).canonicalFilePath() ==
                   QFileInfo(QString::fromStdString((folder / "TimeUP.wav").string())).canonicalFilePath();
    };

    engine().play_sound(".\\Missing.wav");
    EXPECT_EQ(engine().sound(), nullptr);
    engine().play_sound(".\\TimeUP.wav");
    const QPointer<QSoundEffect> first = engine().sound();
    EXPECT_TRUE(plays_the_file(first));
    // Each sound is read on a thread of its own; the test lets each reading end, as the hall's
    // long seconds do, so that none is still going when the process ends.
    const auto loaded = [](const QSoundEffect* sound) {
        return pump_until([&] { return sound->status() == QSoundEffect::Ready || sound->status() == QSoundEffect::Error; });
    };
    ASSERT_TRUE(loaded(first));
    EXPECT_EQ(first->status(), QSoundEffect::Ready);

    Procedure p(form_layout());
    p.run([&](Window&) { engine().play_sound(".\\TimeUP.wav"); });
    ASSERT_TRUE(pump_until([&] { return engine().sound() != first.data(); }));
    const QPointer<QSoundEffect> second = engine().sound();
    EXPECT_TRUE(plays_the_file(second));
    ASSERT_TRUE(loaded(second));
    EXPECT_EQ(second->status(), QSoundEffect::Ready);
    EXPECT_TRUE(!first || !first->isPlaying()) << "the first goes on";
    EXPECT_TRUE(pump_until([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return first.isNull();
    })) << "the sound cut off stays";

    p.run([&](Window&) { engine().play_sound(".\\Missing.wav"); });
    ASSERT_TRUE(pump_until([&] { return p.done.load(); }));
    ASSERT_TRUE(settle_gui(engine()));
    EXPECT_EQ(engine().sound(), second.data());
    EXPECT_TRUE(plays_the_file(second)) << "the missing file cut the sound off";
}

}  // namespace
}  // namespace zrv::testing
