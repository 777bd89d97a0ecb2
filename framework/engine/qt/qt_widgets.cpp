#include "framework/engine/qt/qt_widgets.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <compare>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <unordered_map>
#include <utility>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionHeader>

#include "framework/image/image_loader.h"
#include "framework/services/paths.h"

namespace zrv::qt {

std::optional<QColor> to_qcolor(Colour c) {
    if (c < 0) return std::nullopt;
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

namespace {

QPixmap decode_pixmap(const std::string& name) {
    std::optional<Image> image = load_image(name);
    if (!image || image->width <= 0 || image->height <= 0) return {};
    // 0xAARRGGBB words are exactly what ARGB32 holds.
    QImage view(reinterpret_cast<const uchar*>(image->pixels.data()), image->width, image->height, image->width * 4,
                QImage::Format_ARGB32);
    return QPixmap::fromImage(view.copy());
}

// The stamp of an image's file: a picture decoded once is used again until its file changes
// (a clock's digits change many times a second). Carried images never change.
std::string file_stamp(const std::string& name) {
    std::error_code ec;
    auto when = std::filesystem::last_write_time(native_path(name), ec);
    return ec ? std::string() : std::to_string(when.time_since_epoch().count());
}

}  // namespace

QPixmap load_pixmap(const std::string& name) {
    if (name.empty()) return {};
    struct Cached {
        std::string stamp;
        QPixmap pixmap;
    };
    static std::unordered_map<std::string, Cached> cache;  // GUI thread only
    const std::string stamp = file_stamp(name);
    auto it = cache.find(name);
    if (it != cache.end() && it->second.stamp == stamp) return it->second.pixmap;
    QPixmap pixmap = decode_pixmap(name);
    cache[name] = {stamp, pixmap};
    return pixmap;
}

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Whether a face is installed. The font database is slow to ask and the program adds no faces
// while it runs: each face is asked about once.
static bool installed(const QString& face) {
    static std::mutex mutex;
    static std::map<QString, bool> known;
    std::lock_guard lock(mutex);
    auto it = known.find(face);
    if (it == known.end()) it = known.emplace(face, QFontDatabase::hasFamily(face)).first;
    return it->second;
}

QFont control_font(const QFont& base, std::string_view family, double points, bool bold, bool italic, bool underline) {
    QFont font = base;
    QString face = qs(family);
    const bool black = face.endsWith(QStringLiteral(" Black"), Qt::CaseInsensitive);
    if (black && !installed(face)) face = QStringLiteral("DejaVu Sans");
    if (!face.isEmpty()) font.setFamily(face);
    if (points > 0) font.setPointSizeF(points);
    font.setBold(bold);
    if (black) font.setWeight(QFont::Black);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QString without_access_keys(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += text[i];
    }
    return qs(out);
}

std::vector<ListColumn> parse_list_columns(std::string_view f) {
    std::vector<ListColumn> columns;
    std::string group;
    int stack = 0, stacks = 0;
    // The text between two delimiters from i (at the first), i moved past the second; false
    // when it is not closed.
    auto enclosed = [&](std::size_t& i, char close, std::string& out) {
        const std::size_t end = f.find(close, i + 1);
        if (end == std::string_view::npos) return false;
        out = std::string(f.substr(i + 1, end - i - 1));
        i = end + 1;
        return true;
    };
    std::size_t i = 0;
    while (i < f.size()) {
        while (i < f.size() && !std::isdigit(static_cast<unsigned char>(f[i])) && f[i] != '~' && f[i] != '@' && f[i] != '[' &&
               f[i] != ']')
            ++i;
        if (i >= f.size()) break;
        if (f[i] == '[') {
            ++i;
            if (i < f.size() && f[i] == '~' && !enclosed(i, '~', group)) break;
            if (i < f.size() && (f[i] == 'S' || f[i] == 's')) stack = ++stacks, ++i;
            continue;
        }
        if (f[i] == ']') {
            group.clear();
            stack = 0;
            ++i;
            continue;
        }
        ListColumn column;
        column.group = group;
        column.stack = stack;
        while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i]))) column.width = column.width * 10 + (f[i++] - '0');
        const auto alignment = [&](char& out) {
            if (i < f.size() && std::strchr("LRCD", std::toupper(static_cast<unsigned char>(f[i]))) && f[i] != '\0')
                out = static_cast<char>(std::toupper(static_cast<unsigned char>(f[i++])));
        };
        alignment(column.align);
        column.header_align = column.align;
        // flags up to the header, the tip or the picture
        while (i < f.size() && f[i] != '~' && f[i] != '{' && f[i] != '@') ++i;
        if (i < f.size() && f[i] == '~') {
            if (!enclosed(i, '~', column.header)) break;
            alignment(column.header_align);
        }
        while (i < f.size() && f[i] != '{' && f[i] != '@') ++i;
        if (i < f.size() && f[i] == '{' && !enclosed(i, '}', column.tip)) break;
        while (i < f.size() && f[i] != '@') ++i;
        if (i >= f.size()) break;
        std::string picture;
        if (!enclosed(i, '@', picture)) break;
        columns.push_back(std::move(column));
    }
    return columns;
}

