// Large entry texts drawn from pictures of their glyphs.
#include <algorithm>
#include <cmath>
#include <list>
#include <unordered_map>
#include <vector>

#include <QApplication>
#include <QDragEnterEvent>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QRawFont>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include "framework/engine/qt/qt_widgets.h"

namespace zrv::qt {

namespace {

// Qt keeps pictures of glyphs smaller than this (pixels) itself; larger ones it draws by
// filling their outlines at every paint.
constexpr qreal kLargestCachedGlyph = 64;
// How a widget's painter draws text (a painter's hints as it begins).
constexpr QPainter::RenderHints kWidgetHints = QPainter::TextAntialiasing;
// A line edit's own margins about its text line (pixels).
constexpr int kVerticalMargin = 1, kHorizontalMargin = 2;

// Pictures of glyphs. A glyph's coverage picture is its outline filled in white as Qt fills it,
// on a transparent ground; its picture in a colour is that coverage times the colour, which is
// what filling the outline in that colour puts over what lies beneath. Glyphs whose ink shares
// pixels (kerned pairs, accents) have their coverages added first, as one outline's would be.
class GlyphPictures final : public QObject {
public:
    // One per application, made on first use and gone with the application (with the fonts).
    static GlyphPictures& instance() {
        static QPointer<GlyphPictures> pictures;  // GUI thread only
        if (!pictures) {
            pictures = new GlyphPictures;
            pictures->setParent(qApp);
        }
        return *pictures;
    }

    struct Picture {
        QImage coverage;  // null: nothing to draw (a space)
        QPoint offset;    // of its top-left corner from the glyph's whole-pixel place
        QRect ink;        // the pixels it covers, within it
        std::vector<std::pair<QRgb, QImage>> colours;
    };
    // A glyph placed in a widget: its picture, where the picture's top-left corner goes and the
    // pixels its ink covers there.
    struct Placed {
        const Picture* picture;
        QPoint at;
        QRect ink;
        bool operator==(const Placed& o) const { return picture == o.picture && at == o.at; }
    };

    // Where the runs' glyphs go with the text's origin at origin (whole pixels).
    std::vector<Placed> place(const QList<QGlyphRun>& runs, QPoint origin) {
        std::vector<Placed> placed;
        for (const QGlyphRun& run : runs) {
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            Face& face = face_of(run.rawFont());
            for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
                // The glyph's place in 64ths of a pixel, as the text engine places it.
                const qint64 x = std::llround(positions[i].x() * 64), y = std::llround(positions[i].y() * 64);
                const qint64 whole_x = floor64(x), whole_y = floor64(y);
                const Key key{glyphs[i], static_cast<int>(x - whole_x * 64), static_cast<int>(y - whole_y * 64)};
                auto it = face.pictures.find(key);
                if (it == face.pictures.end()) it = face.pictures.emplace(key, make(face.font, key)).first;
                const Picture& picture = it->second;
                if (picture.coverage.isNull()) continue;
                const QPoint at = origin + QPoint(static_cast<int>(whole_x), static_cast<int>(whole_y)) + picture.offset;
                placed.push_back({&picture, at, picture.ink.translated(at)});
            }
        }
        return placed;
    }

    // Draws placed glyphs in colour.
    void draw(QPainter& p, const std::vector<Placed>& placed, const QColor& colour) {
        if (shares_pixels(placed)) {
            draw_added(p, placed, colour);
            return;
        }
        for (const Placed& g : placed) p.drawImage(g.at, coloured(*g.picture, colour));
    }

    // Counts the times the pictures were all let go: a Placed of an earlier count is stale.
    std::uint64_t generation() const { return generation_; }

private:
    struct Key {
        quint32 glyph;
        int x, y;  // 64ths of a pixel
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const { return (std::size_t(k.glyph) * 4099 + std::size_t(k.x) * 67) ^ std::size_t(k.y); }
    };
    struct Face {
        QRawFont font;
        std::unordered_map<Key, Picture, KeyHash> pictures;  // its nodes stay where they are
    };
    static constexpr qint64 kMaxBytes = 32 << 20;

    static qint64 floor64(qint64 v) { return v >= 0 ? v / 64 : -((-v + 63) / 64); }

    Face& face_of(const QRawFont& font) {
        for (Face& f : faces_)
            if (f.font == font) return f;
        faces_.push_back({font, {}});
        return faces_.back();
    }

    void count(const QImage& image) {
        bytes_ += image.sizeInBytes();
        if (bytes_ > kMaxBytes) {  // many sizes and colours: start again
            faces_.clear();
            bytes_ = 0;
            ++generation_;
        }
    }

