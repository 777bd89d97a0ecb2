#include "framework/engine/qt/qt_widgets.h"

#include <cctype>
#include <filesystem>
#include <unordered_map>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

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
    QImage view(reinterpret_cast<const uchar*>(image->pixels.data()), image->width, image->height,
                image->width * 4, QImage::Format_ARGB32);
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
            continue;
        }
        if (f[i] == ']') {
            group.clear();
            ++i;
            continue;
        }
        ListColumn column;
        column.group = group;
        while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i]))) column.width = column.width * 10 + (f[i++] - '0');
        // flags up to the header, the tip or the picture
        while (i < f.size() && f[i] != '~' && f[i] != '{' && f[i] != '@') ++i;
        if (i < f.size() && f[i] == '~' && !enclosed(i, '~', column.header)) break;
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

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize();
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (on_press) on_press(event);
    QWidget::mousePressEvent(event);
}

Shape::Shape(ControlKind k, QWidget* parent) : QWidget(parent), kind(k) {}

void Shape::paintEvent(QPaintEvent*) {
    if (kind == ControlKind::Region) return;
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const QColor pen = border.value_or(Qt::black);
    switch (kind) {
        case ControlKind::Line:
            p.setPen(pen);
            if (down_right)
                p.drawLine(r.topLeft(), r.bottomRight());
            else
                p.drawLine(r.bottomLeft(), r.topRight());
            break;
        case ControlKind::Ellipse:
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(fill ? QBrush(*fill) : QBrush(Qt::NoBrush));
            p.setPen(border ? QPen(*border) : QPen(Qt::NoPen));
            p.drawEllipse(r);
            break;
        case ControlKind::Panel:
            if (fill) p.fillRect(rect(), *fill);
            p.setPen(border.value_or(palette().color(QPalette::Mid)));
            p.drawRect(r);
            break;
        default:  // box
            if (fill) p.fillRect(rect(), *fill);
            if (border) {
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

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->state & QStyle::State_Selected)) return;
    const QVariant text = index.data(kSelectedTextRole);
    const QVariant back = index.data(kSelectedBackRole);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        if (text.isValid()) option->palette.setColor(g, QPalette::HighlightedText, text.value<QColor>());
        if (back.isValid()) option->palette.setColor(g, QPalette::Highlight, back.value<QColor>());
    }
}

}  // namespace zrv::qt