static Qt::Alignment alignment_of(char align) {
    switch (align) {
        case 'R':
        case 'D':  // decimal: the points stand one below the other as the pictures give equal places
            return Qt::AlignRight;
        case 'C':
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

std::vector<ShownColumn> shown_columns(const std::vector<ListColumn>& columns) {
    std::vector<ShownColumn> shown;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ListColumn& c = columns[i];
        if (c.stack && i > 0 && columns[i - 1].stack == c.stack) {
            ShownColumn& s = shown.back();
            ++s.cells;
            s.width = std::max(s.width, c.width);
            if (s.tip.empty()) s.tip = c.tip;
            continue;
        }
        shown.push_back({.first = static_cast<int>(i),
                         .width = c.width,
                         .align = alignment_of(c.align),
                         .header_align = alignment_of(c.header_align),
                         .header = c.stack ? c.group : c.header,
                         .tip = c.tip,
                         .group = c.stack ? std::string() : c.group});
    }
    return shown;
}

GroupHeader::GroupHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void GroupHeader::set_groups(std::vector<QString> groups) {
    if (groups == groups_) return;
    groups_ = std::move(groups);
    updateGeometry();
    viewport()->update();
}

bool GroupHeader::grouped() const {
    return std::any_of(groups_.begin(), groups_.end(), [](const QString& g) { return !g.isEmpty(); });
}

int GroupHeader::band() const { return grouped() ? QHeaderView::sizeHint().height() : 0; }

QSize GroupHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.rheight() += band();
    return size;
}

QRect GroupHeader::group_rect(const QString& group) const {
    QRect r;
    for (int s = 0; s < count() && s < static_cast<int>(groups_.size()); ++s)
        if (!isSectionHidden(s) && groups_[static_cast<std::size_t>(s)] == group)
            r |= QRect(sectionViewportPosition(s), 0, sectionSize(s), band());
    return r;
}

void GroupHeader::paintSection(QPainter* painter, const QRect& rect, int logical) const {
    // A grouped column's header stands below its group's band; the others take the whole height.
    const bool in_group = logical < static_cast<int>(groups_.size()) && !groups_[static_cast<std::size_t>(logical)].isEmpty();
    QHeaderView::paintSection(painter, in_group ? rect.adjusted(0, band(), 0, 0) : rect, logical);
}

void GroupHeader::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    if (!grouped()) return;
    QPainter painter(viewport());
    for (std::size_t s = 0; s < groups_.size(); ++s) {
        if (groups_[s].isEmpty() || (s > 0 && groups_[s - 1] == groups_[s])) continue;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = group_rect(groups_[s]);
        option.text = groups_[s];
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
        // The name centred over the part of the group in sight: a wide group scrolls.
        option.rect = option.rect.intersected(viewport()->rect());
        style()->drawControl(QStyle::CE_HeaderLabel, &option, &painter, this);
    }
}

