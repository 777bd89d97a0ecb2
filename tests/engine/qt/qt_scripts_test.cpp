// Names in every script, as the widgets show them: whole, in the text's own direction, through
// the installed faces (the per-character fallback included), and typed by the operator.
#include <memory>
#include <type_traits>

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextLayout>
#include <QTreeWidget>

#include "tests/engine/qt/qt_fixture.h"

namespace zrv::testing {
namespace {

struct Name {
    const char* row;
    const char* text;
};
// The long ones are wider than the boxes below at their own size.
const Name kNames[] = {
    {"Polish", "Łukasz Wróblewski"},
    {"Hungarian", "Szőke"},
    {"Turkish", "Yılmaz"},
    {"Czech", "Nováková"},
    {"Romanian", "Țurcanu"},
    {"Greek", "Παπαδόπουλος"},
    {"Cyrillic", "Иванов Ёжиков"},
    {"Arabic", "محمد عبد الله"},
    {"Hebrew", "דוד כהן"},
    {"Japanese", "山田太郎"},
    {"Chinese", "张伟"},
    {"Korean", "김민준"},
    {"Arabic with its country", "محمد عبد الله (EGY)"},
    {"Latin with its country", "Nováková (CZE)"},
    {"long", "Aleksandra Konstantynopolitańczykówna-Wróblewska"},
    {"long Arabic", "عبد الرحمن بن محمد بن عبد الله بن عبد العزيز الحسيني الهاشمي"},
    {"long Japanese", "長谷川・ブルーノ・マリア・フェルナンデス・デ・ラ・クルス"},
};

// The height of a line of a text in the faces that draw it (a fallback face's ascent and
// descent included).
double line_height(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.ascent() + line.descent();
}

// The characters of a text that the font (with its fallback faces) has no glyph for: each is
// drawn as an empty box.
int missing_glyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (const quint32 glyph : run.glyphIndexes()) missing += glyph == 0;
    return missing;
}

QImage picture_of(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

// How many pixels of two pictures of one size differ.
int differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Qt's own drawing of a text with a font in a rectangle of a picture of that size, over the
// background colour, in the text's direction.
QImage drawn(QSize size, const QRect& rect, Qt::Alignment align, const QString& text, const QFont& font, QColor back, QColor ink) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(back);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(ink);
    painter.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(rect, static_cast<int>(align | Qt::AlignAbsolute | Qt::AlignVCenter), text);
    return image;
}

// The columns of a picture that hold ink (darker than half grey), inside a band of rows.
std::pair<int, int> ink_columns(const QImage& image, int top = 0, int bottom = -1) {
    if (bottom < 0) bottom = image.height() - 1;
    int first = image.width(), last = -1;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) first = std::min(first, x), last = std::max(last, x);
    return {first, last};
}

// The extent of the ink of a picture (darker than half grey): its columns' and rows' span.
QSize ink_extent(const QImage& image) {
    const auto [first, last] = ink_columns(image);
    const auto [top, bottom] = ink_columns(image.transformed(QTransform().rotate(90)));
    return {last - first + 1, bottom - top + 1};
}

// The ink of a whole line of a text in a font, drawn with room to spare all round.
QSize whole_ink(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(text) + 4 * metrics.height(), 4 * metrics.height());
    return ink_extent(drawn(size, QRect(QPoint(0, 0), size).adjusted(metrics.height(), 0, -metrics.height(), 0), Qt::AlignLeft, text,
                            font, Qt::white, Qt::black));
}

// Whether the ink of a picture is the whole ink of a line of text: as wide and as high, but
// for a pixel that a fraction of a pixel's position tips over the half grey.
void expect_whole(const QImage& shown, const QString& text, const QFont& font) {
    const QSize ink = ink_extent(shown), whole = whole_ink(text, font);
    EXPECT_NEAR(ink.width(), whole.width(), 1);
    EXPECT_NEAR(ink.height(), whole.height(), 1);
}

