// The operator on the Qt engine: QTest mouse and key events to the real widgets, and what the
// widgets show read back. The test's thread is the GUI thread.
#include <cctype>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTreeWidget>

#include "framework/engine/headless/virtual_clock.h"
#include "framework/services/utf8.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/qt/qt_engine.h"
#include "framework/engine/qt/qt_widgets.h"
#include "tests/engine/parity/operator.h"
#include "tests/engine/qt/qt_fixture.h"

namespace zrv::testing {
namespace {

QApplication& application() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    use_offscreen_screen({2560, 1600});  // every window of the program at its own size
    static int argc = 1;
    static char name[] = "parity_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    app->setQuitOnLastWindowClosed(false);
    return *app;
}

const std::pair<Button, QMessageBox::StandardButton> kButtons[] = {
    {ButtonOk, QMessageBox::Ok},         {ButtonYes, QMessageBox::Yes},     {ButtonNo, QMessageBox::No},
    {ButtonCancel, QMessageBox::Cancel}, {ButtonRetry, QMessageBox::Retry}, {ButtonAbort, QMessageBox::Abort},
    {ButtonIgnore, QMessageBox::Ignore},
};

class QtOperator final : public Operator {
public:
    QtOperator() : app_(application()) {
        set_clock(&clock_);
        engine_ = std::make_unique<QtEngine>();
        set_engine(engine_.get());
    }
    ~QtOperator() override {
        // Answer what still waits, close every window, let the threads end: each round until
        // everything has ended or a box asks again.
        const auto ended = [&] { return running_threads() == 0 && engine_->windows().empty(); };
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitLimitMs);
        while (!ended() && std::chrono::steady_clock::now() < end) {
            if (QMessageBox* box = shown_box()) {
                QAbstractButton* b = box->button(QMessageBox::Yes);
                (b ? b : box->buttons().value(0))->click();
            }
            request_close_everywhere();
            pump_until([&] { return ended() || shown_box(); }, 200);
        }
        set_engine(nullptr);
        engine_.reset();
        set_clock(nullptr);
    }
    const char* engine_name() const override { return "qt"; }

    void start(std::string_view procedure) override {
        start_procedure(procedure, 25000);
        settle();
    }
    Window* window(std::string_view name) override {
        auto all = engine_->windows();
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            if (upper((*it)->procedure()) == upper(name)) return *it;
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            if ((*it)->title() == name) return *it;
        return nullptr;
    }

