// The controls of a window: their widgets, places, fonts, contents and visibility.
#include <algorithm>
#include <set>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

#include "framework/engine/qt/qt_engine_impl.h"

namespace zrv {

using qt::qs;

// ---------------------------------------------------------------------------------------------
// Controls

void QtEngine::Impl::sync_controls(Mirror& m, const Window::ControlChanges& changes) {
    bool structure = false, menus = false;
    if (changes.numbers) {  // a control was destroyed: its widget goes
        const std::set<int> present(changes.numbers->begin(), changes.numbers->end());
        for (auto it = m.views.begin(); it != m.views.end();) {
            if (present.count(it->first)) {
                ++it;
                continue;
            }
            if (is_menu_kind(it->second.state.kind)) menus = true;
            delete it->second.widget.data();
            it = m.views.erase(it);
            structure = true;
        }
    }
    for (const ControlState& c : changes.changed) {
        auto [it, created] = m.views.try_emplace(c.number);
        ControlView& v = it->second;
        if (!created && v.applied && v.state.kind != c.kind) {  // the number now holds another kind
            delete v.widget.data();
            v = ControlView{};
            created = true;
        }
        if (v.applied && c.revision == v.state.revision) continue;
        if (is_menu_kind(c.kind)) {
            menus = true;
            v.state = c;
            v.applied = true;
            continue;
        }
        const bool first = !v.applied;
        if (first) {
            v.widget = m.canvas ? create_widget(m, c) : nullptr;
            structure = true;
        }
        if (!first && (c.parent != v.state.parent || c.hidden != v.state.hidden)) structure = true;
        if (c.kind == ControlKind::Tab || c.kind == ControlKind::Sheet) structure = true;
        apply_control(m, v, c, first);
    }
    if (structure) {
        for (auto& [n, v] : m.views)
            if (v.state.kind == ControlKind::Sheet) apply_tabs(m, v);
        for (auto& [n, v] : m.views)
            if (v.widget) v.widget->raise();  // later numbers lie on top
        // Only a control made, destroyed, hidden, shown, moved to another parent or a sheet's
        // tab changes what shows.
        update_visibility(m);
    }
    if (menus && m.main) rebuild_menus(m);
}

QWidget* QtEngine::Impl::create_widget(Mirror& m, const ControlState& c) {
    QWidget* parent = m.canvas;
    const int n = c.number;
    auto weak = std::weak_ptr<Mirror>(find(*m.window));
    auto with = [this, &m](auto fn) { return with_mirror(m, fn); };
    auto right_click = [this, &m, n](QWidget* w) { on_right_click(m, w, n); };
    switch (c.kind) {
        case ControlKind::Prompt:
        case ControlKind::String:
        case ControlKind::Image: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            right_click(label);
            return label;
        }
        case ControlKind::Entry: {
            auto* edit = new QLineEdit(parent);
            edit->setStyle(qt::entry_style());
            QObject::connect(edit, &QLineEdit::textEdited, edit, with([this, n](Mirror& mp, const QString& text) {
                                 ControlView& v = mp.views[n];
                                 // The first change to a text the model set: the operator's
                                 // change begins from what the entry showed.
                                 if (!std::exchange(v.dirty, true)) post_typing(mp, n, v.state.text);
                                 // An entry that follows typing (a locator) tells every change.
                                 if (v.state.immediate)
                                     post_event(mp, EventKind::NewSelection, n,
                                                [n, t = text.toStdString()](Window& w) { w.operator_type(n, t); });
                             }));
            // Left, also when the model moves the focus away: what was typed is accepted.
            QObject::connect(edit, &QLineEdit::editingFinished, edit, [this, weak, n] {
                if (auto mp = weak.lock(); mp && mp->alive) commit_entry(*mp, n);
            });
            watch_control(m, edit, n);
            return edit;
        }
        case ControlKind::Check: {
            auto* box = new QCheckBox(parent);
            QObject::connect(box, &QCheckBox::clicked, box, with([this, n](Mirror& mp, bool on) {
                                 post_event(mp, EventKind::Accepted, n, [n, on](Window& w) { w.operator_check(n, on); });
                             }));
            watch_control(m, box, n);
            return box;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(parent);
            button->setStyle(qt::button_style());
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, button, with([this, n](Mirror& mp, bool) {
                                 // Pressed by its access key, the button leaves the focus in the
                                 // entry typed into: that typing is accepted first, as leaving
                                 // the entry for a click on the button accepts it.
                                 commit_typing(mp);
                                 post_event(mp, EventKind::Accepted, n);
                             }));
            watch_control(m, button, n);
            return button;
        }
        case ControlKind::List:
            return create_list(m, n);
        case ControlKind::Sheet: {
            auto* tabs = new QTabWidget(parent);
            QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this, weak, n](int index) {
                auto mp = weak.lock();
                if (!mp || !mp->alive) return;
                update_visibility(*mp);  // the chosen tab's controls show at once
                post_event(*mp, EventKind::NewSelection, n, [n, index](Window& w) { w.operator_choose(n, index + 1); });
            });
            return tabs;
        }
        case ControlKind::DropList: {
            auto* combo = new QComboBox(parent);
            QObject::connect(combo, &QComboBox::activated, combo, with([this, n](Mirror& mp, int index) {
                                 post_event(mp, EventKind::Accepted, n, [n, index](Window& w) { w.operator_choose(n, index + 1); });
                             }));
            watch_control(m, combo, n);
            return combo;
        }
        case ControlKind::Group: {
            auto* group = new QGroupBox(parent);
            right_click(group);
            return group;
        }
        case ControlKind::Tab:
            return nullptr;  // a tab of its sheet
        default: {           // region, box, ellipse, panel, line
            auto* shape = new qt::Shape(c.kind, parent);
            const bool clickable = c.kind == ControlKind::Region || c.kind == ControlKind::Box || c.kind == ControlKind::Ellipse;
            shape->on_press = with([this, n, clickable](Mirror& mp, QMouseEvent* e) {
                if (e->button() == Qt::RightButton) post_event(mp, EventKind::AlertKey, n, {}, kMouseRightKey);
                else if (e->button() == Qt::LeftButton && clickable) post_event(mp, EventKind::Accepted, n);
            });
            return shape;
        }
    }
}