WindowLayout names_layout(const std::string& name) {
    WindowLayout l;
    l.title = "Names";
    l.kind = WindowKind::Floating;
    l.x = 10, l.y = 10, l.width = 300, l.height = 200;
    l.status = {{-1, name}};
    auto text_box = [&](const char* use, int y, int width, int align) {
        ControlState c = control(ControlKind::String, use, 4, y, width, 10, name);
        c.align = align;
        c.font_colour = 0x000000;
        c.fill_colour = 0xFFFFFF;
        return c;
    };
    ControlState drop = control(ControlKind::DropList, "?DROP", 210, 50, 80, 12);
    drop.items = {"Kata", name};
    drop.selected = 2;
    ControlState list = control(ControlKind::List, "?LIST", 4, 100, 200, 40);
    list.format = "190L(2)|M~Name~";
    ListRow row;
    row.cells.push_back({name, 0x000000, 0xFFFFFF, kDefaultColour, kDefaultColour});
    list.rows = {row};
    // A team's members one below the other in a stacked column, the name on the first line.
    ControlState team = control(ControlKind::List, "?TEAM", 4, 144, 200, 40);
    team.format = "[~Team~S190L@s20@190L@s20@]";
    row.cells.push_back({"Kata", 0x000000, 0xFFFFFF, kDefaultColour, kDefaultColour});
    team.rows = {row};
    // The focus starts in the first entry, which draws its frame and cursor for it.
    l.controls = {control(ControlKind::Entry, "?FIRST", 210, 180, 40, 12),
                  text_box("?LEFT", 4, 150, 0),
                  text_box("?RIGHT", 16, 150, 2),
                  text_box("?NARROW", 28, 60, 0),
                  control(ControlKind::Prompt, "?PROMPT", 4, 40, 150, 10, name),
                  control(ControlKind::Entry, "?ENTRY", 4, 52, 150, 12, name),
                  control(ControlKind::Check, "?CHECK", 4, 66, 200, 12, name),
                  control(ControlKind::Button, "?BUTTON", 4, 80, 200, 14, name),
                  list,
                  control(ControlKind::Group, "?GROUP", 210, 4, 80, 40, name),
                  drop,
                  team};
    return l;
}

class QtScriptsTest : public QtEngineTest {};

// Every widget that shows a name has its text, each character drawn by a face that has it, and
// the whole of it in its box.
TEST_F(QtScriptsTest, EveryWidgetShowsANameOfEveryScriptWholeWithAGlyphForEachCharacter) {
    for (const Name& name : kNames) {
        SCOPED_TRACE(name.row);
        const QString text = QString::fromUtf8(name.text);
        Procedure p(names_layout(name.text));
        ASSERT_TRUE(settle_gui(engine()));
        QWidget* top = engine().widget(p.window());
        auto* list = as<QTreeWidget>(p, "?LIST");
        ASSERT_TRUE(list && list->topLevelItemCount() == 1);
        QLabel* zone = top->findChild<QStatusBar*>()->findChildren<QLabel*>().value(0);
        ASSERT_TRUE(zone);
        struct Shown {
            const char* what;
            QString text;
            QFont font;
            int room;    // the width the text has; -1 where the widget takes what it needs
            int height;  // the height of its box
        };
        auto in = [](const char* what, QWidget* w, QString shown_text, int room) {
            return Shown{what, std::move(shown_text), w->font(), room, w->contentsRect().height()};
        };
        auto* entry = as<QLineEdit>(p, "?ENTRY");
        const Shown shown[] = {
            in("?LEFT", widget(p, "?LEFT"), as<QLabel>(p, "?LEFT")->text(), widget(p, "?LEFT")->contentsRect().width()),
            in("?PROMPT", widget(p, "?PROMPT"), as<QLabel>(p, "?PROMPT")->text(), widget(p, "?PROMPT")->contentsRect().width()),
            in("?ENTRY", entry, entry->text(), entry->contentsRect().width() - 8),
            in("?CHECK", widget(p, "?CHECK"), as<QCheckBox>(p, "?CHECK")->text(), -1),
            in("?BUTTON", widget(p, "?BUTTON"), as<QPushButton>(p, "?BUTTON")->text(), -1),
            in("?GROUP", widget(p, "?GROUP"), as<QGroupBox>(p, "?GROUP")->title(), -1),
            in("?DROP", widget(p, "?DROP"), as<QComboBox>(p, "?DROP")->currentText(), -1),
            {"list cell", list->topLevelItem(0)->text(0), list->font(), list->columnWidth(0),
             list->visualItemRect(list->topLevelItem(0)).height()},
            in("status zone", zone, zone->text(), zone->contentsRect().width()),
        };
        for (const Shown& s : shown) {
            SCOPED_TRACE(s.what);
            EXPECT_EQ(s.text, text);
            EXPECT_EQ(missing_glyphs(s.text, s.font), 0);
            // The boxes the program sets a name in fit it, drawn smaller where it is too wide, and
            // every box is as high as a line of it in the faces that draw it.
            if (s.room >= 0) {
                EXPECT_LE(QFontMetrics(s.font).horizontalAdvance(s.text), s.room);
            }
            EXPECT_LE(line_height(s.text, s.font), s.height);
        }

        // A message box says the name too.
        p.run([&](Window&) { engine().message_box({"Zorvane", name.text, MessageIcon::Exclamation, ButtonOk, ButtonOk}); });
        QMessageBox* box = wait_for_message_box();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(missing_glyphs(box->text(), box->font()), 0);
        box->accept();
        ASSERT_TRUE(pump_until([&] { return p.done.load(); }));
    }
}