    void settle() override {
        // Idle when no thread is busy and nothing is left to mirror, twice in a row.
        int quiet = 0;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitLimitMs);
        while (quiet < 3) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            engine_->flush();
            quiet = Activity::busy() == 0 ? quiet + 1 : 0;
            if (std::chrono::steady_clock::now() > end) throw std::runtime_error("threads did not settle");
            if (!quiet) QThread::usleep(100);
        }
    }
    void advance_ms(std::int64_t ms) override {
        // The clock settles the threads at every step; a window closing on the way needs the GUI.
        std::atomic<bool> done{false};
        std::thread stepping([&] {
            clock_.advance_ms(ms);
            done = true;
        });
        while (!done) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QThread::usleep(100);
        }
        stepping.join();
        settle();
    }

    void click(Window& w, std::string_view use) override {
        QWidget* widget = control(w, use);
        activate(w);
        const QPoint at = qobject_cast<QCheckBox*>(widget) ? QPoint(6, widget->height() / 2) : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        settle();
    }
    void click_row(Window& w, std::string_view use, int row) override {
        QTreeWidget* list = row_at(w, use, row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row_point(list, row));
        settle();
    }
    void double_click_row(Window& w, std::string_view use, int row) override {
        QTreeWidget* list = row_at(w, use, row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row_point(list, row));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row_point(list, row));
        settle();
    }
    void click_tab(Window& w, std::string_view sheet, int tab) override {
        auto* tabs = qobject_cast<QTabWidget*>(control(w, sheet));
        if (!tabs || tab < 1 || tab > tabs->count()) throw std::runtime_error("no such tab");
        activate(w);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab - 1).center());
        settle();
    }

    // Each character as the key that types it: an ASCII one by its own key, any other (which
    // QTest::keyClicks would narrow to Latin-1) as a key event carrying its text, the way a
    // keyboard of that script sends it.
    void type(std::string_view text) override {
        for (std::size_t at = 0; at < text.size();) {
            const char32_t c = next_code_point(text, at);
            if (QWidget* f = QApplication::focusWidget()) {
                if (c < 0x80) {
                    QTest::keyClick(f, static_cast<char>(c));
                } else {
                    const QString typed = QString::fromUcs4(&c, 1);
                    const QString upper = typed.toUpper();
                    const auto code = upper.size() == 1 ? static_cast<Qt::Key>(upper[0].unicode()) : Qt::Key_unknown;
                    QTest::sendKeyEvent(QTest::Click, f, code, typed, Qt::NoModifier);
                }
            }
            settle();
        }
    }
    void select_all() override {
        if (QWidget* f = QApplication::focusWidget()) QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        settle();
    }
    void press_access_key(char letter) override {
        QWidget* f = QApplication::focusWidget();
        if (!f) f = QApplication::activeWindow();
        if (!f) return;
        QTest::keyClick(f, static_cast<char>(std::tolower(static_cast<unsigned char>(letter))), Qt::AltModifier);
        // A button pressed by its access key shows itself down for a moment, then clicks.
        std::vector<QPointer<QAbstractButton>> buttons;
        for (QAbstractButton* b : f->window()->findChildren<QAbstractButton*>()) buttons.emplace_back(b);
        pump_until([&] {
            return std::none_of(buttons.begin(), buttons.end(), [](const QPointer<QAbstractButton>& b) { return b && b->isDown(); });
        });
        settle();
    }
    void press(Key key) override {
        QWidget* f = QApplication::focusWidget();
        if (!f) f = QApplication::activeWindow();
        if (f) {
            if (key == Key::Enter) QTest::keyClick(f, Qt::Key_Return);
            else if (key == Key::Escape) QTest::keyClick(f, Qt::Key_Escape);
            else if (key == Key::Down) QTest::keyClick(f, Qt::Key_Down);
            else if (key == Key::PageDown) QTest::keyClick(f, Qt::Key_PageDown);
            else QTest::keyClick(f, Qt::Key_H, Qt::ControlModifier);
        }
        settle();
    }

    std::string text(Window& w, std::string_view use) override {
        QWidget* widget = control(w, use);
        if (auto* e = qobject_cast<QLineEdit*>(widget)) return e->text().toStdString();
        if (auto* l = qobject_cast<QLabel*>(widget)) return l->text().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(widget)) return b->text().toStdString();
        if (auto* c = qobject_cast<QComboBox*>(widget)) return c->currentText().toStdString();
        return {};
    }
    std::string focused(Window& w) override {
        QWidget* top = engine_->widget(w);
        QWidget* f = top ? top->focusWidget() : nullptr;
        for (int n : w.numbers())
            if (f && engine_->widget(w, n) == f) return w.control(n).use;
        return {};
    }
    std::string status(Window& w, int zone) override {
        QWidget* top = engine_->widget(w);
        QStatusBar* bar = top ? top->findChild<QStatusBar*>() : nullptr;
        if (!bar) return {};
        const QList<QLabel*> zones = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        return zone >= 1 && zone <= zones.size() ? zones[zone - 1]->text().toStdString() : std::string();
    }
    bool enabled(Window& w, std::string_view use) override { return control(w, use)->isEnabled(); }
    bool visible(Window& w, std::string_view use) override { return control(w, use)->isVisible(); }

    int selected_row(Window& w, std::string_view use) override {
        auto* list = qobject_cast<QTreeWidget*>(control(w, use));
        return list && list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) + 1 : 0;
    }
    std::string cell(Window& w, std::string_view use, int row, int column) override {
        auto* list = qobject_cast<QTreeWidget*>(control(w, use));
        QTreeWidgetItem* item = list ? list->topLevelItem(row - 1) : nullptr;
        return item ? item->text(column - 1).toStdString() : std::string();
    }

    int rows(Window& w, std::string_view use) override {
        auto* list = qobject_cast<QTreeWidget*>(control(w, use));
        return list ? list->topLevelItemCount() : 0;
    }
    int rows_whole(Window& w, std::string_view use) override {
        auto* list = qobject_cast<QTreeWidget*>(control(w, use));
        int whole = 0;
        while (list && whole < list->topLevelItemCount() &&
               list->viewport()->rect().contains(list->visualItemRect(list->topLevelItem(whole))))
            ++whole;
        return whole;
    }
    int drag_thumb(Window& w, std::string_view use, int step, bool let_go) override {
        auto* list = dynamic_cast<qt::PageList*>(control(w, use));
        if (!list || !list->order_bar()->isVisible()) throw std::runtime_error("no scroll bar");
        QScrollBar* bar = list->order_bar();
        activate(w);
        const auto thumb_at = [bar](int position) {
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = Qt::Vertical;
            option.minimum = bar->minimum(), option.maximum = bar->maximum();
            option.sliderPosition = option.sliderValue = position;
            option.pageStep = bar->pageStep(), option.singleStep = bar->singleStep();
            return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
        };
        if (!bar->isSliderDown()) QTest::mousePress(bar, Qt::LeftButton, {}, thumb_at(bar->sliderPosition()));
        // Moved a pixel at a time, as a hand does, until it stands at the step.
        QPoint at = thumb_at(bar->sliderPosition());
        const QPoint to = thumb_at(step);
        for (int round = 0; round < 2000 && bar->sliderPosition() != step && at != to; ++round) {
            at.ry() += to.y() > at.y() ? 1 : -1;
            QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &move);
        }
        if (let_go) QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        settle();
        return bar->sliderPosition();
    }

    std::string clock(Window& w, int first_cell) override {
        // Each cell's picture compared with the pictures of the carried "Paint" set.
        static const std::vector<std::pair<char, QImage>> known = [] {
            std::vector<std::pair<char, QImage>> all;
            for (char k : std::string("0123456789d"))
                all.emplace_back(k == 'd' ? ':' : k, qt::load_pixmap(std::string("~xsmall_") + k + ".gif").toImage());
            return all;
        }();
        std::string out;
        for (int i = 0; i < 8; ++i) {
            auto* label = qobject_cast<QLabel*>(engine_->widget(w, first_cell + i));
            const QImage shown = label ? label->pixmap().toImage() : QImage();
            char k = '?';
            for (const auto& [digit, image] : known)
                if (!shown.isNull() && shown == image) k = digit;
            out += k;
        }
        return out;
    }
    std::optional<ShownMessage> message() override {
        QMessageBox* box = shown_box();
        if (!box) return std::nullopt;
        return ShownMessage{box->windowTitle().toStdString(), box->text().toStdString()};
    }
    void answer(Button button) override {
        QMessageBox* box = shown_box();
        if (!box) throw std::runtime_error("no message box is open");
        for (auto [ours, theirs] : kButtons)
            if (ours == button && box->button(theirs)) QTest::mouseClick(box->button(theirs), Qt::LeftButton);
        settle();
    }
    bool blocked(Window& w) override {
        QWidget* top = engine_->widget(w);
        return top && top->property("zrv_waiting").toBool();
    }