// A text the program sets that is wider than its one-line box is drawn smaller until it fits:
// the hall reads a whole name. Not below 6 points; a text still too long shows its start.
static void shrink_to_fit(QWidget* w, const QString& text, int room) {
    QFont font = w->font();
    for (int tries = 0; tries < 8 && font.pointSizeF() > 6; ++tries) {
        const int wide = QFontMetrics(font).horizontalAdvance(text);
        if (wide <= room) break;
        font.setPointSizeF(std::max(6.0, font.pointSizeF() * std::min(0.98, 0.99 * room / wide)));
    }
    if (font != w->font()) w->setFont(font);
}

// The room a line edit leaves its text: its inner margins and the frame's.
static int text_room(const QLineEdit* edit) { return edit->contentsRect().width() - 8; }

// The side the program puts a text at, whatever the text's direction: a right-to-left name in
// a box aligned left stands at its left, read from its right (its order is its own).
static Qt::Alignment alignment_of(const ControlState& c) {
    return (c.align == 1 ? Qt::AlignHCenter : c.align == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter;
}

// A text box at least two lines high wraps a text too long for one line; a one-line box keeps
// it on its line, shown from its first character whatever its alignment: from the left, or
// from the right for a right-to-left text (a leading alignment, which follows the text).
static void fit_text(QLabel* label, const ControlState& c) {
    const QFontMetrics metrics(label->font());
    bool too_long = metrics.horizontalAdvance(label->text()) > label->contentsRect().width();
    const bool wraps = too_long && label->height() >= 2 * metrics.lineSpacing();
    if (label->wordWrap() != wraps) label->setWordWrap(wraps);
    if (too_long && !wraps) {
        shrink_to_fit(label, label->text(), label->contentsRect().width());
        too_long = QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->contentsRect().width();
    }
    const Qt::Alignment align = too_long && !wraps ? Qt::AlignLeft | Qt::AlignVCenter : alignment_of(c);
    if (label->alignment() != align) label->setAlignment(align);
}

// A picture larger than its box is scaled into it keeping its proportions, unless the control
// stretches it over the box.
static void fit_picture(QLabel* label, const QPixmap& picture, bool stretched) {
    label->setScaledContents(stretched);
    if (stretched || picture.isNull() || (picture.width() <= label->width() && picture.height() <= label->height()))
        label->setPixmap(picture);
    else label->setPixmap(picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

double QtEngine::Impl::readable_fit() {
    const int pixels = QFontInfo(QApplication::font()).pixelSize();
    return pixels > 9 ? 9.0 / pixels : 1.0;
}

double QtEngine::Impl::font_scale(const Mirror& m) const {
    if (!scales(m) || !m.canvas) return m.fit;
    const double lw = to_px_x(m.window->layout_width()), lh = to_px_y(m.window->layout_height());
    if (lw <= 0 || lh <= 0) return 1.0;
    const QSize client = client_size(m);
    return std::max(m.sub ? readable_fit() : 0.1, std::min(client.width() / lw, client.height() / lh));
}

void QtEngine::Impl::place(Mirror& m, ControlView& v) {
    if (!v.widget) return;
    const ControlState& c = v.state;
    double sx = m.fit, sy = m.fit;
    if (scales(m) && m.canvas) {
        const double lw = to_px_x(m.window->layout_width()), lh = to_px_y(m.window->layout_height());
        const QSize client = client_size(m);
        if (lw > 0 && lh > 0) sx = client.width() / lw, sy = client.height() / lh;
    }
    const double x = c.x * unit_x() * sx, y = c.y * unit_y() * sy;
    const double w = c.width * unit_x() * sx, h = c.height * unit_y() * sy;
    QRect r;
    if (c.kind == ControlKind::Line) {
        r = QRectF(QPointF(x, y), QPointF(x + w, y + h)).normalized().toAlignedRect();
        r.setWidth(std::max(r.width(), 1));
        r.setHeight(std::max(r.height(), 1));
        static_cast<qt::Shape*>(v.widget.data())->down_right = (w >= 0) == (h >= 0);
    } else {
        r = QRect(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), static_cast<int>(std::lround(w)),
                  static_cast<int>(std::lround(h)));
        if (r.width() <= 0 || r.height() <= 0) r.setSize(r.size().expandedTo(v.widget->sizeHint()));
        // A check box scaled down keeps its whole box: it grows about its centre to the box's
        // size, where its rectangle would cut the box to two bars.
        if (c.kind == ControlKind::Check) {
            const QStyle* style = v.widget->style();
            const QSize box(style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, v.widget),
                            style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, v.widget));
            const QPoint centre = r.center();
            r.setSize(r.size().expandedTo(box));
            r.moveCenter(centre);
        }
    }
    v.widget->setGeometry(r);
    if (c.kind == ControlKind::Image)
        if (auto* label = qobject_cast<QLabel*>(v.widget.data())) fit_picture(label, v.picture, c.stretched);
}