// A text box draws its name as Qt draws that text with the box's font: at the side its alignment
// says, in the text's own direction (a right-to-left name from the right, a Latin country code
// after it on its left); a name still too wide for its box from its first character.
TEST_F(QtScriptsTest, ATextBoxDrawsTheNameAsQtDrawsItInItsOwnDirection) {
    for (const Name& name : kNames) {
        SCOPED_TRACE(name.row);
        const QString text = QString::fromUtf8(name.text);
        Procedure p(names_layout(name.text));
        ASSERT_TRUE(settle_gui(engine()));
        for (const char* use : {"?LEFT", "?RIGHT", "?NARROW"}) {
            SCOPED_TRACE(use);
            auto* label = as<QLabel>(p, use);
            const bool fits = QFontMetrics(label->font()).horizontalAdvance(text) <= label->contentsRect().width();
            const bool right = std::string_view(use) == "?RIGHT";
            // Too wide even at the smallest size: from its first character, which for a
            // right-to-left text is its rightmost.
            const Qt::Alignment side = fits ? (right ? Qt::AlignRight : Qt::AlignLeft)
                                            : (text.isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
            const QImage expected = drawn(label->size(), label->contentsRect(), side, text, label->font(), Qt::white, Qt::black);
            EXPECT_EQ(differing(picture_of(label), expected), 0);
            // A name that fits shows all the ink of its line: no character cut at a side, at the
            // top or at the bottom.
            if (fits) expect_whole(picture_of(label), text, label->font());
        }
        // The long names are drawn smaller to fit; the others at their own size.
        EXPECT_EQ(widget(p, "?LEFT")->font().pointSizeF() < 8, std::string_view(name.row).starts_with("long"));
    }
}

// Qt's own widget of the same kind, size, font, colours and text as a widget of the engine.
template <class W>
std::unique_ptr<W> twin(W* shown) {
    auto other = std::make_unique<W>();
    other->setStyle(shown->style());
    other->setFont(shown->font());
    other->setPalette(shown->palette());
    other->resize(shown->size());
    if constexpr (std::is_same_v<W, QLineEdit>) {
        other->setAlignment(shown->alignment());
        other->setReadOnly(shown->isReadOnly());
        other->setText(shown->text());
        other->setCursorPosition(0);
    } else {
        other->setText(shown->text());
    }
    if constexpr (std::is_same_v<W, QCheckBox>) other->setChecked(shown->isChecked());
    return other;
}

// An entry, a check box and a button show the name as Qt's own widgets show that text.
TEST_F(QtScriptsTest, EntriesCheckBoxesAndButtonsDrawTheNameAsQtsOwnWidgetsDo) {
    for (const Name& name : kNames) {
        SCOPED_TRACE(name.row);
        Procedure p(names_layout(name.text));
        ASSERT_TRUE(settle_gui(engine()));
        auto* entry = as<QLineEdit>(p, "?ENTRY");
        auto* check = as<QCheckBox>(p, "?CHECK");
        auto* button = as<QPushButton>(p, "?BUTTON");
        ASSERT_TRUE(entry && check && button);
        EXPECT_EQ(differing(picture_of(entry), picture_of(twin(entry).get())), 0) << "entry";
        EXPECT_EQ(differing(picture_of(check), picture_of(twin(check).get())), 0) << "check box";
        EXPECT_EQ(differing(picture_of(button), picture_of(twin(button).get())), 0) << "button";
    }
}

// A scoreboard's large entries (its points, its names; larger than Qt caches glyphs for) are
// Qt's line edit itself: their pixels are a line edit's of the same look, also after the program
// changes their text.
TEST_F(QtScriptsTest, ALargeEntryIsDrawnAsQtsOwnLineEditDrawsIt) {
    struct Case {
        const char* use;
        const char* text;
        const char* changed;  // a later text of the program's
        const char* face;
        int points, align;
        Colour ink, fill;
        bool read_only;
    } cases[] = {
        {"?POINTS", "7", "99", "Arial Black", 110, 1, 0xFFFFFF, 0x0000FF, true},
        {"?NAME", "Ángel Núñez", "山田太郎", "Arial", 52, 0, 0x00FFFF, 0xFF0000, false},
        {"?RIGHT", "12", "3", "", 60, 2, kDefaultColour, kDefaultColour, false},
    };
    WindowLayout l;
    l.title = "Board";
    l.kind = WindowKind::Floating;
    l.x = 10, l.y = 10, l.width = 400, l.height = 140;
    l.controls = {control(ControlKind::Entry, "?FIRST", 4, 4, 40, 12)};  // takes the focus
    int y = 18;
    for (const Case& c : cases) {
        ControlState e = control(ControlKind::Entry, c.use, 4, y, 390, 40, c.text);
        e.font_name = c.face, e.font_size = c.points, e.align = c.align;
        e.font_colour = c.ink, e.fill_colour = c.fill, e.read_only = c.read_only;
        l.controls.push_back(e);
        y += 42;
    }
    Procedure p(l);
    for (const bool later : {false, true}) {
        if (later)
            p.change([&](Window& w) {
                for (const Case& c : cases) w.set_text(w.number_of(c.use), c.changed);
            });
        ASSERT_TRUE(settle_gui(engine()));
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.use) + (later ? " changed" : ""));
            auto* entry = as<QLineEdit>(p, c.use);
            ASSERT_TRUE(entry);
            ASSERT_TRUE(pump_until([&] { return entry->text() == QString::fromUtf8(later ? c.changed : c.text); }));
            EXPECT_GT(QFontInfo(entry->font()).pixelSize(), 64);
            EXPECT_EQ(differing(picture_of(entry), picture_of(twin(entry).get())), 0);
        }
    }
}