private:
    QWidget* control(Window& w, std::string_view use) {
        QWidget* widget = engine_->widget(w, w.number_of(use));
        if (!widget) throw std::runtime_error("no widget for " + std::string(use));
        return widget;
    }
    QTreeWidget* row_at(Window& w, std::string_view use, int row) {
        auto* list = qobject_cast<QTreeWidget*>(control(w, use));
        if (!list || row < 1 || row > list->topLevelItemCount()) throw std::runtime_error("no such row");
        activate(w);
        return list;
    }
    // The row's middle, or the middle of the part of it the list shows.
    static QPoint row_point(QTreeWidget* list, int row) {
        const QRect rect = list->visualItemRect(list->topLevelItem(row - 1));
        return {std::min(rect.center().x(), list->viewport()->width() / 2), rect.center().y()};
    }
    // The operator's input goes to the active window.
    void activate(Window& w) {
        QWidget* top = engine_->widget(w)->window();
        if (top->isActiveWindow()) return;
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top)) throw std::runtime_error("the window does not become active");
        settle();
    }
    static QMessageBox* shown_box() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
        return nullptr;
    }

    QApplication& app_;
    VirtualClock clock_;
    std::unique_ptr<QtEngine> engine_;
};

}  // namespace

std::unique_ptr<Operator> make_qt_operator() { return std::make_unique<QtOperator>(); }

}  // namespace zrv::testing
