#pragma once
// The engine's own small widgets and conversions (internal to the Qt engine).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>
#include <QValidator>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QWidget>

#include "framework/core/control.h"

class QStyleOptionFrame;

namespace zrv::qt {

// 00BBGGRR to a colour; nullopt for the default (-1).
std::optional<QColor> to_qcolor(Colour colour);
// An image through the program's loader (carried images first); a null pixmap when none.
QPixmap load_pixmap(const std::string& name);
QString qs(std::string_view text);
// A text whose "&" marks an access key, shown without it ("&&" is one "&").
QString without_access_keys(std::string_view text);
// The font of a control's face, size (points) and style. A black face ("Arial Black") is drawn
// in its heaviest weight whatever the control's bold says; where it is not installed, in the
// bold of a face as wide ("DejaVu Sans": a text laid out for Arial Black fits it).
QFont control_font(const QFont& base, std::string_view family, double points, bool bold, bool italic, bool underline);

struct ListColumn {
    int width = 0;            // window units, 0 unknown
    char align = 'L';         // of the cells: L, R, C or D (decimal)
    char header_align = 'L';  // of the header
    std::string header;
    std::string tip;    // shown over the header
    std::string group;  // the header of the group of columns it belongs to
    int stack = 0;      // the stacked group (1, 2, ...) it is a cell of; 0 none
};
// The columns a list's format declares: each column is its width, its alignment and flags, an
// optional "~header~" with the header's own alignment after it, an optional "{tip}" and its
// "@picture@"; "[~group~" and "]" enclose a run of columns under a group header, "[~group~S" a
// stacked one.
std::vector<ListColumn> parse_list_columns(std::string_view format);

// A column of the list widget: one cell of the model's rows, or the cells of a stacked group
// one below the other.
struct ShownColumn {
    int first = 0;  // the row's first cell it shows (0-based)
    int cells = 1;
    int width = 0;  // window units, 0 unknown
    Qt::Alignment align = Qt::AlignLeft, header_align = Qt::AlignLeft;
    std::string header;
    std::string tip;
    std::string group;  // the header drawn across this column and its neighbours of the same group
};
// The widget's columns for the format's columns; a stacked group's header stands alone over its
// column.
std::vector<ShownColumn> shown_columns(const std::vector<ListColumn>& columns);

// A list's header: the columns' headers, and above them each group's header drawn across its
// columns.
class GroupHeader : public QHeaderView {
public:
    explicit GroupHeader(QWidget* parent);
    void set_groups(std::vector<QString> groups);  // per section; empty: none
    const std::vector<QString>& groups() const { return groups_; }
    // The rectangle a group's header is drawn in over its sections (empty when no section has it).
    QRect group_rect(const QString& group) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logical) const override;

private:
    bool grouped() const;
    int band() const;  // the height of the group band, 0 without groups
    std::vector<QString> groups_;
};

// A list control: its rows are a page of its order, and the scroll bar beside them covers the
// whole order (the engine sets its steps from the model).
class PageList : public QTreeWidget {
public:
    explicit PageList(QWidget* parent);
    QScrollBar* order_bar() const { return bar_; }
    GroupHeader* group_header() const { return header_; }
    void set_order_scroll(int steps, int at, int page);  // no steps: no bar
    // The height of a row of one line that is `natural` high: less when the page would not stand
    // whole in the box, but never less than a line of the list's text.
    int row_height(int natural) const;
    // How many whole rows the box shows: rows of one line down to a line of text, rows of
    // stacked lines at their own height; 0 while it has no rows to measure.
    int whole_rows() const;
    // Told (outside the engine's mirroring) when the whole rows the box shows change.
    std::function<void(int rows)> on_rows_shown;
    // The rows or the box changed: whole_rows() is told again once the events are handled.
    void rows_may_change();

protected:
    void updateGeometries() override;
    bool viewportEvent(QEvent* event) override;

private:
    QScrollBar* bar_;
    GroupHeader* header_;
    int told_rows_ = 0;
    bool telling_ = false;
};

// The style of entries: their panel (background and frame) is drawn from a picture made once
// per size, colours and state, so a large entry whose text changes often costs a copy of it.
// One per application, made on first use.
QStyle* entry_style();
// The style of buttons: the focused one shows a dotted frame inside its own.
QStyle* button_style();

// An entry's limit in characters, counted as a text field counts them (code points): typing or
// pasting past it is refused, so the entry shows no more than its field stores. A text the
// program sets is not checked.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int most, QObject* parent) : QValidator(parent), most_(most) {}
    State validate(QString& input, int& position) const override;

private:
    int most_;
};

// The client area of a window: controls are placed on it in pixels.
class Canvas : public QWidget {
public:
    explicit Canvas(QWidget* parent = nullptr);
    QSize sizeHint() const override { return hint; }
    QSize hint{300, 240};
    std::function<void()> on_resize;
    std::function<void(QMouseEvent*)> on_press;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// The client area of a child window around its canvas: the canvas takes its whole room, but
// not less than its smallest size; smaller, the client scrolls. As large as the canvas would be.
class ClientScroll : public QScrollArea {
public:
    explicit ClientScroll(Canvas* canvas);
    QSize sizeHint() const override;
};

// Boxes, ellipses, lines, panels and regions: drawn by hand, clickable.
class Shape : public QWidget {
public:
    Shape(ControlKind kind, QWidget* parent);
    ControlKind kind;
    std::optional<QColor> fill, border;
    bool down_right = true;  // lines: from the top-left corner (else from the bottom-left)
    std::function<void(QMouseEvent*)> on_press;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// List cells with their own colours when selected.
inline constexpr int kSelectedTextRole = Qt::UserRole + 1;
inline constexpr int kSelectedBackRole = Qt::UserRole + 2;
// The cells of a stacked column, top to bottom (stacked_cell each).
inline constexpr int kStackedRole = Qt::UserRole + 3;
QVariant stacked_cell(const ListCell& cell);

// Draws a stacked column's cells one below the other, each one line high in its own colours.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    // The option of line `line` of a stacked cell; its rect is the line's share of option's.
    QStyleOptionViewItem line_option(const QStyleOptionViewItem& option, const QModelIndex& index, int line) const;
};

// Calls a function for every event of the objects it watches.
class EventHook : public QObject {
public:
    EventHook(QObject* parent, std::function<bool(QObject*, QEvent*)> hook) : QObject(parent), hook_(std::move(hook)) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return hook_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> hook_;
};

}  // namespace zrv::qt