    Picture make(const QRawFont& font, const Key& key) {
        const QRectF outline = font.pathForGlyph(key.glyph).controlPointRect();
        if (outline.isEmpty()) return {};
        const qreal fx = key.x / 64.0, fy = key.y / 64.0;
        const QPoint top_left(static_cast<int>(std::floor(outline.left() + fx)) - 1, static_cast<int>(std::floor(outline.top() + fy)) - 1);
        const QPoint bottom_right(static_cast<int>(std::ceil(outline.right() + fx)) + 1, static_cast<int>(std::ceil(outline.bottom() + fy)) + 1);
        Picture picture{QImage(QRect(top_left, bottom_right).size(), QImage::Format_ARGB32_Premultiplied), top_left, {}, {}};
        picture.coverage.fill(Qt::transparent);
        {
            QPainter painter(&picture.coverage);
            painter.setRenderHints(kWidgetHints);
            painter.setPen(Qt::white);
            QGlyphRun one;
            one.setRawFont(font);
            one.setGlyphIndexes({key.glyph});
            one.setPositions({QPointF(0, 0)});
            painter.drawGlyphRun(QPointF(fx - top_left.x(), fy - top_left.y()), one);
        }
        for (int y = 0; y < picture.coverage.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.coverage.constScanLine(y));
            for (int x = 0; x < picture.coverage.width(); ++x)
                if (qAlpha(line[x])) picture.ink |= QRect(x, y, 1, 1);
        }
        if (picture.ink.isEmpty()) return {};
        count(picture.coverage);
        return picture;
    }

    // The coverage times the colour, as filling an outline in it gives.
    static QImage tinted(const QImage& coverage, const QColor& colour) {
        QImage image = coverage;
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), colour);
        return image;
    }

    const QImage& coloured(const Picture& picture, const QColor& colour) {
        auto& colours = const_cast<Picture&>(picture).colours;
        for (const auto& [rgba, image] : colours)
            if (rgba == colour.rgba()) return image;
        if (colours.size() >= 4) colours.erase(colours.begin());  // a blinking text has two
        colours.emplace_back(colour.rgba(), tinted(picture.coverage, colour));
        count(colours.back().second);
        return colours.back().second;
    }

    static bool shares_pixels(const std::vector<Placed>& placed) {
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j)
                if (placed[i].ink.intersects(placed[j].ink)) return true;
        return false;
    }

    // The glyphs' coverages added, then tinted and drawn as one.
    static void draw_added(QPainter& p, const std::vector<Placed>& placed, const QColor& colour) {
        QRect all;
        for (const Placed& g : placed) all |= g.ink;
        QImage sum(all.size(), QImage::Format_ARGB32_Premultiplied);
        sum.fill(Qt::transparent);
        {
            QPainter painter(&sum);
            painter.setCompositionMode(QPainter::CompositionMode_Plus);
            for (const Placed& g : placed) painter.drawImage(g.at - all.topLeft(), g.picture->coverage);
        }
        p.drawImage(all.topLeft(), tinted(sum, colour));
    }

    std::list<Face> faces_;  // each stays where it is
    qint64 bytes_ = 0;
    std::uint64_t generation_ = 0;
};

// A text laid out by Qt in one direction, without marks that join glyphs across scripts: its
// glyphs drawn one by one are the text drawn whole.
bool plain_script(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x0590) return false;  // from Hebrew on
    return true;
}

}  // namespace

Entry::Entry(QWidget* parent) : QLineEdit(parent) {}

const Entry::Shaped& Entry::shaped() {
    const QString shown = text();
    if (shaped_.laid_out && shaped_.text == shown && shaped_.font == font()) return shaped_;
    Shaped s;
    s.laid_out = true;
    s.text = shown;
    s.font = font();
    // A font well within Qt's own glyph cache is not laid out a second time.
    s.pictured = !shown.isEmpty() && QFontInfo(s.font).pixelSize() + 1 >= kLargestCachedGlyph && plain_script(shown) &&
                 !s.font.underline() && !s.font.strikeOut() && !s.font.overline();
    if (s.pictured) {
        // Laid out as the line edit lays out its text.
        QTextLayout layout(shown, s.font);
        QTextOption option = layout.textOption();
        option.setTextDirection(Qt::LeftToRight);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        s.width = qRound(line.naturalTextWidth()) + 1;
        s.ascent = qRound(line.ascent());
        s.runs = layout.glyphRuns();
        for (const QGlyphRun& run : s.runs)
            if (run.rawFont().pixelSize() < kLargestCachedGlyph) s.pictured = false;
        const QFontMetrics metrics = fontMetrics();
        s.height = std::max(metrics.boundingRect(shown).height(), metrics.height());
    }
    shaped_ = std::move(s);
    return shaped_;
}