// A right-to-left name too wide for its box even at the smallest size shows its first
// characters, at the right; a left-to-right one its first at the left.
TEST_F(QtScriptsTest, ANameTooWideEvenDrawnSmallerShowsItsFirstCharacterOnItsOwnSide) {
    struct Case {
        const char* row;
        const char* text;
        bool right_to_left;
    } cases[] = {
        {"Arabic", "محمد عبد الله محمد عبد الله محمد عبد الله محمد عبد الله محمد عبد الله", true},
        {"Hebrew", "דוד כהן דוד כהן דוד כהן דוד כהן דוד כהן דוד כהן דוד כהן דוד כהן", true},
        {"Polish", "Łukasz Wróblewski Łukasz Wróblewski Łukasz Wróblewski Łukasz", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        WindowLayout l = names_layout(c.text);
        for (ControlState& control : l.controls)
            if (control.use == "?NARROW" || control.use == "?ENTRY") control.width = 30;
        Procedure p(l);
        ASSERT_TRUE(settle_gui(engine()));
        const QString text = QString::fromUtf8(c.text);
        for (const char* use : {"?NARROW", "?ENTRY"}) {
            SCOPED_TRACE(use);
            QWidget* box = widget(p, use);
            EXPECT_EQ(box->font().pointSizeF(), 6);
            ASSERT_GT(QFontMetrics(box->font()).horizontalAdvance(text), box->contentsRect().width());
            // Ink up to the side the text starts from (an entry's up to its margin).
            const int margin = std::string_view(use) == "?ENTRY" ? 5 : 2;
            const auto [first, last] = ink_columns(picture_of(box), 3, box->height() - 4);
            if (c.right_to_left) EXPECT_GE(last, box->width() - 1 - margin);
            else EXPECT_LE(first, margin);
        }
    }
}

// A list cell draws its name as Qt draws the text in the cell, in the text's own direction and at
// the column's side; so does each line of a stacked column.
TEST_F(QtScriptsTest, AListCellDrawsTheNameInItsOwnDirection) {
    for (const Name& name : kNames) {
        SCOPED_TRACE(name.row);
        const QString text = QString::fromUtf8(name.text);
        Procedure p(names_layout(name.text));
        ASSERT_TRUE(settle_gui(engine()));
        for (const char* use : {"?LIST", "?TEAM"}) {
            SCOPED_TRACE(use);
            auto* list = as<QTreeWidget>(p, use);
            ASSERT_TRUE(list);
            QRect cell = list->visualItemRect(list->topLevelItem(0));
            if (std::string_view(use) == "?TEAM") cell.setHeight(cell.height() / 2);  // its first line
            const QImage shown = picture_of(list->viewport()).copy(cell);
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            const QRect inside = QRect(QPoint(0, 0), cell.size()).adjusted(margin, 0, -margin, 0);
            const QImage expected = drawn(cell.size(), inside, Qt::AlignLeft, text, list->font(), Qt::white, Qt::black);
            EXPECT_EQ(differing(shown, expected), 0);
            expect_whole(shown, text, list->font());
        }
    }
}

// Types a text as a keyboard of its script does: a key with its character for an alphabet's
// letter, the input method's commit for a Chinese, Japanese or Korean character.
void type_text(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        const QChar::Script script = ch.script();
        if (script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana ||
            script == QChar::Script_Hangul) {
            QInputMethodEvent commit;
            commit.setCommitString(QString(ch));
            QApplication::sendEvent(w, &commit);
        } else {
            QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
        }
    }
}

// Text the operator types in any script reaches the model as that text.
TEST_F(QtScriptsTest, NamesTypedIntoAnEntryReachTheModelAsTyped) {
    for (const Name& name : kNames) {
        SCOPED_TRACE(name.row);
        Procedure p(names_layout("x"));
        const int entry = p.window().number_of("?ENTRY");
        auto* edit = as<QLineEdit>(p, "?ENTRY");
        ASSERT_TRUE(edit);
        QWidget* top = engine().widget(p.window());
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
        edit->setFocus();
        edit->selectAll();
        type_text(edit, QString::fromUtf8(name.text));
        EXPECT_EQ(edit->text(), QString::fromUtf8(name.text));
        QTest::keyClick(edit, Qt::Key_Return);
        auto seen = p.wait_for(EventKind::Accepted);
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->event.control, entry);
        std::string text;
        bool by_operator = false;
        p.change([&](Window& w) {
            text = w.text(entry);
            by_operator = w.changed_by_operator(entry);
        });
        EXPECT_EQ(text, name.text);
        EXPECT_TRUE(by_operator);
    }
}

}  // namespace
}  // namespace zrv::testing