PageList::PageList(QWidget* parent) : QTreeWidget(parent), bar_(new QScrollBar(Qt::Vertical, this)), header_(new GroupHeader(this)) {
    setHeader(header_);
    // A group's name stays centred over the part of the group in sight as the columns scroll.
    QObject::connect(horizontalScrollBar(), &QScrollBar::valueChanged, header_->viewport(), [this] { header_->viewport()->update(); });
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bar_->hide();
}

void PageList::set_order_scroll(int steps, int at, int page) {
    const QSignalBlocker quiet(bar_);
    bar_->setRange(0, std::max(0, steps - 1));
    bar_->setPageStep(std::max(1, page));
    // While the operator drags the thumb it stays under the mouse.
    if (!bar_->isSliderDown()) bar_->setValue(at);
    if (bar_->isHidden() == (steps > 0)) {
        bar_->setVisible(steps > 0);
        updateGeometries();
    }
}

void PageList::updateGeometries() {
    QTreeWidget::updateGeometries();
    if (bar_->isHidden()) return;
    // The bar takes the right edge from the header's top to the bottom; the rows and the header
    // keep the rest.
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int header_height = header_->isHidden() ? 0 : header_->sizeHint().height();
    setViewportMargins(0, header_height, width, 0);
    const QRect port = viewport()->geometry();
    if (!header_->isHidden()) header_->setGeometry(port.left(), port.top() - header_height, port.width(), header_height);
    bar_->setGeometry(port.right() + 1, port.top() - header_height, width, port.height() + header_height);
}

int PageList::row_height(int natural) const {
    const int rows = topLevelItemCount();
    if (rows == 0) return natural;
    return std::min(natural, std::max(viewport()->height() / rows, fontMetrics().height()));
}

int PageList::whole_rows() const {
    if (topLevelItemCount() == 0) return 0;
    int row = fontMetrics().height();
    const QTreeWidgetItem* first = topLevelItem(0);
    for (int c = 0; c < columnCount(); ++c)
        if (first->data(c, kStackedRole).isValid()) row = std::max(row, sizeHintForRow(0));
    return std::max(1, viewport()->height() / std::max(1, row));
}

void PageList::rows_may_change() {
    if (std::exchange(telling_, true)) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            telling_ = false;
            // A box not on show yet has no size of its own to measure.
            if (!isVisible()) return;
            const int rows = whole_rows();
            if (rows == 0 || rows == told_rows_) return;
            told_rows_ = rows;
            if (on_rows_shown) on_rows_shown(rows);
        },
        Qt::QueuedConnection);
}

bool PageList::viewportEvent(QEvent* event) {
    // The rows' height follows the box's.
    if (event->type() == QEvent::Resize) scheduleDelayedItemsLayout();
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) rows_may_change();
    return QTreeWidget::viewportEvent(event);
}

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

ClientScroll::ClientScroll(Canvas* canvas) {
    // No Tab stop of its own: the keyboard goes from control to control, each showing its focus.
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(canvas);
}

QSize ClientScroll::sizeHint() const { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize();
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (on_press) on_press(event);
    QWidget::mousePressEvent(event);
}

Shape::Shape(ControlKind k, QWidget* parent) : QWidget(parent), kind(k) {}