bool Entry::place_text(QStyleOptionFrame& panel, QRect& clip, QPoint& origin) {
    // Qt draws a cursor, a selection or a text it scrolls.
    if (qt_paints_ || dragging_ || hasSelectedText() || (hasFocus() && !isReadOnly()) || echoMode() != Normal || !inputMask().isEmpty() ||
        layoutDirection() != Qt::LeftToRight || !styleSheet().isEmpty())
        return false;
    const Shaped& s = shaped();
    if (!s.pictured) return false;
    initStyleOption(&panel);
    clip = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    const Qt::Alignment vertical = align & Qt::AlignVertical_Mask, horizontal = align & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    const int top = vertical == Qt::AlignBottom ? clip.y() + clip.height() - s.height - kVerticalMargin
                    : vertical == Qt::AlignTop  ? clip.y() + kVerticalMargin
                                                : clip.y() + (clip.height() - s.height + 1) / 2;
    const QRect line(clip.x() + kHorizontalMargin, top, clip.width() - 2 * kHorizontalMargin, s.height);
    if (s.width > line.width()) return false;
    // The text's shift within its line: how the line edit aligns a text that fits.
    const int shift = horizontal == Qt::AlignRight     ? s.width - line.width() + 1
                      : horizontal == Qt::AlignHCenter ? (s.width - line.width()) / 2
                                                       : 0;
    origin = line.topLeft() - QPoint(shift, s.ascent - fontMetrics().ascent());
    return true;
}

bool Entry::paint_pictured() {
    QStyleOptionFrame panel;
    QRect clip;
    QPoint origin;
    if (!place_text(panel, clip, origin)) return false;
    QPainter p(this);
    const QTransform& device = p.deviceTransform();
    if (p.renderHints() != kWidgetHints || device.type() > QTransform::TxTranslate || device.dx() != std::floor(device.dx()) ||
        device.dy() != std::floor(device.dy()))
        return false;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    p.setClipRect(clip);
    GlyphPictures& pictures = GlyphPictures::instance();
    pictures.draw(p, pictures.place(shaped().runs, origin), palette().text().color());
    scroll_known_ = false;
    return true;
}

void Entry::show_program_text(const std::function<void()>& change) {
    GlyphPictures& pictures = GlyphPictures::instance();
    QStyleOptionFrame panel;
    QRect clip;
    QPoint origin;
    // What shows now: the glyphs of its last paint, drawn from pictures.
    if (scroll_known_ || !isVisible() || testAttribute(Qt::WA_UpdatesDisabled) || !place_text(panel, clip, origin)) {
        change();
        return;
    }
    const std::vector<GlyphPictures::Placed> before = pictures.place(shaped().runs, origin);
    const std::uint64_t generation = pictures.generation();
    const QFont font_before = font();
    setAttribute(Qt::WA_UpdatesDisabled, true);
    change();
    setAttribute(Qt::WA_UpdatesDisabled, false);
    if (font() != font_before || !place_text(panel, clip, origin)) {
        update();
        return;
    }
    const std::vector<GlyphPictures::Placed> after = pictures.place(shaped().runs, origin);
    if (pictures.generation() != generation) {
        update();
        return;
    }
    // The glyphs gone and the glyphs come; those that stay where they were are left as they are.
    QRect changed;
    for (const auto& g : before)
        if (std::find(after.begin(), after.end(), g) == after.end()) changed |= g.ink;
    for (const auto& g : after)
        if (std::find(before.begin(), before.end(), g) == before.end()) changed |= g.ink;
    update(changed & clip);
}

void Entry::paintEvent(QPaintEvent* event) {
    if (paint_pictured()) return;
    QLineEdit::paintEvent(event);
    scroll_known_ = true;
}

void Entry::know_scroll() {
    // The line edit places its text, and so finds a point's character, as it paints.
    if (scroll_known_ || !isVisible()) return;
    qt_paints_ = true;
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    render(&scratch, QPoint(), QRegion(0, 0, 1, 1), {});
    qt_paints_ = false;
}

void Entry::mousePressEvent(QMouseEvent* event) {
    know_scroll();
    QLineEdit::mousePressEvent(event);
}

void Entry::mouseDoubleClickEvent(QMouseEvent* event) {
    know_scroll();
    QLineEdit::mouseDoubleClickEvent(event);
}

void Entry::dragEnterEvent(QDragEnterEvent* event) {
    know_scroll();
    dragging_ = true;
    QLineEdit::dragEnterEvent(event);
}

void Entry::dragLeaveEvent(QDragLeaveEvent* event) {
    dragging_ = false;
    QLineEdit::dragLeaveEvent(event);
}

void Entry::dropEvent(QDropEvent* event) {
    dragging_ = false;
    QLineEdit::dropEvent(event);
}

}  // namespace zrv::qt