void QtEngine::Impl::apply_font(Mirror& m, ControlView& v) {
    if (!v.widget) return;
    const ControlState& c = v.state;
    const QFont app = QApplication::font();
    const double base = c.font_size > 0 ? c.font_size : app.pointSizeF();
    v.widget->setFont(qt::control_font(app, c.font_name, base > 0 ? std::max(1.0, base * font_scale(m)) : 0, c.bold, c.italic,
                                       c.underline));
}

void QtEngine::Impl::relayout(Mirror& m) {
    m.laid_out_scaled = scales(m);
    for (auto& [n, v] : m.views) {
        place(m, v);
        apply_font(m, v);
        if (v.state.kind == ControlKind::Prompt || v.state.kind == ControlKind::String)
            if (auto* label = qobject_cast<QLabel*>(v.widget.data())) fit_text(label, v.state);
        if (auto* edit = qobject_cast<QLineEdit*>(v.widget.data()); edit && !v.dirty)
            shrink_to_fit(edit, edit->text(), text_room(edit));
    }
}

void QtEngine::Impl::apply_control(Mirror& m, ControlView& v, const ControlState& c, bool first) {
    const ControlState old = v.state;
    v.state = c;
    v.applied = true;
    QWidget* w = v.widget;
    if (!w) return;
    auto changed = [&](auto member) { return first || !(c.*member == old.*member); };

    if (changed(&ControlState::x) || changed(&ControlState::y) || changed(&ControlState::width) || changed(&ControlState::height) ||
        changed(&ControlState::stretched))
        place(m, v);
    if (changed(&ControlState::font_name) || changed(&ControlState::font_size) || changed(&ControlState::bold) ||
        changed(&ControlState::italic) || changed(&ControlState::underline))
        apply_font(m, v);
    if (changed(&ControlState::disabled)) w->setEnabled(!c.disabled);
    if (changed(&ControlState::tip)) w->setToolTip(qs(c.tip));
    if (changed(&ControlState::font_colour) || changed(&ControlState::fill_colour)) {
        QPalette pal = QApplication::palette(w);
        const auto font = qt::to_qcolor(c.font_colour);
        const auto fill = qt::to_qcolor(c.fill_colour);
        // A check box keeps its own box and mark (base and text): plainly visible on any
        // background, in any colour of its label.
        const bool own_box = c.kind == ControlKind::Check;
        if (font)
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                if (!own_box || role != QPalette::Text) pal.setColor(role, *font);
        if (fill)
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                if (!own_box || role != QPalette::Base) pal.setColor(role, *fill);
        w->setPalette(pal);
        const bool fills_itself = c.kind == ControlKind::Entry || c.kind == ControlKind::List || c.kind == ControlKind::DropList ||
                                  c.kind == ControlKind::Button;
        if (!fills_itself) w->setAutoFillBackground(fill.has_value());
        if (auto* shape = dynamic_cast<qt::Shape*>(w)) {
            shape->fill = fill;
            shape->setAutoFillBackground(false);
            // A box or panel filled with a solid colour covers its whole rectangle: what lies
            // beneath it is not painted again when it or a control over it changes.
            const bool covers = fill && fill->alpha() == 255 && (c.kind == ControlKind::Box || c.kind == ControlKind::Panel);
            shape->setAttribute(Qt::WA_OpaquePaintEvent, covers);
            shape->update();
        }
    }
    if (changed(&ControlState::border_colour)) {
        if (auto* shape = dynamic_cast<qt::Shape*>(w)) {
            shape->border = qt::to_qcolor(c.border_colour);
            shape->update();
        }
    }
    const Qt::Alignment align = alignment_of(c);

    switch (c.kind) {
        case ControlKind::Prompt:
        case ControlKind::String: {
            auto* label = static_cast<QLabel*>(w);
            if (changed(&ControlState::text)) {
                label->setText(c.kind == ControlKind::Prompt ? qt::without_access_keys(c.text) : qs(c.text));
                apply_font(m, v);  // a shorter text may take its own size again
            }
            fit_text(label, c);
            break;
        }
        case ControlKind::Image: {
            auto* label = static_cast<QLabel*>(w);
            if (changed(&ControlState::image)) v.picture = qt::load_pixmap(c.image);
            if (changed(&ControlState::centred)) label->setAlignment(c.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
            fit_picture(label, v.picture, c.stretched);
            break;
        }
        case ControlKind::Entry: {
            auto* edit = static_cast<QLineEdit*>(w);
            if (!v.dirty && edit->text() != qs(c.text)) {
                edit->setText(qs(c.text));
                // A text the model took from the operator (a key typed into a list that moves
                // to its locator entry) is the operator's: leaving the entry accepts it.
                v.dirty = c.changed_by_operator;
                if (!v.dirty) {
                    // The program's text: whole in the box, or from its start.
                    apply_font(m, v);
                    shrink_to_fit(edit, edit->text(), text_room(edit));
                    edit->setCursorPosition(0);
                }
            }
            if (changed(&ControlState::max_chars))
                edit->setValidator(c.max_chars > 0 ? new qt::CharacterLimit(c.max_chars, edit) : nullptr);
            if (changed(&ControlState::read_only)) edit->setReadOnly(c.read_only);
            if (changed(&ControlState::align)) edit->setAlignment(align);
            break;
        }
        case ControlKind::Check: {
            auto* box = static_cast<QCheckBox*>(w);
            if (changed(&ControlState::text)) box->setText(qs(c.text));
            if (box->isChecked() != c.checked) box->setChecked(c.checked);
            break;
        }
        case ControlKind::Button: {
            auto* button = static_cast<QPushButton*>(w);
            if (changed(&ControlState::text)) button->setText(qs(c.text));
            if (changed(&ControlState::image)) {
                QPixmap icon = qt::load_pixmap(c.image);
                button->setIcon(icon.isNull() ? QIcon() : QIcon(icon));
            }
            if (changed(&ControlState::is_default)) button->setDefault(c.is_default);
            break;
        }
        case ControlKind::List:
            apply_list(v, c, old, first);
            break;
        case ControlKind::DropList: {
            auto* combo = static_cast<QComboBox*>(w);
            if (changed(&ControlState::items)) {
                combo->clear();
                for (const std::string& item : c.items) combo->addItem(qs(item));
            }
            const int index = c.selected >= 1 && c.selected <= combo->count() ? c.selected - 1 : -1;
            if (combo->currentIndex() != index) combo->setCurrentIndex(index);
            break;
        }
        case ControlKind::Group:
            if (changed(&ControlState::text)) static_cast<QGroupBox*>(w)->setTitle(qs(c.text));
            break;
        default:
            break;
    }
}

void QtEngine::Impl::apply_tabs(Mirror& m, ControlView& v) {
    auto* tabs = qobject_cast<QTabWidget*>(v.widget.data());
    if (!tabs) return;
    Applying guard(m);
    std::vector<std::pair<int, std::string>> wanted;
    std::vector<bool> hidden;
    for (auto& [n, t] : m.views)
        if (t.state.kind == ControlKind::Tab && t.state.parent == v.state.number) {
            wanted.emplace_back(n, t.state.text);
            hidden.push_back(t.state.hidden);
        }
    if (wanted != v.tabs) {
        if (wanted.size() != v.tabs.size()) {
            while (tabs->count() > 0) {
                QWidget* page = tabs->widget(0);
                tabs->removeTab(0);
                delete page;
            }
            for (auto& [n, text] : wanted) tabs->addTab(new QWidget, qs(text));
        } else {
            for (std::size_t i = 0; i < wanted.size(); ++i) tabs->setTabText(static_cast<int>(i), qs(wanted[i].second));
        }
        v.tabs = wanted;
    }
    for (std::size_t i = 0; i < hidden.size(); ++i) tabs->setTabVisible(static_cast<int>(i), !hidden[i]);
    const int sel = v.state.selected;
    if (sel >= 1 && sel <= tabs->count() && tabs->currentIndex() != sel - 1) tabs->setCurrentIndex(sel - 1);
}

void QtEngine::Impl::update_visibility(Mirror& m) {
    // A control shows when neither it nor an enclosing control is hidden, and every tab it lies
    // on is its sheet's current tab.
    auto shows = [&](const ControlState& c) {
        const ControlState* at = &c;
        for (int depth = 0; depth < 64; ++depth) {
            if (at->hidden) return false;
            if (at->parent == 0 || at->parent == at->number) return true;
            auto it = m.views.find(at->parent);
            if (it == m.views.end()) return true;
            const ControlState& parent = it->second.state;
            if (at->kind == ControlKind::Tab && parent.kind == ControlKind::Sheet) {
                auto* tabs = qobject_cast<QTabWidget*>(it->second.widget.data());
                const auto& list = it->second.tabs;
                auto pos = std::find_if(list.begin(), list.end(), [&](const auto& t) { return t.first == at->number; });
                if (tabs && pos != list.end() && tabs->currentIndex() != static_cast<int>(pos - list.begin())) return false;
            }
            at = &parent;
        }
        return true;
    };
    for (auto& [n, v] : m.views)
        if (v.widget) {
            const bool visible = shows(v.state);
            if (v.widget->isHidden() == visible) v.widget->setVisible(visible);
        }
}

}  // namespace zrv