void Shape::paintEvent(QPaintEvent* event) {
    if (kind == ControlKind::Region) return;
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    // A part within the border (beneath a control that changed) leaves the border out.
    const bool edges = !rect().adjusted(1, 1, -1, -1).contains(event->rect());
    const QColor pen = border.value_or(Qt::black);
    switch (kind) {
        case ControlKind::Line:
            p.setPen(pen);
            if (down_right) p.drawLine(r.topLeft(), r.bottomRight());
            else p.drawLine(r.bottomLeft(), r.topRight());
            break;
        case ControlKind::Ellipse:
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(fill ? QBrush(*fill) : QBrush(Qt::NoBrush));
            p.setPen(border ? QPen(*border) : QPen(Qt::NoPen));
            p.drawEllipse(r);
            break;
        case ControlKind::Panel:
            if (fill) p.fillRect(rect(), *fill);
            if (!edges) break;
            p.setPen(border.value_or(palette().color(QPalette::Mid)));
            p.drawRect(r);
            break;
        default:  // box
            if (fill) p.fillRect(rect(), *fill);
            if (border && edges) {
                p.setPen(*border);
                p.drawRect(r);
            }
            break;
    }
}

void Shape::mousePressEvent(QMouseEvent* event) {
    if (on_press) on_press(event);
    QWidget::mousePressEvent(event);
}

QVariant stacked_cell(const ListCell& cell) {
    QVariantList v{qs(cell.text)};
    for (Colour c : {cell.text_colour, cell.back_colour, cell.selected_text_colour, cell.selected_back_colour}) {
        const std::optional<QColor> colour = to_qcolor(c);
        v << (colour ? QVariant(*colour) : QVariant());
    }
    return v;
}

// A text's own direction: that of its first letter of a directional script.
static Qt::LayoutDirection direction_of(const QString& text) { return text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight; }

QStyleOptionViewItem CellDelegate::line_option(const QStyleOptionViewItem& option, const QModelIndex& index, int line) const {
    const QVariantList lines = index.data(kStackedRole).toList();
    const QVariantList cell = lines.value(line).toList();
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    o.text = cell.value(0).toString();
    o.direction = direction_of(o.text);
    const QRect r = option.rect;
    const int n = static_cast<int>(lines.size());
    const int top = r.top() + r.height() * line / n, bottom = r.top() + r.height() * (line + 1) / n;
    o.rect = QRect(r.left(), top, r.width(), bottom - top);
    o.state &= ~QStyle::State_HasFocus;
    if (const QVariant text = cell.value(1); text.isValid()) o.palette.setColor(QPalette::Text, text.value<QColor>());
    if (const QVariant back = cell.value(2); back.isValid()) o.backgroundBrush = back.value<QColor>();
    if (o.state & QStyle::State_Selected)
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
            if (const QVariant text = cell.value(3); text.isValid())
                o.palette.setColor(g, QPalette::HighlightedText, text.value<QColor>());
            if (const QVariant back = cell.value(4); back.isValid()) o.palette.setColor(g, QPalette::Highlight, back.value<QColor>());
        }
    return o;
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int lines = static_cast<int>(index.data(kStackedRole).toList().size());
    if (lines == 0) return QStyledItemDelegate::paint(painter, option, index);
    for (int line = 0; line < lines; ++line) {
        const QStyleOptionViewItem o = line_option(option, index, line);
        QStyle* style = o.widget ? o.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
    }
}

QSize CellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int lines = static_cast<int>(index.data(kStackedRole).toList().size());
    if (lines == 0) {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (const auto* list = dynamic_cast<const PageList*>(parent())) size.setHeight(list->row_height(size.height()));
        return size;
    }
    // Every line as high as the highest; an empty one as high as a line of text.
    QSize line;
    for (int i = 0; i < lines; ++i) {
        QStyleOptionViewItem o = line_option(option, index, i);
        if (o.text.isEmpty()) o.text = QStringLiteral("X");
        QStyle* style = o.widget ? o.widget->style() : QApplication::style();
        line = line.expandedTo(style->sizeFromContents(QStyle::CT_ItemViewItem, &o, QSize(), o.widget));
    }
    return QSize(line.width(), line.height() * lines);
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // A cell reads in its text's own direction (a right-to-left name from its right, a country
    // code after it on its left) at the side its column says.
    option->direction = direction_of(option->text);
    option->displayAlignment |= Qt::AlignAbsolute;
    if (!(option->state & QStyle::State_Selected)) return;
    const QVariant text = index.data(kSelectedTextRole);
    const QVariant back = index.data(kSelectedBackRole);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        if (text.isValid()) option->palette.setColor(g, QPalette::HighlightedText, text.value<QColor>());
        if (back.isValid()) option->palette.setColor(g, QPalette::Highlight, back.value<QColor>());
    }
}

namespace {

class EntryStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        const QTransform& t = painter->worldTransform();
        const bool plain = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
        if (element != PE_PanelLineEdit || !frame || !plain || frame->rect.isEmpty() || !solid(frame->palette)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The panel is drawn from the option's size, state and the colours of its group only.
        const QPalette& pal = frame->palette;
        const Key key{frame->rect.width(),
                      frame->rect.height(),
                      static_cast<uint>(frame->state),
                      static_cast<int>(frame->direction),
                      frame->lineWidth,
                      frame->midLineWidth,
                      static_cast<int>(frame->features),
                      painter->device() ? painter->device()->devicePixelRatio() : 1.0,
                      {pal.base().color().rgba(), pal.window().color().rgba(), pal.highlight().color().rgba(),
                       pal.windowText().color().rgba(), pal.shadow().color().rgba(), pal.light().color().rgba(),
                       pal.dark().color().rgba(), pal.mid().color().rgba()}};
        auto it = panels_.find(key);
        if (it == panels_.end()) {
            QPixmap panel((QSizeF(frame->rect.size()) * key.ratio).toSize());
            panel.setDevicePixelRatio(key.ratio);
            panel.fill(Qt::transparent);
            QStyleOptionFrame at_origin(*frame);
            at_origin.rect.moveTo(0, 0);
            QPainter p(&panel);
            QProxyStyle::drawPrimitive(element, &at_origin, &p, widget);
            p.end();
            bytes_ += panel.width() * panel.height() * 4;
            if (bytes_ > kMaxBytes) {  // many sizes and colours: start again
                panels_.clear();
                bytes_ = panel.width() * panel.height() * 4;
            }
            it = panels_.emplace(key, std::move(panel)).first;
        }
        painter->drawPixmap(frame->rect.topLeft(), it->second);
    }

private:
    struct Key {
        int width, height;
        uint state;
        int direction, line, mid_line, features;
        qreal ratio;
        std::array<QRgb, 8> colours;
        auto operator<=>(const Key&) const = default;
    };
    static constexpr qint64 kMaxBytes = 16 << 20;
    static bool solid(const QPalette& pal) {
        for (auto role : {QPalette::Base, QPalette::Window, QPalette::Highlight, QPalette::WindowText, QPalette::Shadow,
                          QPalette::Light, QPalette::Dark, QPalette::Mid})
            if (pal.brush(role).style() != Qt::SolidPattern) return false;
        return true;
    }
    mutable std::map<Key, QPixmap> panels_;
    mutable qint64 bytes_ = 0;
};

// Buttons as the style draws them, a dotted frame inside the one that has the focus: the
// default button's own frame looks alike with or without the focus.
class ButtonStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
        const QRect inside = subElementRect(SE_PushButtonFocusRect, option, widget).adjusted(1, 1, -2, -2);
        painter->save();
        QPen pen(option->palette.color(QPalette::ButtonText));
        pen.setStyle(Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(inside);
        painter->restore();
    }
};

// One style of each kind per application, made on first use.
template <class Style>
QStyle* shared_style() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new Style;
        style->setParent(qApp);  // goes with the application
    }
    return style;
}

}  // namespace

QValidator::State CharacterLimit::validate(QString& input, int&) const {
    qsizetype characters = input.size();
    for (QChar c : input)
        if (c.isLowSurrogate()) --characters;
    return characters <= most_ ? Acceptable : Invalid;
}

QStyle* entry_style() { return shared_style<EntryStyle>(); }

QStyle* button_style() { return shared_style<ButtonStyle>(); }

}  // namespace zrv::qt
